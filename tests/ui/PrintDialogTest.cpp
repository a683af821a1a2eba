// The print dialog "Print" and the report engine's windows: output dialog, status, preview.
#include "ui/PrintDialog.h"

#include "ScriptedPrompts.h"
#include "model/Registers.h"
#include "ranking/Tables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::ScriptedPrompts;

namespace {

// With MARVOLA_SNAPSHOTS set to a folder, the windows are saved there as PNG files to look at.
void snapshot(QWidget &window, const char *name)
{
    const QString folder = qEnvironmentVariable("MARVOLA_SNAPSHOTS");
    if (folder.isEmpty())
        return;
    window.show();
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(QLatin1String(name) + QLatin1String(".png")));
}

// Runs what is already posted to the event loop, such as a preview's set-up after its first
// showing: a zero timer started now runs after it.
void runPostedCalls()
{
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    EXPECT_TRUE(QTest::qWaitFor([&ran] { return ran; }));
}

class PrintDialogTest : public ::testing::Test
{
protected:
    QCheckBox *box(const char *name)
    {
        auto *found = dialog.findChild<QCheckBox *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *button)
    {
        auto *found = dialog.findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }
    // The next Print writes this file instead of asking.
    void printTo(const QString &fileName, int renderer)
    {
        dialog.reportSystem().setChooser([=](QWidget *) {
            ReportOutputChoice choice;
            choice.destination = ReportDestination::File;
            choice.renderer = renderer;
            choice.fileName = fileName;
            return std::optional(choice);
        });
    }

    ScriptedPrompts prompts;
    std::unique_ptr<Kilpailu> kilpailu = std::make_unique<Kilpailu>();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    PrintDialog dialog{*kilpailu, *tulokset};
    QTemporaryDir dir;
};

TEST_F(PrintDialogTest, CheckBoxesInTheirGroupBoxesNoneChecked)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print"));
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>();
    EXPECT_EQ(boxes.size(), 28 + RelayPrintListCount);
    for (const PrintList &list : PrintLists) {
        QCheckBox *check = box(list.checkBox);
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text(), QLatin1String(list.caption));
        EXPECT_FALSE(check->isChecked());
        auto *group = qobject_cast<QGroupBox *>(check->parentWidget());
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title(), QLatin1String(PrintBoxes[static_cast<size_t>(list.box)]));
    }
    // The relay lists in a box of their own, under the result lists.
    QStringList relayLists;
    for (const RelayPrintList &list : RelayPrintLists) {
        QCheckBox *check = box(list.checkBox);
        ASSERT_NE(check, nullptr) << list.checkBox;
        relayLists << check->text();
        EXPECT_EQ(
            qobject_cast<QGroupBox *>(check->parentWidget())->title(), QStringLiteral("Relays"));
    }
    EXPECT_EQ(relayLists,
        (QStringList{"Start list by relay", "Start list by club", "Start list by competitor",
            "Cards not returned"}));
    // Within a box, the dialog's own order: BBPR, BBPC, BBPP, BBPS, BBPU, BBP Aggr, BBP Team.
    QStringList bbp;
    for (QCheckBox *check : box("BBPRListBox")->parentWidget()->findChildren<QCheckBox *>())
        bbp << check->text();
    EXPECT_EQ(bbp, (QStringList{"BBPR", "BBPC", "BBPP", "BBPS", "BBPU", "BBP Aggr", "BBP Team"}));
    for (const char *button :
        {"printButton", "closeButton", "selectAllButton", "clearSelectionButton"})
        EXPECT_NE(dialog.findChild<QPushButton *>(QLatin1String(button)), nullptr) << button;
    snapshot(dialog, "print-dialog");
}

// Select All takes the result lists, as --lists all does; Clear takes every box.
TEST_F(PrintDialogTest, SelectAllClearAndTheStateKeptBetweenOpenings)
{
    box("startListByClubBox")->setChecked(true);
    click("selectAllButton");
    EXPECT_EQ(dialog.selection().count(), 28u);
    EXPECT_EQ(dialog.relaySelection(), RelayListSelection("0010"));
    click("clearSelectionButton");
    EXPECT_EQ(dialog.selection().count(), 0u);
    EXPECT_EQ(dialog.relaySelection().count(), 0u);

    box("SBRLListBox")->setChecked(true);
    box("StandingTeamListBox")->setChecked(true);
    dialog.show();
    click("closeButton");
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_TRUE(box("SBRLListBox")->isChecked());
    EXPECT_TRUE(box("StandingTeamListBox")->isChecked());
    EXPECT_EQ(dialog.selection().count(), 2u);
}

