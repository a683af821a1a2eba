// The entry log beside a saved set: what a reopened log offers to restore, Save As, a log that
// cannot be written, and the CSV form.
#include "log/EntryLog.h"

#include "files/MatchFiles.h"
#include "log/ChangeRecorder.h"
#include "support/MatchBuilder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

class EntryLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const int slot = m_builder.competitor(QStringLiteral("Aino Ahola"));
        m_builder.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
        save(m_set);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    Kilpailu &match() { return m_builder.match(); }
    void save(const QString &chosen)
    {
        QString error;
        ASSERT_TRUE(saveMatchFileSet(chosen, match(), {}, error)) << error.toStdString();
    }
    PendingChanges pendingOf(const QString &chosen)
    {
        QString error;
        EntryLog log;
        EXPECT_TRUE(log.open(entryLogFileName(chosen), EntryLog::Access::ReadOnly, error))
            << error.toStdString();
        const PendingChanges pending = log.pending(matchSetDigest(chosen, error), error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return pending;
    }

    QTemporaryDir m_dir;
    MatchBuilder m_builder;
    QString m_set = path(QStringLiteral("kisa.mrv"));
};

TEST_F(EntryLogTest, LogIsTheFifthFileOfTheSet)
{
    EXPECT_EQ(entryLogFileName(m_set), path(QStringLiteral("kisaLoki.db")));
}

TEST_F(EntryLogTest, CommittedChangesAfterTheOpenAreOfferedInOrder)
{
    ChangeRecorder recorder(match());
    EXPECT_EQ(recorder.openSet(m_set).state, PendingChanges::State::None);
    match().kilpailijat[1].Kana[BBPR] = 6;
    recorder.recordChanges();
    match().kilpailijat[1].Kana[BBPR] = 7;
    match().kilpailijat[1].Yhteensa[BBPR] = 16;
    ASSERT_TRUE(recorder.commitNow());

    // Another connection sees them: they are on the disk, not in the window's transaction.
    const PendingChanges pending = pendingOf(m_set);
    EXPECT_EQ(pending.state, PendingChanges::State::Restorable);
    ASSERT_EQ(pending.changes.size(), 3);
    EXPECT_EQ(pending.changes[0].newValue, QStringLiteral("6"));
    EXPECT_EQ(pending.changes[1].oldValue, QStringLiteral("6"));
    EXPECT_EQ(pending.changes[1].newValue, QStringLiteral("7"));
    EXPECT_EQ(pending.changes[2].field, QStringLiteral("Yhteensa"));
    EXPECT_EQ(pending.changes[2].source, QStringLiteral("office"));
    EXPECT_EQ(pending.last, pending.changes[2].time);
}

TEST_F(EntryLogTest, ChangesDeclinedAtAnOpenAreNotOfferedAgain)
{
    {
        ChangeRecorder recorder(match());
        recorder.openSet(m_set);
        match().kilpailijat[1].Passi[BBPR] = 9;
        ASSERT_TRUE(recorder.commitNow());
    }
    ChangeRecorder second(match());
    EXPECT_EQ(second.openSet(m_set).state, PendingChanges::State::Restorable);
    // Until the official has answered, a second program is offered the same changes.
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::Restorable);
    ASSERT_TRUE(second.settleOpen());
    // The open is committed within moments, not before the window shows the match.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second.log().hasUncommitted(); }, 5000));
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::None);
}

TEST_F(EntryLogTest, SavedChangesAreNotOffered)
{
    ChangeRecorder recorder(match());
    recorder.openSet(m_set);
    match().kilpailijat[1].Passi[BBPR] = 9;
    ASSERT_TRUE(recorder.commitNow());
    save(m_set);
    recorder.savedSet(m_set);
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::None);
}

TEST_F(EntryLogTest, ChangesMadeOnAnotherStateOfTheSetAreNotRestorable)
{
    ChangeRecorder recorder(match());
    recorder.openSet(m_set);
    match().kilpailijat[1].Passi[BBPR] = 9;
    ASSERT_TRUE(recorder.commitNow());
    // Another computer saves a different match over the set.
    MatchBuilder other;
    other.competitor(QStringLiteral("Eero"));
    QString error;
    ASSERT_TRUE(saveMatchFileSet(m_set, other.match(), {}, error));
    const PendingChanges pending = pendingOf(m_set);
    EXPECT_EQ(pending.state, PendingChanges::State::OtherState);
    EXPECT_EQ(pending.changes.size(), 1);
}

