// Sending composed report pages to a paint device (PDF writer, printer) or an HTML page.
#pragma once

#include "output/ReportEngine.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QIODevice;
class QPagedPaintDevice;

namespace marvola {

// The print job and document title.
QString reportTitle();

// Paints every page; the device's page size should be the document's. On failure the error holds
// the message to show.
bool paintDocument(const ReportDocument &document, QPagedPaintDevice &device, QString &error,
    const std::function<void(int page, int pageCount)> &printing = {});

// One block per page, every text at its position in inches, its font and bold kept.
QString documentToHtml(const ReportDocument &document, TextMeasurer &measurer,
    const std::function<void(int page, int pageCount)> &printing = {});

struct ReportFileResult
{
    bool ok = false;
    int pageCount = 0;
    QString error;
};

// Runs the report into a PDF, measured with the PDF writer's fonts; the pages have no margins.
ReportFileResult renderPdf(const ReportCallbacks &callbacks, QByteArray *pdf,
    const QPageSize &pageSize = QPageSize(QPageSize::A4), const ReportProgress &progress = {});
// The same into a file; the old file stays when the write fails.
ReportFileResult exportPdf(const ReportCallbacks &callbacks, const QString &fileName,
    const QPageSize &pageSize = QPageSize(QPageSize::A4), const ReportProgress &progress = {});
// Runs the report into one HTML page of the given page width.
ReportFileResult renderHtml(const ReportCallbacks &callbacks, QByteArray *html,
    const QPageSize &pageSize = QPageSize(QPageSize::A4), const ReportProgress &progress = {});
ReportFileResult exportHtml(const ReportCallbacks &callbacks, const QString &fileName,
    const QPageSize &pageSize = QPageSize(QPageSize::A4), const ReportProgress &progress = {});

} // namespace marvola
