#include "app/LiveBoard.h"

#include "app/CommandLine.h"
#include "files/MatchFiles.h"
#include "live/LiveServer.h"
#include "ranking/Ranking.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace marvola {

namespace {

// A save writes four files one after another: wait for the last before reading.
constexpr int SettleMs = 400;

int s_signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe, read by the event loop.
void signalReceived(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(s_signalPipe[1], &byte, 1);
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

// Serves one match file set and follows its saves. A load that fails leaves the last good
// results in place.
class LiveBoard : public QObject
{
public:
    LiveBoard(const QString &matchFile, bool oldLayout)
        : m_matchFile(matchFile)
        , m_oldLayout(oldLayout)
        , m_tulokset(std::make_unique<Tulokset>())
    {
        const MatchFileSet set = MatchFileSet::fromChosenName(matchFile);
        m_files = {set.summary, set.match, set.results, set.teams};
        m_settle.setSingleShot(true);
        m_settle.setInterval(SettleMs);
        connect(&m_settle, &QTimer::timeout, this, &LiveBoard::reloadWhenChanged);
        connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
        connect(
            &m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
    }

    // The first load may finish a save that a crash cut short; a reload only reads, since the
    // results computer may be saving this very moment: its save is waited for, never touched.
    bool load(QString &error, bool firstLoad = false)
    {
        if (!firstLoad && saveUnderWay(m_matchFile)) {
            error = QCoreApplication::translate("LiveBoard", "a save of the match is under way");
            return false;
        }
        m_stamps = stamps();
        auto fresh = std::make_unique<Kilpailu>();
        LoadedMatch loaded = firstLoad
            ? loadMatchFileSet(m_matchFile, m_oldLayout, *fresh, error)
            : readMatchFileSetAsItIs(m_matchFile, m_oldLayout, *fresh, error);
        if (!loaded.kilpailu)
            return false;
        m_refreshed = QDateTime::currentDateTime();
        refreshResults(*loaded.kilpailu, *m_tulokset);
        m_server.setContent(buildLiveContent(loaded.kilpailu->tiedot, *m_tulokset, m_refreshed,
            m_server.content().get(), {}, liveRelaysOf(*loaded.kilpailu),
            loaded.kilpailu->listStatus));
        return true;
    }

    bool start(const ServeAddress &address, QString &error)
    {
        if (!m_server.start(address.host, address.port, error))
            return false;
        watch();
        return true;
    }

    QStringList addresses() const
    {
        QStringList shown = liveAddresses(m_server.address(), m_server.port());
        if (shown.isEmpty()) // no network: at least this computer's own address
            shown << QStringLiteral("http://127.0.0.1:%1/").arg(m_server.port());
        return shown;
    }

private:
    // A save replaces each file by renaming a new one over it, which drops the old file from the
    // watcher: the folder is watched too, and the files are added again after each change.
    void watch()
    {
        const QStringList watched = m_watcher.files();
        for (const QString &file : m_files)
            if (!watched.contains(file) && QFileInfo::exists(file))
                m_watcher.addPath(file);
        const QString folder = QFileInfo(m_matchFile).absolutePath();
        if (!m_watcher.directories().contains(folder))
            m_watcher.addPath(folder);
    }

    QStringList stamps() const
    {
        QStringList list;
        for (const QString &file : m_files) {
            const QFileInfo info(file);
            list << QStringLiteral("%1/%2/%3")
                        .arg(info.exists())
                        .arg(info.size())
                        .arg(info.lastModified().toMSecsSinceEpoch());
        }
        return list;
    }

    void reloadWhenChanged()
    {
        watch();
        // Other files of the folder change too; only a change of the match's own files counts.
        if (stamps() == m_stamps)
            return;
        QString error;
        if (load(error)) {
            std::printf("Reloaded %s at %s.\n", qPrintable(m_matchFile),
                qPrintable(m_refreshed.toString(QStringLiteral("HH:mm:ss"))));
            std::fflush(stdout);
        } else {
            std::fprintf(stderr, "Reload of %s failed, still serving the results of %s: %s\n",
                qPrintable(m_matchFile),
                qPrintable(m_refreshed.toString(QStringLiteral("HH:mm:ss"))),
                qPrintable(oneLine(error)));
        }
    }

    QString m_matchFile;
    bool m_oldLayout;
    QStringList m_files;
    QStringList m_stamps;
    std::unique_ptr<Tulokset> m_tulokset;
    QDateTime m_refreshed;
    LiveServer m_server;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace

std::optional<ServeAddress> parseServeAddress(const QString &text, QString &error)
{
    ServeAddress address{QHostAddress(QHostAddress::AnyIPv4), 0};
    QString portText = text;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0) {
        QString host = text.left(colon);
        if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
            host = host.mid(1, host.size() - 2);
        if (host == QLatin1String("localhost"))
            host = QStringLiteral("127.0.0.1");
        if (!address.host.setAddress(host)) {
            error = QCoreApplication::translate("LiveBoard", "--serve: %1 is not an IP address.")
                        .arg(host);
            return std::nullopt;
        }
        portText = text.mid(colon + 1);
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port > 65535) {
        error = QCoreApplication::translate(
            "LiveBoard", "--serve: %1 is not a port number (0 to 65535).")
                    .arg(portText);
        return std::nullopt;
    }
    address.port = static_cast<quint16>(port);
    return address;
}

int serveLiveResults(const CommandLine &c)
{
    QString error;
    const std::optional<ServeAddress> address = parseServeAddress(c.serve, error);
    if (!address) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    LiveBoard board(c.matchFile, c.oldLayout);
    if (!board.load(error, true) || !board.start(*address, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(oneLine(error)));
        return 1;
    }

    if (::pipe(s_signalPipe) != 0) {
        std::fprintf(stderr, "Cannot watch for Ctrl+C.\n");
        return 1;
    }
    QSocketNotifier stopRequest(s_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopRequest, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = signalReceived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    std::printf("Live results of %s on:\n", qPrintable(c.matchFile));
    for (const QString &url : board.addresses())
        std::printf("  %s\n", qPrintable(url));
    std::printf("Stop with Ctrl+C.\n");
    std::fflush(stdout);

    const int status = QCoreApplication::exec();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    ::close(s_signalPipe[0]);
    ::close(s_signalPipe[1]);
    std::printf("Live results stopped.\n");
    return status;
}

} // namespace marvola
