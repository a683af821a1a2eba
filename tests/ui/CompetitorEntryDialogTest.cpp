// The competitor entry dialog: showing a slot, and every change written straight into it.
#include "DialogFixture.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace marvola;
using namespace marvola::testing;

namespace {

class CompetitorEntryTest : public DialogTest
{
protected:
    QCheckBox *box(const QString &name) { return child<QCheckBox>(entryDialog, name); }
    QRadioButton *radio(const QString &name) { return child<QRadioButton>(entryDialog, name); }
    QLineEdit *field(const QString &name) { return child<QLineEdit>(entryDialog, name); }
    QString label(const QString &name) { return child<QLabel>(entryDialog, name)->text(); }
    QComboBox *nameList()
    {
        return child<QComboBox>(entryDialog, QStringLiteral("competitorNameList"));
    }
    // The class buttons of a discipline's row that are checked.
    QStringList checkedClasses(int d)
    {
        QStringList checked;
        for (const QString &luokka : classesOffered(d))
            if (radio(disciplineCode(d) + luokka)->isChecked())
                checked << luokka;
        return checked;
    }
};

TEST_F(CompetitorEntryTest, EmptyRegisterShowsSlotTwoWithNumberZeroAndNothingEntered)
{
    show(entryDialog);

    EXPECT_EQ(entryDialog->shownSlot(), 2) << "slot 1 was never used, so the dialog steps once";
    EXPECT_EQ(label(QStringLiteral("KilpNumero")), QStringLiteral("0"));
    EXPECT_EQ(label(QStringLiteral("Nimi")), QString());
    EXPECT_EQ(label(QStringLiteral("Seura")), QString());
    EXPECT_EQ(label(QStringLiteral("Maa")), QString());
    EXPECT_EQ(nameList()->currentText(), QString());
    for (const DisciplineInfo &info : Disciplines) {
        const QString code = QLatin1String(info.code);
        EXPECT_FALSE(radio(code + Luokat::Int)->isEnabled()) << info.code;
        EXPECT_TRUE(radio(code + Luokat::Int)->isChecked()) << "a cleared slot reads Int";
        EXPECT_FALSE(field(code + QStringLiteral("Ase"))->isEnabled()) << info.code;
    }
    EXPECT_TRUE(radio(QStringLiteral("BBPPAggrRadio"))->isChecked());
    EXPECT_TRUE(radio(QStringLiteral("SBPPAggrRadio"))->isChecked());
    EXPECT_FALSE(kilpailu->Muutettu) << "showing a slot changes nothing";
    snapshot(entryDialog, QStringLiteral("competitor-entry-empty"));
}

TEST_F(CompetitorEntryTest, ShowingASlotFillsEveryControlAndLeavesTheRecordAsItWas)
{
    const int n
        = add(QStringLiteral("Virtanen Matti"), QStringLiteral("HAUR"), QStringLiteral("FIN"));
    TKilpailija &k = slot(n);
    k.Osallistuu[BBPC] = k.Osallistuu[SBRL] = k.Osallistuu[FPPAS] = true;
    k.Luokka[BBPC].setText(Luokat::A);
    k.Luokka[SBRL].setText(Luokat::Master);
    k.Luokka[FPPAS].setText(Luokat::Eiluok);
    k.Ase[BBPC].setText(QStringLiteral("S&W"));
    k.Malli[BBPC].setText(QStringLiteral("686"));
    k.Kaliiperi[BBPC].setText(QStringLiteral(".357"));
    k.Ase[SBRL].setText(QStringLiteral("Anschütz"));
    k.BBPCAggr = true;
    k.BBPPAggr = false;
    const QByteArray before = k.toBytes();

    show(entryDialog);

    EXPECT_EQ(entryDialog->shownSlot(), 1);
    EXPECT_EQ(label(QStringLiteral("KilpNumero")), QStringLiteral("1"));
    EXPECT_EQ(label(QStringLiteral("Nimi")), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(nameList()->currentText(), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(label(QStringLiteral("Seura")), QStringLiteral("HAUR"));
    EXPECT_EQ(label(QStringLiteral("Maa")), QStringLiteral("FIN"));
    EXPECT_TRUE(box(QStringLiteral("BBPC"))->isChecked());
    EXPECT_TRUE(box(QStringLiteral("FPPASbox"))->isChecked());
    EXPECT_FALSE(box(QStringLiteral("BBPR"))->isChecked());
    EXPECT_EQ(checkedClasses(BBPC), QStringList{Luokat::A});
    EXPECT_EQ(checkedClasses(SBRL), QStringList{Luokat::Master});
    EXPECT_EQ(checkedClasses(FPPAS), QStringList{Luokat::Eiluok});
    EXPECT_TRUE(radio(QStringLiteral("BBPCA"))->isEnabled());
    EXPECT_FALSE(radio(QStringLiteral("BBPRA"))->isEnabled());
    EXPECT_EQ(field(QStringLiteral("BBPCKaliiperi"))->text(), QStringLiteral(".357"));
    EXPECT_EQ(field(QStringLiteral("SBRLAse"))->text(), QStringLiteral("Anschütz"));
    EXPECT_TRUE(radio(QStringLiteral("BBPCAggrRadio"))->isChecked());
    EXPECT_FALSE(radio(QStringLiteral("BBPPAggrRadio"))->isChecked());
    EXPECT_EQ(k.toBytes(), before) << "the handlers wrote back exactly what was shown";
    EXPECT_FALSE(kilpailu->Muutettu);
    snapshot(entryDialog, QStringLiteral("competitor-entry"));
}

TEST_F(CompetitorEntryTest, TickingARowEnablesItAndUntickingDisablesItKeepingClassAndEquipment)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Luokka[BBPR].setText(Luokat::B);
    slot(n).Ase[BBPR].setText(QStringLiteral("Ruger"));
    show(entryDialog);

    QCheckBox *bbpr = box(QStringLiteral("BBPR"));
    bbpr->setFocus();
    QTest::keyClick(bbpr, Qt::Key_Space);
    EXPECT_TRUE(slot(n).Osallistuu[BBPR]);
    EXPECT_TRUE(kilpailu->Muutettu);
    for (const QString &name : {QStringLiteral("BBPRInt"), QStringLiteral("BBPRB"),
             QStringLiteral("BBPREiluok"), QStringLiteral("BBPRAse"), QStringLiteral("BBPRMalli"),
             QStringLiteral("BBPRKaliiperi")})
        EXPECT_TRUE(child<QWidget>(entryDialog, name)->isEnabled()) << name.toStdString();

    click(bbpr);
    EXPECT_FALSE(slot(n).Osallistuu[BBPR]);
    EXPECT_FALSE(radio(QStringLiteral("BBPRB"))->isEnabled());
    EXPECT_FALSE(field(QStringLiteral("BBPRAse"))->isEnabled());
    EXPECT_EQ(slot(n).Luokka[BBPR].text(), Luokat::B);
    EXPECT_EQ(slot(n).Ase[BBPR].text(), QStringLiteral("Ruger"));
    EXPECT_EQ(field(QStringLiteral("BBPRAse"))->text(), QStringLiteral("Ruger"));
}

TEST_F(CompetitorEntryTest, ClassButtonsAndTextFieldsWriteTheShownSlot)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[SBPR] = slot(n).Osallistuu[BBRS] = true;
    show(entryDialog);

    click(radio(QStringLiteral("BBRSMaster")));
    EXPECT_EQ(slot(n).Luokka[BBRS].text(), Luokat::Master);
    click(radio(QStringLiteral("SBPREiluok")));
    EXPECT_EQ(slot(n).Luokka[SBPR].text(), Luokat::Eiluok);
    EXPECT_TRUE(kilpailu->Muutettu);

    QLineEdit *gun = field(QStringLiteral("SBPRAse"));
    typeInto(gun, QStringLiteral("Smith&Wesson Model"));
    EXPECT_EQ(slot(n).Ase[SBPR].text(), QStringLiteral("Smith&Wess")) << "cut to 10 characters";
    EXPECT_EQ(gun->text(), QStringLiteral("Smith&Wess")) << "the field stops where the record does";
    typeInto(field(QStringLiteral("BBRSMalli")), QStringLiteral("M70"));
    typeInto(field(QStringLiteral("BBRSKaliiperi")), QStringLiteral(".308"));
    EXPECT_EQ(slot(n).Malli[BBRS].text(), QStringLiteral("M70"));
    EXPECT_EQ(slot(n).Kaliiperi[BBRS].text(), QStringLiteral(".308"));
    EXPECT_EQ(entryDialog->findChild<QLineEdit *>(QStringLiteral("SBPRKaliiperi")), nullptr)
        << "small bore pistols have no caliber field";
}

struct AggrCase
{
    const char *group;
    Boolean TKilpailija::*c;
    Boolean TKilpailija::*p;
};

class AggregateChoice : public CompetitorEntryTest, public ::testing::WithParamInterface<AggrCase>
{
};

TEST_P(AggregateChoice, CTakesTheFlagFromPAndBack)
{
    const AggrCase &c = GetParam();
    const QString group = QLatin1String(c.group);
    const int n = add(QStringLiteral("Aalto Pekka"));
    show(entryDialog);

    click(radio(group + QStringLiteral("CAggrRadio")));
    EXPECT_TRUE(slot(n).*c.c);
    EXPECT_FALSE(slot(n).*c.p);
    EXPECT_TRUE(kilpailu->Muutettu);
    click(radio(group + QStringLiteral("PAggrRadio")));
    EXPECT_FALSE(slot(n).*c.c);
    EXPECT_TRUE(slot(n).*c.p);
}

TEST_P(AggregateChoice, SlotWithBothChoicesIsLeftWithC)
{
    const AggrCase &c = GetParam();
    const QString group = QLatin1String(c.group);
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).*c.c = slot(n).*c.p = true;
    show(entryDialog);

