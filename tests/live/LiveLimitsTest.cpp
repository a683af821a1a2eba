// The server's bounds, each driven with real sockets: head size and deadline, bodies, pipelining,
// connections per address and in all, idle keep-alive, malformed requests.
#include "LiveFixture.h"
#include "support/ParamName.h"

#include <QElapsedTimer>

#include <sys/resource.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

// A client that sends exactly the bytes it is given and reads what comes back, from a chosen
// source address of the loopback network. The server runs on its own thread, so waiting here
// blocks nothing of it.
class RawClient
{
public:
    explicit RawClient(
        quint16 port, const QHostAddress &from = QHostAddress(QHostAddress::LocalHost))
    {
        m_socket.bind(from, 0);
        m_socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        m_connected = m_socket.waitForConnected(5000);
    }
    bool connected() const { return m_connected; }
    void send(const QByteArray &bytes)
    {
        m_socket.write(bytes);
        m_socket.waitForBytesWritten(5000);
    }
    // Reads until the server closes the connection or the time is up; true when it closed.
    bool readUntilClosed(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (m_socket.state() != QAbstractSocket::ConnectedState) {
                m_received += m_socket.readAll();
                return true;
            }
            m_socket.waitForReadyRead(50);
            m_received += m_socket.readAll();
        }
        return m_socket.state() != QAbstractSocket::ConnectedState;
    }
    // Reads until `count` answers have come whole, or the time is up.
    int readAnswers(int count, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (answers() < count && clock.elapsed() < timeoutMs) {
            m_socket.waitForReadyRead(50);
            m_received += m_socket.readAll();
        }
        return answers();
    }
    int answers() const { return int(m_received.count("HTTP/1.1 ")); }
    QByteArray received() const { return m_received; }
    int status() const { return m_received.mid(9, 3).toInt(); }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
    bool m_connected = false;
};

QByteArray get(const QByteArray &path)
{
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

class LiveLimitsTest : public LiveFixture
{
protected:
    void restart(const LiveLimits &limits)
    {
        server.setLimits(limits);
        QString error;
        ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error));
        port = server.port();
    }
};

struct RefusalCase
{
    const char *name;
    QByteArray request;
    int status;
};

class LiveClosingTest : public LiveFixture, public ::testing::WithParamInterface<RefusalCase>
{
};

// Each of these is answered at once and the connection closed: nothing more of it is read.
TEST_P(LiveClosingTest, IsAnsweredAndClosed)
{
    const RefusalCase &c = GetParam();
    RawClient client(port);
    ASSERT_TRUE(client.connected());
    client.send(c.request);
    EXPECT_TRUE(client.readUntilClosed(5000)) << client.received().toStdString();
    EXPECT_EQ(client.status(), c.status) << client.received().toStdString();
    EXPECT_EQ(client.answers(), 1)
        << "nothing sent after it is run: " << client.received().toStdString();
    EXPECT_TRUE(client.received().contains("Connection: close"));
    // The board goes on for everyone else.
    EXPECT_EQ(httpGet(port, "/").status, 200);
}

const RefusalCase RefusalCases[] = {
    // A gigabyte announced: refused before a byte of it is read.
    {"GetWithBody", "GET / HTTP/1.1\r\nHost: x\r\nContent-Length: 1073741824\r\n\r\nabc", 413},
    {"PostWithBody", "POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 1073741824\r\n\r\nabc", 405},
    {"ChunkedBody", "GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nabcde\r\n",
        413},
    {"HeadTooLong", "GET / HTTP/1.1\r\nX-Filler: " + QByteArray(20 * 1024, 'a') + "\r\n\r\n", 431},
    {"HttpZeroNine", "GET /\r\n\r\n", 400},
    {"NoVersion", "GET / \r\n\r\n", 400},
    {"UnknownVersion", "GET / HTTX/1.1\r\n\r\n", 400},
    {"Garbage", "\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03\r\n\r\n", 400},
    {"SpaceInTarget", "GET /list bbpr HTTP/1.1\r\n\r\n", 400},
    {"BadHeaderLine", "GET / HTTP/1.1\r\nno colon here\r\n\r\n", 400},
    {"ConnectionClose", "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", 200},
    {"OldHttpWithoutKeepAlive", "GET / HTTP/1.0\r\n\r\n", 200},
    // A body whose end cannot be found: what follows it is no request of its own.
    {"TransferCodingNotChunked",
        "GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: gzip\r\n\r\n"
        "GET /api/lists.json HTTP/1.1\r\nHost: x\r\n\r\n",
        400},
    {"ChunkedNotLast",
        "GET / HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked, gzip\r\n\r\n"
        "GET /api/lists.json HTTP/1.1\r\nHost: x\r\n\r\n",
        400},
    {"NoHost", "GET / HTTP/1.1\r\n\r\n", 400},
    {"TwoHosts", "GET / HTTP/1.1\r\nHost: x\r\nHost: y\r\n\r\n", 400},
    {"OldHttpTwoHosts", "GET / HTTP/1.0\r\nHost: x\r\nHost: y\r\n\r\n", 400},
};

INSTANTIATE_TEST_SUITE_P(
    Requests, LiveClosingTest, ::testing::ValuesIn(RefusalCases), NamedBy<&RefusalCase::name>());

// The absolute form a proxy sends names the same page as the path alone.
TEST_F(LiveLimitsTest, AnAbsoluteTargetIsServedAsItsPath)
{
    RawClient client(port);
    ASSERT_TRUE(client.connected());
    client.send("GET http://127.0.0.1/ HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
                "GET HTTP://127.0.0.1:8080/api/lists.json?x=1 HTTP/1.1\r\nHost: x\r\n\r\n");
    ASSERT_EQ(client.readAnswers(2, 5000), 2) << client.received().toStdString();
    EXPECT_EQ(client.status(), 200) << client.received().toStdString();
    EXPECT_EQ(client.received().count("HTTP/1.1 200 OK"), 2) << client.received().toStdString();
}

