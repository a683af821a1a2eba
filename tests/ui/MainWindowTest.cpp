// The main window: start state, tabs and columns, refresh, competitor list, files, export, exit.
#include "ProgramFixture.h"
#include "files/MatchFiles.h"
#include "model/Cp1252.h"
#include "output/CsvExport.h"
#include "support/ParamName.h"
#include "ui/CheckResultsDialog.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/DatabaseDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/EditTeamDialog.h"
#include "ui/MatchInfoDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/PrintDialog.h"
#include "ui/ResultEntryDialog.h"
#include "ui/TeamsDialog.h"
#include "upload/Connection.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

using namespace marvola;
using namespace marvola::testing;

namespace {

QStringList fileLines(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing %1>").arg(name)};
    QString text = fromCp1252(file.readAll());
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

bool writeLines(const QString &name, const QStringList &lines)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString &line : lines)
        file.write(toCp1252(line) + "\r\n");
    return true;
}

// Copies the demo's four files into dir under the base name "match".
QString copyDemo(const QTemporaryDir &dir)
{
    const MatchFileSet from = MatchFileSet::fromChosenName(demoMatch());
    const MatchFileSet to = MatchFileSet::fromChosenName(dir.filePath(QStringLiteral("match.mrv")));
    QFile::copy(from.summary, to.summary);
    QFile::copy(from.match, to.match);
    QFile::copy(from.results, to.results);
    QFile::copy(from.teams, to.teams);
    return to.summary;
}

QStringList headerCaptions(QTreeView *view)
{
    QStringList captions;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        captions << view->model()->headerData(c, Qt::Horizontal).toString();
    return captions;
}

// ---- start state, tabs and columns ----

using MainWindowTest = ProgramTest;

TEST_F(MainWindowTest, StartsEmptyWithEveryTabVisibleOnCompetitors)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Marvola[*]")) << "no match file yet";
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_TRUE(listedNames().isEmpty());
    EXPECT_TRUE(form.summaryLines().isEmpty()) << "no line before the first refresh";
    EXPECT_EQ(visibleTabs().size(), 23);
    EXPECT_EQ(pageControl()->currentIndex(), 0);
    EXPECT_EQ(pageControl()->tabText(0), QStringLiteral("Competitors"));
    EXPECT_EQ(pageControl()->tabPosition(), QTabWidget::South);
    EXPECT_FALSE(form.oldVersionFiles());
    EXPECT_FALSE(kilpailu().Muutettu);
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 0);
}

TEST_F(MainWindowTest, ProgramIconIsBuiltIn)
{
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/marvola/marvola.png")));
}

struct TabCase
{
    const char *caption;
    const char *page;
    const char *view;
    QStringList columns;
};

const QStringList DisciplineColumns{QString(), "Position", "Name", "Club", "Chicken", "Pig",
    "Turkey", "Ram", "Total", "f1", "f2", "f3", "f4", "f5", "Gun", "Model", "Caliber"};

QStringList aggregateColumns(const QStringList &disciplines)
{
    return QStringList{QString(), "Position", "Name", "Club"} + disciplines
        + QStringList{"Total", "Chicken", "Pig", "Turkey", "Ram"};
}

