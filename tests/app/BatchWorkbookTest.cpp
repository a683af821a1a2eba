// The batch mode's results workbook: --xlsx in one run with the CSV files, and its refusals.
#include "support/ParamName.h"
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using marvola::testing::ProgramRun;
using marvola::testing::runProgram;

namespace {

const QString SpringMatch = marvola::testing::testDataFolder() + QStringLiteral("/match/kevat.mrv");

// The sheets' names and the competitors sheet's row count, as openpyxl reads the workbook.
QString sheetsOf(const QString &path)
{
    QString python3 = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin"});
    if (python3.isEmpty())
        python3 = QStringLiteral("python3");
    QProcess python;
    python.start(python3,
        {QStringLiteral("-c"),
            QStringLiteral("import sys, openpyxl\n"
                           "book = openpyxl.load_workbook(sys.argv[1])\n"
                           "print(book.worksheets[0].max_row, ','.join(book.sheetnames))\n"),
            path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return QString::fromUtf8(python.readAllStandardError());
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed();
}

TEST(BatchWorkbook, IsWrittenInOneRunWithTheCsvFiles)
{
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("results.xlsx"));
    const QString csv = dir.filePath(QStringLiteral("results.csv"));
    // No platform plugin: the workbook, like the CSV files, needs no fonts and no display.
    QProcessEnvironment noPlatform;
    noPlatform.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    const ProgramRun run = runProgram(
        {SpringMatch, QStringLiteral("--xlsx"), xlsx, QStringLiteral("--csv"), csv}, noPlatform);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_TRUE(QFile::exists(csv));
    // The match's two competitors under the headings, then the 28 lists in printing order.
    EXPECT_EQ(sheetsOf(xlsx),
        QStringLiteral("3 Competitors,FPP,FPPAS,BBPP,BBPR,BBPS,BBPU,BBPC,SBRL,SBRS,BBRH,BBRS,"
                       "SBPP,SBPR,SBPS,SBPU,SBPC,FP Aggr,BBP Aggr,SBP Aggr,Standing Aggr,SBR Aggr,"
                       "BBR Aggr,BBP Team,SBP Team,FP Team,SBR Team,BBR Team,Standing Team"));
}

TEST(BatchWorkbook, MatchWithoutCompetitorsIsRefused)
{
    QTemporaryDir dir;
    for (const char *suffix : {".mrv", ".dat", "Tulokset.dat", "Joukkueet.dat"})
        ASSERT_TRUE(QFile::copy(SpringMatch.chopped(4) + QLatin1String(suffix),
            dir.filePath(QStringLiteral("empty") + QLatin1String(suffix))));
    QFile::resize(dir.filePath(QStringLiteral("emptyTulokset.dat")), 0);
    const QString xlsx = dir.filePath(QStringLiteral("results.xlsx"));
    const ProgramRun run
        = runProgram({dir.filePath(QStringLiteral("empty.mrv")), QStringLiteral("--xlsx"), xlsx});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Eipä ole paljoa tallennettavaa.")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(xlsx));
}

struct RefusedCase
{
    const char *name;
    QStringList options; // FILE stands for a file in the test's folder: FILE.xlsx
    const char *message;
};

class BatchWorkbookRefused : public ::testing::TestWithParam<RefusedCase>
{
};

TEST_P(BatchWorkbookRefused, WritesNothing)
{
    const RefusedCase &c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("results"));
    QStringList arguments{SpringMatch};
    for (const QString &option : c.options)
        arguments << (option.startsWith(QLatin1String("FILE")) ? file + option.mid(4) : option);
    const ProgramRun run = runProgram(arguments);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Options, BatchWorkbookRefused,
    ::testing::Values(RefusedCase{"OtherSuffix", {"--xlsx", "FILE.xls"}, "--xlsx writes"},
        RefusedCase{"WithServe", {"--xlsx", "FILE.xlsx", "--serve", "8080"}, "--xlsx does not go"},
        RefusedCase{
            "WithStation", {"--xlsx", "FILE.xlsx", "--add-station", "A"}, "--xlsx does not go"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
