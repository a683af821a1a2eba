#include "ui/MainWindow.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "output/CsvExport.h"
#include "ranking/Ranking.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/DatabaseDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/EditTeamDialog.h"
#include "ui/MatchInfoDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/PrintDialog.h"
#include "ui/Prompts.h"
#include "ui/ReportList.h"
#include "ui/ResultEntryDialog.h"
#include "ui/TeamsDialog.h"
#include "upload/Connection.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCollator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <type_traits>

namespace marvola {

namespace {

const QString ExitQuestion = QStringLiteral("Talletitko tiedot?");
const QString MatchFilter = QStringLiteral("Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)");

FileDialogRequest matchFileRequest(const QString &title)
{
    return {title, MatchFilter, QStringLiteral("mrv")};
}

const QStringList CompetitorColumns{QStringLiteral("Competitor Name"), QStringLiteral("Nro"),
    QStringLiteral("Club"), QStringLiteral("Nat."), QStringLiteral("Disciplines")};

// The aggregate that closes a group's tabs ("BBP Agg" after BBPU).
Aggregate aggregateOfGroup(Group g)
{
    const QLatin1String code(Groups[static_cast<size_t>(ix(g))].code);
    for (const AggregateInfo &info : Aggregates)
        if (code == QLatin1String(info.code))
            return info.aggregate;
    return Aggregate::Standing;
}

// The codes of the entered disciplines, each followed by one blank.
QString disciplinesText(const TKilpailija &k)
{
    QString text;
    for (Laji d : Orders::DisciplinesText)
        if (k.Osallistuu[d])
            text += lajiCode(d) + QLatin1Char(' ');
    return text;
}

} // namespace

TForm1::TForm1(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QMainWindow(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Marvola"));
    buildToolbar();
    buildMenu();
    buildTabs();
    resize(1240, 720);
    FormCreate();
}

void TForm1::FormCreate()
{
    m_kilpailu.TyhjennaKilpRekisteri();
}

void TForm1::buildToolbar()
{
    auto *toolbar = addToolBar(QStringLiteral("Toolbar"));
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->setMovable(false);
    // Real buttons, so the toolbar reads as a row of commands rather than of labels.
    const auto add = [&](const char *name, const QString &caption, auto handler) {
        auto *button = new QPushButton(caption, toolbar);
        button->setObjectName(QLatin1String(name));
        button->setMinimumWidth(84);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, handler);
        toolbar->addWidget(button);
    };
    add("Button2", QStringLiteral("Competitors"), [this] { openModal(m_dialogs.KilpSyotto); });
    add("Button3", QStringLiteral("Results"), [this] { openModal(m_dialogs.TulostenLisays); });
    add("Button4", QStringLiteral("Print"), [this] { openModal(m_dialogs.Tulostus); });
    toolbar->addSeparator();
    add("BitBtn2", QStringLiteral("Open File"), [this] { LoadFileClick(); });
    add("BitBtn3", QStringLiteral("Save File"), [this] { SaveFileClick(); });
    toolbar->addSeparator();
    add("BitBtn4", QStringLiteral("Match"), [this] { openModal(m_dialogs.KilpPerustiedot); });
    add("JoukkueetNappi", QStringLiteral("Teams"), [this] { openModal(m_dialogs.Joukkueet); });
    toolbar->addSeparator();
    add("Button5", QStringLiteral("Exit"), [this] { LopetaClick(); });
}

void TForm1::buildMenu()
{
    const auto add = [&](QMenu *menu, const char *name, const QString &caption, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    add(file, "Open1", QStringLiteral("Open..."), [this] { LoadFileClick(); });
    add(file, "Save1", QStringLiteral("Save..."), [this] { SaveFileClick(); });
    add(file, "Export1", QStringLiteral("Export"), [this] { Export1Click(); });
    add(file, "Exit2", QStringLiteral("Exit"), [this] { Exit2Click(); });
    add(file, "Information1", QStringLiteral("Information"), [this] { Information1Click(); });
    QMenu *competitors = menuBar()->addMenu(QStringLiteral("Competitors"));
    competitors->setObjectName(QStringLiteral("Competitors1"));
    add(competitors, "LisKorjaa1", QStringLiteral("Add/Modify"),
        [this] { openModeless(m_dialogs.KilpSyotto); });
    QMenu *results = menuBar()->addMenu(QStringLiteral("Results"));
    results->setObjectName(QStringLiteral("Results1"));
    add(results, "LisysKorjaus1", QStringLiteral("Add/Modify"),
        [this] { openModeless(m_dialogs.TulostenLisays); });
}

void TForm1::buildTabs()
{
    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_pageControl->setTabPosition(QTabWidget::South);
    m_pageControl->setDocumentMode(true);
    // Twenty-three tabs: compact ones fit side by side in the window's usual width.
    m_pageControl->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 4px 6px; }"
                       "QTabBar::tab:selected { background: palette(base); font-weight: bold; }"));
    m_pageControl->addTab(buildCompetitorsTab(), QStringLiteral("Competitors"));

    // The tab order walks the groups; each group's aggregate follows its last discipline.
    const auto &tabs = Orders::Tabs;
    for (size_t i = 0; i < tabs.size(); ++i) {
        addDisciplineTab(tabs[i]);
        const Group g = discipline(tabs[i]).group;
        if (i + 1 == tabs.size() || discipline(tabs[i + 1]).group != g)
            addAggregateTab(aggregateOfGroup(g));
    }
    addAggregateTab(Aggregate::Standing);
    m_pageControl->setCurrentIndex(0);
    setCentralWidget(m_pageControl);
}