const QList<TabCase> Tabs{
    {"Competitors", "Kilpailijat", "KilpailijaView",
        {"Competitor Name", "Nro", "Club", "Nat.", "Disciplines"}},
    {"BBPC", "BBPC", "BBPCRuutu", DisciplineColumns},
    {"BBPR", "BBPR", "BBPRRuutu", DisciplineColumns},
    {"BBPP", "BBPP", "BBPPRuutu", DisciplineColumns},
    {"BBPS", "BBPS", "BBPSRuutu", DisciplineColumns},
    {"BBPU", "BBPU", "BBPURuutu", DisciplineColumns},
    {"BBP Agg", "BBPAgg", "BBPAggrRuutu", aggregateColumns({"P/C", "R", "S", "U"})},
    {"FPP", "FPP", "FPPRuutu", DisciplineColumns},
    {"FPPAS", "FPPAS", "FPPASRuutu", DisciplineColumns},
    {"FPAgg", "FPAgg", "FPAggrRuutu", aggregateColumns({"FPP", "FPPAS"})},
    {"SBPR", "SBPR", "SBPRRuutu", DisciplineColumns},
    {"SBPC", "SBPC", "SBPCRuutu", DisciplineColumns},
    {"SBPP", "SBPP", "SBPPRuutu", DisciplineColumns},
    {"SBPS", "SBPS", "SBPSRuutu", DisciplineColumns},
    {"SBPU", "SBPU", "SBPURuutu", DisciplineColumns},
    {"SBP Agg", "SBPAgg", "SBPAggrRuutu", aggregateColumns({"P/C", "R", "S", "U"})},
    {"SBRL", "SBRL", "SBRLRuutu", DisciplineColumns},
    {"SBRS", "SBRS", "SBRSRuutu", DisciplineColumns},
    {"SBR Agg", "SBRAgg", "SBRAggrRuutu", aggregateColumns({"SBRL", "SBRS"})},
    {"BBRH", "BBRH", "BBRHRuutu", DisciplineColumns},
    {"BBRS", "BBRS", "BBRSRuutu", DisciplineColumns},
    {"BBR Agg", "BBRAgg", "BBRAggrRuutu", aggregateColumns({"BBRH", "BBRS"})},
    {"Standing Agg", "StandingAgg", "StandingAggrRuutu",
        aggregateColumns({"BBPS", "SBPS", "FPP", "FPPAS"})},
};

TEST_F(MainWindowTest, TabsComeInTheirOrderWithTheirListColumns)
{
    ASSERT_EQ(pageControl()->count(), Tabs.size());
    for (int i = 0; i < Tabs.size(); ++i) {
        const TabCase &tab = Tabs[i];
        SCOPED_TRACE(tab.caption);
        EXPECT_EQ(pageControl()->tabText(i), QLatin1String(tab.caption));
        EXPECT_EQ(pageControl()->widget(i)->objectName(), QLatin1String(tab.page));
        QTreeView *list = view(QLatin1String(tab.view));
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(pageControl()->widget(i)->isAncestorOf(list));
        EXPECT_EQ(headerCaptions(list), tab.columns);
    }
}

// ---- the refresh ----

TEST_F(MainWindowTest, LoadedDemoShowsTheRankingLinesOnEveryTab)
{
    loadDemo();
    const Tulokset &tulokset = program.tulokset();
    for (int d = 0; d < LajiCount; ++d) {
        const ListLines &lines = linesOf(disciplineCode(d) + QStringLiteral("Ruutu"));
        EXPECT_EQ(lines, tulokset.lajiLines[static_cast<size_t>(d)])
            << disciplineCode(d).toStdString();
        EXPECT_GT(lines.size(), 2) << disciplineCode(d).toStdString();
    }
    for (const AggregateInfo &info : Aggregates) {
        const QString name = QLatin1String(info.code) + QStringLiteral("AggrRuutu");
        const ListLines &lines = linesOf(name);
        EXPECT_EQ(lines, tulokset.aggrLines[static_cast<size_t>(ix(info.aggregate))]);
        EXPECT_GT(lines.size(), 3) << name.toStdString();
    }

    // The demo's first BBPR place is tied at 36 and settled by the second shoot-off entry.
    const ListLines &bbpr = linesOf(QStringLiteral("BBPRRuutu"));
    EXPECT_TRUE(bbpr[0].heading);
    EXPECT_EQ(bbpr[0].columns.value(0), QStringLiteral("BBPR"));
    EXPECT_EQ(bbpr[1].columns.mid(1, 2), (QStringList{"1", "Aalto Matti"}));
    EXPECT_EQ(bbpr[2].columns.mid(1, 2), (QStringList{"2", "Virtanen Jukka"}));
    EXPECT_EQ(bbpr[2].columns.mid(8, 3), (QStringList{"36", "5", "3"}));
    ReportListModel *model = reportModel(view(QStringLiteral("BBPRRuutu")));
    EXPECT_TRUE(model->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model->index(1, 2).data(Qt::FontRole).value<QFont>().bold());

    EXPECT_EQ(listedNames().size(), 40);
    EXPECT_EQ(form.summaryLines(),
        (QStringList{"Club: HyMAS", "Place: Hyvinkää",
            "Date: " + formatMatchDate(QDate(2024, 6, 15)) + " - "
                + formatMatchDate(QDate(2024, 6, 16)),
            "Match Director: Lampinen Ilkka", "Kilpailut ovat ennätyskelpoiset "}));
    EXPECT_FALSE(kilpailu().Muutettu);
    EXPECT_EQ(visibleTabs().size(), 23) << "a load leaves the tabs as they were";
}

