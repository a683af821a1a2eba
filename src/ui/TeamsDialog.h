// The teams dialog, and the pieces that the new team and edit team dialogs share with it.
#pragma once

#include "model/Records.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <optional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace marvola {

class Joukkuerekisteri;
struct Kilpailu;
class MatchSession;
struct Tulokset;
class NewTeamDialog;
class EditTeamDialog;

// The stored name of a team: the typed name, one blank and the group word, cut to ten characters.
Str10 storedTeamName(const QString &typed, const Str5 &laji);
// The name the dialogs show for a team: the stored name without the group word that storing
// appended, so that storing the shown name again gives the same stored name. A stored name that
// no typed name could have given is shown whole.
QString shownTeamName(const TJoukkue &team);
// One line for each member of the team in `slot` who is also in another team of the same group:
// a competitor counts once in a group's standings, so the office should know.
QStringList sharedMembers(const Joukkuerekisteri &joukkueet, int slot);
// Shows the shared members, if any, in one information box.
void warnAboutSharedMembers(QWidget *parent, const Joukkuerekisteri &joukkueet, int slot);

// Component names of the controls that the new team and edit team dialogs share.
struct TeamFormNames
{
    const char *nimi;
    std::array<const char *, 3> members;
    const char *groupFrame; // the frame's caption
    std::array<const char *, TeamGroupCount> groups; // radio buttons, in the order of TeamGroups
    const char *ok;
    const char *cancel;
};

// The team name, the three member lists, the group buttons, Ok and Cancel, laid out in a dialog.
// Escape presses Cancel and Enter presses Ok.
class TeamForm
{
public:
    // note, when given, stands between the group buttons and Ok.
    TeamForm(QDialog *dialog, const TeamFormNames &names, const QString &note = {});

    // The group word of the checked button; none while no button is checked.
    std::optional<QString> checkedGroup() const;
    // Checks the button of the group word; checks nothing when the word names no group.
    void checkGroup(const Str5 &laji);
    // Replaces the choices of the member lists; their texts stay.
    void setCompetitorNames(const QStringList &names, bool sorted);
    // Stores the member texts, each cut to a competitor name's length, into the team.
    void storeMembers(TJoukkue &team) const;
    // Empties the name and the members and checks no group, as for a new team.
    void clear();

    QLineEdit *nimi = nullptr;
    std::array<QComboBox *, 3> memberLists{};
    std::array<QRadioButton *, TeamGroupCount> groups{};
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

class TeamsDialog : public QDialog
{
    Q_OBJECT

public:
    TeamsDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // The two dialogs opened from here, which become its sub-dialogs; the new team dialog
    // reports its team back to this one.
    void setWindows(NewTeamDialog *newTeam, EditTeamDialog *editTeam);

    // Refills the teams list: each group's title, then its teams in slot order.
    void fillTeamList();
    // Refills the team names and shows slot 1.
    void fillTeamNames();
    // Shows the team the list's text names, or slot 1 when it names none.
    void showNamedTeam();
    void refillAndFocus();
    void refill();
    // "New Team", "Edit Team" and "Close".
    void openNewTeam();
    void openEditTeam();
    void closeAndRefresh();

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QGroupBox *buildTeamBox();
    void buildTeamList();
    QHBoxLayout *buildButtons();
    // Shows a stored team name in the team list's text.
    void showName(const QString &nimi);
    // Shows the group and the members of a slot; a free slot shows nothing.
    void showSlot(int slot);
    // A team the new team dialog has just stored becomes the shown one.
    void showNewTeam(int slot);

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    NewTeamDialog *m_newTeam = nullptr;
    EditTeamDialog *m_editTeam = nullptr;

    QComboBox *m_teamNameList = nullptr;
    QLabel *m_groupLabel = nullptr;
    std::array<QLineEdit *, 3> m_memberFields{};
    QTreeWidget *m_teamList = nullptr;
    QPushButton *m_newTeamButton = nullptr;
    QPushButton *m_editTeamButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace marvola
