// The print dialog: which result and relay lists go to the report.
#pragma once

#include "output/PrintLists.h"
#include "output/RelayLists.h"
#include "ui/ReportOutput.h"

#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QPushButton;

namespace marvola {

struct Kilpailu;
struct Tulokset;

// Created once at start: the check boxes keep their state for the whole run.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    PrintDialog(const Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // The result lists checked; the relay lists apart.
    PrintSelection selection() const;
    RelayListSelection relaySelection() const;
    // The report engine; a test replaces its output dialog.
    ReportSystem &reportSystem() { return m_reportSystem; }

    void printSelected();
    void closeDialog();
    void checkAll();
    void uncheckAll();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();
    // The lists went into this PDF or HTML file.
    void fileWritten(const QString &fileName);

private:
    QPushButton *addButton(const char *name, const QString &caption);
    void setAll(bool checked);

    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    std::array<QCheckBox *, PrintListCount> m_boxes{}; // by printing order
    std::array<QCheckBox *, RelayPrintListCount> m_relayBoxes{};
    ReportSystem m_reportSystem;
    const ReportRenderer m_pdfRenderer{ReportRenderer::Pdf,
        QCoreApplication::translate("marvola::PrintDialog", "Adobe Acrobat (PDF)"),
        {QStringLiteral("*.pdf")}};
    const ReportRenderer m_htmlRenderer{ReportRenderer::Html,
        QCoreApplication::translate("marvola::PrintDialog", "Web Page (HTML)"),
        {QStringLiteral("*.html"), QStringLiteral("*.htm")}};
};

} // namespace marvola
