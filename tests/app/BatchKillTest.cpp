// The built program killed at random moments while it saves a full match: every next load gives
// one whole set, the old one or the new one, and leaves no temporary file.
#include "files/MatchFiles.h"
#include "support/FullMatch.h"
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

QList<QByteArray> setBytes(const QString &chosenName)
{
    QList<QByteArray> bytes;
    for (const QString &name : MatchFileSet::fromChosenName(chosenName).asList()) {
        QFile file(name);
        bytes << (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>"));
    }
    return bytes;
}

void writeSet(const QString &chosenName, const QList<QByteArray> &bytes)
{
    const QStringList names = MatchFileSet::fromChosenName(chosenName).asList();
    for (int i = 0; i < names.size(); ++i) {
        QFile file(names[i]);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes[i]), bytes[i].size());
    }
}

class BatchKillTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_process.setProgram(marvola::testing::programPath());
        QProcessEnvironment env = marvola::testing::displayLessEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        m_process.setProcessEnvironment(env);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList temporaryFiles() const
    {
        return QDir(m_dir.path())
            .entryList({QStringLiteral("*.part"), QStringLiteral("*.commit")}, QDir::Files);
    }
    void start(const QString &output)
    {
        m_process.setArguments({path(QStringLiteral("in.mrv")), QStringLiteral("--save"), output});
        m_process.start();
        ASSERT_TRUE(m_process.waitForStarted());
    }

    QTemporaryDir m_dir;
    QProcess m_process;
};

} // namespace

TEST_F(BatchKillTest, EveryNextLoadGivesOneWholeSet)
{
    const auto full = marvola::testing::fullMatch();
    QString error;
    ASSERT_TRUE(saveMatchFileSet(
        path(QStringLiteral("in.mrv")), *full, matchSummaryLines(full->tiedot, false), error))
        << error.toStdString();
    // The old set: a different match already in place.
    auto other = marvola::testing::fullMatch();
    other->tiedot.Seura = QStringLiteral("Old save");
    other->removeCompetitor(7);
    ASSERT_TRUE(saveMatchFileSet(
        path(QStringLiteral("out.mrv")), *other, matchSummaryLines(other->tiedot, false), error));
    const QList<QByteArray> oldSet = setBytes(path(QStringLiteral("out.mrv")));

    // The new set as an uninterrupted run writes it, and how long such a run takes.
    QElapsedTimer timer;
    timer.start();
    start(path(QStringLiteral("new.mrv")));
    ASSERT_TRUE(m_process.waitForFinished(60000));
    const qint64 runMs = std::max<qint64>(timer.elapsed(), 10);
    ASSERT_EQ(m_process.exitCode(), 0) << m_process.readAllStandardError().toStdString();
    const QList<QByteArray> newSet = setBytes(path(QStringLiteral("new.mrv")));
    ASSERT_NE(newSet, oldSet);

    // Half of the kills anywhere in the run, half in its last part where the save is.
    QRandomGenerator random(20261210);
    int oldCount = 0, newCount = 0;
    constexpr int Kills = 50;
    for (int kill = 0; kill < Kills; ++kill) {
        SCOPED_TRACE(kill);
        writeSet(path(QStringLiteral("out.mrv")), oldSet);
        const qint64 from = kill % 2 == 0 ? 0 : runMs * 6 / 10;
        const qint64 delay = from + qint64(random.bounded(double(runMs * 11 / 10 - from)));
        start(path(QStringLiteral("out.mrv")));
        QThread::msleep(static_cast<unsigned long>(delay));
        m_process.kill(); // SIGKILL
        ASSERT_TRUE(m_process.waitForFinished(60000));

        const auto current = std::make_unique<Kilpailu>();
        const LoadedMatch loaded
            = loadMatchFileSet(path(QStringLiteral("out.mrv")), false, *current, error);
        ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
        const QList<QByteArray> now = setBytes(path(QStringLiteral("out.mrv")));
        ASSERT_TRUE(now == oldSet || now == newSet)
            << "a mixed set after a kill at " << delay << " ms of a " << runMs << " ms run";
        (now == oldSet ? oldCount : newCount)++;
        ASSERT_EQ(temporaryFiles(), QStringList());
    }
    std::printf("%d kills in a %lld ms run: %d left the old set, %d the new one\n", Kills,
        static_cast<long long>(runMs), oldCount, newCount);
}