TEST_F(MainWindowTest, EveryDialogsRefreshRequestRebuildsTheMainWindow)
{
    const Dialogs &d = program.dialogs();
    const QList<std::function<void()>> requests{
        [&] { emit d.competitorEntry->updateRequested(); },
        [&] { emit d.newCompetitor->updateRequested(); },
        [&] { emit d.resultEntry->updateRequested(); },
        [&] { emit d.editCompetitor->updateRequested(); },
        [&] { emit d.print->updateRequested(); },
        [&] { emit d.teams->updateRequested(); },
        [&] { emit d.newTeam->updateRequested(); },
        [&] { emit d.editTeam->updateRequested(); },
        [&] { emit d.database->updateRequested(); },
    };
    int n = 0;
    for (const auto &request : requests) {
        const QString name = QStringLiteral("Shooter %1").arg(++n);
        kilpailu().addCompetitor(name, QString(), QString());
        EXPECT_FALSE(listedNames().contains(name)) << "lists are stale until a refresh";
        request();
        EXPECT_TRUE(listedNames().contains(name)) << n;
    }
}

struct DisciplinesCase
{
    QList<Laji> entered;
    const char *text;
};

class DisciplinesText : public ProgramTest, public ::testing::WithParamInterface<DisciplinesCase>
{
};

TEST_P(DisciplinesText, ListsTheEnteredCodesEachFollowedByABlank)
{
    const int slot = *kilpailu().addCompetitor(
        QStringLiteral("Aalto Matti"), QStringLiteral("HyMAS"), QStringLiteral("FIN"));
    for (Laji d : GetParam().entered)
        kilpailu().kilpailijat[slot].Osallistuu[d] = true;
    form.refresh();
    const ListLines &rows = linesOf(QStringLiteral("KilpailijaView"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].columns,
        (QStringList{"Aalto Matti", "1", "HyMAS", "FIN", QString::fromLatin1(GetParam().text)}));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, DisciplinesText,
    ::testing::Values(DisciplinesCase{{FPP, BBPC}, "BBPC FPP "},
        DisciplinesCase{{BBRH, SBRS, SBPR, BBPR}, "BBPR SBPR SBRS BBRH "},
        DisciplinesCase{{SBRL, FPPAS, SBPU, BBRS}, "FPPAS SBPU SBRL BBRS "},
        DisciplinesCase{{}, ""}),
    [](const auto &info) { return paramName(info.param.text); });

TEST_F(MainWindowTest, CompetitorListIsSortedByNameWhateverTheSlots)
{
    for (const char *name : {"Virtanen Jukka", "Mäkelä Timo", "Aalto Matti", "Korhonen Pekka"})
        kilpailu().addCompetitor(QString::fromUtf8(name), QString(), QString());
    kilpailu().removeCompetitor(4);
    form.refresh();
    EXPECT_EQ(listedNames(), (QStringList{"Aalto Matti", "Mäkelä Timo", "Virtanen Jukka"}))
        << "a removed competitor is no longer listed";
    EXPECT_EQ(linesOf(QStringLiteral("KilpailijaView"))[0].columns.value(1), QStringLiteral("3"));
}

