#include "ui/DatabaseDialog.h"

#include "model/Registers.h"
#include "ranking/Tables.h"
#include "ui/DatabaseLoginDialog.h"
#include "ui/Prompts.h"

#include <QCheckBox>
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

} // namespace

TDatabase::TDatabase(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
    , m_connectionName(newConnectionName(this))
    , m_login(new TLoginDialog(this))
    , m_grid(new QTableView(this))
    , m_model(new QSqlQueryModel(this))
    , m_connect(new QPushButton(QStringLiteral("Connnect"), this))
    , m_disconnect(new QPushButton(QStringLiteral("Disconnect"), this))
    , m_lahetys(new QPushButton(QStringLiteral("Send Results"), this))
    , m_memo(new QPlainTextEdit(this))
    , m_replaceRows(
          new QCheckBox(QStringLiteral("Replace the rows sent earlier for this match"), this))
    , m_encryption(new QLabel(this))
{
    setObjectName(QStringLiteral("Database"));
    setWindowTitle(QStringLiteral("Export to database"));
    QSqlDatabase::addDatabase(UploadDriver, m_connectionName);
    m_loginPrompt = [this](YhteysAsetukset &asetukset) { return m_login->kysy(asetukset); };

    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setMinimumHeight(140);
    m_grid->verticalHeader()->hide();

    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    // A long run of dots has no word boundary to wrap at.
    m_memo->setWordWrapMode(QTextOption::WrapAnywhere);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setFixedHeight(70);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(instructions(
        QStringLiteral("Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset "
                       "online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään "
                       "live-tilastoja kilpailun aikana.")
            .arg(resultsPages()),
        QStringLiteral("Label1")));
    layout->addSpacing(8);
    layout->addWidget(instructions(QStringLiteral("1. Paina ensin \"Connect\" ja odota, että "
                                                  "ylempään ruutuun tulee tuloksia."),
        QStringLiteral("Label2")));
    layout->addWidget(m_grid, 1);
    layout->addLayout(buildConnectRow());
    m_encryption->setObjectName(QStringLiteral("encryptionLabel"));
    m_encryption->setWordWrap(true);
    layout->addWidget(m_encryption);
    layout->addWidget(instructions(QStringLiteral("2. Valitse sitten lähetettävät lajit ja paina "
                                                  "\"Send Results\"."),
        QStringLiteral("Label3")));
    layout->addLayout(buildSendRow());
    // Live following sends again and again; off, every send inserts its rows anew.
    m_replaceRows->setObjectName(QStringLiteral("replaceRowsBox"));
    layout->addWidget(m_replaceRows);
    layout->addWidget(m_memo);
    layout->addWidget(
        instructions(QStringLiteral("3. Odota, että yllä olevaan ruutuun tulee ilmoitus "
                                    "onnistuneesta siirrosta. Paina lopuksi \"Disconnect\" ja "
                                    "sulje ikkuna."),
            QStringLiteral("Label4")));
    layout->addSpacing(8);
    layout->addWidget(
        instructions(QStringLiteral("Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä "
                                    "tulostiedostoa sähköpostilla osoitteeseen %1.")
                         .arg(supportAddress()),
            QStringLiteral("Label5")));
    resize(620, 560);
}

TDatabase::~TDatabase()
{
    closeConnection();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QWidget *TDatabase::instructions(const QString &text, const QString &name)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QLayout *TDatabase::buildConnectRow()
{
    m_connect->setObjectName(QStringLiteral("ConnectButton1"));
    m_disconnect->setObjectName(QStringLiteral("DisconnectButton"));
    connect(m_connect, &QPushButton::clicked, this, &TDatabase::ConnectButton1Click);
    connect(m_disconnect, &QPushButton::clicked, this, &TDatabase::DisconnectButtonClick);
    auto *row = new QHBoxLayout;
    row->addWidget(m_connect);
    row->addWidget(m_disconnect);
    row->addStretch();
    return row;
}

QLayout *TDatabase::buildSendRow()
{
    auto *row = new QHBoxLayout;
    for (Group g : RyhmaJarjestys) {
        const QString code = QString::fromLatin1(Groups[ix(g)].code);
        auto *box = new QCheckBox(code, this);
        box->setObjectName(code + QStringLiteral("CheckBox1"));
        m_ryhmat[ix(g)] = box;
        row->addWidget(box);
    }
    row->addStretch();
    m_lahetys->setObjectName(QStringLiteral("LahetysButton"));
    m_lahetys->setEnabled(false);
    connect(m_lahetys, &QPushButton::clicked, this, &TDatabase::LahetysButtonClick);
    row->addWidget(m_lahetys);
    return row;
}

void TDatabase::setLoginPrompt(LoginPrompt prompt)
{
    m_loginPrompt = std::move(prompt);
}

void TDatabase::ConnectButton1Click()
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.isOpen()) {
        YhteysAsetukset asetukset = m_asetukset;
        asetukset.Password.clear();
        if (!m_loginPrompt(asetukset)) {
            // The connection has no name of its own to report.
            prompts().error(this, QStringLiteral("Cannot connect to database ''"));
            return;
        }
        m_asetukset.HostName = asetukset.HostName;
        m_asetukset.User_Name = asetukset.User_Name;
        m_asetukset.security = asetukset.security;
        const ConnectionResult connected = openConnection(db, asetukset);
        if (!connected.ok()) {
            m_encryption->clear();
            prompts().error(this, connected.error);
            return;
        }
        m_encryption->setText(encryptionDescription(connected));
    }
    m_model->setQuery(tarkistusKysely(), db);
    if (m_model->lastError().isValid()) {
        prompts().error(this, virheTeksti(m_model->lastError()));
        return;
    }
    m_grid->resizeColumnsToContents();
    m_lahetys->setEnabled(true);
}

void TDatabase::DisconnectButtonClick()
{
    closeConnection();
    m_encryption->clear();
    m_lahetys->setEnabled(false);
}

void TDatabase::closeConnection()
{
    m_model->clear();
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (db.isValid())
        db.close();
}

void TDatabase::LahetysButtonClick()
{
    ValitutRyhmat ryhmat{};
    for (int g = 0; g < GroupCount; ++g)
        ryhmat[g] = m_ryhmat[g]->isChecked();
    const QList<KilpailutRivi> rivit = lahetettavatRivit(m_kilpailu, m_tulokset, ryhmat);
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    const SendMode mode = m_replaceRows->isChecked() ? SendMode::Replace : SendMode::Append;
    const LahetysTulos tulos
        = sendResults(db, rivit, mode, [this] { appendMemo(QStringLiteral(".")); });
    if (!tulos.onnistui()) {
        prompts().error(this,
            tulos.unchanged ? tulos.virhe + QStringLiteral("\n\n") + nothingChangedMessage()
                            : tulos.virhe);
        return;
    }
    appendMemo(QStringLiteral("Siirto valmis!"));
}

// Appends without a line break and paints at once, so the official sees each dot before the
// server answers.
void TDatabase::appendMemo(const QString &text)
{
    m_memo->moveCursor(QTextCursor::End);
    m_memo->insertPlainText(text);
    m_memo->viewport()->repaint();
}

} // namespace marvola
