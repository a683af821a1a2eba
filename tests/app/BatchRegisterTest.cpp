// The batch mode's shooter register and competitor list: --to-register, --register and
// --export-competitors.
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using marvola::testing::ProgramRun;
using marvola::testing::runProgram;

namespace {

class BatchRegisterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString data = marvola::testing::testDataFolder() + QStringLiteral("/match/kevat");
        for (const char *suffix : {".mrv", ".dat", "Tulokset.dat", "Joukkueet.dat"})
            ASSERT_TRUE(QFile::copy(data + suffix, path(QStringLiteral("kevat") + suffix)));
        // The user's folders of the run: its default register and settings land here.
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        m_env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    ProgramRun run(QStringList arguments)
    {
        arguments.prepend(path(QStringLiteral("kevat.mrv")));
        return runProgram(arguments, m_env);
    }
    // How many shooters and results the register holds, as another reader of the file sees.
    static std::pair<int, int> counts(const QString &file)
    {
        std::pair<int, int> found{-1, -1};
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "counter");
            db.setDatabaseName(file);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            EXPECT_TRUE(db.open());
            QSqlQuery shooters(QStringLiteral("SELECT count(*) FROM shooters"), db);
            QSqlQuery results(QStringLiteral("SELECT count(*) FROM results"), db);
            if (shooters.next() && results.next())
                found = {shooters.value(0).toInt(), results.value(0).toInt()};
        }
        QSqlDatabase::removeDatabase("counter");
        return found;
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

TEST_F(BatchRegisterTest, MatchAddedTwiceIsCountedOnce)
{
    const QString file = path(QStringLiteral("share/shooters.sqlite"));
    const ProgramRun first = run({"--to-register", "--register", file});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.err.contains("shooters added")) << first.err.toStdString();
    const auto once = counts(file);
    EXPECT_GT(once.first, 0);
    EXPECT_GT(once.second, 0);

    const ProgramRun second = run({"--to-register", "--register", file});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_TRUE(second.err.contains("replaced")) << second.err.toStdString();
    EXPECT_EQ(counts(file), once);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("data/Marvola/shooters.sqlite"))));
}

TEST_F(BatchRegisterTest, WithoutAFileTheDefaultRegisterIsUsed)
{
    const ProgramRun added = run({"--to-register"});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_GT(counts(path(QStringLiteral("data/Marvola/shooters.sqlite"))).first, 0);
}

TEST_F(BatchRegisterTest, FileThatIsNoRegisterStopsTheRunBeforeAnythingIsWritten)
{
    const QString notRegister = path(QStringLiteral("members.csv"));
    QFile csv(notRegister);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("name;club\n");
    csv.close();
    const ProgramRun refused = run({"--to-register", "--register", notRegister,
        "--export-competitors", path(QStringLiteral("list.csv"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("not a shooter register")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("list.csv"))));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), QByteArray("name;club\n"));
}

TEST_F(BatchRegisterTest, CompetitorListIsWrittenByItsSuffix)
{
    const ProgramRun written = run({"--export-competitors", path(QStringLiteral("list.csv"))});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    QFile list(path(QStringLiteral("list.csv")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readLine().startsWith("\xEF\xBB\xBFname;club;nationality;member number"));

    const std::pair<QStringList, const char *> refusals[] = {
        {{"--export-competitors", path(QStringLiteral("list.ods"))}, "list.ods"},
        {{"--register", path(QStringLiteral("r.sqlite"))}, "--register goes with --to-register"},
    };
    for (const auto &[arguments, message] : refusals) {
        const ProgramRun refused = run(arguments);
        EXPECT_NE(refused.exitCode, 0) << message;
        EXPECT_TRUE(refused.err.contains(message)) << refused.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("list.ods"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("r.sqlite"))));
}

} // namespace
