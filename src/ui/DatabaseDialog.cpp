#include "ui/DatabaseDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/DatabaseLoginDialog.h"
#include "ui/Prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace marvola {

namespace {

// The group boxes in the order of the sending.
constexpr std::array<Group, GroupCount> RyhmaJarjestys
    = {Group::FP, Group::BBP, Group::SBP, Group::SBR, Group::BBR};

// The connection of each dialog has its own name, so two dialogs (as in tests) never share one.
QString newConnectionName(const void *dialog)
{
    return QStringLiteral("Marvola upload %1").arg(reinterpret_cast<quintptr>(dialog), 0, 16);
}

// The steps of an upload, as the dialog reads top to bottom.
QString introText()
{
    return QCoreApplication::translate("marvola::DatabaseDialog",
        "Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset "
        "online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään "
        "live-tilastoja kilpailun aikana.");
}
QString connectStep()
{
    return QCoreApplication::translate("marvola::DatabaseDialog",
        "1. Paina ensin \"Connect\" ja odota, että "
        "ylempään ruutuun tulee tuloksia.");
}
QString sendStep()
{
    return QCoreApplication::translate("marvola::DatabaseDialog",
        "2. Valitse sitten lähetettävät lajit ja paina "
        "\"Send Results\".");
}
QString finishStep()
{
    return QCoreApplication::translate("marvola::DatabaseDialog",
        "3. Odota, että yllä olevaan ruutuun tulee ilmoitus "
        "onnistuneesta siirrosta. Paina lopuksi \"Disconnect\" ja "
        "sulje ikkuna.");
}
QString supportText()
{
    return QCoreApplication::translate("marvola::DatabaseDialog",
        "Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä "
        "tulostiedostoa sähköpostilla osoitteeseen %1.");
}

} // namespace

DatabaseDialog::DatabaseDialog(const Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
    , m_connectionName(newConnectionName(this))
    , m_login(new DatabaseLoginDialog(this))
    , m_checkView(new QTableView(this))
    , m_model(new QSqlQueryModel(this))
    , m_connectButton(new QPushButton(tr("Connnect"), this))
    , m_disconnectButton(new QPushButton(tr("Disconnect"), this))
    , m_sendButton(new QPushButton(tr("Send Results"), this))
    , m_sendLog(new QPlainTextEdit(this))
    , m_replaceBox(new QCheckBox(tr("Replace the rows sent earlier for this match"), this))
    , m_encryptionLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("databaseDialog"));
    setWindowTitle(tr("Export to database"));
    m_loginPrompt = [this](ConnectionSettings &settings) { return m_login->ask(settings); };

    buildCheckView();
    buildSendLog();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(instructions(introText().arg(resultsPages()), QStringLiteral("introText")));
    layout->addSpacing(8);
    layout->addWidget(instructions(connectStep(), QStringLiteral("connectStep")));
    layout->addWidget(m_checkView, 1);
    layout->addLayout(buildConnectRow());
    m_encryptionLabel->setObjectName(QStringLiteral("encryptionLabel"));
    m_encryptionLabel->setWordWrap(true);
    layout->addWidget(m_encryptionLabel);
    layout->addWidget(instructions(sendStep(), QStringLiteral("sendStep")));
    layout->addLayout(buildSendRow());
    // Live following sends again and again; off, every send inserts its rows anew.
    m_replaceBox->setObjectName(QStringLiteral("replaceRowsBox"));
    layout->addWidget(m_replaceBox);
    layout->addWidget(m_sendLog);
    layout->addWidget(instructions(finishStep(), QStringLiteral("finishStep")));
    layout->addSpacing(8);
    layout->addWidget(
        instructions(supportText().arg(supportAddress()), QStringLiteral("supportText")));
    layout->addWidget(buildCloseButton());
    resize(620, 600);
}

QWidget *DatabaseDialog::buildCloseButton()
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setText(tr("Close"));
    // Enter belongs to the step buttons; Close is pressed, or Escape.
    close->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void DatabaseDialog::buildCheckView()
{
    m_checkView->setObjectName(QStringLiteral("checkQueryView"));
    m_checkView->setModel(m_model);
    m_checkView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_checkView->setMinimumHeight(140);
    m_checkView->verticalHeader()->hide();
}

