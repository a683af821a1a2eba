// Every result list described once: its columns, with what each view of the list needs (the
// tab, the live pages, the printed list, the CSV file, the upload), and the walk of its rows.
#pragma once

#include "ranking/Tables.h"

#include <QByteArrayView>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace marvola {

enum class Align { Left, Right, Center };

// What a column shows of its row.
enum class ColumnValue {
    ListCode, // the list's discipline, aggregate or team group code
    Class, // a discipline row's class; the tab and the printed list show it as section headings
    Blank, // an aggregate list's first column: only the title heading of the tab
    Position,
    Name,
    Club,
    Nationality, // looked up in the register by name
    Kana,
    Sika,
    Kalkkuna,
    Passi,
    Total,
    Entry, // shoot-off entry `index` (0 for f1)
    Gun,
    Model,
    Caliber,
    DisciplineTotal, // an aggregate row's total of `discipline`
    ChosenTotal, // an aggregate's "P/C": the total of `discipline` (P) or `alternative` (C)
    TeamName,
    Member, // a team member's name
    TeamFigure, // a member's figure kept in the standings' column `index`, or the team's sum
};

// Where and how the printed list sets a column: inches from the page's left edge. The printed
// columns go left to right; two columns at the same left keep their order in the description.
struct PrintedColumn
{
    double left = 0;
    double width = 0;
    Align align = Align::Left;
    const char *heading = nullptr; // source text in the "ListColumns" context; null: not printed
    bool bold = false;
};

// One column of a list and what each output needs of it. A null caption or heading, or an
// empty CSV heading or upload column, leaves the column out of that output.
struct ListColumn
{
    ColumnValue value = ColumnValue::Blank;
    const char *caption = nullptr; // tab and live pages: source text in "ListColumns"
    bool optional = false; // live pages: gives way on a phone's narrow screen
    PrintedColumn printed{};
    QString csvHeading{}; // never translated
    int csvPlace = 0; // the column's place in the CSV line
    QString uploadColumn{}; // the results database's column, never translated
    int uploadPlace = 0; // the column's place among the list's uploaded columns
    int tabWidth = 62; // the tab's column, in pixels
    int index = 0; // Entry: which entry; TeamFigure: the standings' figure column
    Laji discipline = BBPR; // DisciplineTotal, ChosenTotal (P) and TeamFigure: the discipline
    Laji alternative = BBPR; // ChosenTotal and a team's P/C figure: the C discipline
};
using ListColumns = std::vector<ListColumn>;

// The descriptions, in the order of the tab and the live pages.
const ListColumns &disciplineListColumns(int d);
const ListColumns &aggregateListColumns(Aggregate a);
const ListColumns &teamListColumns(TeamGroup g);

// Each output's columns of a description, in that output's order.
QStringList tabCaptions(const ListColumns &columns); // the source texts
ListColumns printedColumns(const ListColumns &columns);
ListColumns csvColumns(const ListColumns &columns);
ListColumns uploadColumns(const ListColumns &columns);
QStringList csvHeadings(const ListColumns &columns);

// Whether a column holds text rather than figures (left-aligned, not summed).
bool isTextValue(ColumnValue value);
// Whether a column carries only the tab's headings (class sections, an aggregate's title).
bool isHeadingColumn(const ListColumn &column);
// Whether a column is the list's total, which the live pages set apart.
bool isTotalColumn(const ListColumn &column);

// The outputs that show a list. The tab and the live pages show the same texts; the printed list
// the same but for the P/C column of an aggregate (the tab shows the P discipline's total when
// the P choice is set, the printed list the C discipline's when the C choice is set; they differ
// for a row with both choices) and an empty shoot-off entry, which the tab shows as a blank.
enum class ListOutput { Tab, Printed, Csv, Upload };

// A row's value in one column as one output takes it: a figure, a text, or a record's text as
// the record stores it (Windows-1252), which the CSV file copies unchanged.
struct CellValue
{
    enum class Kind { Text, Stored, Number };
    Kind kind = Kind::Text;
    QString text{};
    QByteArrayView stored{}; // the row's own bytes: valid while the row is
    std::int64_t number = 0;
    bool bare = false; // the CSV file writes it without quotes

    // As a person reads it.
    QString toText() const;
    // As the upload binds it: a figure as int, a text never null (an empty text is sent as '').
    QVariant toVariant() const;
};

// A discipline row with what its columns read beside it.
struct DisciplineRow
{
    const TTulosRivi &row;
    QString section{}; // the walk's class section; empty among the overall first three
    QString listCode{}; // the discipline's code
    // Where Nationality looks the name up; only the upload shows it.
    const Kilpailijarekisteri *kilpailijat = nullptr;
};

struct AggregateRow
{
    const TAggrKilpailija &row;
    QString listCode{};
};

// member 0..2: a member's line; 3: the team's sums (shown, not exported). Position and name go
// on the first line only.
struct TeamRow
{
    const TJoukkueTulos &row;
    int member = 0;
    QString listCode{};
};

// Every value a list shows, chosen here once for each output that shows its column.
CellValue columnValue(const ListColumn &column, const DisciplineRow &row, ListOutput output);
CellValue columnValue(const ListColumn &column, const AggregateRow &row, ListOutput output);
CellValue columnValue(const ListColumn &column, const TeamRow &row, ListOutput output);

// A row's text in a column, as the tab, the live pages or the printed list show it.
QString cellText(const ListColumn &column, const TTulosRivi &row, ListOutput output);
QString cellText(const ListColumn &column, const TAggrKilpailija &row, ListOutput output);
QString cellText(const ListColumn &column, const TJoukkueTulos &row, int member, ListOutput output);
// A figure of an aggregate row as its discipline and P/C columns hold it (tab's choice rule).
std::int32_t aggregateFigure(const ListColumn &column, const TAggrKilpailija &row);

// The nationality of the first competitor in the register whose name equals the name exactly;
// empty when nobody has that name.
QString nationalityOf(const Kilpailijarekisteri &kilpailijat, const Str25 &nimi);

// One step of the walk of a discipline list: a row (table row number) of the overall first
// three or of a class section, or a class section's heading (row 0).
struct ListStep
{
    int row = 0;
    QString section; // the class of the section; empty among the overall first three
    bool isHeading() const { return row == 0; }
};
using ListSteps = std::vector<ListStep>;

// The overall first three, then each class section in the given order: its heading, then its
// rows from row 4 on in ranking order. Every output of a discipline list walks it.
ListSteps disciplineListWalk(const TulosTaulukko &table, const QStringList &sections);
// The rows of an aggregate list: the named rows in order (slot-indexed aggregates keep nameless
// rows between competitors).
std::vector<int> aggregateListRows(const AggrTaulukko &table);
// The rows of a team list: from the first row up to the first nameless one.
std::vector<int> teamListRows(const JoukkueTaulukko &table);

} // namespace marvola
