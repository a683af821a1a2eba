// The draw: the entries it cannot place and why, its hard rules over random matches and plans,
// its repeatability, and each soft rule on a case made for it.
#include "relays/RelayDraw.h"

#include "relays/RelayTestSupport.h"
#include "relays/SeededRandom.h"
#include "support/ParamName.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct Unmeetable
{
    const char *name;
    QStringList plan;
    std::function<void(MatchBuilder &)> build;
    Assignments locked;
    // NUMBER CODE REASON, as the batch prints them.
    QStringList leftOut;
};

std::ostream &operator<<(std::ostream &out, const Unmeetable &u)
{
    return out << u.name;
}

class UnmeetablePlanTest : public ::testing::TestWithParam<Unmeetable>
{
};

TEST_P(UnmeetablePlanTest, NamesTheEntriesLeftOut)
{
    MatchBuilder b;
    GetParam().build(b);
    const RelayPlan plan = planOf(GetParam().plan);
    for (const std::uint64_t seed : {1u, 2u, 3u}) {
        const DrawResult draw = drawRelays(b.match(), plan, GetParam().locked, seed);
        QStringList leftOut;
        for (const LeftOutEntry &e : draw.leftOut)
            leftOut << QStringLiteral("%1 %2 %3")
                           .arg(e.entry.numero)
                           .arg(disciplineCode(e.entry.d), e.reason);
        EXPECT_EQ(leftOut, GetParam().leftOut) << "seed " << seed;
        EXPECT_TRUE(hardRuleBreaches(b.match(), plan, draw.assignments).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(RelayDraw, UnmeetablePlanTest,
    ::testing::Values(Unmeetable{"TooFewPoints", {QStringLiteral("BBPR;1;08:00;45;2")},
                          [](MatchBuilder &b) {
                              for (const char *name : {"Aalto", "Berg", "Heikkinen"})
                                  entrant(b, QString::fromLatin1(name), QStringLiteral("BBPR"));
                          },
                          {{{1, BBPR}, {1, 1, true}}, {{2, BBPR}, {1, 2, true}}},
                          {QStringLiteral("3 BBPR every relay of BBPR is full")}},
        Unmeetable{"NoRelayOfTheDiscipline", {QStringLiteral("BBPR;1;08:00;45;20")},
            [](MatchBuilder &b) {
                entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR SBRL"));
            },
            {}, {QStringLiteral("1 SBRL no relay of the plan shoots SBRL")}},
        Unmeetable{"ShooterInOverlappingRelays",
            {QStringLiteral("BBPR;1;08:00;45;20"), QStringLiteral("BBPC;2;08:30;45;20")},
            [](MatchBuilder &b) {
                entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR BBPC"));
            },
            {{{1, BBPR}, {1, 5, true}}},
            {QStringLiteral("1 BBPC every relay of BBPC with a free point overlaps another "
                            "relay of this competitor")}},
        // A relay that shoots two disciplines holds a competitor once.
        Unmeetable{"BothDisciplinesOnlyInOneRelay", {QStringLiteral("BBPR BBPC;1;08:00;45;20")},
            [](MatchBuilder &b) {
                entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR BBPC"));
            },
            {{{1, BBPC}, {1, 1, true}}},
            {QStringLiteral("1 BBPR every relay of BBPR with a free point overlaps another "
                            "relay of this competitor")}},
        Unmeetable{"SharedGunWithOnlyOverlappingRelays",
            {QStringLiteral("SBRL;1;08:00;60;10"), QStringLiteral("SBRL;2;08:30;60;10")},
            [](MatchBuilder &b) {
                const int owner = entrant(b, QStringLiteral("Aalto"), QStringLiteral("SBRL"));
                const int borrower = entrant(b, QStringLiteral("Berg"), QStringLiteral("SBRL"));
                b.match().extras[owner].memberNumber = QStringLiteral("SA-1207");
                b.match().extras[borrower].sharesGunWith = QStringLiteral("SA-1207");
            },
            {{{1, SBRL}, {1, 3, true}}},
            {QStringLiteral("2 SBRL every relay of SBRL with a free point overlaps a relay of 1, "
                            "who shares the gun")}},
        Unmeetable{"SharedGunByCompetitorNumbers",
            {QStringLiteral("SBRL;1;08:00;60;10"), QStringLiteral("SBRL;2;08:30;60;10")},
            [](MatchBuilder &b) {
                for (const char *name : {"Aalto", "Berg", "Heikkinen"})
                    entrant(b, QString::fromLatin1(name), QStringLiteral("SBRL"));
                b.match().extras[1].sharesGunWith = QStringLiteral("2, 3");
            },
            {{{1, SBRL}, {2, 1, true}}},
            {QStringLiteral("2 SBRL every relay of SBRL with a free point overlaps a relay of 1, "
                            "who shares the gun"),
                QStringLiteral(
                    "3 SBRL every relay of SBRL with a free point overlaps a relay of 1, "
                    "who shares the gun")}},
        Unmeetable{"NumberGivenTwice", {QStringLiteral("BBPR;1;08:00;45;20")},
            [](MatchBuilder &b) {
                entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR"));
                b.at(entrant(b, QStringLiteral("Berg"), QStringLiteral("BBPR"))).Numero = 1;
            },
            {}, {QStringLiteral("1 BBPR number 1 is given to two competitors")}}),
    NamedBy<&Unmeetable::name>());

// The first entries drawn can take the only places a later one fits in: the draw moves one of
// them instead of leaving the later one out.
TEST(RelayDraw, MovesAnEntryToMakeRoom)
{
    MatchBuilder b;
    entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR BBPC"));
    entrant(b, QStringLiteral("Berg"), QStringLiteral("BBPR"));
    const RelayPlan plan = planOf({QStringLiteral("BBPR;1;08:00;45;1"),
        QStringLiteral("BBPR;2;10:00;45;1"), QStringLiteral("BBPC;3;08:00;45;1")});
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        const DrawResult draw = drawRelays(b.match(), plan, {}, seed);
        EXPECT_TRUE(draw.leftOut.isEmpty()) << "seed " << seed;
        EXPECT_EQ(draw.assignments.at({1, BBPR}).relay, 2) << "seed " << seed;
        EXPECT_EQ(draw.assignments.at({2, BBPR}).relay, 1) << "seed " << seed;
    }
}

// A random match and plan: up to 60 competitors in 1 to 4 of six disciplines, clubs, teams,
// left hands and shared guns; 3 to 10 relays of one or two disciplines on a half-hour grid.
struct RandomCase
{
    MatchBuilder match;
    RelayPlan plan;
};

void fillRandomCase(RandomCase &c, std::uint64_t seed)
{
    SeededRandom random(seed);
    const int disciplines[] = {BBPR, BBPC, SBPR, FPP, SBRL, BBRS};
    const int relays = 3 + static_cast<int>(random.below(8));
    for (int r = 1; r <= relays; ++r) {
        Relay relay;
        relay.number = r;
        relay.disciplines << disciplines[random.below(6)];
        if (random.below(3) == 0) {
            const int second = disciplines[random.below(6)];
            if (!relay.disciplines.contains(second))
                relay.disciplines << second;
        }
        relay.startMinute = 8 * 60 + 30 * static_cast<int>(random.below(8));
        relay.minutes = 30 + 15 * static_cast<int>(random.below(5));
        relay.points = 2 + static_cast<int>(random.below(9));
        c.plan.relays << relay;
    }
    const int competitors = 5 + static_cast<int>(random.below(56));
    for (int i = 1; i <= competitors; ++i) {
        const int slot = c.match.competitor(
            QStringLiteral("Shooter %1").arg(i), QStringLiteral("Club %1").arg(random.below(5)));
        const int entries = 1 + static_cast<int>(random.below(4));
        for (int e = 0; e < entries; ++e)
            c.match.at(slot).Osallistuu[disciplines[random.below(6)]] = true;
        CompetitorExtras &extras = c.match.match().extras[slot];
        extras.leftHanded = random.below(10) == 0;
        extras.memberNumber = QStringLiteral("M%1").arg(i);
        if (i > 1 && random.below(6) == 0)
            extras.sharesGunWith = random.below(2) == 0
                ? QStringLiteral("M%1").arg(1 + random.below(i - 1))
                : QString::number(1 + random.below(i - 1));
    }
    for (int t = 0; t < 3 && competitors >= 9; ++t)
        c.match.team(QStringLiteral("Team %1").arg(t), QStringLiteral("BBP"),
            c.match.at(3 * t + 1).Nimi.text(), c.match.at(3 * t + 2).Nimi.text(),
            c.match.at(3 * t + 3).Nimi.text());
}

// The full relays a Full reason names: what the draw fills never empties again.
void expectTruthfulReasons(const RandomCase &c, const DrawResult &draw)
{
    std::map<int, int> load;
    for (const auto &[key, seat] : draw.assignments)
        ++load[seat.relay];
    for (const LeftOutEntry &e : draw.leftOut) {
        const bool anyRelay = std::any_of(c.plan.relays.begin(), c.plan.relays.end(),
            [&](const Relay &r) { return r.shoots(e.entry.d); });
        EXPECT_EQ(e.why == LeftOutReason::NoRelay, !anyRelay);
        if (e.why != LeftOutReason::Full)
            continue;
        for (const Relay &r : c.plan.relays) {
            if (r.shoots(e.entry.d)) {
                EXPECT_EQ(load[r.number], r.points);
            }
        }
    }
}

TEST(RelayDrawProperties, NoDrawBreaksAHardRuleAndTheSeedRepeatsIt)
{
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
        SCOPED_TRACE(seed);
        RandomCase c;
        fillRandomCase(c, seed);
        const Kilpailu &match = c.match.match();

        const DrawResult first = drawRelays(match, c.plan, {}, seed);
        EXPECT_TRUE(hardRuleBreaches(match, c.plan, first.assignments).isEmpty());
        EXPECT_EQ(drawRelays(match, c.plan, {}, seed), first);

        // Every entry is placed or left out, once.
        std::set<EntryKey> entries, seen;
        for (int slot = 1; slot <= match.kilpailijat.highestOccupied(); ++slot)
            for (int d = 0; d < LajiCount; ++d)
                if (match.kilpailijat[slot].Osallistuu[d])
                    entries.insert({match.kilpailijat[slot].Numero, d});
        for (const auto &[key, seat] : first.assignments)
            EXPECT_TRUE(seen.insert(key).second);
        for (const LeftOutEntry &e : first.leftOut)
            EXPECT_TRUE(seen.insert(e.entry).second);
        EXPECT_EQ(seen, entries);
        expectTruthfulReasons(c, first);

        // Some of the places locked, the rest drawn again with another seed: the locks stay.
        Assignments locked;
        for (const auto &[key, seat] : first.assignments)
            if ((key.numero + key.d) % 3 == 0)
                locked[key] = Seat{seat.relay, seat.point, true};
        const DrawResult again = drawRelays(match, c.plan, locked, seed + 1000);
        EXPECT_TRUE(hardRuleBreaches(match, c.plan, again.assignments).isEmpty());
        for (const auto &[key, seat] : locked)
            EXPECT_EQ(again.assignments.at(key), seat);
    }
}

TEST(RelayDrawProperties, AnotherSeedGivesAnotherDraw)
{
    MatchBuilder b;
    for (int i = 0; i < 30; ++i)
        entrant(b, QStringLiteral("Shooter %1").arg(i), QStringLiteral("BBPR"));
    const RelayPlan plan = planOf({QStringLiteral("BBPR;1;08:00;45;20"),
        QStringLiteral("BBPR;2;09:00;45;20"), QStringLiteral("BBPR;3;10:00;45;20")});
    const DrawResult first = drawRelays(b.match(), plan, {}, 1);
    int different = 0;
    for (std::uint64_t seed = 2; seed < 6; ++seed)
        different += drawRelays(b.match(), plan, {}, seed).assignments != first.assignments;
    EXPECT_EQ(different, 4);
}

// Relays of BBPR at three times; the club or team sits in the same number in each.
TEST(RelayDrawSoftRules, ClubAndTeamMembersAreSpreadOverTheRelays)
{
    MatchBuilder b;
    for (int i = 0; i < 6; ++i)
        entrant(b, QStringLiteral("Kaarina %1").arg(i), QStringLiteral("BBPR"),
            QStringLiteral("Kaarina"));
    QStringList team;
    for (int i = 0; i < 9; ++i) {
        entrant(b, QStringLiteral("Other %1").arg(i), QStringLiteral("BBPR"),
            QStringLiteral("Club %1").arg(i));
        if (i < 3)
            team << QStringLiteral("Other %1").arg(i);
    }
    b.team(QStringLiteral("Team"), QStringLiteral("BBP"), team[0], team[1], team[2]);
    const RelayPlan plan = planOf({QStringLiteral("BBPR;1;08:00;45;10"),
        QStringLiteral("BBPR;2;09:00;45;10"), QStringLiteral("BBPR;3;10:00;45;10")});
    for (std::uint64_t seed = 0; seed < 30; ++seed) {
        const DrawResult draw = drawRelays(b.match(), plan, {}, seed);
        std::map<int, int> club, teamMembers;
        for (int slot = 1; slot <= 6; ++slot)
            ++club[draw.assignments.at({slot, BBPR}).relay];
        for (int slot = 7; slot <= 9; ++slot)
            ++teamMembers[draw.assignments.at({slot, BBPR}).relay];
        EXPECT_EQ(club, (std::map<int, int>{{1, 2}, {2, 2}, {3, 2}})) << "seed " << seed;
        EXPECT_EQ(teamMembers, (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}})) << "seed " << seed;
    }
}

