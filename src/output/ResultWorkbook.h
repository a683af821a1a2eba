// The results as a workbook for a spreadsheet: a sheet per printed list with the tab's rows, and
// the competitor list.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace marvola {

struct Kilpailu;
struct Tulokset;

// One cell: empty, a text (always written as text, whatever it starts with) or a figure.
struct WorkbookCell
{
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    QString text{};
    std::int64_t number = 0;

    // As the tab shows it.
    QString shown() const;
};

// A line of a sheet; a heading line (a list's title, a class section) carries its text in the
// first cell only.
struct WorkbookRow
{
    bool heading = false;
    std::vector<WorkbookCell> cells;
};

struct WorkbookSheet
{
    QString name; // as wanted; made a valid, unique sheet name when written
    QStringList headings; // the first row, frozen
    std::vector<WorkbookRow> rows;
};

// The competitor list, then every printed list in printing order, each under its caption: the
// discipline and aggregate lists with the lines of their tabs, the team lists with each team's
// members and sums as the live pages show them. Read from the tables as the last refresh left
// them; the headings in the program's language.
std::vector<WorkbookSheet> resultWorkbookSheets(const Kilpailu &kilpailu, const Tulokset &tulokset);

// A name a spreadsheet accepts for a sheet, unlike every name in taken (case ignored): the
// characters []:*?/\ and control characters become '_', apostrophes at either end go, at most 31
// characters, a number in parentheses added to a name already taken.
QString validSheetName(const QString &wanted, const QStringList &taken);

// The workbook's bytes: each sheet's headings in bold on the frozen first row, the columns as wide
// as their texts. Nothing, with the error, when it cannot be made.
std::optional<QByteArray> workbookXlsx(const std::vector<WorkbookSheet> &sheets, QString &error);
std::optional<QByteArray> resultWorkbookXlsx(
    const Kilpailu &kilpailu, const Tulokset &tulokset, QString &error);

} // namespace marvola
