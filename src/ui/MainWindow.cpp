#include "ui/MainWindow.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "model/Language.h"
#include "model/Plausibility.h"
#include "model/Registers.h"
#include "output/CompetitorExport.h"
#include "output/CsvExport.h"
#include "output/ListStatusRules.h"
#include "output/ResultWorkbook.h"
#include "ranking/Ranking.h"
#include "register/ShooterRegister.h"
#include "session/MatchSession.h"
#include "ui/CheckResultsDialog.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/DatabaseDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/EditTeamDialog.h"
#include "ui/EntryLogWindow.h"
#include "ui/ImportDialog.h"
#include "ui/MatchInfoDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/PrintDialog.h"
#include "ui/Prompts.h"
#include "ui/RegisterFileDialog.h"
#include "ui/RelaysWindow.h"
#include "ui/ReportList.h"
#include "ui/ResultEntryDialog.h"
#include "ui/ScoreCardsDialog.h"
#include "ui/SheetsDialog.h"
#include "ui/ShootOffsWindow.h"
#include "ui/TeamsDialog.h"
#include "ui/Toolkit.h"
#include "upload/Connection.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace marvola {

namespace {

QString unsavedChangesQuestion()
{
    return QCoreApplication::translate(
        "marvola::MainWindow", "The match has unsaved changes. Save them before closing?");
}
QString matchFilter()
{
    return QCoreApplication::translate(
        "marvola::MainWindow", "Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)");
}

FileDialogRequest matchFileRequest(const QString &title, const QString &folder)
{
    return {title, matchFilter(), QStringLiteral("mrv"), folder};
}

QStringList competitorColumns()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("ListColumns", "Competitor Name")),
        QStringLiteral(QT_TRANSLATE_NOOP("ListColumns", "Nro")),
        QStringLiteral(QT_TRANSLATE_NOOP("ListColumns", "Club")),
        QStringLiteral(QT_TRANSLATE_NOOP("ListColumns", "Nat.")),
        QStringLiteral(QT_TRANSLATE_NOOP("ListColumns", "Disciplines"))};
}

// The aggregate that closes a group's tabs ("BBP Agg" after BBPU).
Aggregate aggregateOfGroup(Group g)
{
    const QLatin1String code(Groups[static_cast<size_t>(ix(g))].code);
    for (const AggregateInfo &info : Aggregates)
        if (code == QLatin1String(info.code))
            return info.aggregate;
    return Aggregate::Standing;
}

// The codes of the entered disciplines, each followed by one blank.
QString disciplinesText(const TKilpailija &k)
{
    QString text;
    for (Laji d : Orders::DisciplinesText)
        if (k.Osallistuu[d])
            text += disciplineCode(d) + QLatin1Char(' ');
    return text;
}

} // namespace

MainWindow::MainWindow(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Marvola"));
    buildToolbar();
    buildMenu();
    buildTabs();
    resize(1240, 720);
    showTitle();
    m_checkResults = new CheckResultsDialog(m_kilpailu, this);
    connect(
        m_checkResults, &CheckResultsDialog::resultChosen, this, &MainWindow::openResultToCorrect);
    m_shootOffs = new ShootOffsWindow(m_session, this);
    connect(m_shootOffs, &ShootOffsWindow::shootOffChosen, this, &MainWindow::openShootOff);
    followSession();
    // Said once, where it stays in sight; the match itself goes on as before.
    m_logStatus = new QLabel(this);
    m_logStatus->setObjectName(QStringLiteral("entryLogStatus"));
    m_logStatus->setStyleSheet(QStringLiteral("QLabel { color: #b22222; }"));
    m_logStatus->hide();
    statusBar()->addPermanentWidget(m_logStatus);
    connect(&m_session, &MatchSession::logUnavailable, this, [this](const QString &message) {
        m_logStatus->setText(tr("Changes are not logged: %1").arg(message));
        m_logStatus->setToolTip(message);
        m_logStatus->show();
    });
    connect(&m_session, &MatchSession::logResumed, m_logStatus, &QWidget::hide);
}

// The window shows what the session says: the unsaved mark, the set's name, the recent matches,
// and a whole other match in the registers.
void MainWindow::followSession()
{
    connect(&m_session, &MatchSession::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_session, &MatchSession::fileNameChanged, this, [this] { showTitle(); });
    connect(&m_session, &MatchSession::recentMatchesChanged, this, [this] { showRecentMatches(); });
    connect(&m_session, &MatchSession::replaced, this, [this] {
        fillCompetitorNameLists();
        refresh();
    });
    // A list posted, declared or reopened shows it on its tab at once.
    connect(&m_session, &MatchSession::changed, this, [this](const QList<FieldEdit> &changes) {
        for (const FieldEdit &change : changes)
            if (change.kind == ChangeKind::Status) {
                showListStatus();
                return;
            }
    });
    // Official results refuse a change from any window: the box opens over the one in use.
    connect(&m_session, &MatchSession::refused, this, [this](const QString &reason) {
        QWidget *over = QApplication::activeModalWidget();
        prompts().information(over ? over : this, reason);
    });
}

