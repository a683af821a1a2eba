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
class TLoginDialog;

class TDatabase : public QDialog
{
    Q_OBJECT

public:
    TDatabase(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);
    ~TDatabase() override;

    // Asks for the login before a connect: true with the typed values, false when cancelled.
    // The login dialog by default; a test answers it without a window.
    using LoginPrompt = std::function<bool(YhteysAsetukset &)>;
    void setLoginPrompt(LoginPrompt prompt);

    // The name of the dialog's database connection.
    QString connectionName() const { return m_connectionName; }

    void ConnectButton1Click();
    void DisconnectButtonClick();
    void LahetysButtonClick();

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

private:
    QWidget *instructions(const QString &text, const QString &name);
    QLayout *buildConnectRow();
    QLayout *buildSendRow();
    void appendMemo(const QString &text);
    void closeConnection();

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    const QString m_connectionName;
    // Host and user name stay from one connect to the next; the password is asked every time.
    YhteysAsetukset m_asetukset;
    TLoginDialog *m_login;
    LoginPrompt m_loginPrompt;

    QTableView *m_grid;
    QSqlQueryModel *m_model;
    QPushButton *m_connect;
    QPushButton *m_disconnect;
    QPushButton *m_lahetys;
    std::array<QCheckBox *, GroupCount> m_ryhmat{}; // by Group
    QPlainTextEdit *m_memo;
    QCheckBox *m_replaceRows;
    QLabel *m_encryption;
};

} // namespace marvola
