// The result sheets by e-mail, sent to a mail server this test starts on 127.0.0.1: the messages
// and their attachments, the resend rule, a refused address, a dropped connection, a server
// without encryption, and the batch's lines and exit status.
#include "mail/SheetMail.h"

#include "files/MatchFiles.h"
#include "log/MailStore.h"
#include "ranking/Ranking.h"
#include "register/ShooterRegister.h"
#include "support/RunProgram.h"
#include "support/SmtpSink.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

QString copyDemo(const QTemporaryDir &dir)
{
    const MatchFileSet from
        = MatchFileSet::fromChosenName(examplesFolder() + QStringLiteral("/demo.mrv"));
    const QString chosen = dir.filePath(QStringLiteral("demo.mrv"));
    const MatchFileSet to = MatchFileSet::fromChosenName(chosen);
    for (qsizetype i = 0; i < from.asList().size(); ++i)
        QFile::copy(from.asList()[i], to.asList()[i]);
    return chosen;
}

class SheetMailTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!sinkAvailable())
            GTEST_SKIP() << "python3-aiosmtpd or pdftotext is not installed";
        ASSERT_TRUE(dir.isValid());
        QString error;
        const Kilpailu empty;
        LoadedMatch loaded = loadMatchFileSet(copyDemo(dir), false, empty, error);
        ASSERT_TRUE(loaded.kilpailu) << qPrintable(error);
        match = std::move(loaded.kilpailu);
        refreshResults(*match, *tulokset, TabLines::Skip);
        ASSERT_TRUE(log.open(
            dir.filePath(QStringLiteral("demoLoki.db")), EntryLog::Access::ReadWrite, error))
            << qPrintable(error);
        slots_ = competitorSlotsByNumber(*match);
    }

    // The first competitors in number order get the addresses given; the others have none.
    void giveAddresses(const QStringList &addresses)
    {
        for (qsizetype i = 0; i < addresses.size(); ++i)
            contacts[slots_[i]] = CompetitorContact{addresses[i], {}};
    }

    struct Run
    {
        bool ok = false;
        QList<SheetMailOutcome> outcomes;
    };
    Run send(const SmtpSink &sink, bool resend = false,
        std::function<bool(const QString &)> isLoopback = {}, bool allowUnencrypted = false)
    {
        SheetMailRun run;
        QString error;
        EXPECT_TRUE(parseSmtpAddress(sink.address(), run.server, error));
        run.server.isLoopback = std::move(isLoopback);
        run.server.allowUnencrypted = allowUnencrypted;
        run.server.timeoutSeconds = 20;
        run.from = QStringLiteral("office@example.org");
        run.resend = resend;
        const QSet<QString> sent = sheetMailsAccepted(log, error);
        Run result;
        result.ok = mailSheets(
            log, *match, *tulokset, sheetMailRecipients(*match, contacts, slots_, sent), run,
            [&](const SheetMailOutcome &o, int, int) { result.outcomes << o; }, {}, error);
        EXPECT_TRUE(result.ok) << qPrintable(error);
        return result;
    }

    static int count(const Run &run, SheetMailOutcome::Kind kind)
    {
        return static_cast<int>(std::count_if(run.outcomes.begin(), run.outcomes.end(),
            [&](const SheetMailOutcome &o) { return o.kind == kind; }));
    }

    QTemporaryDir dir;
    std::unique_ptr<Kilpailu> match;
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    EntryLog log;
    QList<int> slots_;
    QHash<int, CompetitorContact> contacts;
};

