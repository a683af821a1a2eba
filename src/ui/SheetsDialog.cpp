#include "ui/SheetsDialog.h"

#include "log/MailStore.h"
#include "mail/SheetMail.h"
#include "model/Registers.h"
#include "register/ShooterRegister.h"
#include "session/MatchSession.h"
#include "ui/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

namespace marvola {

namespace {

QSettings mailDialogSettings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

} // namespace

SheetCompetitorChoice::SheetCompetitorChoice(const Kilpailu &kilpailu, QWidget *parent)
    : QWidget(parent)
    , m_kilpailu(kilpailu)
    , m_slots(competitorSlotsByNumber(kilpailu))
    , m_all(new QRadioButton(tr("&All competitors"), this))
    , m_club(new QRadioButton(tr("C&lub:"), this))
    , m_chosen(new QRadioButton(tr("C&hosen competitors:"), this))
    , m_clubs(new QComboBox(this))
    , m_list(new QListWidget(this))
{
    m_all->setObjectName(QStringLiteral("allCompetitorsButton"));
    m_club->setObjectName(QStringLiteral("clubButton"));
    m_chosen->setObjectName(QStringLiteral("chosenCompetitorsButton"));
    m_clubs->setObjectName(QStringLiteral("clubBox"));
    m_list->setObjectName(QStringLiteral("competitorList"));
    QStringList clubs;
    for (int slot : m_slots) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (!k.Seura.isEmpty() && !clubs.contains(k.Seura.text()))
            clubs << k.Seura.text();
        auto *item = new QListWidgetItem(
            QStringLiteral("%1 %2, %3").arg(k.Numero).arg(k.Nimi.text(), k.Seura.text()), m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(Qt::UserRole, slot);
    }
    clubs.sort(Qt::CaseInsensitive);
    m_clubs->addItems(clubs);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_all);
    auto *clubRow = new QHBoxLayout;
    clubRow->addWidget(m_club);
    clubRow->addWidget(m_clubs, 1);
    layout->addLayout(clubRow);
    layout->addWidget(m_chosen);
    layout->addWidget(m_list, 1);
    m_all->setChecked(true);
    for (QRadioButton *button : {m_all, m_club, m_chosen})
        connect(button, &QRadioButton::toggled, this, [this] { updateEnabled(); });
    updateEnabled();
}

void SheetCompetitorChoice::updateEnabled()
{
    m_clubs->setEnabled(m_club->isChecked());
    m_list->setEnabled(m_chosen->isChecked());
}

QList<int> SheetCompetitorChoice::chosenSlots() const
{
    QList<int> chosen;
    if (m_all->isChecked())
        return m_slots;
    if (m_club->isChecked()) {
        const QString club = m_clubs->currentText();
        for (int slot : m_slots)
            if (m_kilpailu.kilpailijat[slot].Seura.text() == club)
                chosen << slot;
        return chosen;
    }
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen << m_list->item(row)->data(Qt::UserRole).toInt();
    return chosen;
}

void SheetCompetitorChoice::chooseAll()
{
    m_all->setChecked(true);
}

void SheetCompetitorChoice::chooseClub(const QString &club)
{
    m_club->setChecked(true);
    m_clubs->setCurrentText(club);
}

void SheetCompetitorChoice::chooseCompetitors(const QList<int> &chosen)
{
    m_chosen->setChecked(true);
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setCheckState(
            chosen.contains(item->data(Qt::UserRole).toInt()) ? Qt::Checked : Qt::Unchecked);
    }
}

QHash<int, CompetitorContact> sheetContacts(const Kilpailu &kilpailu, const QList<int> &chosen)
{
    QString error;
    std::unique_ptr<ShooterRegister> known;
    if (QFileInfo::exists(registerFile()))
        known = ShooterRegister::open(registerFile(), ShooterRegister::Mode::ExistingOnly, error);
    // A register that cannot be read leaves the sheets in the program's language.
    QHash<int, CompetitorContact> contacts
        = competitorContacts(kilpailu, known.get(), chosen, error);
    if (contacts.isEmpty() && !error.isEmpty())
        contacts = competitorContacts(kilpailu, nullptr, chosen, error);
    return contacts;
}

