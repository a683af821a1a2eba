// The main window: toolbar, menu, the result tabs, the match summary and the refresh.
#pragma once

#include "model/Disciplines.h"

#include <QMainWindow>
#include <QStringList>

#include <optional>
#include <vector>

class QCheckBox;
class QDialog;
class QListWidget;
class QTabWidget;
class QTreeView;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class TKilpSyotto;
class TUusiKilpailija;
class TTulostenLisays;
class TKilpKorjaus;
class TTulostus;
class TKilpPerustiedot;
class TJoukkueet;
class TUusiJoukkue;
class TJoukkueenKorjaus;
class TDatabase;

// The ten dialogs, created once after the main window in this order.
struct Dialogs
{
    TKilpSyotto *KilpSyotto = nullptr;
    TUusiKilpailija *UusiKilpailija = nullptr;
    TTulostenLisays *TulostenLisays = nullptr;
    TKilpKorjaus *KilpKorjaus = nullptr;
    TTulostus *Tulostus = nullptr;
    TKilpPerustiedot *KilpPerustiedot = nullptr;
    TJoukkueet *Joukkueet = nullptr;
    TUusiJoukkue *UusiJoukkue = nullptr;
    TJoukkueenKorjaus *JoukkueenKorjaus = nullptr;
    TDatabase *Database = nullptr;
};

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    TForm1(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // Hands over the dialogs and connects their requests to this window.
    void setDialogs(const Dialogs &dialogs);

    // Rebuilds every ranking, every tab, the competitor list and the match summary.
    void UpdateClick();
    void UpdateKilpailijaruutu();
    void SorttaaKilpailijaViewi();
    void UpdateKilpailunTiedot();
    // Refills the competitor name lists of the entry and team dialogs.
    void TaytakilpailijaCombo1();
    // Shows the tabs of the groups that are shot and hides the others.
    void applyGroupSwitches();

    void LoadFileClick();
    void SaveFileClick();
    // The load of a chosen file set; on failure the previous match stays and the error is shown.
    bool loadMatch(const QString &chosenName);
    void Export1Click();
    void LopetaClick();
    void Exit2Click();
    void Information1Click();

    QStringList summaryLines() const;
    bool oldVersionFiles() const;
    void setOldVersionFiles(bool old);

signals:
    // The main window has closed: the program ends.
    void closed();
    // A refresh has rebuilt the ranking tables.
    void refreshed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct ResultTab
    {
        QWidget *page = nullptr;
        QTreeView *view = nullptr;
        std::optional<Laji> laji; // a discipline tab
        std::optional<Aggregate> aggregate; // or an aggregate tab
        std::optional<Group> group; // the switch that shows it; none for Standing Agg
    };

    void FormCreate();
    void buildToolbar();
    void buildMenu();
    void buildTabs();
    QWidget *buildCompetitorsTab();
    void addDisciplineTab(Laji d);
    void addAggregateTab(Aggregate a);
    void openModal(QDialog *dialog);
    void openModeless(QDialog *dialog);

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    Dialogs m_dialogs;

    QTabWidget *m_pageControl = nullptr;
    std::vector<ResultTab> m_resultTabs;
    QListWidget *m_kilpailijalista = nullptr;
    QTreeView *m_kilpailijaView = nullptr;
    QCheckBox *m_vanhaversiocheck = nullptr;
};

} // namespace marvola
