// The server's answers: methods, paths, headers, conditional requests and fresh data.
#include "LiveFixture.h"
#include "support/ParamName.h"

#include <QtEndian>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct ProtocolCase
{
    const char *name;
    const char *method;
    const char *path;
    int status;
    bool body; // whether a body is sent
};

class LiveProtocolTest : public LiveFixture, public ::testing::WithParamInterface<ProtocolCase>
{
};

TEST_P(LiveProtocolTest, AnswersWithStatusAndHeaders)
{
    const ProtocolCase &c = GetParam();
    const HttpReply reply = httpRequest(port, c.method, c.path);
    ASSERT_EQ(reply.status, c.status);
    EXPECT_TRUE(reply.header("Content-Type").contains("; charset=utf-8"))
        << reply.header("Content-Type").toStdString();
    EXPECT_EQ(reply.header("Cache-Control"), "no-cache");
    EXPECT_EQ(reply.body.isEmpty(), !c.body);
    if (c.status == 405) {
        EXPECT_EQ(reply.header("Allow"), "GET, HEAD");
    }
    if (c.status == 200) {
        EXPECT_FALSE(reply.header("ETag").isEmpty());
        // HEAD tells the length of the body that GET sends.
        EXPECT_EQ(reply.header("Content-Length").toLongLong(), httpGet(port, c.path).body.size());
    }
}

const ProtocolCase ProtocolCases[] = {
    {"GetIndex", "GET", "/", 200, true},
    {"HeadIndex", "HEAD", "/", 200, false},
    {"GetPage", "GET", "/list/bbp-aggr", 200, true},
    {"HeadJson", "HEAD", "/api/list/standing-team.json", 200, false},
    {"GetStyleSheet", "GET", "/live.css", 200, true},
    {"GetQueryIgnored", "GET", "/api/lists.json?since=1", 200, true},
    {"PostIndex", "POST", "/", 405, true},
    {"PutList", "PUT", "/list/bbpr", 405, true},
    {"DeleteJson", "DELETE", "/api/lists.json", 405, true},
    {"OptionsIndex", "OPTIONS", "/", 405, true},
    {"PostUnknown", "POST", "/upload", 405, true},
    {"ParentFolder", "GET", "/../", 404, true},
    {"ParentInsideList", "GET", "/list/../api/lists.json", 404, true},
    {"EncodedParent", "GET", "/%2e%2e/%2e%2e/etc/passwd", 404, true},
    {"FileSystemPath", "GET", "/etc/passwd", 404, true},
    {"UnknownList", "GET", "/list/nope", 404, true},
    {"ListWithoutId", "GET", "/list/", 404, true},
    {"TrailingSlash", "GET", "/list/bbpr/", 404, true},
    {"HeadUnknown", "HEAD", "/missing", 404, false},
};

INSTANTIATE_TEST_SUITE_P(
    Requests, LiveProtocolTest, ::testing::ValuesIn(ProtocolCases), NamedBy<&ProtocolCase::name>());

using LiveServerTest = LiveFixture;

