// The login of the results upload: server, user name and password, asked before every connect.
#pragma once

#include "upload/Connection.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace marvola {

class DatabaseLoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DatabaseLoginDialog(QWidget *parent = nullptr);

    // Shows the settings with an empty password and waits. On OK, true and the typed host, user
    // name and password in settings; on Cancel, false and settings untouched.
    bool ask(ConnectionSettings &settings);

    // Fills the fields as ask shows them.
    void showSettings(const ConnectionSettings &settings);
    // The fields' values over the given settings.
    ConnectionSettings typedSettings(ConnectionSettings settings) const;

private:
    QLabel *m_database;
    QLineEdit *m_hostName;
    QLineEdit *m_userName;
    QLineEdit *m_password;
};

} // namespace marvola
