// A real browser: headless Chromium opens the index, follows a link and shows the list's rows;
// an open page tells when the server has gone quiet, when a list has gone, and redraws its header.
#include "LiveFixture.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

using BrowserTest = LiveFixture;

// The document as Chromium has built it, scripts run; the server answers meanwhile, as the
// event loop keeps running while the browser works.
QString dumpDom(const QString &chromium, const QString &url)
{
    QTemporaryDir profile;
    QProcess browser;
    browser.start(chromium,
        {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
            QStringLiteral("--user-data-dir=") + profile.path(), QStringLiteral("--dump-dom"),
            url});
    const bool finished
        = QTest::qWaitFor([&] { return browser.state() == QProcess::NotRunning; }, 60000);
    if (!finished) {
        browser.kill();
        browser.waitForFinished();
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

TEST_F(BrowserTest, ChromiumFollowsAnIndexLinkAndShowsTheRows)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";

    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(port);
    const QString index = dumpDom(chromium, base + QStringLiteral("/"));
    static const QRegularExpression link(QStringLiteral("<a href=\"([^\"]+)\"[^>]*>BBPR</a>"));
    const auto match = link.match(index);
    ASSERT_TRUE(match.hasMatch()) << index.left(2000).toStdString();

    const QString page = dumpDom(chromium, base + match.captured(1));
    const QStringList names = columnTexts(page.toUtf8(), 1);
    EXPECT_EQ(names.mid(0, 4),
        (QStringList{QStringLiteral("BBPR"), QStringLiteral("Koski"),
            QStringLiteral("&lt;b&gt;\"Al\" &amp; 'Bo'&lt;/b&gt;"), QStringLiteral("Niemi")}))
        << page.left(3000).toStdString();
    EXPECT_TRUE(page.contains(QLatin1String("Big Bore Pistol Revolver")));
}

// Chromium driven over its DevTools pipe (descriptors 3 and 4, each message ended by a NUL
// byte), through two named pipes: no WebSocket and no other tool needed.
class DevToolsBrowser
{
public:
    ~DevToolsBrowser()
    {
        if (m_browser.state() != QProcess::NotRunning) {
            call(QStringLiteral("Browser.close"), {}, false);
            if (!m_browser.waitForFinished(5000)) {
                m_browser.kill();
                m_browser.waitForFinished();
            }
        }
        for (int fd : {m_commands, m_replies})
            if (fd >= 0)
                ::close(fd);
    }

    // extra: more of Chromium's options, such as a window size or a language.
    bool open(const QString &chromium, const QString &url, const QStringList &extra = {})
    {
        const QString commands = m_dir.filePath(QStringLiteral("commands"));
        const QString replies = m_dir.filePath(QStringLiteral("replies"));
        if (::mkfifo(qPrintable(commands), 0600) != 0 || ::mkfifo(qPrintable(replies), 0600) != 0)
            return false;
        // Opened for reading and writing, neither end waits for the other.
        m_commands = ::open(qPrintable(commands), O_RDWR | O_NONBLOCK);
        m_replies = ::open(qPrintable(replies), O_RDWR | O_NONBLOCK);
        m_browser.start(QStringLiteral("/bin/sh"),
            QStringList{QStringLiteral("-c"),
                QStringLiteral("exec \"$0\" \"$@\" 3<'%1' 4>'%2'").arg(commands, replies), chromium,
                QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                QStringLiteral("--disable-background-networking"),
                QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                QStringLiteral("--user-data-dir=") + m_dir.filePath(QStringLiteral("profile")),
                QStringLiteral("--remote-debugging-pipe")}
                + extra + QStringList{url});
        QString target;
        const bool found = QTest::qWaitFor(
            [&] {
                const QJsonObject targets = call(QStringLiteral("Target.getTargets"));
                for (const QJsonValue info : targets[QStringLiteral("targetInfos")].toArray())
                    if (info[QStringLiteral("type")].toString() == QLatin1String("page"))
                        target = info[QStringLiteral("targetId")].toString();
                return !target.isEmpty();
            },
            30000);
        if (!found)
            return false;
        m_session = call(QStringLiteral("Target.attachToTarget"),
            {{QStringLiteral("targetId"), target},
                {QStringLiteral("flatten"), true}})[QStringLiteral("sessionId")]
                        .toString();
        return !m_session.isEmpty();
    }

    // The value of a script expression in the page (a string, number or boolean).
    QJsonValue evaluate(const QString &expression)
    {
        const QJsonObject result = call(QStringLiteral("Runtime.evaluate"),
            {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
        return result[QStringLiteral("result")][QStringLiteral("value")];
    }

private:
    QJsonObject call(const QString &method, const QJsonObject &params = {}, bool wait = true)
    {
        QJsonObject message{{QStringLiteral("id"), ++m_id}, {QStringLiteral("method"), method},
            {QStringLiteral("params"), params}};
        if (!m_session.isEmpty() && !method.startsWith(QLatin1String("Target."))
            && !method.startsWith(QLatin1String("Browser.")))
            message.insert(QStringLiteral("sessionId"), m_session);
        const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0';
        if (::write(m_commands, bytes.constData(), size_t(bytes.size())) != bytes.size() || !wait)
            return {};
        QJsonObject reply;
        [[maybe_unused]] const bool answered = QTest::qWaitFor(
            [&] {
                char chunk[65536];
                ssize_t n;
                while ((n = ::read(m_replies, chunk, sizeof chunk)) > 0)
                    m_pending.append(chunk, n);
                qsizetype end;
                while ((end = m_pending.indexOf('\0')) >= 0) {
                    const QJsonObject got = QJsonDocument::fromJson(m_pending.left(end)).object();
                    m_pending.remove(0, end + 1);
                    if (got[QStringLiteral("id")].toInt() == m_id) {
                        reply = got[QStringLiteral("result")].toObject();
                        return true;
                    }
                }
                return false;
            },
            10000);
        return reply;
    }

    QTemporaryDir m_dir;
    QProcess m_browser;
    int m_commands = -1;
    int m_replies = -1;
    int m_id = 0;
    QString m_session;
    QByteArray m_pending;
};

// What the open page shows of its state, as "heard stale gone|match text".
const QString PageState = QStringLiteral(
    "(function () { function shown(id) { var e = document.getElementById(id);"
    " return e && !e.hidden ? '1' : '0'; }"
    " return shown('heard') + shown('stale') + shown('gone') + shown('table') + '|' +"
    " document.getElementById('match').textContent; })()");

TEST_F(BrowserTest, AnOpenPageSaysWhenTheServerIsGoneAndWhenItIsBack)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    DevToolsBrowser browser;
    ASSERT_TRUE(browser.open(chromium, QStringLiteral("http://127.0.0.1:%1/list/bbpr").arg(port)));
    const auto state = [&] { return browser.evaluate(PageState).toString(); };
    const auto waitFor = [&](const QString &prefix, int ms) {
        return QTest::qWaitFor([&] { return state().startsWith(prefix); }, ms);
    };
    ASSERT_TRUE(waitFor(QStringLiteral("1001|"), 30000)) << state().toStdString();

    // The server stops: the page turns stale within 20 s.
    QElapsedTimer clock;
    clock.start();
    server.stop();
    EXPECT_TRUE(waitFor(QStringLiteral("11"), 30000)) << state().toStdString();
    EXPECT_LT(clock.elapsed(), 20000);
    // The banner's text from the page, with the time of the last answer in its place.
    const QString banner
        = browser.evaluate(QStringLiteral("document.getElementById('stale').textContent"))
              .toString();
    EXPECT_TRUE(QRegularExpression(
        QStringLiteral(
            "^Not up to date: no answer from the results server since \\d\\d:\\d\\d:\\d\\d\\.$"))
                    .match(banner)
                    .hasMatch())
        << banner.toStdString();

    // Back on the same port: the banner goes.
    QString error;
    ASSERT_TRUE(server.start(QHostAddress(QHostAddress::LocalHost), port, error))
        << error.toStdString();
    clock.restart();
    EXPECT_TRUE(waitFor(QStringLiteral("1001|"), 30000)) << state().toStdString();
    EXPECT_LT(clock.elapsed(), 20000);

    // Another club's match saved: the header is redrawn from the JSON.
    b.match().tiedot.Seura = QStringLiteral("Karhu Club");
    refresh();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return state().contains(QLatin1String("Karhu Club")); }, 20000))
        << state().toStdString();

    // The list is no longer served: the page says so instead of showing its old table.
    b.match().tiedot.Mukana[ix(Group::BBP)] = false;
    refresh();
    EXPECT_TRUE(waitFor(QStringLiteral("1010|"), 20000)) << state().toStdString();
}

