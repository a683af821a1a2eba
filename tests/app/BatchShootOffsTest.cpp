// marvola MATCH.mrv --shoot-offs: the ties waiting for a shoot-off, one tab-separated line each.
#include "files/MatchFiles.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <tuple>

using namespace marvola;
using namespace marvola::testing;

namespace {

class BatchShootOffsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_match.match().tiedot.Laukaukset.fill(40);
    }

    int shooter(const QString &name, int numero)
    {
        const int slot = m_match.competitor(name);
        m_match.at(slot).Numero = numero;
        return slot;
    }

    QString save()
    {
        const QString name = m_dir.filePath(QStringLiteral("ties.mrv"));
        QString error;
        const Kilpailu &m = m_match.match();
        EXPECT_TRUE(saveMatchFileSet(name, m, matchSummaryLines(m.tiedot, false), error))
            << error.toStdString();
        return name;
    }

    MatchBuilder m_match;
    QTemporaryDir m_dir;
};

TEST_F(BatchShootOffsTest, ListsEachTieAndExitsWithThree)
{
    const Hits h40{10, 10, 10, 10}, h38{8, 10, 10, 10}, h35{5, 10, 10, 10};
    m_match.enter(shooter(QStringLiteral("Laine Eero"), 3), BBPR, QStringLiteral("Int"), h40);
    m_match.enter(shooter(QStringLiteral("Virtanen Matti"), 12), BBPR, QStringLiteral("Int"), h38);
    m_match.enter(shooter(QStringLiteral("Åberg Öjvind"), 17), BBPR, QStringLiteral("A"), h38);
    m_match.enter(shooter(QStringLiteral("Aho Ari"), 21), BBPR, QStringLiteral("A"), h35);
    // A class tie in another discipline: two B shooters level below the first three.
    for (const auto &[name, numero, hits] : {std::tuple{"Koski", 31, h40}, {"Mäki", 32, h40},
             {"Niemi", 33, h38}, {"Ojala", 34, h35}, {"Pelto", 35, h35}})
        m_match.enter(shooter(QString::fromUtf8(name), numero), FPP,
            numero <= 33 ? QStringLiteral("Int") : QStringLiteral("B"), hits);

    const ProgramRun run = runProgram({save(), QStringLiteral("--shoot-offs")});

    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    // The main window's tab order: BBPR before FPP; the overall places before the classes.
    EXPECT_EQ(QString::fromUtf8(run.out),
        QStringLiteral("BBPR\t\t2-3\t12 Virtanen Matti\t17 Åberg Öjvind\n"
                       "FPP\t\t1-2\t31 Koski\t32 Mäki\n"
                       "FPP\tB\t1-2\t34 Ojala\t35 Pelto\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST_F(BatchShootOffsTest, DecidedTiesPrintNothingAndExitWithZero)
{
    // Equal totals, but the rams decide; a shoot-off entry decides the other pair.
    m_match.enter(
        shooter(QStringLiteral("Laine Eero"), 3), BBPR, QStringLiteral("Int"), {10, 10, 10, 8});
    m_match.enter(
        shooter(QStringLiteral("Aho Ari"), 4), BBPR, QStringLiteral("Int"), {8, 10, 10, 10});
    m_match.enter(shooter(QStringLiteral("Koski"), 5), FPP, QStringLiteral("A"), {9, 9, 9, 9});
    const int decided = shooter(QStringLiteral("Mäki"), 6);
    m_match.enter(decided, FPP, QStringLiteral("A"), {9, 9, 9, 9}).finals(decided, FPP, {"2"});

    const ProgramRun run = runProgram({save(), QStringLiteral("--shoot-offs")});

    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

// With --check the check's lines come first; either finding gives status 3, and the other
// outputs of the run are written as without it.
TEST_F(BatchShootOffsTest, GoesWithTheCheckAndTheOtherOutputs)
{
    m_match.enter(
        shooter(QStringLiteral("Laine Eero"), 3), SBRS, QStringLiteral("A"), {9, 9, 9, 9});
    m_match.enter(shooter(QStringLiteral("Aho Ari"), 4), SBRS, QStringLiteral("A"), {9, 9, 9, 9});
    m_match.enter(
        shooter(QStringLiteral("Berg Anna"), 5), BBPC, QStringLiteral("A"), {5, 5, 5, 5}, 21);
    const QString csv = m_dir.filePath(QStringLiteral("out.csv"));

    const ProgramRun run = runProgram({save(), QStringLiteral("--check"),
        QStringLiteral("--shoot-offs"), QStringLiteral("--csv"), csv});

    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out),
        QStringLiteral("5\tBerg Anna\tBBPC\tTotal 21 is not the sum of the hits, 20\n"
                       "SBRS\t\t1-2\t3 Laine Eero\t4 Aho Ari\n"));
    EXPECT_TRUE(QFileInfo::exists(csv));

    const ProgramRun serving = runProgram({save(), QStringLiteral("--shoot-offs"),
        QStringLiteral("--serve"), QStringLiteral("127.0.0.1:0")});
    // The live results run on their own: the option is refused, not passed over.
    EXPECT_EQ(serving.exitCode, 2);
    const QByteArray refusal = serving.err.left(serving.err.indexOf('\n'));
    EXPECT_TRUE(refusal.startsWith("--serve runs on its own") && refusal.contains("--shoot-offs"))
        << refusal.toStdString();
}

} // namespace