TEST_F(MainWindowTest, OldLayoutLoadShowsTheOldDateAfterThePickersDates)
{
    QTemporaryDir dir;
    const QString chosen = copyDemo(dir);
    const QString matchFile = MatchFileSet::fromChosenName(chosen).match;
    QStringList lines = fileLines(matchFile);
    ASSERT_EQ(lines.size(), 17);
    lines.replace(2, QStringLiteral("13.-14.6.1998"));
    lines.removeAt(3);
    ASSERT_TRUE(writeLines(matchFile, lines));

    const QDate alku = kilpailu().tiedot.Alkupvm;
    const QDate loppu = kilpailu().tiedot.LoppuPvm;
    form.findChild<QCheckBox *>(QStringLiteral("oldVersionBox"))->setChecked(true);
    ASSERT_TRUE(form.loadMatch(chosen)) << prompts.errors.join(' ').toStdString();
    EXPECT_EQ(form.summaryLines().value(2),
        "Date: " + formatMatchDate(alku) + " - " + formatMatchDate(loppu)
            + " real date-->13.-14.6.1998");
    EXPECT_EQ(form.summaryLines().value(3), QStringLiteral("Match Director: Lampinen Ilkka"));
}

// ---- leaving ----

enum class ExitPath { Toolbar, Menu, CloseBox };

struct ExitCase
{
    ExitPath path;
    bool unsaved;
    QList<LeaveAnswer> answers; // to the unsaved changes question
    bool leaves;
};

class ExitQuestion : public ProgramTest, public ::testing::WithParamInterface<ExitCase>
{
protected:
    void leave(ExitPath path)
    {
        switch (path) {
        case ExitPath::Toolbar:
            form.findChild<QAbstractButton *>(QStringLiteral("exitButton"))->click();
            break;
        case ExitPath::Menu:
            form.findChild<QAction *>(QStringLiteral("exitAction"))->trigger();
            break;
        case ExitPath::CloseBox: form.windowHandle()->close(); break;
        }
    }
};

TEST_P(ExitQuestion, AsksOnEveryWayOutWhileThereAreUnsavedChanges)
{
    const ExitCase &c = GetParam();
    loadDemo();
    kilpailu().Muutettu = c.unsaved;
    prompts.leaveAnswers = c.answers;
    QSignalSpy closed(&form, &MainWindow::closed);

    leave(c.path);

    const QStringList expectedQuestions
        = c.unsaved ? QStringList{UnsavedChangesQuestion} : QStringList{};
    EXPECT_EQ(prompts.questions, expectedQuestions);
    EXPECT_EQ(closed.count(), c.leaves ? 1 : 0);
    EXPECT_EQ(form.isVisible(), !c.leaves);
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 40) << "staying keeps all data";
    EXPECT_EQ(kilpailu().Muutettu, c.unsaved);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ExitQuestion,
    ::testing::Values(ExitCase{ExitPath::Toolbar, true, {LeaveAnswer::Stay}, false},
        ExitCase{ExitPath::Toolbar, true, {LeaveAnswer::Leave}, true},
        ExitCase{ExitPath::Toolbar, false, {}, true},
        ExitCase{ExitPath::Menu, true, {LeaveAnswer::Stay}, false},
        ExitCase{ExitPath::Menu, true, {LeaveAnswer::Leave}, true},
        ExitCase{ExitPath::Menu, false, {}, true},
        ExitCase{ExitPath::CloseBox, true, {LeaveAnswer::Stay}, false},
        ExitCase{ExitPath::CloseBox, true, {LeaveAnswer::Leave}, true},
        ExitCase{ExitPath::CloseBox, false, {}, true}),
    [](const auto &info) {
        const ExitCase &c = info.param;
        const char *path = c.path == ExitPath::Toolbar ? "Toolbar"
            : c.path == ExitPath::Menu                 ? "Menu"
                                                       : "CloseBox";
        const char *answer = c.answers.isEmpty()      ? ""
            : c.answers.first() == LeaveAnswer::Leave ? "_DontSave"
                                                      : "_Cancel";
        return std::string(path) + (c.unsaved ? "_Unsaved" : "_Saved") + answer;
    });

