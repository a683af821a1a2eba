#include "ui/RegisterFileDialog.h"

#include "register/ShooterRegister.h"
#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace marvola {

RegisterFileDialog::RegisterFileDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Shooter Register"));
    auto *explanation = new QLabel(tr("The shooter register's file. A file on the club's shared "
                                      "folder lets every computer of the club use the same "
                                      "register. A missing file is made."),
        this);
    explanation->setWordWrap(true);

    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("registerFileField"));
    m_file->setMinimumWidth(420);
    auto *label = new QLabel(tr("&File:"), this);
    label->setBuddy(m_file);
    auto *browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("registerBrowseButton"));
    browse->setAutoDefault(false);
    auto *byDefault = new QPushButton(tr("&Default"), this);
    byDefault->setObjectName(QStringLiteral("registerDefaultButton"));
    byDefault->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &RegisterFileDialog::browse);
    connect(byDefault, &QPushButton::clicked, this,
        [this] { m_file->setText(QDir::toNativeSeparators(defaultRegisterFile())); });

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(label);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(byDefault);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RegisterFileDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RegisterFileDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fileRow);
    layout->addWidget(buttons);
    showChosenFile();
}

void RegisterFileDialog::showChosenFile()
{
    m_file->setText(QDir::toNativeSeparators(registerFile()));
    m_file->selectAll();
    m_file->setFocus();
}

void RegisterFileDialog::browse()
{
    const QString chosen = prompts().openFileName(this,
        {tr("Shooter register"), tr("Shooter registers (*.sqlite);;All files (*)"),
            QStringLiteral("sqlite"),
            QFileInfo(QDir::fromNativeSeparators(m_file->text())).path()});
    if (!chosen.isEmpty())
        m_file->setText(QDir::toNativeSeparators(chosen));
}

void RegisterFileDialog::accept()
{
    QString fileName = QDir::fromNativeSeparators(m_file->text().trimmed());
    if (fileName.isEmpty())
        fileName = defaultRegisterFile();
    QString error;
    if (!ShooterRegister::open(fileName, ShooterRegister::Mode::CreateIfMissing, error)) {
        prompts().error(this, error);
        return;
    }
    setRegisterFile(QFileInfo(fileName).absoluteFilePath());
    QDialog::accept();
}

} // namespace marvola
