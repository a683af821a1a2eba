// The batch mode and the entry log: --log writes it as CSV and changes nothing, --recover
// replays only changes made on the set on disk and says how many.
#include "files/MatchFiles.h"
#include "log/EntryLog.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::runProgram;

namespace {

class BatchEntryLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const int slot = m_builder.competitor(QStringLiteral("Aino Ahola"));
        m_builder.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
        QString error;
        ASSERT_TRUE(saveMatchFileSet(m_set, m_builder.match(), {}, error));
    }
    // Two changes typed after the open, committed and never saved.
    void typeUnsavedChanges()
    {
        Kilpailu typed;
        MatchSession session(typed);
        QString error;
        ASSERT_TRUE(session.open(m_set, false, error)) << error.toStdString();
        session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 8; });
        session.edit([](Kilpailu &k) { k.tiedot.Paikka = QStringLiteral("Hamina, \"rata\""); });
        ASSERT_TRUE(session.commitNow());
    }
    QByteArray read(const QString &name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString path(const QString &name) { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    marvola::testing::MatchBuilder m_builder;
    QString m_set = m_dir.filePath(QStringLiteral("kisa.mrv"));
};

TEST_F(BatchEntryLogTest, LogAsCsvOnlyReadsTheLog)
{
    typeUnsavedChanges();
    const QByteArray logBefore = read(entryLogFileName(m_set));
    const auto run = runProgram({m_set, QStringLiteral("--log"), path(QStringLiteral("loki.csv"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QList<QByteArray> lines = read(path(QStringLiteral("loki.csv"))).split('\n');
    ASSERT_EQ(lines.size(), 5); // heading, open, two changes, and the end of the last line
    EXPECT_EQ(lines[0], QByteArray("time,source,kind,number,discipline,field,old,new"));
    EXPECT_TRUE(lines[1].endsWith(",office,open,,,,,kisa.mrv")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(",office,competitor,1,BBPR,Kana,5,8")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(",office,match,,,Paikka,,\"Hamina, \"\"rata\"\"\""))
        << lines[3].toStdString();
    EXPECT_EQ(read(entryLogFileName(m_set)), logBefore);
}

TEST_F(BatchEntryLogTest, LogOfAMatchWithoutOneIsTheHeadingAndCreatesNoLog)
{
    const auto run = runProgram({m_set, QStringLiteral("--log"), path(QStringLiteral("loki.csv"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(read(path(QStringLiteral("loki.csv"))),
        QByteArray("time,source,kind,number,discipline,field,old,new\n"));
    EXPECT_FALSE(QFileInfo::exists(entryLogFileName(m_set)));
}

TEST_F(BatchEntryLogTest, RecoverSavesUnderANewNameAndCarriesTheLogOver)
{
    typeUnsavedChanges();
    const QString copy = path(QStringLiteral("kopio.mrv"));
    const auto run
        = runProgram({m_set, QStringLiteral("--recover"), QStringLiteral("--save"), copy});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("2 changes restored from the entry log"))
        << run.err.toStdString();
    QString error;
    const LoadedMatch saved = loadMatchFileSet(copy, false, Kilpailu(), error);
    ASSERT_TRUE(saved.kilpailu) << error.toStdString();
    EXPECT_EQ(saved.kilpailu->kilpailijat[1].Kana[BBPR], 8);
    EXPECT_EQ(saved.kilpailu->tiedot.Paikka, QStringLiteral("Hamina, \"rata\""));

    EntryLog log;
    ASSERT_TRUE(log.open(entryLogFileName(copy), EntryLog::Access::ReadOnly, error));
    EXPECT_EQ(log.events(error).size(), 4); // open, two changes, the save
    EXPECT_EQ(log.pending(matchSetDigest(copy, error), error).state, PendingChanges::State::None);
}

TEST_F(BatchEntryLogTest, RecoverDoesNotReplayChangesOfAnotherStateOfTheSet)
{
    typeUnsavedChanges();
    // The set is saved again elsewhere, with other contents.
    marvola::testing::MatchBuilder other;
    other.competitor(QStringLiteral("Eero"));
    QString error;
    ASSERT_TRUE(saveMatchFileSet(m_set, other.match(), {}, error));
    const QByteArray before = read(m_set);
    const auto run = runProgram({m_set, QStringLiteral("--recover"), QStringLiteral("--save"),
        path(QStringLiteral("out.mrv"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("2 changes in the entry log were made on another state of this "
                                   "match (it was saved elsewhere or replaced since) and are not "
                                   "restored."))
        << run.err.toStdString();
    const LoadedMatch saved
        = loadMatchFileSet(path(QStringLiteral("out.mrv")), false, Kilpailu(), error);
    ASSERT_TRUE(saved.kilpailu);
    EXPECT_EQ(saved.kilpailu->kilpailijat[1].Nimi.text(), QStringLiteral("Eero"));
    EXPECT_EQ(read(m_set), before);
}

TEST_F(BatchEntryLogTest, ServeRunsWithoutRecoverOrLog)
{
    for (const char *option : {"--recover", "--log"}) {
        QStringList arguments{
            m_set, QStringLiteral("--serve"), QStringLiteral("8080"), QLatin1String(option)};
        if (QLatin1String(option) == QLatin1String("--log"))
            arguments << path(QStringLiteral("loki.csv"));
        const auto run = runProgram(arguments);
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_TRUE(run.err.startsWith("--serve runs on its own")) << run.err.toStdString();
    }
}

// A window on another computer has the set open: the log (SQLite in WAL mode, whose shared index
// does not cross a network) is not opened here, for reading or writing.
TEST_F(BatchEntryLogTest, LogOfASetOpenOnAnotherComputerIsLeftToThatComputer)
{
    typeUnsavedChanges();
    const QByteArray logBefore = read(entryLogFileName(m_set));
    {
        QFile lock(MatchFileSet::fromChosenName(m_set).openLock());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("4711\nmarvola\noffice-2.range.invalid\n");
    }
    const QStringList runs[] = {
        {m_set, QStringLiteral("--log"), path(QStringLiteral("log.csv"))},
        {m_set, QStringLiteral("--recover")},
        {m_set, QStringLiteral("--add-station"), QStringLiteral("Pistol bank")},
    };
    for (const QStringList &arguments : runs) {
        const auto run = runProgram(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("open in a window on another computer (process 4711 on "
                                     "office-2.range.invalid)"))
            << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("log.csv"))));
    EXPECT_EQ(read(entryLogFileName(m_set)), logBefore);
}

} // namespace
