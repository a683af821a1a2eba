// The new competitor dialog: name, club and nationality of a competitor added to the register,
// or a shooter found in the shooter register as the name or member number is typed.
#pragma once

#include "ui/CompetitorForm.h"
#include "register/ShooterRegister.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class QComboBox;
class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

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
    ~NewCompetitorDialog() override;

    // The entry dialog that shows the new competitor, and the other dialog whose name list
    // takes the new name.
    void setWindows(CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry);

    void focusName();
    // Adds the competitor, or tells why not.
    void addCompetitor();
    void cancel();

    // The shooter register searched; by default the one chosen in the settings (registerFile).
    void useRegisterFile(const QString &fileName);
    // The shooters the search offers for the name field's text, as the popup lists them.
    QCompleter *registerCompleter() const { return m_completer; }

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void searchRegister(const QString &typed);
    void chooseShooter(const QModelIndex &index);
    ShooterRegister *shooterRegister();

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    CompetitorEntryDialog *m_competitorEntry = nullptr;
    ResultEntryDialog *m_resultEntry = nullptr;

    QLineEdit *m_name = nullptr;
    QComboBox *m_seura = nullptr;
    QComboBox *m_kansallisuus = nullptr;
    competitorForm::ExtrasFields m_extras;

    QString m_registerFile; // empty: the one chosen in the settings
    std::unique_ptr<ShooterRegister> m_register;
    // A register that could not be opened is tried again at the next opening of the dialog.
    bool m_registerTried = false;
    QStandardItemModel *m_found = nullptr;
    QCompleter *m_completer = nullptr;
    // The shooter chosen from the register, filled in when the competitor is added.
    std::optional<Shooter> m_chosen;
};

} // namespace marvola
