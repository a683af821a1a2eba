// The ties the ranking cannot decide at a prize place, found on crafted results.
#include "ranking/ShootOffs.h"

#include "ranking/Ranking.h"
#include "support/FullMatch.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::Hits;
using marvola::testing::MatchBuilder;

namespace {

struct Shooter
{
    const char *name;
    const char *luokka;
    Hits hits; // {chicken, pig, turkey, ram}
    std::vector<const char *> finals{};
};

struct TieCase
{
    const char *what;
    Laji d;
    std::vector<Shooter> shooters; // entered in this slot order
    // "class|places|names in ranking order"; the class is empty for the overall places.
    std::vector<std::string> expected;
};

std::vector<std::string> described(const UndecidedTies &ties)
{
    std::vector<std::string> lines;
    for (const UndecidedTie &tie : ties) {
        QStringList names;
        for (const TiedCompetitor &c : tie.competitors)
            names << c.nimi;
        lines.push_back(QStringLiteral("%1|%2|%3")
                            .arg(tie.luokka, tie.places(), names.join(QLatin1Char(',')))
                            .toStdString());
    }
    return lines;
}

class ShootOffFinder : public ::testing::TestWithParam<TieCase>
{
};

TEST_P(ShootOffFinder, ListsOnlyUndecidedTiesAtPrizePlaces)
{
    const TieCase &c = GetParam();
    MatchBuilder b;
    for (const Shooter &s : c.shooters) {
        const int slot = b.competitor(QString::fromLatin1(s.name));
        b.enter(slot, c.d, QString::fromLatin1(s.luokka), s.hits).finals(slot, c.d, s.finals);
    }
    auto table = std::make_unique<TulosTaulukko>();
    rankDisciplineTable(b.match(), c.d, *table);

    const UndecidedTies ties = undecidedTies(*table, c.d);

    EXPECT_EQ(described(ties), c.expected);
    for (const UndecidedTie &tie : ties) {
        EXPECT_EQ(tie.d, c.d);
        for (const TiedCompetitor &t : tie.competitors) {
            EXPECT_EQ(table->operator[](t.row).Numero, t.numero) << t.nimi.toStdString();
            EXPECT_EQ(table->operator[](t.row).Nimi.text(), t.nimi);
        }
    }
}

const Hits H40{10, 10, 10, 10}, H39{9, 10, 10, 10}, H38{8, 10, 10, 10}, H37{7, 10, 10, 10};
const Hits H36{6, 10, 10, 10}, H35{5, 10, 10, 10}, H34{4, 10, 10, 10}, H30{0, 10, 10, 10};
// 38 again, with a turkey fewer and a chicken more: the count-back puts it below H38.
const Hits H38LessTurkeys{9, 10, 9, 10};

INSTANTIATE_TEST_SUITE_P(Cases, ShootOffFinder,
    ::testing::Values(TieCase{"tie at the third place", BBPR,
                          {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "A", H38},
                              {"Dahl", "A", H38}, {"Eklund", "A", H30}},
                          {"|3-4|Cajan,Dahl"}},
        TieCase{"three tied for the first place", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H40}, {"Cajan", "Int", H40}, {"Dahl", "A", H30}},
            {"|1-3|Aho,Berg,Cajan"}},
        TieCase{"tie inside a class", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "Int", H38}, {"Dahl", "A", H35},
                {"Eklund", "A", H35}, {"Forss", "A", H30}},
            {"A|1-2|Dahl,Eklund"}},
        TieCase{"tie for third overall and first of its class", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "Int", H38}, {"Dahl", "B", H38},
                {"Eklund", "B", H38}},
            {"|3-5|Cajan,Dahl,Eklund", "B|1-2|Dahl,Eklund"}},
        TieCase{"same shoot-off entries leave the tie", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "A", H38, {"5", "2"}},
                {"Dahl", "A", H38LessTurkeys, {"5", "2"}}},
            {"|3-4|Cajan,Dahl"}},
        TieCase{"shoot-off entry on one side only decides", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "A", H38},
                {"Dahl", "A", H38, {"3"}}},
            {}},
        TieCase{"a later shoot-off round decides", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H40, {"4", "5"}},
                {"Cajan", "Int", H40, {"4", "4"}}},
            {}},
        TieCase{"count-back decides", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "A", H38LessTurkeys},
                {"Dahl", "A", H38}},
            {}},
        TieCase{"tie below the prizes", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "Int", H38}, {"Dahl", "A", H37},
                {"Eklund", "A", H36}, {"Forss", "A", H35}, {"Gren", "A", H34},
                {"Hellman", "A", H34}},
            {}},
        TieCase{"competitors still to shoot are no tie", BBPR,
            {{"Aho", "Int", H40}, {"Berg", "Int", {}}, {"Cajan", "Int", {}}}, {}},
        TieCase{"rifle Master class", SBRS,
            {{"Aho", "Int", H40}, {"Berg", "Int", H39}, {"Cajan", "Int", H38},
                {"Dahl", "Master", H36}, {"Eklund", "Master", H35}, {"Forss", "Master", H35}},
            {"Master|2-3|Eklund,Forss"}}),
    marvola::testing::NamedBy<&TieCase::what>());

// The window ranks the registers afresh; the batch and the board read the refreshed tables.
// Both must find the same ties: a full match has them in most disciplines.
TEST(ShootOffsOfAMatch, RegistersAndRefreshedTablesAgree)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset, TabLines::Skip);

    const UndecidedTies fromTables = undecidedTies(*tulokset);
    const UndecidedTies fromRegisters = undecidedTies(*match);

    ASSERT_FALSE(fromTables.empty());
    ASSERT_EQ(fromRegisters.size(), fromTables.size());
    for (size_t i = 0; i < fromTables.size(); ++i) {
        EXPECT_EQ(fromRegisters[i].d, fromTables[i].d);
        EXPECT_EQ(fromRegisters[i].luokka, fromTables[i].luokka);
        EXPECT_EQ(fromRegisters[i].places(), fromTables[i].places());
        EXPECT_EQ(fromRegisters[i].competitors.size(), fromTables[i].competitors.size());
        EXPECT_LE(fromTables[i].firstPlace, PrizePlaces);
    }
}

} // namespace
