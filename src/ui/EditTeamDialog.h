// The edit team dialog.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace marvola {

struct Kilpailu;
class MatchSession;
struct Tulokset;
class TeamForm;

class EditTeamDialog : public QDialog
{
    Q_OBJECT

public:
    EditTeamDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);
    ~EditTeamDialog() override;

    // Replaces the competitor name lists (fillCompetitorNameLists).
    void setCompetitorNames(const QStringList &names);

    // Takes the first team whose stored name is nimi as the one to edit and shows it; false,
    // with nothing changed, when no team carries that name.
    bool selectTeam(const QString &nimi);
    // The slot being edited; 0 before a team has been selected.
    int editedSlot() const { return m_slot; }

    // "Ok": stores the shown team back into its slot; an empty name removes the team.
    void storeTeam();
    // "Cancel".
    void cancel();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();
    // The teams list and the team names should be refilled.
    void teamsChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    std::unique_ptr<TeamForm> m_form;
    int m_slot = 0;
};

} // namespace marvola
