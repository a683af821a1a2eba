#include "ui/NewTeamDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/Prompts.h"
#include "ui/TeamsDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace marvola {

namespace {

const TeamFormNames NewTeamNames{
    "newTeamName",
    {"newTeamMember1", "newTeamMember2", "newTeamMember3"},
    "Discipline",
    {"newTeamBBP", "newTeamSBP", "newTeamFP", "newTeamSBR", "newTeamBBR", "newTeamStanding"},
    "newTeamOk",
    "newTeamCancel",
};

QString registerFull()
{
    return QCoreApplication::translate(
        "marvola::NewTeamDialog", "Joukkuerekisteri täynnä!?! (Max. 100).");
}
QString nameInUse()
{
    return QCoreApplication::translate("marvola::NewTeamDialog", "This name is already in use.");
}
QString nameNotValid()
{
    return QCoreApplication::translate("marvola::NewTeamDialog", "Name is not valid.");
}

} // namespace

NewTeamDialog::NewTeamDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
    , m_form(std::make_unique<TeamForm>(this, NewTeamNames))
{
    setObjectName(QStringLiteral("newTeamDialog"));
    setWindowTitle(tr("New Team"));
    connect(m_form->ok, &QPushButton::clicked, this, &NewTeamDialog::addTeam);
    connect(m_form->cancel, &QPushButton::clicked, this, &NewTeamDialog::cancel);
}

NewTeamDialog::~NewTeamDialog() = default;

void NewTeamDialog::setCompetitorNames(const QStringList &names)
{
    m_form->setCompetitorNames(names, true);
}

void NewTeamDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_form->nimi->setFocus();
}

void NewTeamDialog::addTeam()
{
    const Joukkuerekisteri &joukkueet = m_kilpailu.joukkueet;
    const std::optional<int> slot = joukkueet.freeSlot();
    if (!slot) {
        prompts().information(this, registerFull());
        reject();
        return;
    }
    const TJoukkue &team = joukkueet[*slot];
    const QString typed = singleLine(m_form->nimi->text());
    // With no group checked the slot keeps its group word, and the name is stored with it.
    const std::optional<QString> group = m_form->checkedGroup();
    const Str10 nimi = storedTeamName(typed, group ? Str5(*group) : team.Laji);
    // Compared as stored, so no two teams carry the same name.
    for (int other = 1; other <= MaxJoukkueet; ++other) {
        if (!joukkueet[other].Nimi.isEmpty() && joukkueet[other].Nimi == nimi) {
            prompts().information(this, nameInUse());
            return;
        }
    }
    if (typed.isEmpty()) {
        prompts().information(this, nameNotValid());
    } else {
        QString error;
        bool numbered = false;
        // The number, the members, the group and the name: one step of the office.
        m_session.edit([&, slot = *slot](Kilpailu &k) {
            numbered = k.takeNextNumber(error).has_value();
            if (!numbered)
                return;
            TJoukkue &stored = k.joukkueet[slot];
            m_form->storeMembers(stored);
            if (group)
                stored.Laji.setText(*group);
            stored.Nimi.setBytes(nimi.bytes());
        });
        if (!numbered) {
            prompts().information(this, error);
            return;
        }
        warnAboutSharedMembers(this, joukkueet, *slot);
        // The next new team starts from an empty form.
        m_form->clear();
        emit teamStored(*slot);
        accept();
    }
    emit teamsChanged();
    emit updateRequested();
}

void NewTeamDialog::cancel()
{
    reject();
}

} // namespace marvola
