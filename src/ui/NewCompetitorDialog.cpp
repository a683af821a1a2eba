#include "ui/NewCompetitorDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/ChoiceLists.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/CompetitorForm.h"
#include "ui/Prompts.h"
#include "ui/ResultEntryDialog.h"
#include "ui/Toolkit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace marvola {

namespace {

// Enough lines to choose from while typing; the next letter narrows them.
constexpr int ShootersOffered = 20;
constexpr int ShooterIdRole = Qt::UserRole + 1;
constexpr int ShooterNameRole = Qt::UserRole + 2;

QString shooterLine(const ShooterMatch &found)
{
    QStringList details;
    for (const QString &detail : {found.seura, found.maa, found.memberNumber})
        if (!detail.isEmpty())
            details << detail;
    return details.isEmpty() ? found.nimi
                             : QStringLiteral("%1  (%2)").arg(found.nimi, details.join(u", "));
}

// What the register knows of the shooter goes into the new slot; the disciplines are not
// entered: the official ticks them.
// The extras come from the dialog's fields, which the choice filled and the official may have
// corrected; the register gives each discipline's class and equipment.
void fillFromRegister(Kilpailu &k, int slot, const Shooter &shooter)
{
    TKilpailija &competitor = k.kilpailijat[slot];
    for (int d = 0; d < LajiCount; ++d) {
        const std::optional<ShooterDiscipline> &laji = shooter.lajit[d];
        if (!laji)
            continue;
        if (classesOffered(d).contains(laji->luokka))
            competitor.Luokka[d].setText(laji->luokka);
        if (!laji->ase.isEmpty())
            competitor.Ase[d].setText(singleLine(laji->ase));
        if (!laji->malli.isEmpty())
            competitor.Malli[d].setText(singleLine(laji->malli));
        if (discipline(d).hasCaliber && !laji->kaliiperi.isEmpty())
            competitor.Kaliiperi[d].setText(singleLine(laji->kaliiperi));
    }
}

} // namespace

NewCompetitorDialog::NewCompetitorDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("New Competitor"));

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("newCompetitorName"));
    m_name->setMinimumWidth(220);
    m_seura = competitorForm::clubList("Seura", this);
    m_kansallisuus = competitorForm::nationalityList("Kansallisuus", this);
    competitorForm::limitLengths(m_name, m_seura, m_kansallisuus);

    // The popup lists what the register found; the search itself folds case and accents.
    m_found = new QStandardItemModel(this);
    m_completer = new QCompleter(m_found, this);
    m_completer->setObjectName(QStringLiteral("shooterRegisterCompleter"));
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCompletionRole(ShooterNameRole);
    m_completer->setMaxVisibleItems(ShootersOffered);
    m_completer->popup()->setObjectName(QStringLiteral("shooterRegisterList"));
    m_name->setCompleter(m_completer);
    // Beside the field's length, which its tooltip already tells.
    m_name->setToolTip(m_name->toolTip() + QLatin1Char('\n')
        + tr("Type a name or a member number to find the shooter in the shooter register"));
    connect(m_name, &QLineEdit::textEdited, this, &NewCompetitorDialog::searchRegister);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
        &NewCompetitorDialog::chooseShooter);

    auto *form = new QFormLayout;
    form->addRow(tr("Name"), m_name);
    form->addRow(QString(), competitorForm::hint(this));
    form->addRow(tr("Club"), m_seura);
    form->addRow(tr("Nationality"), m_kansallisuus);
    m_extras.addTo(form, this);

    const auto buttons = competitorForm::okCancel(this, form);
    connect(buttons.ok, &QPushButton::clicked, this, &NewCompetitorDialog::addCompetitor);
    connect(buttons.cancel, &QPushButton::clicked, this, &NewCompetitorDialog::cancel);
}

NewCompetitorDialog::~NewCompetitorDialog() = default;

void NewCompetitorDialog::useRegisterFile(const QString &fileName)
{
    m_registerFile = fileName;
    m_register.reset();
    m_registerTried = false;
}

