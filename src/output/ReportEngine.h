// The report engine: runs the callbacks on a canvas that composes pages of positioned texts.
#pragma once

#include "output/ReportCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPaintDevice;
class QPagedPaintDevice;

namespace marvola {

struct ReportFont
{
    QString name = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;

    bool operator==(const ReportFont &) const = default;
};

// Size of the paper and the area the device can print on, in inches from the paper's corner.
struct PageGeometry
{
    QSizeF size;
    QRectF printable;

    bool operator==(const PageGeometry &) const = default;

    // A sheet printable to its edges, as the file outputs have.
    static PageGeometry whole(const QPageSize &pageSize);
    static PageGeometry a4();
    static PageGeometry letter();
    // The device's paper size and printable area.
    static PageGeometry of(const QPagedPaintDevice &device);
};

// One printed text: x of its left end and y of its baseline, in inches; line is the line counter
// when it was printed.
struct ReportText
{
    double x = 0;
    double y = 0;
    QString text;
    ReportFont font;
    int line = 0;
};

struct ReportPage
{
    QList<ReportText> texts;
};

struct ReportDocument
{
    PageGeometry geometry;
    QList<ReportPage> pages;
    QString title; // the document title of a file made from it
};

// Text widths and the font's extent below the baseline, in inches.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const ReportFont &font, const QString &text) = 0;
    virtual double descent(const ReportFont &font) = 0;
    virtual double ascent(const ReportFont &font) = 0;
};

// The font a report font is drawn with: Liberation Sans stands in for Arial where Arial is
// missing, with the same widths. No kerning, as the lists were measured without it.
QFont toQFont(const ReportFont &font);

// Measures with the fonts of a paint device (a PDF writer, a printer); without a device, with
// those of a 1200 dpi image, as a file the reader opens elsewhere gets.
class QtTextMeasurer final : public TextMeasurer
{
public:
    explicit QtTextMeasurer(const QPaintDevice *device = nullptr);
    double width(const ReportFont &font, const QString &text) override;
    double descent(const ReportFont &font) override;
    double ascent(const ReportFont &font) override;

private:
    struct Font
    {
        QFontMetricsF metrics;
        // The same names and figures come back list after list.
        QHash<QString, double> widths;
    };
    Font &font(const ReportFont &font);

    QImage m_image;
    const QPaintDevice *m_device;
    double m_dpi;
    QHash<QString, std::shared_ptr<Font>> m_fonts;
    ReportFont m_lastFont;
    Font *m_last = nullptr;
};

// Status of a run: "Generating page %p" while composing, "Printing page %p" while output runs.
struct ReportProgress
{
    std::function<void(int page)> generating;
    std::function<void(int page, int pageCount)> printing;
};

// The canvas of a run: keeps the print state and adds every printed text to the current page.
class DocumentCanvas final : public ReportCanvas
{
public:
    DocumentCanvas(const PageGeometry &geometry, TextMeasurer &measurer,
        std::function<void(ReportCanvas &)> printHeader,
        std::function<void(int page)> pageStarted = {});

    // Begins page 1, running the page header.
    void begin();
    ReportDocument takeDocument();

    void setFont(const QString &name, double points) override;
    void setBold(bool on) override;
    void gotoXY(double x, double y) override;
    void print(const QString &text) override;
    void newLine() override;
    void clearTabs() override;
    void addTab(double left, Align align, double width) override;
    void printTab(const QString &text) override;
    void newPage() override;
    int lineNum() const override { return m_line; }
    int linesLeft() const override;

    double x() const { return m_x; }
    double y() const { return m_y; }

private:
    struct Tab
    {
        double left;
        Align align;
        double width;
    };

    void startPage();
    double lineHeight() const { return m_font.points / 60.0; }
    void emitText(double x, const QString &text);
    QString cutToWidth(const QString &text, double width);

    ReportDocument m_document;
    TextMeasurer &m_measurer;
    std::function<void(ReportCanvas &)> m_printHeader;
    std::function<void(int)> m_pageStarted;
    ReportFont m_font;
    double m_x = 0;
    double m_y = 0;
    int m_line = 1;
    QList<Tab> m_tabs;
    int m_nextTab = 0;
};

// Runs a report: page 1 begins (header), the body runs once, and the pages come back.
ReportDocument generateReport(const PageGeometry &geometry, TextMeasurer &measurer,
    const ReportCallbacks &callbacks, const std::function<void(int page)> &generating = {});

} // namespace marvola