SheetsDialog::SheetsDialog(const Kilpailu &kilpailu, const Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
    , m_choice(new SheetCompetitorChoice(kilpailu, this))
{
    setObjectName(QStringLiteral("sheetsDialog"));
    setWindowTitle(tr("Result sheets"));
    m_reportSystem.addRenderer(
        {ReportRenderer::Pdf, tr("Adobe Acrobat (PDF)"), {QStringLiteral("*.pdf")}});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("A page per competitor, in the competitor's language where "
                                    "the shooter register has one."),
        this));
    layout->addWidget(m_choice, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(tr("&Print..."), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("printSheetsButton"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("&Close"));
    connect(print, &QPushButton::clicked, this, [this] { printChosen(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, 520);
}

void SheetsDialog::printChosen()
{
    const QList<int> chosen = m_choice->chosenSlots();
    if (chosen.isEmpty()) {
        prompts().information(this, tr("No competitor is chosen."));
        return;
    }
    QHash<int, QString> languages;
    const QHash<int, CompetitorContact> contacts = sheetContacts(m_kilpailu, chosen);
    for (auto it = contacts.cbegin(); it != contacts.cend(); ++it)
        languages.insert(it.key(), it->language);
    ResultSheets sheets(m_kilpailu, m_tulokset, chosen, languages);
    if (m_reportSystem.execute(this, sheets.callbacks()) && !m_reportSystem.writtenFile().isEmpty())
        emit fileWritten(m_reportSystem.writtenFile());
}

MailSheetsDialog::MailSheetsDialog(MatchSession &session, const Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_tulokset(tulokset)
    , m_choice(new SheetCompetitorChoice(session.match(), this))
    , m_server(new QLineEdit(this))
    , m_user(new QLineEdit(this))
    , m_password(new QLineEdit(this))
    , m_from(new QLineEdit(this))
    , m_allowUnencrypted(new QCheckBox(tr("Allow unencrypted connection"), this))
    , m_resend(new QCheckBox(tr("Send again to those who have their sheet"), this))
    , m_progress(new QProgressBar(this))
    , m_outcomes(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("mailSheetsDialog"));
    setWindowTitle(tr("Mail result sheets"));
    m_server->setObjectName(QStringLiteral("serverEdit"));
    m_user->setObjectName(QStringLiteral("userEdit"));
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_from->setObjectName(QStringLiteral("fromEdit"));
    m_allowUnencrypted->setObjectName(QStringLiteral("allowUnencryptedBox"));
    m_resend->setObjectName(QStringLiteral("resendBox"));
    m_progress->setObjectName(QStringLiteral("mailProgress"));
    m_outcomes->setObjectName(QStringLiteral("mailOutcomes"));
    m_password->setEchoMode(QLineEdit::Password);
    m_server->setPlaceholderText(tr("HOST or HOST:PORT"));
    m_outcomes->setReadOnly(true);
    m_progress->setValue(0);

    QSettings settings = mailDialogSettings();
    m_server->setText(settings.value(QStringLiteral("mail/server")).toString());
    m_user->setText(settings.value(QStringLiteral("mail/user")).toString());
    m_from->setText(settings.value(QStringLiteral("mail/from")).toString());
    m_allowUnencrypted->setChecked(rememberedUnencryptedMail(m_server->text()));

    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const auto row = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(tr("Mail &server:"), m_server);
    row(tr("&User (none: no login):"), m_user);
    row(tr("Pass&word:"), m_password);
    row(tr("&From address:"), m_from);
    form->addRow(QString(), m_allowUnencrypted);
    form->addRow(QString(), m_resend);
    layout->addLayout(form);
    layout->addWidget(m_choice, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_outcomes, 1);
    auto *buttons = new QDialogButtonBox(this);
    m_send = buttons->addButton(tr("S&end"), QDialogButtonBox::AcceptRole);
    m_send->setObjectName(QStringLiteral("sendButton"));
    m_close = buttons->addButton(QDialogButtonBox::Close);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setText(tr("&Close"));
    connect(m_send, &QPushButton::clicked, this, [this] { send(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_server, &QLineEdit::textEdited, this,
        [this] { m_allowUnencrypted->setChecked(rememberedUnencryptedMail(m_server->text())); });
    layout->addWidget(buttons);
    resize(560, 720);
}

void MailSheetsDialog::updateEnabled()
{
    m_send->setEnabled(!m_sending);
    m_close->setText(m_sending ? tr("&Cancel") : tr("&Close"));
}

void MailSheetsDialog::reject()
{
    // While sending, the button stops the run after the message under way.
    if (m_sending) {
        m_cancelled = true;
        return;
    }
    QDialog::reject();
}

QString MailSheetsDialog::outcomeText() const
{
    return m_outcomes->toPlainText();
}

void MailSheetsDialog::send()
{
    QString error;
    SheetMailRun run;
    if (!parseSmtpAddress(m_server->text(), run.server, error)) {
        prompts().error(this, error);
        return;
    }
    if (!isMailAddress(m_from->text().trimmed())) {
        prompts().error(this, tr("The from address is not an e-mail address."));
        return;
    }
    const QList<int> chosen = m_choice->chosenSlots();
    if (chosen.isEmpty()) {
        prompts().information(this, tr("No competitor is chosen."));
        return;
    }
    run.from = m_from->text().trimmed();
    run.server.user = m_user->text().trimmed();
    run.server.password = m_password->text();
    run.server.allowUnencrypted = m_allowUnencrypted->isChecked();
    run.resend = m_resend->isChecked();
    // The server, user and sender are kept for the next time; the password never is.
    QSettings settings = mailDialogSettings();
    settings.setValue(QStringLiteral("mail/server"), m_server->text().trimmed());
    settings.setValue(QStringLiteral("mail/user"), run.server.user);
    settings.setValue(QStringLiteral("mail/from"), run.from);
    rememberUnencryptedMail(run.server.host, run.server.allowUnencrypted);

    EntryLog &log = m_session.log();
    if (!log.isOpen()) {
        prompts().error(
            this, tr("Save the match first: the messages sent are kept in its entry log."));
        return;
    }
    const QSet<QString> sent = sheetMailsAccepted(log, error);
    if (!error.isEmpty()) {
        prompts().error(this, error);
        return;
    }
    const Kilpailu &kilpailu = m_session.match();
    const QList<SheetMailRecipient> recipients
        = sheetMailRecipients(kilpailu, sheetContacts(kilpailu, chosen), chosen, sent);
    m_outcomes->clear();
    m_progress->setRange(0, static_cast<int>(recipients.size()));
    m_progress->setValue(0);
    m_sending = true;
    m_cancelled = false;
    updateEnabled();
    int failed = 0;
    int accepted = 0;
    const auto done = [&](const SheetMailOutcome &outcome, int count, int) {
        if (outcome.kind == SheetMailOutcome::Kind::Failed)
            ++failed;
        if (outcome.kind == SheetMailOutcome::Kind::Sent)
            ++accepted;
        m_outcomes->appendPlainText(sheetMailLine(outcome));
        m_progress->setValue(count);
        // The window answers between messages: the progress shows and Cancel is heard.
        QCoreApplication::processEvents();
    };
    const bool ok = mailSheets(
        log, kilpailu, m_tulokset, recipients, run, done,
        [this] {
            QCoreApplication::processEvents();
            return m_cancelled;
        },
        error);
    m_sending = false;
    updateEnabled();
    if (!ok) {
        prompts().error(this, error);
        return;
    }
    m_outcomes->appendPlainText(m_cancelled
            ? tr("Cancelled: %1 sent, %2 failed.").arg(accepted).arg(failed)
            : tr("Done: %1 sent, %2 failed.").arg(accepted).arg(failed));
}

} // namespace marvola
