// The main window as the match office's desk: title, Save and Save As, recent matches, the
// exit question's Save, confirmations in the status bar, and outputs that never show old tables.
#include "ProgramFixture.h"
#include "files/MatchFiles.h"
#include "output/CsvExport.h"
#include "ranking/Ranking.h"
#include "ui/CheckResultsDialog.h"
#include "ui/ResultEntryDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace marvola;
using namespace marvola::testing;

namespace {

class MatchDeskTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"))
            .remove(QStringLiteral("recentMatches"));
    }
    // The demo's four files copied under the name "match"; returns the chosen name.
    QString copyDemo()
    {
        const MatchFileSet from = MatchFileSet::fromChosenName(demoMatch());
        const QString chosen = dir.filePath(QStringLiteral("match.mrv"));
        const MatchFileSet to = MatchFileSet::fromChosenName(chosen);
        for (const auto &[source, copy] :
            {std::pair{from.summary, to.summary}, std::pair{from.match, to.match},
                std::pair{from.results, to.results}, std::pair{from.teams, to.teams}})
            EXPECT_TRUE(QFile::copy(source, copy)) << copy.toStdString();
        return chosen;
    }
    QAction *action(const char *name)
    {
        auto *found = form.findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Types into a result entry field as the official does, over its whole text.
    static void typeInto(QLineEdit *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    ResultEntryDialog *openResultEntryOn(int slot)
    {
        action("editResultsAction")->trigger();
        ResultEntryDialog *entry = program.dialogs().resultEntry;
        EXPECT_TRUE(entry->isVisible());
        entry->showCompetitor(slot, BBPR);
        return entry;
    }
    // The whole screen, window manager's title bar included, as a PNG when
    // MARVOLA_SCREENSHOT_DIR names a folder (run under an X server with a window manager).
    void screenShot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("MARVOLA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        form.raise();
        form.activateWindow();
        QTest::qWait(300); // the window manager draws the frame in its own time
        QProcess::execute(QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"),
                QDir(folder).filePath(name + QStringLiteral(".png"))});
    }
    // Aalto Matti, the demo's BBPR winner: slot 1, with 36.
    static constexpr int Aalto = 1;

    QTemporaryDir dir;
};

TEST_F(MatchDeskTest, TitleNamesTheMatchFileAndMarksUnsavedChanges)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Marvola[*]"));
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("match.mrv[*] - Marvola"));
    EXPECT_FALSE(form.isWindowModified());

    ResultEntryDialog *entry = openResultEntryOn(Aalto);
    typeInto(entry->findChild<QLineEdit *>(QStringLiteral("BBPRKana")), QStringLiteral("9"));
    // The mark follows the typed entry at once: nothing waits for a timer.
    EXPECT_TRUE(form.isWindowModified());
    entry->close();
    screenShot(QStringLiteral("title-unsaved"));
    form.saveMatch();
    screenShot(QStringLiteral("status-after-save"));
    EXPECT_FALSE(form.isWindowModified()) << "saved: the mark goes";
}

TEST_F(MatchDeskTest, SaveWritesTheCurrentSetWithoutAskingAndSaysSoInTheStatusBar)
{
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    kilpailu().kilpailijat[Aalto].Kana[BBPR] = 3;
    kilpailu().Muutettu = true;

    action("saveAction")->trigger();

    EXPECT_TRUE(prompts.fileDialogs.isEmpty()) << "no question for a match that has a file";
    EXPECT_FALSE(kilpailu().Muutettu);
    QString error;
    const LoadedMatch reloaded = loadMatchFileSet(chosen, false, kilpailu(), error);
    ASSERT_TRUE(reloaded.kilpailu) << error.toStdString();
    EXPECT_EQ(reloaded.kilpailu->kilpailijat[Aalto].Kana[BBPR], 3);
    EXPECT_EQ(form.statusBar()->currentMessage(),
        QStringLiteral("Saved ") + QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath()));
}

TEST_F(MatchDeskTest, SaveAsAsksForTheNameAndLaterSavesGoThere)
{
    const QString other = dir.filePath(QStringLiteral("autumn.mrv"));
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    prompts.fileAnswers = {other};
    action("saveAsAction")->trigger();
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(form.matchFile(), other);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("autumn.mrv[*] - Marvola"));

    kilpailu().kilpailijat[Aalto].Sika[BBPR] = 1;
    kilpailu().Muutettu = true;
    action("saveAction")->trigger();
    EXPECT_EQ(prompts.fileDialogs.size(), 1) << "Save goes to the set chosen last";
    QString error;
    const LoadedMatch reloaded = loadMatchFileSet(other, false, kilpailu(), error);
    ASSERT_TRUE(reloaded.kilpailu) << error.toStdString();
    EXPECT_EQ(reloaded.kilpailu->kilpailijat[Aalto].Sika[BBPR], 1);
}

