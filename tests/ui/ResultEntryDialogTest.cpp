// The result entry dialog: hits, totals and shoot-off entries typed as an official types them.
#include "DialogFixture.h"
#include "support/ParamName.h"

#include <QPushButton>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QString NotANumber = QStringLiteral("''%1'' is not a valid integer value");

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

    // The lone "-" on the way to "-1" is the dialog's usual conversion error.
    prompts.expectError(NotANumber.arg(QStringLiteral("-")));
    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("-1"));
    EXPECT_EQ(marked("BBPRKana"), QStringLiteral("Chicken hits below 0"));
    for (const char *name : {"BBPRKana", "BBPRSika", "BBPRKalkkuna", "BBPRPassi"})
        typeInto(field(QLatin1String(name)), QStringLiteral("10"));
    EXPECT_EQ(marked("BBPRKana"), QString());
    EXPECT_TRUE(field(QStringLiteral("BBPRKana"))->toolTip().isEmpty());

    // Opened from the check list: no names typed on the way, so the stored total stays.
    resultEntry->showCompetitor(other, BBPR);
    EXPECT_EQ(marked("BBPRYhteensa"), QStringLiteral("Total 39 is not the sum of the hits, 40"));
    resultEntry->showCompetitor(n, BBPR);
    EXPECT_EQ(marked("BBPRYhteensa"), QString()) << "the marks follow the shown competitor";
}

TEST_F(ResultEntryTest, DeletedHitStoresNothingAndKeepsTheTotalUntilRetyped)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBPR] = true;
    setHits(slot(n), BBPR, {10, 9, 8, 7}, 34);
    fillNameLists();
    show(resultEntry);
    kilpailu->Muutettu = false;

    deleteText(field(QStringLiteral("BBPRSika")));
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10  8 7 34"));
    EXPECT_EQ(slot(n).Sika[BBPR], 9) << "nothing stored for pig";
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 34);
    EXPECT_TRUE(kilpailu->Muutettu);

    QTest::keyClicks(field(QStringLiteral("BBPRSika")), QStringLiteral("5"));
    EXPECT_EQ(slot(n).Sika[BBPR], 5);
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 30);
    EXPECT_EQ(rowTexts(QStringLiteral("BBPR")), QStringLiteral("10 5 8 7 30"));
}

TEST_F(ResultEntryTest, TotalTypedWhileAHitIsEmptyIsStoredWhenTheNextHitIsTyped)
{
    const int n = showShooter();
    deleteText(field(QStringLiteral("BBPRPassi")));
    typeInto(field(QStringLiteral("BBPRYhteensa")), QStringLiteral("40"));
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 0) << "the total field has no handler of its own";

    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("3"));
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 40);
    QTest::keyClicks(field(QStringLiteral("BBPRPassi")), QStringLiteral("2"));
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 5) << "all four filled: the sum overwrites it";
}

TEST_F(ResultEntryTest, TextThatIsNoNumberShowsTheConversionErrorAndStoresNothing)
{
    prompts.expectError(NotANumber.arg(QStringLiteral("x")));
    const int n = showShooter();
    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("x"));

    EXPECT_EQ(prompts.errors, QStringList{NotANumber.arg(QStringLiteral("x"))});
    EXPECT_EQ(slot(n).Kana[BBPR], 0);
    EXPECT_FALSE(kilpailu->Muutettu);

    prompts.errors.clear();
    typeInto(field(QStringLiteral("BBPRSika")), QStringLiteral("4"));
    EXPECT_EQ(prompts.errors, QStringList{NotANumber.arg(QStringLiteral("x"))})
        << "the bad chicken text blocks the sum of every later change in the row";
    EXPECT_EQ(slot(n).Sika[BBPR], 0);
}

TEST_F(ResultEntryTest, SumBeyondThirtyTwoBitsIsAnIntegerOverflow)
{
    prompts.expectError(QStringLiteral("Integer overflow"));
    const int n = showShooter();
    typeInto(field(QStringLiteral("BBPRKana")), QStringLiteral("2147483647"));
    ASSERT_EQ(slot(n).Yhteensa[BBPR], 2147483647);
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

TEST_F(ResultEntryTest, EscapeIsExitAndTheCloseBoxSkipsTheRefresh)
{
    const int n = showShooter();
    typeInto(field(QStringLiteral("SBPSf1")), QStringLiteral("p"));
    QSignalSpy refresh(resultEntry, &ResultEntryDialog::updateRequested);

    resultEntry->close();
    EXPECT_EQ(refresh.count(), 0);
    EXPECT_EQ(slot(n).f[0][SBPS].text(), QStringLiteral("p"));

    show(resultEntry);
    QTest::keyClick(field(QStringLiteral("SBPSf1")), Qt::Key_Escape);
    EXPECT_EQ(refresh.count(), 1);
    EXPECT_TRUE(slot(n).f[0][SBPS].isEmpty());
    EXPECT_FALSE(resultEntry->isVisible());
}

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

TEST_F(ResultEntryTest, ChoosingTheShownCompetitorStoresNothingButSetsTheUnsavedFlag)
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
    EXPECT_EQ(slot(n).Yhteensa[BBPR], 99) << "no hit text changed, so no total was worked out";
    EXPECT_TRUE(kilpailu->Muutettu);
    slot(n).Yhteensa[BBPR] = 0;
    EXPECT_EQ(slot(n).toBytes(), before);
}

