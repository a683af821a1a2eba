#include "files/SafeFile.h"

#include "model/Cp1252.h"
#include "model/Text.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#else
#include <filesystem>
#endif

namespace marvola {

namespace {

// Qt's own text where it has one; some failures of a write leave only "Unknown error".
QString writeFailureReason(const QString &fileName, const QFileDevice &file)
{
    const QFileInfo info(fileName);
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.absoluteDir().exists())
        return QStringLiteral("the folder %1 does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return file.errorString();
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

// Flushes the folder that holds the file, so its renames survive a power cut.
void syncFolder(const QString &fileName)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(fileName).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(fileName);
#endif
}

// Writes the file and waits until the disk holds it.
bool writeDurably(
    const QString &fileName, const QByteArray &bytes, const QString &shownName, QString &error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = fileWriteError(shownName, writeFailureReason(shownName, file));
        return false;
    }
    if (!writeAllTo(file, bytes, shownName, error)) {
        file.close();
        return false;
    }
    bool synced = file.flush();
#ifdef Q_OS_UNIX
    synced = synced && ::fsync(file.handle()) == 0;
#endif
    if (!synced) {
        error = fileWriteError(shownName, file.errorString());
        file.close();
        return false;
    }
    file.close();
    return true;
}

// Replaces `to` in one step; a reader sees either the old file or the new one.
bool renameFile(const QString &from, const QString &to, QString &error)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = fileWriteError(to, QString::fromLocal8Bit(std::strerror(errno)));
    return false;
#else
    std::error_code failure;
    std::filesystem::rename(from.toStdWString(), to.toStdWString(), failure);
    if (!failure)
        return true;
    error = fileWriteError(to, QString::fromStdString(failure.message()));
    return false;
#endif
}

// The record: a first line, one line per file (size, checksum, name relative to the record's
// folder, percent-encoded so that any bytes of a name survive), and a last line.
const QByteArray RecordHeader = "marvola commit 1";
const QByteArray RecordEnd = "end";

QByteArray recordBytes(const QString &record, const QList<CommitEntry> &entries)
{
    const QDir folder = QFileInfo(record).absoluteDir();
    QByteArray bytes = RecordHeader + '\n';
    for (const CommitEntry &entry : entries)
        bytes += QByteArray::number(entry.size) + ' ' + entry.checksum + ' '
            + QFile::encodeName(
                folder.relativeFilePath(QFileInfo(entry.fileName).absoluteFilePath()))
                  .toPercentEncoding()
            + '\n';
    return bytes + RecordEnd + '\n';
}

std::optional<QList<CommitEntry>> readRecord(const QString &record)
{
    QFile file(record);
    if (!QFileInfo(record).isFile() || QFileInfo(record).size() > MaxTextFileBytes
        || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 3 || lines.first() != RecordHeader || lines[lines.size() - 2] != RecordEnd
        || !lines.last().isEmpty())
        return std::nullopt;
    const QDir folder = QFileInfo(record).absoluteDir();
    QList<CommitEntry> entries;
    for (qsizetype i = 1; i < lines.size() - 2; ++i) {
        const QList<QByteArray> fields = lines[i].split(' ');
        bool ok = false;
        const qint64 size = fields.value(0).toLongLong(&ok);
        if (fields.size() != 3 || !ok || size < 0)
            return std::nullopt;
        const QString name = QFile::decodeName(QByteArray::fromPercentEncoding(fields[2]));
        entries.append({folder.absoluteFilePath(name), size, fields[1]});
    }
    return entries;
}

bool holds(const QString &fileName, const CommitEntry &entry)
{
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() != entry.size)
        return false;
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && checksum(file.readAll()) == entry.checksum;
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

// After the commit point: the temporary files go into place, then the record goes.
bool carryOut(const QString &record, const QList<CommitEntry> &entries, QString &error)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString temporary = temporaryFileName(entries[i].fileName);
        if (QFileInfo::exists(temporary) && !renameFile(temporary, entries[i].fileName, error))
            return false;
        if (askHook(CommitStep::Renamed, int(i), error) != CommitHookAnswer::Continue)
            return false;
    }
    QSet<QString> folders;
    for (const CommitEntry &entry : entries)
        if (!folders.contains(QFileInfo(entry.fileName).absolutePath())) {
            folders.insert(QFileInfo(entry.fileName).absolutePath());
            syncFolder(entry.fileName);
        }
    if (askHook(CommitStep::FoldersFlushed, 0, error) != CommitHookAnswer::Continue)
        return false;
    if (!QFile::remove(record)) {
        error = fileWriteError(record, QStringLiteral("the commit record stays"));
        return false;
    }
    syncFolder(record);
    return askHook(CommitStep::RecordRemoved, 0, error) == CommitHookAnswer::Continue;
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
                ? QStringLiteral("the data could not be written")
                : device.errorString();
            error = fileWriteError(fileName, reason);
            return false;
        }
        written += n;
    }
    return true;
}

