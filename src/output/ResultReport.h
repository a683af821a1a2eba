// The printed report: the page header, the 28 result lists and the relay lists laid out on a
// report canvas.
#pragma once

#include "model/ListStatus.h"
#include "output/PrintLists.h"
#include "output/RelayLists.h"
#include "output/ReportCanvas.h"

#include <QDateTime>

#include <functional>

namespace marvola {

struct Kilpailu;
struct TKilpailunTiedot;
struct Tulokset;

// The lists print what the last refresh left in the tables; the team lists write each listed
// team's running number into its standings row.
class ResultReport
{
public:
    using Clock = std::function<QDateTime()>;

    ResultReport(const TKilpailunTiedot &tiedot, const Tulokset &tulokset, PrintSelection selection,
        Clock clock = {});

    // The lists' status, printed under each list's heading; none by default.
    void setListStatus(const ListStatuses &status) { m_status = status; }
    // The relay lists to print after the result lists, from this match (read when printing).
    void setRelayLists(const Kilpailu &match, RelayListSelection selection);

    // Called with the number of checked lists done and their count, while the body runs.
    void setListProgress(std::function<void(int done, int total)> progress);

    // The page header: club, place and dates on the left, the time of printing on the right.
    void printPageHeader(ReportCanvas &canvas);
    // The body: runs printCheckedLists once.
    void printBody(ReportCanvas &canvas);
    // Every checked list in the fixed order, each followed by a new page.
    void printCheckedLists(ReportCanvas &canvas);

    // The two callbacks, bound to this report.
    ReportCallbacks callbacks();

private:
    void printDisciplineList(ReportCanvas &canvas, int d);
    void printAggregateList(ReportCanvas &canvas, Aggregate a);
    void printTeamList(ReportCanvas &canvas, TeamGroup g);
    QString statusLineOf(ListKind kind, int which) const;

    const TKilpailunTiedot &m_tiedot;
    const Tulokset &m_tulokset;
    PrintSelection m_selection;
    const Kilpailu *m_match = nullptr;
    RelayListSelection m_relayLists;
    Clock m_clock;
    std::function<void(int, int)> m_listProgress;
    ListStatuses m_status;
};

} // namespace marvola
