// The scoring stations under load, against the real program: makes a match of 500 competitors
// without results, adds the stations with `--add-station`, starts `marvola MATCH.mrv --live` on
// the offscreen platform, and lets every station send its entries at the same moment, each
// followed by a resend of every one. Checks that every entry was stored exactly once and every
// resend was a duplicate with the same receipt, and that the register follows (the competitor
// lists of the page); then kills the program (SIGKILL) and checks that `--recover --csv` gives
// back every result. Prints the acknowledgement times; with live_crowd given, a crowd of board
// clients polls all the while. With --full-match the match is the full one (all 16 disciplines
// shot with results, 100 teams), the stations' shooters without a BBPR result: every refresh
// ranks and builds a whole match's lists, as on the last day of a big match.
//
//   station_load [--full-match] MARVOLA WORKDIR [STATIONS ENTRIES [LIVE_CROWD CLIENTS]]
#include "ToolArguments.h"
#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "support/FullMatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace marvola;

namespace {

const char Usage[]
    = "Usage: station_load [--full-match] MARVOLA WORKDIR [STATIONS ENTRIES [LIVE_CROWD CLIENTS]]\n"
      "Starts MARVOLA WORKDIR/load.mrv --live on the offscreen platform; STATIONS stations\n"
      "(20) send ENTRIES signed entries each (25) at once, then resend every one; checks each\n"
      "stored once and each resend a duplicate, then SIGKILL and --recover --csv. With\n"
      "LIVE_CROWD, CLIENTS board clients (300) poll meanwhile. Prints the acknowledgement times.\n"
      "--full-match: 500 competitors in all 16 disciplines with results and 100 teams, the\n"
      "stations' shooters without a BBPR result.\n";

struct Key
{
    QByteArray id, secret;
};

struct Reply
{
    int status = 0;
    QByteArray body;
    double ms = 0;
};

// One kept-alive connection of a station, plain blocking sockets: a station sends one request
// and waits for its answer.
class Connection
{
public:
    explicit Connection(quint16 port)
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const int one = 1;
        ::setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            ::close(m_socket);
            m_socket = -1;
        }
    }
    ~Connection()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }

    Reply send(const QByteArray &request)
    {
        Reply reply;
        const auto begun = std::chrono::steady_clock::now();
        if (m_socket < 0
            || ::send(m_socket, request.constData(), size_t(request.size()), 0) != request.size())
            return reply;
        QByteArray received;
        char buffer[4096];
        for (;;) {
            const qsizetype end = received.indexOf("\r\n\r\n");
            if (end >= 0) {
                const QRegularExpression lengthField(QStringLiteral("(?i)content-length: *(\\d+)"));
                const auto match = lengthField.match(QString::fromLatin1(received.left(end)));
                const qsizetype length = match.hasMatch() ? match.captured(1).toLongLong() : 0;
                if (received.size() >= end + 4 + length) {
                    reply.status = received.mid(9, 3).toInt();
                    reply.body = received.mid(end + 4, length);
                    break;
                }
            }
            const ssize_t n = ::recv(m_socket, buffer, sizeof buffer, 0);
            if (n <= 0)
                return reply;
            received.append(buffer, n);
        }
        reply.ms
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun)
                  .count();
        return reply;
    }

private:
    int m_socket = -1;
};

QByteArray signedPost(const Key &key, qint64 counter, const QByteArray &body)
{
    const QByteArray path = "/station/api/entries";
    const QByteArray counterText = QByteArray::number(counter);
    const QByteArray signature
        = QMessageAuthenticationCode::hash("POST\n" + path + '\n' + counterText + '\n' + body,
            QByteArray::fromHex(key.secret), QCryptographicHash::Sha256)
              .toHex();
    return "POST " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Station: " + key.id
        + "\r\nX-Counter: " + counterText + "\r\nX-Signature: " + signature
        + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\n\r\n" + body;
}

// The result a station enters for competitor n: never all zero.
std::array<int, 4> hitsOf(int n)
{
    return {1 + n % 10, (n / 2) % 11, (n / 3) % 11, (n / 5) % 11};
}

QByteArray entryBody(int station, int n)
{
    const auto h = hitsOf(n);
    return QJsonDocument(QJsonObject{{"id", QStringLiteral("s%1-e%2").arg(station).arg(n)},
                             {"competitor", n}, {"discipline", "BBPR"}, {"chicken", h[0]},
                             {"pig", h[1]}, {"turkey", h[2]}, {"ram", h[3]}, {"initials", "LT"}})
        .toJson(QJsonDocument::Compact);
}

