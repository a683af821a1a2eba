#include "files/SafeFile.h"

#include "model/Cp1252.h"
#include "model/Text.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#endif

namespace marvola {

namespace {

// A second writer waits this long for the first one's save, then gives up.
int s_lockWaitMs = 3000;
// A reader waits this long for a save under way before it gives up.
constexpr int ReaderWaitMs = 3000;
// A commit record whose files do not check out is looked at again for this long: a rename of the
// saver can pass between a look at the temporary file and one at the file itself.
constexpr int UnsettledRecordMs = 300;
// A file system counts whole blocks; a little more than each file asks for is needed.
constexpr qint64 BlockBytes = 4096;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

CommitHook &commitHook()
{
    static CommitHook hook;
    return hook;
}

CommitHookAnswer askHook(CommitStep step, int index, QString &error)
{
    const CommitHookAnswer answer
        = commitHook() ? commitHook()(step, index) : CommitHookAnswer::Continue;
    if (answer != CommitHookAnswer::Continue)
        error = QStringLiteral("The save was interrupted.");
    return answer;
}

struct CommitEntry
{
    QString fileName;
    qint64 size = 0;
    QByteArray checksum;
};

QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString folderOf(const QString &fileName)
{
    return QFileInfo(fileName).absolutePath();
}

// Flushes a folder, so the names created or renamed in it survive a power cut; on failure the
// system's reason. A file system that cannot flush folders at all says so, and is taken at its
// word.
bool syncFolder(const QString &folder, QString &reason)
{
#ifdef Q_OS_UNIX
    const int fd
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int failure = errno;
    ::close(fd);
    if (!synced)
        reason = systemReason(failure);
    return synced;
#else
    Q_UNUSED(folder);
    Q_UNUSED(reason);
    return true;
#endif
}

// Flushes the folders of the files; on failure the folder and the reason.
bool syncFolders(const QStringList &fileNames, QString *failedFolder, QString &reason)
{
    QSet<QString> done;
    for (const QString &fileName : fileNames) {
        const QString folder = folderOf(fileName);
        if (done.contains(folder))
            continue;
        done.insert(folder);
        if (!syncFolder(folder, reason)) {
            *failedFolder = folder;
            return false;
        }
    }
    return true;
}

QString notFlushed(const QString &reason)
{
    return QStringLiteral("the folder could not be flushed to disk (%1)").arg(reason);
}

// Writes the file and waits until the disk holds it. A file it replaces keeps its permissions
// (and its owner, where the system lets us).
bool writeDurably(const QString &fileName, const QByteArray &bytes, const QString &shownName,
    const QString &replaced, QString &error)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(
        QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = fileWriteError(shownName, systemReason(errno));
        return false;
    }
    const auto fail = [&](int reason) {
        ::close(fd);
        error = fileWriteError(shownName, systemReason(reason));
        return false;
    };
    struct stat old = {};
    if (!replaced.isEmpty() && ::stat(QFile::encodeName(replaced).constData(), &old) == 0) {
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return fail(errno);
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        // A write that takes nothing and says no more is a full disk.
        if (n == 0)
            return fail(ENOSPC);
        written += n;
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        error = fileWriteError(shownName, systemReason(errno));
        return false;
    }
    return true;
#else
    Q_UNUSED(replaced);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = fileWriteError(shownName, file.errorString());
        return false;
    }
    if (!writeAllTo(file, bytes, shownName, error))
        return false;
    if (!file.flush()) {
        error = fileWriteError(shownName, file.errorString());
        return false;
    }
    file.close();
    return true;
#endif
}

// Replaces `to` in one step; a reader sees either the old file or the new one.
bool renameFile(const QString &from, const QString &to, QString &reason)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    reason = systemReason(errno);
    return false;
#else
    std::error_code failure;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), failure);
    if (!failure)
        return true;
    reason = QString::fromStdString(failure.message());
    return false;
#endif
}

// The record: a first line, one line per file (size, checksum, the bare name in the record's
// folder, percent-encoded so that any bytes of a name survive), and a last line.
const QByteArray RecordHeader = "marvola commit 1";
const QByteArray RecordEnd = "end";

