#include "output/PrintLists.h"

#include <QCoreApplication>

#include <algorithm>

namespace marvola {

namespace {
enum Box : int { BoxBBP, BoxSBP, BoxFP, BoxSBR, BoxBBR, BoxStanding };

constexpr PrintList discipline(Laji d, const char *checkBox, const char *caption, Box box, int row)
{
    return {ListKind::Discipline, d, checkBox, caption, box, row};
}
constexpr PrintList aggregate(
    Aggregate a, const char *checkBox, const char *caption, Box box, int row)
{
    return {ListKind::Aggregate, static_cast<int>(a), checkBox, caption, box, row};
}
constexpr PrintList team(TeamGroup g, const char *checkBox, const char *caption, Box box, int row)
{
    return {ListKind::Team, static_cast<int>(g), checkBox, caption, box, row};
}
} // namespace

const std::array<PrintList, PrintListCount> PrintLists = {{
    discipline(FPP, "FPPListBox", "FPP", BoxFP, 0),
    discipline(FPPAS, "FPPASListBox", "FPPAS", BoxFP, 1),
    discipline(BBPP, "BBPPListBox", "BBPP", BoxBBP, 2),
    discipline(BBPR, "BBPRListBox", "BBPR", BoxBBP, 0),
    discipline(BBPS, "BBPSListBox", "BBPS", BoxBBP, 3),
    discipline(BBPU, "BBPUListBox", "BBPU", BoxBBP, 4),
    discipline(BBPC, "BBPCListBox", "BBPC", BoxBBP, 1),
    discipline(SBRL, "SBRLListBox", "SBRL", BoxSBR, 1),
    discipline(SBRS, "SBRSListBox", "SBRS", BoxSBR, 0),
    discipline(BBRH, "BBRHListBox", "BBRH", BoxBBR, 1),
    discipline(BBRS, "BBRSListBox", "BBRS", BoxBBR, 0),
    discipline(SBPP, "SBPPListBox", "SBPP", BoxSBP, 2),
    discipline(SBPR, "SBPRListBox", "SBPR", BoxSBP, 0),
    discipline(SBPS, "SBPSListBox", "SBPS", BoxSBP, 3),
    discipline(SBPU, "SBPUListBox", "SBPU", BoxSBP, 4),
    discipline(SBPC, "SBPCListBox", "SBPC", BoxSBP, 1),
    aggregate(Aggregate::FP, "FPAggrListBox", "FP Aggr", BoxFP, 2),
    aggregate(Aggregate::BBP, "BBPAggrListBox", "BBP Aggr", BoxBBP, 5),
    aggregate(Aggregate::SBP, "SBPAggrListBox", "SBP Aggr", BoxSBP, 5),
    aggregate(Aggregate::Standing, "StandingAggrListBox", "Standing Aggr", BoxStanding, 0),
    aggregate(Aggregate::SBR, "SBRAggrListBox", "SBR Aggr", BoxSBR, 2),
    aggregate(Aggregate::BBR, "BBRAggrListBox", "BBR Aggr", BoxBBR, 2),
    team(TeamGroup::BBP, "BBPTeamListBox", "BBP Team", BoxBBP, 6),
    team(TeamGroup::SBP, "SBPTeamListBox", "SBP Team", BoxSBP, 6),
    team(TeamGroup::FP, "FPTeamListBox", "FP Team", BoxFP, 3),
    team(TeamGroup::SBR, "SBRTeamListBox", "SBR Team", BoxSBR, 3),
    team(TeamGroup::BBR, "BBRTeamListBox", "BBR Team", BoxBBR, 3),
    team(TeamGroup::Stand, "StandingTeamListBox", "Standing Team", BoxStanding, 1),
}};

const std::array<const char *, 6> PrintBoxes = {"BBP", "SBP", "FP", "SBR", "BBR", "Standing"};

QString printListCaption(ListKind kind, int which)
{
    for (const PrintList &list : PrintLists)
        if (list.kind == kind && list.which == which)
            return QString::fromLatin1(list.caption);
    return {};
}

QList<int> listsInBox(int box)
{
    QList<int> lists;
    for (int i = 0; i < PrintListCount; ++i)
        if (PrintLists[static_cast<size_t>(i)].box == box)
            lists << i;
    std::sort(lists.begin(), lists.end(), [](int a, int b) {
        return PrintLists[static_cast<size_t>(a)].row < PrintLists[static_cast<size_t>(b)].row;
    });
    return lists;
}

QString allListCaptions()
{
    QStringList captions;
    for (const PrintList &list : PrintLists)
        captions << QString::fromLatin1(list.caption);
    return captions.join(QLatin1Char(','));
}

std::optional<PrintSelection> parsePrintSelection(const QString &text, QString &error)
{
    PrintSelection selection;
    if (text.trimmed().compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return selection.set();
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString caption = part.trimmed();
        const auto it = std::find_if(PrintLists.begin(), PrintLists.end(),
            [&](const PrintList &l) { return caption == QLatin1String(l.caption); });
        if (it == PrintLists.end()) {
            error = QCoreApplication::translate(
                "PrintLists", "Unknown list \"%1\". The lists are: %2.")
                        .arg(caption, allListCaptions());
            return std::nullopt;
        }
        selection.set(static_cast<size_t>(it - PrintLists.begin()));
    }
    return selection;
}

} // namespace marvola
