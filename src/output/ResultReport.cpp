#include "output/ResultReport.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "output/ListStatusRules.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"

#include <QCoreApplication>

namespace marvola {

namespace {

constexpr double ListLeft = 0.2;
constexpr double TitleY = 0.6;
// The status line under a list's heading: as wide as the list's columns.
constexpr double StatusLineWidth = 7.0;
constexpr double HeaderY = 0.4;
constexpr double HeaderTimeX = 6.9;
// A page holds lines up to 65 before a row; the test is "greater than 65".
constexpr int LastLineBeforeBreak = 65;
constexpr int TeamBlockLines = 5;

// The rule under the members' figures: blanks up to the figure columns, then hyphens.
QString teamRule()
{
    return QString(85, QLatin1Char(' ')) + QString(84, QLatin1Char('-'));
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

// Title, two lines down, the printed columns and their headings. A list posted or declared
// official says so on the line between: the list keeps its lines and pages.
void beginList(ReportCanvas &canvas, const QString &title, const ListColumns &columns,
    const QString &statusLine)
{
    canvas.gotoXY(ListLeft, TitleY);
    canvas.print(title);
    canvas.newLine();
    if (!statusLine.isEmpty()) {
        canvas.clearTabs();
        canvas.addTab(ListLeft, Align::Left, StatusLineWidth);
        canvas.printTab(statusLine);
    }
    canvas.newLine();
    canvas.clearTabs();
    for (const ListColumn &column : columns)
        canvas.addTab(column.printed.left, column.printed.align, column.printed.width);
    for (const ListColumn &column : columns)
        canvas.printTab(QCoreApplication::translate("ListColumns", column.printed.heading));
}

// One printed line: each column's text, a bold column's in bold.
template<typename Text> void printCells(ReportCanvas &canvas, const ListColumns &columns, Text text)
{
    for (const ListColumn &column : columns) {
        const QString cell = text(column);
        if (column.printed.bold && !cell.isEmpty())
            printBold(canvas, cell);
        else
            canvas.printTab(cell);
    }
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

void ResultReport::setRelayLists(const Kilpailu &match, RelayListSelection selection)
{
    m_match = &match;
    m_relayLists = selection;
}

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
    const RelayListSelection relayLists = m_match ? m_relayLists : RelayListSelection();
    const int total = static_cast<int>(m_selection.count() + relayLists.count());
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
    if (relayLists.none())
        return;
    const int nowMinute = m_clock().time().msecsSinceStartOfDay() / 60000;
    printRelayLists(canvas, *m_match, relayLists, nowMinute, done > 0, [&] {
        ++done;
        if (m_listProgress)
            m_listProgress(done, total);
    });
}

QString ResultReport::statusLineOf(ListKind kind, int which) const
{
    return listStatusLine(m_status.value(printListCaption(kind, which)));
}

void ResultReport::printDisciplineList(ReportCanvas &canvas, int d)
{
    const ListColumns columns = printedColumns(disciplineListColumns(d));
    beginList(canvas, QCoreApplication::translate("Disciplines", discipline(d).title), columns,
        statusLineOf(ListKind::Discipline, d));

    const TulosTaulukko &table = m_tulokset.laji(d);
    for (const ListStep &step : disciplineListWalk(table, classSections(d))) {
        if (step.isHeading()) {
            if (canvas.linesLeft() < 1)
                canvas.newPage();
            canvas.newLine();
            // In the FPP list the headings after "Int" move to the next page instead of staying
            // alone at its foot. They go under the page header, not onto its line over the club.
            if (d == FPP && step.section != Luokat::Int && canvas.lineNum() > LastLineBeforeBreak) {
                canvas.newPage();
                canvas.newLine();
            }
            canvas.printTab(step.section);
            continue;
        }
        if (step.section.isEmpty()) {
            if (canvas.linesLeft() < 1)
                canvas.newPage();
        } else {
            pageBreakTest(canvas, 1);
        }
        canvas.newLine();
        printCells(canvas, columns, [&](const ListColumn &column) {
            return cellText(column, table[step.row], ListOutput::Printed);
        });
    }
}

void ResultReport::printAggregateList(ReportCanvas &canvas, Aggregate a)
{
    const ListColumns columns = printedColumns(aggregateListColumns(a));
    beginList(canvas, QCoreApplication::translate("Disciplines", aggregateInfo(a).title), columns,
        statusLineOf(ListKind::Aggregate, static_cast<int>(a)));

    const AggrTaulukko &table = m_tulokset.aggregate(a);
    for (int r : aggregateListRows(table)) {
        pageBreakTest(canvas, 1);
        canvas.newLine();
        printCells(canvas, columns, [&](const ListColumn &column) {
            return cellText(column, table[r], ListOutput::Printed);
        });
    }
}

// Each team: its members' lines, a rule, and the team's sums.
void ResultReport::printTeamList(ReportCanvas &canvas, TeamGroup g)
{
    const ListColumns columns = printedColumns(teamListColumns(g));
    beginList(canvas, QCoreApplication::translate("Disciplines", teamGroupInfo(g).title), columns,
        statusLineOf(ListKind::Team, static_cast<int>(g)));

    const JoukkueTaulukko &table = m_tulokset.standings(g);
    for (int k : teamListRows(table)) {
        pageBreakTest(canvas, TeamBlockLines);
        for (int member = 0; member < 4; ++member) {
            if (member == 3) {
                canvas.newLine();
                canvas.print(teamRule());
            }
            canvas.newLine();
            printCells(canvas, columns, [&](const ListColumn &column) {
                return cellText(column, table[k], member, ListOutput::Printed);
            });
        }
        canvas.newLine();
    }
}

} // namespace marvola
