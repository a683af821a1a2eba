// Changes found by comparing two states of a match, and replayed onto the first state.
#include "log/MatchChanges.h"

#include "files/MatchFiles.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <functional>
#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

struct EditCase
{
    const char *name;
    std::function<void(Kilpailu &)> edit;
    const char *kind;
    const char *discipline;
    const char *field;
    const char *oldValue;
    const char *newValue;
};

std::unique_ptr<Kilpailu> sampleMatch()
{
    MatchBuilder b;
    const int slot = b.competitor(QStringLiteral("Aino Ahola"));
    b.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
    b.finals(slot, BBPR, {"9"});
    b.team(QStringLiteral("Kotka"), QStringLiteral("BBP"), QStringLiteral("Aino Ahola"), QString(),
        QString());
    b.match().tiedot.Paikka = QStringLiteral("Kotka");
    b.match().tiedot.Alkupvm = QDate(2026, 6, 12);
    return std::make_unique<Kilpailu>(b.match());
}

class MatchChangeEditTest : public ::testing::TestWithParam<EditCase>
{
};

TEST_P(MatchChangeEditTest, FindsTheOneChangeAndReplaysIt)
{
    const EditCase &c = GetParam();
    const auto before = sampleMatch();
    auto after = std::make_unique<Kilpailu>(*before);
    c.edit(*after);

    const QList<FieldEdit> changes = matchDifferences(*before, *after);
    ASSERT_EQ(changes.size(), 1);
    const FieldEdit &change = changes.first();
    EXPECT_EQ(change.kind, QLatin1String(c.kind));
    EXPECT_EQ(change.discipline, QLatin1String(c.discipline));
    EXPECT_EQ(change.field, QLatin1String(c.field));
    EXPECT_EQ(change.oldValue, QString::fromUtf8(c.oldValue));
    EXPECT_EQ(change.newValue, QString::fromUtf8(c.newValue));

    auto replayed = std::make_unique<Kilpailu>(*before);
    QString error;
    ASSERT_TRUE(applyChange(*replayed, change, error)) << error.toStdString();
    EXPECT_TRUE(matchDifferences(*replayed, *after).isEmpty());
}

const EditCase EditCases[] = {
    {"hit", [](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 7; }, "competitor", "BBPR", "Kana", "5",
        "7"},
    {"total", [](Kilpailu &k) { k.kilpailijat[1].Yhteensa[BBPR] = 0; }, "competitor", "BBPR",
        "Yhteensa", "14", "0"},
    {"final", [](Kilpailu &k) { k.kilpailijat[1].f[1][BBPR].setText(QStringLiteral("p")); },
        "competitor", "BBPR", "f2", "", "p"},
    {"final cleared", [](Kilpailu &k) { k.kilpailijat[1].f[0][BBPR].clear(); }, "competitor",
        "BBPR", "f1", "9", ""},
    {"entry", [](Kilpailu &k) { k.kilpailijat[1].Osallistuu[SBRS] = true; }, "competitor", "SBRS",
        "Osallistuu", "FALSE", "TRUE"},
    {"name with umlaut",
        [](Kilpailu &k) { k.kilpailijat[1].Nimi.setText(QStringLiteral("Aino Ähölä")); },
        "competitor", "", "Nimi", "Aino Ahola", "Aino Ähölä"},
    {"aggregate choice", [](Kilpailu &k) { k.kilpailijat[1].SBPCAggr = true; }, "competitor", "",
        "SBPCAggr", "FALSE", "TRUE"},
    {"team member",
        [](Kilpailu &k) { k.joukkueet[1].Kilpailija[2].setText(QStringLiteral("Eero")); }, "team",
        "", "Kilpailija3", "", "Eero"},
    {"place", [](Kilpailu &k) { k.tiedot.Paikka = QStringLiteral("Hamina, \"ampumarata\""); },
        "match", "", "Paikka", "Kotka", "Hamina, \"ampumarata\""},
    {"first day", [](Kilpailu &k) { k.tiedot.Alkupvm = QDate(2026, 6, 13); }, "match", "",
        "Alkupvm", "2026-06-12", "2026-06-13"},
    {"group shot", [](Kilpailu &k) { k.tiedot.Mukana[ix(Group::SBR)] = true; }, "match", "SBR",
        "Mukana", "FALSE", "TRUE"},
    {"last number", [](Kilpailu &k) { k.ViimeNumero = 42; }, "match", "", "ViimeNumero", "1", "42"},
    {"member number", [](Kilpailu &k) { k.extras[1].memberNumber = QStringLiteral("FIN-0042"); },
        "competitor", "", "Jasennumero", "", "FIN-0042"},
    {"e-mail", [](Kilpailu &k) { k.extras[1].email = QStringLiteral("aino@example.fi"); },
        "competitor", "", "Sahkoposti", "", "aino@example.fi"},
    {"shares a gun", [](Kilpailu &k) { k.extras[1].sharesGunWith = QStringLiteral("12 14"); },
        "competitor", "", "YhteinenAse", "", "12 14"},
    {"left-handed", [](Kilpailu &k) { k.extras[1].leftHanded = true; }, "competitor", "",
        "Vasenkatinen", "FALSE", "TRUE"},
};

INSTANTIATE_TEST_SUITE_P(Edits, MatchChangeEditTest, ::testing::ValuesIn(EditCases),
    [](const auto &info) { return marvola::testing::paramName(info.param.name); });

