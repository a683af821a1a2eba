// Results > "Relays...": the plan read from a file and typed, the trial draw applied as one undo
// step or cancelled, places moved, swapped and locked by hand, and the cards not returned
// following the results as they come.
#include "ui/RelaysWindow.h"

#include "ProgramFixture.h"
#include "session/MatchSession.h"
#include "ui/MainWindow.h"
#include "ui/RelayDrawDialog.h"
#include "ui/RelayPlacesView.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace marvola;
using namespace marvola::testing;

namespace {

class RelaysWindowTest : public ProgramTest
{
protected:
    // Aho shoots BBPR and BBPC, Berg and Cajan BBPR, Dahl BBPC. Relays 1 (BBPR) and 2 (BBPC) run
    // at the same time on two ranges; relay 3 (BBPC) an hour later.
    void enterField()
    {
        Kilpailu &m = kilpailu();
        const std::tuple<const char *, const char *, QList<Laji>> shooters[]
            = {{"Aho", "HAUR", {BBPR, BBPC}}, {"Berg", "HAUR", {BBPR}}, {"Cajan", "OMAS", {BBPR}},
                {"Dahl", "OMAS", {BBPC}}};
        for (const auto &[nimi, seura, lajit] : shooters) {
            const int slot = *m.addCompetitor(QLatin1String(nimi), QLatin1String(seura), {});
            for (const Laji d : lajit) {
                m.kilpailijat[slot].Osallistuu[d] = true;
                m.kilpailijat[slot].Luokka[d].setText(Luokat::A);
            }
        }
        m.relayPlan.relays = {Relay{1, {BBPR}, 8 * 60, 45, 3}, Relay{2, {BBPC}, 8 * 60, 45, 2},
            Relay{3, {BBPC}, 9 * 60, 45, 2}};
    }
    std::int32_t numberOf(const char *nimi)
    {
        return kilpailu()
            .kilpailijat[*kilpailu().kilpailijat.slotByName(QLatin1String(nimi))]
            .Numero;
    }
    EntryKey entryOf(const char *nimi, Laji d) { return EntryKey{numberOf(nimi), d}; }

