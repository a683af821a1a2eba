// The competitor list as a file others read and the import reads back: CSV or XLSX, one row per
// competitor and entered discipline.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace marvola {

struct Kilpailu;

enum class CompetitorListFormat { Csv, Xlsx };

// The headings, in their order; the import recognises them.
QStringList competitorListHeadings();
// One row per competitor and entered discipline, in slot and discipline order; a competitor
// entered in nothing has one row with an empty discipline.
QList<QStringList> competitorListRows(const Kilpailu &kilpailu);

// UTF-8 with a byte order mark (so a spreadsheet reads the accents), fields separated by `;`,
// quoted when they hold `;`, `"` or a line break, lines ended by CR LF.
QByteArray competitorListCsv(const Kilpailu &kilpailu);
// The workbook's bytes: one sheet, the headings on the first row, every cell a text.
std::optional<QByteArray> competitorListXlsx(const Kilpailu &kilpailu, QString &error);

// The format a file name asks for by its suffix (.csv or .xlsx, any case); none for another.
std::optional<CompetitorListFormat> competitorListFormat(const QString &fileName);
// The list in memory, in the format the name asks for; nothing, with the error, for a name of
// another kind or a workbook that could not be made.
std::optional<QByteArray> competitorListFile(
    const Kilpailu &kilpailu, const QString &fileName, QString &error);

} // namespace marvola
