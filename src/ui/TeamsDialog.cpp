#include "ui/TeamsDialog.h"

#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/EditTeamDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/Prompts.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace marvola {

namespace {

QStringList teamListColumns()
{
    return {QCoreApplication::translate("marvola::TeamsDialog", "Discipline"),
        QCoreApplication::translate("marvola::TeamsDialog", "Team"), QString(), QString(),
        QString(), QString()};
}
constexpr std::array<int, 6> TeamListWidths{100, 100, 170, 170, 170, 10};

// Translated where shown: a table of texts is built before the translation is installed.
const std::array<const char *, 3> MemberCaptions{
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Competitor 1"),
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Competitor 2"),
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Competitor 3")};

// The frames of the new and edit team dialogs; the group codes stay as they are, but Standing
// is a word.
[[maybe_unused]] const char *const TeamFormWords[] = {
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Discipline"),
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Team Discipline"),
    QT_TRANSLATE_NOOP("marvola::TeamsDialog", "Standing"),
};

QString memberCaption(size_t i)
{
    return QCoreApplication::translate("marvola::TeamsDialog", MemberCaptions[i]);
}

QString teamGroupCaption(const TeamGroupInfo &info)
{
    return QCoreApplication::translate("marvola::TeamsDialog", info.caption);
}

QString groupWord(const TeamGroupInfo &info)
{
    return QLatin1String(info.code);
}

QComboBox *makeMemberList(const char *name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    toolkit::makeEditable(list);
    list->setMinimumContentsLength(25);
    return list;
}

QPushButton *makeButton(const QString &caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

Str10 storedTeamName(const QString &typed, const Str5 &laji)
{
    return Str10(typed + QLatin1Char(' ') + laji.text());
}

QString shownTeamName(const TJoukkue &team)
{
    // The appended part is a blank and the group word, of which the cut may have left only the
    // beginning; try the longest first. Cutting at the first blank instead would shorten a name
    // typed with a blank in it ("Red Lions") every time the team is edited.
    const QString nimi = team.Nimi.text();
    const QString laji = team.Laji.text();
    for (qsizetype kept = laji.size(); kept >= 0; --kept) {
        const QString appended = QLatin1Char(' ') + laji.left(kept);
        if (!nimi.endsWith(appended))
            continue;
        const QString typed = nimi.chopped(appended.size());
        if (storedTeamName(typed, team.Laji) == team.Nimi)
            return typed;
    }
    return nimi;
}

TeamForm::TeamForm(QDialog *dialog, const TeamFormNames &names, const QString &note)
{
    nimi = new QLineEdit(dialog);
    nimi->setObjectName(QLatin1String(names.nimi));
    // The stored name holds 10 characters: the typed name, a blank and the group word as far as
    // they fit.
    nimi->setMaxLength(Str10::Capacity);
    nimi->setToolTip(QCoreApplication::translate("marvola::TeamsDialog",
        "At most 10 characters, the group word included when it fits after the name"));
    auto *form = new QFormLayout;
    form->addRow(QCoreApplication::translate("marvola::TeamsDialog", "Team Name"), nimi);
    for (size_t i = 0; i < memberLists.size(); ++i) {
        memberLists[i] = makeMemberList(names.members[i], dialog);
        toolkit::limitLength(memberLists[i], Str25::Capacity);
        form->addRow(memberCaption(i), memberLists[i]);
    }

    auto *frame = new QGroupBox(
        QCoreApplication::translate("marvola::TeamsDialog", names.groupFrame), dialog);
    auto *grid = new QGridLayout(frame);
    for (size_t g = 0; g < groups.size(); ++g) {
        groups[g] = new QRadioButton(teamGroupCaption(TeamGroups[g]), frame);
        groups[g]->setObjectName(QLatin1String(names.groups[g]));
        grid->addWidget(groups[g], static_cast<int>(g % 3), static_cast<int>(g / 3));
    }

    ok = makeButton(QCoreApplication::translate("marvola::TeamsDialog", "Ok"), names.ok, dialog);
    ok->setDefault(true);
    cancel = makeButton(
        QCoreApplication::translate("marvola::TeamsDialog", "Cancel"), names.cancel, dialog);
    toolkit::setCancelButton(dialog, cancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(frame);
    if (!note.isEmpty())
        layout->addWidget(new QLabel(note, dialog));
    layout->addLayout(buttons);

    QWidget::setTabOrder(nimi, memberLists[0]);
    QWidget::setTabOrder(memberLists[0], memberLists[1]);
    QWidget::setTabOrder(memberLists[1], memberLists[2]);
    QWidget::setTabOrder(memberLists[2], groups[0]);
    for (size_t g = 1; g < groups.size(); ++g)
        QWidget::setTabOrder(groups[g - 1], groups[g]);
    QWidget::setTabOrder(groups.back(), ok);
    QWidget::setTabOrder(ok, cancel);
}

std::optional<QString> TeamForm::checkedGroup() const
{
    for (size_t g = 0; g < groups.size(); ++g)
        if (groups[g]->isChecked())
            return groupWord(TeamGroups[g]);
    return std::nullopt;
}

void TeamForm::checkGroup(const Str5 &laji)
{
    for (size_t g = 0; g < groups.size(); ++g)
        if (laji == groupWord(TeamGroups[g]))
            groups[g]->setChecked(true);
}

void TeamForm::setCompetitorNames(const QStringList &names, bool sorted)
{
    for (QComboBox *list : memberLists) {
        const QString shown = list->currentText();
        list->clear();
        for (const QString &name : names) {
            if (sorted)
                toolkit::addSorted(list, name);
            else
                list->addItem(name);
        }
        list->setEditText(shown);
    }
}

void TeamForm::clear()
{
    nimi->clear();
    for (QComboBox *list : memberLists)
        list->setEditText(QString());
    for (QRadioButton *button : groups) {
        // Exclusive buttons refuse to be unchecked one by one.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

QStringList sharedMembers(const Joukkuerekisteri &joukkueet, int slot)
{
    QStringList lines;
    const TJoukkue &team = joukkueet[slot];
    if (team.Nimi.isEmpty())
        return lines;
    for (const Str25 &member : team.Kilpailija) {
        if (member.isEmpty())
            continue;
        for (int other = 1; other <= MaxJoukkueet; ++other) {
            const TJoukkue &theirs = joukkueet[other];
            if (other == slot || theirs.Nimi.isEmpty() || !(theirs.Laji == team.Laji))
                continue;
            if (std::any_of(theirs.Kilpailija.begin(), theirs.Kilpailija.end(),
                    [&](const Str25 &m) { return m.sameText(member); }))
                lines << QCoreApplication::translate(
                    "marvola::TeamsDialog", "%1 is also in team %2 of the same group.")
                             .arg(member.text(), shownTeamName(theirs));
        }
    }
    return lines;
}

void warnAboutSharedMembers(QWidget *parent, const Joukkuerekisteri &joukkueet, int slot)
{
    const QStringList lines = sharedMembers(joukkueet, slot);
    if (!lines.isEmpty())
        prompts().information(parent, lines.join(QLatin1Char('\n')));
}

void TeamForm::storeMembers(TJoukkue &team) const
{
    for (size_t i = 0; i < memberLists.size(); ++i)
        team.Kilpailija[i].setText(singleLine(memberLists[i]->currentText()));
}

TeamsDialog::TeamsDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setObjectName(QStringLiteral("teamsDialog"));
    setWindowTitle(tr("Teams"));
    buildControls();
    toolkit::onActivate(this, this, [this] { refill(); });
}

void TeamsDialog::buildControls()
{
    QGroupBox *teamBox = buildTeamBox();
    buildTeamList();
    QHBoxLayout *buttons = buildButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(teamBox);
    layout->addWidget(m_teamList, 1);
    layout->addLayout(buttons);

    setTabOrder(m_teamNameList, m_teamList);
    setTabOrder(m_teamList, m_newTeamButton);
    setTabOrder(m_newTeamButton, m_editTeamButton);
    setTabOrder(m_editTeamButton, m_closeButton);
    resize(760, 520);
}

QGroupBox *TeamsDialog::buildTeamBox()
{
    auto *teamBox = new QGroupBox(tr("Team"), this);
    m_teamNameList = new QComboBox(teamBox);
    m_teamNameList->setObjectName(QStringLiteral("teamNameList"));
    toolkit::makeEditable(m_teamNameList);
    m_teamNameList->setMinimumContentsLength(14);
    toolkit::onNewText(m_teamNameList, this, [this] { showNamedTeam(); });
    m_groupLabel = new QLabel(teamBox);
    m_groupLabel->setObjectName(QStringLiteral("teamGroup"));
    QFont bold = m_groupLabel->font();
    bold.setBold(true);
    m_groupLabel->setFont(bold);

    auto *form = new QFormLayout(teamBox);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(m_teamNameList);
    nameRow->addSpacing(16);
    nameRow->addWidget(new QLabel(tr("Discipline"), teamBox));
    nameRow->addWidget(m_groupLabel);
    nameRow->addStretch(1);
    form->addRow(tr("Team Name"), nameRow);
    for (size_t i = 0; i < m_memberFields.size(); ++i) {
        // The members are changed in the edit team dialog; here they are only shown.
        auto *edit = new QLineEdit(teamBox);
        edit->setObjectName(QStringLiteral("memberField%1").arg(i + 1));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
        m_memberFields[i] = edit;
        form->addRow(memberCaption(i), edit);
    }
    return teamBox;
}

void TeamsDialog::buildTeamList()
{
    m_teamList = new QTreeWidget(this);
    m_teamList->setObjectName(QStringLiteral("teamList"));
    m_teamList->setColumnCount(static_cast<int>(teamListColumns().size()));
    m_teamList->setHeaderLabels(teamListColumns());
    m_teamList->setRootIsDecorated(false);
    m_teamList->setAllColumnsShowFocus(true);
    m_teamList->setUniformRowHeights(true);
    m_teamList->header()->setStretchLastSection(true);
    m_teamList->header()->setSectionsMovable(false);
    for (size_t c = 0; c < TeamListWidths.size(); ++c)
        m_teamList->setColumnWidth(static_cast<int>(c), TeamListWidths[c]);
}

QHBoxLayout *TeamsDialog::buildButtons()
{
    m_newTeamButton = makeButton(tr("New Team"), "newTeamButton", this);
    m_editTeamButton = makeButton(tr("Edit Team"), "editTeamButton", this);
    m_closeButton = makeButton(tr("Close"), "closeButton", this);
    // Enter in the team list edits the team it names.
    m_editTeamButton->setDefault(true);
    connect(m_newTeamButton, &QPushButton::clicked, this, &TeamsDialog::openNewTeam);
    connect(m_editTeamButton, &QPushButton::clicked, this, &TeamsDialog::openEditTeam);
    connect(m_closeButton, &QPushButton::clicked, this, &TeamsDialog::closeAndRefresh);
    toolkit::setCancelButton(this, m_closeButton);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_newTeamButton);
    buttons->addWidget(m_editTeamButton);
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    return buttons;
}

void TeamsDialog::setWindows(NewTeamDialog *newTeam, EditTeamDialog *editTeam)
{
    m_newTeam = newTeam;
    m_editTeam = editTeam;
    // They open over this dialog, which is active again when they close.
    for (QDialog *dialog : std::initializer_list<QDialog *>{newTeam, editTeam})
        if (dialog)
            dialog->setParent(this, dialog->windowFlags());
    if (m_newTeam) {
        connect(m_newTeam, &NewTeamDialog::teamStored, this, &TeamsDialog::showNewTeam);
        connect(m_newTeam, &NewTeamDialog::teamsChanged, this, &TeamsDialog::fillTeamList);
    }
    if (m_editTeam)
        connect(m_editTeam, &EditTeamDialog::teamsChanged, this, [this] {
            fillTeamList();
            fillTeamNames();
        });
}

void TeamsDialog::fillTeamList()
{
    m_teamList->clear();
    QFont titleFont = m_teamList->font();
    titleFont.setBold(true);
    for (const TeamGroupInfo &info : TeamGroups) {
        auto *title = new QTreeWidgetItem(m_teamList, {teamGroupCaption(info)});
        title->setFont(0, titleFont);
        const QString word = groupWord(info);
        for (int slot = 1; slot <= MaxJoukkueet; ++slot) {
            const TJoukkue &team = m_kilpailu.joukkueet[slot];
            if (!(team.Laji == word))
                continue;
            new QTreeWidgetItem(m_teamList,
                {QString(), shownTeamName(team), team.Kilpailija[0].text(),
                    team.Kilpailija[1].text(), team.Kilpailija[2].text()});
        }
    }
}

void TeamsDialog::fillTeamNames()
{
    m_teamNameList->clear();
    for (int slot = 1; slot <= MaxJoukkueet; ++slot) {
        const Str10 &nimi = m_kilpailu.joukkueet[slot].Nimi;
        if (!nimi.isEmpty())
            toolkit::addSorted(m_teamNameList, nimi.text());
    }
    showName(m_kilpailu.joukkueet[1].Nimi.text());
    showSlot(1);
}

void TeamsDialog::showName(const QString &nimi)
{
    // The drop-down then opens at the shown team, and the arrow keys move on from it.
    m_teamNameList->setCurrentIndex(m_teamNameList->findText(nimi));
    m_teamNameList->setEditText(nimi);
}

void TeamsDialog::showNamedTeam()
{
    if (const auto slot = m_kilpailu.joukkueet.slotByName(m_teamNameList->currentText());
        slot && !m_kilpailu.joukkueet[*slot].Nimi.isEmpty()) {
        showSlot(*slot);
        return;
    }
    // Members and group follow the name back, so what is shown is always one team.
    showName(m_kilpailu.joukkueet[1].Nimi.text());
    showSlot(1);
}

void TeamsDialog::showSlot(int slot)
{
    const TJoukkue &team = m_kilpailu.joukkueet[slot];
    const bool inUse = !team.Nimi.isEmpty();
    m_groupLabel->setText(inUse ? team.Laji.text() : QString());
    for (size_t i = 0; i < m_memberFields.size(); ++i)
        m_memberFields[i]->setText(inUse ? team.Kilpailija[i].text() : QString());
}

void TeamsDialog::showNewTeam(int slot)
{
    const QString nimi = m_kilpailu.joukkueet[slot].Nimi.text();
    toolkit::addSorted(m_teamNameList, nimi);
    showName(nimi);
    showSlot(slot);
}

void TeamsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        refillAndFocus();
}

void TeamsDialog::refillAndFocus()
{
    fillTeamList();
    fillTeamNames();
    m_teamNameList->setFocus();
}

void TeamsDialog::refill()
{
    fillTeamList();
    fillTeamNames();
}

void TeamsDialog::openNewTeam()
{
    if (m_newTeam)
        toolkit::execModal(m_newTeam);
}

void TeamsDialog::openEditTeam()
{
    // A text that names no team leaves nothing to edit.
    if (m_editTeam && m_editTeam->selectTeam(m_teamNameList->currentText()))
        toolkit::execModal(m_editTeam);
}

void TeamsDialog::closeAndRefresh()
{
    emit updateRequested();
    accept();
}

} // namespace marvola
