// The result entry dialog: hits, totals and shoot-off entries typed as an official types them.
#include "DialogFixture.h"
#include "support/ParamName.h"

#include <QPushButton>

using namespace marvola;
using namespace marvola::testing;

namespace {

class ResultEntryTest : public DialogTest
{
protected:
    QLineEdit *field(const QString &name) { return child<QLineEdit>(resultEntry, name); }
    QComboBox *nameList()
    {
        return child<QComboBox>(resultEntry, QStringLiteral("competitorNameList"));
    }
    QString label(const QString &name) { return child<QLabel>(resultEntry, name)->text(); }
    void choose(const QString &nimi)
    {
        QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(nameList(), nimi);
    }
    // The texts of a row's hit and total fields, "Kana Sika Kalkkuna Passi Yhteensa".
    QString rowTexts(const QString &code)
    {
        QStringList texts;
        for (const char *suffix : {"Kana", "Sika", "Kalkkuna", "Passi", "Yhteensa"})
            texts << field(code + QLatin1String(suffix))->text();
        return texts.join(QLatin1Char(' '));
    }
    static void setHits(TKilpailija &k, int d, std::array<std::int32_t, 4> hits, std::int32_t total)
    {
        k.Kana[d] = hits[0];
        k.Sika[d] = hits[1];
        k.Kalkkuna[d] = hits[2];
        k.Passi[d] = hits[3];
        k.Yhteensa[d] = total;
    }
    // A competitor entered in BBPR and SBPS, shown in the dialog.
    int showShooter()
    {
        const int n = add(QStringLiteral("Aalto Pekka"));
        slot(n).Osallistuu[BBPR] = slot(n).Osallistuu[SBPS] = true;
        fillNameLists();
        show(resultEntry);
        kilpailu->Muutettu = false;
        return n;
    }
};

TEST_F(ResultEntryTest, TypedHitsAreStoredAndTheTotalFollowsThem)
{
    const int n = showShooter();
    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("10"));
    typeInto(field(QStringLiteral("BBPRSika")), QStringLiteral("9"));
    typeInto(field(QStringLiteral("BBPRKalkkuna")), QStringLiteral("8"));
    typeInto(field(QStringLiteral("BBPRPassi")), QStringLiteral("7"));

    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10 9 8 7 34"));
    const TKilpailija &k = slot(n);
    EXPECT_EQ((std::array{k.Kana[BBPR], k.Sika[BBPR], k.Kalkkuna[BBPR], k.Passi[BBPR]}),
        (std::array{10, 9, 8, 7}));
    EXPECT_EQ(k.Yhteensa[BBPR], 34);
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_TRUE(prompts.errors.isEmpty());
    snapshot(resultEntry, QStringLiteral("result-entry"));
}

TEST_F(ResultEntryTest, ImplausibleFieldsAreMarkedAsTypedAndFollowTheShownCompetitor)
{
    kilpailu->tiedot.Laukaukset.fill(40);
    const int n = showShooter();
    // Berg's card has the same hits as Aalto's will have, but a total one short.
    const int other = add(QStringLiteral("Berg Anna"));
    slot(other).Osallistuu[BBPR] = true;
    setHits(slot(other), BBPR, {10, 10, 10, 10}, 39);
    fillNameLists();
    const auto marked = [&](const char *name) {
        QLineEdit *f = field(QLatin1String(name));
        return f->property("implausible").toBool() ? f->toolTip() : QString();
    };

    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("11"));
    EXPECT_EQ(
        marked("BBPRKana"), QStringLiteral("Chicken hits above 10, the targets of one animal"));
    EXPECT_FALSE(field(QStringLiteral("BBPRKana"))->styleSheet().isEmpty()) << "tinted";
    EXPECT_EQ(marked("BBPRYhteensa"), QString()) << "the total follows the hits";
    EXPECT_TRUE(prompts.informations.isEmpty() && prompts.errors.isEmpty())
        << "nothing interrupts the typing";
    EXPECT_EQ(slot(n).Kana[BBPR], 11) << "nothing is refused";
    snapshot(resultEntry, QStringLiteral("result-entry-marked"));

    for (const char *name : {"BBPRKana", "BBPRSika", "BBPRKalkkuna", "BBPRPassi"})
        typeInto(field(QLatin1String(name)), QStringLiteral("10"));
    EXPECT_EQ(marked("BBPRKana"), QString());
    EXPECT_TRUE(field(QStringLiteral("BBPRKana"))->toolTip().isEmpty());
    typeInto(field(QStringLiteral("BBPRYhteensa")), QStringLiteral("38"));
    EXPECT_EQ(marked("BBPRYhteensa"), QStringLiteral("Total 38 is not the sum of the hits, 40"))
        << "a typed total that disagrees is kept and marked";
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 38);
    typeInto(field(QStringLiteral("BBPRYhteensa")), QStringLiteral("40"));

    // Opened from the check list: no names typed on the way, so the stored total stays.
    resultEntry->showCompetitor(other, BBPR);
    EXPECT_EQ(marked("BBPRYhteensa"), QStringLiteral("Total 39 is not the sum of the hits, 40"));
    resultEntry->showCompetitor(n, BBPR);
    EXPECT_EQ(marked("BBPRYhteensa"), QString()) << "the marks follow the shown competitor";
}