void MainWindow::buildToolbar()
{
    auto *toolbar = addToolBar(tr("Toolbar"));
    toolbar->setObjectName(QStringLiteral("toolbar"));
    toolbar->setMovable(false);
    // Real buttons, so the toolbar reads as a row of commands rather than of labels.
    const auto add = [&](const char *name, const QString &caption, auto handler) {
        auto *button = new QPushButton(caption, toolbar);
        button->setObjectName(QLatin1String(name));
        button->setMinimumWidth(84);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, handler);
        toolbar->addWidget(button);
    };
    add("competitorsButton", tr("Competitors"), [this] { openModal(m_dialogs.competitorEntry); });
    add("resultsButton", tr("Results"), [this] { openModal(m_dialogs.resultEntry); });
    add("printButton", tr("Print"), [this] { openPrintDialog(); });
    toolbar->addSeparator();
    add("openFileButton", tr("Open File"), [this] { openMatch(); });
    add("saveFileButton", tr("Save File"), [this] { saveMatch(); });
    toolbar->addSeparator();
    add("matchButton", tr("Match"), [this] { openModal(m_dialogs.matchInfo); });
    add("teamsButton", tr("Teams"), [this] { openModal(m_dialogs.teams); });
    toolbar->addSeparator();
    add("exitButton", tr("Exit"), [this] { exitProgram(); });
}

void MainWindow::buildMenu()
{
    const auto add = [&](QMenu *menu, const char *name, const QString &caption, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    add(file, "newAction", tr("&New"), [this] { newMatch(); })->setShortcut(QKeySequence::New);
    add(file, "openAction", tr("&Open..."), [this] {
        openMatch();
    })->setShortcut(QKeySequence::Open);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    add(file, "saveAction", tr("&Save"), [this] { saveMatch(); })->setShortcut(QKeySequence::Save);
    add(file, "saveAsAction", tr("Save &As..."), [this] { saveMatchAs(); });
    add(file, "exportAction", tr("&Export"), [this] { exportCsv(); });
    add(file, "importCompetitorsAction", tr("I&mport competitors..."),
        [this] { importCompetitors(); });
    add(file, "exportCompetitorsAction", tr("Expor&t competitors..."),
        [this] { exportCompetitors(); });
    add(file, "exportWorkbookAction", tr("Export &workbook..."), [this] { exportWorkbook(); });
    add(file, "addToRegisterAction", tr("A&dd results to the register"),
        [this] { addResultsToRegister(); });
    add(file, "registerFileAction", tr("Shooter &register..."), [this] { chooseRegisterFile(); });
    add(file, "resultSheetsAction", tr("Result s&heets..."), [this] { showResultSheets(); });
    add(file, "mailSheetsAction", tr("Mai&l result sheets..."), [this] { mailResultSheets(); });
    add(file, "printAction", tr("&Print..."), [this] {
        openPrintDialog();
    })->setShortcut(QKeySequence::Print);
    add(file, "scoreCardsAction", tr("Score &cards..."), [this] { showScoreCards(); });
    add(file, "exitAction", tr("E&xit"), [this] {
        exitProgram();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    add(file, "informationAction", tr("&Information"), [this] { showInformation(); });
    QMenu *competitors = menuBar()->addMenu(tr("&Competitors"));
    competitors->setObjectName(QStringLiteral("competitorsMenu"));
    add(competitors, "editCompetitorsAction", tr("&Add/Modify"),
        [this] { openModeless(m_dialogs.competitorEntry); });
    QMenu *results = menuBar()->addMenu(tr("&Results"));
    results->setObjectName(QStringLiteral("resultsMenu"));
    add(results, "editResultsAction", tr("&Add/Modify"),
        [this] { openModeless(m_dialogs.resultEntry); });
    add(results, "checkResultsAction", tr("&Check results..."), [this] { showCheckResults(); });
    add(results, "shootOffsAction", tr("&Shoot-offs needed"), [this] { showShootOffs(); });
    add(results, "relaysAction", tr("&Relays..."), [this] {
        showRelays();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    add(results, "postResultsAction", tr("&Post results..."),
        [this] { changeListStatus(ListStatusDialog::Action::Post); });
    add(results, "declareOfficialAction", tr("Declare &official..."),
        [this] { changeListStatus(ListStatusDialog::Action::DeclareOfficial); });
    add(results, "reopenListsAction", tr("Reope&n lists..."),
        [this] { changeListStatus(ListStatusDialog::Action::Reopen); });
    add(results, "entryLogAction", tr("&Entry log..."), [this] { showEntryLog(); });
    buildLanguageMenu();
    showRecentMatches();
}

void MainWindow::buildLanguageMenu()
{
    QMenu *settings = menuBar()->addMenu(tr("Se&ttings"));
    settings->setObjectName(QStringLiteral("settingsMenu"));
    QMenu *languages = settings->addMenu(tr("&Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto *group = new QActionGroup(languages);
    // The language names are written in their own language, so anyone finds theirs.
    const std::pair<QString, QString> choices[] = {
        {QString(), tr("&System")},
        {QStringLiteral("en"), QStringLiteral("&English")},
        {QStringLiteral("fi"), QStringLiteral("S&uomi")},
        {QStringLiteral("sv"), QStringLiteral("S&venska")},
    };
    const QString chosen = chosenLanguage();
    for (const auto &[code, caption] : choices) {
        QAction *action = languages->addAction(caption);
        action->setObjectName(
            QStringLiteral("languageAction_") + (code.isEmpty() ? QStringLiteral("system") : code));
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            if (code == chosenLanguage())
                return;
            setChosenLanguage(code);
            prompts().information(
                this, tr("The language changes when Marvola is started next time."));
        });
    }
}

void MainWindow::buildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("resultTabs"));
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    // Twenty-three tabs: compact ones fit side by side in the window's usual width.
    m_tabs->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 4px 6px; }"
                       "QTabBar::tab:selected { background: palette(base); font-weight: bold; }"));
    m_tabs->addTab(buildCompetitorsTab(), tr("Competitors"));

    // The tab order walks the groups; each group's aggregate follows its last discipline.
    const auto &tabs = Orders::Tabs;
    for (size_t i = 0; i < tabs.size(); ++i) {
        addDisciplineTab(tabs[i]);
        const Group g = discipline(tabs[i]).group;
        if (i + 1 == tabs.size() || discipline(tabs[i + 1]).group != g)
            addAggregateTab(aggregateOfGroup(g));
    }
    addAggregateTab(Aggregate::Standing);
    m_tabs->setCurrentIndex(0);
    setCentralWidget(m_tabs);
}