    RelaysWindow *openRelays()
    {
        form.findChild<QAction *>(QStringLiteral("relaysAction"))->trigger();
        auto *window = form.findChild<RelaysWindow *>();
        EXPECT_TRUE(window && window->isVisible());
        return window;
    }
    template<typename T> T *part(const char *name)
    {
        auto *found = form.findChild<RelaysWindow *>()->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) { QTest::mouseClick(part<QPushButton>(name), Qt::LeftButton); }
    RelayPlacesView *places() { return part<RelayPlacesView>("placesView"); }
    RelayDrawDialog *draw() { return form.findChild<RelaysWindow *>()->trialDraw(); }
    // Draws with the seed typed into the trial and applies it.
    void drawAndApply(const char *seed)
    {
        click("drawButton");
        ASSERT_NE(draw(), nullptr);
        auto *seedEdit = draw()->findChild<QLineEdit *>(QStringLiteral("seedEdit"));
        seedEdit->clear();
        QTest::keyClicks(seedEdit, QLatin1String(seed));
        QTest::keyClick(seedEdit, Qt::Key_Return);
        QTest::mouseClick(
            draw()->findChild<QPushButton *>(QStringLiteral("applyButton")), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([this] { return draw() == nullptr; }));
    }
    void selectEntries(std::initializer_list<EntryKey> entries)
    {
        places()->clearSelection();
        for (const EntryKey &entry : entries) {
            QTreeWidgetItem *line = places()->itemOfEntry(entry);
            ASSERT_NE(line, nullptr);
            places()->setCurrentItem(line, 0, QItemSelectionModel::Select);
        }
    }
    QString planRow(int row)
    {
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts << part<QTableWidget>("relayPlanTable")->item(row, column)->text();
        return texts.join(QLatin1Char(';'));
    }
};

TEST_F(RelaysWindowTest, ReadsAPlanFileAndRefusesAMalformedOneWhole)
{
    RelaysWindow *window = openRelays();
    ASSERT_TRUE(window);
    EXPECT_EQ(form.findChild<QAction *>(QStringLiteral("relaysAction"))->shortcut(),
        QKeySequence(QStringLiteral("Ctrl+R")));
    for (const QAction *action : form.findChildren<QAction *>()) {
        if (action->objectName() != QLatin1String("relaysAction")) {
            EXPECT_NE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")))
                << action->objectName().toStdString();
        }
    }

    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("plan.csv"));
    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    for (const auto &[name, text] : {std::pair{good,
                                         "disciplines,relay,start,minutes,points\n"
                                         "BBPR BBPC,1,08:00,45,20\n"
                                         "SBRL,2,8:30,60,10\n"},
             std::pair{bad,
                 "disciplines;relay;start;minutes;points\n"
                 "BBPR;1;08:00;45;20\n"
                 "BBPX;2;09:00;45;20\n"
                 "BBPC;3;25:00;45;20\n"}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    prompts.fileAnswers << good;
    click("readPlanButton");
    auto *table = part<QTableWidget>("relayPlanTable");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(planRow(0), QStringLiteral("1;BBPR BBPC;08:00;45;20"));
    EXPECT_EQ(planRow(1), QStringLiteral("2;SBRL;08:30;60;10"));
    const RelayPlan read = kilpailu().relayPlan;

    prompts.expectAnyError();
    prompts.fileAnswers << bad;
    click("readPlanButton");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("\n3: unknown discipline \"BBPX\"")))
        << prompts.errors[0].toStdString();
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("\n4: start \"25:00\"")));
    EXPECT_EQ(kilpailu().relayPlan, read) << "a malformed plan changes nothing";

    // Typed into the table: a bad length is refused with the file's reason, a good one kept.
    table->item(1, 3)->setText(QStringLiteral("0"));
    ASSERT_EQ(prompts.errors.size(), 2);
    EXPECT_TRUE(prompts.errors[1].contains(QStringLiteral("length \"0\"")));
    EXPECT_EQ(kilpailu().relayPlan, read);
    EXPECT_EQ(planRow(1), QStringLiteral("2;SBRL;08:30;60;10"));
    table->item(1, 3)->setText(QStringLiteral("50"));
    EXPECT_EQ(kilpailu().relayPlan.relays[1].minutes, 50);

    // Added after the last relay, and removed; each change of the plan one undo step.
    click("addRelayButton");
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(planRow(2), QStringLiteral("3;SBRL;09:20;50;10"));
    table->setCurrentCell(0, 0);
    click("removeRelayButton");
    EXPECT_EQ(kilpailu().relayPlan.relays.size(), 2);
    EXPECT_EQ(kilpailu().relayPlan.relays[0].number, 2);
    program.session().undo();
    program.session().undo();
    program.session().undo();
    EXPECT_EQ(kilpailu().relayPlan, read);
    QTRY_COMPARE(table->rowCount(), 2);
    program.session().undo();
    EXPECT_TRUE(kilpailu().relayPlan.relays.isEmpty());
    window->hide();
}