TEST_F(ResultEntryTest, EmptiedHitFieldStoresZeroAndTheTotalFollows)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBPR] = true;
    setHits(slot(n), BBPR, {10, 9, 8, 7}, 34);
    fillNameLists();
    show(resultEntry);
    kilpailu->Muutettu = false;

    deleteText(field(QStringLiteral("BBPRSika")));
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10  8 7 25"));
    EXPECT_EQ(slot(n).Sika[BBPR], 0) << "what the screen shows is what is stored";
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 25);
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_TRUE(field(QStringLiteral("BBPRYhteensa"))->toolTip().isEmpty())
        << "no rule speaks of numbers no one sees";

    QTest::keyClicks(field(QStringLiteral("BBPRSika")), QStringLiteral("5"));
    EXPECT_EQ(slot(n).Sika[BBPR], 5);
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 30);
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10 5 8 7 30"));
}

TEST_F(ResultEntryTest, TypedTotalIsStoredAtOnceAndKeptWhenTheCompetitorIsShownAgain)
{
    kilpailu->tiedot.Laukaukset.fill(40);
    const int n = add(QStringLiteral("Aalto Pekka"));
    const int other = add(QStringLiteral("Berg Anna"));
    slot(n).Osallistuu[BBPP] = slot(other).Osallistuu[BBPP] = true;
    setHits(slot(other), BBPP, {1, 1, 1, 1}, 4);
    fillNameLists();
    show(resultEntry);
    for (const auto &[name, hits] : {std::pair{"BBPPKana", "5"}, std::pair{"BBPPSika", "5"},
             std::pair{"BBPPKalkkuna", "4"}, std::pair{"BBPPPassi", "4"}})
        typeInto(field(QLatin1String(name)), QLatin1String(hits));
    ASSERT_EQ(slot(n).Yhteensa[BBPP], 18);

    typeInto(field(QStringLiteral("BBPPYhteensa")), QStringLiteral("30"));
    EXPECT_EQ(slot(n).Yhteensa[BBPP], 30) << "stored at once";
    EXPECT_EQ(field(QStringLiteral("BBPPYhteensa"))->toolTip(),
        QStringLiteral("Total 30 is not the sum of the hits, 18"));

    choose(QStringLiteral("Berg Anna"));
    choose(QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(rowTexts(QStringLiteral("BBPP")), QStringLiteral("5 5 4 4 30"));
    EXPECT_EQ(slot(n).Yhteensa[BBPP], 30) << "showing him again rewrites nothing";
    EXPECT_EQ(slot(other).Yhteensa[BBPP], 4);

    typeInto(field(QStringLiteral("BBPPKana")), QStringLiteral("6"));
    EXPECT_EQ(slot(n).Yhteensa[BBPP], 19) << "a hit typed later makes the total the sum again";
}

TEST_F(ResultEntryTest, LettersAndSignsNeverReachANumberField)
{
    const int n = showShooter();
    for (const char *name : {"BBPRKana", "BBPRYhteensa"}) {
        typeInto(field(QLatin1String(name)), QStringLiteral("x-+ a"));
        EXPECT_EQ(field(QLatin1String(name))->text(), QStringLiteral("0")) << name;
    }
    typeInto(field(QStringLiteral("BBPRSika")), QStringLiteral("a1b2"));
    EXPECT_EQ(field(QStringLiteral("BBPRSika"))->text(), QStringLiteral("12"));
    EXPECT_EQ(slot(n).Sika[BBPR], 12);
    EXPECT_EQ(slot(n).Kana[BBPR], 0);
    EXPECT_TRUE(prompts.errors.isEmpty()) << "no error box at any keystroke";
}

TEST_F(ResultEntryTest, SumBeyondThirtyTwoBitsIsAnIntegerOverflow)
{
    prompts.expectError(QStringLiteral("Integer overflow"));
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBPR] = true;
    // A count no field can take any more, read from an old file.
    setHits(slot(n), BBPR, {2147483647, 0, 0, 0}, 2147483647);
    fillNameLists();
    show(resultEntry);
    typeInto(field(QStringLiteral("BBPRPassi")), QStringLiteral("1"));

    EXPECT_EQ(prompts.errors, QStringList{QStringLiteral("Integer overflow")});
    EXPECT_EQ(slot(n).Passi[BBPR], 0) << "the handler stopped before storing the ram";
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 2147483647);
    EXPECT_EQ(field(QStringLiteral("BBPRYhteensa"))->text(), QStringLiteral("2147483647"));
}