QByteArray recordBytes(const QList<CommitEntry> &entries)
{
    QByteArray bytes = RecordHeader + '\n';
    for (const CommitEntry &entry : entries)
        bytes += QByteArray::number(entry.size) + ' ' + entry.checksum + ' '
            + QFile::encodeName(QFileInfo(entry.fileName).fileName()).toPercentEncoding() + '\n';
    return bytes + RecordEnd + '\n';
}

// A record that cannot be read through (cut short, damaged) is no commit.
struct Record
{
    QList<CommitEntry> entries;
    QString foreignName; // the first name that is not of the group, when there is one
};

std::optional<Record> readRecord(const WriteGroup &group)
{
    const QFileInfo info(group.record);
    QFile file(group.record);
    if (!info.isFile() || info.size() > MaxTextFileBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 3 || lines.first() != RecordHeader || lines[lines.size() - 2] != RecordEnd
        || !lines.last().isEmpty())
        return std::nullopt;
    const QDir folder = info.absoluteDir();
    Record record;
    QSet<QString> seen;
    for (qsizetype i = 1; i < lines.size() - 2; ++i) {
        const QList<QByteArray> fields = lines[i].split(' ');
        bool ok = false;
        const qint64 size = fields.value(0).toLongLong(&ok);
        if (fields.size() != 3 || !ok || size < 0)
            return std::nullopt;
        const QString name = QFile::decodeName(QByteArray::fromPercentEncoding(fields[2]));
        // Only bare names of the group's own files: a folder part, "..", an absolute path or
        // another match's file would let a record in a shared folder touch files outside it.
        const bool bare = !name.isEmpty() && !name.contains(QLatin1Char('/'))
            && !name.contains(QLatin1Char('\\')) && name != QLatin1String(".")
            && name != QLatin1String("..");
        if ((!bare || !group.owns || !group.owns(name) || seen.contains(name))
            && record.foreignName.isEmpty())
            record.foreignName = name;
        seen.insert(name);
        record.entries.append({folder.absoluteFilePath(name), size, fields[1]});
    }
    return record;
}

QString foreignRecordError(const WriteGroup &group, const Record &record)
{
    return fileReadError(group.record,
        QStringLiteral("the commit record names %1, which is not one of its files; nothing was "
                       "changed: remove the record to open the files as they are")
            .arg(quotedForMessage(record.foreignName)));
}

QString mixedSetError(const QString &fileName, const WriteGroup &group)
{
    return fileReadError(fileName,
        QStringLiteral("an interrupted save left files that do not belong "
                       "together; remove %1 to open the files as they are")
            .arg(QDir::toNativeSeparators(group.record)));
}

// A regular file read whole within its bound, kept open by the caller's `file` so that its
// identity can be compared afterwards.
bool readBounded(QFile &file, qint64 maxBytes, QByteArray *bytes, QString &error)
{
    const QString fileName = file.fileName();
    const QFileInfo info(fileName);
    if (info.isDir()) {
        error = fileReadError(fileName, QStringLiteral("it is a folder"));
        return false;
    }
    // Checked before opening: opening a pipe would wait for a writer that never comes.
    if (info.exists() && !info.isFile()) {
        error = fileReadError(fileName, QStringLiteral("it is not a regular file"));
        return false;
    }
    const auto tooLarge = [&] {
        error = fileReadError(fileName,
            QStringLiteral("it is larger than the %1 bytes a match file can have").arg(maxBytes));
        return false;
    };
    if (info.exists() && info.size() > maxBytes)
        return tooLarge();
    if (!file.open(QIODevice::ReadOnly)) {
        error = fileReadError(fileName, file.errorString());
        return false;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    *bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = fileReadError(fileName, file.errorString());
        return false;
    }
    if (bytes->size() > maxBytes)
        return tooLarge();
    return true;
}

bool matches(const QByteArray &bytes, const CommitEntry &entry)
{
    return bytes.size() == entry.size && checksum(bytes) == entry.checksum;
}

