// The results upload dialog.
#pragma once

#include "upload/Connection.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class DatabaseLoginDialog;

class DatabaseDialog : public QDialog
{
    Q_OBJECT

public:
    DatabaseDialog(const Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);
    ~DatabaseDialog() override;

    // Asks for the login before a connect: true with the typed values, false when cancelled.
    // The login dialog by default; a test answers it without a window.
    using LoginPrompt = std::function<bool(ConnectionSettings &)>;
    void setLoginPrompt(LoginPrompt prompt);

    // The name of the dialog's database connection.
    QString connectionName() const { return m_connectionName; }

    void connectToDatabase();
    void disconnectFromDatabase();
    void sendResults();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

private:
    QWidget *instructions(const QString &text, const QString &name);
    void buildCheckView();
    void buildSendLog();
    QWidget *buildCloseButton();
    QLayout *buildConnectRow();
    QLayout *buildSendRow();
    void appendToLog(const QString &text);
    void closeConnection();

    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    const QString m_connectionName;
    // Host and user name stay from one connect to the next; the password is asked every time.
    ConnectionSettings m_settings;
    DatabaseLoginDialog *m_login;
    LoginPrompt m_loginPrompt;

    QTableView *m_checkView;
    QSqlQueryModel *m_model;
    QPushButton *m_connectButton;
    QPushButton *m_disconnectButton;
    QPushButton *m_sendButton;
    std::array<QCheckBox *, GroupCount> m_sendBoxes{}; // by Group
    QPlainTextEdit *m_sendLog;
    QCheckBox *m_replaceBox;
    QLabel *m_encryptionLabel;
};

} // namespace marvola
