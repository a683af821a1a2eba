// The edit competitor dialog: name, club and nationality of the shown competitor, and removal.
#pragma once

#include "ui/CompetitorForm.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;

namespace marvola {

struct Kilpailu;
class MatchSession;
struct Tulokset;
class CompetitorEntryDialog;
class ResultEntryDialog;

class EditCompetitorDialog : public QDialog
{
    Q_OBJECT

public:
    EditCompetitorDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // The entry dialog whose shown competitor is edited, and the other dialog whose name list
    // follows the change.
    void setWindows(CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry);

    // The slot being edited, 0 while the shown name names no competitor.
    int editedSlot() const { return m_editedSlot; }

    // Finds the competitor shown in the entry dialog and fills the fields.
    void fillFromShownCompetitor();
    // Stores the edited fields, or tells why not.
    void storeChanges();
    void cancel();
    // Removes the competitor at once.
    void removeCompetitor();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Refuses, with the message, when the shown name named no competitor.
    bool refuseWithoutCompetitor();
    void clearFields();
    void showAgainAndClose();

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    CompetitorEntryDialog *m_competitorEntry = nullptr;
    ResultEntryDialog *m_resultEntry = nullptr;
    int m_editedSlot = 0;

    QLabel *m_kilpNumero = nullptr;
    QLabel *m_slotNumber = nullptr;
    QLineEdit *m_kilpNimi = nullptr;
    QComboBox *m_seuraCombo = nullptr;
    QComboBox *m_kansallisuus = nullptr;
    competitorForm::ExtrasFields m_extras;
};

} // namespace marvola
