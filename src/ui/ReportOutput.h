// The report engine's windows and destinations: the output dialog, the status
// window "Report Status", the printer and the preview "Esikatselu".
#pragma once

#include "output/ReportEngine.h"
#include "output/ReportRender.h"
#include "output/ResultReport.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QRadioButton;

namespace marvola {

enum class ReportDestination { Printer, Preview, File };

// A file format of the output dialog: its name and the file name patterns it offers.
struct ReportRenderer
{
    enum Format { Pdf, Html };
    Format format;
    QString name;
    QStringList patterns;

    // The file dialog's filter, as "Adobe Acrobat (PDF) (*.pdf)".
    QString filter() const;
};

struct ReportOutputChoice
{
    ReportDestination destination = ReportDestination::Preview;
    QString printerName;
    int renderer = 0; // index into the renderers of the run
    QString fileName;
};

// The output choice: printer, preview (the default) or file, and the file's format and name.
class ReportOutputDialog : public QDialog
{
    Q_OBJECT

public:
    ReportOutputDialog(const QList<ReportRenderer> &renderers, QWidget *parent = nullptr);

    ReportOutputChoice choice() const;

private:
    void browse();
    void accept() override;
    void updateEnabled();

    QList<ReportRenderer> m_renderers;
    QRadioButton *m_printer;
    QRadioButton *m_preview;
    QRadioButton *m_file;
    QComboBox *m_printerName;
    QComboBox *m_format;
    QLineEdit *m_fileName;
};

// "Report Status": the page being generated or printed, with a progress bar.
class ReportStatusWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReportStatusWindow(QWidget *parent = nullptr);

    void generating(int page, int listsDone, int listsTotal);
    void printing(int page, int pageCount);
    QString statusText() const;

private:
    void showStatus(const QString &pattern, int page, int done, int total);

    QLabel *m_status;
    QProgressBar *m_progress;
};

// The report system of the print dialog: asks for the destination, composes the pages with the
// destination's fonts and page size, and sends them there. Failures are shown as messages.
class ReportSystem
{
public:
    using Chooser = std::function<std::optional<ReportOutputChoice>(QWidget *parent)>;

    void addRenderer(const ReportRenderer &renderer) { m_renderers << renderer; }
    const QList<ReportRenderer> &renderers() const { return m_renderers; }
    // Replaces the output dialog, so a test chooses without a window.
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

    // Returns false when the output dialog was cancelled or the output failed.
    bool execute(QWidget *parent, ResultReport &report);
    // The same for any report; listProgress, when given, is handed the status window's list
    // counter while the report runs (and an empty one after it).
    using ListProgress = std::function<void(int done, int total)>;
    bool execute(QWidget *parent, const ReportCallbacks &callbacks,
        const std::function<void(ListProgress)> &listProgress = {});
    // The file the last output went to; empty when it went to a printer or the preview.
    QString writtenFile() const { return m_writtenFile; }

private:
    std::optional<ReportOutputChoice> choose(QWidget *parent);

    QList<ReportRenderer> m_renderers;
    Chooser m_chooser;
    std::optional<ReportOutputChoice> m_lastChoice;
    QString m_writtenFile;
};

// A printer for the report: the chosen printer's page size, A4 when it has none; the pages are
// placed from the paper's corner.
void setUpReportPrinter(QPrinter &printer, const QString &printerName);

// Sizes the preview to 100 % and titles it "Esikatselu".
void setUpPreview(QDialog &preview);

} // namespace marvola