TEST_F(MainWindowTest, InformationNamesTheContactAddress)
{
    const QString prefix
        = QStringLiteral("This version is early beta. If you find any bugs please report to: ");
    prompts.expectInformation(prefix + supportAddress());
    form.findChild<QAction *>(QStringLiteral("informationAction"))->trigger();
    ASSERT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(prompts.informations[0].startsWith(prefix));
    EXPECT_TRUE(prompts.informations[0].mid(prefix.size()).contains(QLatin1Char('@')));
}

// ---- opening the dialogs ----

struct OpenCase
{
    const char *trigger; // a button or a menu item
    std::function<QDialog *(const Dialogs &)> dialog;
    bool modal;
};

template<typename T> std::function<QDialog *(const Dialogs &)> as(T *Dialogs::*member)
{
    return [member](const Dialogs &dialogs) -> QDialog * { return dialogs.*member; };
}

class OpenDialog : public ProgramTest, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(OpenDialog, ToolbarOpensModalAndMenuModeless)
{
    const OpenCase &c = GetParam();
    const Dialogs &dialogs = program.dialogs();
    QDialog *dialog = c.dialog(dialogs);
    QWidget *modalSeen = nullptr;
    bool timerRan = false;
    QTimer::singleShot(0, &form, [&] {
        timerRan = true;
        modalSeen = QApplication::activeModalWidget();
        if (modalSeen)
            static_cast<QDialog *>(modalSeen)->reject();
    });

    if (auto *button = form.findChild<QAbstractButton *>(QLatin1String(c.trigger)))
        button->click();
    else
        form.findChild<QAction *>(QLatin1String(c.trigger))->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return timerRan; }));

    if (c.modal) {
        EXPECT_EQ(modalSeen, dialog) << "the caller waited for the dialog";
    } else {
        EXPECT_EQ(modalSeen, nullptr);
        EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open beside the main window";
        dialog->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, OpenDialog,
    ::testing::Values(OpenCase{"competitorsButton", as(&Dialogs::competitorEntry), true},
        OpenCase{"resultsButton", as(&Dialogs::resultEntry), true},
        OpenCase{"printButton", as(&Dialogs::print), true},
        OpenCase{"matchButton", as(&Dialogs::matchInfo), true},
        OpenCase{"teamsButton", as(&Dialogs::teams), true},
        OpenCase{"databaseButton", as(&Dialogs::database), true},
        OpenCase{"editCompetitorsAction", as(&Dialogs::competitorEntry), false},
        OpenCase{"editResultsAction", as(&Dialogs::resultEntry), false}),
    [](const auto &info) { return std::string(info.param.trigger); });

// ---- loading ----

using LoadTest = ProgramTest;

TEST_F(LoadTest, OpenDialogTitleAndFilter)
{
    prompts.fileAnswers = {demoMatch()};
    form.findChild<QAbstractButton *>(QStringLiteral("openFileButton"))->click();
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].title, QStringLiteral("Lataa tiedosto"));
    EXPECT_EQ(prompts.fileDialogs[0].filter,
        QStringLiteral("Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)"));
    EXPECT_EQ(prompts.fileDialogs[0].defaultSuffix, QStringLiteral("mrv"));
    EXPECT_EQ(listedNames().size(), 40);
}

TEST_F(LoadTest, StartWithAMatchFileLoadsIt)
{
    Program started;
    startProgram(started, demoMatch());
    EXPECT_TRUE(started.mainWindow().isVisible());
    EXPECT_EQ(started.kilpailu().kilpailijat.highestOccupied(), 40);
    EXPECT_EQ(started.kilpailu().tiedot.Paikka, QStringLiteral("Hyvinkää"));
    EXPECT_FALSE(started.mainWindow().summaryLines().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty());

    Program plain;
    startProgram(plain, QString());
    EXPECT_EQ(plain.kilpailu().kilpailijat.highestOccupied(), 0) << "nothing is loaded";
    EXPECT_TRUE(plain.mainWindow().summaryLines().isEmpty());
}

