// The new competitor dialog: name, club and nationality of a competitor added to the register.
#pragma once

#include "ui/CompetitorForm.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

namespace marvola {

struct Kilpailu;
class MatchSession;
struct Tulokset;
class CompetitorEntryDialog;
class ResultEntryDialog;

class NewCompetitorDialog : public QDialog
{
    Q_OBJECT

public:
    NewCompetitorDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // The entry dialog that shows the new competitor, and the other dialog whose name list
    // takes the new name.
    void setWindows(CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry);

    void focusName();
    // Adds the competitor, or tells why not.
    void addCompetitor();
    void cancel();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    CompetitorEntryDialog *m_competitorEntry = nullptr;
    ResultEntryDialog *m_resultEntry = nullptr;

    QLineEdit *m_name = nullptr;
    QComboBox *m_seura = nullptr;
    QComboBox *m_kansallisuus = nullptr;
    competitorForm::ExtrasFields m_extras;
};

} // namespace marvola
