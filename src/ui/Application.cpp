#include "ui/Application.h"

#include "model/Registers.h"
#include "ranking/Tables.h"
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
#include <QIcon>
#include <QScreen>

namespace marvola {

Program::Program()
    : m_kilpailu(std::make_unique<Kilpailu>())
    , m_tulokset(std::make_unique<Tulokset>())
{
    Kilpailu &k = *m_kilpailu;
    Tulokset &t = *m_tulokset;
    m_form1 = std::make_unique<TForm1>(k, t);
    TForm1 *owner = m_form1.get();
    m_dialogs.KilpSyotto = new TKilpSyotto(k, t, owner);
    m_dialogs.UusiKilpailija = new TUusiKilpailija(k, t, owner);
    m_dialogs.TulostenLisays = new TTulostenLisays(k, t, owner);
    m_dialogs.KilpKorjaus = new TKilpKorjaus(k, t, owner);
    m_dialogs.Tulostus = new TTulostus(k, t, owner);
    m_dialogs.KilpPerustiedot = new TKilpPerustiedot(k, t, owner);
    m_dialogs.Joukkueet = new TJoukkueet(k, t, owner);
    m_dialogs.UusiJoukkue = new TUusiJoukkue(k, t, owner);
    m_dialogs.JoukkueenKorjaus = new TJoukkueenKorjaus(k, t, owner);
    m_dialogs.Database = new TDatabase(k, t, owner);
    m_form1->setDialogs(m_dialogs);
    // The live results follow every refresh of the main window.
    m_liveResults = new LiveResultsWindow(k, t, owner);
    attachLiveResults(*owner, *m_liveResults);
    QObject::connect(owner, &TForm1::refreshed, m_liveResults, &LiveResultsWindow::rebuild);
    // The index shows the match information and the groups shot, as the tabs do at once.
    QObject::connect(m_dialogs.KilpPerustiedot, &TKilpPerustiedot::confirmed, m_liveResults,
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
    TForm1 &form1 = program.mainWindow();
    centreOnScreen(form1);
    form1.show();
    if (!matchFile.isEmpty()) {
        form1.setOldVersionFiles(oldLayout);
        form1.loadMatch(matchFile);
    }
}

int runWindowedProgram(const QString &matchFile, bool oldLayout)
{
    QApplication::setApplicationName(QStringLiteral("Marvola"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marvola/marvola.png")));
    // Closing the main window ends the program, even with a modeless dialog still open.
    QApplication::setQuitOnLastWindowClosed(false);

    Program program;
    QObject::connect(&program.mainWindow(), &TForm1::closed, qApp, &QCoreApplication::quit,
        Qt::QueuedConnection);
    startProgram(program, matchFile, oldLayout);
    return QApplication::exec();
}

} // namespace marvola