struct BrokenSet
{
    const char *what;
    std::function<void(const MatchFileSet &)> spoil;
};

class FailedLoad : public ProgramTest, public ::testing::WithParamInterface<BrokenSet>
{
};

TEST_P(FailedLoad, LeavesThePreviousMatchOnEveryTab)
{
    prompts.expectAnyError(); // the reader's own message
    loadDemo();
    kilpailu().Muutettu = true;
    const ListLines before = linesOf(QStringLiteral("BBPRRuutu"));
    const QStringList names = listedNames();
    const QStringList summary = form.summaryLines();
    QTemporaryDir dir;
    const QString chosen = copyDemo(dir);
    GetParam().spoil(MatchFileSet::fromChosenName(chosen));

    prompts.leaveAnswers = {LeaveAnswer::Leave};
    prompts.fileAnswers = {chosen};
    form.findChild<QAction *>(QStringLiteral("openAction"))->trigger();

    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_FALSE(prompts.errors[0].isEmpty()) << "the error's own message is shown";
    EXPECT_EQ(linesOf(QStringLiteral("BBPRRuutu")), before);
    EXPECT_EQ(listedNames(), names);
    EXPECT_EQ(form.summaryLines(), summary);
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 40);
    EXPECT_EQ(kilpailu().joukkueet[1].Nimi.text(), QStringLiteral("Lions BBP"));
    EXPECT_TRUE(kilpailu().Muutettu) << "the unsaved changes are still unsaved";
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FailedLoad,
    ::testing::Values(
        BrokenSet{"missing match file", [](const MatchFileSet &set) { QFile::remove(set.match); }},
        BrokenSet{
            "cut results file", [](const MatchFileSet &set) { QFile::resize(set.results, 1000); }},
        BrokenSet{"missing teams file", [](const MatchFileSet &set) { QFile::remove(set.teams); }},
        BrokenSet{"bad date",
            [](const MatchFileSet &set) {
                QStringList lines = fileLines(set.match);
                lines.replace(2, QStringLiteral("someday"));
                writeLines(set.match, lines);
            }}),
    [](const auto &info) { return paramName(info.param.what); });

TEST_F(LoadTest, UnsavedChangesAreNotDroppedByALoad)
{
    kilpailu().addCompetitor(QStringLiteral("Aalto Matti"), QString(), QString());
    kilpailu().Muutettu = true;

    prompts.leaveAnswers = {LeaveAnswer::Stay};
    form.openMatch();
    EXPECT_EQ(prompts.questions, QStringList{UnsavedChangesQuestion});
    EXPECT_TRUE(prompts.fileDialogs.isEmpty()) << "Cancel stays with the match";

    prompts.leaveAnswers = {LeaveAnswer::Leave};
    prompts.fileAnswers = {QString()};
    form.openMatch();
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_TRUE(kilpailu().Muutettu) << "a cancelled load saved nothing";
    EXPECT_EQ(listedNames(), QStringList{"Aalto Matti"}) << "and the window was refreshed";
}

// ---- saving and exporting ----

class SaveTest : public ProgramTest
{
protected:
    QTemporaryDir dir;
};

TEST_F(SaveTest, SaveWritesTheSetAndClearsTheUnsavedFlag)
{
    loadDemo();
    kilpailu().Muutettu = true;
    const QString chosen = dir.filePath(QStringLiteral("spring.mrv"));
    prompts.fileAnswers = {chosen};
    form.findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();

    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].title, QStringLiteral("Talleta tiedosto"));
    EXPECT_EQ(prompts.fileDialogs[0].filter,
        QStringLiteral("Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)"));
    EXPECT_EQ(prompts.fileDialogs[0].defaultSuffix, QStringLiteral("mrv"));
    EXPECT_TRUE(prompts.informations.isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_FALSE(kilpailu().Muutettu);
    EXPECT_EQ(fileLines(chosen), form.summaryLines());
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("springTulokset.dat"))).size(), 40 * 1252);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("spring.dat"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("springJoukkueet.dat"))));
}

