// The print dialog: which result lists go to the report.
#pragma once

#include "output/PrintLists.h"
#include "ui/ReportOutput.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QCheckBox;
class QPushButton;

namespace marvola {

struct Kilpailu;
struct Tulokset;

// Created once at start: the check boxes keep their state for the whole run.
class TTulostus : public QDialog
{
    Q_OBJECT

public:
    TTulostus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    PrintSelection selection() const;
    // The report engine; a test replaces its output dialog.
    ReportSystem &reportSystem() { return RvSystem1; }

    void TulostaButton1Click();
    void LopetaButton2Click();
    void ValitsekaikkiButton1Click();
    void PoistavalinnatButton1Click();

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    QPushButton *addButton(const char *name, const QString &caption);
    void setAll(bool checked);

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    std::array<QCheckBox *, PrintListCount> m_boxes{}; // by printing order
    ReportSystem RvSystem1;
    const ReportRenderer RvRenderPDF1{
        ReportRenderer::Pdf, QStringLiteral("Adobe Acrobat (PDF)"), {QStringLiteral("*.pdf")}};
    const ReportRenderer RvRenderHTML1{ReportRenderer::Html, QStringLiteral("Web Page (HTML)"),
        {QStringLiteral("*.html"), QStringLiteral("*.htm")}};
};

} // namespace marvola
