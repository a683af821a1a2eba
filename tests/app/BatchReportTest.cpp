// The batch mode's printed lists: --pdf, --html and --lists, with no display.
#include "support/ParamName.h"
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using marvola::testing::ProgramRun;
using marvola::testing::runProgram;

namespace {

const QString Match = marvola::testing::testDataFolder() + QStringLiteral("/match/kevat.mrv");

QByteArray bytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ListsCase
{
    const char *lists; // nullptr: --lists not given
    int pages; // one per list and the closing page
};

class BatchReport : public ::testing::TestWithParam<ListsCase>
{
};

TEST_P(BatchReport, WritesOnePageBlockPerListAndNoEmptyPageAfterTheLast)
{
    const ListsCase c = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lists.pdf"));
    const QString html = dir.filePath(QStringLiteral("lists.html"));
    QStringList arguments{Match, QStringLiteral("--pdf"), pdf, QStringLiteral("--html"), html};
    if (c.lists)
        arguments << QStringLiteral("--lists") << QString::fromUtf8(c.lists);
    const ProgramRun run = runProgram(arguments);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    // Every list of the fixture fits on one page.
    const QString text = QString::fromUtf8(bytes(html));
    EXPECT_EQ(text.count(QStringLiteral("<div class=\"page\"")), c.pages);
    const QByteArray pdfBytes = bytes(pdf);
    EXPECT_TRUE(pdfBytes.startsWith("%PDF-"));
    EXPECT_TRUE(pdfBytes.contains(QStringLiteral("/Count %1")
                                      .arg(text.count(QStringLiteral("<div class=\"page\"")))
                                      .toLatin1()));
}

INSTANTIATE_TEST_SUITE_P(Lists, BatchReport,
    ::testing::Values(ListsCase{nullptr, 28}, ListsCase{"all", 28},
        ListsCase{"BBPR,BBP Aggr,Standing Team", 3}, ListsCase{"", 1}),
    [](const auto &info) {
        return info.param.lists ? marvola::testing::paramName(info.param.lists)
                                : std::string("NoListsOption");
    });

TEST(BatchReportLists, UnknownListIsRefusedBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lists.pdf"));
    const ProgramRun run = runProgram({Match, QStringLiteral("--pdf"), pdf,
        QStringLiteral("--lists"), QStringLiteral("BBPR,BBP Agg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unknown list \"BBP Agg\"")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(BatchReportLists, UnwritableFileFailsWithItsName)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("missing/lists.pdf"));
    const ProgramRun run = runProgram({Match, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("lists.pdf")) << run.err.toStdString();
}

} // namespace
