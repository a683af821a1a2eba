// Results > "Shoot-offs needed": the ties listed, opened at the shoot-off fields by keyboard, and
// the list following the entries typed while it is open.
#include "ui/ShootOffsWindow.h"

#include "ProgramFixture.h"
#include "ui/MainWindow.h"
#include "ui/ResultEntryDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

using namespace marvola;
using namespace marvola::testing;

namespace {

class ShootOffsWindowTest : public ProgramTest
{
protected:
    // Cajan and Dahl share the third place of BBPR on everything the ranking looks at.
    void enterTie()
    {
        Kilpailu &m = kilpailu();
        m.tiedot.Laukaukset.fill(40);
        const std::pair<const char *, int> shooters[]
            = {{"Aho", 10}, {"Berg", 9}, {"Cajan", 8}, {"Dahl", 8}};
        for (const auto &[nimi, kana] : shooters) {
            const int slot = *m.addCompetitor(QLatin1String(nimi), QStringLiteral("Club"), {});
            TKilpailija &k = m.kilpailijat[slot];
            k.Osallistuu[BBPR] = true;
            k.Luokka[BBPR].setText(Luokat::A);
            k.Kana[BBPR] = kana;
            k.Sika[BBPR] = k.Kalkkuna[BBPR] = k.Passi[BBPR] = 10;
            k.Yhteensa[BBPR] = kana + 30;
        }
        form.fillCompetitorNameLists();
        form.refresh();
    }
    ShootOffsWindow *window() { return form.findChild<ShootOffsWindow *>(); }
    QTreeWidget *list()
    {
        return window()->findChild<QTreeWidget *>(QStringLiteral("shootOffsList"));
    }
    QStringList line(const QTreeWidgetItem *item)
    {
        QStringList texts;
        for (int column = 0; column < item->columnCount(); ++column)
            texts << item->text(column);
        return texts;
    }
    ResultEntryDialog *entry() { return program.dialogs().resultEntry; }
    QLineEdit *field(const QString &name) { return entry()->findChild<QLineEdit *>(name); }
};

TEST_F(ShootOffsWindowTest, ListsTheTieAndEnterOpensTheCompetitorAtTheShootOffField)
{
    enterTie();
    form.findChild<QAction *>(QStringLiteral("shootOffsAction"))->trigger();
    ASSERT_TRUE(window()->isVisible());
    ASSERT_EQ(list()->topLevelItemCount(), 1);
    const QTreeWidgetItem *tie = list()->topLevelItem(0);
    EXPECT_EQ(line(tie), (QStringList{"BBPR", "Overall", "3-4", "3 Cajan, 4 Dahl"}));
    ASSERT_EQ(tie->childCount(), 2);
    EXPECT_EQ(tie->child(1)->text(3), QStringLiteral("4 Dahl"));

    // Down to Dahl's line and Enter: result entry on Dahl, the cursor in BBPR's f1.
    EXPECT_EQ(list()->currentItem(), tie);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    ASSERT_TRUE(entry()->isVisible());
    EXPECT_TRUE(window()->isVisible()) << "Enter opens the line, it does not close the list";
    EXPECT_EQ(entry()->shownSlot(), 4);
    EXPECT_EQ(entry()->focusWidget(), field(QStringLiteral("BBPRf1")));
    entry()->hide();
    window()->hide();
}

TEST_F(ShootOffsWindowTest, FollowsTheShootOffEntriesTypedWhileItIsOpen)
{
    enterTie();
    form.findChild<QAction *>(QStringLiteral("shootOffsAction"))->trigger();
    auto *summary = window()->findChild<QLabel *>(QStringLiteral("shootOffsSummary"));
    ASSERT_EQ(window()->tieCount(), 1);

    // Enter on the tie's own line opens its first competitor, Cajan; an entry on one side decides.
    QTest::keyClick(list(), Qt::Key_Return);
    ASSERT_EQ(entry()->shownSlot(), 3);
    QTest::keyClicks(field(QStringLiteral("BBPRf1")), QStringLiteral("5"));
    QTRY_COMPARE(window()->tieCount(), 0);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(summary->text(), QStringLiteral("No tie at a prize place waits for a shoot-off."));

    // Dahl shoots the same: the tie is back, and the next round's field is the one to type in.
    entry()->showShootOff(4, BBPR);
    QTest::keyClicks(field(QStringLiteral("BBPRf1")), QStringLiteral("5"));
    QTRY_COMPARE(window()->tieCount(), 1);
    EXPECT_EQ(list()->topLevelItem(0)->text(2), QStringLiteral("3-4"));
    list()->setCurrentItem(list()->topLevelItem(0)->child(0));
    QTest::keyClick(list(), Qt::Key_Enter);
    EXPECT_EQ(entry()->shownSlot(), 3);
    EXPECT_EQ(entry()->focusWidget(), field(QStringLiteral("BBPRf2")));

    // A second round on one side decides again.
    entry()->showShootOff(4, BBPR);
    QTest::keyClicks(field(QStringLiteral("BBPRf2")), QStringLiteral("3"));
    QTRY_COMPARE(window()->tieCount(), 0);
    entry()->hide();
    window()->hide();
}

} // namespace
