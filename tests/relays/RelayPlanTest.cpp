// The relay plan file: what it reads, and the line and reason of each line it refuses.
#include "relays/RelayPlan.h"

#include "model/Disciplines.h"
#include "support/ParamName.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct GoodPlan
{
    const char *name;
    const char *text;
    QList<Relay> relays;
};

std::ostream &operator<<(std::ostream &out, const GoodPlan &p)
{
    return out << p.name;
}

class GoodPlanTest : public ::testing::TestWithParam<GoodPlan>
{
};

TEST_P(GoodPlanTest, ReadsEveryRelay)
{
    const ParsedRelayPlan parsed = parseRelayPlan(QByteArray(GetParam().text));
    EXPECT_TRUE(parsed.ok()) << parsed.errors.join(u'\n').toStdString();
    EXPECT_EQ(parsed.plan.relays, GetParam().relays);
}

INSTANTIATE_TEST_SUITE_P(RelayPlan, GoodPlanTest,
    ::testing::Values(
        GoodPlan{"Semicolons", "disciplines;relay;start;minutes;points\nBBPR BBPC;1;08:00;45;20\n",
            {{1, {BBPR, BBPC}, 480, 45, 20}}},
        GoodPlan{"CommasCrLfAndBlankLines",
            "disciplines,relay,start,minutes,points\r\n\r\nSBRL,2,13:30,90,10\r\n"
            "FPP  FPPAS,3,9:05,30,12\r\n",
            {{2, {SBRL}, 13 * 60 + 30, 90, 10}, {3, {FPP, FPPAS}, 9 * 60 + 5, 30, 12}}},
        GoodPlan{"ByteOrderMarkLowerCaseAndBlanksAroundFields",
            "\xEF\xBB\xBF"
            "Disciplines; Relay; Start; Minutes; Points\n bbpr ; 7 ; 23:59 ; 1440 ; 500 \n",
            {{7, {BBPR}, 23 * 60 + 59, 1440, 500}}},
        GoodPlan{"HeadingOnly", "disciplines;relay;start;minutes;points\n", {}}),
    NamedBy<&GoodPlan::name>());

struct BadPlan
{
    const char *name;
    const char *text;
    QStringList errors; // LINE<TAB>REASON
};

std::ostream &operator<<(std::ostream &out, const BadPlan &p)
{
    return out << p.name;
}

class BadPlanTest : public ::testing::TestWithParam<BadPlan>
{
};

TEST_P(BadPlanTest, GivesTheLineAndReason)
{
    const ParsedRelayPlan parsed = parseRelayPlan(QByteArray(GetParam().text));
    EXPECT_EQ(parsed.errors, GetParam().errors);
}

constexpr const char *Heading = "disciplines;relay;start;minutes;points\n";

