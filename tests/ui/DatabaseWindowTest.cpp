// The database window's ways out and a login given up: neither is an error.
#include "ProgramFixture.h"
#include "ui/DatabaseDialog.h"
#include "ui/DatabaseLoginDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

using namespace marvola;
using namespace marvola::testing;

namespace {

// Runs act once the window is the modal one, whatever ran before its event loop.
void whenModal(QWidget *window, const std::function<void()> &act)
{
    auto *poll = new QTimer(window);
    QObject::connect(poll, &QTimer::timeout, window, [poll, window, act] {
        if (QApplication::activeModalWidget() != window)
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start(5);
}

class DatabaseWindowTest : public ProgramTest
{
protected:
    DatabaseDialog *database() { return program.dialogs().database; }
};

struct WayOut
{
    const char *name;
    const char *focused; // the widget that has the focus when Escape is pressed; none: Close
};

class DatabaseWindowWayOut : public DatabaseWindowTest, public ::testing::WithParamInterface<WayOut>
{
};

TEST_P(DatabaseWindowWayOut, ClosesTheWindow)
{
    const WayOut &c = GetParam();
    bool closed = false;
    whenModal(database(), [&] {
        if (c.focused) {
            auto *focused = database()->findChild<QWidget *>(QLatin1String(c.focused));
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Escape);
        } else if (auto *close
            = database()->findChild<QPushButton *>(QStringLiteral("closeButton"))) {
            close->click();
        }
        closed = !database()->isVisible();
        if (!closed)
            database()->reject(); // so the test goes on
    });
    form.findChild<QPushButton *>(QStringLiteral("databaseButton"))->click();
    EXPECT_TRUE(closed);
}

INSTANTIATE_TEST_SUITE_P(DatabaseWindow, DatabaseWindowWayOut,
    ::testing::Values(WayOut{"EscapeInTheCheckTable", "checkQueryView"},
        WayOut{"EscapeInTheSendLog", "sendLog"}, WayOut{"EscapeOnConnect", "connectButton"},
        WayOut{"CloseButton", nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// Cancel in the login connects to nothing and says nothing: the official chose it.
TEST_F(DatabaseWindowTest, CancelInTheLoginIsNoError)
{
    bool loginSeen = false;
    auto *login = database()->findChild<DatabaseLoginDialog *>();
    whenModal(login, [&] {
        loginSeen = true;
        login->findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
    });
    database()->findChild<QPushButton *>(QStringLiteral("connectButton"))->click();
    EXPECT_TRUE(loginSeen);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u' ').toStdString();
    EXPECT_FALSE(database()->findChild<QPushButton *>(QStringLiteral("sendButton"))->isEnabled());
}

} // namespace
