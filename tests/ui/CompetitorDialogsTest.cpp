// The new competitor and edit competitor dialogs: who is in the register, and the name lists.
#include "DialogFixture.h"
#include "ui/Application.h"

#include <QCheckBox>
#include <QPushButton>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QString RegisterFull = QStringLiteral("Kilpailijarekisteri täynnä!?! (Max. 500).");
const QString NameInUse = QStringLiteral("This name is already in use");
const QString NameNotValid = QStringLiteral("Name is not valid.");
const QString NimiEiKelpaa = QStringLiteral("Nimi ei ole kelvollinen.");
const QString NimiKaytossa = QStringLiteral("Tällä nimellä on jo kilpailija.");

class CompetitorDialogsTest : public DialogTest
{
protected:
    void SetUp() override { show(entryDialog); }

    QComboBox *entryList() { return entryDialog->nameList(); }
    QComboBox *resultList() { return resultEntry->nameList(); }
    template<typename Widget> Widget *newControl(const char *name)
    {
        return child<Widget>(newDialog, QLatin1String(name));
    }
    template<typename Widget> Widget *editControl(const char *name)
    {
        return child<Widget>(editDialog, QLatin1String(name));
    }

    // Types into the new competitor dialog, opened with "New", and presses OK.
    void enterNew(
        const QString &nimi, const QString &seura = QString(), const QString &maa = QString())
    {
        click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
        EXPECT_TRUE(newDialog->isVisible()) << "New shows the dialog beside the entry dialog";
        typeInto(newControl<QLineEdit>("newCompetitorName"), nimi);
        if (!seura.isNull())
            typeInto(newControl<QComboBox>("Seura"), seura);
        if (!maa.isNull())
            typeInto(newControl<QComboBox>("Kansallisuus"), maa);
        click(newControl<QAbstractButton>("OK"));
    }
    // Opens the edit dialog on the shown competitor, lets `edit` work in it, then presses
    // `button` (none when null) and cancels whatever is still open.
    void inEditDialog(const std::function<void()> &edit, const char *button = "OK")
    {
        whileModal(
            [&] {
                click(child<QAbstractButton>(entryDialog, QStringLiteral("editCompetitorButton")));
            },
            [&] {
                EXPECT_EQ(QApplication::activeModalWidget(), editDialog) << "Edit is modal";
                edit();
                if (button)
                    click(editControl<QAbstractButton>(button));
                if (editDialog->isVisible())
                    editDialog->reject();
            });
    }
    // Ten competitors in slots 1 to 10, numbered 1 to 10, in both name lists.
    void addTen()
    {
        for (int i = 1; i <= 10; ++i)
            add(QStringLiteral("Kilpailija %1").arg(i, 2, 10, QLatin1Char('0')));
        fillNameLists();
    }
};

TEST_F(CompetitorDialogsTest, NewCompetitorsTakeTheNextSlotAndNumber)
{
    enterNew(QStringLiteral("Virtanen Matti"), QStringLiteral("HAUR"), QStringLiteral("FIN"));
    EXPECT_FALSE(newDialog->isVisible());
    EXPECT_EQ(slot(1).Numero, 1);
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(slot(1).Seura.text(), QStringLiteral("HAUR"));
    EXPECT_EQ(slot(1).Maa.text(), QStringLiteral("FIN"));
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_EQ(entryDialog->shownSlot(), 1) << "the entry dialog shows the last competitor";
    EXPECT_EQ(child<QLabel>(entryDialog, QStringLiteral("Nimi"))->text(),
        QStringLiteral("Virtanen Matti"));

    enterNew(QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(slot(2).Numero, 2);
    EXPECT_EQ(slot(2).Seura.text(), QStringLiteral("HAUR")) << "club and nationality stay typed";
    EXPECT_EQ(slot(2).Maa.text(), QStringLiteral("FIN"));
    EXPECT_EQ(newControl<QLineEdit>("newCompetitorName")->text(), QString());
    EXPECT_EQ(entryDialog->shownSlot(), 2);
    const QStringList sorted = {QStringLiteral("Aalto Pekka"), QStringLiteral("Virtanen Matti")};
    EXPECT_EQ(items(entryList()), sorted);
    EXPECT_EQ(items(resultList()), sorted);
    EXPECT_TRUE(prompts.informations.isEmpty());
}

TEST_F(CompetitorDialogsTest, NewDialogTakesTheKeyboardWhileTheEntryDialogIsModal)
{
    entryDialog->hide();
    whileModal([&] { entryDialog->exec(); },
        [&] {
            click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
            ASSERT_TRUE(QTest::qWaitForWindowExposed(newDialog));
            // Through the window system, where a window blocked by a modal one gets no keys.
            QTest::keyClick(newDialog->windowHandle(), Qt::Key_A);
            QTest::keyClick(newDialog->windowHandle(), Qt::Key_Return);
            entryDialog->reject();
        });
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("a"));
}

