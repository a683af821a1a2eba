// The register operations: clearing, free and occupied slots, lookup by name, add and remove.
#include "model/Registers.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace marvola;

namespace {

class RegisterTest : public ::testing::Test
{
protected:
    // A match is some 700 KB: kept off the stack.
    std::unique_ptr<Kilpailu> m = std::make_unique<Kilpailu>();

    TKilpailija &slot(int n) { return m->kilpailijat[n]; }
    int add(const QString &name)
    {
        const auto s = m->addCompetitor(name, QStringLiteral("SSA"), QStringLiteral("FIN"));
        EXPECT_TRUE(s.has_value());
        return s.value_or(0);
    }
    // Fills every field of a slot with something other than its cleared value.
    void dirty(int n)
    {
        TKilpailija &k = slot(n);
        k.Numero = 77;
        k.Nimi.setText(QStringLiteral("Virtanen Matti"));
        k.Seura.setText(QStringLiteral("HAS"));
        k.Maa.setText(QStringLiteral("FIN"));
        for (int d = 0; d < LajiCount; ++d) {
            k.Osallistuu[d] = true;
            k.Luokka[d].setText(Luokat::Master);
            k.Ase[d].setText(QStringLiteral("Ruger"));
            k.Malli[d].setText(QStringLiteral("Bisley"));
            k.Kaliiperi[d].setText(QStringLiteral(".45"));
            k.Sijoitus[d] = 3;
            for (const TargetInfo &t : Targets)
                k.hits(t.target, d) = 5;
            k.Yhteensa[d] = 20;
            for (auto &finaali : k.f)
                finaali[d].setText(QStringLiteral("x"));
        }
        k.BBPPAggr = false;
        k.BBPCAggr = true;
        k.SBPPAggr = false;
        k.SBPCAggr = true;
    }
};

void expectCleared(const TKilpailija &k)
{
    EXPECT_EQ(k.Numero, 0);
    EXPECT_TRUE(k.Nimi.isEmpty());
    EXPECT_TRUE(k.Seura.isEmpty());
    EXPECT_TRUE(k.Maa.isEmpty());
    for (int d = 0; d < LajiCount; ++d) {
        SCOPED_TRACE(discipline(d).code);
        EXPECT_FALSE(k.Osallistuu[d]);
        EXPECT_EQ(k.Luokka[d].text(), Luokat::Int);
        EXPECT_TRUE(k.Ase[d].isEmpty());
        EXPECT_TRUE(k.Malli[d].isEmpty());
        EXPECT_TRUE(k.Kaliiperi[d].isEmpty());
        EXPECT_EQ(k.Sijoitus[d], 0);
        for (const TargetInfo &t : Targets)
            EXPECT_EQ(k.hits(t.target, d), 0);
        EXPECT_EQ(k.Yhteensa[d], 0);
        for (const auto &finaali : k.f)
            EXPECT_TRUE(finaali[d].isEmpty());
    }
    EXPECT_TRUE(k.BBPPAggr);
    EXPECT_FALSE(k.BBPCAggr);
    EXPECT_TRUE(k.SBPPAggr);
    EXPECT_FALSE(k.SBPCAggr);
}

} // namespace

TEST_F(RegisterTest, ClearingResetsEveryCompetitorSlotButNotTeamsOrMatch)
{
    for (int n : {1, 250, 500})
        dirty(n);
    m->ViimeNumero = 42;
    m->joukkueet[1].Nimi.setText(QStringLiteral("Hukat BBP"));
    m->tiedot.Seura = QStringLiteral("HAS");

    m->clearCompetitorRegister();

    EXPECT_EQ(m->ViimeNumero, 0);
    for (int n = 1; n <= MaxKilpailijat; ++n) {
        SCOPED_TRACE(n);
        expectCleared(slot(n));
    }
    EXPECT_EQ(m->joukkueet[1].Nimi.text(), QStringLiteral("Hukat BBP"));
    EXPECT_EQ(m->tiedot.Seura, QStringLiteral("HAS"));
}

TEST_F(RegisterTest, SlotSearches)
{
    EXPECT_EQ(m->kilpailijat.freeSlot(), 1);
    EXPECT_EQ(m->kilpailijat.highestOccupied(), 0);

    add(QStringLiteral("Aho Ari"));
    add(QStringLiteral("Berg Bo"));
    add(QStringLiteral("Aho Ari")); // names need not be unique; lookups take the lowest
    EXPECT_EQ(m->kilpailijat.freeSlot(), 4);
    EXPECT_EQ(m->kilpailijat.highestOccupied(), 3);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("Aho Ari")), 1);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("Berg Bo")), 2);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("berg bo")), std::nullopt);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("Berg")), std::nullopt);

    // A removed competitor frees the slot but keeps its number; the slot no longer counts as
    // occupied.
    m->removeCompetitor(3);
    EXPECT_EQ(m->kilpailijat.highestOccupied(), 2);
    EXPECT_EQ(m->kilpailijat.freeSlot(), 3);
    m->removeCompetitor(1);
    EXPECT_EQ(m->kilpailijat.freeSlot(), 1);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("Aho Ari")), std::nullopt);
}

