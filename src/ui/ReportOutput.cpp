#include "ui/ReportOutput.h"

#include "ui/Prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace marvola {

QString ReportRenderer::filter() const
{
    return QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
}

ReportOutputDialog::ReportOutputDialog(const QList<ReportRenderer> &renderers, QWidget *parent)
    : QDialog(parent)
    , m_renderers(renderers)
{
    setWindowTitle(tr("Tulostusvalinnat"));
    setObjectName(QStringLiteral("reportOutputDialog"));

    auto *destination = new QGroupBox(tr("Report Destination"), this);
    m_printer = new QRadioButton(tr("Printer"), destination);
    m_printer->setObjectName(QStringLiteral("PrinterButton"));
    m_preview = new QRadioButton(tr("Preview"), destination);
    m_preview->setObjectName(QStringLiteral("PreviewButton"));
    m_file = new QRadioButton(tr("File"), destination);
    m_file->setObjectName(QStringLiteral("FileButton"));
    m_preview->setChecked(true);

    m_printerName = new QComboBox(destination);
    m_printerName->setObjectName(QStringLiteral("PrinterName"));
    m_printerName->addItems(QPrinterInfo::availablePrinterNames());
    m_printerName->setCurrentText(QPrinterInfo::defaultPrinterName());
    // Without a printer the report can still be previewed or written to a file.
    m_printer->setEnabled(m_printerName->count() > 0);

    m_format = new QComboBox(destination);
    m_format->setObjectName(QStringLiteral("FileFormat"));
    for (const ReportRenderer &renderer : m_renderers)
        m_format->addItem(renderer.name);
    m_fileName = new QLineEdit(destination);
    m_fileName->setObjectName(QStringLiteral("FileName"));
    auto *browse = new QPushButton(tr("Browse..."), destination);
    browse->setObjectName(QStringLiteral("BrowseButton"));

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(browse);
    auto *form = new QFormLayout(destination);
    form->addRow(m_printer, m_printerName);
    form->addRow(m_preview);
    form->addRow(m_file);
    form->addRow(tr("Format"), m_format);
    form->addRow(tr("File name"), fileRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destination);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ReportOutputDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &ReportOutputDialog::browse);
    for (QRadioButton *button : {m_printer, m_preview, m_file})
        connect(button, &QRadioButton::toggled, this, &ReportOutputDialog::updateEnabled);
    updateEnabled();
}

void ReportOutputDialog::updateEnabled()
{
    m_printerName->setEnabled(m_printer->isChecked());
    m_format->setEnabled(m_file->isChecked());
    m_fileName->setEnabled(m_file->isChecked());
}

void ReportOutputDialog::browse()
{
    QStringList filters;
    for (const ReportRenderer &renderer : m_renderers)
        filters << renderer.filter();
    const int format = std::max(0, m_format->currentIndex());
    // The chosen format's filter first, so the dialog opens on it.
    filters.move(format, 0);
    const QString suffix = m_renderers.value(format).patterns.value(0).section(QLatin1Char('.'), 1);
    const QString name = prompts().saveFileName(this,
        FileDialogRequest{tr("Save As"), filters.join(QLatin1String(";;")), suffix, QString()});
    if (!name.isEmpty()) {
        m_fileName->setText(name);
        m_file->setChecked(true);
    }
}

void ReportOutputDialog::accept()
{
    if (m_file->isChecked() && m_fileName->text().trimmed().isEmpty()) {
        browse();
        if (m_fileName->text().trimmed().isEmpty())
            return;
    }
    QDialog::accept();
}

ReportOutputChoice ReportOutputDialog::choice() const
{
    ReportOutputChoice choice;
    if (m_printer->isChecked())
        choice.destination = ReportDestination::Printer;
    else if (m_file->isChecked())
        choice.destination = ReportDestination::File;
    choice.printerName = m_printerName->currentText();
    choice.renderer = std::max(0, m_format->currentIndex());
    choice.fileName = m_fileName->text().trimmed();
    return choice;
}