// The bytes of a file as the entry names them, if the file holds exactly them.
std::optional<QByteArray> entryBytes(const QString &fileName, const CommitEntry &entry)
{
    QFile file(fileName);
    QByteArray bytes;
    QString ignored;
    if (!QFileInfo(fileName).isFile() || !readBounded(file, entry.size, &bytes, ignored)
        || !matches(bytes, entry))
        return std::nullopt;
    return bytes;
}

bool holds(const QString &fileName, const CommitEntry &entry)
{
    return entryBytes(fileName, entry).has_value();
}

// Each file is either still complete under its temporary name or already in place.
bool allComplete(const QList<CommitEntry> &entries)
{
    return std::all_of(entries.begin(), entries.end(), [](const CommitEntry &entry) {
        const QString temporary = temporaryFileName(entry.fileName);
        return QFileInfo::exists(temporary) ? holds(temporary, entry)
                                            : holds(entry.fileName, entry);
    });
}

bool anyAlreadyRenamed(const QList<CommitEntry> &entries)
{
    return std::any_of(entries.begin(), entries.end(), [](const CommitEntry &entry) {
        return !QFileInfo::exists(temporaryFileName(entry.fileName));
    });
}

QString completedLater(const WriteGroup &group)
{
    return group.finishedAtOpen ? QStringLiteral("the save will be completed at the next open")
                                : QStringLiteral("it will be completed at the next save of them");
}

// After the commit point: the temporary files go into place, the folders are flushed, then the
// record goes. A failure leaves the record, so that the commit is completed later.
bool carryOut(const WriteGroup &group, const QList<CommitEntry> &entries, QString &error)
{
    const auto failed = [&](const QString &what, const QString &reason) {
        error = QStringLiteral("Saved, but %1: %2; %3.")
                    .arg(QDir::toNativeSeparators(what), reason, completedLater(group));
        return false;
    };
    QStringList touched{group.record};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString temporary = temporaryFileName(entries[i].fileName);
        QString reason;
        if (QFileInfo::exists(temporary) && !renameFile(temporary, entries[i].fileName, reason))
            return failed(
                entries[i].fileName, QStringLiteral("it could not be replaced (%1)").arg(reason));
        touched << entries[i].fileName;
        if (askHook(CommitStep::Renamed, int(i), error) != CommitHookAnswer::Continue)
            return false;
    }
    QString folder, reason;
    if (!syncFolders(touched, &folder, reason))
        return failed(folder, notFlushed(reason));
    if (askHook(CommitStep::FoldersFlushed, 0, error) != CommitHookAnswer::Continue)
        return false;
    if (!QFile::remove(group.record) && QFileInfo::exists(group.record))
        return failed(group.record, QStringLiteral("the commit record could not be removed"));
    if (!syncFolder(folderOf(group.record), reason))
        return failed(folderOf(group.record), notFlushed(reason));
    return askHook(CommitStep::RecordRemoved, 0, error) == CommitHookAnswer::Continue;
}

// The writers' lock of a group, taken for the whole write.
class GroupLock
{
public:
    explicit GroupLock(const QString &lockName)
    {
        if (!lockName.isEmpty()) {
            m_lock = std::make_unique<QLockFile>(lockName);
            // A save takes seconds at most; a lock this old was left by a crash on another
            // computer.
            m_lock->setStaleLockTime(30000);
        }
    }

    bool take(int waitMs, const QString &shownName, QString &error)
    {
        if (!m_lock)
            return true;
        errno = 0;
        if (m_lock->tryLock(waitMs))
            return true;
        // The lock keeps no reason of its own: the system's is still in errno.
        const int reason = errno;
        qint64 pid = 0;
        QString host, application;
        if (m_lock->error() == QLockFile::LockFailedError) {
            const QString holder = m_lock->getLockInfo(&pid, &host, &application)
                ? QStringLiteral(" (process %1 on %2)")
                      .arg(pid)
                      .arg(host.isEmpty() ? QStringLiteral("an unknown computer") : host)
                : QString();
            error = QStringLiteral("Cannot write %1: another save of this match is under way%2; "
                                   "try again when it is done")
                        .arg(QDir::toNativeSeparators(shownName), holder);
            return false;
        }
        error = fileWriteError(m_lock->fileName(),
            reason != 0 ? systemReason(reason)
                : m_lock->error() == QLockFile::PermissionError
                ? systemReason(EACCES)
                : QStringLiteral("the lock file could not be written"));
        return false;
    }

private:
    std::unique_ptr<QLockFile> m_lock;
};

