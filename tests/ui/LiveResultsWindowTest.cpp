// The live results window: off at start, started from the File menu, following every refresh.
#include "ui/LiveResultsWindow.h"

#include "ProgramFixture.h"
#include "support/HttpClient.h"
#include "ui/ResultEntryDialog.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTcpServer>

using namespace marvola;
using namespace marvola::testing;

namespace {

// A port that was free a moment ago, on 127.0.0.1.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

class LiveResultsWindowTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        // The remembered port goes to the test settings, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"))
            .remove(QStringLiteral("liveResults"));
        ProgramTest::SetUp();
        live().setListenAddress(QHostAddress(QHostAddress::LocalHost));
    }
    LiveResultsWindow &live() { return program.liveResults(); }
    // The live results status in the status bar; empty while it is hidden.
    QString liveStatus()
    {
        auto *label = form.statusBar()->findChild<QLabel *>(QStringLiteral("liveStatusLabel"));
        EXPECT_NE(label, nullptr);
        return label && label->isVisibleTo(&form) ? label->text() : QString();
    }
    template<typename T> T *child(QWidget &parent, const char *name)
    {
        auto *found = parent.findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    quint16 startOnFreePort()
    {
        child<QSpinBox>(live(), "portSpinBox")->setValue(freePort());
        QTest::mouseClick(child<QPushButton>(live(), "startButton"), Qt::LeftButton);
        EXPECT_TRUE(live().isRunning()) << prompts.errors.join(' ').toStdString();
        return live().port();
    }
    QString bbprTotal(quint16 port, const QString &name)
    {
        const HttpReply reply = httpGet(port, "/api/list/bbpr.json");
        for (const QJsonValue &row : QJsonDocument::fromJson(reply.body)["rows"].toArray())
            if (row["cells"][1].toString() == name)
                return row["cells"][7].toString();
        return {};
    }
};

TEST_F(LiveResultsWindowTest, IsOffAtStartAndOpensFromTheFileMenu)
{
    EXPECT_FALSE(live().isRunning());
    EXPECT_FALSE(live().isVisible());
    // With nothing remembered the port is the default one.
    LiveResultsWindow fresh(kilpailu(), program.tulokset());
    EXPECT_EQ(child<QSpinBox>(fresh, "portSpinBox")->value(), LiveResultsWindow::DefaultPort);
    auto *file = form.findChild<QMenu *>(QStringLiteral("fileMenu"));
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction *action : file->actions())
        items << action->text();
    EXPECT_EQ(items.indexOf(QStringLiteral("&Live results...")) + 1,
        items.indexOf(QStringLiteral("E&xit")));
    form.findChild<QAction *>(QStringLiteral("liveResultsAction"))->trigger();
    EXPECT_TRUE(live().isVisible());
    EXPECT_TRUE(liveStatus().isEmpty());
}

TEST_F(LiveResultsWindowTest, StartShowsTheAddressQrCodeAndStatusUntilStopped)
{
    const quint16 port = startOnFreePort();
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(port);
    EXPECT_EQ(live().addresses(), QStringList{address});
    EXPECT_EQ(child<QLabel>(live(), "addressesLabel")->text(), address);
    const QPixmap qr = child<QLabel>(live(), "qrCodeLabel")->pixmap();
    EXPECT_FALSE(qr.isNull());
    EXPECT_EQ(qr.width(), qr.height());
    EXPECT_EQ(liveStatus(), QStringLiteral("Live results on ") + address);
    EXPECT_EQ(httpGet(port, "/").status, 200);

    QTest::mouseClick(child<QPushButton>(live(), "stopButton"), Qt::LeftButton);
    EXPECT_FALSE(live().isRunning());
    EXPECT_TRUE(liveStatus().isEmpty());
    EXPECT_EQ(httpRequest(port, "GET", "/", {}, 1000).status, 0);

    // The port is remembered for the next start of the program.
    LiveResultsWindow next(kilpailu(), program.tulokset());
    EXPECT_EQ(next.findChild<QSpinBox *>(QStringLiteral("portSpinBox"))->value(), port);
}

TEST_F(LiveResultsWindowTest, APortInUseIsReportedAndTheServerStaysOff)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress(QHostAddress::LocalHost), 0));
    // The box ends with the system's own reason, as a second listener on the port gets it.
    QTcpServer second;
    ASSERT_FALSE(second.listen(QHostAddress(QHostAddress::LocalHost), other.serverPort()));
    const QString message = QStringLiteral("Live results could not start on port %1: %2")
                                .arg(other.serverPort())
                                .arg(second.errorString());
    prompts.expectInformation(message);
    child<QSpinBox>(live(), "portSpinBox")->setValue(other.serverPort());
    QTest::mouseClick(child<QPushButton>(live(), "startButton"), Qt::LeftButton);
    EXPECT_FALSE(live().isRunning());
    EXPECT_EQ(prompts.informations, QStringList{message});
    EXPECT_TRUE(child<QPushButton>(live(), "startButton")->isEnabled());
    EXPECT_TRUE(liveStatus().isEmpty());
}

TEST_F(LiveResultsWindowTest, ResultEntryExitShowsTheNewScoreAtTheNextRequest)
{
    const int slot = *kilpailu().addCompetitor(
        QStringLiteral("Aalto Pekka"), QStringLiteral("HyMAS"), QStringLiteral("FIN"));
    kilpailu().kilpailijat[slot].Osallistuu[BBPR] = true;
    kilpailu().tiedot.Mukana[ix(Group::BBP)] = true;
    form.fillCompetitorNameLists();
    form.refresh();
    const quint16 port = startOnFreePort();
    EXPECT_EQ(bbprTotal(port, QStringLiteral("Aalto Pekka")), QStringLiteral("0"));

    ResultEntryDialog &entry = *program.dialogs().resultEntry;
    entry.show();
    auto *name = child<QComboBox>(entry, "competitorNameList");
    QTest::keyClicks(name, QStringLiteral("Aalto Pekka"));
    for (const char *field : {"BBPRKana", "BBPRSika", "BBPRKalkkuna", "BBPRPassi"}) {
        auto *hits = child<QLineEdit>(entry, field);
        hits->selectAll();
        QTest::keyClicks(hits, QStringLiteral("7"));
    }
    // Typed with the dialog still open: the board follows within seconds, without waiting for
    // Exit.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return bbprTotal(port, QStringLiteral("Aalto Pekka")) == QLatin1String("28"); },
        15000));
    QTest::mouseClick(child<QPushButton>(entry, "Exit"), Qt::LeftButton);
    EXPECT_EQ(bbprTotal(port, QStringLiteral("Aalto Pekka")), QStringLiteral("28"));
}

} // namespace