TEST_F(LiveServerTest, ConditionalRequestsAnswerNotModifiedUntilTheNextRefresh)
{
    const HttpReply first = httpGet(port, "/api/list/bbpr.json");
    const QByteArray etag = first.header("ETag");
    ASSERT_TRUE(etag.startsWith('"') && etag.endsWith('"'));

    const HttpReply same
        = httpRequest(port, "GET", "/api/list/bbpr.json", {{"If-None-Match", etag}});
    EXPECT_EQ(same.status, 304);
    EXPECT_TRUE(same.body.isEmpty());
    EXPECT_EQ(same.header("ETag"), etag);
    EXPECT_EQ(same.header("Cache-Control"), "no-cache");
    EXPECT_EQ(
        httpRequest(port, "GET", "/api/list/bbpr.json", {{"If-None-Match", "\"other\", " + etag}})
            .status,
        304);

    // The page names its JSON's tag, so a page's first poll costs only a 304.
    const QByteArray quoted = "&quot;" + etag.mid(1, etag.size() - 2) + "&quot;";
    EXPECT_TRUE(httpGet(port, "/list/bbpr").body.contains("data-etag=\"" + quoted + '"'));

    // A new score at the next refresh: the next request gets it with a new tag.
    b.at(entrants[0]).Passi[BBPR] = 30;
    b.at(entrants[0]).Yhteensa[BBPR] = 45;
    refresh();
    const HttpReply changed
        = httpRequest(port, "GET", "/api/list/bbpr.json", {{"If-None-Match", etag}});
    ASSERT_EQ(changed.status, 200);
    EXPECT_NE(changed.header("ETag"), etag);
    const QJsonObject json = QJsonDocument::fromJson(changed.body).object();
    const QJsonArray best = json[QStringLiteral("rows")][1][QStringLiteral("cells")].toArray();
    EXPECT_EQ(best[1].toString(), QStringLiteral("Virtanen"));
    EXPECT_EQ(best[7].toString(), QStringLiteral("45"));
}

// A refresh that changes nothing in a list keeps its bytes and tag, so the pages polling it
// get 304; a new score changes the tag of its own list and nothing else.
TEST_F(LiveServerTest, TagsChangeOnlyWithTheContentOfTheirList)
{
    const std::shared_ptr<const LiveContent> before = server.content();
    const QDateTime later(QDate(2026, 6, 13), QTime(15, 0, 0));
    const auto publish = [&](const LiveContent *previous) {
        refreshResults(b.match(), *tulokset);
        server.setContent(buildLiveContent(b.match().tiedot, *tulokset, later, previous));
    };
    publish(before.get());
    for (const QByteArray &path : before->paths()) {
        const LiveResource *now = server.content()->find(path);
        ASSERT_NE(now, nullptr) << path.toStdString();
        EXPECT_EQ(now->etag, before->find(path)->etag) << path.toStdString();
        EXPECT_EQ(now->body, before->find(path)->body) << path.toStdString();
    }
    EXPECT_EQ(getJson("/api/list/bbpr.json")[QStringLiteral("refreshed")].toString(),
        QStringLiteral("14:05:07"));

    b.at(entrants[0]).Passi[BBPR] = 30;
    const std::shared_ptr<const LiveContent> unchanged = server.content();
    publish(unchanged.get());
    const std::shared_ptr<const LiveContent> changed = server.content();
    for (const char *path : {"/api/list/bbpr.json", "/list/bbpr"})
        EXPECT_NE(changed->find(path)->etag, unchanged->find(path)->etag) << path;
    for (const char *path : {"/api/list/fpp.json", "/list/fpp", "/api/lists.json", "/"})
        EXPECT_EQ(changed->find(path)->etag, unchanged->find(path)->etag) << path;
    EXPECT_EQ(getJson("/api/list/bbpr.json")[QStringLiteral("refreshed")].toString(),
        QStringLiteral("15:00:00"));
}

// A browser asks for compressed JSON; the page knows only the plain tag. Its first poll still
// costs a 304, and the next poll with the tag it got then as well.
TEST_F(LiveServerTest, APagesFirstCompressedPollIsNotModified)
{
    static const QRegularExpression tagged(QStringLiteral("data-etag=\"&quot;([^&]+)&quot;\""));
    const auto match = tagged.match(QString::fromUtf8(httpGet(port, "/list/bbpr").body));
    ASSERT_TRUE(match.hasMatch());
    const QByteArray pageTag = '"' + match.captured(1).toUtf8() + '"';
    const QList<std::pair<QByteArray, QByteArray>> browser{
        {"Accept-Encoding", "gzip, deflate, br"}};
    const HttpReply full = httpRequest(port, "GET", "/api/list/bbpr.json", browser);
    ASSERT_EQ(full.header("Content-Encoding"), "deflate");

    auto conditional = browser;
    conditional << std::pair{QByteArray("If-None-Match"), pageTag};
    const HttpReply first = httpRequest(port, "GET", "/api/list/bbpr.json", conditional);
    EXPECT_EQ(first.status, 304);
    EXPECT_EQ(first.header("ETag"), full.header("ETag"));
    conditional.last().second = full.header("ETag");
    EXPECT_EQ(httpRequest(port, "GET", "/api/list/bbpr.json", conditional).status, 304);
}