TEST_F(ResultEntryTest, ShootOffEntryKeepsTwoCharactersUntilClearFinals)
{
    const int n = showShooter();
    QLineEdit *f3 = field(QStringLiteral("BBPRf3"));
    typeInto(f3, QStringLiteral("123"));
    EXPECT_EQ(slot(n).f[2][BBPR].text(), QStringLiteral("12"));
    EXPECT_EQ(f3->text(), QStringLiteral("123"));

    deleteText(f3);
    EXPECT_EQ(slot(n).f[2][BBPR].text(), QStringLiteral("12")) << "emptying a field stores nothing";

    typeInto(field(QStringLiteral("BBPRf1")), QStringLiteral("5"));
    kilpailu->Muutettu = false;
    click(child<QPushButton>(resultEntry, QStringLiteral("ClearFinalsBBPR")));
    for (int k = 0; k < FinaaliCount; ++k) {
        EXPECT_TRUE(slot(n).f[static_cast<size_t>(k)][BBPR].isEmpty()) << k;
        EXPECT_EQ(field(QStringLiteral("BBPRf%1").arg(k + 1))->text(), QString()) << k;
    }
    EXPECT_TRUE(kilpailu->Muutettu);
}

TEST_F(ResultEntryTest, EveryRowHasItsClearFinalsButtonAlwaysEnabled)
{
    showShooter();
    for (const DisciplineInfo &info : Disciplines) {
        const QString prefix
            = info.d == BBPS ? QStringLiteral("ClarFinals") : QStringLiteral("ClearFinals");
        auto *button = child<QPushButton>(resultEntry, prefix + QLatin1String(info.code));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Clear Finals"));
        EXPECT_TRUE(button->isEnabled()) << info.code;
    }
}

TEST_F(ResultEntryTest, PInAStandingSmallBorePistolShootOffIsEmptiedOnExitOnly)
{
    const int n = showShooter();
    slot(n).Osallistuu[BBPR] = true;
    typeInto(field(QStringLiteral("SBPSf2")), QStringLiteral("p"));
    typeInto(field(QStringLiteral("BBPRf2")), QStringLiteral("p"));
    EXPECT_EQ(slot(n).f[1][SBPS].text(), QStringLiteral("p"));

    QSignalSpy refresh(resultEntry, &ResultEntryDialog::updateRequested);
    click(child<QPushButton>(resultEntry, QStringLiteral("Exit")));

    EXPECT_TRUE(slot(n).f[1][SBPS].isEmpty());
    EXPECT_EQ(field(QStringLiteral("SBPSf2"))->text(), QStringLiteral("p"));
    EXPECT_EQ(slot(n).f[1][BBPR].text(), QStringLiteral("p")) << "only the SBPS row";
    EXPECT_EQ(refresh.count(), 1);
    EXPECT_FALSE(resultEntry->isVisible());
}