    EXPECT_TRUE(slot(n).*c.c);
    EXPECT_FALSE(slot(n).*c.p);
    EXPECT_TRUE(radio(group + QStringLiteral("CAggrRadio"))->isChecked());
    EXPECT_TRUE(kilpailu->Muutettu) << "the slot did change";
}

TEST_P(AggregateChoice, RemovedSlotWithNeitherChoiceChecksNeither)
{
    const AggrCase &c = GetParam();
    const QString group = QLatin1String(c.group);
    const int n = add(QStringLiteral("Aalto Pekka"));
    kilpailu->removeCompetitor(n);
    show(entryDialog);

    EXPECT_EQ(entryDialog->shownSlot(), n);
    EXPECT_FALSE(radio(group + QStringLiteral("CAggrRadio"))->isChecked());
    EXPECT_FALSE(radio(group + QStringLiteral("PAggrRadio"))->isChecked());
    EXPECT_FALSE(slot(n).*c.c || slot(n).*c.p);
}

INSTANTIATE_TEST_SUITE_P(CompetitorEntry, AggregateChoice,
    ::testing::Values(AggrCase{"BBP", &TKilpailija::BBPCAggr, &TKilpailija::BBPPAggr},
        AggrCase{"SBP", &TKilpailija::SBPCAggr, &TKilpailija::SBPPAggr}),
    [](const auto &info) { return std::string(info.param.group); });