TEST_F(RegisterTest, FullRegisterHasNoFreeSlot)
{
    for (int n = 1; n <= MaxKilpailijat; ++n)
        add(QStringLiteral("K%1").arg(n));
    EXPECT_EQ(m->kilpailijat.freeSlot(), std::nullopt);
    EXPECT_EQ(m->kilpailijat.highestOccupied(), MaxKilpailijat);
    EXPECT_EQ(m->addCompetitor(QStringLiteral("One more"), {}, {}), std::nullopt);
    EXPECT_EQ(m->ViimeNumero, MaxKilpailijat);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("K500")), 500);
}

TEST_F(RegisterTest, RemoveEmptiesNameAndEntriesAndKeepsTheRest)
{
    dirty(2);
    const QByteArray before = slot(2).toBytes();
    m->removeCompetitor(2);

    const TKilpailija &k = slot(2);
    EXPECT_TRUE(k.Nimi.isEmpty());
    EXPECT_TRUE(k.Seura.isEmpty());
    EXPECT_TRUE(k.Maa.isEmpty());
    for (int d = 0; d < LajiCount; ++d)
        EXPECT_FALSE(k.Osallistuu[d]);
    EXPECT_FALSE(k.BBPPAggr || k.BBPCAggr || k.SBPPAggr || k.SBPCAggr);

    // Everything else is the same bytes as before: number, classes, equipment, hits, shoot-offs.
    QByteArray expected = before;
    for (int offset : {Layout::Nimi, Layout::Seura, Layout::Maa})
        expected[offset] = 0;
    for (int d = 0; d < LajiCount; ++d)
        expected[Layout::Osallistuu + d] = 0;
    for (int offset = Layout::BBPPAggr; offset <= Layout::SBPCAggr; ++offset)
        expected[offset] = 0;
    EXPECT_EQ(k.toBytes(), expected);
}

TEST_F(RegisterTest, AddReusesTheLowestFreeSlotWithANewNumber)
{
    add(QStringLiteral("Aho Ari"));
    dirty(2);
    slot(2).Numero = 2;
    m->ViimeNumero = 2;
    m->removeCompetitor(2);
    const QByteArray removed = slot(2).toBytes();

    EXPECT_EQ(add(QStringLiteral("Äijälä Åke")), 2);

    const TKilpailija &k = slot(2);
    EXPECT_EQ(k.Numero, 3);
    EXPECT_EQ(m->ViimeNumero, 3);
    EXPECT_EQ(k.Nimi.text(), QStringLiteral("Äijälä Åke"));
    EXPECT_EQ(k.Seura.text(), QStringLiteral("SSA"));
    EXPECT_EQ(k.Maa.text(), QStringLiteral("FIN"));
    // Only number, name, club and nationality are written: the slot keeps what the removed
    // competitor left from byte 45 on.
    EXPECT_EQ(k.toBytes().mid(Layout::Osallistuu), removed.mid(Layout::Osallistuu));
    EXPECT_EQ(k.Luokka[BBPR].text(), Luokat::Master);
    EXPECT_EQ(k.Kana[SBRL], 5);
}

TEST_F(RegisterTest, NamesAreCutToTheFieldLength)
{
    const int n = add(QStringLiteral("Kolmekymmentämerkkinen Nimi Xy")); // 30 characters
    EXPECT_EQ(slot(n).Nimi.text(), QStringLiteral("Kolmekymmentämerkkinen Ni"));

    TJoukkue team;
    team.Nimi.setText(QStringLiteral("Kymmenmerk") + QStringLiteral(" BBP"));
    EXPECT_EQ(team.Nimi.text(), QStringLiteral("Kymmenmerk"));
}

// The largest number has been given: a new competitor or team is refused, nothing changes and
// nothing overflows; one number below it the last one is still given.
TEST_F(RegisterTest, NoNumberBeyondTheLargest)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    m->ViimeNumero = Largest - 1;
    EXPECT_EQ(add(QStringLiteral("Aho Ari")), 1);
    EXPECT_EQ(slot(1).Numero, Largest);

    const QByteArray before = slot(2).toBytes();
    QString error;
    EXPECT_EQ(m->addCompetitor(QStringLiteral("Berg Bo"), {}, {}, error), std::nullopt);
    EXPECT_EQ(error,
        QStringLiteral("No competitor or team number is left: the last number given is "
                       "2147483647, the largest there is."));
    EXPECT_EQ(m->ViimeNumero, Largest);
    EXPECT_EQ(slot(2).toBytes(), before);
    EXPECT_EQ(m->kilpailijat.slotByName(QStringLiteral("Berg Bo")), std::nullopt);

    error.clear();
    EXPECT_EQ(m->takeNextNumber(error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m->ViimeNumero, Largest);
}

TEST_F(RegisterTest, FullRegisterIsRefusedWithItsMessage)
{
    for (int n = 1; n <= MaxKilpailijat; ++n)
        add(QStringLiteral("K%1").arg(n));
    QString error;
    EXPECT_EQ(m->addCompetitor(QStringLiteral("One more"), {}, {}, error), std::nullopt);
    EXPECT_EQ(error, QStringLiteral("The register is full: a match can have 500 competitors."));
    EXPECT_EQ(m->ViimeNumero, MaxKilpailijat);
}
