// The competitors' own result sheets: "Result sheets..." (preview, print, PDF) and "Mail result
// sheets..." (each sheet to its competitor's e-mail address).
#pragma once

#include "output/ResultSheet.h"
#include "register/ShooterRegister.h"
#include "ui/ReportOutput.h"

#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace marvola {

class MatchSession;
struct Kilpailu;
struct Tulokset;

// Whose sheets: every competitor, a club's, or the ones ticked in the list.
class SheetCompetitorChoice : public QWidget
{
    Q_OBJECT

public:
    SheetCompetitorChoice(const Kilpailu &kilpailu, QWidget *parent = nullptr);

    // The slots chosen, in number order.
    QList<int> chosenSlots() const;
    void chooseAll();
    void chooseClub(const QString &club);
    void chooseCompetitors(const QList<int> &chosen);

private:
    void updateEnabled();

    const Kilpailu &m_kilpailu;
    QList<int> m_slots; // every competitor, in number order
    QRadioButton *m_all;
    QRadioButton *m_club;
    QRadioButton *m_chosen;
    QComboBox *m_clubs;
    QListWidget *m_list;
};

// The languages of the register for the slots: empty when there is no register.
QHash<int, CompetitorContact> sheetContacts(const Kilpailu &kilpailu, const QList<int> &chosen);

class SheetsDialog : public QDialog
{
    Q_OBJECT

public:
    SheetsDialog(const Kilpailu &kilpailu, const Tulokset &tulokset, QWidget *parent = nullptr);

    SheetCompetitorChoice &choice() { return *m_choice; }
    // The report engine; a test replaces its output dialog.
    ReportSystem &reportSystem() { return m_reportSystem; }
    // Preview, print or PDF of the chosen competitors' sheets.
    void printChosen();

signals:
    void fileWritten(const QString &fileName);

private:
    const Kilpailu &m_kilpailu;
    const Tulokset &m_tulokset;
    SheetCompetitorChoice *m_choice;
    ReportSystem m_reportSystem;
};

class MailSheetsDialog : public QDialog
{
    Q_OBJECT

public:
    MailSheetsDialog(MatchSession &session, const Tulokset &tulokset, QWidget *parent = nullptr);

    SheetCompetitorChoice &choice() { return *m_choice; }
    // Sends the chosen competitors' sheets; the lines of the outcomes go to the dialog's list.
    void send();
    QString outcomeText() const;

private:
    void reject() override;
    void updateEnabled();

    MatchSession &m_session;
    const Tulokset &m_tulokset;
    SheetCompetitorChoice *m_choice;
    QLineEdit *m_server;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_from;
    QCheckBox *m_allowUnencrypted;
    QCheckBox *m_resend;
    QProgressBar *m_progress;
    QPlainTextEdit *m_outcomes;
    QPushButton *m_send;
    QPushButton *m_close;
    bool m_sending = false;
    bool m_cancelled = false;
};

} // namespace marvola