QWidget *MainWindow::buildCompetitorsTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Kilpailijat"));
    auto *layout = new QVBoxLayout(page);

    m_summaryList = new QListWidget(page);
    m_summaryList->setObjectName(QStringLiteral("Kilpailijalista"));
    m_summaryList->setFixedHeight(6 * m_summaryList->fontMetrics().height());
    m_summaryList->setSelectionMode(QAbstractItemView::NoSelection);
    m_summaryList->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_summaryList);

    m_competitorFilter = new QLineEdit(page);
    m_competitorFilter->setObjectName(QStringLiteral("competitorFilterEdit"));
    m_competitorFilter->setPlaceholderText(tr("Find by name, club or number"));
    m_competitorFilter->setClearButtonEnabled(true);
    connect(m_competitorFilter, &QLineEdit::textChanged, this, [this] { filterCompetitorList(); });
    layout->addWidget(m_competitorFilter);

    // An empty window says how to begin.
    m_emptyMatchHint = new QLabel(tr("No competitors yet. Open a match with File > Open, or "
                                     "start a new one: enter the match information under Match "
                                     "and add competitors under Competitors > Add/Modify."),
        page);
    m_emptyMatchHint->setObjectName(QStringLiteral("emptyMatchHint"));
    m_emptyMatchHint->setWordWrap(true);
    m_emptyMatchHint->setMargin(12);
    layout->addWidget(m_emptyMatchHint);

    m_competitorList = makeReportList(QStringLiteral("KilpailijaView"), competitorColumns(), page);
    m_competitorList->setColumnWidth(1, 50);
    m_competitorList->setColumnWidth(3, 50);
    m_competitorList->header()->setStretchLastSection(true);
    layout->addWidget(m_competitorList, 1);

    auto *bottom = new QHBoxLayout;
    m_oldVersionBox = new QCheckBox(tr("Load old version files"), page);
    m_oldVersionBox->setObjectName(QStringLiteral("oldVersionBox"));
    m_oldVersionBox->setToolTip(tr("Tick only if you read files created with old version"));
    bottom->addWidget(m_oldVersionBox);
    bottom->addStretch(1);
    auto *database = new QPushButton(tr("Database"), page);
    database->setObjectName(QStringLiteral("databaseButton"));
    connect(database, &QPushButton::clicked, this, [this] { openDatabaseDialog(); });
    bottom->addWidget(database);
    layout->addLayout(bottom);
    return page;
}

void MainWindow::addDisciplineTab(Laji d)
{
    auto *page = new QWidget;
    page->setObjectName(disciplineCode(d));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel *status = addStatusLine(page, layout);
    QTreeView *view = makeResultList(
        disciplineCode(d) + QStringLiteral("Ruutu"), disciplineListColumns(d), page);
    layout->addWidget(view);
    m_tabs->addTab(page, disciplineCode(d));
    m_resultTabs.push_back({page, view, d, std::nullopt, discipline(d).group, status});
}