bool writeFilesSafely(const QList<FileContent> &files, QString &error)
{
    if (files.isEmpty())
        return true;
    QSet<QString> targets;
    for (const FileContent &file : files) {
        const QString target = QFileInfo(file.fileName).absoluteFilePath();
        if (targets.contains(target)) {
            error = fileWriteError(file.fileName, QStringLiteral("it is named twice in one save"));
            return false;
        }
        targets.insert(target);
    }
    const QString record = commitRecordName(files.first().fileName);
    // An earlier write that was cut short is finished first, so its files cannot mix with these.
    if (!finishInterruptedWrite(files.first().fileName, {}, error))
        return false;

    QList<CommitEntry> entries;
    const auto discard = [&] {
        for (const FileContent &file : files)
            QFile::remove(temporaryFileName(file.fileName));
        QFile::remove(temporaryFileName(record));
        return false;
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        const FileContent &file = files[i];
        // A rename onto a folder would fail after the commit point: refused before it.
        if (QFileInfo(file.fileName).isDir()) {
            error = fileWriteError(file.fileName, QStringLiteral("it is a folder"));
            return discard();
        }
        if (!writeDurably(temporaryFileName(file.fileName), file.bytes, file.fileName, error))
            return discard();
        entries.append({file.fileName, file.bytes.size(), checksum(file.bytes)});
        const CommitHookAnswer answer = askHook(CommitStep::TemporaryWritten, int(i), error);
        if (answer == CommitHookAnswer::Fail)
            return discard();
        if (answer == CommitHookAnswer::Stop)
            return false;
    }

    // The commit point: once the record is in place, the new files are the match.
    if (!writeDurably(temporaryFileName(record), recordBytes(record, entries), record, error))
        return discard();
    if (!renameFile(temporaryFileName(record), record, error))
        return discard();
    syncFolder(record);
    switch (askHook(CommitStep::RecordWritten, 0, error)) {
    case CommitHookAnswer::Fail:
        // As a crash here would: the next load or write carries the commit out.
        return false;
    case CommitHookAnswer::Stop: return false;
    case CommitHookAnswer::Continue: break;
    }
    return carryOut(record, entries, error);
}

bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error)
{
    return writeFilesSafely({FileContent{fileName, bytes}}, error);
}

QString commitRecordName(const QString &firstFileName)
{
    return firstFileName + QStringLiteral(".commit");
}

QString temporaryFileName(const QString &fileName)
{
    return fileName + QStringLiteral(".part");
}

bool finishInterruptedWrite(
    const QString &firstFileName, const QStringList &ownFiles, QString &error)
{
    const QString record = commitRecordName(firstFileName);
    // A record still under its temporary name was never committed.
    QFile::remove(temporaryFileName(record));
    if (QFileInfo::exists(record)) {
        std::optional<QList<CommitEntry>> entries = readRecord(record);
        if (entries && allComplete(*entries)) {
            if (!carryOut(record, *entries, error))
                return false;
        } else {
            if (entries && anyAlreadyRenamed(*entries)) {
                error = fileReadError(firstFileName,
                    QStringLiteral("an interrupted save left files that do not belong "
                                   "together; remove %1 to open the files as they are")
                        .arg(QDir::toNativeSeparators(record)));
                return false;
            }
            if (entries)
                for (const CommitEntry &entry : *entries)
                    QFile::remove(temporaryFileName(entry.fileName));
            QFile::remove(record);
            syncFolder(record);
        }
    }
    for (const QString &file : ownFiles)
        QFile::remove(temporaryFileName(file));
    return true;
}

void setCommitHook(CommitHook hook)
{
    commitHook() = std::move(hook);
}

bool readWholeFile(const QString &fileName, qint64 maxBytes, QByteArray *bytes, QString &error)
{
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
    QFile file(fileName);
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
