// The login of the results upload: server, user name, password and how the connection is
// protected, asked before every connect.
#pragma once

#include "upload/Connection.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marvola {

class DatabaseLoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DatabaseLoginDialog(QWidget *parent = nullptr);

    // Shows the settings with an empty password and waits. On OK, true and the typed host, user
    // name, password, CA file and unencrypted tick in settings, the last two remembered for the
    // host; on Cancel, false and settings untouched.
    bool ask(ConnectionSettings &settings);

    // Fills the fields as ask shows them: the CA file and the tick as remembered for the host.
    void showSettings(const ConnectionSettings &settings);
    // The fields' values over the given settings.
    ConnectionSettings typedSettings(ConnectionSettings settings) const;

private:
    void showRememberedSecurity(const QString &hostName);
    void chooseCaFile();

    QLabel *m_database;
    QLineEdit *m_hostName;
    QLineEdit *m_userName;
    QLineEdit *m_password;
    QLineEdit *m_caFile;
    QPushButton *m_chooseCaFile;
    QCheckBox *m_allowUnencrypted;
};

} // namespace marvola