void MainWindow::addAggregateTab(Aggregate a)
{
    const AggregateInfo &info = aggregateInfo(a);
    const QString code = QLatin1String(info.code);
    auto *page = new QWidget;
    page->setObjectName(code + QStringLiteral("Agg"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel *status = addStatusLine(page, layout);
    QTreeView *view
        = makeResultList(code + QStringLiteral("AggrRuutu"), aggregateListColumns(a), page);
    layout->addWidget(view);
    m_tabs->addTab(page, QLatin1String(info.tabCaption));
    m_resultTabs.push_back({page, view, std::nullopt, a, groupOfAggregate(a), status});
}

// The list's stage above its tab's rows; hidden while the list has none.
QLabel *MainWindow::addStatusLine(QWidget *page, QVBoxLayout *layout)
{
    auto *status = new QLabel(page);
    status->setObjectName(page->objectName() + QStringLiteral("Status"));
    status->setContentsMargins(6, 3, 6, 3);
    status->setStyleSheet(QStringLiteral("font-weight: bold;"));
    status->hide();
    layout->addWidget(status);
    return status;
}

void MainWindow::showListStatus()
{
    for (const ResultTab &tab : m_resultTabs) {
        const QString caption = tab.laji
            ? printListCaption(ListKind::Discipline, *tab.laji)
            : printListCaption(ListKind::Aggregate, static_cast<int>(*tab.aggregate));
        const ListStatus status = statusOfList(m_kilpailu, caption);
        tab.status->setText(listStatusLine(status));
        tab.status->setStyleSheet(status.isOfficial()
                ? QStringLiteral("font-weight: bold; color: #0b6b2f;")
                : QStringLiteral("font-weight: bold; color: #7a4b00;"));
        tab.status->setVisible(status.state != ListState::None);
    }
}

void MainWindow::changeListStatus(ListStatusDialog::Action action)
{
    // A posting names the ties the lists leave open: the tables must be the registers'.
    refreshIfStale();
    ListStatusDialog dialog(m_session, action, this);
    toolkit::execModal(&dialog);
}

void MainWindow::setDialogs(const Dialogs &dialogs)
{
    m_dialogs = dialogs;
    const auto refreshOn = [this](auto *dialog) {
        connect(dialog, &std::remove_pointer_t<decltype(dialog)>::updateRequested, this,
            &MainWindow::refresh);
    };
    refreshOn(m_dialogs.competitorEntry);
    refreshOn(m_dialogs.newCompetitor);
    refreshOn(m_dialogs.resultEntry);
    refreshOn(m_dialogs.editCompetitor);
    refreshOn(m_dialogs.print);
    refreshOn(m_dialogs.teams);
    refreshOn(m_dialogs.newTeam);
    refreshOn(m_dialogs.editTeam);
    refreshOn(m_dialogs.database);
    connectCompetitorDialogs(m_dialogs.competitorEntry, m_dialogs.newCompetitor,
        m_dialogs.editCompetitor, m_dialogs.resultEntry);
    m_dialogs.teams->setWindows(m_dialogs.newTeam, m_dialogs.editTeam);
    connect(m_dialogs.print, &PrintDialog::fileWritten, this, [this](const QString &fileName) {
        statusBar()->showMessage(
            tr("Wrote %1").arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath())));
    });
    // The list of results to check follows every value the official stores or corrects.
    connect(m_dialogs.resultEntry, &ResultEntryDialog::resultStored, this, [this] {
        if (m_checkResults->isVisible())
            m_checkResults->refresh();
    });
    connect(m_dialogs.matchInfo, &MatchInfoDialog::confirmed, this, [this] {
        applyGroupSwitches();
        showMatchSummary();
    });
}

void MainWindow::openModal(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}

void MainWindow::openModeless(QDialog *dialog)
{
    if (!dialog)
        return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::refresh()
{
    refreshResults(m_kilpailu, m_tulokset);
    for (const ResultTab &tab : m_resultTabs) {
        const ListLines &lines = tab.laji
            ? m_tulokset.lajiLines[static_cast<size_t>(*tab.laji)]
            : m_tulokset.aggrLines[static_cast<size_t>(ix(*tab.aggregate))];
        reportModel(tab.view)->setLines(lines);
    }
    showListStatus();
    fillCompetitorList();
    sortCompetitorList();
    showMatchSummary();
    m_emptyMatchHint->setVisible(m_kilpailu.kilpailijat.highestOccupied() == 0);
    if (m_checkResults->isVisible())
        m_checkResults->refresh();
    setWindowModified(m_kilpailu.Muutettu);
    emit refreshed();
}

void MainWindow::refreshIfStale()
{
    if (!tablesAreCurrent(m_kilpailu, m_tulokset))
        refresh();
}

void MainWindow::fillCompetitorList()
{
    ListLines rows;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = m_kilpailu.kilpailijat[slot];
        // A removed competitor keeps its number but has no name: it is no longer listed.
        if (k.Numero == 0 || k.Nimi.isEmpty())
            continue;
        rows << ListLine{false,
            {k.Nimi.text(), QString::number(k.Numero), k.Seura.text(), k.Maa.text(),
                disciplinesText(k)}};
    }
    reportModel(m_competitorList)->setLines(std::move(rows));
}

