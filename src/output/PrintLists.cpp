#include "output/PrintLists.h"

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
    discipline(FPP, "FPPCheckBox16", "FPP", BoxFP, 0),
    discipline(FPPAS, "FPPASCheckBox17", "FPPAS", BoxFP, 1),
    discipline(BBPP, "BBPPCheckBox3", "BBPP", BoxBBP, 2),
    discipline(BBPR, "BBPRCheckBox1", "BBPR", BoxBBP, 0),
    discipline(BBPS, "BBPSCheckBox4", "BBPS", BoxBBP, 3),
    discipline(BBPU, "BBPUCheckBox5", "BBPU", BoxBBP, 4),
    discipline(BBPC, "BBPCCheckBox2", "BBPC", BoxBBP, 1),
    discipline(SBRL, "SBRLCheckBox15", "SBRL", BoxSBR, 1),
    discipline(SBRS, "SBRSCheckBox14", "SBRS", BoxSBR, 0),
    discipline(BBRH, "BBRHCheckBox12", "BBRH", BoxBBR, 1),
    discipline(BBRS, "BBRSCheckBox11", "BBRS", BoxBBR, 0),
    discipline(SBPP, "SBPPCheckBox3", "SBPP", BoxSBP, 2),
    discipline(SBPR, "SBPRCheckBox1", "SBPR", BoxSBP, 0),
    discipline(SBPS, "SBPSCheckBox4", "SBPS", BoxSBP, 3),
    discipline(SBPU, "SBPUCheckBox5", "SBPU", BoxSBP, 4),
    discipline(SBPC, "SBPCCheckBox2", "SBPC", BoxSBP, 1),
    aggregate(Aggregate::FP, "FPAggrCheckBox18", "FP Aggr", BoxFP, 2),
    aggregate(Aggregate::BBP, "BBPAggrCheckBox19", "BBP Aggr", BoxBBP, 5),
    aggregate(Aggregate::SBP, "SBPAggrCheckBox6", "SBP Aggr", BoxSBP, 5),
    aggregate(Aggregate::Standing, "StandAggrCheckBox1", "Standing Aggr", BoxStanding, 0),
    aggregate(Aggregate::SBR, "SBRAggrCheckBox21", "SBR Aggr", BoxSBR, 2),
    aggregate(Aggregate::BBR, "BBRAggrCheckBox13", "BBR Aggr", BoxBBR, 2),
    team(TeamGroup::BBP, "BBPJoukkueCheckBox1", "BBP Team", BoxBBP, 6),
    team(TeamGroup::SBP, "SBPJoukkueCheckBox1", "SBP Team", BoxSBP, 6),
    team(TeamGroup::FP, "FPJoukkueCheckBox1", "FP Team", BoxFP, 3),
    team(TeamGroup::SBR, "SBRJoukkueCheckBox1", "SBR Team", BoxSBR, 3),
    team(TeamGroup::BBR, "BBRJoukkueCheckBox1", "BBR Team", BoxBBR, 3),
    team(TeamGroup::Stand, "StandJoukkueCheckBox1", "Standing Team", BoxStanding, 1),
}};

const std::array<const char *, 6> PrintBoxes = {"BBP", "SBP", "FP", "SBR", "BBR", "Standing"};

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
            error = QStringLiteral("Unknown list \"%1\". The lists are: %2.")
                        .arg(caption, allListCaptions());
            return std::nullopt;
        }
        selection.set(static_cast<size_t>(it - PrintLists.begin()));
    }
    return selection;
}

} // namespace marvola