enum class WayOut { ExitButton, EscapeKey, CloseBox };

class LeavingResultEntry : public ResultEntryTest, public ::testing::WithParamInterface<WayOut>
{
};

TEST_P(LeavingResultEntry, RefreshesAndEmptiesThePInStandingSmallBorePistol)
{
    const int n = showShooter();
    typeInto(field(QStringLiteral("SBPSf1")), QStringLiteral("p"));
    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("7"));
    QSignalSpy refresh(resultEntry, &ResultEntryDialog::updateRequested);

    switch (GetParam()) {
    case WayOut::ExitButton: click(child<QPushButton>(resultEntry, QStringLiteral("Exit"))); break;
    case WayOut::EscapeKey:
        QTest::keyClick(field(QStringLiteral("BBPRKana")), Qt::Key_Escape);
        break;
    case WayOut::CloseBox: resultEntry->close(); break;
    }

    EXPECT_FALSE(resultEntry->isVisible());
    EXPECT_EQ(refresh.count(), 1);
    EXPECT_TRUE(slot(n).f[0][SBPS].isEmpty());
    EXPECT_EQ(slot(n).Kana[BBPR], 7);
}

INSTANTIATE_TEST_SUITE_P(ResultEntry, LeavingResultEntry,
    ::testing::Values(WayOut::ExitButton, WayOut::EscapeKey, WayOut::CloseBox),
    [](const auto &info) {
        switch (info.param) {
        case WayOut::ExitButton: return std::string("ExitButton");
        case WayOut::EscapeKey: return std::string("EscapeKey");
        case WayOut::CloseBox: return std::string("CloseBox");
        }
        return std::string();
    });

TEST_F(ResultEntryTest, EnterInAFieldDoesNotLeave)
{
    showShooter();
    QSignalSpy refresh(resultEntry, &ResultEntryDialog::updateRequested);
    QTest::keyClick(field(QStringLiteral("BBPRKana")), Qt::Key_Return);
    EXPECT_TRUE(resultEntry->isVisible());
    EXPECT_EQ(refresh.count(), 0);
}

TEST_F(ResultEntryTest, UnknownNameShowsSlot500)
{
    showShooter();
    choose(QStringLiteral("Nobody"));

    EXPECT_EQ(resultEntry->shownSlot(), MaxKilpailijat);
    EXPECT_EQ(label(QStringLiteral("KilpNumeroLabel")), QStringLiteral("0"));
    EXPECT_EQ(label(QStringLiteral("shownName")), QString());
    EXPECT_FALSE(field(QStringLiteral("BBPRKana"))->isEnabled());
    EXPECT_FALSE(field(QStringLiteral("SBPSf1"))->isEnabled());
}

TEST_F(ResultEntryTest, EmptyRegisterShowsSlotOneWithZerosAndEveryRowDisabled)
{
    show(resultEntry);

    EXPECT_EQ(resultEntry->shownSlot(), 1);
    EXPECT_EQ(label(QStringLiteral("KilpNumeroLabel")), QStringLiteral("0"));
    EXPECT_EQ(nameList()->currentText(), QString());
    for (const DisciplineInfo &info : Disciplines) {
        const QString code = QLatin1String(info.code);
        EXPECT_EQ(rowTexts(code), QStringLiteral("0 0 0 0 0")) << info.code;
        for (const char *suffix : {"Kana", "Sika", "Kalkkuna", "Passi", "Yhteensa", "f1", "f5"})
            EXPECT_FALSE(field(code + QLatin1String(suffix))->isEnabled()) << info.code << suffix;
    }
    snapshot(resultEntry, QStringLiteral("result-entry-empty"));
}