QWidget *TForm1::buildCompetitorsTab()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Kilpailijat"));
    auto *layout = new QVBoxLayout(page);

    m_kilpailijalista = new QListWidget(page);
    m_kilpailijalista->setObjectName(QStringLiteral("Kilpailijalista"));
    m_kilpailijalista->setFixedHeight(6 * m_kilpailijalista->fontMetrics().height());
    m_kilpailijalista->setSelectionMode(QAbstractItemView::NoSelection);
    m_kilpailijalista->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_kilpailijalista);

    m_kilpailijaView = makeReportList(QStringLiteral("KilpailijaView"), CompetitorColumns, page);
    m_kilpailijaView->setColumnWidth(1, 50);
    m_kilpailijaView->setColumnWidth(3, 50);
    m_kilpailijaView->header()->setStretchLastSection(true);
    layout->addWidget(m_kilpailijaView, 1);

    auto *bottom = new QHBoxLayout;
    m_vanhaversiocheck = new QCheckBox(QStringLiteral("Load old version files"), page);
    m_vanhaversiocheck->setObjectName(QStringLiteral("vanhaversiocheck"));
    m_vanhaversiocheck->setToolTip(
        QStringLiteral("Tick only if you read files created with old version"));
    bottom->addWidget(m_vanhaversiocheck);
    bottom->addStretch(1);
    auto *database = new QPushButton(QStringLiteral("Database"), page);
    database->setObjectName(QStringLiteral("Databasebutton1"));
    connect(database, &QPushButton::clicked, this, [this] { openModal(m_dialogs.Database); });
    bottom->addWidget(database);
    layout->addLayout(bottom);
    return page;
}

void TForm1::addDisciplineTab(Laji d)
{
    auto *page = new QWidget;
    page->setObjectName(lajiCode(d));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    QTreeView *view
        = makeReportList(lajiCode(d) + QStringLiteral("Ruutu"), disciplineTabColumns(), page);
    layout->addWidget(view);
    m_pageControl->addTab(page, lajiCode(d));
    m_resultTabs.push_back({page, view, d, std::nullopt, discipline(d).group});
}

