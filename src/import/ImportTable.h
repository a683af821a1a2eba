// A file of competitors read as a table: its heading row and its data rows, each with the line of
// the file (CSV) or the sheet's row number (XLSX) it came from.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace marvola {

struct ImportTable
{
    struct Row
    {
        int line = 0;
        QStringList cells;
    };
    QStringList headings;
    QList<Row> rows;
};

// What an import reads at most: a competitor list of a full match is well under a megabyte.
namespace ImportLimits {
constexpr qint64 FileBytes = 16 * 1024 * 1024;
constexpr int Rows = 20000;
constexpr int Columns = 1024;
constexpr int CellChars = 4096;
// An XLSX part (a sheet, the shared strings, the styles) is read up to this many bytes unpacked.
constexpr qint64 UnpackedBytes = 32 * 1024 * 1024;
} // namespace ImportLimits

// A CSV file: separator (; , or tab) and encoding (UTF-8 with or without a byte order mark, or
// Windows-1252) found by itself. Nothing, with the error, for what is no table of text.
std::optional<ImportTable> readCsv(const QByteArray &bytes, QString &error);

// The file as CSV or XLSX (told by its content); sheet names an XLSX sheet, empty for the first.
std::optional<ImportTable> readImportFile(
    const QString &fileName, const QString &sheet, QString &error);

} // namespace marvola