TEST(RelayDrawSoftRules, LeftHandedShooterGetsTheHighestFreePoint)
{
    MatchBuilder b;
    for (int i = 1; i <= 6; ++i)
        entrant(b, QStringLiteral("Shooter %1").arg(i), QStringLiteral("SBRL"));
    b.match().extras[4].leftHanded = true;
    const RelayPlan plan = planOf({QStringLiteral("SBRL;1;08:00;60;12")});
    for (std::uint64_t seed = 0; seed < 10; ++seed) {
        EXPECT_EQ(drawRelays(b.match(), plan, {}, seed).assignments.at({4, SBRL}).point, 12);
        // With the end point locked to another, the next one down.
        const Assignments locked{{{2, SBRL}, {1, 12, true}}};
        EXPECT_EQ(drawRelays(b.match(), plan, locked, seed).assignments.at({4, SBRL}).point, 11);
    }
}

TEST(RelayDrawSoftRules, EmptyPointsAreSpreadOverAndWithinTheRelays)
{
    MatchBuilder b;
    for (int i = 1; i <= 20; ++i)
        entrant(b, QStringLiteral("Shooter %1").arg(i), QStringLiteral("BBPC"),
            QStringLiteral("Club %1").arg(i));
    const RelayPlan plan
        = planOf({QStringLiteral("BBPC;1;08:00;45;20"), QStringLiteral("BBPC;2;09:00;45;20")});
    for (std::uint64_t seed = 0; seed < 10; ++seed) {
        std::map<int, std::set<int>> points;
        for (const auto &[key, seat] : drawRelays(b.match(), plan, {}, seed).assignments)
            points[seat.relay].insert(seat.point);
        ASSERT_EQ(points[1].size(), 10u);
        ASSERT_EQ(points[2].size(), 10u);
        // Ten in twenty points: an empty point between every two shooters.
        for (const auto &[relay, taken] : points)
            for (const int p : taken)
                EXPECT_FALSE(taken.count(p + 1)) << "relay " << relay << " seed " << seed;
    }
}

} // namespace