// Before anything is written: every target can be replaced, and the disks have room.
bool checkTargets(const QList<WriteGroup> &groups, QString &error)
{
    QHash<QString, qint64> needed;
    QHash<QString, QString> firstOnDisk;
    for (const WriteGroup &group : groups) {
        for (const FileContent &file : group.files) {
            const QFileInfo info(file.fileName);
            const QString folder = info.absolutePath();
            if (info.isDir()) {
                error = fileWriteError(file.fileName, QStringLiteral("it is a folder"));
                return false;
            }
            if (!QFileInfo(folder).isDir()) {
                error = fileWriteError(file.fileName,
                    QStringLiteral("the folder %1 does not exist")
                        .arg(QDir::toNativeSeparators(folder)));
                return false;
            }
#ifdef Q_OS_UNIX
            if (::access(QFile::encodeName(folder).constData(), W_OK) != 0) {
                error = fileWriteError(file.fileName, systemReason(errno));
                return false;
            }
            if (info.exists()
                && ::access(QFile::encodeName(file.fileName).constData(), W_OK) != 0) {
                error = fileWriteError(file.fileName,
                    errno == EACCES ? QStringLiteral("the file is read-only")
                                    : systemReason(errno));
                return false;
            }
#endif
            const QStorageInfo disk(folder);
            const QString key = disk.isValid() ? disk.rootPath() : folder;
            needed[key] += (file.bytes.size() + BlockBytes - 1) / BlockBytes * BlockBytes;
            if (!firstOnDisk.contains(key))
                firstOnDisk.insert(key, file.fileName);
        }
    }
    for (auto it = needed.cbegin(); it != needed.cend(); ++it) {
        const qint64 available = QStorageInfo(folderOf(firstOnDisk[it.key()])).bytesAvailable();
        // The record needs a block too.
        if (available >= 0 && available < it.value() + BlockBytes) {
            error = fileWriteError(firstOnDisk[it.key()], systemReason(ENOSPC));
            return false;
        }
    }
    return true;
}

// Writes the temporary files of a group. `stopped` tells a test's stop, after which everything
// stays as a killed process leaves it.
bool writeTemporaries(
    const WriteGroup &group, QList<CommitEntry> *entries, bool *stopped, QString &error)
{
    const auto ask = [&](CommitStep step, int index) {
        const CommitHookAnswer answer = askHook(step, index, error);
        *stopped = answer == CommitHookAnswer::Stop;
        return answer == CommitHookAnswer::Continue;
    };
    for (qsizetype i = 0; i < group.files.size(); ++i) {
        const FileContent &file = group.files[i];
        if (!writeDurably(
                temporaryFileName(file.fileName), file.bytes, file.fileName, file.fileName, error))
            return false;
        entries->append({file.fileName, file.bytes.size(), checksum(file.bytes)});
        if (!ask(CommitStep::TemporaryWritten, int(i)))
            return false;
    }
    QStringList names;
    for (const FileContent &file : group.files)
        names << temporaryFileName(file.fileName);
    QString folder, reason;
    if (!syncFolders(names, &folder, reason)) {
        error = fileWriteError(folder, notFlushed(reason));
        return false;
    }
    return ask(CommitStep::TemporariesFlushed, 0);
}

void removeTemporaries(const WriteGroup &group)
{
    for (const FileContent &file : group.files)
        QFile::remove(temporaryFileName(file.fileName));
    QFile::remove(temporaryFileName(group.record));
}

