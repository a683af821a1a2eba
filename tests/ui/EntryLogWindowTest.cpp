// The entry log in the window: the restore question at an open, a log of another state, the log
// window and its filters, and a log that cannot be written.
#include "ui/EntryLogWindow.h"

#include "ProgramFixture.h"
#include "files/MatchFiles.h"
#include "log/EntryLog.h"
#include "session/MatchSession.h"
#include "ui/ResultEntryDialog.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QTableView>

namespace marvola::testing {
namespace {

class EntryLogWindowTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        loadDemo();
        set = demoDir.filePath(QStringLiteral("demo.mrv"));
        for (int s = 1; s <= MaxKilpailijat && slot == 0; ++s)
            if (kilpailu().kilpailijat[s].Osallistuu[BBPR])
                slot = s;
        ASSERT_NE(slot, 0);
    }
    // Types a hit into the result entry dialog, as the office does.
    void typeHit(Program &p, const char *field, int value)
    {
        ResultEntryDialog *entry = p.dialogs().resultEntry;
        p.mainWindow().findChild<QAction *>(QStringLiteral("editResultsAction"))->trigger();
        entry->showCompetitor(slot, BBPR);
        auto *edit = entry->findChild<QLineEdit *>(QLatin1String(field));
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::number(value));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The question names the entries, not the fields each touched.
    QString question(const QString &named, const QDateTime &last)
    {
        return QStringLiteral("1 entry made after the last save, at %1, was not saved: %2. "
                              "Restore it?")
            .arg(last.toString(QStringLiteral("HH:mm")), named);
    }

    // The window that had the set open is gone, killed: its hold on the set goes with it (the
    // next program on this computer finds its lock stale; here the first window lives on).
    void windowGone() { QFile::remove(MatchFileSet::fromChosenName(set).openLock()); }

    QString set;
    int slot = 0;
};

TEST_F(EntryLogWindowTest, UnsavedChangesAreOfferedAtTheNextOpenAndRestoredInOrder)
{
    const std::int32_t kana = kilpailu().kilpailijat[slot].Kana[BBPR];
    typeHit(program, "BBPRKana", 7);
    typeHit(program, "BBPRSika", 6);
    ASSERT_TRUE(form.session().commitNow());
    const TKilpailija typed = kilpailu().kilpailijat[slot];
    ASSERT_NE(kana, typed.Kana[BBPR]);

    windowGone();
    Program next;
    prompts.confirmAnswers = {true};
    ASSERT_TRUE(next.mainWindow().loadMatch(set));
    ASSERT_EQ(prompts.questions.size(), 1);
    const QDateTime now = QDateTime::currentDateTime();
    // Kana 7 (its total follows), Sika 6 (and the total again): four fields, one entry.
    const TKilpailija &k = kilpailu().kilpailijat[slot];
    const QString named = QStringLiteral("%1 %2 BBPR").arg(k.Numero).arg(k.Nimi.text());
    EXPECT_TRUE(prompts.questions[0] == question(named, now)
        || prompts.questions[0] == question(named, now.addSecs(-60)))
        << prompts.questions[0].toStdString();
    const TKilpailija &restored = next.kilpailu().kilpailijat[slot];
    EXPECT_EQ(restored.Kana[BBPR], 7);
    EXPECT_EQ(restored.Sika[BBPR], 6);
    EXPECT_EQ(restored.Yhteensa[BBPR], typed.Yhteensa[BBPR]);
    EXPECT_TRUE(next.kilpailu().Muutettu);
}

TEST_F(EntryLogWindowTest, DeclinedChangesAreNotOfferedAgain)
{
    typeHit(program, "BBPRKana", 7);
    ASSERT_TRUE(form.session().commitNow());
    {
        windowGone();
        Program declined;
        prompts.confirmAnswers = {false};
        ASSERT_TRUE(declined.mainWindow().loadMatch(set));
        EXPECT_NE(declined.kilpailu().kilpailijat[slot].Kana[BBPR], 7);
        EXPECT_FALSE(declined.kilpailu().Muutettu);
    }
    Program again;
    ASSERT_TRUE(again.mainWindow().loadMatch(set));
    EXPECT_EQ(prompts.questions.size(), 1);
}