ShooterRegister *NewCompetitorDialog::shooterRegister()
{
    const QString wanted = m_registerFile.isEmpty() ? registerFile() : m_registerFile;
    if (m_register && m_register->fileName() == wanted)
        return m_register.get();
    m_register.reset();
    if (m_registerTried)
        return nullptr;
    m_registerTried = true;
    // The dialog only reads: a register that is missing is not made here.
    QString error;
    m_register = ShooterRegister::open(wanted, ShooterRegister::Mode::ExistingOnly, error);
    return m_register.get();
}

void NewCompetitorDialog::searchRegister(const QString &typed)
{
    // A name typed over the chosen shooter's is someone else: what the choice filled goes too.
    if (m_chosen)
        m_extras.clear();
    m_chosen.reset();
    m_found->clear();
    ShooterRegister *shooters = shooterRegister();
    if (!shooters || typed.trimmed().isEmpty())
        return;
    QString error;
    for (const ShooterMatch &found : shooters->search(typed, ShootersOffered, error)) {
        auto *item = new QStandardItem(shooterLine(found));
        item->setData(QVariant::fromValue<qlonglong>(found.id), ShooterIdRole);
        item->setData(found.nimi, ShooterNameRole);
        item->setEditable(false);
        m_found->appendRow(item);
    }
    if (m_found->rowCount() > 0)
        m_completer->complete();
}

void NewCompetitorDialog::chooseShooter(const QModelIndex &index)
{
    ShooterRegister *shooters = shooterRegister();
    if (!shooters || !index.isValid())
        return;
    QString error;
    std::optional<Shooter> shooter
        = shooters->shooter(index.data(ShooterIdRole).toLongLong(), error);
    if (!shooter) {
        prompts().error(this, error);
        return;
    }
    m_name->setText(shooter->nimi);
    m_seura->setEditText(shooter->seura);
    m_kansallisuus->setEditText(shooter->maa);
    m_extras.fill(shooter->extras);
    m_chosen = std::move(shooter);
}

void NewCompetitorDialog::setWindows(
    CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry)
{
    m_competitorEntry = competitorEntry;
    m_resultEntry = resultEntry;
}

void NewCompetitorDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_register)
        m_registerTried = false;
    if (!event->spontaneous())
        focusName();
}

void NewCompetitorDialog::focusName()
{
    m_name->setFocus();
}

void NewCompetitorDialog::addCompetitor()
{
    const Kilpailijarekisteri &rekisteri = m_kilpailu.kilpailijat;
    if (!rekisteri.freeSlot()) {
        prompts().information(this, tr("Kilpailijarekisteri täynnä!?! (Max. 500)."));
        close();
        return;
    }
    // Compared as it would be stored: a longer name whose first 25 characters are taken would
    // otherwise become a second competitor of the same name.
    const QString nimi = Str25(singleLine(m_name->text())).text();
    if (competitorForm::nameTaken(rekisteri, nimi)) {
        prompts().information(this, tr("This name is already in use"));
        return;
    }
    if (nimi.isEmpty()) {
        prompts().information(this, tr("Name is not valid."));
        return;
    }
    if (!m_extras.emailValid()) {
        prompts().information(this, competitorForm::emailInvalid());
        m_extras.email->setFocus();
        return;
    }
    QString error;
    bool added = false;
    const CompetitorExtras extras = m_extras.value();
    // A shooter chosen from the register, his name left as chosen, brings what the register
    // knows of him; the same edit, so one undo step.
    const bool fromRegister = m_chosen && Str25(m_chosen->nimi).text() == nimi;
    m_session.edit([&](Kilpailu &k) {
        const std::optional<int> slot = k.addCompetitor(nimi, singleLine(m_seura->currentText()),
            singleLine(m_kansallisuus->currentText()), error);
        added = slot.has_value();
        if (slot)
            k.extras[*slot] = extras;
        if (slot && fromRegister)
            fillFromRegister(k, *slot, *m_chosen);
    });
    m_chosen.reset();
    if (!added) {
        prompts().information(this, error);
        return;
    }
    m_name->clear();
    m_extras.clear();
    competitorForm::addName(m_competitorEntry, m_resultEntry, nimi);
    if (m_competitorEntry)
        m_competitorEntry->showLastCompetitor();
    close();
}

void NewCompetitorDialog::cancel()
{
    m_chosen.reset();
    close();
}

} // namespace marvola