// A list from the snapshot, and a search page made for its query.
class CompressedPage : public LiveServerTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(CompressedPage, GoesCompressedToClientsThatAcceptDeflateWithItsOwnTag)
{
    const QByteArray path = GetParam();
    const HttpReply plain = httpGet(port, path);
    const HttpReply packed
        = httpRequest(port, "GET", path, {{"Accept-Encoding", "gzip, deflate, br"}});
    ASSERT_EQ(packed.status, 200);
    EXPECT_EQ(packed.header("Content-Encoding"), "deflate");
    EXPECT_EQ(packed.header("Vary"), "Accept-Encoding, Accept-Language");
    EXPECT_LT(packed.body.size(), plain.body.size());
    // A zlib stream: qUncompress wants the plain length in front of it.
    QByteArray sized(4, '\0');
    qToBigEndian(quint32(plain.body.size()), sized.data());
    EXPECT_EQ(qUncompress(sized + packed.body), plain.body);
    // Each form has its own tag, and each tag is answered by its own form only.
    EXPECT_NE(packed.header("ETag"), plain.header("ETag"));
    EXPECT_EQ(httpRequest(port, "GET", path,
                  {{"Accept-Encoding", "deflate"}, {"If-None-Match", packed.header("ETag")}})
                  .status,
        304);
    EXPECT_EQ(
        httpRequest(port, "GET", path, {{"If-None-Match", packed.header("ETag")}}).status, 200);
    EXPECT_TRUE(httpRequest(port, "GET", path, {{"Accept-Encoding", "gzip"}})
                    .header("Content-Encoding")
                    .isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CompressedPage, ::testing::Values("/list/bbpr", "/search?q=C"), [](const auto &info) {
        return std::string(QByteArray(info.param).startsWith("/search") ? "Search" : "List");
    });

TEST_F(LiveServerTest, ConnectionsBeyondTheLimitAreRefusedAndTheOthersStillServed)
{
    constexpr int limit = 20;
    server.setMaxConnections(limit);
    QString error;
    ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error));
    port = server.port();
    // Idle clients that never send a request hold their sockets.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < limit + 5; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == limit; }, 10000))
        << server.openConnections();
    // Closing some idle clients makes room again.
    for (int i = 0; i < 10; ++i)
        idle[static_cast<size_t>(i)]->abort();
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() <= limit - 5; }, 10000));
    EXPECT_EQ(httpGet(port, "/").status, 200);
}

TEST_F(LiveServerTest, IdleConnectionsAreClosedWhileActiveOnesStay)
{
    server.setIdleTimeout(300);
    QString error;
    ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error));
    port = server.port();
    QTcpSocket silent;
    silent.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    ASSERT_TRUE(silent.waitForConnected(5000));
    // A client that sends half a request and then nothing more.
    QTcpSocket trickle;
    trickle.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    ASSERT_TRUE(trickle.waitForConnected(5000));
    trickle.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return silent.state() == QAbstractSocket::UnconnectedState
                && trickle.state() == QAbstractSocket::UnconnectedState;
        },
        5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.openConnections() == 0; }, 5000))
        << server.openConnections();
    EXPECT_EQ(httpGet(port, "/").status, 200);
}

