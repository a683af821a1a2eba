// The competitor entry dialog: disciplines, classes, equipment and aggregate choices of one slot.
#pragma once

#include "model/Disciplines.h"
#include "model/Records.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marvola {

struct Kilpailu;
class MatchSession;
struct Tulokset;
class NewCompetitorDialog;
class EditCompetitorDialog;
class ResultEntryDialog;

class CompetitorEntryDialog : public QDialog
{
    Q_OBJECT

public:
    CompetitorEntryDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // Replaces the competitor name lists (fillCompetitorNameLists).
    void setCompetitorNames(const QStringList &names);
    // The dialogs behind "New" and "Edit". The new competitor dialog becomes this dialog's own
    // window, so it takes input while this dialog runs modal.
    void setWindows(NewCompetitorDialog *newCompetitor, EditCompetitorDialog *editCompetitor);

    // The slot shown and edited, 1 to 500.
    int shownSlot() const { return m_shownSlot; }
    // The shown competitor's name as the label Nimi reads it.
    QString shownName() const;
    // The competitor name list, kept in step by the new and edit competitor dialogs.
    QComboBox *nameList() const { return m_nameList; }

    void startAtFirstCompetitor();
    // Shows slot 1.
    void showFirstCompetitor();
    // Fills every control from the shown slot, through the controls' own handlers.
    void showCompetitor();
    // Shows the highest slot with a name (slot 1 when there is none).
    void showLastCompetitor();
    void showNamedCompetitor();
    void openNewCompetitor();
    void openEditCompetitor();
    void closeAndRefresh();

    // What a discipline row stores as the official works it: the entry box, a class button, a
    // gun, model or caliber text.
    void storeEntry(int d);
    void storeClass(int d, const QString &luokka);
    void storeEquipment(int d, PerLaji<Str10> TKilpailija::*field, QLineEdit *text);
    // A pistol aggregate's P/C choice: the checked choice takes the flag, the other loses it.
    void storeAggrChoice(Boolean TKilpailija::*chosen, Boolean TKilpailija::*other);

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // One discipline row: entry box, class buttons, gun, model and (where there is one) caliber.
    struct Row
    {
        int d = 0;
        QCheckBox *box = nullptr;
        QButtonGroup *classes = nullptr;
        std::vector<std::pair<QString, QRadioButton *>> classButtons; // by class code
        QLineEdit *ase = nullptr;
        QLineEdit *malli = nullptr;
        QLineEdit *kaliiperi = nullptr;
    };
    // The P/C choice of a pistol aggregate.
    struct AggrChoice
    {
        QRadioButton *c = nullptr;
        QRadioButton *p = nullptr;
        Boolean TKilpailija::*cFlag = nullptr;
        Boolean TKilpailija::*pFlag = nullptr;
    };

    void buildControls();
    QWidget *buildHeading();
    QGroupBox *buildGroupBox(Group g);
    QWidget *buildAggrChoice(AggrChoice &choice, const QString &code, QWidget *parent);
    void buildRow(int d, QGridLayout *grid, int line, const QStringList &classColumns);
    void showRow(Row &row);
    void showAggrChoice(AggrChoice &choice);
    void enableRow(const Row &row);
    const TKilpailija &shown() const;
    // The edits of the shown competitor go through the session.
    void storeShown(const std::function<void(TKilpailija &)> &write);

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    NewCompetitorDialog *m_newCompetitor = nullptr;
    EditCompetitorDialog *m_editCompetitor = nullptr;
    int m_shownSlot = 1;

    QLabel *m_kilpNumero = nullptr;
    QComboBox *m_nameList = nullptr;
    QLabel *m_seura = nullptr;
    QLabel *m_maa = nullptr;
    QLabel *m_nimi = nullptr;
    std::array<Row, LajiCount> m_rows{};
    AggrChoice m_bbpAggr;
    AggrChoice m_sbpAggr;
};

// Lets the competitor dialogs reach one another: the entry dialog opens the new and edit
// dialogs, which show their result in it and keep its name list and the result entry dialog's in
// step with the register.
void connectCompetitorDialogs(CompetitorEntryDialog *competitorEntry,
    NewCompetitorDialog *newCompetitor, EditCompetitorDialog *editCompetitor,
    ResultEntryDialog *resultEntry);

} // namespace marvola