TEST_F(ResultEntryTest, ShowsTheLowestNumberedSlotEvenWhenItsCompetitorWasRemoved)
{
    const int removed = add(QStringLiteral("Aalto Pekka"));
    const int other = add(QStringLiteral("Berg Anna"));
    slot(removed).Osallistuu[BBPR] = slot(other).Osallistuu[BBPR] = true;
    kilpailu->removeCompetitor(removed);
    show(resultEntry);

    EXPECT_EQ(resultEntry->shownSlot(), removed);
    EXPECT_EQ(label(QStringLiteral("KilpNumeroLabel")), QStringLiteral("1"));
    EXPECT_EQ(nameList()->currentText(), QString());
    EXPECT_FALSE(field(QStringLiteral("BBPRKana"))->isEnabled());
}

TEST_F(ResultEntryTest, ChoosingACompetitorShowsHimAndEnablesHisRows)
{
    const int first = add(QStringLiteral("Aalto Pekka"));
    const int second = add(QStringLiteral("Berg Anna"));
    const int twin = add(QStringLiteral("Aalto Pekka"));
    slot(first).Osallistuu[BBPR] = true;
    slot(second).Osallistuu[FPP] = true;
    setHits(slot(second), FPP, {7, 6, 5, 4}, 22);
    slot(second).f[4][FPP].setText(QStringLiteral("9"));
    slot(twin).Osallistuu[SBRL] = true;
    fillNameLists();
    show(resultEntry);

    choose(QStringLiteral("Berg Anna"));
    EXPECT_EQ(resultEntry->shownSlot(), second);
    EXPECT_EQ(label(QStringLiteral("KilpNumeroLabel")), QStringLiteral("2"));
    EXPECT_EQ(label(QStringLiteral("shownName")), QStringLiteral("Berg Anna"));
    EXPECT_EQ(rowTexts(QStringLiteral("FPP")), QStringLiteral("7 6 5 4 22"));
    EXPECT_EQ(field(QStringLiteral("FPPf5"))->text(), QStringLiteral("9"));
    EXPECT_TRUE(field(QStringLiteral("FPPKana"))->isEnabled());
    EXPECT_FALSE(field(QStringLiteral("BBPRKana"))->isEnabled());

    choose(QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(resultEntry->shownSlot(), first) << "of two equal names, the lower slot";
}

TEST_F(ResultEntryTest, ChoosingTheShownCompetitorStoresNothingAndLeavesTheUnsavedFlag)
{
    const int n = showShooter();
    const QByteArray before = slot(n).toBytes();
    nameList()->setCurrentIndex(-1);
    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(nameList(), Qt::Key_Delete);
    kilpailu->Muutettu = false;
    slot(n).Yhteensa[BBPR] = 99;

    QTest::keyClicks(nameList(), QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(resultEntry->shownSlot(), n);
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 99) << "showing works nothing out";
    EXPECT_EQ(field(QStringLiteral("BBPRYhteensa"))->text(), QStringLiteral("99"));
    EXPECT_FALSE(kilpailu->Muutettu) << "nothing changed, so there is nothing to save";
    slot(n).Yhteensa[BBPR] = 0;
    EXPECT_EQ(slot(n).toBytes(), before);
}

TEST_F(ResultEntryTest, ShowingCompetitorsStoresNothingAndShowsEachTotalAsStored)
{
    const int a = add(QStringLiteral("Aalto Pekka"));
    const int b = add(QStringLiteral("Berg Anna"));
    const int c = add(QStringLiteral("Carlsson Eva"));
    setHits(slot(a), BBRS, {1, 2, 3, 4}, 10);
    setHits(slot(b), BBRS, {5, 5, 5, 5}, 30);
    setHits(slot(c), BBRS, {5, 5, 5, 5}, 31);
    fillNameLists();
    show(resultEntry);
    kilpailu->Muutettu = false;

    ASSERT_EQ(resultEntry->shownSlot(), a);
    // Down picks the next name of the list, as the official does with the arrow keys.
    QTest::keyClick(nameList(), Qt::Key_Down);
    ASSERT_EQ(resultEntry->shownSlot(), b);
    EXPECT_EQ(field(QStringLiteral("BBRSYhteensa"))->text(), QStringLiteral("30"));
    QTest::keyClick(nameList(), Qt::Key_Down);
    ASSERT_EQ(resultEntry->shownSlot(), c);
    EXPECT_EQ(field(QStringLiteral("BBRSYhteensa"))->text(), QStringLiteral("31"));
    choose(QStringLiteral("Carlsson Eva"));
    EXPECT_EQ((std::array{slot(a).Yhteensa[BBRS], slot(b).Yhteensa[BBRS], slot(c).Yhteensa[BBRS]}),
        (std::array{10, 30, 31}));
    EXPECT_FALSE(kilpailu->Muutettu);
}

TEST_F(ResultEntryTest, SwitchingAwayFromAnEmptiedFieldShowsTheNewCompetitorCleanly)
{
    const int a = add(QStringLiteral("Aalto Pekka"));
    const int b = add(QStringLiteral("Berg Anna"));
    slot(a).Osallistuu[BBPR] = slot(a).Osallistuu[BBPC] = true;
    slot(b).Osallistuu[SBRS] = true;
    setHits(slot(b), BBPR, {4, 4, 4, 4}, 16);
    setHits(slot(b), SBRS, {2, 3, 4, 5}, 14);
    slot(b).f[0][BBPC].setText(QStringLiteral("7"));
    fillNameLists();
    show(resultEntry);
    deleteText(field(QStringLiteral("BBPCYhteensa")));
    deleteText(field(QStringLiteral("BBPCKalkkuna")));
    const QByteArray aBefore = slot(a).toBytes();
    const QByteArray bExpected = slot(b).toBytes();

    choose(QStringLiteral("Berg Anna"));

    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("4 4 4 4 16"));
    EXPECT_EQ(rowTexts(QStringLiteral("BBPC")), QStringLiteral("0 0 0 0 0"));
    EXPECT_EQ(field(QStringLiteral("BBPCf1"))->text(), QStringLiteral("7"));
    EXPECT_EQ(rowTexts(QStringLiteral("SBRS")), QStringLiteral("2 3 4 5 14"));
    EXPECT_FALSE(field(QStringLiteral("BBPRKana"))->isEnabled());
    EXPECT_TRUE(field(QStringLiteral("SBRSKana"))->isEnabled());
    EXPECT_EQ(slot(a).toBytes(), aBefore) << "nothing stored into the competitor left";
    EXPECT_EQ(slot(b).toBytes(), bExpected) << "nothing stored into the one shown";
}