void MainWindow::sortCompetitorList()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    ReportListModel *model = reportModel(m_competitorList);
    ListLines rows = model->lines();
    std::stable_sort(rows.begin(), rows.end(), [&](const ListLine &a, const ListLine &b) {
        return collator.compare(a.columns.value(0), b.columns.value(0)) < 0;
    });
    model->setLines(std::move(rows));
    filterCompetitorList();
}

void MainWindow::filterCompetitorList()
{
    const QString wanted = m_competitorFilter->text().trimmed();
    const ListLines &rows = reportModel(m_competitorList)->lines();
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &columns = rows[row].columns;
        // Name, number and club: what an official reads off a card or hears at the desk.
        const bool shown = wanted.isEmpty()
            || columns.value(0).contains(wanted, Qt::CaseInsensitive)
            || columns.value(1).startsWith(wanted)
            || columns.value(2).contains(wanted, Qt::CaseInsensitive);
        m_competitorList->setRowHidden(row, QModelIndex(), !shown);
    }
}

QStringList MainWindow::shownCompetitors() const
{
    QStringList names;
    const ListLines &rows = reportModel(m_competitorList)->lines();
    for (int row = 0; row < rows.size(); ++row)
        if (!m_competitorList->isRowHidden(row, QModelIndex()))
            names << rows[row].columns.value(0);
    return names;
}

void MainWindow::showMatchSummary()
{
    m_summaryList->clear();
    m_summaryList->addItems(shownSummaryLines());
}

// The summary file's lines in the window's language; the file keeps its own words.
QStringList MainWindow::shownSummaryLines() const
{
    const TKilpailunTiedot &tiedot = m_kilpailu.tiedot;
    QString dates = tr("Date: %1 - %2")
                        .arg(formatMatchDate(tiedot.Alkupvm), formatMatchDate(tiedot.LoppuPvm));
    if (oldVersionFiles())
        dates += tr(" real date-->%1").arg(tiedot.VanhaPvm);
    return {tr("Club: %1").arg(tiedot.Seura), tr("Place: %1").arg(tiedot.Paikka), dates,
        tr("Match Director: %1").arg(tiedot.KilpJohtaja),
        tiedot.Ennatyskelpoinen ? tr("Kilpailut ovat ennätyskelpoiset ")
                                : tr("Kilpailut eivät ole ennätyskelpoiset ")};
}

void MainWindow::fillCompetitorNameLists()
{
    QStringList names;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        if (!m_kilpailu.kilpailijat[slot].Nimi.isEmpty())
            names << m_kilpailu.kilpailijat[slot].Nimi.text();
    if (m_dialogs.competitorEntry)
        m_dialogs.competitorEntry->setCompetitorNames(names);
    if (m_dialogs.resultEntry)
        m_dialogs.resultEntry->setCompetitorNames(names);
    if (m_dialogs.newTeam)
        m_dialogs.newTeam->setCompetitorNames(names);
    if (m_dialogs.editTeam)
        m_dialogs.editTeam->setCompetitorNames(names);
}

void MainWindow::applyGroupSwitches()
{
    for (size_t i = 0; i < m_resultTabs.size(); ++i) {
        const ResultTab &tab = m_resultTabs[i];
        if (tab.group)
            m_tabs->setTabVisible(m_tabs->indexOf(tab.page), m_kilpailu.tiedot.isShot(*tab.group));
    }
}

void MainWindow::openMatch()
{
    // A load replaces the match: unsaved results would be gone without a trace.
    if (!settleUnsavedChanges())
        return;
    const QString chosen
        = prompts().openFileName(this, matchFileRequest(tr("Lataa tiedosto"), matchFolder()));
    if (chosen.isEmpty()) {
        refresh();
        return;
    }
    loadMatch(chosen);
}

void MainWindow::newMatch()
{
    if (!settleUnsavedChanges())
        return;
    m_session.newMatch();
}

// The folder of the match's set, else of the match opened last; empty when there is neither.
QString MainWindow::matchFolder() const
{
    const QString set = m_session.fileName();
    const QStringList recent = MatchSession::recentMatches();
    const QString known = !set.isEmpty() ? set : recent.value(0);
    return known.isEmpty() ? QString() : QFileInfo(known).absolutePath();
}

bool MainWindow::settleUnsavedChanges()
{
    if (!m_kilpailu.Muutettu)
        return true;
    switch (prompts().askToLeave(this, unsavedChangesQuestion())) {
    case LeaveAnswer::Leave: return true;
    // A save that fails or is cancelled keeps the match open with its changes.
    case LeaveAnswer::SaveFirst: return saveMatch();
    case LeaveAnswer::Stay: return false;
    }
    return false;
}

