// The batch mode's result sheets: one PDF in number order, or a file per competitor, and the
// options that go with them.
#include "model/Disciplines.h"
#include "model/Language.h"
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

// The language comes from an imported list into the shooter register, and from there onto the
// competitor's sheet; a competitor without one keeps the program's language.
TEST_F(BatchSheets, LanguageOfTheImportedListReachesTheSheetThroughTheRegister)
{
    const QString list = dir.filePath(QStringLiteral("list.csv"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("name;club;BBPR;language\nVirtanen Ville;HyMAS;x;suomi\nSmith John;HyMAS;x;\n");
    file.close();
    const QString registerFile = dir.filePath(QStringLiteral("shooters.sqlite"));
    const QString match = dir.filePath(QStringLiteral("m.mrv"));
    const ProgramRun imported = runProgram(
        {Demo, QStringLiteral("--import"), list, QStringLiteral("--save"), match,
            QStringLiteral("--to-register"), QStringLiteral("--register"), registerFile},
        env);
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();

    const QString pdf = dir.filePath(QStringLiteral("sheets.pdf"));
    const ProgramRun run = runProgram(
        {match, QStringLiteral("--sheets"), pdf, QStringLiteral("--register"), registerFile}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString english = QString::fromUtf8(marvola::discipline(marvola::BBPR).title);
    const QString finnish = marvola::translateInto(
        QStringLiteral("fi"), "Disciplines", marvola::discipline(marvola::BBPR).title);
    ASSERT_NE(finnish, english);
    int seen = 0;
    for (const QString &page : pdfText(pdf).split(QChar(u'\f'))) {
        if (page.contains(QStringLiteral(" Virtanen Ville\n"))) {
            EXPECT_TRUE(page.contains(finnish)) << qPrintable(page);
            ++seen;
        }
        if (page.contains(QStringLiteral(" Smith John\n"))) {
            EXPECT_TRUE(page.contains(english)) << qPrintable(page);
            ++seen;
        }
    }
    EXPECT_EQ(seen, 2);
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
        {{Demo, QStringLiteral("--sheets"), pdf, QStringLiteral("--only"), QStringLiteral("999")},
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