// The commit point of a group: the record is written, flushed and renamed into place, and its
// folder flushed.
bool writeRecord(const WriteGroup &group, const QList<CommitEntry> &entries, QString &error)
{
    const QString temporary = temporaryFileName(group.record);
    if (!writeDurably(temporary, recordBytes(entries), group.record, QString(), error))
        return false;
    QString reason;
    if (!renameFile(temporary, group.record, reason)) {
        error = fileWriteError(group.record, reason);
        return false;
    }
    return true;
}

bool commitGroup(const WriteGroup &group, const QList<CommitEntry> &entries, QString &error)
{
    QString reason;
    if (!syncFolder(folderOf(group.record), reason)) {
        error = QStringLiteral("Saved, but %1: %2; %3.")
                    .arg(QDir::toNativeSeparators(folderOf(group.record)), notFlushed(reason),
                        completedLater(group));
        return false;
    }
    switch (askHook(CommitStep::RecordWritten, 0, error)) {
    case CommitHookAnswer::Fail:
        // As a crash here would: the next load or write carries the commit out.
        return false;
    case CommitHookAnswer::Stop: return false;
    case CommitHookAnswer::Continue: break;
    }
    return carryOut(group, entries, error);
}

// Reading the files of a group while others may write them.
enum class Attempt { Done, Retry, Failed };

#ifdef Q_OS_UNIX
using FileIdentity = std::pair<dev_t, ino_t>;
std::optional<FileIdentity> identity(int fd)
{
    struct stat st = {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}
std::optional<FileIdentity> identity(const QString &fileName)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}
#endif

// The files as they are, when no commit passed while they were read: each is kept open until all
// are read, and must then still be the file under its name (a commit replaces files by renames).
Attempt readFilesAsTheyAre(const WriteGroup &group, const QStringList &fileNames,
    const QList<qint64> &maxBytes, bool heedRecord, QList<QByteArray> *contents, QString &error)
{
    std::vector<std::unique_ptr<QFile>> open;
    QList<QByteArray> read;
    const auto recordCame = [&] { return heedRecord && QFileInfo::exists(group.record); };
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        open.push_back(std::make_unique<QFile>(fileNames[i]));
        QByteArray bytes;
        if (!readBounded(*open.back(), maxBytes.value(i), &bytes, error))
            return recordCame() ? Attempt::Retry : Attempt::Failed;
        read << bytes;
    }
    if (recordCame())
        return Attempt::Retry;
#ifdef Q_OS_UNIX
    for (qsizetype i = 0; i < fileNames.size(); ++i)
        if (identity(open[size_t(i)]->handle()) != identity(fileNames[i]))
            return Attempt::Retry;
#endif
    *contents = read;
    return Attempt::Done;
}

// The files as a commit record names them, each from its temporary file or from its place,
// whichever holds the recorded bytes.
Attempt readFilesOfRecord(const Record &record, const QStringList &fileNames,
    const QList<qint64> &maxBytes, QList<QByteArray> *contents, QString &error)
{
    QList<QByteArray> read;
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        const QString absolute = QFileInfo(fileNames[i]).absoluteFilePath();
        const auto entry = std::find_if(record.entries.begin(), record.entries.end(),
            [&](const CommitEntry &e) { return e.fileName == absolute; });
        if (entry != record.entries.end() && entry->size > maxBytes.value(i)) {
            error = fileReadError(fileNames[i],
                QStringLiteral("it is larger than the %1 bytes a match file can have")
                    .arg(maxBytes.value(i)));
            return Attempt::Failed;
        }
        if (entry == record.entries.end()) {
            QFile file(fileNames[i]);
            QByteArray bytes;
            if (!readBounded(file, maxBytes.value(i), &bytes, error))
                return Attempt::Failed;
            read << bytes;
            continue;
        }
        std::optional<QByteArray> bytes = entryBytes(temporaryFileName(entry->fileName), *entry);
        if (!bytes)
            bytes = entryBytes(entry->fileName, *entry);
        if (!bytes)
            return Attempt::Retry;
        read << *bytes;
    }
    *contents = read;
    return Attempt::Done;
}

} // namespace

