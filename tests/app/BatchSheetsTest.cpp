// The batch mode's result sheets: one PDF in number order, or a file per competitor, and the
// options that go with them.
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using marvola::testing::ProgramRun;
using marvola::testing::runProgram;

namespace {

const QString Demo = marvola::testing::examplesFolder() + QStringLiteral("/demo.mrv");

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class BatchSheets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        // No register of the user's: the sheets are in the program's language.
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    }
    QTemporaryDir dir;
    QProcessEnvironment env;
};

TEST_F(BatchSheets, OnePdfHasAPagePerCompetitorInNumberOrder)
{
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    const ProgramRun run = runProgram({Demo, QStringLiteral("--sheets"), pdf,
                                          QStringLiteral("--only"), QStringLiteral("12, 3 1")},
        env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList pages = pdfText(pdf).split(QChar(u'\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("\n1 Aalto Matti\n"))) << qPrintable(pages[0]);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("\n3 "))) << qPrintable(pages[1]);
    EXPECT_TRUE(pages[2].contains(QStringLiteral("\n12 Lehtinen Petri\n"))) << qPrintable(pages[2]);
}

TEST_F(BatchSheets, FolderGetsAFilePerCompetitorNamedByNumberAndName)
{
    const QString folder = dir.filePath(QStringLiteral("sheets")) + QLatin1Char('/');
    const ProgramRun run = runProgram({Demo, QStringLiteral("--sheets"), folder}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList files = QDir(folder).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 40);
    EXPECT_TRUE(files.contains(QStringLiteral("10-Järvinen Harri.pdf")))
        << qPrintable(files.join(' '));
    const QString page = pdfText(folder + QStringLiteral("10-Järvinen Harri.pdf"));
    EXPECT_EQ(page.count(QChar(u'\f')), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("\n10 Järvinen Harri\n"))) << qPrintable(page);
}

TEST_F(BatchSheets, WrongOptionsAreRefusedAndNothingIsWritten)
{
    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    // A usage error is status 2; a value the run refuses, 1.
    const struct
    {
        QStringList arguments;
        int status;
    } refused[] = {
        {{Demo, QStringLiteral("--sheets"), pdf, QStringLiteral("--only"), QStringLiteral("3-x")},
            1},
        {{Demo, QStringLiteral("--sheets"), pdf, QStringLiteral("--smtp"), QStringLiteral("h")}, 2},
        {{Demo, QStringLiteral("--mail-sheets"), QStringLiteral("--smtp"), QStringLiteral("h")}, 2},
        {{Demo, QStringLiteral("--pdf"), pdf, QStringLiteral("--only"), QStringLiteral("3")}, 2},
        {{Demo, QStringLiteral("--sheets"), pdf, QStringLiteral("--register"),
             dir.filePath(QStringLiteral("missing.sqlite"))},
            1},
    };
    for (const auto &c : refused) {
        const ProgramRun run = runProgram(c.arguments, env);
        EXPECT_EQ(run.exitCode, c.status) << qPrintable(c.arguments.join(' '));
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(pdf)) << qPrintable(c.arguments.join(' '));
    }
}

} // namespace
