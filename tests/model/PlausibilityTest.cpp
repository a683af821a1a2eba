// The plausibility rules of typed results, and the list of results that break them.
#include "model/Plausibility.h"

#include "support/ParamName.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace marvola;

namespace {

struct RuleCase
{
    const char *name;
    std::int32_t shots;
    std::array<std::int32_t, 4> hits; // chicken, pig, turkey, ram
    std::int32_t total;
    QStringList expected; // "Field: rule"
};

QString fieldName(ResultField field)
{
    static const char *const names[] = {"Kana", "Sika", "Kalkkuna", "Passi", "Yhteensa"};
    return QString::fromLatin1(names[static_cast<int>(field)]);
}

class PlausibilityRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(PlausibilityRules, PointAtTheFieldsThatBreakThem)
{
    const RuleCase &c = GetParam();
    TKilpailija k;
    k.Kana[BBPS] = c.hits[0];
    k.Sika[BBPS] = c.hits[1];
    k.Kalkkuna[BBPS] = c.hits[2];
    k.Passi[BBPS] = c.hits[3];
    k.Yhteensa[BBPS] = c.total;
    QStringList found;
    for (const ResultProblem &p : checkResult(k, BBPS, c.shots))
        found << fieldName(p.field) + QStringLiteral(": ") + p.rule;
    EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, PlausibilityRules,
    ::testing::Values(RuleCase{"clean 40", 40, {10, 10, 10, 10}, 40, {}},
        RuleCase{"all zero", 40, {0, 0, 0, 0}, 0, {}},
        RuleCase{"total only", 40, {0, 0, 0, 0}, 31, {}},
        RuleCase{"negative turkey", 40, {5, 5, -1, 5}, 14, {"Kalkkuna: Turkey hits below 0"}},
        RuleCase{"negative total alone is no hit count", 40, {0, 0, 0, 0}, -3, {}},
        RuleCase{"eleventh ram of 40", 40, {9, 9, 9, 11}, 38,
            {"Passi: Ram hits above 10, the targets of one animal"}},
        RuleCase{"ten rams of 40", 40, {9, 9, 9, 10}, 37, {}},
        RuleCase{"fifteen pigs of 60", 60, {10, 15, 10, 10}, 45, {}},
        RuleCase{"sixteen pigs of 60", 60, {10, 16, 10, 10}, 46,
            {"Sika: Pig hits above 15, the targets of one animal"}},
        RuleCase{"twenty chickens of 80", 80, {20, 0, 0, 0}, 20, {}},
        RuleCase{"twenty-one chickens of 80", 80, {21, 0, 0, 0}, 21,
            {"Kana: Chicken hits above 20, the targets of one animal"}},
        RuleCase{"total-only above the shots", 40, {0, 0, 0, 0}, 41,
            {"Yhteensa: Total above 40, the shots"}},
        RuleCase{"total-only at the shots", 60, {0, 0, 0, 0}, 60, {}},
        RuleCase{"total not the sum", 40, {10, 9, 8, 7}, 33,
            {"Yhteensa: Total 33 is not the sum of the hits, 34"}},
        RuleCase{"total 0 with hits", 40, {1, 0, 0, 0}, 0,
            {"Yhteensa: Total 0 is not the sum of the hits, 1"}},
        RuleCase{"other shot counts: no range check", 32, {12, 0, 0, 0}, 12, {}},
        RuleCase{"no shot count: sign and sum still checked", 0, {-2, 0, 0, 0}, 0,
            {"Kana: Chicken hits below 0", "Yhteensa: Total 0 is not the sum of the hits, -2"}},
        RuleCase{"several rules", 40, {11, -1, 0, 0}, 50,
            {"Kana: Chicken hits above 10, the targets of one animal", "Sika: Pig hits below 0",
                "Yhteensa: Total above 40, the shots",
                "Yhteensa: Total 50 is not the sum of the hits, 10"}},
        RuleCase{"huge hit counts do not overflow the sum", 0, {2147483647, 2147483647, 0, 0},
            2147483647, {"Yhteensa: Total 2147483647 is not the sum of the hits, 4294967294"}}),
    marvola::testing::NamedBy<&RuleCase::name>());

TEST(ImplausibleResults, ListsEnteredDisciplinesByNumberThenEntryDialogOrder)
{
    Kilpailu m;
    m.tiedot.Laukaukset.fill(40);
    const int first = *m.addCompetitor(QStringLiteral("Aalto Matti"), QStringLiteral("HyMAS"), {});
    const int second = *m.addCompetitor(QStringLiteral("Berg Anna"), QStringLiteral("SWC"), {});
    // Slot order and number order differ: the list follows the numbers.
    m.kilpailijat[first].Numero = 7;
    m.kilpailijat[second].Numero = 3;
    auto enter = [&](int slot, Laji d, std::int32_t kana, std::int32_t total) {
        TKilpailija &k = m.kilpailijat[slot];
        k.Osallistuu[d] = true;
        k.Kana[d] = kana;
        k.Yhteensa[d] = total;
    };
    enter(first, SBRL, 11, 11); // SBR comes after FP in the entry dialog
    enter(first, FPP, 4, 5);
    enter(first, BBPR, 3, 3); // clean
    enter(second, BBRH, -1, -1);
    // Not entered: never listed, whatever it holds.
    m.kilpailijat[second].Kana[BBPC] = 99;

    QStringList lines;
    for (const ImplausibleResult &r : implausibleResults(m))
        lines << QStringLiteral("%1 %2 %3: %4")
                     .arg(r.numero)
                     .arg(r.nimi, disciplineCode(r.d), r.rules.join(QStringLiteral("; ")));
    EXPECT_EQ(lines,
        QStringList({QStringLiteral("3 Berg Anna BBRH: Chicken hits below 0"),
            QStringLiteral("7 Aalto Matti FPP: Total 5 is not the sum of the hits, 4"),
            QStringLiteral(
                "7 Aalto Matti SBRL: Chicken hits above 10, the targets of one animal")}));
}

} // namespace