// Each check of a Finnish list on a phone, true when the page passes it.
const QString PhoneChecks = QStringLiteral(
    "(function () {"
    " var heads = Array.prototype.slice.call(document.querySelectorAll('th[data-short]'));"
    " var shown = heads.map(function (th) {"
    "   return getComputedStyle(th, '::after').content; });"
    " var distinct = shown.filter(function (c, i) { return shown.indexOf(c) === i; });"
    " var spoken = heads.every(function (th) {"
    "   return getComputedStyle(th.querySelector('span')).display !== 'none'; });"
    " var totals = document.querySelectorAll('#rows td.total');"
    " var bold = totals.length > 0 && getComputedStyle(totals[0]).fontWeight === '700';"
    " return (heads.length >= 4 && distinct.length === shown.length ? '1' : '0') +"
    "   (spoken ? '1' : '0') + (bold ? '1' : '0') + '|' + shown.join(' '); })()");

// Where the banner is after the page is scrolled to its end, and how the table is shown.
const QString StaleChecks = QStringLiteral(
    "(function () { document.body.style.minHeight = '5000px'; window.scrollTo(0, 4000);"
    " var r = document.getElementById('stale').getBoundingClientRect();"
    " var inView = r.top >= 0 && r.bottom <= window.innerHeight && r.height > 0;"
    " var opacity = getComputedStyle(document.getElementById('main')).opacity;"
    " return (inView ? '1' : '0') + (opacity === '1' ? '1' : '0') + '|' + r.top + ' ' +"
    " window.innerHeight + ' ' + opacity; })()");

