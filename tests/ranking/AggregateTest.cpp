// Aggregates and team standings.
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::Hits;
using marvola::testing::MatchBuilder;

namespace {

// Enters a competitor in all five BBP disciplines; discipline d gets total 30 + d and one ram per
// point above 30 so that every discipline's figures are told apart.
void enterBbp(MatchBuilder &b, int slot, std::initializer_list<Laji> disciplines)
{
    for (Laji d : disciplines)
        b.enter(slot, d, Luokat::A, {10, 10, 10 + static_cast<int>(d), 0});
}

struct ChoiceCase
{
    const char *what;
    bool p, c;
    bool ranked;
    int counted; // discipline counted besides R, S, U
    int shownPc; // discipline whose total the "P/C" column shows
};

class BbpChoice : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(BbpChoice, DecidesTheCountedDiscipline)
{
    const ChoiceCase &c = GetParam();
    MatchBuilder b;
    const int s = b.competitor(QStringLiteral("Shooter"));
    enterBbp(b, s, {BBPR, BBPC, BBPS, BBPU}); // not entered in BBPP
    b.at(s).Kalkkuna[BBPP] = 7; // figures left in the slot still count for P
    b.at(s).Yhteensa[BBPP] = 27;
    b.at(s).BBPPAggr = c.p;
    b.at(s).BBPCAggr = c.c;

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const TAggrKilpailija &row = tulokset->aggregate(Aggregate::BBP)[s];
    ASSERT_EQ(!row.Nimi.isEmpty(), c.ranked) << c.what;
    if (!c.ranked)
        return;
    const TKilpailija &k = b.at(s);
    int hits = 0;
    for (int d : {int(BBPR), int(BBPS), int(BBPU), c.counted})
        hits += k.Kana[d] + k.Sika[d] + k.Kalkkuna[d] + k.Passi[d];
    EXPECT_EQ(row.Yhteensa, hits) << c.what;
    EXPECT_EQ(aggregateColumnValues(row, Aggregate::BBP).first(), k.Yhteensa[c.shownPc]) << c.what;
    // Every BBP total is carried, whichever discipline counts.
    for (Laji d : {BBPR, BBPC, BBPP, BBPS, BBPU})
        EXPECT_EQ(row.Lajit[d], k.Yhteensa[d]);
}

INSTANTIATE_TEST_SUITE_P(Cases, BbpChoice,
    ::testing::Values(ChoiceCase{"P", true, false, true, BBPP, BBPP},
        ChoiceCase{"C", false, true, true, BBPC, BBPC},
        ChoiceCase{"neither", false, false, false, 0, 0},
        ChoiceCase{"both", true, true, true, BBPC, BBPP}),
    marvola::testing::NamedBy<&ChoiceCase::what>());

TEST(Aggregates, EntryConditionsAndFillingSchemes)
{
    MatchBuilder b;
    const int fppOnly = b.competitor(QStringLiteral("FppOnly"));
    const int fp = b.competitor(QStringLiteral("FieldPistol"));
    const int standing = b.competitor(QStringLiteral("Standing"));
    b.enter(fppOnly, FPP, Luokat::A, {5, 5, 5, 5});
    b.enter(fp, FPP, Luokat::A, {5, 5, 5, 5}).enter(fp, FPPAS, Luokat::A, {1, 1, 1, 1}, 9);
    for (Laji d : {BBPS, SBPS, FPP, FPPAS})
        b.enter(standing, d, Luokat::A, {1, 2, 3, 4});

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    // Packed: FieldPistol and Standing in rows 1 and 2, ordered by total.
    const AggrTaulukko &fpTable = tulokset->aggregate(Aggregate::FP);
    EXPECT_EQ(fpTable[1].Nimi.text(), QStringLiteral("FieldPistol"));
    EXPECT_EQ(fpTable[1].Yhteensa, 29); // the discipline totals are added, not the hits
    EXPECT_EQ(fpTable[2].Nimi.text(), QStringLiteral("Standing"));
    EXPECT_TRUE(fpTable[3].Nimi.isEmpty());
    // Slot-indexed: the empty rows of slots 1 and 2 take part in the sort like zero rows, so the
    // only competitor moves to row 1 and the empties follow.
    const AggrTaulukko &standingTable = tulokset->aggregate(Aggregate::Standing);
    EXPECT_EQ(standingTable[1].Nimi.text(), QStringLiteral("Standing"));
    EXPECT_EQ(standingTable[1].Yhteensa, 40);
    EXPECT_EQ(standingTable[1].Sijoitus, 1);
    EXPECT_EQ(tulokset->aggrLines[ix(Aggregate::Standing)].size(), 2);
    EXPECT_EQ(tulokset->aggrLines[ix(Aggregate::SBR)].size(), 1); // the title item only
}

TEST(Aggregates, SlotIndexedEmptyRowsTakePartInTheExchanges)
{
    // Slot 1 qualifies with a zero total, slot 2 does not, slot 3 qualifies with 0 too: the
    // empty row 2 is tied with both and never exchanged, so the order stays 1, 3.
    MatchBuilder b;
    for (const char *name : {"First", "Gap", "Third"})
        b.competitor(QString::fromLatin1(name));
    for (int slot : {1, 3})
        for (Laji d : {SBRS, SBRL})
            b.enter(slot, d, Luokat::A, {});
    for (Laji d : {BBPS, SBPS, FPP, FPPAS}) {
        b.enter(1, d, Luokat::A, {});
        b.enter(3, d, Luokat::A, {});
    }
    b.enter(3, FPP, Luokat::A, {0, 0, 0, 1});
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const AggrTaulukko &t = tulokset->aggregate(Aggregate::Standing);
    EXPECT_EQ(t[1].Nimi.text(), QStringLiteral("Third"));
    EXPECT_TRUE(t[2].Nimi.isEmpty()); // Third was exchanged with row 1, the gap stays at 2
    EXPECT_EQ(t[3].Nimi.text(), QStringLiteral("First"));
    const ListLines &lines = tulokset->aggrLines[ix(Aggregate::Standing)];
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2].columns.mid(1, 2), (QStringList{"2", "First"})); // consecutive positions
}

