// A real browser: headless Chromium opens the index, follows a link and shows the list's rows.
#include "LiveFixture.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

} // namespace
