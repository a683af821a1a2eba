// The new team dialog.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace marvola {

struct Kilpailu;
class MatchSession;
struct Tulokset;
class TeamForm;

class NewTeamDialog : public QDialog
{
    Q_OBJECT

public:
    NewTeamDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);
    ~NewTeamDialog() override;

    // Replaces the competitor name lists (fillCompetitorNameLists).
    void setCompetitorNames(const QStringList &names);

    // "Ok": stores the team in the lowest free slot, unless its name is empty or in use.
    void addTeam();
    // "Cancel".
    void cancel();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();
    // A new team is stored in this slot.
    void teamStored(int slot);
    // The teams list should be refilled.
    void teamsChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    std::unique_ptr<TeamForm> m_form;
};

} // namespace marvola