TEST_F(SheetMailTest, EachCompetitorWithAnAddressGetsTheirOwnSheet)
{
    SmtpSink sink;
    ASSERT_GT(sink.port(), 0);
    giveAddresses(
        {QStringLiteral("first@example.org"), QString(), QStringLiteral("third@example.org")});
    const Run run = send(sink);
    EXPECT_EQ(count(run, SheetMailOutcome::Kind::Sent), 2);
    EXPECT_EQ(count(run, SheetMailOutcome::Kind::NoAddress), slots_.size() - 2);

    const QList<QJsonObject> messages = sink.messages();
    ASSERT_EQ(messages.size(), 2);
    for (int i : {0, 1}) {
        const int slot = slots_[i == 0 ? 0 : 2];
        const TKilpailija &k = match->kilpailijat[slot];
        EXPECT_EQ(messages[i][QStringLiteral("to")].toVariant().toStringList(),
            QStringList{i == 0 ? QStringLiteral("first@example.org")
                               : QStringLiteral("third@example.org")});
        EXPECT_TRUE(
            messages[i][QStringLiteral("subject")].toString().contains(QStringLiteral("HyMAS")));
        const QString text = messages[i][QStringLiteral("text")].toString();
        EXPECT_TRUE(text.contains(k.Nimi.text())) << qPrintable(text);
        // The attachment is that competitor's page, and only that.
        const QString page = sink.attachmentText(i + 1);
        EXPECT_TRUE(page.contains(QStringLiteral("\n%1 %2\n").arg(k.Numero).arg(k.Nimi.text())))
            << qPrintable(page);
        EXPECT_EQ(page.count(QChar(u'\f')), 1);
    }
    QString error;
    const QList<SheetMailRecord> records = sheetMailRecords(log, error);
    ASSERT_EQ(records.size(), 2);
    EXPECT_TRUE(records[0].accepted);
    EXPECT_TRUE(records[0].answer.startsWith(QStringLiteral("250")))
        << qPrintable(records[0].answer);
    EXPECT_EQ(records[1].address, QStringLiteral("third@example.org"));
}

TEST_F(SheetMailTest, SecondRunSendsOnlyToThoseNotYetSentUnlessResent)
{
    SmtpSink sink;
    giveAddresses({QStringLiteral("a@example.org"), QStringLiteral("b@example.org")});
    EXPECT_EQ(count(send(sink), SheetMailOutcome::Kind::Sent), 2);

    // A third competitor's address is new; a changed address is a new message too.
    giveAddresses({QStringLiteral("a@example.org"), QStringLiteral("b2@example.org"),
        QStringLiteral("c@example.org")});
    const Run again = send(sink);
    EXPECT_EQ(count(again, SheetMailOutcome::Kind::AlreadySent), 1);
    EXPECT_EQ(count(again, SheetMailOutcome::Kind::Sent), 2);
    EXPECT_EQ(sink.messages().size(), 4);

    EXPECT_EQ(count(send(sink, true), SheetMailOutcome::Kind::Sent), 3);
    EXPECT_EQ(sink.messages().size(), 7);
}

TEST_F(SheetMailTest, RefusedAddressInTheMiddleDoesNotStopTheOthers)
{
    SmtpSink sink;
    giveAddresses({QStringLiteral("a@example.org"), QStringLiteral("refuse@example.org"),
        QStringLiteral("c@example.org")});
    const Run run = send(sink);
    ASSERT_GE(run.outcomes.size(), 3);
    EXPECT_EQ(run.outcomes[0].kind, SheetMailOutcome::Kind::Sent);
    EXPECT_EQ(run.outcomes[1].kind, SheetMailOutcome::Kind::Failed);
    EXPECT_TRUE(run.outcomes[1].answer.contains(QStringLiteral("550")))
        << qPrintable(run.outcomes[1].answer);
    EXPECT_EQ(run.outcomes[2].kind, SheetMailOutcome::Kind::Sent);
    EXPECT_EQ(sink.messages().size(), 2);

    // The refused one is tried again at the next run; the two others are not.
    const Run again = send(sink);
    EXPECT_EQ(count(again, SheetMailOutcome::Kind::AlreadySent), 2);
    EXPECT_EQ(count(again, SheetMailOutcome::Kind::Failed), 1);
    QString error;
    EXPECT_EQ(sheetMailRecords(log, error).size(), 4);
}

TEST_F(SheetMailTest, DroppedConnectionIsAFailureAndIsSentAtTheNextRun)
{
    giveAddresses({QStringLiteral("a@example.org"), QStringLiteral("b@example.org")});
    {
        SmtpSink dropping({QStringLiteral("--drop")});
        const Run run = send(dropping);
        EXPECT_EQ(count(run, SheetMailOutcome::Kind::Failed), 2);
        EXPECT_TRUE(dropping.messages().isEmpty());
    }
    QString error;
    EXPECT_TRUE(sheetMailsAccepted(log, error).isEmpty());
    SmtpSink sink;
    EXPECT_EQ(count(send(sink), SheetMailOutcome::Kind::Sent), 2);
}

