// The entry log beside a saved set: its file name, a read-only open, and the CSV form.
#include "log/EntryLog.h"

#include "files/MatchFiles.h"
#include "support/MatchBuilder.h"

#include <QDir>
#include <QFile>
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
