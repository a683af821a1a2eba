// The match info dialog: filling, OK and Cancel, the level, the shot counts and the tabs shown.
#include "ui/MatchInfoDialog.h"

#include "ProgramFixture.h"
#include "files/MatchFiles.h"
#include "support/ParamName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace marvola;
using namespace marvola::testing;

namespace {

class MatchInfoTest : public ProgramTest
{
protected:
    MatchInfoDialog *dialog = program.dialogs().matchInfo;
    TKilpailunTiedot &tiedot() { return kilpailu().tiedot; }

    void open()
    {
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    }
    template<typename T> T *control(const char *name)
    {
        auto *found = dialog->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void press(const char *button) { control<QPushButton>(button)->click(); }
    // Types into a field as the user does.
    void type(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void typeLevel(const QString &text) { type(control<QComboBox>("levelList")->lineEdit(), text); }
};

TEST_F(MatchInfoTest, OkInANewMatchHidesEveryGroupTabAndSetsFortyShots)
{
    open();
    press("okButton");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(tiedot().Laukaukset, (std::array<std::int32_t, GroupCount>{40, 40, 40, 40, 40}));
    EXPECT_EQ(tiedot().Mukana, (std::array<bool, GroupCount>{}));
    EXPECT_EQ(visibleTabs(), (QStringList{"Competitors", "Standing Agg"}));
    EXPECT_EQ(
        form.summaryLines().value(4), QStringLiteral("Kilpailut eivät ole ennätyskelpoiset "));
    EXPECT_FALSE(kilpailu().Muutettu) << "nothing the user typed has changed";
}

struct LevelCase
{
    const char *level;
    bool records;
};

class MatchLevel : public MatchInfoTest, public ::testing::WithParamInterface<LevelCase>
{
};

TEST_P(MatchLevel, OnlyTheNationalLevelWrittenExactlyAllowsNoRecords)
{
    open();
    typeLevel(QString::fromUtf8(GetParam().level));
    press("okButton");
    EXPECT_EQ(tiedot().Taso, QString::fromUtf8(GetParam().level));
    EXPECT_EQ(tiedot().Ennatyskelpoinen, GetParam().records);
    EXPECT_EQ(form.summaryLines().value(4),
        GetParam().records ? QStringLiteral("Kilpailut ovat ennätyskelpoiset ")
                           : QStringLiteral("Kilpailut eivät ole ennätyskelpoiset "));
}

INSTANTIATE_TEST_SUITE_P(MatchInfo, MatchLevel,
    ::testing::Values(LevelCase{"SM", true}, LevelCase{"kans.", true}, LevelCase{"Kans.", false},
        LevelCase{"MM", true}, LevelCase{"Kans. ", true}),
    [](const auto &info) { return paramName(info.param.level); });

TEST_F(MatchInfoTest, OpeningChecksTheShotCountsAndMakesAMissingOneForty)
{
    tiedot().Laukaukset = {60, 0, 80, 40, 7};
    open();
    EXPECT_TRUE(control<QRadioButton>("BBP60")->isChecked()) << "BBP 60";
    EXPECT_TRUE(control<QRadioButton>("SBP40")->isChecked()) << "SBP 0 shows 40";
    EXPECT_TRUE(control<QRadioButton>("FP80")->isChecked()) << "FP 80";
    EXPECT_TRUE(control<QRadioButton>("SBR40")->isChecked()) << "SBR 40";
    EXPECT_TRUE(control<QRadioButton>("BBR40")->isChecked()) << "BBR 7 shows 40";
    EXPECT_EQ(tiedot().Laukaukset, (std::array<std::int32_t, GroupCount>{60, 40, 80, 40, 40}));
}

// The fields take no more than the match file's line holds: a saved match always opens again.
TEST_F(MatchInfoTest, FieldsTakeNoMoreThanTheFileHolds)
{
    open();
    const QString typed(MaxMatchTextLength + 100, QLatin1Char('x'));
    for (const char *name : {"placeField", "KilpJohtajaEdit"})
        control<QLineEdit>(name)->setText(typed);
    typeLevel(typed);
    press("okButton");
    EXPECT_EQ(tiedot().Paikka.size(), MaxMatchTextLength);
    EXPECT_EQ(tiedot().KilpJohtaja.size(), MaxMatchTextLength);
    EXPECT_EQ(tiedot().Taso.size(), MaxMatchTextLength);
}

TEST_F(MatchInfoTest, OkTakesTheFieldsOverAndShowsTheTabsOfTheGroupsShot)
{
    open();
    type(control<QComboBox>("SeuraCombo")->lineEdit(), QStringLiteral("PSA"));
    type(control<QLineEdit>("placeField"), QStringLiteral("Pori"));
    type(control<QLineEdit>("KilpJohtajaEdit"), QStringLiteral("Nieminen Kari"));
    control<QCheckBox>("BBPShot")->click(); // BBP
    control<QCheckBox>("FPShot")->click(); // FP
    control<QRadioButton>("BBP80")->click(); // BBP 80
    press("okButton");

    EXPECT_EQ(tiedot().Seura, QStringLiteral("PSA"));
    EXPECT_EQ(tiedot().Paikka, QStringLiteral("Pori"));
    EXPECT_EQ(tiedot().KilpJohtaja, QStringLiteral("Nieminen Kari"));
    EXPECT_EQ(tiedot().Mukana, (std::array<bool, GroupCount>{true, false, true, false, false}));
    EXPECT_EQ(tiedot().shotCount(Group::BBP), 80);
    EXPECT_EQ(visibleTabs(),
        (QStringList{"Competitors", "BBPC", "BBPR", "BBPP", "BBPS", "BBPU", "BBP Agg", "FPP",
            "FPPAS", "FPAgg", "Standing Agg"}));
    EXPECT_EQ(form.summaryLines().value(0), QStringLiteral("Club: PSA"));
    EXPECT_EQ(form.summaryLines().value(3), QStringLiteral("Match Director: Nieminen Kari"));
    EXPECT_TRUE(kilpailu().Muutettu) << "a change of the match information is unsaved work";
}

TEST_F(MatchInfoTest, OpeningKeepsADateBeforeThePickersOldRange)
{
    tiedot().Alkupvm = QDate(1700, 6, 15);
    tiedot().LoppuPvm = QDate(99, 1, 2); // before anything a picker shows
    kilpailu().Muutettu = false;
    open();
    press("cancelButton");
    EXPECT_EQ(tiedot().Alkupvm, QDate(1700, 6, 15));
    EXPECT_EQ(tiedot().LoppuPvm, QDate(99, 1, 2));
    EXPECT_FALSE(kilpailu().Muutettu);
    EXPECT_EQ(control<QDateEdit>("Alkupvm")->date(), QDate(1700, 6, 15)) << "shown as it is";
}

TEST_F(MatchInfoTest, PastedLineBreaksBecomeBlanksAndTheMatchLoadsBack)
{
    open();
    // A paste into the field as the clipboard brings it, line break and tab included.
    control<QLineEdit>("placeField")->setText(QStringLiteral("Range 1\nRange 2\tnorth"));
    press("okButton");
    EXPECT_EQ(tiedot().Paikka, QStringLiteral("Range 1 Range 2 north"));

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("paste.mrv"));
    prompts.expectInformation(QStringLiteral("Eipä ole montaa tulosta tallennettavana."));
    QString error;
    ASSERT_TRUE(saveMatchFileSet(name, kilpailu(), form.summaryLines(), error))
        << error.toStdString();
    ASSERT_TRUE(form.loadMatch(name)) << prompts.errors.join(' ').toStdString();
    EXPECT_EQ(tiedot().Paikka, QStringLiteral("Range 1 Range 2 north"));
}

TEST_F(MatchInfoTest, CancelTakesNothingOverButTheDatesAndLevelStay)
{
    // The match has no competitors, which the save points out before it writes.
    prompts.expectInformation(QStringLiteral("Eipä ole montaa tulosta tallennettavana."));
    open();
    type(control<QLineEdit>("placeField"), QStringLiteral("Pori"));
    control<QCheckBox>("BBPShot")->click();
    const QDate start(2025, 5, 17);
    control<QDateEdit>("Alkupvm")->setDate(start);
    typeLevel(QStringLiteral("EM"));
    QTest::keyClick(control<QLineEdit>("placeField"), Qt::Key_Escape);

    EXPECT_FALSE(dialog->isVisible()) << "Escape presses Cancel";
    EXPECT_TRUE(tiedot().Paikka.isEmpty());
    EXPECT_FALSE(tiedot().isShot(Group::BBP));
    EXPECT_EQ(visibleTabs().size(), 23);
    EXPECT_EQ(tiedot().Alkupvm, start);
    EXPECT_EQ(tiedot().Taso, QStringLiteral("EM"));
    EXPECT_TRUE(kilpailu().Muutettu);

    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("m.mrv"));
    prompts.fileAnswers = {chosen};
    form.saveMatch();
    QFile match(MatchFileSet::fromChosenName(chosen).match);
    ASSERT_TRUE(match.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = match.readAll().split('\n');
    EXPECT_EQ(lines.value(2), formatMatchFileDate(start).toLatin1() + "\r") << "the save writes it";
    EXPECT_EQ(lines.value(5), QByteArray("EM\r"));
}

TEST_F(MatchInfoTest, ShowsTheLoadedMatchButTheTabsWaitForOk)
{
    // A match whose BBP group is not shot, loaded after BBP was switched on.
    open();
    control<QCheckBox>("BBPShot")->click();
    press("okButton");
    ASSERT_TRUE(visibleTabs().contains(QStringLiteral("BBPR")));
    loadDemo();
    kilpailu().tiedot.Mukana[ix(Group::BBP)] = false;
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("nobbp.mrv"));
    prompts.fileAnswers = {chosen};
    form.saveMatchAs();
    kilpailu().tiedot.Mukana[ix(Group::BBP)] = true;
    kilpailu().tiedot.Alkupvm = QDate(2001, 1, 1);
    ASSERT_TRUE(form.loadMatch(chosen));

    EXPECT_TRUE(visibleTabs().contains(QStringLiteral("BBPR"))) << "a load leaves the tabs";
    EXPECT_FALSE(visibleTabs().contains(QStringLiteral("SBPR")));
    open();
    EXPECT_FALSE(control<QCheckBox>("BBPShot")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("SBPShot")->isChecked());
    EXPECT_EQ(control<QDateEdit>("Alkupvm")->date(), QDate(2024, 6, 15));
    EXPECT_EQ(control<QDateEdit>("LoppuPvm")->date(), QDate(2024, 6, 16));
    EXPECT_EQ(control<QComboBox>("levelList")->currentText(), QStringLiteral("SM"));
    EXPECT_EQ(control<QLineEdit>("placeField")->text(), QStringLiteral("Hyvinkää"));
    EXPECT_EQ(tiedot().Alkupvm, QDate(2024, 6, 15)) << "showing changes nothing";
    EXPECT_FALSE(kilpailu().Muutettu);
    press("okButton");
    EXPECT_FALSE(visibleTabs().contains(QStringLiteral("BBPR")));
    EXPECT_TRUE(visibleTabs().contains(QStringLiteral("SBPR")));
}

} // namespace