void MainWindow::openRecentMatch(const QString &fileName)
{
    if (!settleUnsavedChanges())
        return;
    loadMatch(fileName);
}

bool MainWindow::loadMatch(const QString &chosenName)
{
    // One window writes a set; another may look at it, and save it under another name.
    MatchSession::Access access = MatchSession::Access::Write;
    if (const QString holder = m_session.holderOf(chosenName); !holder.isEmpty()) {
        if (!prompts().confirm(this,
                tr("The match %1 is open for writing in another window (%2). Open it read-only?")
                    .arg(QFileInfo(chosenName).fileName(), holder)))
            return false;
        access = MatchSession::Access::ReadOnly;
    }
    QString error;
    // The session shows the loaded match (replaced) before anything is asked.
    const std::optional<PendingChanges> pending
        = m_session.open(chosenName, oldVersionFiles(), error, access);
    if (!pending) {
        prompts().error(this, error);
        return false;
    }
    offerUnsavedChanges(*pending);
    return true;
}

// "2 entries made after the last save were not saved (the last at 14:32): 12 Virtanen Matti
// BBPR, 14 Aalto Matti BBPR. Restore them?" The entries the official typed, not the fields
// each touched, the first few by name.
QString MainWindow::restoreQuestion(const PendingChanges &pending) const
{
    constexpr qsizetype Named = 5;
    const QStringList entries = pendingEntries(pending, m_kilpailu);
    const int count = static_cast<int>(entries.size());
    QString named = entries.mid(0, Named).join(QStringLiteral(", "));
    if (count > Named)
        named = tr("%1 and %n more", nullptr, static_cast<int>(count - Named)).arg(named);
    // Until a translation gives the plural forms, the one-entry texts are written out, so that
    // the official never reads "1 entries".
    const QString last = pending.last.toString(QStringLiteral("HH:mm"));
    if (count == 1)
        return pending.last.isValid()
            ? tr("1 entry made after the last save, at %1, was not saved: %2. Restore it?")
                  .arg(last, named)
            : tr("1 entry made after the last save was not saved: %1. Restore it?").arg(named);
    return pending.last.isValid()
        ? tr("%n entries made after the last save were not saved (the last at %1): %2. Restore "
             "them?",
            nullptr, count)
              .arg(last, named)
        : tr(
            "%n entries made after the last save were not saved: %1. Restore them?", nullptr, count)
              .arg(named);
}

void MainWindow::offerUnsavedChanges(const PendingChanges &pending)
{
    const int count = int(pending.changes.size());
    if (m_unattended) {
        restoreUnattended(pending);
        return;
    }
    if (pending.state == PendingChanges::State::OtherState) {
        prompts().information(this,
            count == 1
                ? tr("1 change in the entry log was made on another state of this match (it was "
                     "saved elsewhere or replaced since) and is not restored.")
                : tr("%n changes in the entry log were made on another state of this match (it "
                     "was saved elsewhere or replaced since) and are not restored.",
                    nullptr, count));
        m_session.declineRestore();
        return;
    }
    if (pending.state != PendingChanges::State::Restorable)
        return;
    if (!prompts().confirm(this, restoreQuestion(pending))) {
        m_session.declineRestore();
        return;
    }
    // All or nothing: a change this program cannot apply leaves the match as it was loaded.
    QString error;
    if (!m_session.restore(pending, error))
        prompts().error(this, error);
}

// Started to serve the board and the stations after a crash, nobody may be at the screen: the
// changes made on this very set come back without a question, any others are left in the log.
void MainWindow::restoreUnattended(const PendingChanges &pending)
{
    const int count = int(pending.changes.size());
    QString said;
    QString error;
    if (pending.state != PendingChanges::State::Restorable) {
        m_session.declineRestore();
        if (pending.state == PendingChanges::State::OtherState)
            said = tr("%n changes in the entry log were made on another state of this match and "
                      "are not restored.",
                nullptr, count);
    } else if (m_session.restore(pending, error)) {
        const QStringList entries = pendingEntries(pending, m_kilpailu);
        said = tr("%n entries restored from the entry log: %1.", nullptr,
            static_cast<int>(entries.size()))
                   .arg(entries.join(QStringLiteral(", ")));
    } else {
        said = error;
    }
    if (said.isEmpty())
        return;
    statusBar()->showMessage(said);
    std::fprintf(stderr, "%s\n", qPrintable(said));
}

bool MainWindow::saveMatch()
{
    if (m_session.fileName().isEmpty() || m_session.isReadOnly())
        return saveMatchAs();
    return saveMatchTo(m_session.fileName());
}

bool MainWindow::saveMatchAs()
{
    if (m_kilpailu.kilpailijat.highestOccupied() == 0)
        prompts().information(this, tr("Eipä ole montaa tulosta tallennettavana."));
    const QString chosen
        = prompts().saveFileName(this, matchFileRequest(tr("Talleta tiedosto"), matchFolder()));
    // Nothing was written, so the changes are still unsaved.
    if (chosen.isEmpty())
        return false;
    return saveMatchTo(chosen);
}