TEST_F(PrintDialogTest, PrintWritesTheCheckedListsToTheChosenFile)
{
    kilpailu->tiedot.Seura = QStringLiteral("HyMAS");
    tulokset->laji(BBPR)[1].Nimi.setText(QStringLiteral("Aalto Matti"));
    tulokset->standings(TeamGroup::FP)[1].Nimi.setText(QStringLiteral("Kotka FP"));
    box("BBPRListBox")->setChecked(true);
    box("FPTeamListBox")->setChecked(true);

    const QString html = dir.filePath(QStringLiteral("lists.html"));
    printTo(html, 1);
    click("printButton");
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_EQ(text.count(QStringLiteral("<div class=\"page\"")), 2) << "no empty last page";
    EXPECT_TRUE(text.contains(QStringLiteral(">Aalto Matti<")));
    EXPECT_TRUE(text.contains(QStringLiteral(">Kotka<")));
    EXPECT_EQ(tulokset->standings(TeamGroup::FP)[1].Sijoitus, 0) << "printing writes nothing";

    // A start list goes after them, from the match's places.
    kilpailu->relayPlan.relays << Relay{2, {BBPR}, 8 * 60, 45, 10};
    const int slot = *kilpailu->addCompetitor(
        QStringLiteral("Berg Anna"), QStringLiteral("Akaa"), QStringLiteral("FIN"));
    kilpailu->assignments[{kilpailu->kilpailijat[slot].Numero, BBPR}] = {2, 4, false};
    box("startListByRelayBox")->setChecked(true);
    click("printButton");
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString withStartList = QString::fromUtf8(file.readAll());
    EXPECT_EQ(withStartList.count(QStringLiteral("<div class=\"page\"")), 3);
    EXPECT_TRUE(withStartList.contains(QStringLiteral(">Relay 2, 08:00, 45 min: BBPR<")));
    EXPECT_TRUE(withStartList.contains(QStringLiteral(">Berg Anna<")));
    box("startListByRelayBox")->setChecked(false);

    const QString pdf = dir.filePath(QStringLiteral("lists.pdf"));
    printTo(pdf, 0);
    QSignalSpy written(&dialog, &PrintDialog::fileWritten);
    click("printButton");
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().contains("/Count 2"));
    ASSERT_EQ(written.count(), 1) << "the main window names the file in its status bar";
    EXPECT_EQ(written.first().first().toString(), pdf);
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(PrintDialogTest, CancelledOutputDialogGeneratesNothing)
{
    box("BBPRListBox")->setChecked(true);
    bool asked = false;
    dialog.reportSystem().setChooser([&](QWidget *) {
        asked = true;
        return std::optional<ReportOutputChoice>();
    });
    click("printButton");
    EXPECT_TRUE(asked);
    EXPECT_EQ(tulokset->standings(TeamGroup::FP)[1].Sijoitus, 0);
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(PrintDialogTest, FailedFileOutputShowsTheError)
{
    prompts.expectAnyError(); // the file system's own message
    printTo(dir.filePath(QStringLiteral("no/such/folder/lists.pdf")), 0);
    click("printButton");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.first().contains(QStringLiteral("lists.pdf")));
}

