#include "ui/Application.h"

#include "live/StationDesk.h"
#include "model/Registers.h"
#include "output/ListStatusRules.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/DatabaseDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/EditTeamDialog.h"
#include "ui/LiveResultsWindow.h"
#include "ui/MatchInfoDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/PrintDialog.h"
#include "ui/ResultEntryDialog.h"
#include "ui/TeamsDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace marvola {

namespace {

// How long the tabs wait for a pause in the entries before they are rebuilt, and how long at
// most.
constexpr int StationRefreshMs = 250;
constexpr int StationRefreshLongestMs = 1000 - StationRefreshMs;

} // namespace

Program::Program()
    : m_kilpailu(std::make_unique<Kilpailu>())
    , m_tulokset(std::make_unique<Tulokset>())
    , m_session(std::make_unique<MatchSession>(*m_kilpailu))
{
    MatchSession &k = *m_session;
    Tulokset &t = *m_tulokset;
    k.setChangeGuard(&officialListsGuard);
    m_mainWindow = std::make_unique<MainWindow>(k, t);
    MainWindow *owner = m_mainWindow.get();
    m_dialogs.competitorEntry = new CompetitorEntryDialog(k, t, owner);
    m_dialogs.newCompetitor = new NewCompetitorDialog(k, t, owner);
    m_dialogs.resultEntry = new ResultEntryDialog(k, t, owner);
    m_dialogs.editCompetitor = new EditCompetitorDialog(k, t, owner);
    m_dialogs.print = new PrintDialog(k.match(), t, owner);
    m_dialogs.matchInfo = new MatchInfoDialog(k, t, owner);
    m_dialogs.teams = new TeamsDialog(k, t, owner);
    m_dialogs.newTeam = new NewTeamDialog(k, t, owner);
    m_dialogs.editTeam = new EditTeamDialog(k, t, owner);
    m_dialogs.database = new DatabaseDialog(k.match(), t, owner);
    m_mainWindow->setDialogs(m_dialogs);
    // The live results follow every refresh of the main window.
    m_liveResults = new LiveResultsWindow(k.match(), t, owner);
    // The scoring stations write through the desk, on this thread, into the match and its log.
    // A child of the main window made after the live results window, the desk is deleted after
    // it, so the server has stopped before the desk goes.
    m_stationDesk = new StationDesk(k, owner);
    m_liveResults->setStationDesk(m_stationDesk);
    attachLiveResults(*owner, *m_liveResults);
    // An entry from a station reaches the tabs and the board when the stations pause for a
    // moment, and at least once a second while they keep sending: a refresh holds this thread
    // for a while, and the stations' answers wait behind it. While the board is served, so do
    // the results typed in a dialog still open.
    auto *stationRefresh = new QTimer(owner);
    stationRefresh->setSingleShot(true);
    stationRefresh->setInterval(StationRefreshMs);
    auto waitingSince = std::make_shared<QElapsedTimer>();
    QObject::connect(stationRefresh, &QTimer::timeout, owner, [owner, waitingSince] {
        waitingSince->invalidate();
        owner->refreshIfStale();
    });
    const auto refreshSoon = [stationRefresh, waitingSince] {
        if (!waitingSince->isValid())
            waitingSince->start();
        if (waitingSince->elapsed() < StationRefreshLongestMs)
            stationRefresh->start();
    };
    QObject::connect(m_stationDesk, &StationDesk::registerChanged, stationRefresh, refreshSoon);
    QObject::connect(m_session.get(), &MatchSession::changed, stationRefresh,
        [refreshSoon, live = m_liveResults] {
            if (live->isRunning())
                refreshSoon();
        });
    QObject::connect(owner, &MainWindow::refreshed, m_stationDesk, [desk = m_stationDesk] {
        QString error;
        desk->reloadStations(error);
        desk->publishDirectory();
        // Results the office typed settle the station entries that waited for a second one.
        desk->settleWithOffice(error);
    });
    QObject::connect(owner, &MainWindow::refreshed, m_liveResults, &LiveResultsWindow::rebuild);
    // The index shows the match information and the groups shot, as the tabs do at once.
    QObject::connect(m_dialogs.matchInfo, &MatchInfoDialog::confirmed, m_liveResults,
        &LiveResultsWindow::rebuild);
}

// The main window deletes its dialogs before the state they refer to goes.
Program::~Program() = default;

namespace {

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    // A small laptop screen still shows the whole window, tabs included.
    const QRect available = screen->availableGeometry();
    window.resize(window.size().boundedTo(available.size() - QSize(16, 48)));
    QRect frame = window.frameGeometry();
    frame.moveCenter(available.center());
    window.move(frame.topLeft());
}

} // namespace

void startProgram(Program &program, const QString &matchFile, bool oldLayout)
{
    MainWindow &mainWindow = program.mainWindow();
    centreOnScreen(mainWindow);
    mainWindow.show();
    if (!matchFile.isEmpty()) {
        mainWindow.setOldVersionFiles(oldLayout);
        mainWindow.loadMatch(matchFile);
    }
}

int runWindowedProgram(
    const QString &matchFile, bool oldLayout, const std::optional<LiveStart> &live)
{
    QApplication::setApplicationName(QStringLiteral("Marvola"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marvola/marvola.png")));
    // Closing the main window ends the program, even with a modeless dialog still open.
    QApplication::setQuitOnLastWindowClosed(false);

    Program program;
    QObject::connect(&program.mainWindow(), &MainWindow::closed, qApp, &QCoreApplication::quit,
        Qt::QueuedConnection);
    // Serving from the start is an unattended restart: no question may hold the board back.
    program.mainWindow().setUnattended(live.has_value());
    startProgram(program, matchFile, oldLayout);
    if (live) {
        QString error;
        if (!program.liveResults().startOn(live->host, live->port, error)) {
            std::fprintf(stderr, "%s\n",
                qPrintable(QCoreApplication::translate(
                    "Application", "Live results could not start on port %1: %2")
                               .arg(live->port)
                               .arg(error)));
            return 1;
        }
        std::printf("Live results of %s on:\n", qPrintable(matchFile));
        QStringList shown = program.liveResults().addresses();
        if (shown.isEmpty() || live->host.isLoopback())
            shown = QStringList{QStringLiteral("http://%1:%2/")
                                    .arg(live->host.isLoopback() ? live->host.toString()
                                                                 : QStringLiteral("127.0.0.1"))
                                    .arg(program.liveResults().port())};
        for (const QString &url : shown)
            std::printf("  %s\n", qPrintable(url));
        std::fflush(stdout);
    }
    return QApplication::exec();
}

} // namespace marvola