TEST(Aggregates, CompetitorInSlotFiveHundredIsIncluded)
{
    MatchBuilder b;
    for (int i = 1; i <= MaxKilpailijat; ++i)
        b.competitor(QStringLiteral("S%1").arg(i));
    b.enter(500, SBRS, Luokat::A, {1, 1, 1, 1}).enter(500, SBRL, Luokat::A, {2, 2, 2, 2});
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    EXPECT_EQ(tulokset->aggregate(Aggregate::SBR)[1].Nimi.text(), QStringLiteral("S500"));
    EXPECT_EQ(tulokset->aggregate(Aggregate::SBR)[1].Yhteensa, 12);
}

TEST(Aggregates, LinesCarryTheTabColumns)
{
    MatchBuilder b;
    const int s = b.competitor(QStringLiteral("Rifle"), QStringLiteral("RC"));
    b.enter(s, BBRS, Luokat::A, {1, 2, 3, 4}).enter(s, BBRH, Luokat::A, {4, 3, 2, 1}, 11);
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const ListLines &lines = tulokset->aggrLines[ix(Aggregate::BBR)];
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].columns, QStringList{"BBRAggr"});
    // Position, name, club, BBRH, BBRS, total, chicken, pig, turkey, ram.
    EXPECT_EQ(lines[1].columns,
        (QStringList{"", "1", "Rifle", "RC", "11", "10", "21", "5", "5", "5", "5"}));
    EXPECT_EQ(aggregateColumnCaptions(Aggregate::BBR), (QStringList{"BBRH", "BBRS"}));
}

TEST(Aggregates, TiesByRamsThenTurkeysThenPigs)
{
    MatchBuilder b;
    const Hits hits[] = {{10, 10, 10, 10}, {10, 9, 10, 11}, {9, 10, 10, 11}, {10, 10, 11, 9}};
    for (int i = 0; i < 4; ++i) {
        const int s = b.competitor(QStringLiteral("C%1").arg(i + 1));
        b.enter(s, FPP, Luokat::A, hits[i]).enter(s, FPPAS, Luokat::A, {});
    }
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const AggrTaulukko &t = tulokset->aggregate(Aggregate::FP);
    QStringList order;
    for (int r = 1; r <= 4; ++r)
        order << t[r].Nimi.text();
    // C2 and C3: equal rams and turkeys, C3 more pigs; C4 has more turkeys than C1 but fewer rams.
    EXPECT_EQ(order, (QStringList{"C3", "C2", "C1", "C4"}));
}