TEST_F(SaveTest, CancelledOrFailedSaveKeepsTheUnsavedFlag)
{
    prompts.expectAnyError(); // the file system's own message
    loadDemo();
    kilpailu().Muutettu = true;
    prompts.fileAnswers = {QString(), dir.filePath(QStringLiteral("no/such/folder/x.mrv"))};
    form.findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();
    EXPECT_TRUE(kilpailu().Muutettu) << "cancelled: nothing was saved";
    EXPECT_TRUE(prompts.errors.isEmpty());

    form.findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();
    EXPECT_EQ(prompts.errors.size(), 1) << "the failure is shown with its own message";
    EXPECT_TRUE(kilpailu().Muutettu);
}

TEST_F(SaveTest, SavingAnEmptyRegisterWarnsAndStillSaves)
{
    prompts.expectInformation(QStringLiteral("Eipä ole montaa tulosta tallennettavana."));
    const QString chosen = dir.filePath(QStringLiteral("empty.mrv"));
    prompts.fileAnswers = {chosen};
    form.saveMatch();
    EXPECT_EQ(prompts.informations, QStringList{"Eipä ole montaa tulosta tallennettavana."});
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("emptyTulokset.dat"))));
}

TEST_F(SaveTest, ExportWritesTheNineFilesAndKeepsTheUnsavedFlag)
{
    loadDemo();
    kilpailu().Muutettu = true;
    const QString chosen = dir.filePath(QStringLiteral("results.csv"));
    prompts.fileAnswers = {chosen};
    form.findChild<QAction *>(QStringLiteral("exportAction"))->trigger();

    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].title, QStringLiteral("Exporttaa tiedosto"));
    EXPECT_EQ(prompts.fileDialogs[0].filter, QStringLiteral("csv tiedostot (*.csv)"));
    EXPECT_TRUE(prompts.errors.isEmpty());
    for (const QString &name : csvFileNames(chosen))
        EXPECT_TRUE(QFile::exists(name)) << name.toStdString();
    EXPECT_TRUE(fileLines(chosen).contains(QStringLiteral(
        "\"BBPR\";1;\"\";\"Aalto Matti\";\"HyMAS\";10;10;9;7;36;\"5\";\"4\";\"\";\"\";\"\";"
        "\"Ruger\";\"Blackhawk\";\".357 Mag\"")));
    EXPECT_TRUE(kilpailu().Muutettu) << "an export is no save of the match";
}