TEST_F(RelaysWindowTest, ATrialDrawIsAppliedAsOneUndoStepOrCancelledWithoutAChange)
{
    enterField();
    // Three BBPC entries for two points, one each in relays 2 and 3.
    const int eklund
        = *kilpailu().addCompetitor(QStringLiteral("Eklund"), QStringLiteral("OMAS"), {});
    kilpailu().kilpailijat[eklund].Osallistuu[BBPC] = true;
    kilpailu().relayPlan.relays[1].points = 1;
    kilpailu().relayPlan.relays[2].points = 1;
    RelaysWindow *window = openRelays();
    ASSERT_TRUE(window);

    click("drawButton");
    ASSERT_NE(draw(), nullptr);
    ASSERT_TRUE(draw()->isVisible());
    auto *seedEdit = draw()->findChild<QLineEdit *>(QStringLiteral("seedEdit"));
    EXPECT_EQ(seedEdit->text(), QString::number(draw()->seed()));
    // Whichever seed, one BBPC entry is left out, and the trial says why.
    auto *problems = draw()->findChild<QTreeWidget *>(QStringLiteral("drawProblems"));
    ASSERT_EQ(problems->topLevelItemCount(), 1);
    EXPECT_EQ(problems->topLevelItem(0)->text(2), QStringLiteral("BBPC"));
    EXPECT_TRUE(problems->topLevelItem(0)->text(3).startsWith(QStringLiteral("not placed: ")));
    EXPECT_GT(
        draw()->findChild<RelayPlacesView *>(QStringLiteral("trialPlaces"))->topLevelItemCount(),
        2);
    QTest::mouseClick(
        draw()->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
    QTRY_COMPARE(draw(), nullptr);
    EXPECT_TRUE(kilpailu().assignments.empty()) << "Cancel changes nothing";
    EXPECT_FALSE(program.session().undo()) << "and leaves no step";

    drawAndApply("7");
    const DrawResult expected = drawRelays(kilpailu(), kilpailu().relayPlan, {}, 7);
    EXPECT_EQ(kilpailu().assignments, expected.assignments);
    EXPECT_EQ(kilpailu().assignments.size(), 5u);
    EXPECT_TRUE(places()->itemOfEntry(kilpailu().assignments.begin()->first));

    // One step back is the whole draw; Ctrl+Shift+Z in the window brings it back.
    window->activateWindow();
    QTest::keyClick(places(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(kilpailu().assignments.empty());
    QTest::keyClick(places(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(kilpailu().assignments, expected.assignments);

    // A trial of the match that was there goes when another match takes its place.
    click("drawButton");
    ASSERT_NE(draw(), nullptr);
    program.session().newMatch();
    QTRY_COMPARE(draw(), nullptr);
    EXPECT_TRUE(kilpailu().assignments.empty());
    window->hide();
}

TEST_F(RelaysWindowTest, MovesSwapsAndLocksByHandAndShowsABrokenRuleInRed)
{
    enterField();
    RelaysWindow *window = openRelays();
    ASSERT_TRUE(window);
    drawAndApply("3");
    const EntryKey ahoBbpc = entryOf("Aho", BBPC);
    ASSERT_EQ(kilpailu().assignments.at(ahoBbpc).relay, 3);

    // Into relay 2, beside his own BBPR in relay 1: kept, red, with the reason.
    selectEntries({ahoBbpc});
    auto *relayBox = part<QComboBox>("moveRelayBox");
    relayBox->setCurrentIndex(relayBox->findData(2));
    // Dahl holds one of relay 2's two points.
    const int freePoint = RelayPlacesView::entryOf(places()->itemOfPoint(2, 1)) ? 2 : 1;
    part<QSpinBox>("movePointBox")->setValue(freePoint);
    click("moveButton");
    EXPECT_EQ(kilpailu().assignments.at(ahoBbpc).relay, 2);
    const QTreeWidgetItem *moved = places()->itemOfEntry(ahoBbpc);
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(moved->text(RelayPlacesView::ProblemColumn)
                    .contains(QStringLiteral("relay 2 overlaps relay 1")))
        << moved->text(RelayPlacesView::ProblemColumn).toStdString();
    EXPECT_EQ(moved->foreground(RelayPlacesView::NameColumn).color(), QColor(0xb2, 0x22, 0x22));
    EXPECT_EQ(places()->itemOfEntry(entryOf("Berg", BBPR))->text(RelayPlacesView::ProblemColumn),
        QString());

    // Two competitors swap points; a competitor and an empty point is a move.
    const EntryKey berg = entryOf("Berg", BBPR);
    const EntryKey cajan = entryOf("Cajan", BBPR);
    const Seat bergWas = kilpailu().assignments.at(berg);
    const Seat cajanWas = kilpailu().assignments.at(cajan);
    selectEntries({berg, cajan});
    click("swapButton");
    EXPECT_EQ(kilpailu().assignments.at(berg), cajanWas);
    EXPECT_EQ(kilpailu().assignments.at(cajan), bergWas);
    places()->clearSelection();
    places()->setCurrentItem(places()->itemOfEntry(ahoBbpc), 0, QItemSelectionModel::Select);
    places()->setCurrentItem(places()->itemOfPoint(3, 2), 0, QItemSelectionModel::Select);
    click("swapButton");
    EXPECT_EQ(kilpailu().assignments.at(ahoBbpc), (Seat{3, 2, false}));
    EXPECT_TRUE(places()->itemOfEntry(ahoBbpc)->text(RelayPlacesView::ProblemColumn).isEmpty());

    // Locked (Ctrl+L), a place outlives every new draw, also those that would move it.
    const Seat cajanSeat = kilpailu().assignments.at(cajan);
    const char *seeds[] = {"1", "2", "3", "4", "5", "6"};
    const bool aSeedMovesCajan = std::any_of(
        std::begin(seeds), std::end(seeds), [&](const char *seed) {
            return drawRelays(kilpailu(), kilpailu().relayPlan, {}, QByteArray(seed).toULongLong())
                       .assignments.at(cajan)
                != cajanSeat;
        });
    ASSERT_TRUE(aSeedMovesCajan) << "the seeds must try to move the locked place";
    selectEntries({cajan});
    window->activateWindow();
    QTest::keyClick(places(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(kilpailu().assignments.at(cajan).locked);
    EXPECT_EQ(
        places()->itemOfEntry(cajan)->text(RelayPlacesView::LockColumn), QStringLiteral("locked"));
    for (const char *seed : seeds) {
        drawAndApply(seed);
        EXPECT_EQ(kilpailu().assignments.at(cajan), (Seat{cajanSeat.relay, cajanSeat.point, true}))
            << seed;
    }
    selectEntries({cajan});
    click("lockButton");
    EXPECT_FALSE(kilpailu().assignments.at(cajan).locked);
    window->hide();
}

TEST_F(RelaysWindowTest, CardsNotReturnedFollowTheResultsTypedWhileOpen)
{
    enterField();
    const DrawResult drawn = drawRelays(kilpailu(), kilpailu().relayPlan, {}, 11);
    kilpailu().assignments = drawn.assignments;
    RelaysWindow *window = openRelays();
    ASSERT_TRUE(window);
    // At 09:00 relays 1 and 2 have ended, relay 3 (Aho's BBPC, 09:00-09:45) has not.
    window->setClock([] { return QTime(9, 0); });
    window->refresh();
    auto *cards = part<QTreeWidget>("missingCardsList");
    QStringList names;
    for (int i = 0; i < cards->topLevelItemCount(); ++i)
        names << cards->topLevelItem(i)->text(4) + QLatin1Char(' ')
                + cards->topLevelItem(i)->text(6);
    names.sort();
    EXPECT_EQ(names, (QStringList{"Aho BBPR", "Berg BBPR", "Cajan BBPR", "Dahl BBPC"}));
    EXPECT_TRUE(part<QLabel>("missingCardsSummary")->text().contains(QStringLiteral("09:00")));

    // Berg's card comes back: a hit typed in the result entry goes through the session.
    const int berg = *kilpailu().kilpailijat.slotByName(QStringLiteral("Berg"));
    program.session().edit([berg](Kilpailu &k) { k.kilpailijat[berg].Kana[BBPR] = 7; });
    QTRY_COMPARE(cards->topLevelItemCount(), 3);
    for (int i = 0; i < cards->topLevelItemCount(); ++i)
        EXPECT_NE(cards->topLevelItem(i)->text(4), QStringLiteral("Berg"));
    window->hide();
}

} // namespace
