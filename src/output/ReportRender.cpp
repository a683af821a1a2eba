#include "output/ReportRender.h"

#include "files/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringBuilder>

namespace marvola {

namespace {

constexpr int PdfResolution = 1200;

QString inches(double value)
{
    return QString::number(value, 'f', 3) + QLatin1String("in");
}

QString cssFamilies(const ReportFont &font)
{
    QString families = QLatin1Char('\'') + font.name + QLatin1Char('\'');
    if (font.name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        families += QLatin1String(", 'Liberation Sans'");
    return families + QLatin1String(", sans-serif");
}

QString cssFont(const ReportFont &font)
{
    return QStringLiteral("font-family: %1; font-size: %2pt; font-weight: %3")
        .arg(cssFamilies(font))
        .arg(font.points)
        .arg(font.bold ? QLatin1String("bold") : QLatin1String("normal"));
}

// With line-height 1 a text's baseline lies this far below the top of its box.
double baselineOffset(TextMeasurer &measurer, const ReportFont &font)
{
    const double ascent = measurer.ascent(font);
    const double descent = measurer.descent(font);
    const double em = font.points / 72.0;
    return ascent + (em - (ascent + descent)) / 2;
}

} // namespace

QString reportTitle()
{
    return QStringLiteral("ReportPrinter Report");
}

QString documentTitle(const ReportCallbacks &callbacks)
{
    return callbacks.title.isEmpty() ? QCoreApplication::translate("ResultReport", "Results")
                                     : callbacks.title;
}

bool paintDocument(const ReportDocument &document, QPagedPaintDevice &device, QString &error,
    const std::function<void(int page, int pageCount)> &printing)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QCoreApplication::translate(
            "ReportRender", "The report could not be sent to its destination.");
        return false;
    }
    // The painter starts at the corner of the paint rectangle; the texts are placed from the
    // paper's corner.
    const QPointF origin = device.pageLayout().paintRect(QPageLayout::Inch).topLeft();
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    const int pageCount = static_cast<int>(document.pages.size());
    ReportFont font;
    painter.setFont(toQFont(font));
    for (int p = 0; p < pageCount; ++p) {
        if (printing)
            printing(p + 1, pageCount);
        if (p > 0 && !device.newPage()) {
            error = QCoreApplication::translate(
                "ReportRender", "The report could not be sent to its destination.");
            return false;
        }
        for (const ReportText &text : document.pages.at(p).texts) {
            if (!(text.font == font)) {
                font = text.font;
                painter.setFont(toQFont(font));
            }
            painter.drawText(
                QPointF((text.x - origin.x()) * dpiX, (text.y - origin.y()) * dpiY), text.text);
        }
    }
    return painter.end();
}

QString documentToHtml(const ReportDocument &document, TextMeasurer &measurer,
    const std::function<void(int page, int pageCount)> &printing)
{
    QHash<QString, int> fontClasses;
    QList<ReportFont> fonts;
    QString pages;
    const QSizeF size = document.geometry.size;
    const int pageCount = static_cast<int>(document.pages.size());
    for (int p = 0; p < pageCount; ++p) {
        if (printing)
            printing(p + 1, pageCount);
        pages += QStringLiteral(
            "<div class=\"page\" id=\"page%1\" style=\"width: %2; height: %3\">\n")
                     .arg(p + 1)
                     .arg(inches(size.width()), inches(size.height()));
        for (const ReportText &text : document.pages.at(p).texts) {
            const QString key = cssFont(text.font);
            if (!fontClasses.contains(key)) {
                fontClasses.insert(key, static_cast<int>(fonts.size()));
                fonts.append(text.font);
            }
            const double top = text.y - baselineOffset(measurer, text.font);
            pages += QStringLiteral("<span class=\"f%1\" style=\"left: %2; top: %3\">%4</span>\n")
                         .arg(fontClasses.value(key))
                         .arg(inches(text.x), inches(top), text.text.toHtmlEscaped());
        }
        pages += QLatin1String("</div>\n");
    }

    QString style = QStringLiteral(
        "body { margin: 0; padding: 0.2in; background: #808080; }\n"
        "div.page { position: relative; overflow: hidden; margin: 0 auto 0.2in auto; "
        "background: #ffffff; color: #000000; }\n"
        "div.page span { position: absolute; white-space: pre; line-height: 1; }\n");
    for (int i = 0; i < fonts.size(); ++i)
        style += QStringLiteral(".f%1 { %2; }\n").arg(i).arg(cssFont(fonts.at(i)));

    return QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>")
        % (document.title.isEmpty() ? QCoreApplication::translate("ResultReport", "Results")
                                    : document.title)
              .toHtmlEscaped()
        % QLatin1String("</title>\n<style>\n") % style
        % QLatin1String("</style>\n</head>\n<body>\n") % pages
        % QLatin1String("</body>\n</html>\n");
}

ReportFileResult renderPdf(const ReportCallbacks &callbacks, QByteArray *pdf,
    const QPageSize &pageSize, const ReportProgress &progress)
{
    ReportFileResult result;
    QBuffer buffer(pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(PdfResolution);
    writer.setTitle(documentTitle(callbacks));
    writer.setCreator(QStringLiteral("Marvola"));

    QtTextMeasurer measurer(&writer);
    const ReportDocument document
        = generateReport(PageGeometry::of(writer), measurer, callbacks, progress.generating);
    result.pageCount = static_cast<int>(document.pages.size());
    result.ok = paintDocument(document, writer, result.error, progress.printing);
    return result;
}

ReportFileResult exportPdf(const ReportCallbacks &callbacks, const QString &fileName,
    const QPageSize &pageSize, const ReportProgress &progress)
{
    QByteArray pdf;
    ReportFileResult result = renderPdf(callbacks, &pdf, pageSize, progress);
    if (result.ok)
        result.ok = writeFileSafely(fileName, pdf, result.error);
    return result;
}

ReportFileResult renderHtml(const ReportCallbacks &callbacks, QByteArray *html,
    const QPageSize &pageSize, const ReportProgress &progress)
{
    ReportFileResult result;
    QtTextMeasurer measurer;
    const ReportDocument document
        = generateReport(PageGeometry::whole(pageSize), measurer, callbacks, progress.generating);
    result.pageCount = static_cast<int>(document.pages.size());
    *html = documentToHtml(document, measurer, progress.printing).toUtf8();
    result.ok = true;
    return result;
}

ReportFileResult exportHtml(const ReportCallbacks &callbacks, const QString &fileName,
    const QPageSize &pageSize, const ReportProgress &progress)
{
    QByteArray html;
    ReportFileResult result = renderHtml(callbacks, &html, pageSize, progress);
    if (result.ok)
        result.ok = writeFileSafely(fileName, html, result.error);
    return result;
}

} // namespace marvola
