// marvola MATCH.mrv --check: the results that look wrong, one tab-separated line each.
#include "files/MatchFiles.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class BatchCheckTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString save(const Kilpailu &m)
    {
        const QString name = m_dir.filePath(QStringLiteral("check.mrv"));
        QString error;
        EXPECT_TRUE(saveMatchFileSet(name, m, matchSummaryLines(m.tiedot, false), error))
            << error.toStdString();
        return name;
    }

    QTemporaryDir m_dir;
};

TEST_F(BatchCheckTest, ListsEachBrokenResultAndExitsWithThree)
{
    MatchBuilder b;
    b.match().tiedot.Laukaukset.fill(40);
    const int clean = b.competitor(QStringLiteral("Aalto Matti"));
    const int wrong = b.competitor(QStringLiteral("Berg Anna"));
    const int negative = b.competitor(QStringLiteral("Nieminen Timo"));
    b.enter(clean, BBPR, QStringLiteral("A"), {10, 9, 8, 7});
    b.enter(wrong, SBRL, QStringLiteral("A"), {11, 9, 8, 7});
    b.enter(wrong, BBPC, QStringLiteral("A"), {5, 5, 5, 5}, 21);
    b.enter(negative, FPP, QStringLiteral("A"), {0, 0, -1, 0});

    const ProgramRun run = runProgram({save(b.match()), QStringLiteral("--check")});

    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out),
        QStringLiteral("2\tBerg Anna\tBBPC\tTotal 21 is not the sum of the hits, 20\n"
                       "2\tBerg Anna\tSBRL\tChicken hits above 10, the targets of one animal\n"
                       "3\tNieminen Timo\tFPP\tTurkey hits below 0\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST_F(BatchCheckTest, CleanMatchPrintsNothingAndExitsWithZero)
{
    MatchBuilder b;
    b.match().tiedot.Laukaukset.fill(40);
    b.enter(b.competitor(QStringLiteral("Aalto Matti")), BBPR, QStringLiteral("A"), {10, 9, 8, 7});
    // A total typed alone is a complete entry.
    b.enter(b.competitor(QStringLiteral("Berg Anna")), BBPR, QStringLiteral("A"), {}, 33);

    const ProgramRun run = runProgram({save(b.match()), QStringLiteral("--check")});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

TEST_F(BatchCheckTest, UnreadableMatchIsAnErrorNotAFinding)
{
    const ProgramRun run
        = runProgram({m_dir.filePath(QStringLiteral("missing.mrv")), QStringLiteral("--check")});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(run.err.isEmpty());
}

} // namespace