// ---- team standings ----

TEST(TeamStandings, MembersByExactNameAndTeamSums)
{
    MatchBuilder b;
    const char *names[] = {"Aalto Aino", "Berg Bo", "Carl Cid", "aalto aino"};
    for (int i = 0; i < 4; ++i) {
        const int s = b.competitor(QString::fromLatin1(names[i]));
        b.enter(s, FPP, Luokat::A, {i + 1, 1, 1, 1}).enter(s, FPPAS, Luokat::A, {1, 1, 1, 1});
    }
    b.team(QStringLiteral("Lions FP"), QStringLiteral("FP"), QStringLiteral("Aalto Aino"),
        QStringLiteral("Berg Bo"), QString());
    b.team(QStringLiteral("Case FP"), QStringLiteral("FP"), QStringLiteral("AALTO AINO"),
        QStringLiteral("Carl Cid"), QStringLiteral("Carl Cid "));
    b.team(QStringLiteral("Other"), QStringLiteral("Other"), QStringLiteral("Berg Bo"), {}, {});

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const JoukkueTaulukko &t = tulokset->standings(TeamGroup::FP);
    ASSERT_EQ(t[1].Nimi.text(), QStringLiteral("Lions FP"));
    EXPECT_EQ(t[1].Yhteensa, (std::array<Sum, 4>{8, 9, 0, 17}));
    EXPECT_EQ(t[1].Kana[3], 5);
    EXPECT_EQ(t[1].Lajit[0][1], 5); // Berg Bo's FPP
    // Only Carl Cid matches: case and a trailing blank make the others strangers.
    EXPECT_EQ(t[2].Nimi.text(), QStringLiteral("Case FP"));
    EXPECT_EQ(t[2].Yhteensa, (std::array<Sum, 4>{0, 10, 0, 10}));
    EXPECT_TRUE(t[3].Nimi.isEmpty());
}

TEST(TeamStandings, TheLastMatchingRowWinsAndTheSortUsesTeamSums)
{
    MatchBuilder b;
    // Two competitors share a name: the lower-ranked one (further down the table) wins.
    const int strong = b.competitor(QStringLiteral("Same Name"));
    const int weak = b.competitor(QStringLiteral("Same Name"));
    b.enter(strong, SBRS, Luokat::A, {9, 9, 9, 9}).enter(strong, SBRL, Luokat::A, {});
    b.enter(weak, SBRS, Luokat::A, {1, 1, 1, 1}).enter(weak, SBRL, Luokat::A, {});
    const int other = b.competitor(QStringLiteral("Other One"));
    b.enter(other, SBRS, Luokat::A, {0, 0, 0, 5}).enter(other, SBRL, Luokat::A, {});
    b.team(
        QStringLiteral("Shared SBR"), QStringLiteral("SBR"), QStringLiteral("Same Name"), {}, {});
    b.team(QStringLiteral("Rams SBR"), QStringLiteral("SBR"), QStringLiteral("Other One"), {}, {});

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const JoukkueTaulukko &t = tulokset->standings(TeamGroup::SBR);
    // Shared takes the weaker namesake's 4, Rams has 5: Rams first.
    EXPECT_EQ(t[1].Nimi.text(), QStringLiteral("Rams SBR"));
    EXPECT_EQ(t[2].Nimi.text(), QStringLiteral("Shared SBR"));
    EXPECT_EQ(t[2].Yhteensa[3], 4);
    EXPECT_EQ(teamFigureColumns(TeamGroup::SBR), (QStringList{"SBRL", "SBRS"}));
    EXPECT_EQ(t[2].Lajit[1][0], 4); // SBRS of the member
}

