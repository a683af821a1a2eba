// The report's file back ends: PDF and HTML.
#include "output/ReportRender.h"

#include "ReportRecording.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

// Two pages: a plain and a bold text, blanks and markup characters.
ReportCallbacks twoPages()
{
    ReportCallbacks callbacks;
    callbacks.printHeader = [](ReportCanvas &c) {
        c.setFont(QStringLiteral("Arial"), 10);
        c.newLine();
        c.gotoXY(0.2, 0.4);
        c.print(QStringLiteral("Club <&> Place"));
    };
    callbacks.print = [](ReportCanvas &c) {
        c.gotoXY(0.2, 0.6);
        c.setBold(true);
        c.print(QStringLiteral("Bold title"));
        c.setBold(false);
        c.newLine();
        c.print(QStringLiteral("   ---"));
        c.newPage();
    };
    return callbacks;
}

QByteArray outputBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PdfOutput, WritesEveryPageWithItsFont)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("report.pdf"));
    QList<int> generated, printed;
    ReportProgress progress;
    progress.generating = [&](int page) { generated << page; };
    progress.printing = [&](int page, int count) {
        printed << page;
        EXPECT_EQ(count, 2);
    };
    const ReportFileResult result = exportPdf(twoPages(), name, QPageSize(QPageSize::A4), progress);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.pageCount, 2);
    EXPECT_EQ(generated, (QList<int>{1, 2}));
    EXPECT_EQ(printed, (QList<int>{1, 2}));

    const QByteArray pdf = outputBytes(name);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Count 2"));
    EXPECT_TRUE(pdf.contains("LiberationSans-Bold") || pdf.contains("Arial-Bold")
        || pdf.contains("Arial,Bold"));
    // A4 in points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595") || pdf.contains("/MediaBox [ 0 0 595"));
}

TEST(PdfOutput, FailedWriteReportsAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("missing/report.pdf"));
    const ReportFileResult result = exportPdf(twoPages(), name);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("report.pdf"))) << result.error.toStdString();
    EXPECT_FALSE(QFile::exists(name));
}

// How the PDF writer stores a document title: UTF-16, big-endian.
QByteArray utf16(const char *text)
{
    QByteArray bytes;
    for (const char *c = text; *c; ++c)
        bytes.append('\0').append(*c);
    return bytes;
}

TEST(PdfOutput, DocumentTitleIsTheMatchsNeverAnInternalName)
{
    ReportCallbacks callbacks = twoPages();
    QByteArray pdf;
    ASSERT_TRUE(renderPdf(callbacks, &pdf).ok);
    EXPECT_TRUE(pdf.contains(utf16("Results")));
    EXPECT_FALSE(pdf.contains(utf16("ReportPrinter")));

    callbacks.title = QStringLiteral("Results HyMAS Hyvinkaa");
    ASSERT_TRUE(renderPdf(callbacks, &pdf).ok);
    EXPECT_TRUE(pdf.contains(utf16("Results HyMAS Hyvinkaa")));
    QByteArray html;
    ASSERT_TRUE(renderHtml(callbacks, &html).ok);
    EXPECT_TRUE(html.contains("<title>Results HyMAS Hyvinkaa</title>")) << html.left(300).data();
}

TEST(HtmlOutput, OneBlockPerPageTextsPlacedInInches)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("report.html"));
    const ReportFileResult result = exportHtml(twoPages(), name);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.pageCount, 2);
    const QString html = QString::fromUtf8(outputBytes(name));

    EXPECT_EQ(html.count(QStringLiteral("<div class=\"page\"")), 2);
    EXPECT_TRUE(html.contains(QStringLiteral("width: 8.268in; height: 11.693in")));
    EXPECT_EQ(html.count(QStringLiteral("Club &lt;&amp;&gt; Place")), 2);
    EXPECT_TRUE(html.contains(QStringLiteral(">   ---</span>")));
    EXPECT_TRUE(html.contains(QStringLiteral("white-space: pre")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-family: 'Arial', 'Liberation Sans', sans-serif; "
                                             "font-size: 10pt; font-weight: bold")));

    // The bold title sits at x 0.2 in; its box top lies above the 0.6 in baseline by less than
    // the type size.
    const QRegularExpression title(
        QStringLiteral("<span class=\"(f\\d+)\" style=\"left: ([0-9.]+)in; top: ([0-9.]+)in\">"
                       "Bold title</span>"));
    const QRegularExpressionMatch m = title.match(html);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(m.captured(2), QStringLiteral("0.200"));
    const double top = m.captured(3).toDouble();
    EXPECT_GT(top, 0.6 - 10.0 / 72);
    EXPECT_LT(top, 0.6 - 0.05);
    EXPECT_TRUE(html.contains(QStringLiteral(".%1 { font-family: 'Arial', 'Liberation Sans', "
                                             "sans-serif; font-size: 10pt; font-weight: bold; }")
                                  .arg(m.captured(1))));
}

} // namespace
