// Discipline rankings: order, class from score, positions and the tab lines.
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::Hits;
using marvola::testing::MatchBuilder;

namespace {

QStringList rankedNames(const TulosTaulukko &table)
{
    QStringList names;
    for (int r = 1; r <= TulosTaulukko::RowCount && !table[r].Nimi.isEmpty(); ++r)
        names << table[r].Nimi.text();
    return names;
}

std::unique_ptr<TulosTaulukko> rank(Kilpailu &match, int d)
{
    auto table = std::make_unique<TulosTaulukko>();
    collectDiscipline(match, d, *table);
    classifyUnclassed(*table, d, match.tiedot.shotCount(Group::BBP));
    sortDiscipline(*table);
    return table;
}

struct OrderCase
{
    const char *what;
    Hits first; // competitor A, slot 1
    std::vector<const char *> firstFinals;
    Hits second; // competitor B, slot 2
    std::vector<const char *> secondFinals;
    const char *winner;
};

class RankingOrder : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(RankingOrder, DecidesWhoRanksFirst)
{
    const OrderCase &c = GetParam();
    MatchBuilder b;
    const int a = b.competitor(QStringLiteral("A"));
    const int bb = b.competitor(QStringLiteral("B"));
    b.enter(a, BBPR, Luokat::A, c.first).finals(a, BBPR, c.firstFinals);
    b.enter(bb, BBPR, Luokat::A, c.second).finals(bb, BBPR, c.secondFinals);
    EXPECT_EQ(rankedNames(*rank(b.match(), BBPR)).first(), QString::fromLatin1(c.winner)) << c.what;
}

// Hits are {chicken, pig, turkey, ram}.
INSTANTIATE_TEST_SUITE_P(Cases, RankingOrder,
    ::testing::Values(OrderCase{"higher total", {9, 9, 9, 9}, {}, {10, 9, 9, 9}, {}, "B"},
        OrderCase{"more rams decide", {10, 10, 9, 9}, {}, {8, 8, 12, 10}, {}, "B"},
        OrderCase{"rams equal: more turkeys", {9, 10, 9, 10}, {}, {9, 9, 10, 10}, {}, "B"},
        OrderCase{"rams, turkeys equal: pigs 9 and 8", {11, 8, 9, 10}, {}, {10, 9, 9, 10}, {}, "B"},
        OrderCase{"only chickens differ: no exchange", {7, 9, 9, 10}, {}, {10, 9, 9, 7}, {}, "A"},
        OrderCase{"chickens never compared", {7, 10, 10, 10}, {}, {10, 9, 9, 9}, {}, "A"},
        OrderCase{"shoot-off beats more rams", {10, 10, 10, 8}, {"3"}, {8, 10, 10, 10}, {}, "A"},
        OrderCase{
            "\"9\" is greater text than \"10\"", {9, 9, 9, 9}, {"10"}, {9, 9, 9, 9}, {"9"}, "B"},
        OrderCase{"f2 decides, f3 not looked at", {9, 9, 9, 9}, {"2", "3", "5"}, {9, 9, 9, 9},
            {"2", "4", "0"}, "B"},
        OrderCase{
            "shoot-off never lifts a lower total", {9, 9, 9, 9}, {"9"}, {10, 9, 9, 9}, {}, "B"},
        OrderCase{"all five entries equal: no exchange", {8, 10, 10, 8}, {"1", "1"}, {10, 8, 8, 10},
            {"1", "1"}, "A"}),
    marvola::testing::NamedBy<&OrderCase::what>());

TEST(RankingSort, FullyTiedRowsEndWhereTheExchangeProcedureLeavesThem)
{
    // X, Y, Z in slot order with 30, 30, 35: Z is exchanged with X, the tie Y-X never is.
    MatchBuilder b;
    for (const char *name : {"X", "Y", "Z"})
        b.competitor(QString::fromLatin1(name));
    b.enter(1, BBPS, Luokat::A, {}, 30).enter(2, BBPS, Luokat::A, {}, 30);
    b.enter(3, BBPS, Luokat::A, {}, 35);
    const auto table = rank(b.match(), BBPS);
    EXPECT_EQ(rankedNames(*table), (QStringList{"Z", "Y", "X"}));
    const TTulosRivi &buffer = (*table)[TulosTaulukko::BufferRow];
    EXPECT_TRUE(buffer.Nimi.isEmpty());
    EXPECT_EQ(buffer.Yhteensa, 0);
}

TEST(RankingCollect, TakesEnteredNamedSlotsInSlotOrder)
{
    MatchBuilder b;
    const int removed = b.competitor(QStringLiteral("Removed"));
    const int kept = b.competitor(QStringLiteral("Kept"));
    const int notEntered = b.competitor(QStringLiteral("Elsewhere"));
    b.enter(removed, FPP, Luokat::A, {}, 20).enter(kept, FPP, Luokat::A, {}, 10);
    b.enter(notEntered, FPPAS, Luokat::A, {}, 30);
    b.match().removeCompetitor(removed);
    b.at(removed).Osallistuu[FPP] = true; // ticked again after the removal

    auto table = std::make_unique<TulosTaulukko>();
    collectDiscipline(b.match(), FPP, *table);
    EXPECT_EQ(rankedNames(*table), QStringList{"Kept"});
    EXPECT_EQ((*table)[1].Numero, b.at(kept).Numero);
}

TEST(RankingCollect, CaliberOnlyInDisciplinesThatHaveOne)
{
    MatchBuilder b;
    const int s = b.competitor(QStringLiteral("Shooter"));
    for (int d : {BBPR, SBPR}) {
        b.enter(s, d, Luokat::A, {}, 30);
        b.at(s).Ase[d].setText(QStringLiteral("Gun"));
        b.at(s).Kaliiperi[d].setText(QStringLiteral(".44"));
    }
    EXPECT_EQ((*rank(b.match(), BBPR))[1].Kaliiperi.text(), QStringLiteral(".44"));
    EXPECT_EQ((*rank(b.match(), SBPR))[1].Kaliiperi.text(), QString());
    EXPECT_EQ((*rank(b.match(), SBPR))[1].Ase.text(), QStringLiteral("Gun"));
}

TEST(RankingCollect, AllFiveHundredCompetitorsAreRanked)
{
    MatchBuilder b;
    for (int i = 1; i <= MaxKilpailijat; ++i) {
        const int slot = b.competitor(QStringLiteral("Shooter %1").arg(i));
        b.enter(slot, SBRS, Luokat::Int, {}, i % 41);
    }
    const auto table = rank(b.match(), SBRS);
    EXPECT_EQ(rankedNames(*table).size(), MaxKilpailijat);
    for (int r = 1; r < MaxKilpailijat; ++r)
        ASSERT_GE((*table)[r].Yhteensa, (*table)[r + 1].Yhteensa) << "row " << r;
}

// ---- class from score ----

struct ClassCase
{
    int d;
    int total;
    int bbpShots;
    const char *expected;
};

class ClassFromScore : public ::testing::TestWithParam<ClassCase>
{
};

TEST_P(ClassFromScore, GivesTheBandOfTheTotal)
{
    const ClassCase &c = GetParam();
    EXPECT_EQ(classFromScore(c.d, c.total, c.bbpShots), QString::fromLatin1(c.expected))
        << disciplineCode(c.d).toStdString() << " " << c.total << " over " << c.bbpShots;
}

INSTANTIATE_TEST_SUITE_P(Bands, ClassFromScore,
    ::testing::Values(ClassCase{BBPS, 29, 0, "Int"}, ClassCase{BBPS, 28, 0, "A"},
        ClassCase{BBPS, 20, 0, "B"}, ClassCase{BBPS, 0, 0, "B"}, ClassCase{BBPS, 41, 0, "Eiluok"},
        ClassCase{BBPS, -1, 0, "Eiluok"}, ClassCase{BBPC, 59, 60, "Int"},
        ClassCase{BBPC, 59, 40, "Eiluok"}, ClassCase{BBPC, 40, 40, "Int"},
        ClassCase{BBPC, 39, 40, "A"}, ClassCase{BBPC, 49, 60, "B"},
        ClassCase{BBPC, 30, 0, "Eiluok"}, ClassCase{BBPP, 38, 60, "B"},
        ClassCase{BBPP, 75, 80, "Int"}, ClassCase{BBPR, 30, 0, "B"}, ClassCase{BBPU, 40, 0, "Int"},
        ClassCase{SBRS, 30, 0, "Master"}, ClassCase{SBRS, 34, 0, "Int"},
        ClassCase{SBRL, 25, 0, "Master"}, ClassCase{BBRS, 31, 0, "Master"},
        ClassCase{BBRH, 13, 0, "B"}, ClassCase{FPP, 23, 0, "A"}),
    [](const auto &info) {
        return marvola::disciplineCode(info.param.d).toStdString() + "_"
            + (info.param.total < 0 ? "minus_" + std::to_string(-info.param.total)
                                    : std::to_string(info.param.total))
            + "_of_" + std::to_string(info.param.bbpShots);
    });

TEST(ClassFromScore, ChangesOnlyTheRowAndOnlyEiluok)
{
    MatchBuilder b;
    const int none = b.competitor(QStringLiteral("NoClass"));
    const int a = b.competitor(QStringLiteral("ClassA"));
    b.enter(none, BBPS, Luokat::Eiluok, {}, 29).enter(a, BBPS, Luokat::A, {}, 40);
    const auto table = rank(b.match(), BBPS);
    EXPECT_EQ((*table)[1].Luokka.text(), QStringLiteral("A")); // total 40 keeps its class
    EXPECT_EQ((*table)[2].Luokka.text(), QStringLiteral("Int")); // 29 gives Int
    EXPECT_EQ(b.at(none).Luokka[BBPS].text(), QStringLiteral("Eiluok"));
}

TEST(ClassFromScore, BbpShotCountZeroLeavesConventionalAndProductionUnclassed)
{
    MatchBuilder b;
    const int s = b.competitor(QStringLiteral("S"));
    for (int d : {BBPC, BBPP, BBPR})
        b.enter(s, d, Luokat::Eiluok, {}, 35);
    EXPECT_EQ((*rank(b.match(), BBPC))[1].Luokka.text(), QStringLiteral("Eiluok"));
    EXPECT_EQ((*rank(b.match(), BBPP))[1].Luokka.text(), QStringLiteral("Eiluok"));
    EXPECT_EQ((*rank(b.match(), BBPR))[1].Luokka.text(), QStringLiteral("A"));
}

// ---- positions and lines ----

QStringList positionsIn(const ListLines &lines, const QString &section)
{
    QStringList positions;
    bool inside = false;
    for (const ListLine &line : lines) {
        if (line.heading) {
            inside = line.columns.first() == section;
            continue;
        }
        if (inside)
            positions << line.columns[1] + QLatin1Char(':') + line.columns[2];
    }
    return positions;
}

// Three leaders of class Int with 40, then the given class rows.
MatchBuilder withLeaders(int d)
{
    MatchBuilder b;
    for (int i = 1; i <= 3; ++i)
        b.enter(b.competitor(QStringLiteral("Top%1").arg(i)), d, Luokat::Int, {10, 10, 10, 10});
    return b;
}

struct SectionCase
{
    const char *what;
    std::vector<std::pair<const char *, Hits>> rows; // class and hits, in slot order
    const char *section;
    QStringList expected;
};

class SectionPositions : public ::testing::TestWithParam<SectionCase>
{
};

TEST_P(SectionPositions, NumberTiesWithinTheClass)
{
    const SectionCase &c = GetParam();
    MatchBuilder b = withLeaders(BBPR);
    int n = 0;
    for (const auto &[luokka, hits] : c.rows)
        b.enter(
            b.competitor(QStringLiteral("R%1").arg(++n)), BBPR, QString::fromLatin1(luokka), hits);
    auto table = std::make_unique<TulosTaulukko>();
    const ListLines lines = rankDiscipline(b.match(), BBPR, *table);
    EXPECT_EQ(positionsIn(lines, QString::fromLatin1(c.section)), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, SectionPositions,
    ::testing::Values(
        SectionCase{"37, 36, 36, 35: 1, 2, 2, 4",
            {{"A", {10, 9, 9, 9}}, {"A", {9, 9, 9, 9}}, {"A", {9, 9, 9, 9}}, {"A", {8, 9, 9, 9}}},
            "A", {"1:R1", "2:R2", "2:R3", "4:R4"}},
        SectionCase{"the 36s differ in pigs: 1, 2, 3, 4",
            {{"A", {10, 9, 9, 9}}, {"A", {9, 9, 9, 9}}, {"A", {10, 8, 9, 9}}, {"A", {8, 9, 9, 9}}},
            "A", {"1:R1", "2:R2", "3:R3", "4:R4"}},
        SectionCase{"a competitor of another class between two tied Int rows: 1, 1",
            {{"Int", {9, 9, 9, 9}}, {"A", {9, 9, 9, 9}}, {"Int", {9, 9, 9, 9}}}, "Int",
            {"1:R1", "1:R3"}}),
    marvola::testing::NamedBy<&SectionCase::what>());

TEST(SectionPositions, ShootOffEntriesTieOnlyWhenAllEqual)
{
    MatchBuilder b = withLeaders(BBPR);
    const int x = b.competitor(QStringLiteral("X"));
    const int y = b.competitor(QStringLiteral("Y"));
    const int z = b.competitor(QStringLiteral("Z"));
    b.enter(x, BBPR, Luokat::B, {5, 5, 5, 5}).finals(x, BBPR, {"3", "2"});
    b.enter(y, BBPR, Luokat::B, {8, 4, 4, 4}).finals(y, BBPR, {"3", "2"});
    b.enter(z, BBPR, Luokat::B, {5, 5, 5, 5}).finals(z, BBPR, {"3", "1"});
    auto table = std::make_unique<TulosTaulukko>();
    const ListLines lines = rankDiscipline(b.match(), BBPR, *table);
    EXPECT_EQ(positionsIn(lines, QStringLiteral("B")), (QStringList{"1:X", "1:Y", "3:Z"}));
}

TEST(DisciplineLines, EmptyDisciplineShowsOnlyHeadings)
{
    MatchBuilder b;
    auto table = std::make_unique<TulosTaulukko>();
    const auto headings = [](const ListLines &lines) {
        QStringList texts;
        for (const ListLine &line : lines) {
            EXPECT_TRUE(line.heading);
            texts << line.columns.join(QLatin1Char('|'));
        }
        return texts;
    };
    EXPECT_EQ(
        headings(rankDiscipline(b.match(), BBPC, *table)), (QStringList{"BBPC", "Int", "A", "B"}));
    EXPECT_EQ(headings(rankDiscipline(b.match(), SBRS, *table)),
        (QStringList{"SBRS", "Int", "Master", "A", "B"}));
}

TEST(DisciplineLines, TopThreeThenSectionsWithSeventeenColumns)
{
    MatchBuilder b;
    const int first = b.competitor(QStringLiteral("First"), QStringLiteral("Club One"));
    const int second = b.competitor(QStringLiteral("Second"));
    const int fourth = b.competitor(QStringLiteral("Fourth"));
    const int third = b.competitor(QStringLiteral("Third"));
    const int lost = b.competitor(QStringLiteral("Unclassed"));
    b.enter(first, BBPS, Luokat::A, {1, 2, 3, 4}, 38).finals(first, BBPS, {"10"});
    b.at(first).Ase[BBPS].setText(QStringLiteral("Colt"));
    b.at(first).Malli[BBPS].setText(QStringLiteral("Python"));
    b.at(first).Kaliiperi[BBPS].setText(QStringLiteral(".357"));
    b.enter(second, BBPS, Luokat::Int, {}, 37).enter(third, BBPS, Luokat::B, {}, 36);
    b.enter(fourth, BBPS, Luokat::A, {}, 30).enter(lost, BBPS, Luokat::Eiluok, {}, 41);

    auto table = std::make_unique<TulosTaulukko>();
    const ListLines lines = rankDiscipline(b.match(), BBPS, *table);
    QStringList shape;
    for (const ListLine &line : lines)
        shape << (line.heading ? line.columns.first() : line.columns[1] + ':' + line.columns[2]);
    // The unclassed 41 leads, so it is listed among the first three but in no section.
    EXPECT_EQ(shape,
        (QStringList{
            "BBPS", "1:Unclassed", "2:First", "3:Second", "Int", "A", "1:Fourth", "B", "1:Third"}));
    const QStringList expected{"", "2", "First", "Club One", "1", "2", "3", "4", "38", "10", " ",
        " ", " ", " ", "Colt", "Python", ".357"};
    EXPECT_EQ(lines[2].columns, expected);
    EXPECT_EQ((*table)[2].Sijoitus, 2);
}

} // namespace