TEST_F(EntryLogTest, SaveAsCarriesTheLogOver)
{
    ChangeRecorder recorder(match());
    recorder.openSet(m_set);
    match().kilpailijat[1].Passi[BBPR] = 9;
    ASSERT_TRUE(recorder.commitNow());
    const QString copy = path(QStringLiteral("kopio.mrv"));
    save(copy);
    recorder.savedSet(copy);
    match().kilpailijat[1].Passi[BBPR] = 10;
    ASSERT_TRUE(recorder.commitNow());

    QString error;
    EntryLog log;
    ASSERT_TRUE(log.open(entryLogFileName(copy), EntryLog::Access::ReadOnly, error));
    const QList<FieldEdit> events = log.events(error);
    QStringList kinds;
    for (const FieldEdit &e : events)
        kinds << e.kind + QLatin1Char(':') + e.newValue;
    EXPECT_EQ(kinds,
        QStringList({QStringLiteral("open:kisa.mrv"), QStringLiteral("competitor:9"),
            QStringLiteral("save:kopio.mrv"), QStringLiteral("competitor:10")}));
    // The change after Save As went to the new set's log only.
    EXPECT_EQ(pendingOf(copy).changes.size(), 1);
    EXPECT_EQ(pendingOf(m_set).changes.size(), 1);
}

TEST_F(EntryLogTest, LogThatCannotBeWrittenIsReportedOnceAndTheMatchGoesOn)
{
    // A folder where the log file should be: SQLite cannot open it, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(entryLogFileName(m_set)));
    ChangeRecorder recorder(match());
    QSignalSpy unavailable(&recorder, &ChangeRecorder::logUnavailable);
    EXPECT_EQ(recorder.openSet(m_set).state, PendingChanges::State::None);
    match().kilpailijat[1].Passi[BBPR] = 9;
    EXPECT_FALSE(recorder.commitNow());
    match().kilpailijat[1].Passi[BBPR] = 10;
    EXPECT_FALSE(recorder.commitNow());
    recorder.savedSet(m_set);
    ASSERT_EQ(unavailable.size(), 1);
    EXPECT_TRUE(unavailable.first().first().toString().contains(QStringLiteral("kisaLoki.db")));
    EXPECT_EQ(match().kilpailijat[1].Passi[BBPR], 10);
}

TEST_F(EntryLogTest, ReadOnlyOpenOfAMissingLogCreatesNothing)
{
    EntryLog log;
    QString error;
    EXPECT_FALSE(log.open(path(QStringLiteral("eiLoki.db")), EntryLog::Access::ReadOnly, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("eiLoki.db"))));
}

TEST(EntryLogCsvTest, QuotesFieldsThatHoldSeparatorsAndKeepsUtf8)
{
    FieldEdit change{QDateTime(QDate(2026, 6, 13), QTime(14, 32, 5, 120)), QStringLiteral("office"),
        ChangeKind::Match, 0, 0, QString(), QStringLiteral("Paikka"), QStringLiteral("Kotka"),
        QStringLiteral("Hämeenlinna, \"rata\"")};
    FieldEdit hit{change.time, QStringLiteral("office"), ChangeKind::Competitor, 3, 12,
        QStringLiteral("BBPR"), QStringLiteral("Kana"), QStringLiteral("5"), QStringLiteral("6")};
    EXPECT_EQ(entryLogCsv({change, hit}),
        QByteArray("time,source,kind,number,discipline,field,old,new\n"
                   "2026-06-13 14:32:05.120,office,match,,,Paikka,Kotka,"
                   "\"H\xC3\xA4meenlinna, \"\"rata\"\"\"\n"
                   "2026-06-13 14:32:05.120,office,competitor,12,BBPR,Kana,5,6\n"));
}

} // namespace
