#include "output/ResultWorkbook.h"

#include "model/Registers.h"
#include "output/PrintLists.h"
#include "output/XlsxFile.h"
#include "ranking/ListColumns.h"
#include "ranking/Tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace marvola {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("ResultWorkbook", source);
}

// A spreadsheet counts a sheet name's characters as UTF-16 units.
constexpr qsizetype SheetNameLength = 31;
// A competitor entered in every discipline has the longest text of a sheet (the codes of all
// sixteen); beyond this width a column no longer helps the reader.
constexpr double WidestColumn = 100;

WorkbookCell textCell(const QString &value)
{
    // The tab shows an empty shoot-off entry as a blank; a sheet leaves the cell empty.
    if (value.trimmed().isEmpty())
        return {};
    // A control character read from a file would reach a spreadsheet as an escape code (or as
    // nothing it can show): a blank in its place reads the same everywhere.
    const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
    if (std::none_of(value.begin(), value.end(), isControl))
        return {.kind = WorkbookCell::Kind::Text, .text = value};
    QString shown = value;
    std::replace_if(shown.begin(), shown.end(), isControl, QLatin1Char(' '));
    return {.kind = WorkbookCell::Kind::Text, .text = shown};
}

WorkbookCell numberCell(std::int64_t value)
{
    return {.kind = WorkbookCell::Kind::Number, .number = value};
}

// A shoot-off entry is stored as typed; one that reads as a whole number the way the tab shows
// it is a figure, so a spreadsheet can add it up.
WorkbookCell entryCell(const QString &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok && QString::number(number) == value)
        return numberCell(number);
    return textCell(value);
}

WorkbookCell cellOf(const ListColumn &column, const CellValue &value)
{
    if (value.kind == CellValue::Kind::Number)
        return numberCell(value.number);
    if (column.value == ColumnValue::Entry)
        return entryCell(value.toText());
    return textCell(value.toText());
}

QStringList translatedCaptions(const ListColumns &columns)
{
    QStringList captions;
    for (const QString &caption : tabCaptions(columns))
        captions << QCoreApplication::translate("ListColumns", caption.toUtf8().constData());
    return captions;
}

WorkbookRow headingRow(const QString &heading)
{
    return {.heading = true, .cells = {textCell(heading)}};
}

// Every column the tab shows, in its order, read for the tab.
template<typename Row> WorkbookRow valuesRow(const ListColumns &columns, const Row &row)
{
    WorkbookRow line;
    for (const ListColumn &column : columns)
        if (column.caption)
            line.cells.push_back(cellOf(column, columnValue(column, row, ListOutput::Tab)));
    return line;
}

// The discipline's tab: its code, the overall first three, each class section's heading and rows.
WorkbookSheet disciplineSheet(const Tulokset &tulokset, int d)
{
    const ListColumns &columns = disciplineListColumns(d);
    WorkbookSheet sheet{.name = {}, .headings = translatedCaptions(columns), .rows = {}};
    sheet.rows.push_back(headingRow(disciplineCode(d)));
    const TulosTaulukko &table = tulokset.laji(d);
    for (const ListStep &step : disciplineListWalk(table, classSections(d))) {
        if (step.isHeading())
            sheet.rows.push_back(headingRow(step.section));
        else
            sheet.rows.push_back(
                valuesRow(columns, DisciplineRow{.row = table[step.row], .section = step.section}));
    }
    return sheet;
}

WorkbookSheet aggregateSheet(const Tulokset &tulokset, Aggregate a)
{
    const ListColumns &columns = aggregateListColumns(a);
    WorkbookSheet sheet{.name = {}, .headings = translatedCaptions(columns), .rows = {}};
    sheet.rows.push_back(headingRow(QString::fromLatin1(aggregateInfo(a).listTitle)));
    const AggrTaulukko &table = tulokset.aggregate(a);
    for (int r : aggregateListRows(table))
        sheet.rows.push_back(valuesRow(columns, AggregateRow{.row = table[r]}));
    return sheet;
}