// A client that announces its body with Expect: 100-continue waits for the server's word.
TEST_F(LiveLimitsTest, ExpectContinueGetsContinueOrAtOnceTheFinalStatus)
{
    LiveRouter router = LiveRouter::board();
    router.add({"POST", "/echo", 64,
        [](const LiveRequest &request, const std::shared_ptr<const LiveContent> &) {
            return plainAnswer(200, request.body);
        },
        {}, false});
    server.stop();
    server.setRouter(std::move(router));
    restart(LiveLimits());
    const QByteArray head = "POST /echo HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\n";

    RawClient taken(port);
    ASSERT_TRUE(taken.connected());
    taken.send(head + "Content-Length: 5\r\n\r\n");
    ASSERT_EQ(taken.readAnswers(1, 5000), 1) << "the body is not sent before the word";
    EXPECT_EQ(taken.status(), 100);
    taken.send("hello");
    ASSERT_EQ(taken.readAnswers(2, 5000), 2);
    EXPECT_TRUE(taken.received().contains("HTTP/1.1 200 OK")) << taken.received().toStdString();
    EXPECT_TRUE(taken.received().endsWith("hello"));

    RawClient refused(port);
    ASSERT_TRUE(refused.connected());
    refused.send(head + "Content-Length: 1000\r\n\r\n");
    EXPECT_TRUE(refused.readUntilClosed(5000));
    EXPECT_EQ(refused.status(), 413) << refused.received().toStdString();
    EXPECT_FALSE(refused.received().contains("100 Continue"));
}

TEST_F(LiveLimitsTest, AHeadTricklingInIsCutAtItsDeadlineThoughEveryByteIsOnTime)
{
    LiveLimits limits;
    limits.headDeadline = std::chrono::milliseconds(800);
    limits.idleTimeout = std::chrono::milliseconds(5000);
    restart(limits);
    RawClient slow(port);
    ASSERT_TRUE(slow.connected());
    QElapsedTimer clock;
    clock.start();
    const QByteArray request = get("/");
    bool closed = false;
    // A byte every 100 ms: never idle, but the head is not done within its deadline.
    for (int i = 0; i < request.size() - 1 && !closed; ++i) {
        slow.send(request.mid(i, 1));
        closed = slow.readUntilClosed(100);
    }
    EXPECT_TRUE(closed);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(slow.answers(), 0);
    EXPECT_EQ(httpGet(port, "/").status, 200);
}

TEST_F(LiveLimitsTest, AKeptAliveConnectionIsClosedWhenIdleButNotBefore)
{
    LiveLimits limits;
    limits.idleTimeout = std::chrono::milliseconds(1500);
    restart(limits);
    RawClient client(port);
    ASSERT_TRUE(client.connected());
    client.send(get("/api/lists.json"));
    ASSERT_EQ(client.readAnswers(1, 5000), 1);
    // A poll within the idle time is served on the same connection.
    EXPECT_FALSE(client.readUntilClosed(700));
    client.send(get("/api/lists.json"));
    EXPECT_EQ(client.readAnswers(2, 5000), 2);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(client.readUntilClosed(6000));
    EXPECT_GT(clock.elapsed(), 1000);
}

TEST_F(LiveLimitsTest, PipelinedRequestsOfAClientThatDoesNotReadWaitForItAndTheOthersAreServed)
{
    constexpr int pipelined = 2000;
    RawClient greedy(port);
    ASSERT_TRUE(greedy.connected());
    QByteArray requests;
    for (int i = 0; i < pipelined; ++i)
        requests += get(i % 2 ? "/list/bbpr" : "/api/list/bbpr.json");
    greedy.send(requests);
    // While it does not read, the server holds only a few of its answers and serves the others.
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(httpGet(port, "/").status, 200);
    // When it reads, every answer comes, in order.
    EXPECT_EQ(greedy.readAnswers(pipelined, 60000), pipelined);
    EXPECT_EQ(greedy.received().count("HTTP/1.1 200 OK"), pipelined);
    EXPECT_EQ(server.openConnections(), 1);
}

TEST_F(LiveLimitsTest, OneAddressGetsItsShareOfConnectionsAndAnotherStillGetsIn)
{
    const int cap = LiveLimits::MaxPerAddress;
    std::vector<std::unique_ptr<RawClient>> crowd;
    for (int i = 0; i < cap + 8; ++i)
        crowd.push_back(std::make_unique<RawClient>(port));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == cap; }, 10000))
        << server.openConnections();
    // The connections beyond the share are closed at once.
    int refused = 0;
    for (auto &client : crowd)
        refused += client->readUntilClosed(50) ? 1 : 0;
    EXPECT_EQ(refused, 8);

    RawClient other(port, QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_TRUE(other.connected());
    other.send(get("/"));
    EXPECT_EQ(other.readAnswers(1, 5000), 1);
    EXPECT_EQ(other.status(), 200);

    // Closing some makes room for the same address again.
    crowd.resize(cap - 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() <= cap - 3; }, 10000));
    EXPECT_EQ(httpGet(port, "/").status, 200);
}

TEST_F(LiveLimitsTest, TheOpenFileLimitIsRaisedToWhatTheSystemAllows)
{
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(rlim_t(raiseOpenFileLimit()), std::min<rlim_t>(limit.rlim_max, 1 << 20));
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_EQ(limit.rlim_cur, std::min<rlim_t>(limit.rlim_max, 1 << 20));
}

} // namespace