INSTANTIATE_TEST_SUITE_P(RelayPlan, BadPlanTest,
    ::testing::Values(BadPlan{"Empty", "\n\n", {"1\tthe plan is empty: no heading line"}},
        BadPlan{"NoHeading", "BBPR;1;08:00;45;20\n",
            {"1\tthe first line must be the heading disciplines;relay;start;minutes;points"}},
        BadPlan{"FieldMissing", "disciplines;relay;start;minutes;points\nBBPR;1;08:00;45\n",
            {"2\t4 fields where the heading has 5"}},
        BadPlan{"UnknownDiscipline",
            "disciplines;relay;start;minutes;points\nBBPR;1;08:00;45;20\nBBPX BBPC;2;09:00;45;20\n",
            {"3\tunknown discipline \"BBPX\""}},
        BadPlan{"DisciplineTwice",
            "disciplines;relay;start;minutes;points\nBBPR bbpr;1;08:00;45;20\n",
            {"2\tdiscipline BBPR named twice"}},
        BadPlan{"NoDiscipline", "disciplines;relay;start;minutes;points\n ;1;08:00;45;20\n",
            {"2\tno discipline"}},
        BadPlan{"RelayNumberZero", "disciplines;relay;start;minutes;points\nBBPR;0;08:00;45;20\n",
            {"2\trelay number \"0\" is not a whole number from 1 to 9999"}},
        BadPlan{"RelayTwice",
            "disciplines;relay;start;minutes;points\nBBPR;4;08:00;45;20\nBBPC;4;09:00;45;20\n",
            {"3\trelay 4 is already in the plan"}},
        BadPlan{"HourPastTheDay", "disciplines;relay;start;minutes;points\nBBPR;1;24:00;45;20\n",
            {"2\tstart \"24:00\" is not a time from 00:00 to 23:59"}},
        BadPlan{"StartWithoutMinutes", "disciplines;relay;start;minutes;points\nBBPR;1;8;45;20\n",
            {"2\tstart \"8\" is not a time from 00:00 to 23:59"}},
        BadPlan{"NoLength", "disciplines;relay;start;minutes;points\nBBPR;1;08:00;0;20\n",
            {"2\tlength \"0\" is not a number of minutes from 1 to 1440"}},
        BadPlan{"NegativePoints", "disciplines;relay;start;minutes;points\nBBPR;1;08:00;45;-3\n",
            {"2\tpoints \"-3\" is not a whole number from 1 to 500"}},
        BadPlan{"TooManyPoints", "disciplines;relay;start;minutes;points\nBBPR;1;08:00;45;501\n",
            {"2\tpoints \"501\" is not a whole number from 1 to 500"}},
        // Every bad line is named, not just the first.
        BadPlan{"TwoBadLines",
            "disciplines;relay;start;minutes;points\nBBPR;1;08:00;45;x\nBBPC;2;08:00;45;20\n"
            "BBPP;3;08:00;;20\n",
            {"2\tpoints \"x\" is not a whole number from 1 to 500",
                "4\tlength \"\" is not a number of minutes from 1 to 1440"}}),
    NamedBy<&BadPlan::name>());

TEST(RelayPlan, WrittenPlanReadsBackTheSame)
{
    RelayPlan plan;
    plan.relays = {{3, {SBRL, BBRS}, 7 * 60 + 5, 90, 40}, {1, {FPPAS}, 0, 1440, 1}};
    const ParsedRelayPlan parsed = parseRelayPlan(relayPlanCsv(plan));
    EXPECT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.plan, plan);
    EXPECT_EQ(plan.relays[0].disciplinesText(), QStringLiteral("SBRL BBRS"));
    EXPECT_EQ(plan.relays[0].startText(), QStringLiteral("07:05"));
}

TEST(RelayPlan, FileTooLargeOrMissingIsRefusedWithLineZero)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.csv"));
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Heading);
    file.write(QByteArray(MaxRelayPlanBytes, '\n'));
    file.close();

    const ParsedRelayPlan tooLarge = readRelayPlanFile(big);
    ASSERT_EQ(tooLarge.errors.size(), 1);
    EXPECT_TRUE(tooLarge.errors[0].startsWith(QStringLiteral("0\t")));
    EXPECT_TRUE(tooLarge.plan.relays.isEmpty());

    const ParsedRelayPlan missing = readRelayPlanFile(dir.filePath(QStringLiteral("none.csv")));
    ASSERT_EQ(missing.errors.size(), 1);
    EXPECT_TRUE(missing.errors[0].startsWith(QStringLiteral("0\tcannot read")));
}

TEST(RelayPlan, OverlapIsHalfOpen)
{
    const Relay first{1, {BBPR}, 8 * 60, 45, 20};
    const Relay next{2, {BBPR}, 8 * 60 + 45, 45, 20};
    const Relay during{3, {BBPC}, 8 * 60 + 44, 10, 20};
    EXPECT_FALSE(first.overlaps(next));
    EXPECT_FALSE(next.overlaps(first));
    EXPECT_TRUE(first.overlaps(during));
    EXPECT_TRUE(during.overlaps(next));
    EXPECT_TRUE(first.overlaps(first));
}

} // namespace
