// The teams, new team and edit team dialogs against a register in memory, and with the whole
// program for the team standings.
#include "ScriptedPrompts.h"
#include "model/Registers.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "support/ParamName.h"
#include "ui/Application.h"
#include "ui/EditTeamDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/TeamsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <ostream>

using namespace marvola;
using marvola::testing::paramName;
using marvola::testing::ScriptedPrompts;

namespace {

const QString RegisterFull = QStringLiteral("Joukkuerekisteri täynnä!?! (Max. 100).");
const QString NameInUse = QStringLiteral("This name is already in use.");
const QString NameNotValid = QStringLiteral("Name is not valid.");

template<typename Control> Control *child(const QWidget *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QStringList members(const TJoukkue &team)
{
    return {team.Kilpailija[0].text(), team.Kilpailija[1].text(), team.Kilpailija[2].text()};
}

// MARVOLA_SCREENSHOT_DIR keeps a picture of a window as the official sees it.
void saveScreenshot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("MARVOLA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    }
}

// The window has become the application's active one, and has had its activate event.
bool waitActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// Runs action on the dialog once the next modal showing has opened it, and closes it should the
// action leave it open, so a test never waits on a window. Sets opened when it was shown.
void whenShown(QDialog *dialog, std::function<void()> action, bool *opened = nullptr)
{
    QTimer::singleShot(0, dialog, [dialog, action = std::move(action), opened] {
        if (!dialog->isVisible())
            return;
        if (opened)
            *opened = true;
        // As for the official, the dialog has the focus before anything is typed.
        EXPECT_TRUE(waitActive(dialog));
        action();
        if (dialog->isVisible()) {
            ADD_FAILURE() << dialog->windowTitle().toStdString() << " stayed open";
            dialog->reject();
        }
    });
}

// What a team is typed as in the new team and edit team dialogs.
struct TeamEntry
{
    QString name;
    std::optional<TeamGroup> group; // none: no button is checked
    QStringList members;
};

// The new team and edit team dialogs, driven through their controls.
class TeamFormDriver
{
public:
    TeamFormDriver(QDialog *dialog, const char *nimi, const char *memberBase,
        std::array<const char *, TeamGroupCount> radios, const char *ok, const char *cancel)
        : m_nimi(child<QLineEdit>(dialog, QLatin1String(nimi)))
        , m_ok(child<QPushButton>(dialog, QLatin1String(ok)))
        , m_cancel(child<QPushButton>(dialog, QLatin1String(cancel)))
    {
        for (int i = 0; i < 3; ++i)
            m_members[static_cast<size_t>(i)]
                = child<QComboBox>(dialog, QLatin1String(memberBase) + QString::number(i + 1));
        for (size_t g = 0; g < radios.size(); ++g)
            m_radios[g] = child<QRadioButton>(dialog, QLatin1String(radios[g]));
    }

    void type(const TeamEntry &entry)
    {
        m_nimi->clear();
        QTest::keyClicks(m_nimi, entry.name);
        for (size_t i = 0; i < m_members.size(); ++i)
            m_members[i]->setEditText(entry.members.value(static_cast<int>(i)));
        if (entry.group)
            m_radios[static_cast<size_t>(ix(*entry.group))]->click();
    }
    void pressOk() { m_ok->click(); }
    QLineEdit *nimi() const { return m_nimi; }
    QComboBox *member(int i) const { return m_members[static_cast<size_t>(i)]; }
    QRadioButton *radio(TeamGroup g) const { return m_radios[static_cast<size_t>(ix(g))]; }
    QPushButton *cancel() const { return m_cancel; }

private:
    QLineEdit *m_nimi;
    std::array<QComboBox *, 3> m_members{};
    std::array<QRadioButton *, TeamGroupCount> m_radios{};
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

TeamFormDriver newTeamForm(QDialog *dialog)
{
    return {dialog, "newTeamName", "newTeamMember",
        {"newTeamBBP", "newTeamSBP", "newTeamFP", "newTeamSBR", "newTeamBBR", "newTeamStanding"},
        "newTeamOk", "newTeamCancel"};
}

TeamFormDriver editTeamForm(QDialog *dialog)
{
    return {dialog, "editTeamName", "editTeamMember",
        {"editTeamBBP", "editTeamSBP", "editTeamFP", "editTeamSBR", "editTeamBBR",
            "editTeamStanding"},
        "editTeamOk", "editTeamCancel"};
}

class TeamDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        joukkueet.setWindows(&newDialog, &editDialog);
        const auto count = [this] { ++refreshes; };
        QObject::connect(&joukkueet, &TeamsDialog::updateRequested, count);
        QObject::connect(&newDialog, &NewTeamDialog::updateRequested, count);
        QObject::connect(&editDialog, &EditTeamDialog::updateRequested, count);
    }

    // Types the team into the new team dialog, shown modeless, and presses Ok.
    void addTeam(const TeamEntry &entry)
    {
        newDialog.show();
        newForm.type(entry);
        newForm.pressOk();
    }
    // Opens the edit team dialog on a stored name, makes the change and presses Ok.
    void editTeam(const QString &nimi, const std::function<void(TeamFormDriver &)> &change = {})
    {
        ASSERT_TRUE(editDialog.selectTeam(nimi)) << nimi.toStdString();
        editDialog.show();
        if (change)
            change(editForm);
        editForm.pressOk();
        EXPECT_FALSE(editDialog.isVisible());
    }
    // The teams list, one line per item: a title, or "|name|member|member|member".
    QStringList listed() const
    {
        QStringList lines;
        for (int i = 0; i < joukkueruutu->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = joukkueruutu->topLevelItem(i);
            QStringList columns;
            for (int c = 0; c < 5; ++c)
                columns << item->text(c);
            lines << (columns.first().isEmpty() ? columns.join(QLatin1Char('|')) : columns.first());
        }
        return lines;
    }
    QStringList comboItems() const
    {
        QStringList items;
        for (int i = 0; i < joukkueCombo->count(); ++i)
            items << joukkueCombo->itemText(i);
        return items;
    }
    // The team shown by the teams dialog: name, group label and the three members.
    QStringList shownTeam() const
    {
        QStringList shown{joukkueCombo->currentText(), lajiLabel->text()};
        for (int i = 1; i <= 3; ++i)
            shown << child<QLineEdit>(&joukkueet, QStringLiteral("memberField%1").arg(i))->text();
        return shown;
    }
    void putTeam(int slot, const QString &nimi, const QString &laji, const QStringList &names)
    {
        TJoukkue &team = kilpailu->joukkueet[slot];
        team.Nimi.setText(nimi);
        team.Laji.setText(laji);
        for (int i = 0; i < 3; ++i)
            team.Kilpailija[static_cast<size_t>(i)].setText(names.value(i));
    }

    ScriptedPrompts prompts;
    std::unique_ptr<Kilpailu> kilpailu = std::make_unique<Kilpailu>();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    std::unique_ptr<MatchSession> session = std::make_unique<MatchSession>(*kilpailu);
    TeamsDialog joukkueet{*session, *tulokset};
    NewTeamDialog newDialog{*session, *tulokset};
    EditTeamDialog editDialog{*session, *tulokset};
    int refreshes = 0;

    TeamFormDriver newForm = newTeamForm(&newDialog);
    TeamFormDriver editForm = editTeamForm(&editDialog);
    QComboBox *joukkueCombo = child<QComboBox>(&joukkueet, QStringLiteral("teamNameList"));
    QLabel *lajiLabel = child<QLabel>(&joukkueet, QStringLiteral("teamGroup"));
    QTreeWidget *joukkueruutu = child<QTreeWidget>(&joukkueet, QStringLiteral("teamList"));
};

const QStringList AllTitles{QStringLiteral("BBP"), QStringLiteral("SBP"), QStringLiteral("FP"),
    QStringLiteral("SBR"), QStringLiteral("BBR"), QStringLiteral("Standing")};

// The teams list with the given lines after a group's title, the other titles empty.
QStringList listWith(const QString &title, const QStringList &teams)
{
    QStringList lines;
    for (const QString &t : AllTitles) {
        lines << t;
        if (t == title)
            lines << teams;
    }
    return lines;
}

struct StoredNameCase
{
    const char *typed;
    TeamGroup group;
    const char *stored;
    const char *laji;
    const char *title; // the teams list title it stands under
    const char *shown; // the name the list and the edit dialog show
};

void PrintTo(const StoredNameCase &c, std::ostream *out)
{
    *out << c.typed << " in " << teamGroupInfo(c.group).code;
}

class StoredNameTest : public TeamDialogsTest, public ::testing::WithParamInterface<StoredNameCase>
{
};

TEST_P(StoredNameTest, NewTeamIsStoredWithItsGroupWordAndListedByGroup)
{
    const StoredNameCase &c = GetParam();
    const QString shown = QString::fromLatin1(c.shown);
    const QStringList names{
        QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")};
    joukkueet.show();
    kilpailu->ViimeNumero = 7;

    addTeam({QString::fromLatin1(c.typed), c.group, names});

    EXPECT_TRUE(prompts.informations.isEmpty()) << prompts.informations.join('/').toStdString();
    EXPECT_FALSE(newDialog.isVisible());
    const TJoukkue &team = kilpailu->joukkueet[1];
    EXPECT_EQ(team.Nimi.text(), QString::fromLatin1(c.stored));
    EXPECT_EQ(team.Laji.text(), QString::fromLatin1(c.laji));
    EXPECT_EQ(members(team), names);
    EXPECT_EQ(team.Numero, 0);
    EXPECT_EQ(kilpailu->ViimeNumero, 8) << "a new team uses up a competitor number";
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(newForm.nimi()->text().isEmpty());

    const QString row = QStringLiteral("|%1|Aalto Aino|Berg Bo|Carl Cid").arg(shown);
    EXPECT_EQ(listed(), listWith(QString::fromLatin1(c.title), {row}));
    EXPECT_EQ(comboItems(), QStringList{QString::fromLatin1(c.stored)});
    EXPECT_EQ(shownTeam(),
        (QStringList{QString::fromLatin1(c.stored), QString::fromLatin1(c.laji), names[0], names[1],
            names[2]}));

    // The edit dialog shows the name without the group word; Ok without changes keeps the team.
    kilpailu->Muutettu = false;
    ASSERT_TRUE(editDialog.selectTeam(QString::fromLatin1(c.stored)));
    EXPECT_EQ(editForm.nimi()->text(), shown);
    EXPECT_TRUE(editForm.radio(c.group)->isChecked());
    editTeam(QString::fromLatin1(c.stored));
    EXPECT_EQ(team.Nimi.text(), QString::fromLatin1(c.stored));
    EXPECT_EQ(team.Laji.text(), QString::fromLatin1(c.laji));
    EXPECT_EQ(members(team), names);
    EXPECT_FALSE(kilpailu->Muutettu) << "an unchanged edit changes nothing";
    EXPECT_EQ(refreshes, 1) << "the edit dialog leaves the refresh to the teams dialog";
}

INSTANTIATE_TEST_SUITE_P(Names, StoredNameTest,
    ::testing::Values(StoredNameCase{"Lions", TeamGroup::BBP, "Lions BBP", "BBP", "BBP", "Lions"},
        StoredNameCase{"Finland", TeamGroup::SBP, "Finland SB", "SBP", "SBP", "Finland"},
        StoredNameCase{"Oulu", TeamGroup::Stand, "Oulu Stand", "Stand", "Standing", "Oulu"},
        // Ten or more characters leave no room for the group word.
        StoredNameCase{"Helsinginseura", TeamGroup::BBR, "Helsingins", "BBR", "BBR", "Helsingins"},
        // Typed with its group word already in it: shown without it, stored the same again.
        StoredNameCase{"Kokkola FP", TeamGroup::FP, "Kokkola FP", "FP", "FP", "Kokkola"},
        // A blank in the typed name is kept, so editing never shortens it.
        StoredNameCase{"Red Lions", TeamGroup::SBR, "Red Lions ", "SBR", "SBR", "Red Lions"},
        StoredNameCase{"Team 2", TeamGroup::BBP, "Team 2 BBP", "BBP", "BBP", "Team 2"}),
    [](const auto &info) { return paramName(info.param.typed); });

TEST_F(TeamDialogsTest, NoGroupCheckedKeepsTheSlotsGroupWord)
{
    joukkueet.show();
    addTeam({QStringLiteral("Lions"), std::nullopt, {QStringLiteral("Aalto Aino")}});
    // A slot read from a file may be free and still carry a group word.
    kilpailu->joukkueet[2].Laji.setText(QStringLiteral("FP"));
    addTeam({QStringLiteral("Bears"), std::nullopt, {QStringLiteral("Berg Bo")}});

    EXPECT_EQ(kilpailu->joukkueet[1].Nimi.text(), QStringLiteral("Lions "));
    EXPECT_TRUE(kilpailu->joukkueet[1].Laji.isEmpty());
    EXPECT_EQ(kilpailu->joukkueet[2].Nimi.text(), QStringLiteral("Bears FP"));
    EXPECT_EQ(kilpailu->joukkueet[2].Laji.text(), QStringLiteral("FP"));
    // With no group word Lions is a team of the list of names, yet of no group.
    EXPECT_EQ(comboItems(), (QStringList{QStringLiteral("Bears FP"), QStringLiteral("Lions ")}));
    EXPECT_EQ(listed(), listWith(QStringLiteral("FP"), {QStringLiteral("|Bears|Berg Bo||")}));

    refreshResults(*kilpailu, *tulokset);
    for (const TeamGroupInfo &info : TeamGroups)
        for (int row = 1; row <= JoukkueTaulukko::RowCount; ++row)
            EXPECT_FALSE(tulokset->standings(info.group)[row].Nimi == QStringLiteral("Lions "));
}

TEST_F(TeamDialogsTest, NewTeamFormStartsEmptyAfterOk)
{
    joukkueet.show();
    addTeam({QStringLiteral("Lions"), TeamGroup::BBP,
        {QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")}});
    ASSERT_FALSE(newDialog.isVisible());

    newDialog.show();
    EXPECT_TRUE(newForm.nimi()->text().isEmpty());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(newForm.member(i)->currentText().isEmpty()) << i;
    for (const TeamGroupInfo &info : TeamGroups)
        EXPECT_FALSE(newForm.radio(info.group)->isChecked()) << info.code;
    newDialog.reject();
}

TEST_F(TeamDialogsTest, ACompetitorInTwoTeamsOfOneGroupIsPointedOutAndStillStored)
{
    const QString shared = QStringLiteral("Aalto Aino is also in team Lions of the same group.");
    prompts.expectInformation(shared);
    joukkueet.show();
    addTeam({QStringLiteral("Lions"), TeamGroup::BBP, {QStringLiteral("Aalto Aino")}});
    addTeam({QStringLiteral("Bears"), TeamGroup::SBP, {QStringLiteral("Aalto Aino")}});
    EXPECT_TRUE(prompts.informations.isEmpty()) << "another group is no conflict";

    addTeam({QStringLiteral("Wolves"), TeamGroup::BBP,
        {QStringLiteral("Berg Bo"), QStringLiteral("Aalto Aino")}});
    EXPECT_EQ(prompts.informations, QStringList{shared});
    EXPECT_EQ(kilpailu->joukkueet[3].Nimi.text(), QStringLiteral("Wolves BBP")) << "a warning only";

    prompts.informations.clear();
    const QString both
        = shared + QStringLiteral("\nAalto Aino is also in team Wolves of the same group.");
    prompts.expectInformation(both);
    editTeam(QStringLiteral("Bears SBP"),
        [](TeamFormDriver &form) { form.radio(TeamGroup::BBP)->click(); });
    EXPECT_EQ(prompts.informations, QStringList{both}) << "moved into the group: pointed out too";
}

TEST_F(TeamDialogsTest, NameFieldsStopAtTheirStoredLength)
{
    newDialog.show();
    EXPECT_EQ(newForm.nimi()->maxLength(), 10);
    QTest::keyClicks(newForm.nimi(), QStringLiteral("Hameenlinnan"));
    EXPECT_EQ(newForm.nimi()->text(), QStringLiteral("Hameenlinn"));
    EXPECT_FALSE(newForm.nimi()->toolTip().isEmpty());
    QTest::keyClicks(newForm.member(0), QString(30, QLatin1Char('x')));
    EXPECT_EQ(newForm.member(0)->currentText().size(), 25);
    newDialog.reject();
}

TEST_F(TeamDialogsTest, ClearingTheNameRemovesTheTeamAndFreesItsSlot)
{
    joukkueet.show();
    addTeam({QStringLiteral("Lions"), TeamGroup::BBP, {QStringLiteral("Aalto Aino")}});
    addTeam({QStringLiteral("Bears"), TeamGroup::BBP, {QStringLiteral("Berg Bo")}});
    kilpailu->Muutettu = false;

    editTeam(QStringLiteral("Lions BBP"), [](TeamFormDriver &form) { form.nimi()->clear(); });

    const TJoukkue &freed = kilpailu->joukkueet[1];
    EXPECT_TRUE(freed.Nimi.isEmpty());
    EXPECT_TRUE(freed.Laji.isEmpty());
    EXPECT_EQ(freed.Kilpailija[0].text(), QStringLiteral("Aalto Aino")) << "the members stay";
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_EQ(listed(), listWith(QStringLiteral("BBP"), {QStringLiteral("|Bears|Berg Bo||")}));
    EXPECT_EQ(comboItems(), QStringList{QStringLiteral("Bears BBP")});
    // Slot 1 is free: the dialog shows no team.
    EXPECT_EQ(shownTeam(), (QStringList{QString(), QString(), QString(), QString(), QString()}));

    addTeam({QStringLiteral("Wolves"), TeamGroup::SBP, {QStringLiteral("Carl Cid")}});
    EXPECT_EQ(kilpailu->joukkueet[1].Nimi.text(), QStringLiteral("Wolves SBP"));
    EXPECT_EQ(members(kilpailu->joukkueet[1]),
        (QStringList{QStringLiteral("Carl Cid"), QString(), QString()}));
    EXPECT_EQ(kilpailu->joukkueet[2].Nimi.text(), QStringLiteral("Bears BBP"));
}

TEST_F(TeamDialogsTest, EditingChangesMembersGroupAndName)
{
    joukkueet.show();
    addTeam({QStringLiteral("Lions"), TeamGroup::BBP,
        {QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")}});
    kilpailu->Muutettu = false;
    const QString longName(30, QLatin1Char('x'));

    editTeam(QStringLiteral("Lions BBP"), [&](TeamFormDriver &form) {
        form.type({QStringLiteral("Tigers"), TeamGroup::Stand,
            {QStringLiteral("Aalto Aino"), longName, QString()}});
    });

    const TJoukkue &team = kilpailu->joukkueet[1];
    EXPECT_EQ(team.Nimi.text(), QStringLiteral("Tigers Sta"));
    EXPECT_EQ(team.Laji.text(), QStringLiteral("Stand"));
    EXPECT_EQ(members(team), (QStringList{QStringLiteral("Aalto Aino"), longName.left(25), {}}));
    EXPECT_TRUE(kilpailu->Muutettu);
    EXPECT_EQ(listed(),
        listWith(QStringLiteral("Standing"),
            {QStringLiteral("|Tigers|Aalto Aino|%1|").arg(longName.left(25))}));
    EXPECT_EQ(shownTeam().first(), QStringLiteral("Tigers Sta"));
    EXPECT_EQ(refreshes, 1) << "only the new team refreshed";
}

struct InUseCase
{
    const char *typed;
    TeamGroup group;
    bool inUse;
};

void PrintTo(const InUseCase &c, std::ostream *out)
{
    *out << c.typed << " in " << teamGroupInfo(c.group).code;
}

class InUseTest : public TeamDialogsTest, public ::testing::WithParamInterface<InUseCase>
{
};

TEST_P(InUseTest, ANameIsInUseWhenItsStoredFormIsTaken)
{
    prompts.expectInformation(NameInUse);
    putTeam(1, QStringLiteral("Lions BBP"), QStringLiteral("BBP"), {});
    putTeam(2, QStringLiteral("Finland SB"), QStringLiteral("SBP"), {});
    putTeam(100, QStringLiteral("Helsingins"), QStringLiteral("BBR"), {});
    const InUseCase &c = GetParam();

    addTeam({QString::fromLatin1(c.typed), c.group, {}});

    if (c.inUse) {
        EXPECT_EQ(prompts.informations, QStringList{NameInUse});
        EXPECT_TRUE(newDialog.isVisible()) << "the dialog stays open";
        EXPECT_TRUE(kilpailu->joukkueet[3].Nimi.isEmpty());
        EXPECT_EQ(kilpailu->ViimeNumero, 0);
        EXPECT_FALSE(kilpailu->Muutettu);
        EXPECT_EQ(refreshes, 0);
        // The field takes the ten characters the stored name can hold.
        EXPECT_EQ(newForm.nimi()->text(), QString::fromLatin1(c.typed).left(10));
    } else {
        EXPECT_TRUE(prompts.informations.isEmpty());
        EXPECT_FALSE(kilpailu->joukkueet[3].Nimi.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Names, InUseTest,
    ::testing::Values(InUseCase{"Lions", TeamGroup::BBP, true},
        InUseCase{"Lions", TeamGroup::SBP, false}, InUseCase{"lions", TeamGroup::BBP, false},
        // Finland SBR would be stored as Finland SB too.
        InUseCase{"Finland", TeamGroup::SBR, true}, InUseCase{"Finland", TeamGroup::FP, false},
        // Slot 100 counts as well.
        InUseCase{"Helsinginseura", TeamGroup::SBP, true}),
    [](const auto &info) {
        return paramName(info.param.typed) + "_in_" + teamGroupInfo(info.param.group).code;
    });

TEST_F(TeamDialogsTest, EmptyNameIsRefusedAndTheDialogStaysOpen)
{
    prompts.expectInformation(NameNotValid);
    addTeam({QString(), TeamGroup::BBP, {QStringLiteral("Aalto Aino")}});

    EXPECT_EQ(prompts.informations, QStringList{NameNotValid});
    EXPECT_TRUE(newDialog.isVisible());
    EXPECT_TRUE(kilpailu->joukkueet[1].Nimi.isEmpty());
    EXPECT_TRUE(kilpailu->joukkueet[1].Kilpailija[0].isEmpty());
    EXPECT_EQ(kilpailu->ViimeNumero, 0);
    EXPECT_FALSE(kilpailu->Muutettu);
}

TEST_F(TeamDialogsTest, FullRegisterRefusesAndCloses)
{
    prompts.expectInformation(RegisterFull);
    for (int slot = 1; slot <= MaxJoukkueet; ++slot)
        putTeam(slot, QStringLiteral("T%1").arg(slot), QStringLiteral("FP"), {});

    addTeam({QStringLiteral("Lions"), TeamGroup::BBP, {}});

    EXPECT_EQ(prompts.informations, QStringList{RegisterFull});
    EXPECT_FALSE(newDialog.isVisible());
    EXPECT_EQ(kilpailu->joukkueet.slotByName(QStringLiteral("Lions BBP")), std::nullopt);
    EXPECT_EQ(kilpailu->ViimeNumero, 0);
    EXPECT_FALSE(kilpailu->Muutettu);
}

TEST_F(TeamDialogsTest, OpeningShowsSlotOneAndEveryTeamByGroup)
{
    putTeam(1, QStringLiteral("Lions BBP"), QStringLiteral("BBP"),
        {QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")});
    putTeam(2, QStringLiteral("Bears SBP"), QStringLiteral("SBP"), {QStringLiteral("Dahl Dan")});
    putTeam(4, QStringLiteral("Apes BBP"), QStringLiteral("BBP"), {QStringLiteral("Ek Eva")});
    putTeam(5, QStringLiteral("Odd Other"), QStringLiteral("Other"), {});
    // The first competitor slot in use is not 1; the dialog still shows team slot 1.
    kilpailu->addCompetitor(QStringLiteral("X"), {}, {});
    kilpailu->addCompetitor(QStringLiteral("Y"), {}, {});
    kilpailu->removeCompetitor(1);

    joukkueet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&joukkueet));

    EXPECT_EQ(shownTeam(),
        (QStringList{QStringLiteral("Lions BBP"), QStringLiteral("BBP"),
            QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")}));
    EXPECT_EQ(comboItems(),
        (QStringList{QStringLiteral("Apes BBP"), QStringLiteral("Bears SBP"),
            QStringLiteral("Lions BBP"), QStringLiteral("Odd Other")}));
    EXPECT_EQ(listed(),
        (QStringList{QStringLiteral("BBP"), QStringLiteral("|Lions|Aalto Aino|Berg Bo|Carl Cid"),
            QStringLiteral("|Apes|Ek Eva||"), QStringLiteral("SBP"),
            QStringLiteral("|Bears|Dahl Dan||"), QStringLiteral("FP"), QStringLiteral("SBR"),
            QStringLiteral("BBR"), QStringLiteral("Standing")}));

    saveScreenshot(&joukkueet, QStringLiteral("teams"));
}

TEST_F(TeamDialogsTest, ChoosingATeamShowsItAndUnknownTextBringsBackSlotOne)
{
    putTeam(1, QStringLiteral("Lions BBP"), QStringLiteral("BBP"), {QStringLiteral("Aalto Aino")});
    putTeam(2, QStringLiteral("Bears SBP"), QStringLiteral("SBP"),
        {QStringLiteral("Dahl Dan"), QStringLiteral("Ek Eva"), QStringLiteral("Fors Fia")});
    joukkueet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&joukkueet));

    QTest::keyClick(joukkueCombo, Qt::Key_Up); // the item above Lions BBP
    EXPECT_EQ(shownTeam(),
        (QStringList{QStringLiteral("Bears SBP"), QStringLiteral("SBP"), QStringLiteral("Dahl Dan"),
            QStringLiteral("Ek Eva"), QStringLiteral("Fors Fia")}));

    QTest::keyClick(joukkueCombo->lineEdit(), Qt::Key_End);
    QTest::keyClicks(joukkueCombo->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(shownTeam(),
        (QStringList{QStringLiteral("Lions BBP"), QStringLiteral("BBP"),
            QStringLiteral("Aalto Aino"), QString(), QString()}));

    joukkueCombo->lineEdit()->selectAll();
    QTest::keyClick(joukkueCombo->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(joukkueCombo->currentText(), QStringLiteral("Lions BBP"));
    EXPECT_TRUE(prompts.informations.isEmpty());
}

TEST_F(TeamDialogsTest, BackFromASubDialogTheListsAreNewAndSlotOneIsShown)
{
    putTeam(1, QStringLiteral("Lions BBP"), QStringLiteral("BBP"), {QStringLiteral("Aalto Aino")});
    putTeam(2, QStringLiteral("Bears SBP"), QStringLiteral("SBP"), {QStringLiteral("Dahl Dan")});
    joukkueet.show();
    ASSERT_TRUE(waitActive(&joukkueet));
    QTest::keyClick(joukkueCombo, Qt::Key_Up);
    ASSERT_EQ(joukkueCombo->currentText(), QStringLiteral("Bears SBP"));

    whenShown(&newDialog, [this] {
        newForm.type({QStringLiteral("Wolves"), TeamGroup::FP, {QStringLiteral("Ek Eva")}});
        newForm.pressOk();
    });
    child<QPushButton>(&joukkueet, QStringLiteral("newTeamButton"))->click();
    ASSERT_TRUE(waitActive(&joukkueet));

    EXPECT_EQ(comboItems(),
        (QStringList{QStringLiteral("Bears SBP"), QStringLiteral("Lions BBP"),
            QStringLiteral("Wolves FP")}));
    EXPECT_EQ(listed(),
        (QStringList{QStringLiteral("BBP"), QStringLiteral("|Lions|Aalto Aino||"),
            QStringLiteral("SBP"), QStringLiteral("|Bears|Dahl Dan||"), QStringLiteral("FP"),
            QStringLiteral("|Wolves|Ek Eva||"), QStringLiteral("SBR"), QStringLiteral("BBR"),
            QStringLiteral("Standing")}));
    // Becoming active again, the dialog shows slot 1, as on opening.
    EXPECT_EQ(shownTeam(),
        (QStringList{QStringLiteral("Lions BBP"), QStringLiteral("BBP"),
            QStringLiteral("Aalto Aino"), QString(), QString()}));
}

TEST_F(TeamDialogsTest, EditTeamOpensOnlyOnANamedTeam)
{
    joukkueet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&joukkueet));
    auto *editButton = child<QPushButton>(&joukkueet, QStringLiteral("editTeamButton"));

    bool opened = false;
    whenShown(
        &editDialog, [this] { editForm.cancel()->click(); }, &opened);
    editButton->click();
    // A zero timer started now runs after the one that would have seen the dialog.
    bool looked = false;
    QTimer::singleShot(0, &joukkueet, [&looked] { looked = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return looked; }));
    EXPECT_FALSE(opened) << "no team: nothing to edit";
    EXPECT_EQ(editDialog.editedSlot(), 0);

    putTeam(2, QStringLiteral("Bears SBP"), QStringLiteral("SBP"), {QStringLiteral("Dahl Dan")});
    putTeam(1, QStringLiteral("Lions BBP"), QStringLiteral("BBP"), {QStringLiteral("Aalto Aino")});
    joukkueet.fillTeamNames();
    QTest::keyClick(joukkueCombo, Qt::Key_Up);
    QString shownName;
    whenShown(
        &editDialog,
        [&] {
            shownName = editForm.nimi()->text();
            saveScreenshot(&editDialog, QStringLiteral("edit-team"));
            QTest::keyClick(&editDialog, Qt::Key_Escape);
        },
        &opened);
    editButton->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(editDialog.editedSlot(), 2);
    EXPECT_EQ(shownName, QStringLiteral("Bears"));
    EXPECT_EQ(kilpailu->joukkueet[2].Nimi.text(), QStringLiteral("Bears SBP"));
}

TEST_F(TeamDialogsTest, KeyboardEnterStoresAndEscapeCancels)
{
    joukkueet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&joukkueet));
    auto *newButton = child<QPushButton>(&joukkueet, QStringLiteral("newTeamButton"));

    whenShown(&newDialog, [this] {
        EXPECT_EQ(newDialog.focusWidget(), newForm.nimi());
        newForm.type({QStringLiteral("Lions"), TeamGroup::FP, {}});
        QTest::keyClick(newForm.nimi(), Qt::Key_Escape);
    });
    newButton->click();
    EXPECT_TRUE(kilpailu->joukkueet[1].Nimi.isEmpty()) << "Escape is Cancel";

    whenShown(&newDialog, [this] {
        newForm.type({QStringLiteral("Lions"), TeamGroup::FP, {}});
        saveScreenshot(&newDialog, QStringLiteral("new-team"));
        QTest::keyClick(newForm.nimi(), Qt::Key_Return);
    });
    newButton->click();
    EXPECT_EQ(kilpailu->joukkueet[1].Nimi.text(), QStringLiteral("Lions FP"));

    // Enter in the team list edits the team it names.
    ASSERT_TRUE(waitActive(&joukkueet));
    bool opened = false;
    whenShown(
        &editDialog, [this] { QTest::keyClick(editForm.nimi(), Qt::Key_Escape); }, &opened);
    QTest::keyClick(joukkueCombo->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(opened);
    EXPECT_EQ(editDialog.editedSlot(), 1);

    const int before = refreshes;
    QTest::keyClick(&joukkueet, Qt::Key_Escape);
    EXPECT_FALSE(joukkueet.isVisible());
    EXPECT_EQ(refreshes, before + 1) << "Escape is Close, which refreshes";
}

TEST_F(TeamDialogsTest, NewTeamMemberListsAreSortedAndEditListsInSlotOrder)
{
    const QStringList names{
        QStringLiteral("Virtanen Ville"), QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo")};
    newDialog.setCompetitorNames(names);
    editDialog.setCompetitorNames(names);
    for (int i = 0; i < 3; ++i) {
        QStringList newItems;
        QStringList editItems;
        for (int r = 0; r < names.size(); ++r) {
            newItems << newForm.member(i)->itemText(r);
            editItems << editForm.member(i)->itemText(r);
        }
        EXPECT_EQ(newItems,
            (QStringList{QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"),
                QStringLiteral("Virtanen Ville")}));
        EXPECT_EQ(editItems, names);
        EXPECT_TRUE(newForm.member(i)->currentText().isEmpty());
    }
}

// The whole program: the team standings follow a new team at once, an edit when Close is pressed.
class TeamStandingsTest : public ::testing::Test
{
protected:
    // A competitor in the four disciplines of the BBP aggregate, each hit count h in each.
    void bbpCompetitor(const QString &name, int h)
    {
        const int slot
            = *kilpailu.addCompetitor(name, QStringLiteral("Club"), QStringLiteral("FIN"));
        TKilpailija &k = kilpailu.kilpailijat[slot];
        for (Laji d : {BBPR, BBPP, BBPS, BBPU}) {
            k.Osallistuu[d] = true;
            for (Target t : {Target::Kana, Target::Sika, Target::Kalkkuna, Target::Passi})
                k.hits(t, d) = h;
            k.Yhteensa[d] = 4 * h;
        }
    }
    std::int32_t lionsTotal()
    {
        const JoukkueTaulukko &table = program.tulokset().standings(TeamGroup::BBP);
        EXPECT_EQ(table[1].Nimi.text(), QStringLiteral("Lions BBP"));
        return table[1].Yhteensa[3];
    }

    ScriptedPrompts prompts;
    Program program;
    Kilpailu &kilpailu = program.kilpailu();
    TeamsDialog *joukkueet = program.dialogs().teams;
    NewTeamDialog *newDialog = program.dialogs().newTeam;
    EditTeamDialog *editDialog = program.dialogs().editTeam;
};

TEST_F(TeamStandingsTest, OkOfANewTeamAndCloseRefreshTheStandings)
{
    bbpCompetitor(QStringLiteral("Aalto Aino"), 1);
    bbpCompetitor(QStringLiteral("Berg Bo"), 2);
    bbpCompetitor(QStringLiteral("Carl Cid"), 3);
    bbpCompetitor(QStringLiteral("Dahl Dan"), 5);
    // A BBP aggregate total is the sum of 16 hit counts.
    const auto total = [](int a, int b, int c) { return 16 * (a + b + c); };
    joukkueet->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(joukkueet));
    TeamFormDriver newForm = newTeamForm(newDialog);
    TeamFormDriver editForm = editTeamForm(editDialog);

    whenShown(newDialog, [&] {
        newForm.type({QStringLiteral("Lions"), TeamGroup::BBP,
            {QStringLiteral("Aalto Aino"), QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid")}});
        newForm.pressOk();
    });
    child<QPushButton>(joukkueet, QStringLiteral("newTeamButton"))->click();
    EXPECT_EQ(lionsTotal(), total(1, 2, 3));
    EXPECT_EQ(program.tulokset().standings(TeamGroup::BBP)[1].Yhteensa[2], total(0, 0, 3));

    whenShown(editDialog, [&] {
        editForm.member(2)->setEditText(QStringLiteral("Dahl Dan"));
        editForm.pressOk();
    });
    child<QPushButton>(joukkueet, QStringLiteral("editTeamButton"))->click();
    EXPECT_EQ(members(kilpailu.joukkueet[1]).last(), QStringLiteral("Dahl Dan"));
    EXPECT_EQ(lionsTotal(), total(1, 2, 3)) << "an edit waits for Close";

    child<QPushButton>(joukkueet, QStringLiteral("closeButton"))->click();
    EXPECT_FALSE(joukkueet->isVisible());
    EXPECT_EQ(lionsTotal(), total(1, 2, 5));
}

} // namespace
