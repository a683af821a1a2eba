#include "ui/DatabaseLoginDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace marvola {

DatabaseLoginDialog::DatabaseLoginDialog(QWidget *parent)
    : QDialog(parent)
    , m_database(new QLabel(this))
    , m_hostName(new QLineEdit(this))
    , m_userName(new QLineEdit(this))
    , m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(QStringLiteral("Database Login"));
    m_database->setObjectName(QStringLiteral("DatabaseName"));
    QFont bold = m_database->font();
    bold.setBold(true);
    m_database->setFont(bold);
    m_hostName->setObjectName(QStringLiteral("HostName"));
    m_userName->setObjectName(QStringLiteral("UserName"));
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_hostName->setMinimumWidth(220);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Database:"), m_database);
    form->addRow(QStringLiteral("Host Name:"), m_hostName);
    form->addRow(QStringLiteral("User Name:"), m_userName);
    form->addRow(QStringLiteral("Password:"), m_password);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OKButton"));
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void DatabaseLoginDialog::showSettings(const ConnectionSettings &settings)
{
    m_database->setText(settings.Database);
    m_hostName->setText(settings.HostName);
    m_userName->setText(settings.User_Name);
    m_password->clear();
    // The user name is usually set for the deployment: the password is what is typed.
    (settings.User_Name.isEmpty() ? m_userName : m_password)->setFocus();
}

ConnectionSettings DatabaseLoginDialog::typedSettings(ConnectionSettings settings) const
{
    settings.HostName = m_hostName->text().trimmed();
    settings.User_Name = m_userName->text();
    settings.Password = m_password->text();
    return settings;
}

bool DatabaseLoginDialog::ask(ConnectionSettings &settings)
{
    showSettings(settings);
    const bool ok = exec() == QDialog::Accepted;
    if (ok)
        settings = typedSettings(settings);
    m_password->clear();
    return ok;
}

} // namespace marvola
