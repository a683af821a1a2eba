// The live results window: starts and stops the results server and shows where to find it.
#pragma once

#include "live/LiveBuilder.h"
#include "live/LiveServer.h"

#include <QDateTime>
#include <QDialog>
#include <QHostAddress>

class QLabel;
class QMainWindow;
class QPushButton;
class QSpinBox;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class StationDesk;
class StationsPanel;

class LiveResultsWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DefaultPort = 8080;

    LiveResultsWindow(
        const Kilpailu &kilpailu, const Tulokset &tulokset, QWidget *parent = nullptr);

    bool start();
    // Starts on the address and port given (0: any free port) without asking: `--live`. False,
    // with the error, when the port cannot be had.
    bool startOn(const QHostAddress &address, quint16 port, QString &error);
    void stop();
    // The scoring stations are served with the board from the next start.
    void setStationDesk(StationDesk *desk);
    // Serves the tables as the refresh that has just run left them: a copy of them is built into
    // the board away from the window, and swapped in when it is complete.
    void rebuild();
    // The board's builder; the tests watch it.
    LiveBuilder &builder() { return m_builder; }

    bool isRunning() const { return m_server.isRunning(); }
    quint16 port() const { return m_server.port(); }
    QStringList addresses() const { return m_addresses; }
    // Every interface unless told otherwise; the tests keep to 127.0.0.1.
    void setListenAddress(const QHostAddress &address) { m_listenAddress = address; }

signals:
    // The status bar text while the server runs; empty when it stops.
    void statusMessageChanged(const QString &message);

private:
    QWidget *buildControls();
    QWidget *buildAddresses();
    void showState();

    const Kilpailu &m_kilpailu;
    const Tulokset &m_tulokset;
    LiveServer m_server;
    LiveBuilder m_builder{m_server}; // after the server: stopped before it goes
    QHostAddress m_listenAddress{QHostAddress::AnyIPv4};
    QDateTime m_refreshed = QDateTime::currentDateTime();
    QStringList m_addresses;

    QSpinBox *m_portSpinBox = nullptr;
    QPushButton *m_startButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QLabel *m_stateLabel = nullptr;
    QLabel *m_addressesLabel = nullptr;
    QLabel *m_qrCodeLabel = nullptr;
    StationsPanel *m_stationsPanel = nullptr;
    StationDesk *m_stationDesk = nullptr;
};

// Adds "Live results..." to the main window's File menu and shows the window's status there.
void attachLiveResults(QMainWindow &mainWindow, LiveResultsWindow &liveResults);

// A QR code of text, each module a square of `scale` pixels with the standard quiet zone; null
// when the text cannot be encoded.
QImage qrCodeImage(const QString &text, int scale);

} // namespace marvola
