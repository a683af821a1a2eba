// Safe file writing and the Windows-1252 text files of the program.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace marvola {

struct FileContent
{
    QString fileName;
    QByteArray bytes;
};

// Files that are replaced together, under one commit record beside them.
struct WriteGroup
{
    QString record; // the commit record
    QString lock; // the writers' lock, one writer at a time; empty when writers take none
    // Whether a bare file name (no folder) in the record's folder belongs to the group: a record
    // that names anything else is not this group's and is never acted on.
    std::function<bool(const QString &bareName)> owns;
    QList<FileContent> files;
    // Where a commit that could not be finished is finished: at the next open of the match, or
    // only at the next write of the same files.
    bool finishedAtOpen = false;
};

// The files of one folder as a group with its record named after the first file and no lock.
WriteGroup plainWriteGroup(const QList<FileContent> &files);
// Files of any folders as one plain group per folder, in the order of their first file.
QList<WriteGroup> plainWriteGroups(const QList<FileContent> &files);

// Every file the program writes goes through here, and the files of one group replace the old
// ones all together or not at all, also across a crash or power cut:
//  0. the lock of the group is taken (a second writer waits a little, then fails naming the
//     holder), an interrupted earlier commit is finished or dropped, and every target is checked
//     (folder writable, no read-only file, enough space where the system tells);
//  1. each file is written and flushed to disk as FILE.part beside it (keeping the permissions of
//     the file it replaces), and its folder is flushed;
//  2. the commit record naming them (size and checksum of each) is written and renamed into
//     place: from here on the new files win;
//  3. each FILE.part is renamed over FILE, the folders are flushed and the record is removed.
// A failure before the record leaves the old files untouched and no temporary file behind; all
// groups are written to their temporary files before the first is committed. A failure after a
// commit point says "Saved, but ...": the next open (or write) completes it. Other failures read
// "Cannot write FILE: reason".
bool writeGroupsSafely(const QList<WriteGroup> &groups, QString &error);
// The files grouped by folder (plainWriteGroup), all written together.
bool writeFilesSafely(const QList<FileContent> &files, QString &error);
bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error);

// The temporary name a file is written under before it is moved into place.
QString temporaryFileName(const QString &fileName);

// True when the group shows signs of a commit: its record, the record's or one of `ownFiles`'
// temporary files.
bool commitLeftovers(const WriteGroup &group, const QStringList &ownFiles);

// Finishes or discards a write that was interrupted: a commit record whose files are all complete
// is carried out, anything else is dropped with its temporary files, and leftover temporary files
// of `ownFiles` (written before a crash, with no record yet) are removed. The caller holds the
// group's lock. A record that names files not of the group, or whose files no longer belong
// together, is left as it is and reported. Returns false with the error when anything stays.
bool finishInterruptedWrite(const WriteGroup &group, const QStringList &ownFiles, QString &error);

// Reads the files of a group as its last whole commit left them, and writes nothing: while a
// commit is under way it waits for it (a few seconds at most) and gives the files as they were
// before or after it, never a mixture. A commit that completed but was not carried out is read
// from its temporary files, so that a set on read-only media still opens. maxBytes bounds each
// file; a name the group's record does not hold is read as it is.
bool readGroupWhole(const WriteGroup &group, const QStringList &fileNames,
    const QList<qint64> &maxBytes, QList<QByteArray> *contents, QString &error);

// The steps of a commit, for tests that stop or fail a write after any of them, or look at the
// files from another reader or writer there.
enum class CommitStep {
    TemporaryWritten,
    TemporariesFlushed,
    RecordWritten,
    Renamed,
    FoldersFlushed,
    RecordRemoved
};
enum class CommitHookAnswer { Continue, Fail, Stop };
// Called after each step (index: which file, for the per-file steps); Fail makes the write fail
// as a failing disk would, Stop leaves everything as a killed process would. Test use only.
using CommitHook = std::function<CommitHookAnswer(CommitStep step, int index)>;
void setCommitHook(CommitHook hook);
// How long a second writer waits for the lock (default 3 s). Test use only.
void setLockWaitMs(int milliseconds);

// Writes all bytes to an open device; on failure sets "Cannot write FILE: reason".
bool writeAllTo(
    QIODevice &device, const QByteArray &bytes, const QString &fileName, QString &error);

// The messages of a failed read or write, naming the file.
QString fileReadError(const QString &fileName, const QString &reason);
QString fileWriteError(const QString &fileName, const QString &reason);

// Reads a whole file of at most maxBytes; on failure sets "Cannot read FILE: reason". Only a
// regular file is opened: a pipe or a device could block or never end.
bool readWholeFile(const QString &fileName, qint64 maxBytes, QByteArray *bytes, QString &error);
// The bound of the text files: far above any real match, far below what would hurt.
constexpr qint64 MaxTextFileBytes = 64 * 1024;

// Text files: Windows-1252, every line ended by CR LF, no byte-order mark.
QByteArray textFileBytes(const QStringList &lines);
// Lines ended by CR LF or LF; a last line without an ending counts too.
QStringList textFileLines(const QByteArray &bytes);

} // namespace marvola