// The match the stations enter into: BBP only, or the full match with the BBPR results of the
// stations' shooters taken out.
std::unique_ptr<Kilpailu> stationsMatch(int competitors, bool full)
{
    if (full) {
        auto match = testing::fullMatch();
        match->tiedot.Seura = QStringLiteral("Load Club");
        match->tiedot.Paikka = QStringLiteral("Station Range");
        for (int n = 1; n <= competitors; ++n) {
            TKilpailija &k = match->kilpailijat[*match->kilpailijat.slotByNumber(n)];
            k.Kana[BBPR] = k.Sika[BBPR] = k.Kalkkuna[BBPR] = k.Passi[BBPR] = k.Yhteensa[BBPR] = 0;
            for (auto &finals : k.f)
                finals[BBPR].setText(QString());
        }
        return match;
    }
    auto match = std::make_unique<Kilpailu>();
    match->tiedot.Seura = QStringLiteral("Load Club");
    match->tiedot.Paikka = QStringLiteral("Station Range");
    match->tiedot.Mukana[ix(Group::BBP)] = true;
    match->tiedot.Laukaukset[ix(Group::BBP)] = 40;
    for (int i = 1; i <= competitors; ++i) {
        const int slot
            = *match->addCompetitor(QStringLiteral("Shooter %1").arg(i, 3, 10, QLatin1Char('0')),
                QStringLiteral("Club %1").arg(i % 37), QStringLiteral("FIN"));
        match->kilpailijat[slot].Osallistuu[BBPR] = true;
        match->kilpailijat[slot].Luokka[BBPR].setText(Luokat::A);
    }
    return match;
}