// A phone in Finnish: the short captions differ from each other and the full ones are still
// read out, the total stays bold when the script draws the rows, and when the server is gone
// the banner stays in view over a table that keeps its contrast.
TEST_F(BrowserTest, AFinnishListOnAPhoneReadsWellAndWhenStale)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    DevToolsBrowser browser;
    ASSERT_TRUE(browser.open(chromium, QStringLiteral("http://127.0.0.1:%1/list/bbpr").arg(port),
        {QStringLiteral("--window-size=390,800"), QStringLiteral("--accept-lang=fi"),
            QStringLiteral("--lang=fi")}));
    const auto state = [&] { return browser.evaluate(PageState).toString(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().startsWith(QLatin1String("1001|")); }, 30000))
        << state().toStdString();
    // A new result: the script draws the rows from the JSON.
    b.at(entrants[0]).Kana[BBPR] = 4;
    b.at(entrants[0]).Yhteensa[BBPR] = 19;
    refresh();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return browser.evaluate(PhoneChecks).toString().startsWith(QLatin1String("111|")); },
        20000))
        << browser.evaluate(PhoneChecks).toString().toStdString();

    server.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().startsWith(QLatin1String("11")); }, 30000))
        << state().toStdString();
    EXPECT_TRUE(browser.evaluate(StaleChecks).toString().startsWith(QLatin1String("11|")))
        << browser.evaluate(StaleChecks).toString().toStdString();
}

// A tie that appears while the page is open is marked when the page redraws from its JSON.
TEST_F(BrowserTest, AnOpenListMarksATieThatAppears)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    DevToolsBrowser browser;
    ASSERT_TRUE(browser.open(chromium, QStringLiteral("http://127.0.0.1:%1/list/bbpr").arg(port)));
    // Each marker with the name beside it, as "name:marker|...".
    const QString marks
        = QStringLiteral("Array.prototype.map.call("
                         "document.querySelectorAll('tr.shoot-off .shoot-off-mark'), function (e) {"
                         " return e.parentNode.firstChild.textContent.trim() + ':' +"
                         " e.textContent; }).join('|')");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return browser.evaluate(QStringLiteral("document.readyState")) == "complete"; },
        30000));
    EXPECT_EQ(browser.evaluate(marks).toString(), QString());

    // Virtanen levels with Aalto on everything: the first two of class A are undecided.
    b.enter(entrants[0], BBPR, Luokat::A, {5, 5, 5, 11});
    refresh();
    const QString expected = QStringLiteral("Aalto:Shoot-off pending|Virtanen:Shoot-off pending");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return browser.evaluate(marks).toString() == expected; }, 30000))
        << browser.evaluate(marks).toString().toStdString();
}

} // namespace
