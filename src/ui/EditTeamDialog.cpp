#include "ui/EditTeamDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/TeamsDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace marvola {

namespace {

const TeamFormNames EditTeamNames{
    "editTeamName",
    {"editTeamMember1", "editTeamMember2", "editTeamMember3"},
    "Team Discipline",
    {"editTeamBBP", "editTeamSBP", "editTeamFP", "editTeamSBR", "editTeamBBR", "editTeamStanding"},
    "editTeamOk",
    "editTeamCancel",
};

} // namespace

EditTeamDialog::EditTeamDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
    , m_form(std::make_unique<TeamForm>(
          this, EditTeamNames, tr("To remove team: Clear team name and press OK")))
{
    setObjectName(QStringLiteral("editTeamDialog"));
    setWindowTitle(tr("Edit Team"));
    connect(m_form->ok, &QPushButton::clicked, this, &EditTeamDialog::storeTeam);
    connect(m_form->cancel, &QPushButton::clicked, this, &EditTeamDialog::cancel);
}

EditTeamDialog::~EditTeamDialog() = default;

void EditTeamDialog::setCompetitorNames(const QStringList &names)
{
    m_form->setCompetitorNames(names, false);
}

bool EditTeamDialog::selectTeam(const QString &nimi)
{
    const std::optional<int> slot = m_kilpailu.joukkueet.slotByName(nimi);
    if (!slot || m_kilpailu.joukkueet[*slot].Nimi.isEmpty())
        return false;
    m_slot = *slot;
    const TJoukkue &team = m_kilpailu.joukkueet[m_slot];
    m_form->nimi->setText(shownTeamName(team));
    for (size_t i = 0; i < m_form->memberLists.size(); ++i)
        m_form->memberLists[i]->setEditText(team.Kilpailija[i].text());
    m_form->checkGroup(team.Laji);
    return true;
}

void EditTeamDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_form->nimi->setFocus();
}

void EditTeamDialog::storeTeam()
{
    if (m_slot == 0) {
        reject();
        return;
    }
    const QList<FieldEdit> changes = m_session.edit([this](Kilpailu &k) {
        TJoukkue &team = k.joukkueet[m_slot];
        m_form->storeMembers(team);
        if (const std::optional<QString> group = m_form->checkedGroup())
            team.Laji.setText(*group);
        const QString typed = singleLine(m_form->nimi->text());
        team.Nimi.setBytes(storedTeamName(typed, team.Laji).bytes());
        if (typed.isEmpty()) {
            // The members stay in the slot, which counts as free from now on.
            team.Nimi.clear();
            team.Laji.clear();
        }
    });
    if (!changes.isEmpty())
        warnAboutSharedMembers(this, m_kilpailu.joukkueet, m_slot);
    emit teamsChanged();
    accept();
}

void EditTeamDialog::cancel()
{
    reject();
}

} // namespace marvola