void TForm1::addAggregateTab(Aggregate a)
{
    const AggregateInfo &info = aggregateInfo(a);
    const QString code = QLatin1String(info.code);
    auto *page = new QWidget;
    page->setObjectName(code + QStringLiteral("Agg"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    QTreeView *view
        = makeReportList(code + QStringLiteral("AggrRuutu"), aggregateTabColumns(a), page);
    layout->addWidget(view);
    m_pageControl->addTab(page, QLatin1String(info.tabCaption));
    m_resultTabs.push_back({page, view, std::nullopt, a, groupOfAggregate(a)});
}

void TForm1::setDialogs(const Dialogs &dialogs)
{
    m_dialogs = dialogs;
    const auto refreshOn = [this](auto *dialog) {
        connect(dialog, &std::remove_pointer_t<decltype(dialog)>::updateRequested, this,
            &TForm1::UpdateClick);
    };
    refreshOn(m_dialogs.KilpSyotto);
    refreshOn(m_dialogs.UusiKilpailija);
    refreshOn(m_dialogs.TulostenLisays);
    refreshOn(m_dialogs.KilpKorjaus);
    refreshOn(m_dialogs.Tulostus);
    refreshOn(m_dialogs.Joukkueet);
    refreshOn(m_dialogs.UusiJoukkue);
    refreshOn(m_dialogs.JoukkueenKorjaus);
    refreshOn(m_dialogs.Database);
    connectCompetitorDialogs(m_dialogs.KilpSyotto, m_dialogs.UusiKilpailija, m_dialogs.KilpKorjaus,
        m_dialogs.TulostenLisays);
    m_dialogs.Joukkueet->setWindows(m_dialogs.UusiJoukkue, m_dialogs.JoukkueenKorjaus);
    connect(m_dialogs.KilpPerustiedot, &TKilpPerustiedot::confirmed, this, [this] {
        applyGroupSwitches();
        UpdateKilpailunTiedot();
    });
}

void TForm1::openModal(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}

void TForm1::openModeless(QDialog *dialog)
{
    if (!dialog)
        return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TForm1::UpdateClick()
{
    refreshResults(m_kilpailu, m_tulokset);
    for (const ResultTab &tab : m_resultTabs) {
        const ListLines &lines = tab.laji
            ? m_tulokset.lajiLines[static_cast<size_t>(*tab.laji)]
            : m_tulokset.aggrLines[static_cast<size_t>(ix(*tab.aggregate))];
        reportModel(tab.view)->setLines(lines);
    }
    UpdateKilpailijaruutu();
    SorttaaKilpailijaViewi();
    UpdateKilpailunTiedot();
    emit refreshed();
}

void TForm1::UpdateKilpailijaruutu()
{
    ListLines rows;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = m_kilpailu.kilpailijat[slot];
        // A removed competitor keeps its number but has no name: it is no longer listed.
        if (k.Numero == 0 || k.Nimi.isEmpty())
            continue;
        rows << ListLine{false,
            {k.Nimi.text(), QString::number(k.Numero), k.Seura.text(), k.Maa.text(),
                disciplinesText(k)}};
    }
    reportModel(m_kilpailijaView)->setLines(std::move(rows));
}

void TForm1::SorttaaKilpailijaViewi()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    ReportListModel *model = reportModel(m_kilpailijaView);
    ListLines rows = model->lines();
    std::stable_sort(rows.begin(), rows.end(), [&](const ListLine &a, const ListLine &b) {
        return collator.compare(a.columns.value(0), b.columns.value(0)) < 0;
    });
    model->setLines(std::move(rows));
}

void TForm1::UpdateKilpailunTiedot()
{
    m_kilpailijalista->clear();
    m_kilpailijalista->addItems(kilpailunTiedotLines(m_kilpailu.tiedot, oldVersionFiles()));
}

void TForm1::TaytakilpailijaCombo1()
{
    QStringList names;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        if (!m_kilpailu.kilpailijat[slot].Nimi.isEmpty())
            names << m_kilpailu.kilpailijat[slot].Nimi.text();
    if (m_dialogs.KilpSyotto)
        m_dialogs.KilpSyotto->setCompetitorNames(names);
    if (m_dialogs.TulostenLisays)
        m_dialogs.TulostenLisays->setCompetitorNames(names);
    if (m_dialogs.UusiJoukkue)
        m_dialogs.UusiJoukkue->setCompetitorNames(names);
    if (m_dialogs.JoukkueenKorjaus)
        m_dialogs.JoukkueenKorjaus->setCompetitorNames(names);
}

void TForm1::applyGroupSwitches()
{
    for (size_t i = 0; i < m_resultTabs.size(); ++i) {
        const ResultTab &tab = m_resultTabs[i];
        if (tab.group)
            m_pageControl->setTabVisible(
                m_pageControl->indexOf(tab.page), m_kilpailu.tiedot.mukana(*tab.group));
    }
}

void TForm1::LoadFileClick()
{
    // A load replaces the match: unsaved results would be gone without a trace.
    if (m_kilpailu.Muutettu && !prompts().confirm(this, ExitQuestion))
        return;
    const QString chosen
        = prompts().openFileName(this, matchFileRequest(QStringLiteral("Lataa tiedosto")));
    if (chosen.isEmpty()) {
        UpdateClick();
        return;
    }
    loadMatch(chosen);
}

bool TForm1::loadMatch(const QString &chosenName)
{
    QString error;
    LoadedMatch loaded = loadMatchFileSet(chosenName, oldVersionFiles(), m_kilpailu, &error);
    if (!loaded.kilpailu) {
        prompts().error(this, error);
        return false;
    }
    m_kilpailu = std::move(*loaded.kilpailu);
    m_kilpailu.Muutettu = false;
    TaytakilpailijaCombo1();
    UpdateClick();
    return true;
}

void TForm1::SaveFileClick()
{
    if (m_kilpailu.kilpailijat.highestOccupied() == 0)
        prompts().information(this, QStringLiteral("Eipä ole montaa tulosta tallennettavana."));
    const QString chosen
        = prompts().saveFileName(this, matchFileRequest(QStringLiteral("Talleta tiedosto")));
    // Nothing was written, so the changes are still unsaved.
    if (chosen.isEmpty())
        return;
    QString error;
    if (!saveMatchFileSet(chosen, m_kilpailu, summaryLines(), &error)) {
        prompts().error(this, error);
        return;
    }
    m_kilpailu.Muutettu = false;
}

void TForm1::Export1Click()
{
    if (!hasCompetitorsToExport(m_kilpailu)) {
        prompts().information(this, nothingToExportMessage());
        return;
    }
    const QString chosen = prompts().saveFileName(this,
        {QStringLiteral("Exporttaa tiedosto"), QStringLiteral("csv tiedostot (*.csv)"),
            QStringLiteral("csv")});
    if (chosen.isEmpty())
        return;
    // The export is no save of the match: the unsaved-changes flag stays as it is.
    QString error;
    if (!exportCsv(m_tulokset, chosen, &error))
        prompts().error(this, error);
}

void TForm1::LopetaClick()
{
    close();
}

void TForm1::Exit2Click()
{
    close();
}

void TForm1::Information1Click()
{
    prompts().information(this,
        QStringLiteral("This version is early beta. If you find any bugs please report to: ")
            + supportAddress());
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Every way out asks while there are unsaved changes: toolbar, menu and close box.
    if (m_kilpailu.Muutettu && !prompts().confirm(this, ExitQuestion)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

QStringList TForm1::summaryLines() const
{
    QStringList lines;
    for (int row = 0; row < m_kilpailijalista->count(); ++row)
        lines << m_kilpailijalista->item(row)->text();
    return lines;
}

bool TForm1::oldVersionFiles() const
{
    return m_vanhaversiocheck->isChecked();
}

void TForm1::setOldVersionFiles(bool old)
{
    m_vanhaversiocheck->setChecked(old);
}

} // namespace marvola