TEST_F(CompetitorDialogsTest, LongTextsAreStoredCut)
{
    prompts.expectInformation(NameInUse);
    enterNew(QStringLiteral("Hämäläinen-Virtanen Maija-Liisa"), QStringLiteral("Hämeenlinnan SA"),
        QStringLiteral("FINLAND"));
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Hämäläinen-Virtanen Maija"));
    EXPECT_EQ(slot(1).Seura.text(), QStringLiteral("Hämeenlinn"));
    EXPECT_EQ(slot(1).Maa.text(), QStringLiteral("FIN"));
    EXPECT_EQ(items(entryList()), QStringList{QStringLiteral("Hämäläinen-Virtanen Maija")});

    enterNew(QStringLiteral("Hämäläinen-Virtanen Maija-Kaisa"));
    EXPECT_EQ(prompts.informations, QStringList{NameInUse})
        << "its first 25 characters would name the same competitor twice";
    EXPECT_TRUE(slot(2).Nimi.isEmpty());
}

TEST_F(CompetitorDialogsTest, RemovalOfACompetitorWithResultsAsksAndNoKeepsEverything)
{
    addTen();
    slot(4).Osallistuu[FPP] = true;
    slot(4).Yhteensa[FPP] = 28; // a total typed alone is a result too
    QTest::keyClicks(entryList(), QStringLiteral("Kilpailija 04"));
    ASSERT_EQ(entryDialog->shownSlot(), 4);
    const QByteArray before = slot(4).toBytes();
    kilpailu->Muutettu = false;

    prompts.confirmAnswers = {false};
    inEditDialog([] {}, "removeButton");

    EXPECT_EQ(prompts.questions.size(), 1);
    EXPECT_EQ(slot(4).toBytes(), before);
    EXPECT_FALSE(kilpailu->Muutettu);
    EXPECT_GE(entryList()->findText(QStringLiteral("Kilpailija 04")), 0);

    // Without results the removal is immediate: no question.
    prompts.questions.clear();
    QTest::keyClick(entryList(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(entryList(), QStringLiteral("Kilpailija 05"));
    ASSERT_EQ(entryDialog->shownSlot(), 5);
    inEditDialog([] {}, "removeButton");
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_TRUE(slot(5).Nimi.isEmpty());
}

TEST_F(CompetitorDialogsTest, RemovedSlotIsReusedWithANewNumberAndTheOldResults)
{
    addTen();
    TKilpailija &third = slot(3);
    third.Osallistuu[BBPR] = true;
    third.Luokka[BBPR].setText(Luokat::A);
    third.Ase[BBPR].setText(QStringLiteral("Ruger"));
    third.Kana[BBPR] = 9;
    third.Yhteensa[BBPR] = 31;
    third.f[0][BBPR].setText(QStringLiteral("5"));
    QTest::keyClicks(entryList(), QStringLiteral("Kilpailija 03"));
    ASSERT_EQ(entryDialog->shownSlot(), 3);

    kilpailu->Muutettu = false;
    // Kilpailija 03 has results: the removal asks first.
    prompts.confirmAnswers = {true};
    inEditDialog([] {}, "removeButton");
    EXPECT_EQ(prompts.questions,
        QStringList{QStringLiteral("Kilpailija 03 has results entered, and they are lost when "
                                   "the competitor is removed. Remove Kilpailija 03?")});
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_TRUE(third.Nimi.isEmpty());
    EXPECT_EQ(third.Numero, 3) << "the number stays in the slot";
    EXPECT_FALSE(third.Osallistuu[BBPR]);
    EXPECT_FALSE(entryList()->findText(QStringLiteral("Kilpailija 03")) >= 0);
    EXPECT_FALSE(resultList()->findText(QStringLiteral("Kilpailija 03")) >= 0);
    EXPECT_EQ(entryList()->count(), 9);
    EXPECT_EQ(entryDialog->shownSlot(), 3) << "the removed slot is shown, number and no name";
    EXPECT_EQ(
        child<QLabel>(entryDialog, QStringLiteral("KilpNumero"))->text(), QStringLiteral("3"));
    EXPECT_EQ(child<QLabel>(entryDialog, QStringLiteral("Nimi"))->text(), QString());

    enterNew(QStringLiteral("Uusi Ulla"));
    EXPECT_EQ(third.Nimi.text(), QStringLiteral("Uusi Ulla"));
    EXPECT_EQ(third.Numero, 11) << "numbers are never reused";
    EXPECT_EQ(third.Luokka[BBPR].text(), Luokat::A);
    EXPECT_EQ(third.Ase[BBPR].text(), QStringLiteral("Ruger"));
    EXPECT_EQ(third.Kana[BBPR], 9);
    EXPECT_EQ(third.Yhteensa[BBPR], 31);
    EXPECT_EQ(third.f[0][BBPR].text(), QStringLiteral("5"));
    EXPECT_EQ(entryDialog->shownSlot(), 10) << "the highest named slot, another competitor";
}

TEST_F(CompetitorDialogsTest, FullRegisterRefusesAndClosesTheNewDialog)
{
    prompts.expectInformation(RegisterFull);
    for (int i = 1; i <= MaxKilpailijat; ++i)
        add(QStringLiteral("K%1").arg(i));
    const QByteArray last = slot(MaxKilpailijat).toBytes();

    enterNew(QStringLiteral("Viimeinen Vieras"));
    EXPECT_EQ(prompts.informations, QStringList{RegisterFull});
    EXPECT_FALSE(newDialog->isVisible());
    EXPECT_EQ(kilpailu->ViimeNumero, MaxKilpailijat);
    EXPECT_EQ(slot(MaxKilpailijat).toBytes(), last);
    EXPECT_EQ(entryList()->findText(QStringLiteral("Viimeinen Vieras")), -1);
}

struct Refusal
{
    const char *what;
    bool edit; // the edit dialog, on the competitor "Aalto Pekka"
    const char *typed; // the name typed over the field's text
    const QString *message;
};

class RefusedName : public CompetitorDialogsTest, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusedName, TellsWhyAndChangesNothing)
{
    if (GetParam().message)
        prompts.expectInformation(*GetParam().message);
    const Refusal &c = GetParam();
    add(QStringLiteral("Aalto Pekka"), QStringLiteral("PSA"), QStringLiteral("FIN"));
    add(QStringLiteral("Berg Anna"));
    fillNameLists();
    entryDialog->showFirstCompetitor();
    const QByteArray first = slot(1).toBytes();
    const QByteArray second = slot(2).toBytes();

    bool stayedOpen = false;
    if (c.edit) {
        inEditDialog(
            [&] {
                auto *nimi = editControl<QLineEdit>("KilpNimi");
                if (*c.typed)
                    typeInto(nimi, QLatin1String(c.typed));
                else
                    deleteText(nimi);
                typeInto(editControl<QComboBox>("SeuraCombo"), QStringLiteral("HAUR"));
                click(editControl<QAbstractButton>("OK"));
                stayedOpen = editDialog->isVisible();
            },
            nullptr);
    } else {
        enterNew(QLatin1String(c.typed), QStringLiteral("HAUR"));
        stayedOpen = newDialog->isVisible();
        newDialog->close();
    }

    EXPECT_EQ(prompts.informations.value(0), *c.message);
    EXPECT_TRUE(stayedOpen) << "the dialog stays open with its input";
    EXPECT_EQ(slot(1).toBytes(), first);
    EXPECT_EQ(slot(2).toBytes(), second);
    EXPECT_TRUE(slot(3).Nimi.isEmpty());
    EXPECT_EQ(items(entryList()),
        (QStringList{QStringLiteral("Aalto Pekka"), QStringLiteral("Berg Anna")}));
    EXPECT_EQ(items(resultList()), items(entryList()));
    EXPECT_FALSE(kilpailu->Muutettu);
}

INSTANTIATE_TEST_SUITE_P(CompetitorDialogs, RefusedName,
    ::testing::Values(Refusal{"NewEmpty", false, "", &NameNotValid},
        Refusal{"NewTaken", false, "Berg Anna", &NameInUse},
        Refusal{"EditEmpty", true, "", &NimiEiKelpaa},
        Refusal{"EditOwnNameRetyped", true, "Aalto Pekka", &NimiKaytossa},
        Refusal{"EditOthersName", true, "Berg Anna", &NimiKaytossa}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(CompetitorDialogsTest, EditOpensOnTheShownCompetitor)
{
    add(QStringLiteral("Aalto Pekka"));
    add(QStringLiteral("Berg Anna"), QStringLiteral("HAUR"), QStringLiteral("SWE"));
    fillNameLists();
    entryDialog->showLastCompetitor();

    inEditDialog(
        [&] {
            EXPECT_EQ(editDialog->editedSlot(), 2);
            EXPECT_EQ(editControl<QLabel>("KilpNumero")->text(), QStringLiteral("2"));
            EXPECT_EQ(editControl<QLabel>("slotNumber")->text(), QStringLiteral("2"));
            EXPECT_EQ(editControl<QLineEdit>("KilpNimi")->text(), QStringLiteral("Berg Anna"));
            EXPECT_EQ(editControl<QComboBox>("SeuraCombo")->currentText(), QStringLiteral("HAUR"));
            EXPECT_EQ(editControl<QComboBox>("Kansallisuus")->currentText(), QStringLiteral("SWE"));
            snapshot(editDialog, QStringLiteral("edit-competitor"));
        },
        "cancelButton");
    EXPECT_FALSE(editDialog->isVisible());
    EXPECT_FALSE(kilpailu->Muutettu);
}

TEST_F(CompetitorDialogsTest, OkWithoutTouchingTheNameStoresClubAndNationality)
{
    add(QStringLiteral("Aalto Pekka"), QStringLiteral("PSA"), QStringLiteral("FIN"));
    add(QStringLiteral("Berg Anna"));
    fillNameLists();
    entryDialog->showFirstCompetitor();

    inEditDialog([&] {
        typeInto(editControl<QComboBox>("SeuraCombo"), QStringLiteral("HAUR"));
        typeInto(editControl<QComboBox>("Kansallisuus"), QStringLiteral("SWE"));
    });
    EXPECT_TRUE(prompts.informations.isEmpty());
    EXPECT_FALSE(editDialog->isVisible());
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(slot(1).Seura.text(), QStringLiteral("HAUR"));
    EXPECT_EQ(slot(1).Maa.text(), QStringLiteral("SWE"));
    EXPECT_EQ(slot(1).Numero, 1);
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_EQ(child<QLabel>(entryDialog, QStringLiteral("Seura"))->text(), QStringLiteral("HAUR"))
        << "the entry dialog shows the slot again";
    EXPECT_EQ(items(entryList()),
        (QStringList{QStringLiteral("Aalto Pekka"), QStringLiteral("Berg Anna")}));

    kilpailu->Muutettu = false;
    inEditDialog([&] {
        EXPECT_EQ(editControl<QComboBox>("SeuraCombo")->currentText(), QStringLiteral("HAUR"))
            << "every opening fills the fields anew";
    });
    EXPECT_FALSE(kilpailu->Muutettu) << "nothing changed";
}

// The fields kept beside the match files are shown and stored by both dialogs; a mistyped
// e-mail address is caught before anything is stored.
TEST_F(CompetitorDialogsTest, ExtrasAreEnteredNewShownAtEditAndAMistypedAddressRefused)
{
    prompts.expectInformation(QStringLiteral("The e-mail address is not valid."));
    click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
    typeInto(newControl<QLineEdit>("newCompetitorName"), QStringLiteral("Aalto Pekka"));
    typeInto(newControl<QLineEdit>("memberNumber"), QStringLiteral("FIN-77"));
    typeInto(newControl<QLineEdit>("email"), QStringLiteral("pekka@example"));
    click(newControl<QAbstractButton>("OK"));
    ASSERT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(slot(1).Nimi.isEmpty()) << "nothing stored";

    typeInto(newControl<QLineEdit>("email"), QStringLiteral("pekka@example.fi"));
    newControl<QCheckBox>("leftHanded")->setChecked(true);
    click(newControl<QAbstractButton>("OK"));
    EXPECT_EQ(kilpailu->extras[1],
        (CompetitorExtras{QStringLiteral("FIN-77"), QStringLiteral("pekka@example.fi"), {}, true}));

    entryDialog->showFirstCompetitor();
    inEditDialog([&] {
        EXPECT_EQ(editControl<QLineEdit>("memberNumber")->text(), QStringLiteral("FIN-77"));
        EXPECT_TRUE(editControl<QCheckBox>("leftHanded")->isChecked());
        typeInto(editControl<QLineEdit>("sharesGunWith"), QStringLiteral("12"));
        editControl<QCheckBox>("leftHanded")->setChecked(false);
    });
    EXPECT_EQ(kilpailu->extras[1].sharesGunWith, QStringLiteral("12"));
    EXPECT_FALSE(kilpailu->extras[1].leftHanded);
    EXPECT_EQ(kilpailu->extras[1].email, QStringLiteral("pekka@example.fi"));
}

TEST_F(CompetitorDialogsTest, RenameMovesTheNameInBothListsAndKeepsTheSlot)
{
    add(QStringLiteral("Aalto Pekka"));
    add(QStringLiteral("Berg Anna"));
    slot(1).Osallistuu[FPP] = true;
    slot(1).Kana[FPP] = 8;
    fillNameLists();
    entryDialog->showFirstCompetitor();

    inEditDialog(
        [&] { typeInto(editControl<QLineEdit>("KilpNimi"), QStringLiteral("Ödman Olli")); });
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Ödman Olli"));
    EXPECT_EQ(slot(1).Numero, 1);
    EXPECT_TRUE(slot(1).Osallistuu[FPP]);
    EXPECT_EQ(slot(1).Kana[FPP], 8);
    const QStringList renamed = {QStringLiteral("Berg Anna"), QStringLiteral("Ödman Olli")};
    EXPECT_EQ(items(entryList()), renamed);
    EXPECT_EQ(items(resultList()), renamed);
    EXPECT_EQ(
        child<QLabel>(entryDialog, QStringLiteral("Nimi"))->text(), QStringLiteral("Ödman Olli"));
}

TEST_F(CompetitorDialogsTest, EditWithNoCompetitorShownOpensEmptyAndRefusesOkAndRemove)
{
    prompts.expectInformation(NimiEiKelpaa);
    add(QStringLiteral("Aalto Pekka"));
    add(QStringLiteral("Berg Anna"));
    add(QStringLiteral("Carlsson Eva"));
    kilpailu->removeCompetitor(1);
    names.removeOne(QStringLiteral("Aalto Pekka"));
    fillNameLists();
    entryDialog->showFirstCompetitor();
    ASSERT_EQ(child<QLabel>(entryDialog, QStringLiteral("Nimi"))->text(), QString());
    const QByteArray before = slot(1).toBytes() + slot(2).toBytes() + slot(3).toBytes();

    for (const char *button : {"OK", "removeButton"}) {
        prompts.informations.clear();
        inEditDialog(
            [&] {
                EXPECT_EQ(editDialog->editedSlot(), 0);
                EXPECT_EQ(editControl<QLineEdit>("KilpNimi")->text(), QString());
                EXPECT_EQ(editControl<QComboBox>("SeuraCombo")->currentText(), QString());
                EXPECT_EQ(editControl<QComboBox>("Kansallisuus")->currentText(), QString());
                EXPECT_EQ(editControl<QLabel>("KilpNumero")->text(), QString());
                typeInto(editControl<QLineEdit>("KilpNimi"), QStringLiteral("Dahl Dan"));
            },
            button);
        EXPECT_EQ(prompts.informations, QStringList{NimiEiKelpaa}) << button;
        EXPECT_EQ(slot(1).toBytes() + slot(2).toBytes() + slot(3).toBytes(), before) << button;
        EXPECT_EQ(entryList()->count(), 2) << button;
    }
    EXPECT_FALSE(kilpailu->Muutettu);
}

TEST_F(CompetitorDialogsTest, EnterIsOkAndEscapeIsCancel)
{
    click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == newDialog; }));
    EXPECT_EQ(QApplication::focusWidget(), newControl<QLineEdit>("newCompetitorName"))
        << "the name field takes the keyboard";
    QTest::keyClicks(newControl<QLineEdit>("newCompetitorName"), QStringLiteral("Aalto Pekka"));
    QTest::keyClick(newControl<QLineEdit>("newCompetitorName"), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("PSA"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(slot(1).Seura.text(), QStringLiteral("PSA"));
    EXPECT_FALSE(newDialog->isVisible());

    click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
    QTest::keyClicks(newControl<QLineEdit>("newCompetitorName"), QStringLiteral("Berg Anna"));
    QTest::keyClick(newControl<QLineEdit>("newCompetitorName"), Qt::Key_Escape);
    EXPECT_FALSE(newDialog->isVisible());
    EXPECT_TRUE(slot(2).Nimi.isEmpty());

    inEditDialog(
        [&] {
            typeInto(editControl<QLineEdit>("KilpNimi"), QStringLiteral("Aalto Paavo"));
            QTest::keyClick(editControl<QLineEdit>("KilpNimi"), Qt::Key_Escape);
            EXPECT_FALSE(editDialog->isVisible());
        },
        "cancelButton");
    EXPECT_EQ(slot(1).Nimi.text(), QStringLiteral("Aalto Pekka"));
}

TEST_F(CompetitorDialogsTest, ClubListOffersItsSuggestionsAsTyped)
{
    click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
    auto *seura = newControl<QComboBox>("Seura");
    EXPECT_EQ(seura->count(), 27);
    EXPECT_EQ(newControl<QComboBox>("Kansallisuus")->count(), 7);
    typeInto(newControl<QLineEdit>("newCompetitorName"), QStringLiteral("Aalto Pekka"));
    typeInto(seura, QStringLiteral("hau"));
    QAbstractItemView *offered = seura->completer()->popup();
    ASSERT_TRUE(offered->isVisible());
    QTest::keyClick(offered, Qt::Key_Down);
    QTest::keyClick(offered, Qt::Key_Return);
    EXPECT_EQ(seura->currentText(), QStringLiteral("HAUR"));
    EXPECT_TRUE(newDialog->isVisible()) << "Enter took the suggestion; OK waits";
    EXPECT_TRUE(slot(1).Nimi.isEmpty());
    snapshot(newDialog, QStringLiteral("new-competitor"));
    click(newControl<QAbstractButton>("OK"));
    EXPECT_EQ(slot(1).Seura.text(), QStringLiteral("HAUR"));
}

// The program's own windows reach one another as the dialogs above do.
TEST(CompetitorDialogsInTheProgram, NewAndEditReachTheEntryDialogAndBothNameLists)
{
    ScriptedPrompts prompts;
    Program program;
    const Dialogs &dialogs = program.dialogs();
    dialogs.competitorEntry->show();
    dialogs.competitorEntry->findChild<QAbstractButton *>(QStringLiteral("newCompetitorButton"))
        ->click();
    ASSERT_TRUE(dialogs.newCompetitor->isVisible());
    QTest::keyClicks(
        dialogs.newCompetitor->findChild<QLineEdit *>(QStringLiteral("newCompetitorName")),
        QStringLiteral("Aalto Pekka"));
    dialogs.newCompetitor->findChild<QAbstractButton *>(QStringLiteral("OK"))->click();

    EXPECT_EQ(dialogs.competitorEntry->shownName(), QStringLiteral("Aalto Pekka"));
    EXPECT_EQ(dialogs.competitorEntry->nameList()->findText(QStringLiteral("Aalto Pekka")), 0);
    EXPECT_EQ(dialogs.resultEntry->nameList()->findText(QStringLiteral("Aalto Pekka")), 0);
    dialogs.competitorEntry->hide();
}

} // namespace