bool MainWindow::saveMatchTo(const QString &chosenName)
{
    QString error;
    const QStringList summaryFile = matchSummaryLines(m_kilpailu.tiedot, oldVersionFiles());
    MatchSession::SaveResult saved = m_session.save(chosenName, summaryFile, error);
    // Another window's or computer's save is never replaced without the official's word.
    if (saved == MatchSession::SaveResult::ChangedOnDisk
        && prompts().confirm(this, error + QLatin1Char(' ') + tr("Save anyway?")))
        saved = m_session.save(
            chosenName, summaryFile, error, MatchSession::Overwrite::ReplaceChanged);
    if (saved == MatchSession::SaveResult::ChangedOnDisk)
        return false;
    if (saved == MatchSession::SaveResult::Failed) {
        prompts().error(this, error);
        return false;
    }
    statusBar()->showMessage(
        tr("Saved %1")
            .arg(QDir::toNativeSeparators(QFileInfo(m_session.fileName()).absoluteFilePath())));
    return true;
}

QString MainWindow::matchFile() const
{
    return m_session.fileName();
}

void MainWindow::showTitle()
{
    // "[*]" is where Qt shows the unsaved mark while the window is modified.
    const QString matchFile = m_session.fileName();
    const QString shown = m_session.isReadOnly()
        ? tr("%1 (read-only)").arg(QFileInfo(matchFile).fileName())
        : QFileInfo(matchFile).fileName();
    setWindowTitle(matchFile.isEmpty() ? QStringLiteral("Marvola[*]")
                                       : QStringLiteral("%1[*] - Marvola").arg(shown));
    setWindowModified(m_kilpailu.Muutettu);
}

QStringList MainWindow::recentMatches() const
{
    return MatchSession::recentMatches();
}

void MainWindow::showRecentMatches()
{
    m_recentMenu->clear();
    const QStringList recent = recentMatches();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString &fileName = recent[i];
        QAction *action = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(fileName)));
        action->setObjectName(QStringLiteral("recentMatchAction%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, fileName] { openRecentMatch(fileName); });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void MainWindow::exportCsv()
{
    refreshIfStale();
    if (!hasCompetitorsToExport(m_kilpailu)) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    const QString chosen = prompts().saveFileName(this,
        {tr("Exporttaa tiedosto"), tr("csv tiedostot (*.csv)"), QStringLiteral("csv"),
            matchFolder()});
    if (chosen.isEmpty())
        return;
    // The export is no save of the match: the unsaved-changes flag stays as it is.
    QString error;
    if (!marvola::exportCsv(m_tulokset, chosen, error)) {
        prompts().error(this, error);
        return;
    }
    // The official needs to know where to pick the files up.
    const QStringList written = csvFileNames(chosen);
    QStringList names;
    for (const QString &name : written)
        names << QFileInfo(name).fileName();
    statusBar()->showMessage(
        tr("Exported %n CSV files to %1: %2", nullptr, static_cast<int>(written.size()))
            .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()),
                names.join(QStringLiteral(", "))));
}