TEST(MatchChangesTest, ManyChangesReplayInOrderToTheSameMatch)
{
    const auto before = sampleMatch();
    auto after = std::make_unique<Kilpailu>(*before);
    QString error;
    const auto slot = after->addCompetitor(
        QStringLiteral("Eero"), QStringLiteral("SSK"), QStringLiteral("FIN"), error);
    ASSERT_TRUE(slot);
    after->kilpailijat[*slot].Osallistuu[SBPS] = true;
    after->kilpailijat[*slot].Passi[SBPS] = 10;
    after->removeCompetitor(1);
    after->tiedot.Taso = QStringLiteral("SM");

    auto replayed = std::make_unique<Kilpailu>(*before);
    for (const FieldEdit &change : matchDifferences(*before, *after))
        ASSERT_TRUE(applyChange(*replayed, change, error)) << error.toStdString();
    EXPECT_TRUE(matchDifferences(*replayed, *after).isEmpty());
}

TEST(MatchChangesTest, ChangeOfUnknownFieldIsRefusedAndChangesNothing)
{
    auto match = sampleMatch();
    const auto before = std::make_unique<Kilpailu>(*match);
    QString error;
    FieldEdit unknown{{}, {}, ChangeKind::Competitor, 1, 1, QStringLiteral("BBPR"),
        QStringLiteral("Karhu"), QStringLiteral("0"), QStringLiteral("5")};
    EXPECT_FALSE(applyChange(*match, unknown, error));
    EXPECT_FALSE(error.isEmpty());
    FieldEdit badNumber{{}, {}, ChangeKind::Competitor, 1, 1, QStringLiteral("BBPR"),
        QStringLiteral("Kana"), QStringLiteral("5"), QStringLiteral("viisi")};
    EXPECT_FALSE(applyChange(*match, badNumber, error));
    FieldEdit badSlot{
        {}, {}, ChangeKind::Team, 101, 0, {}, QStringLiteral("Nimi"), {}, QStringLiteral("X")};
    EXPECT_FALSE(applyChange(*match, badSlot, error));
    EXPECT_TRUE(matchDifferences(*before, *match).isEmpty());
}

// A crafted or damaged log replays only what the program itself could have typed.
struct CraftedCase
{
    const char *name;
    const char *kind;
    int slot;
    int number;
    const char *discipline;
    const char *field;
    const char *oldValue;
    QString newValue;
};

class CraftedChangeTest : public ::testing::TestWithParam<CraftedCase>
{
};

TEST_P(CraftedChangeTest, IsRefusedWithAMessageAndChangesNothing)
{
    const CraftedCase &c = GetParam();
    auto match = sampleMatch();
    QString error;
    ASSERT_TRUE(match->addCompetitor(
        QStringLiteral("Bertta Berg"), QStringLiteral("SSK"), QStringLiteral("FIN"), error));
    const auto before = std::make_unique<Kilpailu>(*match);
    const FieldEdit change{{}, QStringLiteral("office"), QLatin1String(c.kind), c.slot, c.number,
        QLatin1String(c.discipline), QLatin1String(c.field), QLatin1String(c.oldValue), c.newValue};
    EXPECT_FALSE(applyChange(*match, change, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(matchDifferences(*before, *match).isEmpty());
}

const CraftedCase CraftedCases[] = {
    {"negative hits", "competitor", 1, 1, "BBPR", "Kana", "5", QStringLiteral("-5")},
    {"negative total", "competitor", 1, 1, "BBPR", "Yhteensa", "14", QStringLiteral("-100")},
    {"more hits than can be typed", "competitor", 1, 1, "BBPR", "Sika", "4",
        QStringLiteral("2147483647")},
    {"another competitor's number in the slot", "competitor", 1, 9999, "BBPR", "Kana", "5",
        QStringLiteral("6")},
    {"a number given twice", "competitor", 2, 5, "", "Numero", "2", QStringLiteral("1")},
    {"name longer than the field", "competitor", 1, 1, "", "Nimi", "Aino Ahola", QString(26, u'A')},
    {"name the files cannot write", "competitor", 1, 1, "", "Nimi", "Aino Ahola",
        QStringLiteral("Aino \u4E2D")},
    {"match director beyond a line", "match", 0, 0, "", "KilpJohtaja", "",
        QString(MaxMatchTextLength + 1, u'x')},
    {"level on two lines", "match", 0, 0, "", "Taso", "", QStringLiteral("SM\nKans.")},
    {"member number longer than kept", "competitor", 1, 1, "", "Jasennumero", "",
        QString(21, u'7')},
    {"e-mail on two lines", "competitor", 1, 1, "", "Sahkoposti", "",
        QStringLiteral("a@b.fi\nBcc: c@d.fi")},
    {"extras of another competitor's number", "competitor", 1, 9999, "", "Vasenkatinen", "FALSE",
        QStringLiteral("TRUE")},
    {"left hand neither yes nor no", "competitor", 1, 1, "", "Vasenkatinen", "FALSE",
        QStringLiteral("maybe")},
};

INSTANTIATE_TEST_SUITE_P(Crafted, CraftedChangeTest, ::testing::ValuesIn(CraftedCases),
    [](const auto &info) { return marvola::testing::paramName(info.param.name); });

} // namespace