TEST_F(MatchDeskTest, NewMatchSaveAsksForAName)
{
    const QString chosen = dir.filePath(QStringLiteral("new.mrv"));
    kilpailu().addCompetitor(QStringLiteral("Aalto Matti"), QString(), QString());
    prompts.fileAnswers = {chosen};
    action("saveAction")->trigger();
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_TRUE(QFile::exists(MatchFileSet::fromChosenName(chosen).results));
}

struct MenuCase
{
    const char *action;
    QKeySequence shortcut;
};

TEST_F(MatchDeskTest, EveryMenuAndCommandHasAnAccessKeyAndTheUsualShortcuts)
{
    for (QAction *menu : form.menuBar()->actions())
        EXPECT_TRUE(menu->text().contains(QLatin1Char('&'))) << menu->text().toStdString();
    for (QMenu *menu : form.menuBar()->findChildren<QMenu *>()) {
        for (QAction *item : menu->actions()) {
            if (!item->isSeparator()) {
                EXPECT_TRUE(item->text().contains(QLatin1Char('&'))) << item->text().toStdString();
            }
        }
    }
    for (const MenuCase &c :
        {MenuCase{"openAction", QKeySequence::Open}, MenuCase{"saveAction", QKeySequence::Save},
            MenuCase{"printAction", QKeySequence::Print},
            MenuCase{"exitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)}})
        EXPECT_EQ(action(c.action)->shortcut(), c.shortcut) << c.action;
    EXPECT_EQ(action("saveAction")->text(), QStringLiteral("&Save"));
    EXPECT_EQ(action("saveAsAction")->text(), QStringLiteral("Save &As..."));
}

TEST_F(MatchDeskTest, RecentMatchesListTheLatestFirstAndOpenAgain)
{
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    const QString other = dir.filePath(QStringLiteral("b.mrv"));
    prompts.fileAnswers = {other};
    form.saveMatchAs();
    const QStringList expected{
        QFileInfo(other).absoluteFilePath(), QFileInfo(chosen).absoluteFilePath()};
    EXPECT_EQ(form.recentMatches(), expected);

    kilpailu().clearCompetitorRegister();
    action("recentMatchAction2")->trigger();
    EXPECT_EQ(form.matchFile(), QFileInfo(chosen).absoluteFilePath());
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 40);
    EXPECT_EQ(form.recentMatches().first(), QFileInfo(chosen).absoluteFilePath());
}

TEST_F(MatchDeskTest, ExitQuestionsSaveButtonSavesThenLeaves)
{
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    kilpailu().kilpailijat[Aalto].Passi[BBPR] = 2;
    kilpailu().Muutettu = true;
    prompts.leaveAnswers = {LeaveAnswer::SaveFirst};
    QSignalSpy closed(&form, &MainWindow::closed);

    action("exitAction")->trigger();

    EXPECT_EQ(prompts.questions, QStringList{UnsavedChangesQuestion});
    EXPECT_EQ(closed.count(), 1);
    QString error;
    const LoadedMatch reloaded = loadMatchFileSet(chosen, false, kilpailu(), error);
    ASSERT_TRUE(reloaded.kilpailu) << error.toStdString();
    EXPECT_EQ(reloaded.kilpailu->kilpailijat[Aalto].Passi[BBPR], 2);
}

struct ReplaceCase
{
    const char *name;
    LeaveAnswer answer;
    bool opensOther;
    bool changeSaved;
};

class ReplaceUnsavedMatch : public MatchDeskTest, public ::testing::WithParamInterface<ReplaceCase>
{
};

// Opening a recent match asks as leaving does: Save keeps the change on disk, Don't Save gives
// it up, Cancel stays with the match and its change.
TEST_P(ReplaceUnsavedMatch, OpeningARecentMatchAsksLikeLeaving)
{
    const ReplaceCase &c = GetParam();
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    const QString other = dir.filePath(QStringLiteral("b.mrv"));
    prompts.fileAnswers = {other};
    form.saveMatchAs();
    kilpailu().kilpailijat[Aalto].Passi[BBPR] = 4;
    kilpailu().Muutettu = true;
    prompts.leaveAnswers = {c.answer};

    action("recentMatchAction2")->trigger();

    EXPECT_EQ(prompts.questions, QStringList{UnsavedChangesQuestion});
    EXPECT_EQ(form.matchFile(), QFileInfo(c.opensOther ? chosen : other).absoluteFilePath());
    QString error;
    const LoadedMatch saved = loadMatchFileSet(other, false, kilpailu(), error);
    ASSERT_TRUE(saved.kilpailu) << error.toStdString();
    EXPECT_EQ(saved.kilpailu->kilpailijat[Aalto].Passi[BBPR] == 4, c.changeSaved);
    if (!c.opensOther) {
        EXPECT_TRUE(kilpailu().Muutettu);
        EXPECT_EQ(kilpailu().kilpailijat[Aalto].Passi[BBPR], 4);
    }
}

INSTANTIATE_TEST_SUITE_P(MatchDesk, ReplaceUnsavedMatch,
    ::testing::Values(ReplaceCase{"Save", LeaveAnswer::SaveFirst, true, true},
        ReplaceCase{"DontSave", LeaveAnswer::Leave, true, false},
        ReplaceCase{"Cancel", LeaveAnswer::Stay, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

struct NewMatchCase
{
    const char *name;
    bool unsaved;
    QList<LeaveAnswer> answers;
    bool emptied;
    bool changeSaved;
};

class NewMatch : public MatchDeskTest, public ::testing::WithParamInterface<NewMatchCase>
{
};

// File > New asks as leaving does, and the window starts over with an empty match and no set.
TEST_P(NewMatch, AsksLikeLeavingThenEmptiesTheWindow)
{
    const NewMatchCase &c = GetParam();
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    auto *hint = form.findChild<QLabel *>(QStringLiteral("emptyMatchHint"));
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->isVisible()) << "a match with competitors needs no hint";
    if (c.unsaved) {
        kilpailu().kilpailijat[Aalto].Passi[BBPR] = 4;
        kilpailu().Muutettu = true;
    }
    prompts.leaveAnswers = c.answers;

    action("newAction")->trigger();

    EXPECT_EQ(prompts.questions, c.unsaved ? QStringList{UnsavedChangesQuestion} : QStringList{});
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied() == 0, c.emptied);
    EXPECT_EQ(form.matchFile().isEmpty(), c.emptied);
    EXPECT_EQ(hint->isVisible(), c.emptied);
    EXPECT_EQ(listedNames().isEmpty(), c.emptied) << "the tabs follow";
    if (c.emptied) {
        EXPECT_FALSE(kilpailu().Muutettu);
    }
    QString error;
    const LoadedMatch saved = loadMatchFileSet(chosen, false, kilpailu(), error);
    ASSERT_TRUE(saved.kilpailu) << error.toStdString();
    EXPECT_EQ(saved.kilpailu->kilpailijat[Aalto].Passi[BBPR] == 4, c.changeSaved);
}

INSTANTIATE_TEST_SUITE_P(MatchDesk, NewMatch,
    ::testing::Values(NewMatchCase{"Saved", false, {}, true, false},
        NewMatchCase{"UnsavedSave", true, {LeaveAnswer::SaveFirst}, true, true},
        NewMatchCase{"UnsavedDontSave", true, {LeaveAnswer::Leave}, true, false},
        NewMatchCase{"UnsavedCancel", true, {LeaveAnswer::Stay}, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

// Open, Save As and Export start in the match's folder, not in the program's working folder.
TEST_F(MatchDeskTest, FileDialogsStartInTheMatchsFolder)
{
    const QString chosen = copyDemo();
    ASSERT_TRUE(form.loadMatch(chosen));
    prompts.fileAnswers = {QString(), QString(), QString()};
    action("openAction")->trigger();
    action("saveAsAction")->trigger();
    action("exportAction")->trigger();
    ASSERT_EQ(prompts.fileDialogs.size(), 3);
    for (const FileDialogRequest &request : prompts.fileDialogs)
        EXPECT_EQ(request.folder, QFileInfo(chosen).absolutePath()) << request.title.toStdString();
}

TEST_F(MatchDeskTest, ExitQuestionsSaveThatIsCancelledStaysWithTheData)
{
    kilpailu().addCompetitor(QStringLiteral("Aalto Matti"), QString(), QString());
    kilpailu().Muutettu = true;
    prompts.leaveAnswers = {LeaveAnswer::SaveFirst};
    prompts.fileAnswers = {QString()};
    QSignalSpy closed(&form, &MainWindow::closed);

    form.exitProgram();

    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(kilpailu().Muutettu);
}

// ---- outputs never show tables older than the registers ----

TEST_F(MatchDeskTest, ClosingTheResultEntryWithTheCloseBoxRefreshesTheTabs)
{
    loadDemo();
    ResultEntryDialog *entry = openResultEntryOn(Aalto);
    typeInto(entry->findChild<QLineEdit *>(QStringLiteral("BBPRYhteensa")), QStringLiteral("40"));
    entry->close();

    QStringList totals;
    for (const ListLine &line : linesOf(QStringLiteral("BBPRRuutu")))
        if (line.columns.value(2) == QLatin1String("Aalto Matti"))
            totals << line.columns.value(8);
    EXPECT_EQ(totals, QStringList{QStringLiteral("40")});
    EXPECT_TRUE(tablesAreCurrent(kilpailu(), program.tulokset()));
}

TEST_F(MatchDeskTest, ExportWhileTheResultEntryIsOpenShowsTheResultsAsEntered)
{
    loadDemo();
    ResultEntryDialog *entry = openResultEntryOn(Aalto);
    typeInto(entry->findChild<QLineEdit *>(QStringLiteral("BBPRKana")), QStringLiteral("1"));
    ASSERT_FALSE(tablesAreCurrent(kilpailu(), program.tulokset()));

    const QString chosen = dir.filePath(QStringLiteral("results.csv"));
    prompts.fileAnswers = {chosen};
    action("exportAction")->trigger();

    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.contains("\"Aalto Matti\";\"HyMAS\";1;10;9;7;27;")) << csv.left(600).data();
    EXPECT_FALSE(csv.contains("\"Aalto Matti\";\"HyMAS\";10;10;9;7;36;"));
    EXPECT_TRUE(entry->isVisible()) << "the official goes on typing";
    entry->close();
}

// ---- the competitor list's filter ----

struct FilterCase
{
    const char *typed;
    int column; // the column that must hold it: 0 name, 1 number, 2 club
};

TEST_F(MatchDeskTest, CompetitorFilterNarrowsTheListAsTheOfficialTypes)
{
    loadDemo();
    auto *filter = form.findChild<QLineEdit *>(QStringLiteral("competitorFilterEdit"));
    ASSERT_NE(filter, nullptr);
    const ListLines all = linesOf(QStringLiteral("KilpailijaView"));
    ASSERT_EQ(form.shownCompetitors().size(), 40);

    QStringList expected;
    for (const FilterCase &c :
        {FilterCase{"aalto", 0}, FilterCase{"12", 1}, FilterCase{"kesa", 2}}) {
        filter->clear();
        QTest::keyClicks(filter, QLatin1String(c.typed));
        expected.clear();
        for (const ListLine &line : all) {
            const QString value = line.columns.value(c.column);
            if (c.column == 1 ? value.startsWith(QLatin1String(c.typed))
                              : value.contains(QLatin1String(c.typed), Qt::CaseInsensitive))
                expected << line.columns.value(0);
        }
        EXPECT_FALSE(expected.isEmpty()) << c.typed;
        EXPECT_LT(expected.size(), 40) << c.typed;
        EXPECT_EQ(form.shownCompetitors(), expected) << c.typed;
    }
    form.refresh();
    EXPECT_EQ(form.shownCompetitors(), expected) << "a refresh keeps the filter";
    screenShot(QStringLiteral("filtered-competitors"));
    filter->clear();
    EXPECT_EQ(form.shownCompetitors().size(), 40);
}

// ---- the check list while results are corrected ----

TEST_F(MatchDeskTest, CheckListOpensTheBrokenFieldAndFollowsTheCorrection)
{
    Kilpailu &m = kilpailu();
    m.tiedot.Laukaukset.fill(40);
    const int slot = *m.addCompetitor(QStringLiteral("Aalto Matti"), QStringLiteral("Club"), {});
    TKilpailija &k = m.kilpailijat[slot];
    k.Osallistuu[BBPR] = true;
    k.Luokka[BBPR].setText(Luokat::A);
    k.Kana[BBPR] = k.Sika[BBPR] = k.Kalkkuna[BBPR] = 10;
    k.Passi[BBPR] = 12;
    k.Yhteensa[BBPR] = 42;
    form.fillCompetitorNameLists();
    form.refresh();

    action("checkResultsAction")->trigger();
    auto *check = form.findChild<CheckResultsDialog *>();
    ASSERT_TRUE(check && check->isVisible());
    ASSERT_EQ(check->entryCount(), 1);
    auto *table = check->findChild<QTableWidget *>(QStringLiteral("checkResultsTable"));
    emit table->cellActivated(0, 0);

    ResultEntryDialog *entry = program.dialogs().resultEntry;
    ASSERT_TRUE(entry->isVisible());
    auto *passi = entry->findChild<QLineEdit *>(QStringLiteral("BBPRPassi"));
    EXPECT_EQ(entry->focusWidget(), passi) << "the cursor waits in the ram field";
    typeInto(passi, QStringLiteral("10"));
    EXPECT_EQ(check->entryCount(), 0) << "the list follows while the dialog is still open";
    entry->close();
    check->hide();
}

} // namespace