void MainWindow::importCompetitors()
{
    const QString chosen = prompts().openFileName(this,
        {tr("Import competitors"), tr("Competitor lists (*.csv *.xlsx *.txt);;All files (*)"),
            QString(), matchFolder()});
    if (chosen.isEmpty())
        return;
    QString error;
    const std::optional<ImportTable> table = readImportFile(chosen, {}, error);
    if (!table) {
        prompts().error(this, error);
        return;
    }
    auto *dialog = new ImportDialog(m_session, QFileInfo(chosen).fileName(), *table, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The names the import added are chosen in the entry dialogs like the ones typed.
    connect(dialog, &QDialog::accepted, this, [this] { fillCompetitorNameLists(); });
    dialog->open();
}

void MainWindow::exportCompetitors()
{
    if (m_kilpailu.kilpailijat.highestOccupied() == 0) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    const QString chosen = prompts().saveFileName(this,
        {tr("Export competitors"), tr("CSV files (*.csv);;Excel workbooks (*.xlsx)"),
            QStringLiteral("csv"), matchFolder()});
    if (chosen.isEmpty())
        return;
    QString error;
    const std::optional<QByteArray> list = competitorListFile(m_kilpailu, chosen, error);
    if (!list || !writeFileSafely(chosen, *list, error)) {
        prompts().error(this, error);
        return;
    }
    statusBar()->showMessage(
        tr("Competitor list written to %1.").arg(QDir::toNativeSeparators(chosen)));
}

void MainWindow::exportWorkbook()
{
    // The sheets are read from the tables: they must hold the results as entered.
    refreshIfStale();
    if (!hasCompetitorsToExport(m_kilpailu)) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    const QString chosen = prompts().saveFileName(this,
        {tr("Export workbook"), tr("Excel workbooks (*.xlsx)"), QStringLiteral("xlsx"),
            matchFolder()});
    if (chosen.isEmpty())
        return;
    QString error;
    const std::optional<QByteArray> workbook = resultWorkbookXlsx(m_kilpailu, m_tulokset, error);
    if (!workbook || !writeFileSafely(chosen, *workbook, error)) {
        prompts().error(this, error);
        return;
    }
    statusBar()->showMessage(tr("Workbook written to %1.").arg(QDir::toNativeSeparators(chosen)));
}

void MainWindow::showResultSheets()
{
    if (m_kilpailu.kilpailijat.highestOccupied() == 0) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    // The sheets read the tables: they must be the registers' as they are now.
    refreshIfStale();
    SheetsDialog dialog(m_kilpailu, m_tulokset, this);
    connect(&dialog, &SheetsDialog::fileWritten, this, [this](const QString &fileName) {
        statusBar()->showMessage(
            tr("Result sheets written to %1.").arg(QDir::toNativeSeparators(fileName)));
    });
    dialog.exec();
}

void MainWindow::mailResultSheets()
{
    if (m_kilpailu.kilpailijat.highestOccupied() == 0) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    refreshIfStale();
    MailSheetsDialog dialog(m_session, m_tulokset, this);
    dialog.exec();
}

void MainWindow::addResultsToRegister()
{
    // The positions come from the tables: they must be the registers' as they are now.
    refreshIfStale();
    QString error;
    const std::unique_ptr<ShooterRegister> shooters
        = ShooterRegister::open(registerFile(), ShooterRegister::Mode::CreateIfMissing, error);
    const std::optional<MatchAdded> added
        = shooters ? shooters->addMatch(m_kilpailu, m_tulokset, error) : std::nullopt;
    if (!added) {
        prompts().error(this, error);
        return;
    }
    statusBar()->showMessage(registerAddedMessage(*added, shooters->fileName()));
}

void MainWindow::chooseRegisterFile()
{
    RegisterFileDialog dialog(this);
    toolkit::execModal(&dialog);
}

void MainWindow::showCheckResults()
{
    m_checkResults->refresh();
    openModeless(m_checkResults);
}

void MainWindow::openResultToCorrect(int slot, Laji d)
{
    openModeless(m_dialogs.resultEntry);
    m_dialogs.resultEntry->showCompetitor(slot, d);
}

void MainWindow::showShootOffs()
{
    m_shootOffs->refresh();
    openModeless(m_shootOffs);
}

void MainWindow::showRelays()
{
    if (!m_relays)
        m_relays = new RelaysWindow(m_session, this);
    openModeless(m_relays);
}

void MainWindow::showScoreCards()
{
    ScoreCardsDialog dialog(m_kilpailu, this);
    toolkit::execModal(&dialog);
}

void MainWindow::openShootOff(int slot, Laji d)
{
    openModeless(m_dialogs.resultEntry);
    m_dialogs.resultEntry->showShootOff(slot, d);
}

bool MainWindow::confirmResultsGoOut()
{
    const qsizetype wrong = implausibleResults(m_kilpailu).size();
    if (wrong == 0)
        return true;
    const QString question
        = tr("%n entries look wrong. Continue?", nullptr, static_cast<int>(wrong));
    switch (prompts().askToContinue(this, question, tr("Show list"))) {
    case GoOn::Continue: return true;
    case GoOn::Look: showCheckResults(); return false;
    case GoOn::Stop: break;
    }
    return false;
}

void MainWindow::openPrintDialog()
{
    refreshIfStale();
    if (confirmResultsGoOut())
        openModal(m_dialogs.print);
}

void MainWindow::openDatabaseDialog()
{
    refreshIfStale();
    if (confirmResultsGoOut())
        openModal(m_dialogs.database);
}

void MainWindow::showEntryLog()
{
    m_session.commitNow();
    if (!m_entryLog)
        m_entryLog = new EntryLogWindow(this);
    m_entryLog->showLog(m_session.isLogging() ? m_session.log().fileName() : QString());
    openModeless(m_entryLog);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::showInformation()
{
    prompts().information(this,
        tr("This version is early beta. If you find any bugs please report to: %1")
            .arg(supportAddress()));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every way out asks while there are unsaved changes: toolbar, menu and close box.
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    // Changes left unsaved stay in the entry log, to be offered at the next open.
    m_session.commitNow();
    emit closed();
}

QStringList MainWindow::summaryLines() const
{
    QStringList lines;
    for (int row = 0; row < m_summaryList->count(); ++row)
        lines << m_summaryList->item(row)->text();
    return lines;
}

bool MainWindow::oldVersionFiles() const
{
    return m_oldVersionBox->isChecked();
}

void MainWindow::setOldVersionFiles(bool old)
{
    m_oldVersionBox->setChecked(old);
}

} // namespace marvola
