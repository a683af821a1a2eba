#include "files/SafeFile.h"

#include "model/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace marvola {

namespace {

void setError(QString &error, const QString &message)
{
    error = message;
}

// Qt's own text where it has one; some failures of QSaveFile leave only "Unknown error".
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
            setError(error, fileWriteError(fileName, reason));
            return false;
        }
        written += n;
    }
    return true;
}

bool writeFilesSafely(const QList<FileContent> &files, QString &error)
{
    // Uncommitted save files are discarded when destroyed, leaving the old files in place.
    std::vector<std::unique_ptr<QSaveFile>> pending;
    for (const FileContent &file : files) {
        auto saveFile = std::make_unique<QSaveFile>(file.fileName);
        if (!saveFile->open(QIODevice::WriteOnly)) {
            setError(
                error, fileWriteError(file.fileName, writeFailureReason(file.fileName, *saveFile)));
            return false;
        }
        if (!writeAllTo(*saveFile, file.bytes, file.fileName, error))
            return false;
        pending.push_back(std::move(saveFile));
    }
    for (const auto &saveFile : pending) {
        if (!saveFile->commit()) {
            setError(error,
                fileWriteError(
                    saveFile->fileName(), writeFailureReason(saveFile->fileName(), *saveFile)));
            return false;
        }
    }
    return true;
}

bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error)
{
    return writeFilesSafely({FileContent{fileName, bytes}}, error);
}

bool readWholeFile(const QString &fileName, QByteArray *bytes, QString &error)
{
    if (QFileInfo(fileName).isDir()) {
        setError(error, fileReadError(fileName, QStringLiteral("it is a folder")));
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, fileReadError(fileName, file.errorString()));
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, fileReadError(fileName, file.errorString()));
        return false;
    }
    return true;
}

QByteArray textFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toCp1252(line) + "\r\n";
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