TEST_F(ResultEntryTest, TabCrossesTheEnabledRowsLeftToRightAndTopToBottom)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBPS] = slot(n).Osallistuu[SBPR] = true;
    fillNameLists();
    show(resultEntry);

    const auto clear = [](const char *code) {
        return (QLatin1String(code) == QLatin1String("BBPS") ? QStringLiteral("ClarFinals")
                                                             : QStringLiteral("ClearFinals"))
            + QLatin1String(code);
    };
    const auto inputs = [](const char *code) {
        QStringList names;
        for (const char *suffix :
            {"Kana", "Sika", "Kalkkuna", "Passi", "Yhteensa", "f1", "f2", "f3", "f4", "f5"})
            names << QLatin1String(code) + QLatin1String(suffix);
        return names;
    };
    // Screen order: the hit fields and total of the entered rows; shoot-off fields and
    // "Clear Finals" are passed by.
    QStringList expected = inputs("BBPS").mid(0, 5) + inputs("SBPR").mid(0, 5);
    expected << QStringLiteral("Exit") << QStringLiteral("competitorNameList");
    EXPECT_EQ(tabStops(nameList(), static_cast<int>(expected.size())), expected);

    // Still reachable on purpose: a click puts the cursor in a shoot-off field.
    QTest::mouseClick(field(QStringLiteral("SBPRf2")), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), field(QStringLiteral("SBPRf2")));
    QTest::mouseClick(child<QPushButton>(resultEntry, clear("SBPR")), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), clear("SBPR"));
}

