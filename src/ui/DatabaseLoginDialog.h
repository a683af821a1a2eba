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

class TLoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TLoginDialog(QWidget *parent = nullptr);

    // Shows the settings with an empty password and waits. On OK, true and the typed host, user
    // name, password, CA file and unencrypted tick in asetukset, the last two remembered for the
    // host; on Cancel, false and asetukset untouched.
    bool kysy(YhteysAsetukset &asetukset);

    // Fills the fields as kysy shows them: the CA file and the tick as remembered for the host.
    void nayta(const YhteysAsetukset &asetukset);
    // The fields' values over the given settings.
    YhteysAsetukset luettu(YhteysAsetukset asetukset) const;

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
