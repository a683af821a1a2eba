#include "ui/LiveResultsWindow.h"

#include "live/StationDesk.h"
#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/Prompts.h"
#include "ui/StationsPanel.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>
#include <qrencode.h>

#include <algorithm>

namespace marvola {

namespace {

const QString PortKey = QStringLiteral("liveResults/port");

// The program's own settings file, whatever the application object was told.
QSettings settings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

} // namespace

LiveResultsWindow::LiveResultsWindow(
    const Kilpailu &kilpailu, const Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setObjectName(QStringLiteral("LiveResultsWindow"));
    setWindowTitle(tr("Live results"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(buildAddresses(), 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(buttons);
    showState();
}

QWidget *LiveResultsWindow::buildControls()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Port:"), row));
    m_portSpinBox = new QSpinBox(row);
    m_portSpinBox->setObjectName(QStringLiteral("portSpinBox"));
    m_portSpinBox->setRange(1, 65535);
    m_portSpinBox->setValue(settings().value(PortKey, DefaultPort).toInt());
    layout->addWidget(m_portSpinBox);
    m_startButton = new QPushButton(tr("Start"), row);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    connect(m_startButton, &QPushButton::clicked, this, &LiveResultsWindow::start);
    layout->addWidget(m_startButton);
    m_stopButton = new QPushButton(tr("Stop"), row);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    connect(m_stopButton, &QPushButton::clicked, this, &LiveResultsWindow::stop);
    layout->addWidget(m_stopButton);
    layout->addStretch(1);
    return row;
}

QWidget *LiveResultsWindow::buildAddresses()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stateLabel = new QLabel(box);
    m_stateLabel->setObjectName(QStringLiteral("stateLabel"));
    m_stateLabel->setWordWrap(true);
    layout->addWidget(m_stateLabel);
    m_addressesLabel = new QLabel(box);
    m_addressesLabel->setObjectName(QStringLiteral("addressesLabel"));
    m_addressesLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = m_addressesLabel->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    m_addressesLabel->setFont(large);
    layout->addWidget(m_addressesLabel);
    m_qrCodeLabel = new QLabel(box);
    m_qrCodeLabel->setObjectName(QStringLiteral("qrCodeLabel"));
    m_qrCodeLabel->setAlignment(Qt::AlignCenter);
    m_qrCodeLabel->setMinimumSize(240, 240);
    layout->addWidget(m_qrCodeLabel, 1);
    return box;
}

bool LiveResultsWindow::start()
{
    const auto port = static_cast<quint16>(m_portSpinBox->value());
    settings().setValue(PortKey, port);
    m_builder.buildNow(takeLiveSnapshot(m_kilpailu, m_tulokset, m_refreshed));
    QString error;
    if (!m_server.start(m_listenAddress, port, error)) {
        prompts().information(
            this, tr("Live results could not start on port %1: %2").arg(port).arg(error));
        showState();
        return false;
    }
    showState();
    return true;
}

bool LiveResultsWindow::startOn(const QHostAddress &address, quint16 port, QString &error)
{
    m_listenAddress = address;
    m_builder.buildNow(takeLiveSnapshot(m_kilpailu, m_tulokset, m_refreshed));
    const bool started = m_server.start(m_listenAddress, port, error);
    showState();
    return started;
}

void LiveResultsWindow::setStationDesk(StationDesk *desk)
{
    m_server.setRouter(desk ? desk->router() : LiveRouter::board());
    m_stationDesk = desk;
    delete m_stationsPanel;
    m_stationsPanel = nullptr;
    if (!desk)
        return;
    m_stationsPanel = new StationsPanel(*desk, m_kilpailu, this);
    // Between the board's addresses and the window's buttons.
    if (auto *box = qobject_cast<QVBoxLayout *>(layout()))
        box->insertWidget(box->count() - 1, m_stationsPanel, 2);
    // Wide enough for the stations' and entries' columns side by side with a station's code.
    resize(std::max(width(), 940), std::max(height(), 780));
    showState();
}

void LiveResultsWindow::stop()
{
    m_server.stop();
    showState();
}

void LiveResultsWindow::rebuild()
{
    m_refreshed = QDateTime::currentDateTime();
    if (m_server.isRunning())
        m_builder.build(takeLiveSnapshot(m_kilpailu, m_tulokset, m_refreshed));
}

void LiveResultsWindow::showState()
{
    const bool running = m_server.isRunning();
    if (m_stationDesk)
        m_stationDesk->watchStations(running);
    m_startButton->setEnabled(!running);
    m_stopButton->setEnabled(running);
    m_portSpinBox->setEnabled(!running);
    m_addresses = running ? liveAddresses(m_listenAddress, m_server.port()) : QStringList();
    if (m_stationsPanel) {
        // A server on this computer only (the tests) is reached at its own address.
        const QString local = QStringLiteral("http://%1:%2/")
                                  .arg(m_listenAddress.isLoopback() ? m_listenAddress.toString()
                                                                    : QStringLiteral("127.0.0.1"))
                                  .arg(m_server.port());
        m_stationsPanel->setServerAddress(
            !running ? QString() : (m_addresses.isEmpty() ? local : m_addresses.first()));
    }
    if (!running) {
        m_stateLabel->setText(tr("The live results are off."));
        m_addressesLabel->clear();
        m_qrCodeLabel->clear();
        emit statusMessageChanged(QString());
        return;
    }
    if (m_addresses.isEmpty()) {
        m_stateLabel->setText(
            tr("The live results are on, but this computer has no network address: connect it to "
               "the range network."));
        m_addressesLabel->setText(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.port()));
        m_qrCodeLabel->clear();
    } else {
        m_stateLabel->setText(
            tr("The live results are on. Open one of these addresses on a phone or computer of the "
               "same network, or scan the code:"));
        m_addressesLabel->setText(m_addresses.join(QLatin1Char('\n')));
        m_qrCodeLabel->setPixmap(QPixmap::fromImage(qrCodeImage(m_addresses.first(), 6)));
    }
    const QString shown = m_addresses.isEmpty() ? m_addressesLabel->text() : m_addresses.first();
    emit statusMessageChanged(tr("Live results on %1").arg(shown));
}

void attachLiveResults(QMainWindow &mainWindow, LiveResultsWindow &liveResults)
{
    auto *file = mainWindow.findChild<QMenu *>(QStringLiteral("fileMenu"));
    auto *action = new QAction(
        QCoreApplication::translate("marvola::LiveResultsWindow", "&Live results..."), &mainWindow);
    action->setObjectName(QStringLiteral("liveResultsAction"));
    QAction *exit = nullptr;
    if (file)
        for (QAction *a : file->actions())
            if (a->objectName() == QLatin1String("exitAction"))
                exit = a;
    if (file)
        file->insertAction(exit, action);
    QObject::connect(action, &QAction::triggered, &liveResults, [&liveResults] {
        liveResults.show();
        liveResults.raise();
        liveResults.activateWindow();
    });
    // A permanent part of the status bar: the next hover or save message cannot wipe it.
    auto *status = new QLabel(&mainWindow);
    status->setObjectName(QStringLiteral("liveStatusLabel"));
    status->hide();
    mainWindow.statusBar()->addPermanentWidget(status);
    QObject::connect(&liveResults, &LiveResultsWindow::statusMessageChanged, status,
        [status](const QString &message) {
            status->setText(message);
            status->setVisible(!message.isEmpty());
        });
}

QImage qrCodeImage(const QString &text, int scale)
{
    const QByteArray bytes = text.toUtf8();
    QRcode *code = QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return {};
    constexpr int quietZone = 4;
    const int modules = code->width + 2 * quietZone;
    QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        image.setPixel((x + quietZone) * scale + dx, (y + quietZone) * scale + dy,
                            qRgb(0, 0, 0));
    QRcode_free(code);
    return image;
}

} // namespace marvola