// The standings have no tab: each team's three members and its sums, as the live pages show them.
WorkbookSheet teamSheet(const Tulokset &tulokset, TeamGroup g)
{
    const ListColumns &columns = teamListColumns(g);
    WorkbookSheet sheet{.name = {}, .headings = translatedCaptions(columns), .rows = {}};
    const JoukkueTaulukko &table = tulokset.standings(g);
    for (int k : teamListRows(table))
        for (int member = 0; member < 4; ++member)
            sheet.rows.push_back(valuesRow(columns, TeamRow{.row = table[k], .member = member}));
    return sheet;
}

WorkbookSheet listSheet(const Tulokset &tulokset, const PrintList &list)
{
    WorkbookSheet sheet;
    switch (list.kind) {
    case ListKind::Discipline: sheet = disciplineSheet(tulokset, list.which); break;
    case ListKind::Aggregate: sheet = aggregateSheet(tulokset, Aggregate(list.which)); break;
    case ListKind::Team: sheet = teamSheet(tulokset, TeamGroup(list.which)); break;
    }
    sheet.name = QString::fromLatin1(list.caption);
    return sheet;
}

// The codes of the entered disciplines, in the order the competitor list shows them.
QString enteredDisciplines(const TKilpailija &k)
{
    QStringList codes;
    for (Laji d : Orders::DisciplinesText)
        if (k.Osallistuu[d])
            codes << disciplineCode(d);
    return codes.join(QLatin1Char(' '));
}

// Every competitor by number, with the member number the four files have no room for.
WorkbookSheet competitorSheet(const Kilpailu &kilpailu)
{
    const auto listColumn
        = [](const char *caption) { return QCoreApplication::translate("ListColumns", caption); };
    WorkbookSheet sheet{.name = text("Competitors"),
        .headings = {listColumn("Nro"), listColumn("Competitor Name"), listColumn("Club"),
            listColumn("Nat."), text("Member number"), listColumn("Disciplines")},
        .rows = {}};
    std::vector<int> listed;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        // A removed competitor keeps its number but has no name: it is no longer listed.
        if (k.Numero != 0 && !k.Nimi.isEmpty())
            listed.push_back(slot);
    }
    std::stable_sort(listed.begin(), listed.end(), [&](int a, int b) {
        return kilpailu.kilpailijat[a].Numero < kilpailu.kilpailijat[b].Numero;
    });
    for (int slot : listed) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        sheet.rows.push_back({.heading = false,
            .cells = {numberCell(k.Numero), textCell(k.Nimi.text()), textCell(k.Seura.text()),
                textCell(k.Maa.text()), textCell(kilpailu.extras[slot].memberNumber),
                textCell(enteredDisciplines(k))}});
    }
    return sheet;
}

// A name cut to the length a sheet name may have, never inside a character or before an
// apostrophe that would end it.
QString cutSheetName(const QString &name, qsizetype length)
{
    QString cut = name.left(length);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    while (cut.endsWith(QLatin1Char('\'')))
        cut.chop(1);
    return cut;
}

bool isTakenName(const QString &name, const QStringList &taken)
{
    return std::any_of(taken.begin(), taken.end(),
        [&](const QString &t) { return t.compare(name, Qt::CaseInsensitive) == 0; });
}

// The columns' widths in a spreadsheet's units, about one a character, bold a little wider.
std::vector<double> columnWidths(const WorkbookSheet &sheet)
{
    std::vector<double> widths(static_cast<size_t>(sheet.headings.size()), 0);
    const auto fit = [&](size_t column, const QString &shown, double factor) {
        if (widths.size() <= column)
            widths.resize(column + 1, 0);
        widths[column] = std::max(widths[column], static_cast<double>(shown.size()) * factor);
    };
    for (qsizetype c = 0; c < sheet.headings.size(); ++c)
        fit(static_cast<size_t>(c), sheet.headings[c], 1.15);
    for (const WorkbookRow &row : sheet.rows)
        for (size_t c = 0; c < row.cells.size(); ++c)
            fit(c, row.cells[c].shown(), row.heading ? 1.15 : 1.0);
    for (double &width : widths)
        width = std::min(std::max(width, 2.0) + 2, WidestColumn);
    return widths;
}

lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const WorkbookCell &cell,
    lxw_format *format)
{
    switch (cell.kind) {
    case WorkbookCell::Kind::Empty: return LXW_NO_ERROR;
    case WorkbookCell::Kind::Number:
        return worksheet_write_number(sheet, row, column, static_cast<double>(cell.number), format);
    case WorkbookCell::Kind::Text: break;
    }
    // Always a string cell: a club typed as "=1+2" must never become a formula.
    return worksheet_write_string(sheet, row, column, cell.text.toUtf8().constData(), format);
}

// The first error of the sheet's cells, or none.
lxw_error writeSheet(lxw_worksheet *target, const WorkbookSheet &sheet, lxw_format *bold)
{
    lxw_error failed = LXW_NO_ERROR;
    const auto keep = [&failed](lxw_error error) {
        if (failed == LXW_NO_ERROR)
            failed = error;
    };
    for (qsizetype c = 0; c < sheet.headings.size(); ++c)
        keep(writeCell(target, 0, static_cast<lxw_col_t>(c), textCell(sheet.headings[c]), bold));
    lxw_row_t row = 1;
    for (const WorkbookRow &line : sheet.rows) {
        for (size_t c = 0; c < line.cells.size(); ++c)
            keep(writeCell(target, row, static_cast<lxw_col_t>(c), line.cells[c],
                line.heading ? bold : nullptr));
        ++row;
    }
    const std::vector<double> widths = columnWidths(sheet);
    for (size_t c = 0; c < widths.size(); ++c)
        keep(worksheet_set_column(
            target, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr));
    worksheet_freeze_panes(target, 1, 0);
    return failed;
}

} // namespace

QString WorkbookCell::shown() const
{
    switch (kind) {
    case Kind::Empty: return {};
    case Kind::Number: return QString::number(number);
    case Kind::Text: break;
    }
    return text;
}

std::vector<WorkbookSheet> resultWorkbookSheets(const Kilpailu &kilpailu, const Tulokset &tulokset)
{
    std::vector<WorkbookSheet> sheets{competitorSheet(kilpailu)};
    for (const PrintList &list : PrintLists)
        sheets.push_back(listSheet(tulokset, list));
    return sheets;
}

QString validSheetName(const QString &wanted, const QStringList &taken)
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    QString name;
    for (const QChar c : wanted)
        name
            += forbidden.contains(c) || c.category() == QChar::Other_Control ? QLatin1Char('_') : c;
    while (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    // A spreadsheet keeps "History" for itself.
    if (name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        name += QLatin1Char('_');
    name = cutSheetName(name, SheetNameLength);
    if (name.isEmpty())
        name = QStringLiteral("Sheet");
    QString candidate = name;
    for (int n = 2; isTakenName(candidate, taken); ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        candidate = cutSheetName(name, SheetNameLength - suffix.size()) + suffix;
    }
    return candidate;
}

std::optional<QByteArray> workbookXlsx(const std::vector<WorkbookSheet> &sheets, QString &error)
{
    return xlsxBytes(
        [&sheets](lxw_workbook *workbook) {
            lxw_format *bold = workbook_add_format(workbook);
            format_set_bold(bold);
            lxw_error failed = LXW_NO_ERROR;
            QStringList taken;
            for (const WorkbookSheet &sheet : sheets) {
                const QString name = validSheetName(sheet.name, taken);
                taken << name;
                lxw_worksheet *target = workbook_add_worksheet(workbook, name.toUtf8().constData());
                if (!target) {
                    failed = workbook_validate_sheet_name(workbook, name.toUtf8().constData());
                    if (failed == LXW_NO_ERROR)
                        failed = LXW_ERROR_MEMORY_MALLOC_FAILED;
                    break;
                }
                failed = writeSheet(target, sheet, bold);
                if (failed != LXW_NO_ERROR)
                    break;
            }
            return failed;
        },
        error);
}

std::optional<QByteArray> resultWorkbookXlsx(
    const Kilpailu &kilpailu, const Tulokset &tulokset, QString &error)
{
    return workbookXlsx(resultWorkbookSheets(kilpailu, tulokset), error);
}

} // namespace marvola