TEST_F(EntryLogWindowTest, ChangesMadeOnAnotherStateOfTheSetAreNotReplayed)
{
    typeHit(program, "BBPRKana", 7);
    ASSERT_TRUE(form.session().commitNow());
    // The set is replaced by another save of it.
    QFile summary(set);
    ASSERT_TRUE(summary.open(QIODevice::Append));
    summary.write("\r\n");
    summary.close();
    const QString notice = QStringLiteral(
        "2 changes in the entry log were made on another state of this match (it was saved "
        "elsewhere or replaced since) and are not restored.");
    prompts.expectInformation(notice);
    windowGone();
    Program next;
    ASSERT_TRUE(next.mainWindow().loadMatch(set));
    EXPECT_EQ(prompts.informations, QStringList{notice});
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_NE(next.kilpailu().kilpailijat[slot].Kana[BBPR], 7);
}

TEST_F(EntryLogWindowTest, SavedChangesAreNotOffered)
{
    typeHit(program, "BBPRKana", 7);
    prompts.fileAnswers = {set};
    form.findChild<QAction *>(QStringLiteral("saveAction"))->trigger();
    windowGone();
    Program next;
    ASSERT_TRUE(next.mainWindow().loadMatch(set));
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_EQ(next.kilpailu().kilpailijat[slot].Kana[BBPR], 7);
}

TEST_F(EntryLogWindowTest, LogWindowShowsNewestFirstAndFilters)
{
    typeHit(program, "BBPRKana", 7);
    typeHit(program, "BBPRPassi", 3);
    ASSERT_TRUE(form.session().commitNow());
    form.findChild<QAction *>(QStringLiteral("entryLogAction"))->trigger();
    auto *window = form.findChild<EntryLogWindow *>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QAbstractItemModel *model = window->view()->model();
    const auto cell
        = [&](int row, int column) { return model->index(row, column).data().toString(); };
    // Passi 3, its total, Kana 7, its total, the open: the last typed on top. The stored field
    // names (Passi, Yhteensa, Kana) are shown in the window's language.
    ASSERT_EQ(model->rowCount(), 5);
    EXPECT_EQ(cell(0, 5), QStringLiteral("Total"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("Ram"));
    EXPECT_EQ(cell(1, 7), QStringLiteral("3"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("Total"));
    EXPECT_EQ(cell(3, 5), QStringLiteral("Chicken"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("office"));
    EXPECT_EQ(cell(3, 3), QString::number(kilpailu().kilpailijat[slot].Numero));
    EXPECT_EQ(cell(4, 2), QStringLiteral("open"));

    int withSeven = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        withSeven += cell(row, 6).contains(u'7') || cell(row, 7).contains(u'7');
    window->findChild<QLineEdit *>(QStringLiteral("valueFilterEdit"))->setText(QStringLiteral("7"));
    EXPECT_EQ(model->rowCount(), withSeven);
    EXPECT_LT(withSeven, 5);
    window->findChild<QLineEdit *>(QStringLiteral("valueFilterEdit"))->setText(QStringLiteral("%"));
    EXPECT_EQ(model->rowCount(), 0);
    window->findChild<QLineEdit *>(QStringLiteral("valueFilterEdit"))->clear();
    window->findChild<QComboBox *>(QStringLiteral("disciplineFilterBox"))
        ->setCurrentText(QStringLiteral("SBPR"));
    EXPECT_EQ(model->rowCount(), 0);
    window->findChild<QComboBox *>(QStringLiteral("disciplineFilterBox"))->setCurrentIndex(0);
    window->findChild<QLineEdit *>(QStringLiteral("sourceFilterEdit"))
        ->setText(QStringLiteral("station 3"));
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(window->view()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(EntryLogWindowTest, UndoAndRedoOfResultEntriesAreLoggedAsChangesOfTheirOwn)
{
    const TKilpailija before = kilpailu().kilpailijat[slot];
    typeHit(program, "BBPRKana", 7);
    typeHit(program, "BBPRSika", 6);
    const TKilpailija typed = kilpailu().kilpailijat[slot];
    ResultEntryDialog *entry = program.dialogs().resultEntry;
    const auto press = [&](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(entry->focusWidget(), Qt::Key_Z, modifiers);
    };
    const auto shown = [&](const char *field) {
        return entry->findChild<QLineEdit *>(QLatin1String(field))->text().toInt();
    };

    press(Qt::ControlModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Sika[BBPR], before.Sika[BBPR]);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], 7);
    EXPECT_EQ(shown("BBPRSika"), before.Sika[BBPR]);
    press(Qt::ControlModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], before.Kana[BBPR]);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Yhteensa[BBPR], before.Yhteensa[BBPR]);
    EXPECT_EQ(shown("BBPRYhteensa"), before.Yhteensa[BBPR]);
    // Nothing more to undo back to the open.
    press(Qt::ControlModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], before.Kana[BBPR]);
    press(Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], 7);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Sika[BBPR], 6);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Yhteensa[BBPR], typed.Yhteensa[BBPR]);
    EXPECT_TRUE(kilpailu().Muutettu);

    // Two entries, two undos, two redos: each with its total, eight logged changes, in order.
    ASSERT_TRUE(form.session().commitNow());
    QString error;
    EntryLog log;
    ASSERT_TRUE(log.open(entryLogFileName(set), EntryLog::Access::ReadOnly, error));
    QStringList kanaAndSika;
    for (const FieldEdit &e : log.events(error))
        if (e.field == QLatin1String("Kana") || e.field == QLatin1String("Sika"))
            kanaAndSika << e.field + QLatin1Char('=') + e.newValue;
    EXPECT_EQ(kanaAndSika,
        QStringList({QStringLiteral("Kana=7"), QStringLiteral("Sika=6"),
            QStringLiteral("Sika=%1").arg(before.Sika[BBPR]),
            QStringLiteral("Kana=%1").arg(before.Kana[BBPR]), QStringLiteral("Kana=7"),
            QStringLiteral("Sika=6")}));
}

