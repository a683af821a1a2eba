#include "ui/DatabaseLoginDialog.h"

#include "ui/Prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
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
    , m_caFile(new QLineEdit(this))
    , m_chooseCaFile(new QPushButton(tr("Browse..."), this))
    , m_allowUnencrypted(new QCheckBox(tr("Allow unencrypted connection"), this))
{
    setObjectName(QStringLiteral("LoginDialog"));
    setWindowTitle(tr("Database Login"));
    m_database->setObjectName(QStringLiteral("DatabaseName"));
    QFont bold = m_database->font();
    bold.setBold(true);
    m_database->setFont(bold);
    m_hostName->setObjectName(QStringLiteral("HostName"));
    m_userName->setObjectName(QStringLiteral("UserName"));
    m_password->setObjectName(QStringLiteral("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_hostName->setMinimumWidth(220);
    m_caFile->setObjectName(QStringLiteral("caFile"));
    m_caFile->setPlaceholderText(tr("the system's certificates"));
    m_chooseCaFile->setObjectName(QStringLiteral("chooseCaFileButton"));
    m_allowUnencrypted->setObjectName(QStringLiteral("allowUnencryptedBox"));
    // What is remembered belongs to the host typed, not to the host shown before.
    connect(
        m_hostName, &QLineEdit::textChanged, this, &DatabaseLoginDialog::showRememberedSecurity);
    connect(m_chooseCaFile, &QPushButton::clicked, this, &DatabaseLoginDialog::chooseCaFile);
    auto *caRow = new QHBoxLayout;
    caRow->addWidget(m_caFile, 1);
    caRow->addWidget(m_chooseCaFile);

    auto *form = new QFormLayout;
    form->addRow(tr("Database:"), m_database);
    form->addRow(tr("Host Name:"), m_hostName);
    form->addRow(tr("User Name:"), m_userName);
    form->addRow(tr("Password:"), m_password);
    form->addRow(tr("CA file:"), caRow);
    form->addRow(QString(), m_allowUnencrypted);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OKButton"));
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)
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
    showRememberedSecurity(settings.HostName);
    // The user name is usually set for the deployment: the password is what is typed.
    (settings.User_Name.isEmpty() ? m_userName : m_password)->setFocus();
}

ConnectionSettings DatabaseLoginDialog::typedSettings(ConnectionSettings settings) const
{
    settings.HostName = m_hostName->text().trimmed();
    settings.User_Name = m_userName->text();
    settings.Password = m_password->text();
    settings.security.caFile = m_caFile->text().trimmed();
    settings.security.allowUnencrypted = m_allowUnencrypted->isChecked();
    return settings;
}

void DatabaseLoginDialog::showRememberedSecurity(const QString &hostName)
{
    const TransportSecurity remembered = rememberedSecurity(hostName);
    m_caFile->setText(remembered.caFile);
    m_allowUnencrypted->setChecked(remembered.allowUnencrypted);
}

void DatabaseLoginDialog::chooseCaFile()
{
    const QString file = prompts().openFileName(this,
        FileDialogRequest{tr("CA certificate of the results server"),
            tr("Certificates (*.pem *.crt);;All files (*)"), QString(), QString()});
    if (!file.isEmpty())
        m_caFile->setText(file);
}

bool DatabaseLoginDialog::ask(ConnectionSettings &settings)
{
    showSettings(settings);
    const bool ok = exec() == QDialog::Accepted;
    if (ok) {
        settings = typedSettings(settings);
        rememberSecurity(settings.HostName, settings.security);
    }
    m_password->clear();
    return ok;
}

} // namespace marvola