bool makeMatch(const QString &set, int competitors, bool full)
{
    const auto match = stationsMatch(competitors, full);
    QString error;
    if (!saveMatchFileSet(set, *match, matchSummaryLines(match->tiedot, false), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

int fail(const char *what)
{
    std::fprintf(stderr, "FAILED: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool fullMatch = arguments.removeAll(QStringLiteral("--full-match")) > 0;
    if (const auto status = answerToolArguments(arguments, 2, 6, Usage))
        return *status;
    const QStringList args = arguments.mid(1);
    const QString marvola = args[0];
    const QDir work(args[1]);
    const int stationCount = args.value(2, QStringLiteral("20")).toInt();
    const int entriesEach = args.value(3, QStringLiteral("25")).toInt();
    const QString crowdTool = args.value(4);
    const int crowdClients = args.value(5, QStringLiteral("300")).toInt();
    const int competitors = stationCount * entriesEach;
    if (competitors < 1 || competitors > MaxKilpailijat)
        return fail("STATIONS x ENTRIES must be 1 to 500");
    QDir().mkpath(work.path());
    const QString set = work.filePath(QStringLiteral("load.mrv"));
    for (const QString &old : work.entryList({QStringLiteral("load*"), QStringLiteral("out*")}))
        QFile::remove(work.filePath(old));
    if (!makeMatch(set, competitors, fullMatch))
        return 1;

    // The stations, as the office adds them without a window.
    std::vector<Key> keys;
    for (int s = 0; s < stationCount; ++s) {
        QProcess add;
        add.start(marvola,
            {set, QStringLiteral("--add-station"), QStringLiteral("Bank %1").arg(s + 1),
                QStringLiteral("--disciplines"), QStringLiteral("BBPR")});
        add.waitForFinished(30000);
        const QList<QByteArray> parts = add.readAllStandardOutput().trimmed().split(' ');
        if (add.exitCode() != 0 || parts.size() != 2)
            return fail("--add-station");
        keys.push_back({parts[0], parts[1]});
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(marvola, {set, QStringLiteral("--live"), QStringLiteral("127.0.0.1:0")});
    quint16 port = 0;
    QByteArray printed;
    QElapsedTimer waited;
    waited.start();
    while (port == 0 && waited.elapsed() < 60000 && program.state() != QProcess::NotRunning) {
        program.waitForReadyRead(1000);
        printed += program.readAllStandardOutput();
        const auto match = QRegularExpression(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)/"))
                               .match(QString::fromLatin1(printed));
        if (match.hasMatch())
            port = quint16(match.captured(1).toUInt());
    }
    if (port == 0)
        return fail("the program did not say where it serves");
    std::printf(
        "program serving on port %u; %d stations x %d entries\n", port, stationCount, entriesEach);

    QProcess crowd;
    if (!crowdTool.isEmpty()) {
        crowd.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        crowd.start(crowdTool,
            {QStringLiteral("127.0.0.1"), QString::number(port), QString::number(crowdClients),
                QStringLiteral("30"), QStringLiteral("poll"), QStringLiteral("/api/list/bbpr.json"),
                QStringLiteral("/api/lists.json")});
        QThread::sleep(6); // every client has made its first poll
    }

    // Every station at once: its entries, then every one again with a fresh counter.
    struct Outcome
    {
        std::vector<Reply> first, again;
    };
    std::vector<Outcome> outcomes(static_cast<size_t>(stationCount));
    std::vector<std::thread> threads;
    std::atomic<int> ready{0};
    for (int s = 0; s < stationCount; ++s) {
        threads.emplace_back([&, s] {
            Connection connection(port);
            ++ready;
            while (ready.load() < stationCount)
                std::this_thread::yield();
            qint64 counter = 1;
            for (int pass = 0; pass < 2; ++pass)
                for (int e = 0; e < entriesEach; ++e) {
                    const int n = s * entriesEach + e + 1;
                    const Reply reply
                        = connection.send(signedPost(keys[size_t(s)], counter++, entryBody(s, n)));
                    (pass == 0 ? outcomes[size_t(s)].first : outcomes[size_t(s)].again)
                        .push_back(reply);
                }
        });
    }
    QElapsedTimer sending;
    sending.start();
    for (std::thread &t : threads)
        t.join();
    const qint64 sendingMs = sending.elapsed();

    std::vector<double> times;
    QSet<qint64> receipts;
    int stored = 0, duplicates = 0, other = 0;
    bool reported = false;
    for (const Outcome &o : outcomes) {
        for (size_t i = 0; i < o.first.size(); ++i) {
            const QJsonObject first = QJsonDocument::fromJson(o.first[i].body).object();
            const QJsonObject again = QJsonDocument::fromJson(o.again[i].body).object();
            times.push_back(o.first[i].ms);
            times.push_back(o.again[i].ms);
            if (o.first[i].status == 200 && first["status"] == QStringLiteral("stored"))
                ++stored;
            else
                ++other;
            receipts.insert(first["receipt"].toInteger());
            if (o.again[i].status == 200 && again["status"] == QStringLiteral("duplicate")
                && again["receipt"].toInteger() == first["receipt"].toInteger())
                ++duplicates;
            else
                ++other;
            if (other > 0 && !reported) {
                reported = true;
                std::fprintf(stderr, "first unexpected answer: %d %s / %d %s\n", o.first[i].status,
                    o.first[i].body.constData(), o.again[i].status, o.again[i].body.constData());
            }
        }
    }
    std::printf(
        "%d requests in %lld ms: %d stored (%lld distinct receipts), %d duplicates, %d other\n",
        int(times.size()), sendingMs, stored, qint64(receipts.size()), duplicates, other);
    std::printf("acknowledgement ms: p50 %.1f  p90 %.1f  p99 %.1f  max %.1f\n",
        percentile(times, 0.5), percentile(times, 0.9), percentile(times, 0.99),
        percentile(times, 1.0));
    if (!crowdTool.isEmpty())
        crowd.waitForFinished(60000);
    bool ok = stored == competitors && duplicates == competitors && other == 0
        && receipts.size() == competitors;

    // The register has every result: the page's competitor list says so for each.
    Connection lists(port);
    const Reply list = lists.send(
        "GET /station/api/competitors.json?discipline=BBPR HTTP/1.1\r\nHost: x\r\n\r\n");
    int shown = 0;
    for (const QJsonValue &c : QJsonDocument::fromJson(list.body).array())
        shown += c["stored"].toBool() ? 1 : 0;
    std::printf("register: %d of %d competitors with a stored result\n", shown, competitors);
    ok = ok && shown == competitors;

    // The tabs follow within a second: the board's BBPR list (built from the tab) has every
    // shooter's total.
    int onBoard = 0;
    QElapsedTimer boardWait;
    boardWait.start();
    while (onBoard < competitors && boardWait.elapsed() < 10000) {
        const Reply board = lists.send("GET /api/list/bbpr.json HTTP/1.1\r\nHost: x\r\n\r\n");
        onBoard = 0;
        for (const QJsonValue &row : QJsonDocument::fromJson(board.body)["rows"].toArray()) {
            const QJsonArray cells = row["cells"].toArray();
            for (const QJsonValue &cell : cells) {
                const QString text = cell.toString();
                const int n = text.mid(8).toInt();
                if (!text.startsWith(QStringLiteral("Shooter ")) || n > competitors)
                    continue;
                const auto h = hitsOf(n);
                for (const QJsonValue &other : cells)
                    if (other.toString() == QString::number(h[0] + h[1] + h[2] + h[3])) {
                        ++onBoard;
                        break;
                    }
            }
        }
        if (onBoard < competitors)
            QThread::msleep(200);
    }
    std::printf("tabs (the board's BBPR list): %d of %d totals shown after %lld ms\n", onBoard,
        competitors, boardWait.elapsed());
    ok = ok && onBoard == competitors;

    program.kill(); // SIGKILL: nothing of the window's own is saved
    program.waitForFinished(10000);
    QProcess recover;
    recover.start(marvola,
        {set, QStringLiteral("--recover"), QStringLiteral("--csv"),
            work.filePath(QStringLiteral("out.csv"))});
    recover.waitForFinished(60000);
    std::printf("--recover: %s", recover.readAllStandardError().constData());
    QFile csv(work.filePath(QStringLiteral("out.csv")));
    int back = 0;
    if (csv.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : csv.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(';');
            if (f.size() < 10 || f[0] != "\"BBPR\"")
                continue;
            const int n = QString::fromLatin1(f[3]).remove(u'"').mid(8).toInt();
            if (n > competitors)
                continue;
            const auto h = hitsOf(n);
            if (f[5].toInt() == h[0] && f[6].toInt() == h[1] && f[7].toInt() == h[2]
                && f[8].toInt() == h[3] && f[9].toInt() == h[0] + h[1] + h[2] + h[3])
                ++back;
        }
    }
    std::printf("after SIGKILL, --recover --csv: %d of %d results back\n", back, competitors);
    ok = ok && back == competitors;
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