TEST_F(PrintDialogTest, PreviewShowsTheComposedPages)
{
    kilpailu->tiedot.Seura = QStringLiteral("HyMAS");
    kilpailu->tiedot.Paikka = QStringLiteral("Hyvinkää");
    for (int r = 1; r <= 70; ++r) {
        TTulosRivi &row = tulokset->laji(SBRS)[r];
        row.Sijoitus = r;
        row.Nimi.setText(QStringLiteral("Shooter %1").arg(r));
        row.Luokka.setText(r <= 3 ? QStringLiteral("Int") : QStringLiteral("A"));
        row.Yhteensa = 40 - r / 2;
    }
    box("SBRSListBox")->setChecked(true);
    dialog.reportSystem().setChooser(
        [](QWidget *) { return std::optional(ReportOutputChoice{}); }); // the default: preview
    QString title;
    qreal zoom = 0;
    int pages = 0;
    // The preview opens modally once the lists are composed: a poll finds it there.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        poll.stop();
        runPostedCalls();
        title = preview->windowTitle();
        auto *widget = preview->findChild<QPrintPreviewWidget *>();
        zoom = widget->zoomFactor();
        pages = widget->pageCount();
        snapshot(*preview, "preview");
        preview->reject();
    });
    poll.start();
    click("printButton");
    EXPECT_FALSE(poll.isActive()) << "no preview opened";
    poll.stop();
    EXPECT_EQ(title, QStringLiteral("Esikatselu"));
    EXPECT_DOUBLE_EQ(zoom, 1.0);
    EXPECT_EQ(pages, 2); // a page break between the lists, none after the last
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST(ReportOutputDialog, PreviewByDefaultAndTheTwoFileFormats)
{
    ScriptedPrompts prompts;
    const QList<ReportRenderer> renderers
        = {{ReportRenderer::Pdf, QStringLiteral("Adobe Acrobat (PDF)"), {QStringLiteral("*.pdf")}},
            {ReportRenderer::Html, QStringLiteral("Web Page (HTML)"),
                {QStringLiteral("*.html"), QStringLiteral("*.htm")}}};
    ReportOutputDialog output(renderers);
    EXPECT_EQ(output.windowTitle(), QStringLiteral("Tulostusvalinnat")) << "no internal name";
    EXPECT_EQ(output.choice().destination, ReportDestination::Preview);
    auto *format = output.findChild<QComboBox *>(QStringLiteral("FileFormat"));
    ASSERT_NE(format, nullptr);
    ASSERT_EQ(format->count(), 2);
    EXPECT_EQ(format->itemText(0), QStringLiteral("Adobe Acrobat (PDF)"));
    EXPECT_EQ(format->itemText(1), QStringLiteral("Web Page (HTML)"));
    snapshot(output, "output-dialog");

    // Choosing the file through Browse... selects the file destination, the format's filter
    // first.
    format->setCurrentIndex(1);
    prompts.fileAnswers << QStringLiteral("/tmp/lists.html");
    output.findChild<QPushButton *>(QStringLiteral("BrowseButton"))->click();
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs.first().filter,
        QStringLiteral("Web Page (HTML) (*.html *.htm);;Adobe Acrobat (PDF) (*.pdf)"));
    EXPECT_EQ(prompts.fileDialogs.first().defaultSuffix, QStringLiteral("html"));
    const ReportOutputChoice choice = output.choice();
    EXPECT_EQ(choice.destination, ReportDestination::File);
    EXPECT_EQ(choice.renderer, 1);
    EXPECT_EQ(choice.fileName, QStringLiteral("/tmp/lists.html"));
}

TEST(ReportStatusWindow, GeneratingAndPrintingPages)
{
    ReportStatusWindow status;
    EXPECT_EQ(status.windowTitle(), QStringLiteral("Report Status"));
    status.generating(3, 1, 4);
    EXPECT_EQ(status.statusText(), QStringLiteral("Generating page 3"));
    snapshot(status, "report-status");
    status.printing(12, 40);
    EXPECT_EQ(status.statusText(), QStringLiteral("Printing page 12"));
}

TEST(ReportPreview, TitledEsikatseluAtFullSize)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpReportPrinter(printer, QString());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4); // no printer here
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(printer.docName(), QStringLiteral("ReportPrinter Report"));

    QPrintPreviewDialog preview(&printer);
    int paints = 0;
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *) { ++paints; });
    setUpPreview(preview);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    runPostedCalls();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Esikatselu"));
    auto *widget = preview.findChild<QPrintPreviewWidget *>();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(widget->zoomFactor(), 1.0);
    EXPECT_GE(paints, 1);
    preview.hide();
}

} // namespace