TEST_F(ResultEntryTest, KeyboardAloneFindsACompetitorByNumberAndEntersFourDisciplines)
{
    add(QStringLiteral("Aalto Pekka"));
    add(QStringLiteral("Berg Anna"));
    const int n = add(QStringLiteral("Carlsson Eva"));
    for (const Laji d : {BBPR, BBPS, SBRS, SBPU})
        slot(n).Osallistuu[d] = true;
    fillNameLists();
    show(resultEntry);
    const auto type = [](const QString &keys) {
        for (const QChar c : keys) {
            QWidget *focused = QApplication::focusWidget();
            ASSERT_NE(focused, nullptr);
            if (c == u'\n')
                QTest::keyClick(focused, Qt::Key_Return);
            else
                QTest::keyClick(focused, static_cast<char>(c.unicode()));
        }
    };

    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    type(QString::number(slot(n).Numero) + QLatin1Char('\n'));
    ASSERT_EQ(resultEntry->shownSlot(), n);
    EXPECT_EQ(label(QStringLiteral("shownName")), QStringLiteral("Carlsson Eva"));
    // Four hits and Enter each, then Enter over the total that followed them.
    type(QStringLiteral("10\n9\n8\n7\n\n"));
    type(QStringLiteral("1\n2\n3\n4\n\n"));
    type(QStringLiteral("5\n5\n5\n5\n\n"));
    type(QStringLiteral("0\n1\n0\n1\n\n"));

    const TKilpailija &k = slot(n);
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10 9 8 7 34"));
    EXPECT_EQ((std::array{k.Yhteensa[BBPR], k.Yhteensa[BBPS], k.Yhteensa[SBRS], k.Yhteensa[SBPU]}),
        (std::array{34, 10, 20, 2}));
    EXPECT_EQ((std::array{k.Kana[SBPU], k.Sika[SBPU], k.Kalkkuna[SBPU], k.Passi[SBPU]}),
        (std::array{0, 1, 0, 1}));
    QWidget *focused = QApplication::focusWidget();
    EXPECT_TRUE(focused && (focused == nameList() || focused->parentWidget() == nameList()))
        << "after the last field the cursor is back on the competitor choice";
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(ResultEntryTest, ACompetitorOpenedToCorrectShowsTheCursorInTheBrokenField)
{
    kilpailu->tiedot.Laukaukset.fill(40);
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[SBRS] = true;
    setHits(slot(n), SBRS, {5, 12, 5, 5}, 27);
    fillNameLists();
    show(resultEntry);

    resultEntry->showCompetitor(n, SBRS);
    EXPECT_EQ(resultEntry->focusWidget(), field(QStringLiteral("SBRSSika")));
    slot(n).Sika[SBRS] = 7;
    resultEntry->showCompetitor(n, SBRS);
    EXPECT_EQ(resultEntry->focusWidget(), field(QStringLiteral("SBRSYhteensa")));
}

// A score card's barcode typed by a USB scanner into the competitor field: the text and Enter.
class ScannedCardTest : public ResultEntryTest
{
protected:
    int showCards()
    {
        add(QStringLiteral("Aalto Pekka"));
        const int n = add(QStringLiteral("Berg Anna"));
        slot(n).Osallistuu[BBPR] = slot(n).Osallistuu[SBRS] = true;
        fillNameLists();
        show(resultEntry);
        kilpailu->Muutettu = false;
        return n;
    }
    void scan(const QString &text)
    {
        nameList()->setFocus();
        QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(nameList(), text);
        QTest::keyClick(nameList(), Qt::Key_Return);
    }
};

TEST_F(ScannedCardTest, CardSelectsItsCompetitorWithTheCursorInTheDisciplinesFirstHit)
{
    const int n = showCards();
    const QString number = QString::number(slot(n).Numero);
    scan(number + QStringLiteral("/SBRS"));
    ASSERT_EQ(resultEntry->shownSlot(), n);
    EXPECT_EQ(nameList()->currentText(), QStringLiteral("Berg Anna"));
    EXPECT_EQ(QApplication::focusWidget(), field(QStringLiteral("SBRSKana")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    EXPECT_EQ(slot(n).Kana[SBRS], 9) << "the hits go to the scanned card's discipline";

    scan(number + QStringLiteral("/BBPR"));
    EXPECT_EQ(QApplication::focusWidget(), field(QStringLiteral("BBPRKana")));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(ScannedCardTest, CardScannedIntoAHitFieldLeavesTheHitsAndIsTakenAsACard)
{
    const int n = showCards();
    const int other = add(QStringLiteral("Carlsson Eva"));
    slot(other).Osallistuu[BBPR] = true;
    fillNameLists();
    scan(QString::number(slot(n).Numero) + QStringLiteral("/BBPR"));
    ASSERT_EQ(QApplication::focusWidget(), field(QStringLiteral("BBPRKana")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), field(QStringLiteral("BBPRSika")));

    // The next card, scanned before the cursor went back to the competitor field: the keys go
    // where the cursor is, as from the scanner.
    for (const QChar c : QString::number(slot(other).Numero) + QStringLiteral("/BBPR\n")) {
        QWidget *focused = QApplication::focusWidget();
        if (c == u'\n')
            QTest::keyClick(focused, Qt::Key_Return);
        else
            QTest::keyClick(focused, static_cast<char>(c.unicode()));
    }
    EXPECT_EQ(slot(n).Kana[BBPR], 7);
    EXPECT_EQ(slot(n).Sika[BBPR], 0) << "the scanner's digits are no hits";
    EXPECT_EQ(resultEntry->shownSlot(), other);
    EXPECT_EQ(QApplication::focusWidget(), field(QStringLiteral("BBPRKana")));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(QLatin1Char('|')).toStdString();
    // The scan left no step of its own: the official's undo takes back the hit typed.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slot(n).Kana[BBPR], 0);
}

struct BadCardCase
{
    const char *name;
    const char *card; // %1 is the competitor's number
    const char *message; // a part of the message
};

class BadCardTest : public ScannedCardTest, public ::testing::WithParamInterface<BadCardCase>
{
};

TEST_P(BadCardTest, IsToldAndChangesNothing)
{
    const int n = showCards();
    slot(n).Kana[BBPR] = 4;
    const QString card = QString::fromLatin1(GetParam().card).arg(slot(n).Numero);
    prompts.expectAnyError();
    scan(card);
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QLatin1String(GetParam().message)))
        << prompts.errors.first().toStdString();
    EXPECT_TRUE(prompts.errors.first().contains(card));
    EXPECT_FALSE(kilpailu->Muutettu);
    EXPECT_EQ(slot(n).Kana[BBPR], 4);
    QWidget *focused = QApplication::focusWidget();
    EXPECT_TRUE(focused && (focused == nameList() || focused->parentWidget() == nameList()))
        << "the next scan goes to the competitor field";
    EXPECT_EQ(nameList()->lineEdit()->selectedText(), card) << "and replaces the text";
}

INSTANTIATE_TEST_SUITE_P(Cards, BadCardTest,
    ::testing::Values(
        BadCardCase{"UnknownNumber", "9999/BBPR", "No competitor has the number 9999"},
        BadCardCase{"UnknownDiscipline", "%1/BBPX", "BBPX is no discipline"},
        BadCardCase{"DisciplineNotEntered", "%1/SBPU", "does not shoot SBPU"}),
    NamedBy<&BadCardCase::name>());

struct IntCase
{
    const char *text;
    std::optional<std::int32_t> value;
};

class TextToInt : public ::testing::TestWithParam<IntCase>
{
};

TEST_P(TextToInt, ReadsWhatTheStandardConversionReads)
{
    EXPECT_EQ(textToInt(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(ResultEntry, TextToInt,
    ::testing::Values(IntCase{"34", 34}, IntCase{"0", 0}, IntCase{"007", 7}, IntCase{"   12", 12},
        IntCase{"-3", -3}, IntCase{"+4", 4}, IntCase{"$1F", 31}, IntCase{"x10", 16},
        IntCase{"X1a", 26}, IntCase{"0x10", 16}, IntCase{"0X10", 16}, IntCase{"-$10", -16},
        IntCase{"2147483647", 2147483647},
        IntCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
        IntCase{"2147483648", std::nullopt}, IntCase{"", std::nullopt}, IntCase{" ", std::nullopt},
        IntCase{"12 ", std::nullopt}, IntCase{"1 2", std::nullopt}, IntCase{"x", std::nullopt},
        IntCase{"$", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"1e3", std::nullopt},
        IntCase{"$G", std::nullopt}, IntCase{"٣", std::nullopt},
        IntCase{"99999999999", std::nullopt}),
    [](const auto &info) { return paramName(info.param.text); });

} // namespace