// Typed at the official's pace: a field is one undo step however slowly its digits come, and
// the next field another.
TEST_F(EntryLogWindowTest, TenTypedOneDigitASecondIsOneUndoStep)
{
    const TKilpailija before = kilpailu().kilpailijat[slot];
    form.findChild<QAction *>(QStringLiteral("editResultsAction"))->trigger();
    ResultEntryDialog *entry = program.dialogs().resultEntry;
    entry->showCompetitor(slot, BBPR);
    auto *kana = entry->findChild<QLineEdit *>(QStringLiteral("BBPRKana"));
    auto *sika = entry->findChild<QLineEdit *>(QStringLiteral("BBPRSika"));
    QTest::keyClick(kana, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(kana, Qt::Key_1);
    QTest::qWait(1000);
    QTest::keyClick(kana, Qt::Key_0);
    QTest::keyClick(kana, Qt::Key_Return);
    QTest::keyClick(sika, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(sika, QStringLiteral("5"));
    QTest::keyClick(sika, Qt::Key_Return);
    ASSERT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], 10);

    QTest::keyClick(entry->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Sika[BBPR], before.Sika[BBPR]);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], 10);
    QTest::keyClick(entry->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], before.Kana[BBPR]) << "not 1";
    EXPECT_EQ(kilpailu().kilpailijat[slot].Yhteensa[BBPR], before.Yhteensa[BBPR]);
    QTest::keyClick(entry->focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(kilpailu().kilpailijat[slot].Kana[BBPR], 10) << "not 1";
}