TEST_F(ResultEntryTest, ShownCompetitorGetsTheSumAsTotalWhenHisHitTextsDiffer)
{
    const int a = add(QStringLiteral("Aalto Pekka"));
    const int b = add(QStringLiteral("Berg Anna"));
    const int c = add(QStringLiteral("Carlsson Eva"));
    setHits(slot(a), BBRS, {1, 2, 3, 4}, 10);
    setHits(slot(b), BBRS, {5, 5, 5, 5}, 30);
    setHits(slot(c), BBRS, {5, 5, 5, 5}, 31);
    fillNameLists();
    show(resultEntry);

    ASSERT_EQ(resultEntry->shownSlot(), a);
    // Down picks the next name of the list, as the official does with the arrow keys.
    QTest::keyClick(nameList(), Qt::Key_Down);
    ASSERT_EQ(resultEntry->shownSlot(), b);
    EXPECT_EQ(slot(b).Yhteensa[BBRS], 20);
    EXPECT_EQ(field(QStringLiteral("BBRSYhteensa"))->text(), QStringLiteral("20"));
    QTest::keyClick(nameList(), Qt::Key_Down);
    ASSERT_EQ(resultEntry->shownSlot(), c);
    EXPECT_EQ(slot(c).Yhteensa[BBRS], 31) << "the same hit texts: nothing runs";
    EXPECT_EQ(field(QStringLiteral("BBRSYhteensa"))->text(), QStringLiteral("31"));
    EXPECT_EQ(slot(a).Yhteensa[BBRS], 10) << "the competitor left behind is untouched";

    choose(QStringLiteral("Carlsson Eva"));
    EXPECT_EQ(slot(c).Yhteensa[BBRS], 20)
        << "typed key by key, the name passed slot 500 on its way, whose hit texts differ";
}

TEST_F(ResultEntryTest, SwitchingAwayFromATextThatIsNoNumberShowsTheNewCompetitorCleanly)
{
    prompts.expectError(NotANumber.arg(QStringLiteral("x")));
    prompts.expectError(NotANumber.arg(QStringLiteral("y")));
    const int a = add(QStringLiteral("Aalto Pekka"));
    const int b = add(QStringLiteral("Berg Anna"));
    slot(a).Osallistuu[BBPR] = slot(a).Osallistuu[BBPC] = true;
    slot(b).Osallistuu[SBRS] = true;
    setHits(slot(b), BBPR, {4, 4, 4, 4}, 16);
    setHits(slot(b), SBRS, {2, 3, 4, 5}, 14);
    slot(b).f[0][BBPC].setText(QStringLiteral("7"));
    fillNameLists();
    show(resultEntry);
    typeInto(field(QStringLiteral("BBPRSika")), QStringLiteral("x"));
    typeInto(field(QStringLiteral("BBPCYhteensa")), QStringLiteral("y"));
    deleteText(field(QStringLiteral("BBPCKalkkuna")));
    prompts.errors.clear();
    const QByteArray aBefore = slot(a).toBytes();
    QByteArray bExpected;
    {
        TKilpailija expected = slot(b);
        expected.Yhteensa[BBPR] = 16;
        bExpected = expected.toBytes();
    }

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
    // Screen order: BBP, FP, SBR, BBR and SBP blocks; a disabled row offers its button only.
    QStringList expected;
    for (const char *code : {"BBPR", "BBPC", "BBPP", "BBPS", "BBPU", "FPP", "FPPAS", "SBRS", "SBRL",
             "BBRS", "BBRH", "SBPR", "SBPC", "SBPP", "SBPS", "SBPU"}) {
        if (QLatin1String(code) == QLatin1String("BBPS")
            || QLatin1String(code) == QLatin1String("SBPR"))
            expected << inputs(code);
        expected << clear(code);
    }
    expected << QStringLiteral("Exit") << QStringLiteral("competitorNameList");

    EXPECT_EQ(tabStops(nameList(), static_cast<int>(expected.size())), expected);
}

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
