#include "output/ReportEngine.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <cmath>

namespace marvola {

namespace {

constexpr double MetersPerInch = 0.0254;
constexpr int MeasuringDpi = 1200;
// Widths are compared with a little slack, so a text that fits exactly is not cut.
constexpr double Slack = 1e-9;

QString fontKey(const ReportFont &font)
{
    return QStringLiteral("%1|%2|%3").arg(font.name).arg(font.points).arg(font.bold);
}

// Qt rounds its table of page sizes in inches; the definition size is exact.
QSizeF exactInches(const QPageSize &pageSize)
{
    const QSizeF size = pageSize.definitionSize();
    switch (pageSize.definitionUnits()) {
    case QPageSize::Millimeter: return size / 25.4;
    case QPageSize::Point: return size / 72.0;
    case QPageSize::Inch: return size;
    default: return pageSize.sizePoints().toSizeF() / 72.0;
    }
}

} // namespace

PageGeometry PageGeometry::whole(const QPageSize &pageSize)
{
    const QSizeF size = exactInches(pageSize);
    return {size, QRectF(QPointF(0, 0), size)};
}

PageGeometry PageGeometry::a4()
{
    return whole(QPageSize(QPageSize::A4));
}

PageGeometry PageGeometry::letter()
{
    return whole(QPageSize(QPageSize::Letter));
}

PageGeometry PageGeometry::of(const QPagedPaintDevice &device)
{
    // The device's own page: a PDF page is a whole number of points.
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QSizeF size = layout.fullRectPoints().size().toSizeF() / 72.0;
    const QMarginsF hardware = layout.minimumMargins() / 72.0;
    return {size, QRectF(QPointF(0, 0), size).marginsRemoved(hardware)};
}

QFont toQFont(const ReportFont &font)
{
    QFont qfont;
    QStringList families{font.name};
    if (font.name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        families << QStringLiteral("Liberation Sans");
    qfont.setFamilies(families);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setKerning(false);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

QtTextMeasurer::QtTextMeasurer(const QPaintDevice *device)
    : m_device(device)
{
    if (!m_device) {
        m_image = QImage(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(MeasuringDpi / MetersPerInch));
        m_image.setDotsPerMeterX(dotsPerMeter);
        m_image.setDotsPerMeterY(dotsPerMeter);
        m_device = &m_image;
    }
    m_dpi = m_device->logicalDpiY();
}

QtTextMeasurer::Font &QtTextMeasurer::font(const ReportFont &font)
{
    if (m_last && font == m_lastFont)
        return *m_last;
    const QString key = fontKey(font);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end())
        it = m_fonts.insert(
            key, std::make_shared<Font>(Font{QFontMetricsF(toQFont(font), m_device), {}}));
    m_lastFont = font;
    m_last = it->get();
    return *m_last;
}

double QtTextMeasurer::width(const ReportFont &reportFont, const QString &text)
{
    Font &f = font(reportFont);
    auto it = f.widths.find(text);
    if (it == f.widths.end())
        it = f.widths.insert(text, f.metrics.horizontalAdvance(text) / m_dpi);
    return *it;
}

double QtTextMeasurer::descent(const ReportFont &reportFont)
{
    return font(reportFont).metrics.descent() / m_dpi;
}

double QtTextMeasurer::ascent(const ReportFont &reportFont)
{
    return font(reportFont).metrics.ascent() / m_dpi;
}

DocumentCanvas::DocumentCanvas(const PageGeometry &geometry, TextMeasurer &measurer,
    std::function<void(ReportCanvas &)> printHeader, std::function<void(int page)> pageStarted)
    : m_measurer(measurer)
    , m_printHeader(std::move(printHeader))
    , m_pageStarted(std::move(pageStarted))
{
    m_document.geometry = geometry;
}

void DocumentCanvas::begin()
{
    m_document.pages.clear();
    startPage();
}

ReportDocument DocumentCanvas::takeDocument()
{
    return std::exchange(m_document, ReportDocument{m_document.geometry, {}, {}});
}

void DocumentCanvas::startPage()
{
    m_document.pages.append(ReportPage{});
    m_line = 1;
    m_x = m_document.geometry.printable.left();
    m_y = m_document.geometry.printable.top();
    if (m_pageStarted)
        m_pageStarted(static_cast<int>(m_document.pages.size()));
    if (m_printHeader)
        m_printHeader(*this);
}

void DocumentCanvas::setFont(const QString &name, double points)
{
    m_font.name = name;
    m_font.points = points;
}

void DocumentCanvas::setBold(bool on)
{
    m_font.bold = on;
}

void DocumentCanvas::gotoXY(double x, double y)
{
    m_x = x;
    m_y = y;
}

void DocumentCanvas::emitText(double x, const QString &text)
{
    if (text.isEmpty())
        return;
    m_document.pages.last().texts.append(ReportText{x, m_y, text, m_font, m_line});
}

void DocumentCanvas::print(const QString &text)
{
    emitText(m_x, text);
    m_x += m_measurer.width(m_font, text);
}

void DocumentCanvas::newLine()
{
    m_x = m_document.geometry.printable.left();
    m_y += lineHeight();
    ++m_line;
    m_nextTab = 0;
}

void DocumentCanvas::clearTabs()
{
    m_tabs.clear();
    m_nextTab = 0;
}

void DocumentCanvas::addTab(double left, Align align, double width)
{
    m_tabs.append(Tab{left, align, width});
}

QString DocumentCanvas::cutToWidth(const QString &text, double width)
{
    QString cut = text;
    while (!cut.isEmpty() && m_measurer.width(m_font, cut) > width + Slack)
        cut.chop(1);
    return cut;
}

void DocumentCanvas::printTab(const QString &text)
{
    // A text beyond the last column has no place on the line.
    if (m_nextTab >= m_tabs.size())
        return;
    const Tab tab = m_tabs.at(m_nextTab++);
    const QString cut = cutToWidth(text, tab.width);
    const double textWidth = m_measurer.width(m_font, cut);
    double x = tab.left;
    if (tab.align == Align::Right)
        x = tab.left + tab.width - textWidth;
    else if (tab.align == Align::Center)
        x = tab.left + (tab.width - textWidth) / 2;
    emitText(x, cut);
    m_x = x + textWidth;
}

void DocumentCanvas::newPage()
{
    startPage();
}

int DocumentCanvas::linesLeft() const
{
    const double room = m_document.geometry.printable.bottom() - m_y - m_measurer.descent(m_font);
    return std::max(0, static_cast<int>(std::floor(room / lineHeight() + Slack)));
}

ReportDocument generateReport(const PageGeometry &geometry, TextMeasurer &measurer,
    const ReportCallbacks &callbacks, const std::function<void(int page)> &generating)
{
    DocumentCanvas canvas(geometry, measurer, callbacks.printHeader, generating);
    canvas.begin();
    if (callbacks.print)
        callbacks.print(canvas);
    ReportDocument document = canvas.takeDocument();
    document.title = callbacks.title;
    return document;
}

} // namespace marvola