// Opening one match after another used to write the difference between them into the first
// one's log, and reopening the first offered to turn it into the second.
TEST_F(EntryLogWindowTest, OpeningAnotherMatchAndReopeningTheFirstOffersNothing)
{
    const QString other = demoDir.filePath(QStringLiteral("other.mrv"));
    {
        Kilpailu small;
        small.addCompetitor(
            QStringLiteral("Eero Esimerkki"), QStringLiteral("PSA"), QStringLiteral("FIN"));
        QString error;
        ASSERT_TRUE(saveMatchFileSet(other, small, {}, error)) << error.toStdString();
    }
    for (const bool savedFirst : {false, true}) {
        windowGone();
        Program office;
        ASSERT_TRUE(office.mainWindow().loadMatch(set));
        if (savedFirst) {
            ASSERT_TRUE(office.mainWindow().saveMatch());
        }
        ASSERT_TRUE(office.mainWindow().loadMatch(other));
        office.mainWindow().close();

        Program next;
        ASSERT_TRUE(next.mainWindow().loadMatch(set));
        EXPECT_TRUE(prompts.questions.isEmpty()) << prompts.questions.join(' ').toStdString();
        EXPECT_EQ(next.kilpailu().kilpailijat[slot].Nimi, kilpailu().kilpailijat[slot].Nimi);
        EXPECT_FALSE(next.kilpailu().Muutettu);
    }
}

// Two office computers open the match from the shared folder: the second is told who writes
// it and may look at it read-only, and the first never replaces a set changed behind its back
// without asking.
TEST_F(EntryLogWindowTest, SecondWindowOnASetReadsItAndNoSaveDropsAnothersChanges)
{
    typeHit(program, "BBPRKana", 7);
    {
        Program second;
        prompts.confirmAnswers = {false};
        EXPECT_FALSE(second.mainWindow().loadMatch(set));
        ASSERT_EQ(prompts.questions.size(), 1);
        EXPECT_TRUE(prompts.questions[0].contains(
            QStringLiteral("process %1 on ").arg(QCoreApplication::applicationPid())))
            << prompts.questions[0].toStdString();
        EXPECT_TRUE(second.mainWindow().matchFile().isEmpty());

        prompts.confirmAnswers = {true};
        ASSERT_TRUE(second.mainWindow().loadMatch(set));
        EXPECT_TRUE(second.mainWindow().windowTitle().contains(QStringLiteral("(read-only)")));
        // Its Save asks for another name: the set is the first window's to write.
        const QString copy = demoDir.filePath(QStringLiteral("copy.mrv"));
        prompts.fileAnswers = {copy};
        ASSERT_TRUE(second.mainWindow().saveMatch());
        EXPECT_EQ(prompts.fileDialogs.size(), 1);
        EXPECT_EQ(second.mainWindow().matchFile(), copy);
    }

    // Another program saves over the set while the first window has it open.
    QString error;
    Kilpailu theirs = kilpailu();
    theirs.kilpailijat[slot].Passi[BBPR] = 1;
    ASSERT_TRUE(saveMatchFileSet(set, theirs, {}, error)) << error.toStdString();
    const QByteArray onDisk = matchSetDigest(set, error);
    prompts.questions.clear();
    prompts.confirmAnswers = {false};
    EXPECT_FALSE(form.saveMatch());
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(prompts.questions[0].contains(QStringLiteral("changed on disk")));
    EXPECT_EQ(matchSetDigest(set, error), onDisk) << "their save is still there";
    EXPECT_TRUE(kilpailu().Muutettu) << "and ours is not saved";
    prompts.confirmAnswers = {true};
    EXPECT_TRUE(form.saveMatch());
    EXPECT_NE(matchSetDigest(set, error), onDisk);
    EXPECT_FALSE(kilpailu().Muutettu);
}

TEST_F(EntryLogWindowTest, LogThatCannotBeWrittenIsShownOnceInTheStatusBar)
{
    // A folder where the log should be: the log cannot be made, the match goes on.
    ASSERT_TRUE(QDir().mkpath(entryLogFileName(set)));
    windowGone();
    Program next;
    ASSERT_TRUE(next.mainWindow().loadMatch(set));
    auto *status = next.mainWindow().findChild<QLabel *>(QStringLiteral("entryLogStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_FALSE(status->isHidden());
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Changes are not logged: ")));
    typeHit(next, "BBPRKana", 7);
    EXPECT_EQ(next.kilpailu().kilpailijat[slot].Kana[BBPR], 7);
}

} // namespace
} // namespace marvola::testing