QString fileReadError(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(fileName), reason);
}

QString fileWriteError(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), reason);
}

bool writeAllTo(QIODevice &device, const QByteArray &bytes, const QString &fileName, QString &error)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = device.errorString().isEmpty()
                    || device.errorString() == QLatin1String("Unknown error")
                ? QStringLiteral("the data could not be written")
                : device.errorString();
            error = fileWriteError(fileName, reason);
            return false;
        }
        written += n;
    }
    return true;
}

WriteGroup plainWriteGroup(const QList<FileContent> &files)
{
    WriteGroup group;
    group.files = files;
    if (files.isEmpty())
        return group;
    group.record = files.first().fileName + QStringLiteral(".commit");
    QSet<QString> names;
    for (const FileContent &file : files)
        names.insert(QFileInfo(file.fileName).fileName());
    group.owns = [names](const QString &bareName) { return names.contains(bareName); };
    return group;
}

bool writeGroupsSafely(const QList<WriteGroup> &groups, QString &error)
{
    QSet<QString> targets;
    for (const WriteGroup &group : groups) {
        for (const FileContent &file : group.files) {
            const QString target = QFileInfo(file.fileName).absoluteFilePath();
            if (targets.contains(target)) {
                error = fileWriteError(
                    file.fileName, QStringLiteral("it is named twice in one save"));
                return false;
            }
            targets.insert(target);
        }
    }
    QList<const WriteGroup *> toWrite;
    for (const WriteGroup &group : groups)
        if (!group.files.isEmpty())
            toWrite << &group;
    if (toWrite.isEmpty())
        return true;
    if (!checkTargets(groups, error))
        return false;

    std::vector<std::unique_ptr<GroupLock>> locks;
    for (const WriteGroup *group : toWrite) {
        locks.push_back(std::make_unique<GroupLock>(group->lock));
        if (!locks.back()->take(s_lockWaitMs, group->files.first().fileName, error))
            return false;
        // An earlier write that was cut short is finished first, so its files cannot mix with
        // these.
        QStringList own;
        for (const FileContent &file : group->files)
            own << file.fileName;
        if (!finishInterruptedWrite(*group, own, error))
            return false;
    }

    QList<QList<CommitEntry>> entries(toWrite.size());
    for (qsizetype g = 0; g < toWrite.size(); ++g) {
        bool stopped = false;
        if (!writeTemporaries(*toWrite[g], &entries[g], &stopped, error)) {
            if (!stopped)
                for (qsizetype h = 0; h <= g; ++h)
                    removeTemporaries(*toWrite[h]);
            return false;
        }
    }
    for (qsizetype g = 0; g < toWrite.size(); ++g) {
        if (!writeRecord(*toWrite[g], entries[g], error)) {
            for (qsizetype h = g; h < toWrite.size(); ++h)
                removeTemporaries(*toWrite[h]);
            if (g > 0)
                error = QStringLiteral("Saved only in part: %1").arg(error);
            return false;
        }
        if (!commitGroup(*toWrite[g], entries[g], error)) {
            for (qsizetype h = g + 1; h < toWrite.size(); ++h)
                removeTemporaries(*toWrite[h]);
            return false;
        }
    }
    return true;
}

QList<WriteGroup> plainWriteGroups(const QList<FileContent> &files)
{
    QList<QString> folders;
    QHash<QString, QList<FileContent>> byFolder;
    for (const FileContent &file : files) {
        const QString folder = folderOf(file.fileName);
        if (!byFolder.contains(folder))
            folders << folder;
        byFolder[folder] << file;
    }
    QList<WriteGroup> groups;
    for (const QString &folder : folders)
        groups << plainWriteGroup(byFolder[folder]);
    return groups;
}

bool writeFilesSafely(const QList<FileContent> &files, QString &error)
{
    return writeGroupsSafely(plainWriteGroups(files), error);
}

bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error)
{
    return writeFilesSafely({FileContent{fileName, bytes}}, error);
}

QString temporaryFileName(const QString &fileName)
{
    return fileName + QStringLiteral(".part");
}

