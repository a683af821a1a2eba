// The report canvas: columns and their cutting, lines, pages and the page header.
#include "output/ReportEngine.h"

#include "support/ParamName.h"
#include "support/QtPrinters.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

constexpr double Eps = 1e-6;

// Runs a body on a fresh canvas whose page header sets Arial 10 and starts line 2.
ReportDocument run(const std::function<void(ReportCanvas &)> &body,
    const PageGeometry &geometry = PageGeometry::a4())
{
    QtTextMeasurer measurer;
    ReportCallbacks callbacks;
    callbacks.printHeader = [](ReportCanvas &c) {
        c.setFont(QStringLiteral("Arial"), 10);
        c.newLine();
        c.gotoXY(0.2, 0.4);
        c.print(QStringLiteral("header"));
    };
    callbacks.print = body;
    return generateReport(geometry, measurer, callbacks);
}

TEST(ReportFont, ArialIsMeasuredWithAFontOfArialWidths)
{
    const QString family = QFontInfo(toQFont(ReportFont{})).family();
    EXPECT_TRUE(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"))
        << family.toStdString();
}

struct CutCase
{
    const char *text;
    double width;
    Align align;
    const char *printed;
};

class ColumnCut : public ::testing::TestWithParam<CutCase>
{
};

// Cut at the end until the text fits, then placed by the column's alignment.
TEST_P(ColumnCut, CutsAtTheEndAndAligns)
{
    const CutCase c = GetParam();
    constexpr double Left = 3.1;
    QtTextMeasurer measurer;
    const ReportDocument document = run([&](ReportCanvas &canvas) {
        canvas.clearTabs();
        canvas.addTab(Left, c.align, c.width);
        canvas.newLine();
        canvas.printTab(QString::fromUtf8(c.text));
    });
    ASSERT_EQ(document.pages.size(), 1);
    const ReportText &t = document.pages[0].texts.last();
    EXPECT_EQ(t.text, QString::fromUtf8(c.printed));
    const double w = measurer.width(t.font, t.text);
    EXPECT_LE(w, c.width + Eps);
    switch (c.align) {
    case Align::Left: EXPECT_NEAR(t.x, Left, Eps); break;
    case Align::Right: EXPECT_NEAR(t.x + w, Left + c.width, Eps); break;
    case Align::Center: EXPECT_NEAR(t.x + w / 2, Left + c.width / 2, Eps); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Arial10, ColumnCut,
    ::testing::Values(CutCase{"Turkey", 0.3, Align::Right, "Turk"},
        CutCase{"Total", 0.3, Align::Right, "Tota"},
        CutCase{"Chicken", 0.5, Align::Right, "Chicke"},
        CutCase{"Chicken", 0.3, Align::Center, "Chic"},
        CutCase{"Master", 0.5, Align::Left, "Master"}, CutCase{"Master", 0.2, Align::Left, "Ma"},
        CutCase{"Kaliiperi", 0.5, Align::Right, "Kaliiperi"},
        CutCase{"Virtanen-Häkkinen Ville J", 1.5, Align::Left, "Virtanen-Häkkinen Ville "},
        CutCase{"40", 0.3, Align::Center, "40"}),
    [](const auto &info) {
        return marvola::testing::paramName(std::string(info.param.text) + "_"
            + std::to_string(static_cast<int>(info.param.width * 100)));
    });

TEST(ReportColumns, EmptyTextTakesItsColumnAndNewLineStartsAtTheFirst)
{
    const ReportDocument document = run([](ReportCanvas &c) {
        c.clearTabs();
        c.addTab(1.0, Align::Left, 1.0);
        c.addTab(3.0, Align::Left, 1.0);
        c.newLine();
        c.printTab(QString());
        c.printTab(QStringLiteral("second"));
        c.newLine();
        c.printTab(QStringLiteral("first"));
        c.printTab(QStringLiteral("again second"));
        c.printTab(QStringLiteral("no third column"));
    });
    const QList<ReportText> &texts = document.pages[0].texts;
    ASSERT_EQ(texts.size(), 4); // header, second, first, again second
    EXPECT_NEAR(texts[1].x, 3.0, Eps);
    EXPECT_NEAR(texts[2].x, 1.0, Eps);
    EXPECT_EQ(texts[3].text, QStringLiteral("again second"));
    EXPECT_NEAR(texts[3].x, 3.0, Eps);
}

TEST(ReportLines, CounterFollowsNewLinesNotGoTo)
{
    int afterHeader = 0, afterGoto = 0, afterNewLine = 0, afterNewPage = 0;
    double lineY = 0, bigLineY = 0;
    const ReportDocument document = run([&](ReportCanvas &c) {
        afterHeader = c.lineNum();
        c.gotoXY(0.2, 5.0);
        afterGoto = c.lineNum();
        c.newLine();
        afterNewLine = c.lineNum();
        c.print(QStringLiteral("a"));
        c.setFont(QStringLiteral("Arial"), 12);
        c.newLine();
        c.print(QStringLiteral("b"));
        c.newPage();
        afterNewPage = c.lineNum();
    });
    EXPECT_EQ(afterHeader, 2);
    EXPECT_EQ(afterGoto, 2);
    EXPECT_EQ(afterNewLine, 3);
    EXPECT_EQ(afterNewPage, 2); // 1 when the page begins, 2 after its header's new line
    for (const ReportText &t : document.pages[0].texts) {
        if (t.text == QLatin1String("a"))
            lineY = t.y;
        if (t.text == QLatin1String("b"))
            bigLineY = t.y;
    }
    EXPECT_NEAR(lineY, 5.0 + 1.0 / 6, Eps); // Arial 10: a sixth of an inch
    EXPECT_NEAR(bigLineY - lineY, 12.0 / 60, Eps); // the new line moves by the new font's height
}

TEST(ReportLines, NewLineReturnsToThePrintableLeftEdge)
{
    const PageGeometry geometry{QSizeF(8.27, 11.69), QRectF(0.25, 0.2, 7.77, 11.29)};
    const ReportDocument document = run(
        [](ReportCanvas &c) {
            c.newLine();
            c.print(QStringLiteral("left"));
            c.print(QStringLiteral("after"));
        },
        geometry);
    const QList<ReportText> &texts = document.pages[0].texts;
    EXPECT_NEAR(texts[1].x, 0.25, Eps);
    EXPECT_GT(texts[2].x, 0.25 + 0.1); // print leaves x after the text
}

TEST(ReportPages, HeaderComesFirstOnEveryPage)
{
    const ReportDocument document = run([](ReportCanvas &c) {
        c.newLine();
        c.print(QStringLiteral("body 1"));
        c.newPage();
        c.newLine();
        c.print(QStringLiteral("body 2"));
    });
    ASSERT_EQ(document.pages.size(), 2);
    for (const ReportPage &page : document.pages) {
        ASSERT_EQ(page.texts.size(), 2);
        EXPECT_EQ(page.texts[0].text, QStringLiteral("header"));
        EXPECT_EQ(page.texts[0].line, 2);
        EXPECT_EQ(page.texts[1].line, 3);
    }
}

struct RoomCase
{
    const char *paper;
    PageGeometry geometry;
    double y;
    int linesLeft;
};

class PageRoom : public ::testing::TestWithParam<RoomCase>
{
};

// A line fits while its baseline plus the font's descent stays inside the printable area.
TEST_P(PageRoom, LinesLeftFollowsThePageHeight)
{
    const RoomCase c = GetParam();
    int left = -1;
    run(
        [&](ReportCanvas &canvas) {
            canvas.gotoXY(0.2, c.y);
            left = canvas.linesLeft();
        },
        c.geometry);
    EXPECT_EQ(left, c.linesLeft) << c.paper;
}

INSTANTIATE_TEST_SUITE_P(Papers, PageRoom,
    ::testing::Values(
        // Line 64 of a list's first page; A4 is 11.69 in, Letter 11 in high.
        RoomCase{"A4", PageGeometry::a4(), 0.6 + 62.0 / 6, 4},
        RoomCase{"Letter", PageGeometry::letter(), 0.6 + 62.0 / 6, 0},
        RoomCase{"Letter", PageGeometry::letter(), 0.6 + 61.0 / 6, 1},
        RoomCase{"A4 with a 0.3 in foot",
            PageGeometry{QSizeF(8.27, 11.69), QRectF(0, 0, 8.27, 11.39)}, 0.6 + 62.0 / 6, 2},
        RoomCase{"below the page", PageGeometry::letter(), 11.5, 0}),
    [](const auto &info) {
        return marvola::testing::paramName(
            std::string(info.param.paper) + " " + std::to_string(info.param.linesLeft) + " left");
    });

} // namespace