TEST_F(LiveServerTest, StopClosesThePortAndStartServesAgain)
{
    server.stop();
    EXPECT_FALSE(server.isRunning());
    EXPECT_EQ(httpRequest(port, "GET", "/", {}, 1000).status, 0);
    QString error;
    ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), 0, error));
    EXPECT_EQ(httpGet(server.port(), "/").status, 200);
    // A port in use is refused with the reason.
    LiveServer second;
    EXPECT_FALSE(second.start(QHostAddress(QHostAddress::LocalHost), server.port(), error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

// The pages speak the browser's language when the program has it, and the program's own (here
// the C locale's source texts) otherwise; the tags differ, so a cache never mixes them.
struct PageLanguageCase
{
    const char *name;
    const char *acceptLanguage; // nullptr: no header
    const char *title;
    const char *lang;
    const char *staleBanner; // the start of the text the script shows when the server is gone
    const char *club; // the match line's first part
    const char *datePattern; // how the language writes the match's first day
};

const PageLanguageCase PageLanguageCases[] = {
    {"Finnish", "fi-FI,fi;q=0.9,en;q=0.8", "Isokaliiperinen pistooli, revolveri", "fi",
        "Ei ajan tasalla", "Seura: ", "d.M.yyyy"},
    {"Swedish", "sv-SE,sv;q=0.9", "Grovkalibrig pistol, revolver", "sv", "Inte aktuellt",
        "Klubb: ", "yyyy-MM-dd"},
    {"SwedishByQuality", "de;q=0.9, sv;q=0.8, fi;q=0.1", "Grovkalibrig pistol, revolver", "sv",
        "Inte aktuellt", "Klubb: ", "yyyy-MM-dd"},
    {"GermanGetsTheProgramsLanguage", "de-DE,de;q=0.9", "Big Bore Pistol Revolver", "en",
        "Not up to date", "Club: ", "yyyy-MM-dd"},
    {"NoHeaderGetsTheProgramsLanguage", nullptr, "Big Bore Pistol Revolver", "en", "Not up to date",
        "Club: ", "yyyy-MM-dd"},
};

class LivePageLanguage : public LiveServerTest,
                         public ::testing::WithParamInterface<PageLanguageCase>
{
};

TEST_P(LivePageLanguage, FollowsAcceptLanguage)
{
    const PageLanguageCase &c = GetParam();
    QList<std::pair<QByteArray, QByteArray>> headers;
    if (c.acceptLanguage)
        headers << std::pair{QByteArray("Accept-Language"), QByteArray(c.acceptLanguage)};
    const HttpReply page = httpRequest(port, "GET", "/list/bbpr", headers);
    ASSERT_EQ(page.status, 200);
    const QString html = QString::fromUtf8(page.body);
    EXPECT_TRUE(html.contains(QString::fromUtf8(c.title))) << c.name;
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(c.lang))));
    EXPECT_TRUE(
        html.contains(QStringLiteral("data-text=\"%1").arg(QString::fromUtf8(c.staleBanner))))
        << c.name;
    // The match line in the page's language, its dates as the language writes them.
    EXPECT_TRUE(html.contains(QStringLiteral("<span>%1").arg(QLatin1String(c.club)))) << c.name;
    const QString firstDay = b.match().tiedot.Alkupvm.toString(QLatin1String(c.datePattern));
    EXPECT_TRUE(html.contains(firstDay)) << c.name << " " << firstDay.toStdString();
    const HttpReply json = httpRequest(port, "GET", "/api/list/bbpr.json", headers);
    EXPECT_TRUE(QString::fromUtf8(json.body).contains(QString::fromUtf8(c.title)));
    EXPECT_TRUE(QString::fromUtf8(json.body).contains(QLatin1String(c.club)));
    // The total column is marked by its role, whatever its caption's language.
    EXPECT_TRUE(json.body.contains("\"role\":\"total\"")) << c.name;
    const bool translated = c.acceptLanguage && QByteArray(c.lang) != "en";
    EXPECT_EQ(page.header("ETag") != httpGet(port, "/list/bbpr").header("ETag"), translated);
}

INSTANTIATE_TEST_SUITE_P(Languages, LivePageLanguage, ::testing::ValuesIn(PageLanguageCases),
    [](const auto &info) { return std::string(info.param.name); });