void DatabaseDialog::buildSendLog()
{
    m_sendLog->setObjectName(QStringLiteral("sendLog"));
    m_sendLog->setReadOnly(true);
    // A long run of dots has no word boundary to wrap at.
    m_sendLog->setWordWrapMode(QTextOption::WrapAnywhere);
    m_sendLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sendLog->setFixedHeight(70);
}

DatabaseDialog::~DatabaseDialog()
{
    closeConnection();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

QWidget *DatabaseDialog::instructions(const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QLayout *DatabaseDialog::buildConnectRow()
{
    m_connectButton->setObjectName(QStringLiteral("connectButton"));
    m_disconnectButton->setObjectName(QStringLiteral("disconnectButton"));
    connect(m_connectButton, &QPushButton::clicked, this, &DatabaseDialog::connectToDatabase);
    connect(
        m_disconnectButton, &QPushButton::clicked, this, &DatabaseDialog::disconnectFromDatabase);
    auto *row = new QHBoxLayout;
    row->addWidget(m_connectButton);
    row->addWidget(m_disconnectButton);
    row->addStretch();
    return row;
}

QLayout *DatabaseDialog::buildSendRow()
{
    auto *row = new QHBoxLayout;
    for (Group g : RyhmaJarjestys) {
        const QString code = QString::fromLatin1(Groups[ix(g)].code);
        auto *box = new QCheckBox(code, this);
        box->setObjectName(code + QStringLiteral("SendBox"));
        m_sendBoxes[ix(g)] = box;
        row->addWidget(box);
    }
    row->addStretch();
    m_sendButton->setObjectName(QStringLiteral("sendButton"));
    m_sendButton->setEnabled(false);
    connect(m_sendButton, &QPushButton::clicked, this, &DatabaseDialog::sendResults);
    row->addWidget(m_sendButton);
    return row;
}

void DatabaseDialog::setLoginPrompt(LoginPrompt prompt)
{
    m_loginPrompt = std::move(prompt);
}

void DatabaseDialog::connectToDatabase()
{
    // The MySQL driver and its client library are loaded when the office first connects, not
    // with the window.
    if (!QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::addDatabase(UploadDriver, m_connectionName);
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen()) {
        ConnectionSettings settings = m_settings;
        settings.Password.clear();
        // Cancel in the login is the official's choice, not a failure.
        if (!m_loginPrompt(settings))
            return;
        m_settings.HostName = settings.HostName;
        m_settings.User_Name = settings.User_Name;
        m_settings.security = settings.security;
        const ConnectionResult connected = openConnection(db, settings);
        if (!connected.ok()) {
            m_encryptionLabel->clear();
            prompts().error(this, connected.error);
            return;
        }
        m_encryptionLabel->setText(encryptionDescription(connected));
    }
    m_model->setQuery(checkQuery(), db);
    if (m_model->lastError().isValid()) {
        prompts().error(this, errorText(m_model->lastError()));
        return;
    }
    m_checkView->resizeColumnsToContents();
    m_sendButton->setEnabled(true);
}

void DatabaseDialog::disconnectFromDatabase()
{
    closeConnection();
    m_encryptionLabel->clear();
    m_sendButton->setEnabled(false);
}

void DatabaseDialog::closeConnection()
{
    m_model->clear();
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isValid())
        db.close();
}

void DatabaseDialog::sendResults()
{
    ChosenGroups groups{};
    for (int g = 0; g < GroupCount; ++g)
        groups[g] = m_sendBoxes[g]->isChecked();
    const QList<KilpailutRivi> rivit = rowsToSend(m_kilpailu, m_tulokset, groups);
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const SendMode mode = m_replaceBox->isChecked() ? SendMode::Replace : SendMode::Append;
    const SendOutcome tulos
        = sendRows(db, rivit, mode, [this] { appendToLog(QStringLiteral(".")); });
    if (!tulos.succeeded()) {
        prompts().error(this,
            tulos.unchanged ? tulos.failure + QStringLiteral("\n\n") + nothingChangedMessage()
                            : tulos.failure);
        return;
    }
    appendToLog(tr("Siirto valmis!"));
}

// Appends without a line break and paints at once, so the official sees each dot before the
// server answers.
void DatabaseDialog::appendToLog(const QString &text)
{
    m_sendLog->moveCursor(QTextCursor::End);
    m_sendLog->insertPlainText(text);
    m_sendLog->viewport()->repaint();
}

} // namespace marvola
