// The batch mode and the scoring stations: --add-station prints "ID SECRET" and keeps the station
// in the entry log, --revoke-station marks it, and neither touches the match's own files.
#include "files/MatchFiles.h"
#include "log/EntryLog.h"
#include "log/StationStore.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::runProgram;

namespace {

class BatchStationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_builder.competitor(QStringLiteral("Aino Ahola"));
        QString error;
        ASSERT_TRUE(saveMatchFileSet(m_set, m_builder.match(), {}, error));
    }
    QList<Station> stations()
    {
        EntryLog log;
        QString error;
        EXPECT_TRUE(log.open(entryLogFileName(m_set), EntryLog::Access::ReadOnly, error))
            << error.toStdString();
        return loadStations(log, error);
    }
    QByteArray read(const QString &name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
    marvola::testing::MatchBuilder m_builder;
    QString m_set = m_dir.filePath(QStringLiteral("kisa.mrv"));
};

TEST_F(BatchStationTest, AddPrintsIdAndSecretAndRevokeMarksTheStation)
{
    const QByteArray results = read(MatchFileSet::fromChosenName(m_set).results);
    const auto first
        = runProgram({m_set, QStringLiteral("--add-station"), QStringLiteral("Pistol bank 1"),
            QStringLiteral("--disciplines"), QStringLiteral("bbpr,BBPC")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const auto second
        = runProgram({m_set, QStringLiteral("--add-station"), QStringLiteral("Rifle")});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    const QRegularExpression line(QStringLiteral("^([A-Z0-9]{4,12}) ([0-9a-f]{64})\n$"));
    const auto a = line.match(QString::fromUtf8(first.out));
    const auto b = line.match(QString::fromUtf8(second.out));
    ASSERT_TRUE(a.hasMatch()) << first.out.toStdString();
    ASSERT_TRUE(b.hasMatch()) << second.out.toStdString();
    EXPECT_NE(a.captured(1), b.captured(1));
    EXPECT_NE(a.captured(2), b.captured(2));

    const auto revoke = runProgram({m_set, QStringLiteral("--revoke-station"), a.captured(1)});
    ASSERT_EQ(revoke.exitCode, 0) << revoke.err.toStdString();
    const QList<Station> kept = stations();
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0].id, a.captured(1));
    EXPECT_EQ(kept[0].name, QStringLiteral("Pistol bank 1"));
    EXPECT_EQ(kept[0].disciplines, (QStringList{QStringLiteral("BBPR"), QStringLiteral("BBPC")}));
    EXPECT_EQ(kept[0].secret, a.captured(2).toLatin1());
    EXPECT_TRUE(kept[0].revoked);
    EXPECT_TRUE(kept[1].disciplines.isEmpty());
    EXPECT_FALSE(kept[1].revoked);
    EXPECT_EQ(read(MatchFileSet::fromChosenName(m_set).results), results);
}

TEST_F(BatchStationTest, RefusalsSayWhyAndAddNothing)
{
    const QList<QStringList> refused{
        {m_set, QStringLiteral("--add-station"), QStringLiteral("X"),
            QStringLiteral("--disciplines"), QStringLiteral("BBPR,XYZ")},
        {m_set, QStringLiteral("--add-station"), QStringLiteral("  ")},
        {m_set, QStringLiteral("--revoke-station"), QStringLiteral("NOSUCH")},
        {m_dir.filePath(QStringLiteral("none.mrv")), QStringLiteral("--add-station"),
            QStringLiteral("X")},
    };
    for (const QStringList &arguments : refused) {
        const auto run = runProgram(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(stations().isEmpty());
}

} // namespace
