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

// Every file the program writes goes through here, and the files of one call replace the old ones
// all together or not at all, also across a crash or power cut:
//  1. each file is written and flushed to disk as FILE.part beside it;
//  2. a commit record naming them (size and checksum of each) is written beside the first file as
//     FIRST.commit: from here on the new files win;
//  3. each FILE.part is renamed over FILE, the folders are flushed and the record is removed.
// A failure before the record leaves the old files untouched and no temporary file behind. On
// failure the error reads "Cannot write FILE: reason".
bool writeFilesSafely(const QList<FileContent> &files, QString &error);
bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error);

// The commit record of a write whose first file is the given one.
QString commitRecordName(const QString &firstFileName);
// The temporary name a file is written under before it is moved into place.
QString temporaryFileName(const QString &fileName);

// Finishes or discards a write that was interrupted: a commit record whose files are all complete
// is carried out, anything else is dropped with its temporary files, and leftover temporary files
// of `ownFiles` (written before a crash, with no record yet) are removed. Returns false with the
// error only when a committed write cannot be finished.
bool finishInterruptedWrite(
    const QString &firstFileName, const QStringList &ownFiles, QString &error);

// The steps of a commit, for tests that stop or fail a write after any of them.
enum class CommitStep { TemporaryWritten, RecordWritten, Renamed, FoldersFlushed, RecordRemoved };
enum class CommitHookAnswer { Continue, Fail, Stop };
// Called after each step (index: which file, for the per-file steps); Fail makes the write fail
// as a failing disk would, Stop leaves everything as a killed process would. Test use only.
using CommitHook = std::function<CommitHookAnswer(CommitStep step, int index)>;
void setCommitHook(CommitHook hook);

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