bool commitLeftovers(const WriteGroup &group, const QStringList &ownFiles)
{
    if (QFileInfo::exists(group.record) || QFileInfo::exists(temporaryFileName(group.record)))
        return true;
    return std::any_of(ownFiles.begin(), ownFiles.end(),
        [](const QString &file) { return QFileInfo::exists(temporaryFileName(file)); });
}

bool finishInterruptedWrite(const WriteGroup &group, const QStringList &ownFiles, QString &error)
{
    // A record still under its temporary name was never committed.
    QFile::remove(temporaryFileName(group.record));
    if (QFileInfo::exists(group.record)) {
        const std::optional<Record> record = readRecord(group);
        if (record && !record->foreignName.isEmpty()) {
            error = foreignRecordError(group, *record);
            return false;
        }
        if (record && allComplete(record->entries)) {
            if (!carryOut(group, record->entries, error))
                return false;
        } else {
            if (record && anyAlreadyRenamed(record->entries)) {
                error = mixedSetError(ownFiles.value(0, group.record), group);
                return false;
            }
            if (record)
                for (const CommitEntry &entry : record->entries)
                    QFile::remove(temporaryFileName(entry.fileName));
            QFile::remove(group.record);
            QString ignored;
            syncFolder(folderOf(group.record), ignored);
        }
    }
    for (const QString &file : ownFiles)
        QFile::remove(temporaryFileName(file));
    return true;
}

bool readGroupWhole(const WriteGroup &group, const QStringList &fileNames,
    const QList<qint64> &maxBytes, QList<QByteArray> *contents, QString &error)
{
    QElapsedTimer waited;
    waited.start();
    QElapsedTimer unsettled;
    for (;;) {
        Attempt attempt = Attempt::Retry;
        if (!QFileInfo::exists(group.record)) {
            unsettled.invalidate();
            attempt = readFilesAsTheyAre(group, fileNames, maxBytes, true, contents, error);
        } else if (const std::optional<Record> record = readRecord(group); !record) {
            // A record cut short is no commit: the files in place are the set.
            if (QFileInfo::exists(group.record))
                attempt = readFilesAsTheyAre(group, fileNames, maxBytes, false, contents, error);
        } else if (!record->foreignName.isEmpty()) {
            error = foreignRecordError(group, *record);
            return false;
        } else {
            attempt = readFilesOfRecord(*record, fileNames, maxBytes, contents, error);
            if (attempt == Attempt::Retry && QFileInfo::exists(group.record)) {
                if (!unsettled.isValid())
                    unsettled.start();
                // Files that stay wrong while the record stays are a commit that will never
                // complete: with nothing renamed yet the old files are the set.
                if (unsettled.hasExpired(UnsettledRecordMs)) {
                    if (anyAlreadyRenamed(record->entries)) {
                        error = mixedSetError(fileNames.value(0), group);
                        return false;
                    }
                    attempt
                        = readFilesAsTheyAre(group, fileNames, maxBytes, false, contents, error);
                }
            }
        }
        if (attempt == Attempt::Done)
            return true;
        if (attempt == Attempt::Failed)
            return false;
        if (waited.hasExpired(ReaderWaitMs)) {
            error = fileReadError(fileNames.value(0),
                QStringLiteral("a save of the match is under way; try again in a moment"));
            return false;
        }
        QThread::msleep(5);
    }
}

void setCommitHook(CommitHook hook)
{
    commitHook() = std::move(hook);
}

void setLockWaitMs(int milliseconds)
{
    s_lockWaitMs = milliseconds;
}

bool readWholeFile(const QString &fileName, qint64 maxBytes, QByteArray *bytes, QString &error)
{
    QFile file(fileName);
    return readBounded(file, maxBytes, bytes, error);
}

QByteArray textFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toCp1252(singleLine(line)) + "\r\n";
    return bytes;
}

QStringList textFileLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines << fromCp1252(bytes.constData() + start, static_cast<int>(end - start));
        start = next;
    }
    return lines;
}

} // namespace marvola