TEST(TeamStandings, TeamsAreNumberedByTheirPlaceTiesIncludedAndARefreshKeepsTheNumbers)
{
    MatchBuilder b;
    const int a = b.competitor(QStringLiteral("Aalto Aino"));
    const int c = b.competitor(QStringLiteral("Carl Cid"));
    b.enter(a, SBRS, Luokat::A, {5, 5, 5, 5}).enter(a, SBRL, Luokat::A, {});
    b.enter(c, SBRS, Luokat::A, {5, 5, 5, 5}).enter(c, SBRL, Luokat::A, {});
    // Team numbers come from the register (the third team's is the highest); places do not.
    b.team(QStringLiteral("Low SBR"), QStringLiteral("SBR"), QString(), {}, {});
    b.team(QStringLiteral("Tie1 SBR"), QStringLiteral("SBR"), QStringLiteral("Aalto Aino"), {}, {});
    b.team(QStringLiteral("Tie2 SBR"), QStringLiteral("SBR"), QStringLiteral("Carl Cid"), {}, {});

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const JoukkueTaulukko &t = tulokset->standings(TeamGroup::SBR);
    ASSERT_EQ(t[3].Nimi.text(), QStringLiteral("Low SBR"));
    EXPECT_EQ((std::array{t[1].Sijoitus, t[2].Sijoitus, t[3].Sijoitus, t[4].Sijoitus}),
        (std::array{1, 2, 3, 0}))
        << "tied teams get consecutive numbers, in row order";
    refreshResults(b.match(), *tulokset);
    EXPECT_EQ(t[3].Sijoitus, 3);
}

TEST(TeamStandings, BbpMembersTakeTheirChosenPistolFigure)
{
    MatchBuilder b;
    const int p = b.competitor(QStringLiteral("Pee"));
    const int c = b.competitor(QStringLiteral("Cee"));
    enterBbp(b, p, {BBPR, BBPP, BBPS, BBPU});
    enterBbp(b, c, {BBPR, BBPC, BBPS, BBPU});
    b.at(c).BBPPAggr = false;
    b.at(c).BBPCAggr = true;
    b.team(QStringLiteral("Duo BBP"), QStringLiteral("BBP"), QStringLiteral("Pee"),
        QStringLiteral("Cee"), {});
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const TJoukkueTulos &team = tulokset->standings(TeamGroup::BBP)[1];
    ASSERT_EQ(teamFigureColumns(TeamGroup::BBP), (QStringList{"BBPR", "BBPPC", "BBPS", "BBPU"}));
    EXPECT_EQ(team.Lajit[1][0], b.at(p).Yhteensa[BBPP]);
    EXPECT_EQ(team.Lajit[1][1], b.at(c).Yhteensa[BBPC]);
    EXPECT_EQ(team.Lajit[0][1], b.at(c).Yhteensa[BBPR]);
}

} // namespace

// Records may hold any 32-bit figures; their aggregate and team sums are kept whole and still
// rank by size.
TEST(WideSums, AggregateAndTeamSumsPastThirtyTwoBits)
{
    constexpr int Max = std::numeric_limits<std::int32_t>::max();
    MatchBuilder b;
    const char *names[] = {"Aalto Aino", "Berg Bo", "Carl Cid"};
    for (int i = 0; i < 3; ++i) {
        const int s = b.competitor(QString::fromLatin1(names[i]));
        // Berg Bo has one point less in FPPAS, so ranks last.
        b.enter(s, FPP, Luokat::A, {Max, 0, 0, Max}, Max)
            .enter(s, FPPAS, Luokat::A, {Max, 0, 0, Max}, Max - (i == 1 ? 1 : 0));
    }
    b.team(QStringLiteral("Giants"), QStringLiteral("FP"), QStringLiteral("Aalto Aino"),
        QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid"));

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    const AggrTaulukko &fp = tulokset->aggregate(Aggregate::FP);
    const Sum twice = 2 * Sum(Max);
    EXPECT_EQ(fp[1].Kana, twice);
    EXPECT_EQ(fp[1].Passi, twice);
    EXPECT_EQ(fp[1].Yhteensa, twice);
    EXPECT_EQ(fp[3].Nimi.text(), QStringLiteral("Berg Bo"));
    EXPECT_EQ(fp[3].Yhteensa, twice - 1);

    const TJoukkueTulos &team = tulokset->standings(TeamGroup::FP)[1];
    EXPECT_EQ(team.Kana[3], 3 * twice);
    EXPECT_EQ(team.Passi[3], 3 * twice);
    EXPECT_EQ(team.Yhteensa[3], 3 * twice - 1);
}
