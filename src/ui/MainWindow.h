// The main window: toolbar, menu, the result tabs, the match summary and the refresh.
#pragma once

#include "model/Disciplines.h"
#include "ui/ListStatusDialog.h"

#include <QMainWindow>
#include <QStringList>

#include <optional>
#include <vector>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTabWidget;
class QTreeView;
class QVBoxLayout;

namespace marvola {

class MatchSession;
struct PendingChanges;
class CheckResultsDialog;
class ShootOffsWindow;
class RelaysWindow;
class EntryLogWindow;

struct Kilpailu;
struct Tulokset;
class CompetitorEntryDialog;
class NewCompetitorDialog;
class ResultEntryDialog;
class EditCompetitorDialog;
class PrintDialog;
class MatchInfoDialog;
class TeamsDialog;
class NewTeamDialog;
class EditTeamDialog;
class DatabaseDialog;

// The ten dialogs, created once after the main window in this order.
struct Dialogs
{
    CompetitorEntryDialog *competitorEntry = nullptr;
    NewCompetitorDialog *newCompetitor = nullptr;
    ResultEntryDialog *resultEntry = nullptr;
    EditCompetitorDialog *editCompetitor = nullptr;
    PrintDialog *print = nullptr;
    MatchInfoDialog *matchInfo = nullptr;
    TeamsDialog *teams = nullptr;
    NewTeamDialog *newTeam = nullptr;
    EditTeamDialog *editTeam = nullptr;
    DatabaseDialog *database = nullptr;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // Hands over the dialogs and connects their requests to this window.
    void setDialogs(const Dialogs &dialogs);

    // Rebuilds every ranking, every tab, the competitor list and the match summary.
    void refresh();
    void fillCompetitorList();
    void sortCompetitorList();
    // Hides the competitors whose name, club or number does not hold the filter text.
    void filterCompetitorList();
    // The names the competitor list shows, top to bottom.
    QStringList shownCompetitors() const;
    void showMatchSummary();
    // Refills the competitor name lists of the entry and team dialogs.
    void fillCompetitorNameLists();
    // Shows the tabs of the groups that are shot and hides the others.
    void applyGroupSwitches();

    // Rebuilds the rankings when the registers changed since the last refresh, so that an output
    // shows the results as entered.
    void refreshIfStale();

    // An empty match in place of this one, after the unsaved changes question.
    void newMatch();
    void openMatch();
    void openRecentMatch(const QString &fileName);
    // Saves to the match file loaded or last saved, asking for a name only when there is none;
    // false when nothing was saved.
    bool saveMatch();
    bool saveMatchAs();
    // The match file loaded or last saved; empty for a new match.
    QString matchFile() const;
    // The recently opened or saved matches, the latest first.
    QStringList recentMatches() const;
    // The load of a chosen file set; on failure the previous match stays and the error is shown.
    bool loadMatch(const QString &chosenName);
    void exportCsv();
    // File > "Import competitors...": a CSV or XLSX list, previewed before anything changes.
    void importCompetitors();
    // The competitor list as CSV or a workbook, by the chosen file's suffix.
    void exportCompetitors();
    // File > "Export workbook...": every printed list as a sheet, with the competitor list.
    void exportWorkbook();
    // The match's shooters and results into the shooter register (a match added again
    // replaces its results there); what was done on the status line.
    void addResultsToRegister();
    void showResultSheets();
    void mailResultSheets();
    // The choice of the shooter register's file.
    void chooseRegisterFile();
    // The list of results that look wrong; a line opens its competitor in the result entry.
    void showCheckResults();
    // The ties waiting for a shoot-off; a line opens its competitor at the shoot-off fields.
    void showShootOffs();
    // The relays: the plan, the draw, the places and the cards not returned (modeless).
    void showRelays();
    // The score cards to print: all, one relay's or one club's, on A4 or A6.
    void showScoreCards();
    // Opens the print dialog, or the database dialog, after asking when results look wrong.
    void openPrintDialog();
    void openDatabaseDialog();
    // Closes the main window, which asks first while there are unsaved changes.
    void exitProgram();
    void showInformation();

    // Started with no one to answer (serving from the start): the changes a load finds in the
    // entry log made on this set are restored without asking.
    void setUnattended(bool unattended) { m_unattended = unattended; }

    QStringList summaryLines() const;
    bool oldVersionFiles() const;
    void setOldVersionFiles(bool old);

    // The match being worked on, its file set and its entry log.
    MatchSession &session() { return m_session; }
    // Results > "Entry log...": the changes of the match, newest first.
    void showEntryLog();

signals:
    // The main window has closed: the program ends.
    void closed();
    // A refresh has rebuilt the ranking tables.
    void refreshed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct ResultTab
    {
        QWidget *page = nullptr;
        QTreeView *view = nullptr;
        std::optional<Laji> laji; // a discipline tab
        std::optional<Aggregate> aggregate; // or an aggregate tab
        std::optional<Group> group; // the switch that shows it; none for Standing Agg
        QLabel *status = nullptr; // the list's stage: provisional or official
    };

    void followSession();
    void buildToolbar();
    void buildMenu();
    void buildLanguageMenu();
    void buildTabs();
    QWidget *buildCompetitorsTab();
    void addDisciplineTab(Laji d);
    void addAggregateTab(Aggregate a);
    void openModal(QDialog *dialog);
    void openModeless(QDialog *dialog);
    QLabel *addStatusLine(QWidget *page, QVBoxLayout *layout);
    void showListStatus();
    void changeListStatus(ListStatusDialog::Action action);
    // True when no result looks wrong or the official chose to go on; "Show list" opens the list.
    bool confirmResultsGoOut();
    bool saveMatchTo(const QString &chosenName);
    QStringList shownSummaryLines() const;
    // Asks before the match with unsaved changes is closed or replaced; true to go on (saved,
    // or the changes given up), false to stay with it.
    bool settleUnsavedChanges();
    QString matchFolder() const;
    void showTitle();
    void showRecentMatches();
    void openResultToCorrect(int slot, Laji d);
    void openShootOff(int slot, Laji d);
    // After a load: offers the changes its entry log holds beyond the set on disk.
    void offerUnsavedChanges(const PendingChanges &pending);
    void restoreUnattended(const PendingChanges &pending);
    QString restoreQuestion(const PendingChanges &pending) const;

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    Dialogs m_dialogs;

    QTabWidget *m_tabs = nullptr;
    std::vector<ResultTab> m_resultTabs;
    QListWidget *m_summaryList = nullptr;
    QLabel *m_emptyMatchHint = nullptr;
    QTreeView *m_competitorList = nullptr;
    QLineEdit *m_competitorFilter = nullptr;
    QCheckBox *m_oldVersionBox = nullptr;
    CheckResultsDialog *m_checkResults = nullptr;
    ShootOffsWindow *m_shootOffs = nullptr;
    RelaysWindow *m_relays = nullptr;
    QLabel *m_logStatus = nullptr;
    EntryLogWindow *m_entryLog = nullptr;
    QMenu *m_recentMenu = nullptr;
    bool m_unattended = false;
};

} // namespace marvola