// A server elsewhere that offers no STARTTLS gets nothing, unless the office allowed it.
TEST_F(SheetMailTest, ServerWithoutEncryptionIsRefusedUnlessAllowed)
{
    SmtpSink sink;
    giveAddresses({QStringLiteral("a@example.org")});
    const auto remote = [](const QString &) { return false; };
    const Run refused = send(sink, false, remote);
    ASSERT_EQ(count(refused, SheetMailOutcome::Kind::Failed), 1);
    EXPECT_TRUE(refused.outcomes[0].answer.contains(QStringLiteral("STARTTLS")))
        << qPrintable(refused.outcomes[0].answer);
    EXPECT_TRUE(sink.messages().isEmpty());

    EXPECT_EQ(count(send(sink, false, remote, true), SheetMailOutcome::Kind::Sent), 1);
    EXPECT_EQ(sink.messages().size(), 1);
}

TEST(SmtpAddressTest, HostAndPortAreReadOrRefused)
{
    const struct
    {
        const char *typed;
        bool ok;
        const char *host;
        int port;
    } cases[] = {
        {"mail.example.org", true, "mail.example.org", 587},
        {"mail.example.org:465", true, "mail.example.org", 465},
        {"[::1]:2525", true, "::1", 2525},
        {"mail.example.org:0", false, "", 0},
        {"mail.example.org:x", false, "", 0},
        {"mail example.org", false, "", 0},
        {"smtp://evil/\r\nRCPT", false, "", 0},
        {"", false, "", 0},
    };
    for (const auto &c : cases) {
        SmtpServer server;
        QString error;
        EXPECT_EQ(parseSmtpAddress(QString::fromLatin1(c.typed), server, error), c.ok) << c.typed;
        if (c.ok) {
            EXPECT_EQ(server.host, QString::fromLatin1(c.host));
            EXPECT_EQ(server.port, c.port);
        }
    }
    for (const char *bad : {"a@b@c", "a b@c", "a@b\r\nBcc: x@y", "<a@b>", "@b", "a@", ""})
        EXPECT_FALSE(isMailAddress(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(isMailAddress(QStringLiteral("first.last+tag@example.org")));
}

// The batch: the addresses from the register, a line per competitor, exit 1 while one failed.
TEST_F(SheetMailTest, BatchPrintsALinePerCompetitorAndFailsWhileOneFailed)
{
    if (programPath().isEmpty())
        GTEST_SKIP() << "built without the program";
    SmtpSink sink;
    const QString registerName = dir.filePath(QStringLiteral("shooters.sqlite"));
    {
        QString error;
        auto shooterRegister
            = ShooterRegister::open(registerName, ShooterRegister::Mode::CreateIfMissing, error);
        ASSERT_TRUE(shooterRegister) << qPrintable(error);
        Shooter a = shooterOfCompetitor(*match, slots_[0]);
        a.extras.email = QStringLiteral("a@example.org");
        Shooter b = shooterOfCompetitor(*match, slots_[1]);
        b.extras.email = QStringLiteral("refuse@example.org");
        ASSERT_TRUE(shooterRegister->storeShooters({a, b}, error)) << qPrintable(error);
    }
    log.close();
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    const QStringList arguments{dir.filePath(QStringLiteral("demo.mrv")),
        QStringLiteral("--mail-sheets"), QStringLiteral("--smtp"), sink.address(),
        QStringLiteral("--from"), QStringLiteral("office@example.org"),
        QStringLiteral("--register"), registerName};
    const ProgramRun first = runProgram(arguments, env);
    EXPECT_EQ(first.exitCode, 1) << first.err.constData();
    const QList<QByteArray> lines = first.err.trimmed().split('\n');
    EXPECT_EQ(lines.size(), slots_.size()) << first.err.constData();
    EXPECT_TRUE(first.err.contains("<a@example.org>: sent")) << first.err.constData();
    EXPECT_TRUE(first.err.contains("<refuse@example.org>: NOT sent")) << first.err.constData();
    EXPECT_EQ(sink.messages().size(), 1);

    // The first competitor alone: his sheet was sent, so nothing goes and nothing failed.
    const ProgramRun second = runProgram(arguments
            + QStringList{QStringLiteral("--only"),
                QString::number(match->kilpailijat[slots_[0]].Numero)},
        env);
    EXPECT_EQ(second.exitCode, 0) << second.err.constData();
    EXPECT_TRUE(second.err.contains("sent before")) << second.err.constData();
    EXPECT_EQ(sink.messages().size(), 1);
}

} // namespace
