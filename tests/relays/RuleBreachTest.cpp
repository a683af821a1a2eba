// The check of any set of places against the hard rules, as the official may have set them by
// hand: each rule broken once, named for the entries it concerns.
#include "relays/RelayDraw.h"
#include "relays/RelayTestSupport.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct BreachCase
{
    const char *name;
    Assignments places;
    // NUMBER CODE REASON
    QStringList breaches;
};

std::ostream &operator<<(std::ostream &out, const BreachCase &c)
{
    return out << c.name;
}

class RuleBreachTest : public ::testing::TestWithParam<BreachCase>
{
protected:
    // Aalto (1) in BBPR and BBPC, Berg (2) in BBPR and sharing Aalto's gun, Heikkinen (3) in BBPR.
    void SetUp() override
    {
        entrant(m_match, QStringLiteral("Aalto"), QStringLiteral("BBPR BBPC"));
        entrant(m_match, QStringLiteral("Berg"), QStringLiteral("BBPR"));
        entrant(m_match, QStringLiteral("Heikkinen"), QStringLiteral("BBPR"));
        m_match.match().extras[2].sharesGunWith = QStringLiteral("1");
        m_plan
            = planOf({QStringLiteral("BBPR;1;08:00;45;4"), QStringLiteral("BBPR BBPC;2;08:30;45;4"),
                QStringLiteral("BBPC;3;10:00;45;4"), QStringLiteral("BBPR;4;11:00;45;4")});
    }

    MatchBuilder m_match;
    RelayPlan m_plan;
};

TEST_P(RuleBreachTest, ListsEachBreachForItsEntries)
{
    QStringList breaches;
    for (const RuleBreach &b : hardRuleBreaches(m_match.match(), m_plan, GetParam().places))
        breaches << QStringLiteral("%1 %2 %3")
                        .arg(b.entry.numero)
                        .arg(disciplineCode(b.entry.d), b.reason);
    EXPECT_EQ(breaches, GetParam().breaches);
}

INSTANTIATE_TEST_SUITE_P(RelayDraw, RuleBreachTest,
    ::testing::Values(BreachCase{"NoneBroken",
                          {{{1, BBPR}, {1, 1, false}}, {{1, BBPC}, {3, 1, true}},
                              {{2, BBPR}, {4, 2, false}}, {{3, BBPR}, {2, 4, false}}},
                          {}},
        BreachCase{"NotEntered", {{{3, BBPC}, {3, 1, false}}, {{9, BBPR}, {1, 1, false}}},
            {QStringLiteral("3 BBPC competitor 3 is not entered in BBPC"),
                QStringLiteral("9 BBPR competitor 9 is not entered in BBPR")}},
        BreachCase{"UnknownRelay", {{{3, BBPR}, {7, 1, false}}},
            {QStringLiteral("3 BBPR relay 7 is not in the plan")}},
        BreachCase{"WrongDiscipline", {{{3, BBPR}, {3, 1, false}}},
            {QStringLiteral("3 BBPR relay 3 does not shoot BBPR")}},
        BreachCase{"PointOutsideTheRelay", {{{3, BBPR}, {1, 5, false}}, {{2, BBPR}, {1, 0, false}}},
            {QStringLiteral("2 BBPR relay 1 has no point 0"),
                QStringLiteral("3 BBPR relay 1 has no point 5")}},
        BreachCase{"PointGivenTwice", {{{3, BBPR}, {1, 2, true}}, {{1, BBPR}, {1, 2, false}}},
            {QStringLiteral("1 BBPR point 2 of relay 1 is given twice"),
                QStringLiteral("3 BBPR point 2 of relay 1 is given twice")}},
        BreachCase{"CompetitorInOverlappingRelays",
            {{{1, BBPR}, {1, 1, false}}, {{1, BBPC}, {2, 1, false}}},
            {QStringLiteral("1 BBPR relay 1 overlaps relay 2, where this competitor shoots BBPC"),
                QStringLiteral(
                    "1 BBPC relay 2 overlaps relay 1, where this competitor shoots BBPR")}},
        BreachCase{"SharedGunInOverlappingRelays",
            {{{1, BBPC}, {2, 1, false}}, {{2, BBPR}, {1, 1, false}}},
            {QStringLiteral("1 BBPC relay 2 overlaps relay 1 of 2, who shares the gun"),
                QStringLiteral("2 BBPR relay 1 overlaps relay 2 of 1, who shares the gun")}}),
    NamedBy<&BreachCase::name>());

TEST(GunPartners, NamedEitherWayByMemberOrCompetitorNumber)
{
    MatchBuilder b;
    for (const char *name : {"Aalto", "Berg", "Heikkinen", "Nieminen"})
        entrant(b, QString::fromLatin1(name), QStringLiteral("SBRL"));
    b.match().extras[2].memberNumber = QStringLiteral("SA-55");
    b.match().extras[1].sharesGunWith = QStringLiteral("SA-55,3  unknown 1");
    EXPECT_EQ(gunPartners(b.match(), 1), (QList<std::int32_t>{2, 3}));
    EXPECT_EQ(gunPartners(b.match(), 2), (QList<std::int32_t>{1}));
    EXPECT_EQ(gunPartners(b.match(), 3), (QList<std::int32_t>{1}));
    EXPECT_TRUE(gunPartners(b.match(), 4).isEmpty());
}

} // namespace
