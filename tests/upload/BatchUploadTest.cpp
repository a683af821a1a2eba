// The batch upload: the built program run with --upload against a real MariaDB server.
#include "BatchRun.h"
#include "SampleMatch.h"
#include "SampleRow.h"
#include "TestServer.h"
#include "files/MatchFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

using namespace marvola;
using namespace marvola::test;

namespace {

class BatchUploadTest : public UploadDatabaseTest
{
protected:
    void SetUp() override
    {
        UploadDatabaseTest::SetUp();
        if (HasFatalFailure())
            return;
        auto kilpailu = std::make_unique<Kilpailu>();
        auto tulokset = std::make_unique<Tulokset>();
        fillSampleMatch(*kilpailu, *tulokset);
        m_fpRows = rowsToSend(*kilpailu, *tulokset, ChosenGroups{false, false, true, false, false})
                       .size();
        QString error;
        ASSERT_TRUE(
            saveMatchFileSet(m_match, *kilpailu, matchSummaryLines(kilpailu->tiedot, false), error))
            << error.toStdString();
    }

    BatchRun upload(const QStringList &extra, const std::optional<QString> &password)
    {
        return runMarvola(
            uploadArguments(m_match, QStringLiteral("FP"), server()) + extra, password);
    }

    QTemporaryDir m_dir;
    const QString m_match = m_dir.filePath(QStringLiteral("kisa.mrv"));
    qsizetype m_fpRows = 0;
};

} // namespace

TEST_F(BatchUploadTest, ReplaceSendsTwiceAndLeavesOneCopy)
{
    const QStringList replace{QStringLiteral("--replace")};
    for (int run = 1; run <= 2; ++run) {
        const BatchRun batch = upload(replace, server().password);
        ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
        EXPECT_TRUE(batch.err.contains(QStringLiteral("The connection is encrypted (")))
            << batch.err.toStdString();
        EXPECT_TRUE(batch.err.contains(QString(m_fpRows, QLatin1Char('.'))
            + QStringLiteral("Siirto valmis!\n%1 rows sent, replacing").arg(m_fpRows)))
            << batch.err.toStdString();
    }
    EXPECT_EQ(rows().size(), m_fpRows);
}

TEST_F(BatchUploadTest, AWrongPasswordExitsWithTheServersMessageAndChangesNothing)
{
    exec(statementText(sampleRivi()));
    const BatchRun batch = upload({}, server().password + QStringLiteral("x"));
    EXPECT_EQ(batch.exitCode, 1);
    EXPECT_TRUE(
        batch.err.contains(QStringLiteral("Access denied for user '%1'").arg(server().user)))
        << batch.err.toStdString();
    EXPECT_EQ(rows().size(), 1);
}

TEST_F(BatchUploadTest, WithoutAPasswordOrATerminalNothingIsSent)
{
    const BatchRun batch = upload({}, std::nullopt);
    EXPECT_EQ(batch.exitCode, 1);
    EXPECT_TRUE(batch.err.contains(QStringLiteral("MARVOLA_DB_PASSWORD")))
        << batch.err.toStdString();
    EXPECT_TRUE(rows().isEmpty());
}

// The server refuses one row of the second, replacing send: exit 1, the server's message, and
// the rows of the first send stay as they were.
TEST_F(BatchUploadTest, AFailedReplaceExitsWithTheServersMessageAndChangesNothing)
{
    const BatchRun first = upload({}, server().password);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QList<QVariantList> before = rows();
    exec(QStringLiteral("create trigger Ei_Ekia before insert on Kilpailut for each row begin "
                        "if new.Nimi = 'Ek Eva' then signal sqlstate '45000' set message_text = "
                        "'Ek Eva ei kelpaa'; end if; end"));
    const BatchRun second = upload({QStringLiteral("--replace")}, server().password);
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_TRUE(second.err.contains(QStringLiteral("Ek Eva ei kelpaa\n") + nothingChangedMessage()))
        << second.err.toStdString();
    EXPECT_EQ(rows(), before);
}

TEST(BatchUpload, RefusesUnknownGroupsAndMissingServerBeforeReadingTheMatch)
{
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        const char *message;
    } cases[] = {
        {"unknown group",
            {"nowhere.mrv", "--upload", "FP,XX", "--db", "127.0.0.1:1", "--db-user", "u"}, 1,
            "Unknown group \"XX\" for --upload"},
        {"no server", {"nowhere.mrv", "--upload", "all", "--db-user", "u"}, 2,
            "--upload needs --db HOST[:PORT] and --db-user USER."},
        {"replace alone", {"nowhere.mrv", "--csv", "x.csv", "--replace"}, 2,
            "--db, --db-user, --db-ca and --replace go with --upload."},
    };
    for (const auto &c : cases) {
        const BatchRun batch = runMarvola(c.arguments, QStringLiteral("p"));
        EXPECT_EQ(batch.exitCode, c.exitCode) << c.name;
        EXPECT_TRUE(batch.err.startsWith(QString::fromUtf8(c.message)))
            << c.name << ": " << batch.err.toStdString();
    }
}