TEST_F(CompetitorEntryTest, ClassThatMatchesNoButtonOfTheRowChecksNone)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Luokka[BBPC].setText(Luokat::Master);
    slot(n).Luokka[BBRH].setText(Luokat::Master);
    slot(n).Luokka[SBPU].setText(QStringLiteral("X"));
    const int other = add(QStringLiteral("Berg Anna"));
    slot(other).Luokka[BBPC].setText(Luokat::A);
    fillNameLists();
    show(entryDialog);

    EXPECT_EQ(entryDialog->shownSlot(), n);
    EXPECT_EQ(checkedClasses(BBPC), QStringList()) << "a pistol row has no Master button";
    EXPECT_EQ(checkedClasses(SBPU), QStringList());
    EXPECT_EQ(checkedClasses(BBRH), QStringList{Luokat::Master});
    EXPECT_EQ(slot(n).Luokka[BBPC].text(), Luokat::Master) << "the stored class stays";

    QTest::keyClicks(nameList(), QStringLiteral("Berg Anna"));
    EXPECT_EQ(checkedClasses(BBPC), QStringList{Luokat::A});
    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(nameList(), QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(checkedClasses(BBPC), QStringList()) << "a checked button is unchecked again";
}

TEST_F(CompetitorEntryTest, NameListShowsACompetitorOnceTheTypedTextEqualsTheName)
{
    add(QStringLiteral("Aalto Pekka"));
    const int virtanen = add(QStringLiteral("Virtanen Matti"));
    add(QStringLiteral("Virtanen Liisa"));
    fillNameLists();
    show(entryDialog);
    EXPECT_EQ(items(nameList()),
        (QStringList{QStringLiteral("Aalto Pekka"), QStringLiteral("Virtanen Liisa"),
            QStringLiteral("Virtanen Matti")}));

    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(nameList(), QStringLiteral("Virtanen Mat"));
    EXPECT_EQ(entryDialog->shownSlot(), 1) << "a half-typed name keeps the shown slot";
    EXPECT_EQ(label(QStringLiteral("Nimi")), QStringLiteral("Aalto Pekka"));
    QTest::keyClicks(nameList(), QStringLiteral("ti"));
    EXPECT_EQ(entryDialog->shownSlot(), virtanen);
    EXPECT_EQ(label(QStringLiteral("Nimi")), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(nameList()->currentText(), QStringLiteral("Virtanen Matti"));

    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(nameList(), Qt::Key_Delete);
    EXPECT_EQ(entryDialog->shownSlot(), virtanen) << "an empty text names nobody";
}

TEST_F(CompetitorEntryTest, NameListCompletesTheTypedBeginning)
{
    add(QStringLiteral("Aalto Pekka"));
    const int virtanen = add(QStringLiteral("Virtanen Matti"));
    fillNameLists();
    show(entryDialog);
    QTest::keyClick(nameList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(nameList(), QStringLiteral("vir"));

    QAbstractItemView *offered = nameList()->completer()->popup();
    ASSERT_TRUE(offered->isVisible());
    QTest::keyClick(offered, Qt::Key_Down);
    QTest::keyClick(offered, Qt::Key_Return);

    EXPECT_EQ(nameList()->currentText(), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(entryDialog->shownSlot(), virtanen);
    EXPECT_TRUE(entryDialog->isVisible()) << "Enter took the name, it did not leave the dialog";
}

TEST_F(CompetitorEntryTest, ShowLastCompetitorShowsTheHighestNamedSlot)
{
    add(QStringLiteral("Aalto Pekka"));
    const int last = add(QStringLiteral("Berg Anna"));
    add(QStringLiteral("Carlsson Eva"));
    kilpailu->removeCompetitor(3);
    show(entryDialog);

    entryDialog->showLastCompetitor();
    EXPECT_EQ(entryDialog->shownSlot(), last);

    kilpailu->clearCompetitorRegister();
    entryDialog->showLastCompetitor();
    EXPECT_EQ(entryDialog->shownSlot(), 2) << "slot 1 of an empty register, stepped over";
}

TEST_F(CompetitorEntryTest, TabCrossesTheRowsLeftToRightAndTopToBottom)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBPR] = slot(n).Osallistuu[SBRS] = true;
    slot(n).Luokka[BBPR].setText(Luokat::A);
    show(entryDialog);

    const QStringList stops = tabStops(nameList(), 27);
    const QStringList expected = {QStringLiteral("BBPR"), QStringLiteral("BBPRA"),
        QStringLiteral("BBPRAse"), QStringLiteral("BBPRMalli"), QStringLiteral("BBPRKaliiperi"),
        QStringLiteral("BBPC"), QStringLiteral("BBPP"), QStringLiteral("BBPS"),
        QStringLiteral("BBPU"), QStringLiteral("BBPPAggrRadio"), QStringLiteral("SBPR"),
        QStringLiteral("SBPC"), QStringLiteral("SBPP"), QStringLiteral("SBPS"),
        QStringLiteral("SBPU"), QStringLiteral("SBPPAggrRadio"), QStringLiteral("FPP"),
        QStringLiteral("FPPASbox"), QStringLiteral("SBRS"), QStringLiteral("SBRSInt"),
        QStringLiteral("SBRSAse"), QStringLiteral("SBRSMalli"), QStringLiteral("SBRL"),
        QStringLiteral("BBRS"), QStringLiteral("BBRH"), QStringLiteral("newCompetitorButton"),
        QStringLiteral("editCompetitorButton")};
    EXPECT_EQ(stops, expected);
}

TEST_F(CompetitorEntryTest, ArrowKeysPickTheClassWithinTheRow)
{
    const int n = add(QStringLiteral("Aalto Pekka"));
    slot(n).Osallistuu[BBRH] = true;
    show(entryDialog);

    radio(QStringLiteral("BBRHInt"))->setFocus();
    QTest::keyClick(radio(QStringLiteral("BBRHInt")), Qt::Key_Right);
    EXPECT_TRUE(radio(QStringLiteral("BBRHA"))->isChecked());
    QTest::keyClick(radio(QStringLiteral("BBRHA")), Qt::Key_Right);
    EXPECT_EQ(slot(n).Luokka[BBRH].text(), Luokat::B);
    EXPECT_TRUE(radio(QStringLiteral("BBRHB"))->isChecked());
}

TEST_F(CompetitorEntryTest, CloseAndEscapeRefreshTheMainWindowAndClose)
{
    for (const bool escape : {false, true}) {
        show(entryDialog);
        QSignalSpy refresh(entryDialog, &CompetitorEntryDialog::updateRequested);
        if (escape)
            QTest::keyClick(nameList(), Qt::Key_Escape);
        else
            click(child<QAbstractButton>(entryDialog, QStringLiteral("closeButton")));
        EXPECT_EQ(refresh.count(), 1) << "escape " << escape;
        EXPECT_FALSE(entryDialog->isVisible());
    }
}

TEST_F(CompetitorEntryTest, EnterInTheDialogLeavesNothing)
{
    add(QStringLiteral("Aalto Pekka"));
    show(entryDialog);
    QSignalSpy refresh(entryDialog, &CompetitorEntryDialog::updateRequested);
    QTest::keyClick(nameList(), Qt::Key_Return);
    QTest::keyClick(field(QStringLiteral("BBPRAse")), Qt::Key_Return);
    EXPECT_TRUE(entryDialog->isVisible());
    EXPECT_EQ(refresh.count(), 0);
}

TEST_F(CompetitorEntryTest, EveryOpeningStartsAtSlotOne)
{
    add(QStringLiteral("Aalto Pekka"));
    add(QStringLiteral("Berg Anna"));
    show(entryDialog);
    entryDialog->showLastCompetitor();
    ASSERT_EQ(entryDialog->shownSlot(), 2);
    entryDialog->hide();
    show(entryDialog);
    EXPECT_EQ(entryDialog->shownSlot(), 1);
}

} // namespace
