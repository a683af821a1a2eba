// Safe file writing and the Windows-1252 text files of the program.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

namespace marvola {

struct FileContent
{
    QString fileName;
    QByteArray bytes;
};

// Every file the program writes goes through here. Each file is written to a temporary file
// beside it; only when all of them were written completely are they moved into place, so a failed
// save leaves the old files as they were. On failure the error reads "Cannot write FILE: reason".
bool writeFilesSafely(const QList<FileContent> &files, QString &error);
bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString &error);

// Writes all bytes to an open device; on failure sets "Cannot write FILE: reason".
bool writeAllTo(
    QIODevice &device, const QByteArray &bytes, const QString &fileName, QString &error);

// The messages of a failed read or write, naming the file.
QString fileReadError(const QString &fileName, const QString &reason);
QString fileWriteError(const QString &fileName, const QString &reason);

// Reads a whole file; on failure sets "Cannot read FILE: reason".
bool readWholeFile(const QString &fileName, QByteArray *bytes, QString &error);

// Text files: Windows-1252, every line ended by CR LF, no byte-order mark.
QByteArray textFileBytes(const QStringList &lines);
// Lines ended by CR LF or LF; a last line without an ending counts too.
QStringList textFileLines(const QByteArray &bytes);

} // namespace marvola
