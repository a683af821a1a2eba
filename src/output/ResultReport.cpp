#include "output/ResultReport.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"

#include <QCoreApplication>

#include <span>

namespace marvola {

namespace {

constexpr double ListLeft = 0.2;
constexpr double TitleY = 0.6;
constexpr double HeaderY = 0.4;
constexpr double HeaderTimeX = 6.9;
// A page holds lines up to 65 before a row; the test is "greater than 65".
constexpr int LastLineBeforeBreak = 65;
constexpr int TeamBlockLines = 5;

struct Column
{
    double left;
    double width;
    Align align;
    const char *heading;
};

// Discipline lists: the first column holds the class headings, 0.5 in wide in the rifle lists so
// that "Master" fits.
constexpr double RifleClassColumnWidth = 0.5;
constexpr std::array<Column, 17> DisciplineColumns = {{
    {0.2, 0.2, Align::Left, ""},
    {0.2, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos.")},
    {1.0, 1.5, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Name")},
    {2.5, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club")},
    {3.1, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Chicken")},
    {3.7, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pig")},
    {4.1, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Turkey")},
    {4.5, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Ram")},
    {4.9, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Total")},
    {5.3, 0.2, Align::Right, "f1"},
    {5.5, 0.2, Align::Right, "f2"},
    {5.7, 0.2, Align::Right, "f3"},
    {5.9, 0.2, Align::Right, "f4"},
    {6.1, 0.2, Align::Right, "f5"},
    {6.3, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Ase")},
    {6.8, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Malli")},
    {7.4, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Kaliiperi")},
}};

// What an aggregate column prints from its row.
enum class AggrValue {
    Empty,
    Sijoitus,
    Nimi,
    Seura,
    Laji,
    PC,
    Yhteensa,
    Kana,
    Sika,
    Kalkkuna,
    Passi
};

struct AggrColumn
{
    Column column;
    AggrValue value;
    Laji d = BBPR; // Laji: the discipline; PC: the P discipline
    Laji c = BBPR; // PC: the C discipline, counted when the row's C flag is set
};

constexpr AggrColumn EmptyColumn = {{0.2, 0.2, Align::Left, ""}, AggrValue::Empty};
constexpr AggrColumn PosColumn
    = {{0.2, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos.")}, AggrValue::Sijoitus};
constexpr AggrColumn NameColumn
    = {{1.0, 1.5, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Name")}, AggrValue::Nimi};

constexpr AggrColumn col(double left, double width, Align align, const char *heading,
    AggrValue value, Laji d = BBPR, Laji c = BBPR)
{
    return {{left, width, align, heading}, value, d, c};
}

// FP, SBR and BBR: two discipline columns; the rifle aggregates centre columns 5 to 11.
constexpr std::array<AggrColumn, 11> pairAggregate(Laji first, Laji second, Align figures,
    const char *first_heading, const char *second_heading, const char *ramHeading)
{
    return {{
        EmptyColumn,
        PosColumn,
        NameColumn,
        col(2.5, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club"), AggrValue::Seura),
        col(3.1, 0.5, figures, first_heading, AggrValue::Laji, first),
        col(3.7, 0.5, figures, second_heading, AggrValue::Laji, second),
        col(4.5, 0.3, figures, QT_TRANSLATE_NOOP("ListColumns", "Total"), AggrValue::Yhteensa),
        col(4.9, 0.3, figures, QT_TRANSLATE_NOOP("ListColumns", "Chicken"), AggrValue::Kana),
        col(5.3, 0.3, figures, QT_TRANSLATE_NOOP("ListColumns", "Pig"), AggrValue::Sika),
        col(5.7, 0.3, figures, QT_TRANSLATE_NOOP("ListColumns", "Turkey"), AggrValue::Kalkkuna),
        col(6.1, 0.3, figures, ramHeading, AggrValue::Passi),
    }};
}

// BBP and SBP: the P/C column shows the discipline the competitor chose.
constexpr std::array<AggrColumn, 13> pistolAggregate(Laji r, Laji c, Laji p, Laji s, Laji u)
{
    return {{
        EmptyColumn,
        PosColumn,
        NameColumn,
        col(2.8, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club"), AggrValue::Seura),
        col(3.8, 0.3, Align::Right, "P/C", AggrValue::PC, p, c),
        col(4.2, 0.3, Align::Right, "R", AggrValue::Laji, r),
        col(4.5, 0.3, Align::Right, "S", AggrValue::Laji, s),
        col(4.9, 0.3, Align::Right, "U", AggrValue::Laji, u),
        col(5.3, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Total"), AggrValue::Yhteensa),
        col(5.7, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Chicken"), AggrValue::Kana),
        col(6.1, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pig"), AggrValue::Sika),
        col(6.5, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Turkey"),
            AggrValue::Kalkkuna),
        col(6.9, 0.3, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Passi"), AggrValue::Passi),
    }};
}

constexpr auto FpAggrColumns = pairAggregate(
    FPP, FPPAS, Align::Right, "FPP", "FPPAS", QT_TRANSLATE_NOOP("ListColumns", "Passi"));
constexpr auto SbrAggrColumns = pairAggregate(
    SBRL, SBRS, Align::Center, "SBRL", "SBRS", QT_TRANSLATE_NOOP("ListColumns", "Ram"));
constexpr auto BbrAggrColumns = pairAggregate(
    BBRH, BBRS, Align::Center, "BBRH", "BBRS", QT_TRANSLATE_NOOP("ListColumns", "Ram"));
constexpr auto BbpAggrColumns = pistolAggregate(BBPR, BBPC, BBPP, BBPS, BBPU);
constexpr auto SbpAggrColumns = pistolAggregate(SBPR, SBPC, SBPP, SBPS, SBPU);
constexpr std::array<AggrColumn, 13> StandingAggrColumns = {{
    EmptyColumn,
    PosColumn,
    NameColumn,
    col(2.8, 0.5, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Club"), AggrValue::Seura),
    col(3.5, 0.3, Align::Center, "BBPS", AggrValue::Laji, BBPS),
    col(3.9, 0.3, Align::Center, "SBPS", AggrValue::Laji, SBPS),
    col(4.4, 0.3, Align::Center, "FPP", AggrValue::Laji, FPP),
    col(4.7, 0.5, Align::Center, "FPPAS", AggrValue::Laji, FPPAS),
    col(5.3, 0.3, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Total"), AggrValue::Yhteensa),
    col(5.7, 0.3, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Chicken"), AggrValue::Kana),
    col(6.1, 0.3, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Pig"), AggrValue::Sika),
    col(6.5, 0.3, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Turkey"), AggrValue::Kalkkuna),
    col(6.8, 0.5, Align::Center, QT_TRANSLATE_NOOP("ListColumns", "Ram"), AggrValue::Passi),
}};

std::span<const AggrColumn> aggregateColumns(Aggregate a)
{
    switch (a) {
    case Aggregate::BBP: return BbpAggrColumns;
    case Aggregate::FP: return FpAggrColumns;
    case Aggregate::SBP: return SbpAggrColumns;
    case Aggregate::Standing: return StandingAggrColumns;
    case Aggregate::SBR: return SbrAggrColumns;
    case Aggregate::BBR: return BbrAggrColumns;
    }
    return {};
}

// Team lists: the headings of the member figures and the figures they show, by the captions
// the standings keep them under.
struct TeamLayout
{
    int figureCount;
    std::array<const char *, 4> headings;
    std::array<const char *, 4> figures;
};

const TeamLayout &teamLayout(TeamGroup g)
{
    static const std::array<TeamLayout, TeamGroupCount> layouts = {{
        {4, {"P/C", "R", "S", "U"}, {"BBPPC", "BBPR", "BBPS", "BBPU"}},
        {4, {"P/C", "R", "S", "U"}, {"SBPPC", "SBPR", "SBPS", "SBPU"}},
        {2, {"FPP", "FPPAS"}, {"FPP", "FPPAS"}},
        {2, {"SBRL", "SBRS"}, {"SBRL", "SBRS"}},
        {2, {"BBRH", "BBRS"}, {"BBRH", "BBRS"}},
        {4, {"BBPS", "SBPS", "FPP", "FPPAS"}, {"BBPS", "SBPS", "FPP", "FPPAS"}},
    }};
    return layouts.at(static_cast<size_t>(ix(g)));
}

// Pos., Team and the member names, then the figure columns.
constexpr std::array<Column, 3> TeamNameColumns = {{
    {0.2, 0.2, Align::Right, QT_TRANSLATE_NOOP("ListColumns", "Pos.")},
    {1.0, 1.0, Align::Left, QT_TRANSLATE_NOOP("ListColumns", "Team")},
    {2.0, 1.5, Align::Left, ""},
}};
constexpr std::array<double, 9> WideTeamLefts = {3.5, 3.9, 4.3, 4.7, 5.1, 5.5, 5.9, 6.3, 6.7};
constexpr std::array<double, 9> WideTeamWidths = {0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3};
constexpr std::array<double, 7> NarrowTeamLefts = {3.5, 4.0, 4.5, 5.0, 5.5, 6.0, 6.5};
constexpr std::array<double, 7> NarrowTeamWidths = {0.4, 0.5, 0.4, 0.4, 0.4, 0.4, 0.4};
constexpr std::array<const char *, 5> TeamSumHeadings = {QT_TRANSLATE_NOOP("ListColumns", "Total"),
    QT_TRANSLATE_NOOP("ListColumns", "Chicken"), QT_TRANSLATE_NOOP("ListColumns", "Pig"),
    QT_TRANSLATE_NOOP("ListColumns", "Turkey"), QT_TRANSLATE_NOOP("ListColumns", "Ram")};

QList<Column> teamColumns(const TeamLayout &layout)
{
    QList<Column> columns(TeamNameColumns.begin(), TeamNameColumns.end());
    const bool wide = layout.figureCount == 4;
    const double *lefts = wide ? WideTeamLefts.data() : NarrowTeamLefts.data();
    const double *widths = wide ? WideTeamWidths.data() : NarrowTeamWidths.data();
    for (int i = 0; i < layout.figureCount + 5; ++i) {
        const char *heading = i < layout.figureCount
            ? layout.headings.at(static_cast<size_t>(i))
            : TeamSumHeadings.at(static_cast<size_t>(i - layout.figureCount));
        columns << Column{lefts[i], widths[i], Align::Center, heading};
    }
    return columns;
}

// The rule under the members' figures: blanks up to the figure columns, then hyphens.
QString teamRule()
{
    return QString(85, QLatin1Char(' ')) + QString(84, QLatin1Char('-'));
}

QString num(std::int64_t value)
{
    return QString::number(value);
}

void printBold(ReportCanvas &canvas, const QString &text)
{
    canvas.setBold(true);
    canvas.printTab(text);
    canvas.setBold(false);
}

// The page-break test before a row or block. Besides the line count, a row or block that would
// run below the page's printable area starts the new page first, so no printed line is lost.
void pageBreakTest(ReportCanvas &canvas, int lines)
{
    if (canvas.lineNum() > LastLineBeforeBreak || canvas.linesLeft() < lines)
        canvas.newPage();
}

// Title, two lines down, the columns and their headings.
void beginList(ReportCanvas &canvas, const QString &title, const QList<Column> &columns)
{
    canvas.gotoXY(ListLeft, TitleY);
    canvas.print(title);
    canvas.newLine();
    canvas.newLine();
    canvas.clearTabs();
    for (const Column &column : columns)
        canvas.addTab(column.left, column.align, column.width);
    for (const Column &column : columns)
        canvas.printTab(QCoreApplication::translate("ListColumns", column.heading));
}

void printDisciplineRow(ReportCanvas &canvas, const TTulosRivi &row)
{
    canvas.newLine();
    canvas.printTab(QString());
    canvas.printTab(num(row.Sijoitus));
    canvas.printTab(row.Nimi.text());
    canvas.printTab(row.Seura.text());
    canvas.printTab(num(row.Kana));
    canvas.printTab(num(row.Sika));
    canvas.printTab(num(row.Kalkkuna));
    canvas.printTab(num(row.Passi));
    printBold(canvas, num(row.Yhteensa));
    for (const Str2 &entry : row.f)
        canvas.printTab(entry.text());
    canvas.printTab(row.Ase.text());
    canvas.printTab(row.Malli.text());
    canvas.printTab(row.Kaliiperi.text());
}

QString aggregateValue(const AggrColumn &column, const TAggrKilpailija &row)
{
    switch (column.value) {
    case AggrValue::Empty: return {};
    case AggrValue::Sijoitus: return num(row.Sijoitus);
    case AggrValue::Nimi: return row.Nimi.text();
    case AggrValue::Seura: return row.Seura;
    case AggrValue::Laji: return num(row.Lajit.at(column.d));
    case AggrValue::PC: return num(row.Lajit.at(row.CAggr ? column.c : column.d));
    case AggrValue::Yhteensa: return num(row.Yhteensa);
    case AggrValue::Kana: return num(row.Kana);
    case AggrValue::Sika: return num(row.Sika);
    case AggrValue::Kalkkuna: return num(row.Kalkkuna);
    case AggrValue::Passi: return num(row.Passi);
    }
    return {};
}

// Where each printed figure of a team group is kept in the standings row.
QList<int> teamFigureIndexes(TeamGroup g, const TeamLayout &layout)
{
    const QStringList kept = teamFigureColumns(g);
    QList<int> indexes;
    for (int i = 0; i < layout.figureCount; ++i)
        indexes << static_cast<int>(
            kept.indexOf(QLatin1String(layout.figures.at(static_cast<size_t>(i)))));
    return indexes;
}

Sum figure(const TJoukkueTulos &row, int index, int member)
{
    if (index < 0)
        return 0;
    return row.Lajit.at(static_cast<size_t>(index)).at(static_cast<size_t>(member));
}

void printMemberLine(
    ReportCanvas &canvas, const TJoukkueTulos &row, const QList<int> &figures, int member)
{
    const auto m = static_cast<size_t>(member);
    canvas.printTab(row.Kilpailija.at(m).text());
    for (int index : figures)
        canvas.printTab(num(figure(row, index, member)));
    printBold(canvas, num(row.Yhteensa.at(m)));
    canvas.printTab(num(row.Kana.at(m)));
    canvas.printTab(num(row.Sika.at(m)));
    canvas.printTab(num(row.Kalkkuna.at(m)));
    canvas.printTab(num(row.Passi.at(m)));
}

Sum memberSum(const std::array<Sum, 4> &values)
{
    return values[0] + values[1] + values[2];
}

void printTeamSums(ReportCanvas &canvas, const TJoukkueTulos &row, const QList<int> &figures)
{
    for (int i = 0; i < 3; ++i)
        canvas.printTab(QString());
    for (int index : figures)
        canvas.printTab(num(figure(row, index, 0) + figure(row, index, 1) + figure(row, index, 2)));
    printBold(canvas, num(row.Yhteensa[3]));
    canvas.printTab(num(memberSum(row.Kana)));
    canvas.printTab(num(memberSum(row.Sika)));
    canvas.printTab(num(memberSum(row.Kalkkuna)));
    canvas.printTab(num(memberSum(row.Passi)));
}

QString headerDateTime(const QDateTime &now)
{
    const QDate date = now.date();
    const QTime time = now.time();
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(date.day())
        .arg(date.month())
        .arg(date.year())
        .arg(time.hour())
        .arg(time.minute())
        .arg(time.second());
}

} // namespace

ResultReport::ResultReport(
    const TKilpailunTiedot &tiedot, const Tulokset &tulokset, PrintSelection selection, Clock clock)
    : m_tiedot(tiedot)
    , m_tulokset(tulokset)
    , m_selection(selection)
    , m_clock(clock ? std::move(clock) : Clock(&QDateTime::currentDateTime))
{ }

void ResultReport::setListProgress(std::function<void(int, int)> progress)
{
    m_listProgress = std::move(progress);
}

ReportCallbacks ResultReport::callbacks()
{
    const QString match
        = QStringList{m_tiedot.Seura, m_tiedot.Paikka}.join(QLatin1Char(' ')).simplified();
    return {[this](ReportCanvas &canvas) { printPageHeader(canvas); },
        [this](ReportCanvas &canvas) { printBody(canvas); },
        match.isEmpty() ? QCoreApplication::translate("ResultReport", "Results")
                        : QCoreApplication::translate("ResultReport", "Results %1").arg(match)};
}

void ResultReport::printPageHeader(ReportCanvas &canvas)
{
    canvas.setFont(QStringLiteral("Arial"), 10);
    canvas.newLine();
    canvas.gotoXY(ListLeft, HeaderY);
    canvas.print(m_tiedot.Seura + QLatin1Char(' ') + m_tiedot.Paikka + QLatin1Char(' ')
        + formatMatchDate(m_tiedot.Alkupvm) + QLatin1String(" - ")
        + formatMatchDate(m_tiedot.LoppuPvm));
    const QDateTime now = m_clock();
    canvas.gotoXY(HeaderTimeX, HeaderY);
    canvas.print(headerDateTime(now));
}

void ResultReport::printBody(ReportCanvas &canvas)
{
    printCheckedLists(canvas);
}

void ResultReport::printCheckedLists(ReportCanvas &canvas)
{
    const int total = static_cast<int>(m_selection.count());
    int done = 0;
    for (size_t i = 0; i < PrintLists.size(); ++i) {
        if (!m_selection.test(i))
            continue;
        // Each list starts a page; the last one ends the print without an empty sheet.
        if (done > 0)
            canvas.newPage();
        const PrintList &list = PrintLists[i];
        switch (list.kind) {
        case ListKind::Discipline: printDisciplineList(canvas, list.which); break;
        case ListKind::Aggregate:
            printAggregateList(canvas, static_cast<Aggregate>(list.which));
            break;
        case ListKind::Team: printTeamList(canvas, static_cast<TeamGroup>(list.which)); break;
        }
        ++done;
        if (m_listProgress)
            m_listProgress(done, total);
    }
}

void ResultReport::printDisciplineList(ReportCanvas &canvas, int d)
{
    QList<Column> columns(DisciplineColumns.begin(), DisciplineColumns.end());
    if (discipline(d).isRifle)
        columns[0].width = RifleClassColumnWidth;
    beginList(canvas, QCoreApplication::translate("Disciplines", discipline(d).title), columns);

    const TulosTaulukko &table = m_tulokset.laji(d);
    for (int r = 1; r <= 3; ++r) {
        if (table[r].Nimi.isEmpty())
            continue;
        if (canvas.linesLeft() < 1)
            canvas.newPage();
        printDisciplineRow(canvas, table[r]);
    }
    for (const QString &luokka : classSections(d)) {
        if (canvas.linesLeft() < 1)
            canvas.newPage();
        canvas.newLine();
        // In the FPP list the headings after "Int" move to the next page instead of staying
        // alone at its foot. They go under the page header, not onto its line over the club.
        if (d == FPP && luokka != Luokat::Int && canvas.lineNum() > LastLineBeforeBreak) {
            canvas.newPage();
            canvas.newLine();
        }
        canvas.printTab(luokka);
        for (int r = 4; r <= TulosTaulukko::LastRankedRow; ++r) {
            if (!(table[r].Luokka == luokka))
                continue;
            pageBreakTest(canvas, 1);
            printDisciplineRow(canvas, table[r]);
        }
    }
}

void ResultReport::printAggregateList(ReportCanvas &canvas, Aggregate a)
{
    const std::span<const AggrColumn> layout = aggregateColumns(a);
    QList<Column> columns;
    for (const AggrColumn &column : layout)
        columns << column.column;
    beginList(canvas, QCoreApplication::translate("Disciplines", aggregateInfo(a).title), columns);

    const AggrTaulukko &table = m_tulokset.aggregate(a);
    const int last = table.lastNamedRow();
    for (int r = 1; r <= last; ++r) {
        const TAggrKilpailija &row = table[r];
        // Slot-indexed aggregates keep nameless rows between competitors; they leave no line.
        if (row.Nimi.isEmpty())
            continue;
        pageBreakTest(canvas, 1);
        canvas.newLine();
        for (const AggrColumn &column : layout) {
            if (column.value == AggrValue::Yhteensa)
                printBold(canvas, aggregateValue(column, row));
            else
                canvas.printTab(aggregateValue(column, row));
        }
    }
}

void ResultReport::printTeamList(ReportCanvas &canvas, TeamGroup g)
{
    const TeamLayout &layout = teamLayout(g);
    beginList(canvas, QCoreApplication::translate("Disciplines", teamGroupInfo(g).title),
        teamColumns(layout));
    const QList<int> figures = teamFigureIndexes(g, layout);

    const JoukkueTaulukko &table = m_tulokset.standings(g);
    for (int k = 1; k <= JoukkueTaulukko::LastRankedRow && !table[k].Nimi.isEmpty(); ++k) {
        const TJoukkueTulos &row = table[k];
        pageBreakTest(canvas, TeamBlockLines);
        canvas.newLine();
        printBold(canvas, num(row.Sijoitus));
        canvas.printTab(typedTeamName(row.Nimi));
        printMemberLine(canvas, row, figures, 0);
        for (int member = 1; member < 3; ++member) {
            canvas.newLine();
            canvas.printTab(QString());
            canvas.printTab(QString());
            printMemberLine(canvas, row, figures, member);
        }
        canvas.newLine();
        canvas.print(teamRule());
        canvas.newLine();
        printTeamSums(canvas, row, figures);
        canvas.newLine();
    }
}

} // namespace marvola