TEST_F(SaveTest, ExportRefusesAnEmptyRegisterAndWritesNothingWhenCancelled)
{
    prompts.expectInformation(nothingToExportMessage());
    form.exportCsv();
    EXPECT_EQ(prompts.informations, QStringList{nothingToExportMessage()});
    EXPECT_EQ(prompts.informations[0], QStringLiteral("Eipä ole paljoa tallennettavaa."));
    EXPECT_TRUE(prompts.fileDialogs.isEmpty());

    loadDemo();
    prompts.fileAnswers = {QString()};
    form.exportCsv();
    EXPECT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace

namespace {

class CheckBeforeOutput : public ProgramTest
{
protected:
    // Aalto has an eleventh chicken in a 40-shot BBPR; Berg's card is clean.
    void enterResults()
    {
        Kilpailu &m = kilpailu();
        m.tiedot.Laukaukset.fill(40);
        for (const auto &[nimi, kana] :
            {std::pair{"Aalto Matti", 11}, std::pair{"Berg Anna", 10}}) {
            const int slot = *m.addCompetitor(QLatin1String(nimi), QStringLiteral("Club"), {});
            TKilpailija &k = m.kilpailijat[slot];
            k.Osallistuu[BBPR] = true;
            k.Luokka[BBPR].setText(Luokat::A);
            k.Kana[BBPR] = kana;
            k.Yhteensa[BBPR] = kana;
        }
        form.fillCompetitorNameLists();
        form.refresh();
    }
    CheckResultsDialog *checkList() { return form.findChild<CheckResultsDialog *>(); }
    // The modal dialog that the toolbar button opens, closed again at once.
    QWidget *modalOpenedBy(const QString &button)
    {
        QWidget *modalSeen = nullptr;
        QTimer::singleShot(0, &form, [&] {
            modalSeen = QApplication::activeModalWidget();
            if (modalSeen)
                static_cast<QDialog *>(modalSeen)->reject();
        });
        form.findChild<QPushButton *>(button)->click();
        return modalSeen;
    }
    QTableWidget *checkTable()
    {
        return checkList()->findChild<QTableWidget *>(QStringLiteral("checkResultsTable"));
    }
};

TEST_F(CheckBeforeOutput, CheckResultsListsTheEntryAndADoubleClickOpensIt)
{
    enterResults();
    form.findChild<QAction *>(QStringLiteral("checkResultsAction"))->trigger();
    ASSERT_TRUE(checkList()->isVisible());
    QTableWidget *table = checkTable();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Aalto Matti"));
    EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("BBPR"));
    EXPECT_EQ(table->item(0, 3)->text(),
        QStringLiteral("Chicken hits above 10, the targets of one animal"));

    const QRect cell = table->visualItemRect(table->item(0, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());

    ResultEntryDialog *entry = program.dialogs().resultEntry;
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->shownSlot(), 1);
    auto *kana = entry->findChild<QLineEdit *>(QStringLiteral("BBPRKana"));
    EXPECT_EQ(kana->text(), QStringLiteral("11"));
    EXPECT_TRUE(kana->property("implausible").toBool());

    // Corrected and left with Exit: the refresh empties the list.
    QTest::keyClick(kana, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(kana, QStringLiteral("10"));
    entry->findChild<QPushButton *>(QStringLiteral("Exit"))->click();
    EXPECT_EQ(table->rowCount(), 0);
    checkList()->hide();
}

TEST_F(CheckBeforeOutput, PrintAsksWhenResultsLookWrong)
{
    enterResults();
    prompts.goOnAnswers = {GoOn::Stop, GoOn::Look};
    form.findChild<QPushButton *>(QStringLiteral("printButton"))->click();
    EXPECT_FALSE(checkList()->isVisible()) << "Cancel does nothing";
    form.findChild<QPushButton *>(QStringLiteral("printButton"))->click();
    EXPECT_TRUE(checkList()->isVisible()) << "Show list opens the list instead of printing";
    EXPECT_EQ(prompts.questions, QStringList(2, QStringLiteral("1 entries look wrong. Continue?")));
    checkList()->hide();

    // Continue opens the print dialog as before.
    prompts.goOnAnswers = {GoOn::Continue};
    EXPECT_EQ(modalOpenedBy(QStringLiteral("printButton")), program.dialogs().print);
}

TEST_F(CheckBeforeOutput, CleanResultsOpenTheDatabaseDialogWithoutAQuestion)
{
    enterResults();
    kilpailu().kilpailijat[1].Kana[BBPR] = 10;
    kilpailu().kilpailijat[1].Yhteensa[BBPR] = 10;
    EXPECT_EQ(modalOpenedBy(QStringLiteral("databaseButton")), program.dialogs().database);
    EXPECT_TRUE(prompts.questions.isEmpty());
}

TEST_F(CheckBeforeOutput, ExportSaysWhereTheFilesWent)
{
    enterResults();
    QTemporaryDir dir;
    prompts.fileAnswers = {dir.filePath(QStringLiteral("tulokset.csv"))};
    form.findChild<QAction *>(QStringLiteral("exportAction"))->trigger();
    const QString message = form.statusBar()->currentMessage();
    EXPECT_TRUE(message.startsWith(
        QStringLiteral("Exported 9 CSV files to ") + QDir::toNativeSeparators(dir.path())))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("tulokset.csv, tuloksetBBP.csv")))
        << message.toStdString();
}

} // namespace