ReportStatusWindow::ReportStatusWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Report Status"));
    setObjectName(QStringLiteral("ReportStatus"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusText"));
    m_status->setMinimumWidth(240);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("StatusProgress"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
}

void ReportStatusWindow::showStatus(const QString &pattern, int page, int done, int total)
{
    m_status->setText(QString(pattern).replace(QLatin1String("%p"), QString::number(page)));
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    // One thread: let the window paint between pages.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ReportStatusWindow::generating(int page, int listsDone, int listsTotal)
{
    showStatus(tr("Generating page %p"), page, listsDone, listsTotal);
}

void ReportStatusWindow::printing(int page, int pageCount)
{
    showStatus(tr("Printing page %p"), page, page, pageCount);
}

QString ReportStatusWindow::statusText() const
{
    return m_status->text();
}

void setUpReportPrinter(QPrinter &printer, const QString &printerName)
{
    if (!printerName.isEmpty())
        printer.setPrinterName(printerName);
    const QPrinterInfo info(printer);
    const QPageSize size = info.isNull() ? QPageSize() : info.defaultPageSize();
    printer.setPageSize(size.isValid() ? size : QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(reportTitle());
}

void setUpPreview(QDialog &preview)
{
    preview.setWindowTitle(QCoreApplication::translate("marvola::ReportOutput", "Esikatselu"));
    // Room for a whole page width at 100 %.
    if (const QScreen *screen = preview.screen()) {
        const QRect available = screen->availableGeometry();
        preview.resize(std::min(960, available.width()), available.height() * 9 / 10);
    }
    const auto zoom100 = [&preview] {
        if (auto *widget = preview.findChild<QPrintPreviewWidget *>()) {
            widget->setZoomMode(QPrintPreviewWidget::CustomZoom);
            widget->setZoomFactor(1.0);
        }
        // The fit buttons no longer apply.
        if (auto *fitPage = preview.findChild<QAction *>(QStringLiteral("fitPageAction"))) {
            QActionGroup *group = fitPage->actionGroup();
            if (group)
                group->setExclusive(false);
            fitPage->setChecked(false);
            if (auto *fitWidth = preview.findChild<QAction *>(QStringLiteral("fitWidthAction")))
                fitWidth->setChecked(false);
            if (group)
                group->setExclusive(true);
        }
    };
    zoom100();
    // The dialog fits the page to its window when it first shows; 100 % comes after that.
    QTimer::singleShot(0, &preview, zoom100);
}

std::optional<ReportOutputChoice> ReportSystem::choose(QWidget *parent)
{
    if (m_chooser)
        return m_chooser(parent);
    ReportOutputDialog dialog(m_renderers, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

namespace {

// Composes the pages with the printer's fonts and page.
ReportDocument composeFor(
    QPrinter &printer, const ReportCallbacks &callbacks, const std::function<void(int)> &generating)
{
    QtTextMeasurer measurer(&printer);
    return generateReport(PageGeometry::of(printer), measurer, callbacks, generating);
}

} // namespace

bool ReportSystem::execute(QWidget *parent, ResultReport &report)
{
    return execute(parent, report.callbacks(),
        [&report](ListProgress progress) { report.setListProgress(std::move(progress)); });
}

bool ReportSystem::execute(QWidget *parent, const ReportCallbacks &callbacks,
    const std::function<void(ListProgress)> &listProgress)
{
    m_writtenFile.clear();
    const std::optional<ReportOutputChoice> choice = choose(parent);
    if (!choice)
        return false;

    ReportStatusWindow status(parent);
    status.show();
    int page = 0, done = 0, total = 0;
    if (listProgress)
        listProgress([&](int listsDone, int listsTotal) {
            done = listsDone;
            total = listsTotal;
            status.generating(page, done, total);
        });
    ReportProgress progress;
    progress.generating = [&](int p) {
        page = p;
        status.generating(page, done, total);
    };
    progress.printing = [&](int p, int count) { status.printing(p, count); };

    QString error;
    bool ok = true;
    switch (choice->destination) {
    case ReportDestination::File: {
        const ReportRenderer renderer = m_renderers.value(choice->renderer);
        const ReportFileResult result = renderer.format == ReportRenderer::Html
            ? exportHtml(callbacks, choice->fileName, QPageSize(QPageSize::A4), progress)
            : exportPdf(callbacks, choice->fileName, QPageSize(QPageSize::A4), progress);
        ok = result.ok;
        error = result.error;
        if (ok)
            m_writtenFile = choice->fileName;
        break;
    }
    case ReportDestination::Printer: {
        QPrinter printer(QPrinter::HighResolution);
        setUpReportPrinter(printer, choice->printerName);
        const ReportDocument document = composeFor(printer, callbacks, progress.generating);
        ok = paintDocument(document, printer, error, progress.printing);
        break;
    }
    case ReportDestination::Preview: {
        QPrinter printer(QPrinter::HighResolution);
        setUpReportPrinter(printer, choice->printerName);
        ReportDocument document = composeFor(printer, callbacks, progress.generating);
        status.hide();
        QPrintPreviewDialog preview(&printer, parent);
        setUpPreview(preview);
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *target) {
                // A page set up anew in the preview is composed anew.
                if (PageGeometry::of(*target) != document.geometry)
                    document = composeFor(*target, callbacks, {});
                if (!paintDocument(document, *target, error))
                    ok = false;
            });
        preview.exec();
        break;
    }
    }
    if (listProgress)
        listProgress({});
    status.hide();
    if (!ok && !error.isEmpty())
        prompts().error(parent, error);
    return ok;
}

} // namespace marvola
