// `marvola MATCH.mrv --serve`: the built program serving a match on 127.0.0.1 and following saves.
#include "files/MatchFiles.h"
#include "support/HttpClient.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class ServeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_match.match().tiedot.Mukana[ix(Group::BBP)] = true;
        m_shooter = m_match.competitor(QStringLiteral("Koski"));
        setScore(30);
    }
    void TearDown() override
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QString matchFile() const { return m_dir.filePath(QStringLiteral("club.mrv")); }

    void setScore(int rams)
    {
        m_match.enter(m_shooter, BBPR, Luokat::A, {5, 5, 5, rams});
        QString error;
        ASSERT_TRUE(saveMatchFileSet(
            matchFile(), m_match.match(), matchSummaryLines(m_match.match().tiedot, false), error))
            << error.toStdString();
    }

    // Starts the program on a free port of 127.0.0.1 and reads the port from its first lines.
    quint16 startServing()
    {
        m_process.setProcessEnvironment(displayLessEnvironment());
        m_process.start(marvola::testing::programPath(),
            {matchFile(), QStringLiteral("--serve"), QStringLiteral("127.0.0.1:0")});
        static const QRegularExpression address(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)/"));
        quint16 port = 0;
        const bool started = QTest::qWaitFor(
            [&] {
                m_out += m_process.readAllStandardOutput();
                const auto match = address.match(QString::fromUtf8(m_out));
                port = match.hasMatch() ? match.captured(1).toUShort() : 0;
                return port != 0 || m_process.state() == QProcess::NotRunning;
            },
            20000);
        EXPECT_TRUE(started && port != 0)
            << m_out.toStdString() << m_process.readAllStandardError().toStdString();
        return port;
    }

    // What the program printed on stderr, once a whole line has come (or 10 s have passed).
    QByteArray waitForErrorLine()
    {
        QByteArray err;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                err += m_process.readAllStandardError();
                return err.contains('\n');
            },
            10000));
        return err;
    }

    // The total of the BBPR list's best competitor, as served.
    QString servedTotal(quint16 port)
    {
        const HttpReply reply = httpGet(port, "/api/list/bbpr.json");
        const QJsonArray rows
            = QJsonDocument::fromJson(reply.body)[QStringLiteral("rows")].toArray();
        return rows.at(1)[QStringLiteral("cells")][7].toString();
    }

    QTemporaryDir m_dir;
    MatchBuilder m_match;
    int m_shooter = 0;
    QProcess m_process;
    QByteArray m_out;
};

TEST_F(ServeTest, ReloadsAfterASaveAndKeepsTheLastGoodResultsWhenTheFilesBreak)
{
    const quint16 port = startServing();
    ASSERT_NE(port, 0);
    EXPECT_TRUE(m_out.contains("Stop with Ctrl+C."));
    EXPECT_EQ(servedTotal(port), QStringLiteral("45"));

    // A save by the results computer: every file is replaced by a renamed new one.
    setScore(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return servedTotal(port) == QLatin1String("25"); }, 10000));
    // A second save is seen too, though the first replaced the files the watcher followed.
    setScore(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return servedTotal(port) == QLatin1String("35"); }, 10000));

    // A broken match file: one line on stderr, the last good results stay.
    QFile match(m_dir.filePath(QStringLiteral("club.dat")));
    ASSERT_TRUE(match.open(QIODevice::WriteOnly | QIODevice::Truncate));
    match.close();
    QByteArray err = waitForErrorLine();
    EXPECT_TRUE(err.startsWith("Reload of ")) << err.toStdString();
    EXPECT_EQ(servedTotal(port), QStringLiteral("35"));

    // Mended by the next save; the broken one was reported once, not again before the mend.
    setScore(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return servedTotal(port) == QLatin1String("15"); }, 10000));
    err += m_process.readAllStandardError();
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();

    ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
}

// The clubhouse reads the match that the results computer saves: a save still under way there
// is waited for, and its temporary files are never touched.
TEST_F(ServeTest, WaitsForASaveUnderWayAndLeavesItsFilesAlone)
{
    const quint16 port = startServing();
    ASSERT_NE(port, 0);
    EXPECT_EQ(servedTotal(port), QStringLiteral("45"));

    setScore(10);
    // The next save has begun: its first temporary file is there.
    const QString part = matchFile() + QStringLiteral(".part");
    QFile begun(part);
    ASSERT_TRUE(begun.open(QIODevice::WriteOnly));
    begun.write("Club: half written");
    begun.close();

    QByteArray err = waitForErrorLine();
    EXPECT_TRUE(err.contains("a save of the match is under way")) << err.toStdString();
    EXPECT_EQ(servedTotal(port), QStringLiteral("45"));
    EXPECT_TRUE(QFileInfo::exists(part)) << "the other computer's save is left alone";

    // That save done: the next change is read.
    ASSERT_TRUE(QFile::remove(part));
    setScore(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return servedTotal(port) == QLatin1String("35"); }, 10000));
}

struct UsageCase
{
    const char *name;
    QStringList arguments;
    const char *message;
};

class ServeUsageTest : public ::testing::TestWithParam<UsageCase>
{
};

TEST_P(ServeUsageTest, IsRefusedBeforeAnythingIsServed)
{
    const UsageCase &c = GetParam();
    QProcess process;
    process.start(marvola::testing::programPath(), c.arguments);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(process.readAllStandardError().startsWith(c.message));
}

INSTANTIATE_TEST_SUITE_P(Arguments, ServeUsageTest,
    ::testing::Values(
        UsageCase{"MissingAddress", {"m.mrv", "--serve"}, "--serve needs [HOST:]PORT."},
        UsageCase{"PortTooLarge", {"m.mrv", "--serve", "70000"}, "--serve: 70000 is not a port"},
        UsageCase{"PortNotANumber", {"m.mrv", "--serve", "http"}, "--serve: http is not a port"},
        UsageCase{"HostNotAnAddress", {"m.mrv", "--serve", "range.example:80"},
            "--serve: range.example is not an IP address."},
        UsageCase{
            "WithPdf", {"m.mrv", "--serve", "8080", "--pdf", "x.pdf"}, "--serve runs on its own"},
        UsageCase{"WithCheck", {"m.mrv", "--serve", "8080", "--check"}, "--serve runs on its own"},
        UsageCase{"WithoutMatch", {"--serve", "8080"}, "Batch mode needs the match file"}),
    NamedBy<&UsageCase::name>());

} // namespace
