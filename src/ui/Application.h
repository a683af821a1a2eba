// Starting the windowed program: the match state and the eleven windows.
#pragma once

#include "ui/MainWindow.h"

#include <QHostAddress>
#include <QString>

#include <memory>
#include <optional>

namespace marvola {

class LiveResultsWindow;
class MatchSession;
class StationDesk;

// The program-wide state and the windows, created once in their fixed order and kept to the end.
class Program
{
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Kilpailu &kilpailu() { return *m_kilpailu; }
    MatchSession &session() { return *m_session; }
    Tulokset &tulokset() { return *m_tulokset; }
    MainWindow &mainWindow() { return *m_mainWindow; }
    const Dialogs &dialogs() const { return m_dialogs; }
    LiveResultsWindow &liveResults() { return *m_liveResults; }
    StationDesk &stationDesk() { return *m_stationDesk; }

private:
    std::unique_ptr<Kilpailu> m_kilpailu;
    std::unique_ptr<Tulokset> m_tulokset;
    // The only writer of the match; it outlives the windows that write through it.
    std::unique_ptr<MatchSession> m_session;
    std::unique_ptr<MainWindow> m_mainWindow;
    Dialogs m_dialogs; // owned by the main window
    LiveResultsWindow *m_liveResults = nullptr; // owned by the main window
    StationDesk *m_stationDesk = nullptr; // owned by the main window
};

// Where `--live [HOST:]PORT` serves the board and the stations.
struct LiveStart
{
    QHostAddress host;
    quint16 port = 0;
};

// Shows the main window centred on the screen and loads matchFile when one is given (the old
// match-file layout when oldLayout is set): the start of `marvola MATCH.mrv`.
void startProgram(Program &program, const QString &matchFile, bool oldLayout = false);

// Creates the windows, loads matchFile when one is given (the old match-file layout when
// oldLayout is set), and runs the event loop until the main window closes.
// With live, the live results and the scoring stations are served from the start, and the
// addresses printed on stdout.
int runWindowedProgram(const QString &matchFile, bool oldLayout = false,
    const std::optional<LiveStart> &live = std::nullopt);

} // namespace marvola
