// The match session: what an open offers back from the entry log, one match never logged into
// another's, the sources of the changes, Save As, a log that cannot be written, and undo steps.
#include "session/MatchSession.h"

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "support/MatchBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

class MatchSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const int slot = m_builder.competitor(QStringLiteral("Aino Ahola"));
        m_builder.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
        saveAs(m_builder.match(), m_set);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static void saveAs(const Kilpailu &k, const QString &chosen)
    {
        QString error;
        ASSERT_TRUE(saveMatchFileSet(chosen, k, {}, error)) << error.toStdString();
    }
    static PendingChanges pendingOf(const QString &chosen)
    {
        QString error;
        bool hasLog = false;
        const PendingChanges pending = readPendingChanges(chosen, hasLog, error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return pending;
    }
    // The match as a restart after a kill gives it: the set on disk and its log's changes.
    std::unique_ptr<Kilpailu> restoredFromDisk() const
    {
        QString error;
        auto fresh = std::make_unique<Kilpailu>();
        LoadedMatch loaded = loadMatchFileSet(m_set, false, *fresh, error);
        EXPECT_TRUE(loaded.kilpailu) << error.toStdString();
        if (!loaded.kilpailu)
            return fresh;
        const PendingChanges pending = pendingOf(m_set);
        EXPECT_EQ(pending.state, PendingChanges::State::Restorable);
        EXPECT_TRUE(applyPendingChanges(*loaded.kilpailu, pending, error)) << error.toStdString();
        return std::move(loaded.kilpailu);
    }
    static PendingChanges open(MatchSession &session, const QString &chosen)
    {
        QString error;
        const std::optional<PendingChanges> pending = session.open(chosen, false, error);
        EXPECT_TRUE(pending.has_value()) << error.toStdString();
        return pending.value_or(PendingChanges{});
    }
    // A window types a change, commits it and is gone without saving.
    void leaveUnsavedPassi(std::int32_t value)
    {
        MatchSession session(m_registers);
        open(session, m_set);
        setPassi(session, value);
        ASSERT_TRUE(session.commitNow());
    }
    static QList<FieldEdit> setPassi(
        MatchSession &session, std::int32_t value, const EditOrigin &origin = {})
    {
        return session.edit([value](Kilpailu &k) { k.kilpailijat[1].Passi[BBPR] = value; }, origin);
    }

    QTemporaryDir m_dir;
    MatchBuilder m_builder;
    QString m_set = path(QStringLiteral("kisa.mrv"));
    Kilpailu m_registers;
};

// What is offered back is the last value of each field, in the order they were made: a field
// typed over and over, or a log of a million rows, is restored from one row each. The log keeps
// every change.
TEST_F(MatchSessionTest, CommittedChangesAfterTheOpenAreOfferedAsTheLastValueOfEachField)
{
    MatchSession session(m_registers);
    EXPECT_EQ(open(session, m_set).state, PendingChanges::State::None);
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 6; });
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Passi[BBPR] = 1; });
    session.edit([](Kilpailu &k) {
        k.kilpailijat[1].Kana[BBPR] = 7;
        k.kilpailijat[1].Yhteensa[BBPR] = 16;
    });
    ASSERT_TRUE(session.commitNow());

    // Another connection sees them: they are on the disk, not in the window's transaction.
    const PendingChanges pending = pendingOf(m_set);
    EXPECT_EQ(pending.state, PendingChanges::State::Restorable);
    QStringList offered;
    for (const FieldEdit &change : pending.changes)
        offered << change.field + QLatin1Char('=') + change.newValue;
    EXPECT_EQ(offered,
        QStringList(
            {QStringLiteral("Passi=1"), QStringLiteral("Kana=7"), QStringLiteral("Yhteensa=16")}));
    EXPECT_EQ(pending.changes[1].oldValue, QStringLiteral("6"));
    EXPECT_EQ(pending.changes[2].source, QStringLiteral("office"));
    EXPECT_EQ(pending.last, pending.changes[2].time);
    EXPECT_EQ(restoredFromDisk()->kilpailijat[1].Kana[BBPR], 7);

    QString error;
    EntryLog log;
    ASSERT_TRUE(log.open(entryLogFileName(m_set), EntryLog::Access::ReadOnly, error));
    EXPECT_EQ(log.events(error).size(), 1 + 4) << "the open and every change";
}

TEST_F(MatchSessionTest, ChangesDeclinedAtAnOpenAreNotOfferedAgain)
{
    leaveUnsavedPassi(9);
    Kilpailu again;
    MatchSession second(again);
    EXPECT_EQ(open(second, m_set).state, PendingChanges::State::Restorable);
    // Until the official has answered, a second program is offered the same changes.
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::Restorable);
    second.declineRestore();
    // The open is committed within moments, not before the window shows the match.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second.log().hasUncommitted(); }, 5000));
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::None);
    EXPECT_EQ(again.kilpailijat[1].Passi[BBPR], 2);
}

TEST_F(MatchSessionTest, RestoredChangesAreInTheMatchAndOfferedAgainAfterASecondLoss)
{
    leaveUnsavedPassi(9);
    Kilpailu again;
    {
        MatchSession second(again);
        const PendingChanges pending = open(second, m_set);
        QString error;
        ASSERT_TRUE(second.restore(pending, error)) << error.toStdString();
        EXPECT_EQ(again.kilpailijat[1].Passi[BBPR], 9);
        EXPECT_TRUE(second.isModified());
    }
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::Restorable);
    ASSERT_EQ(pendingOf(m_set).changes.size(), 1);
    EXPECT_EQ(pendingOf(m_set).changes.first().source, QStringLiteral("restore"));
}

// Opening another match while one is open used to log the difference between the two matches
// into the first one's log, and reopening the first then offered to turn it into the second.
TEST_F(MatchSessionTest, OpeningAnotherMatchLogsNothingIntoEitherLog)
{
    MatchBuilder big;
    for (const char *name : {"Eero", "Kalle", "Ville"})
        big.enter(big.competitor(QLatin1String(name)), SBPR, QStringLiteral("B"), {9, 9, 9, 9});
    const QString other = path(QStringLiteral("iso.mrv"));
    saveAs(big.match(), other);

    MatchSession session(m_registers);
    open(session, m_set);
    setPassi(session, 8); // the first match has a log
    ASSERT_TRUE(session.commitNow());
    QString error;
    ASSERT_EQ(session.save(m_set, {}, error), MatchSession::SaveResult::Saved)
        << error.toStdString();
    open(session, other);
    // A set only looked at gets no log.
    EXPECT_FALSE(session.commitNow());
    EXPECT_FALSE(QFile::exists(entryLogFileName(other)));
    EXPECT_EQ(open(session, m_set).state, PendingChanges::State::None);
    EXPECT_EQ(m_registers.kilpailijat[1].Nimi.text(), QStringLiteral("Aino Ahola"));
    EXPECT_EQ(m_registers.kilpailijat[2].Numero, 0);
}

TEST_F(MatchSessionTest, EachChangeCarriesTheSourceOfItsEdit)
{
    MatchSession session(m_registers);
    open(session, m_set);
    QSignalSpy changed(&session, &MatchSession::changed);
    // A station's entry and the office's typing in the same moment keep their own sources.
    setPassi(session, 7, EditOrigin{QStringLiteral("station:ab12"), QString()});
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 6; });
    ASSERT_TRUE(session.commitNow());
    const PendingChanges pending = pendingOf(m_set);
    ASSERT_EQ(pending.changes.size(), 2);
    EXPECT_EQ(pending.changes[0].source, QStringLiteral("station:ab12"));
    EXPECT_EQ(pending.changes[0].field, QStringLiteral("Passi"));
    EXPECT_EQ(pending.changes[1].source, QStringLiteral("office"));
    ASSERT_EQ(changed.size(), 2);
    const auto first = changed.first().first().value<QList<FieldEdit>>();
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(first.first().oldValue, QStringLiteral("2"));
    EXPECT_EQ(first.first().newValue, QStringLiteral("7"));
    // An edit that changes nothing is no change.
    EXPECT_TRUE(setPassi(session, 7).isEmpty());
    EXPECT_EQ(changed.size(), 2);
}

TEST_F(MatchSessionTest, SaveAsCarriesTheLogOver)
{
    MatchSession session(m_registers);
    open(session, m_set);
    setPassi(session, 9);
    ASSERT_TRUE(session.commitNow());
    const QString copy = path(QStringLiteral("kopio.mrv"));
    QString error;
    ASSERT_EQ(session.save(copy, {}, error), MatchSession::SaveResult::Saved)
        << error.toStdString();
    EXPECT_EQ(session.fileName(), copy);
    EXPECT_FALSE(session.isModified());
    setPassi(session, 10);
    ASSERT_TRUE(session.commitNow());

    EntryLog log;
    ASSERT_TRUE(log.open(entryLogFileName(copy), EntryLog::Access::ReadOnly, error));
    const QList<FieldEdit> events = log.events(error);
    QStringList kinds;
    for (const FieldEdit &e : events)
        kinds << e.kind + QLatin1Char(':') + e.newValue;
    EXPECT_EQ(kinds,
        QStringList({QStringLiteral("open:kisa.mrv"), QStringLiteral("competitor:9"),
            QStringLiteral("save:kopio.mrv"), QStringLiteral("competitor:10")}));
    // The change after Save As went to the new set's log only.
    EXPECT_EQ(pendingOf(copy).changes.size(), 1);
    EXPECT_EQ(pendingOf(m_set).changes.size(), 1);
}

TEST_F(MatchSessionTest, LogThatCannotBeWrittenIsReportedOnceAndTheMatchGoesOn)
{
    // A folder where the log file should be: SQLite cannot open it, whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(entryLogFileName(m_set)));
    MatchSession session(m_registers);
    QSignalSpy unavailable(&session, &MatchSession::logUnavailable);
    EXPECT_EQ(open(session, m_set).state, PendingChanges::State::None);
    setPassi(session, 9);
    EXPECT_FALSE(session.commitNow());
    setPassi(session, 10);
    EXPECT_FALSE(session.commitNow());
    QString error;
    EXPECT_EQ(session.save(m_set, {}, error), MatchSession::SaveResult::Saved)
        << error.toStdString();
    ASSERT_EQ(unavailable.size(), 1);
    EXPECT_TRUE(unavailable.first().first().toString().contains(QStringLiteral("kisaLoki.db")));
    EXPECT_EQ(m_registers.kilpailijat[1].Passi[BBPR], 10);
}

TEST_F(MatchSessionTest, AFailedOpenKeepsTheMatchAndItsLog)
{
    MatchSession session(m_registers);
    open(session, m_set);
    setPassi(session, 9);
    QString error;
    EXPECT_FALSE(session.open(path(QStringLiteral("puuttuu.mrv")), false, error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(session.fileName(), m_set);
    EXPECT_TRUE(session.isModified());
    setPassi(session, 10);
    ASSERT_TRUE(session.commitNow());
    ASSERT_EQ(pendingOf(m_set).changes.size(), 1);
    EXPECT_EQ(pendingOf(m_set).changes.first().oldValue, QStringLiteral("9"));
    EXPECT_EQ(pendingOf(m_set).changes.first().newValue, QStringLiteral("10"));
}

// One undo step per entry: a field's digits join until the field is committed; other fields,
// other steps; a station's entry is not the office's to undo.
TEST_F(MatchSessionTest, UndoStepsFollowTheOfficialsEntries)
{
    MatchSession session(m_registers);
    open(session, m_set);
    const EditOrigin kana{QStringLiteral("office"), QStringLiteral("1/BBPR/Kana")};
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 1; }, kana);
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 10; }, kana);
    session.closeStep();
    setPassi(session, 3, {QStringLiteral("office"), QStringLiteral("1/BBPR/Passi")});
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Sika[BBPR] = 8; },
        {QStringLiteral("station:ab12"), QString()});

    // The office's Passi goes back to what it was before the office typed; the station's stays.
    auto step = session.undo();
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->slot, 1);
    EXPECT_EQ(step->discipline, QStringLiteral("BBPR"));
    EXPECT_EQ(m_registers.kilpailijat[1].Passi[BBPR], 2);
    EXPECT_EQ(m_registers.kilpailijat[1].Sika[BBPR], 8);
    ASSERT_TRUE(session.undo().has_value());
    EXPECT_EQ(m_registers.kilpailijat[1].Kana[BBPR], 5);
    EXPECT_FALSE(session.undo().has_value());
    ASSERT_TRUE(session.redo().has_value());
    EXPECT_EQ(m_registers.kilpailijat[1].Kana[BBPR], 10);

    // Each undo and redo is logged as the office's change.
    ASSERT_TRUE(session.commitNow());
    const PendingChanges pending = pendingOf(m_set);
    ASSERT_GE(pending.changes.size(), 3);
    EXPECT_EQ(pending.changes.last().newValue, QStringLiteral("10"));
    EXPECT_EQ(pending.changes.last().source, QStringLiteral("office"));
}

// Another program holds the log's write lock while the office types: the change waits in memory,
// goes to the disk after the ones before it once the lock is gone, and the warning goes with it.
TEST_F(MatchSessionTest, ChangeThatCannotBeLoggedWaitsAndIsWrittenInOrder)
{
    MatchSession session(m_registers);
    open(session, m_set);
    QSignalSpy unavailable(&session, &MatchSession::logUnavailable);
    QSignalSpy resumed(&session, &MatchSession::logResumed);
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 1; });
    ASSERT_TRUE(session.commitNow());
    {
        const QString connection = QStringLiteral("locker");
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            locker.setDatabaseName(entryLogFileName(m_set));
            ASSERT_TRUE(locker.open());
            ASSERT_TRUE(QSqlQuery(locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
            session.edit([](Kilpailu &k) {
                k.kilpailijat[1].Sika[BBPR] = 2;
                k.kilpailijat[1].Yhteensa[BBPR] = 12;
            });
            EXPECT_FALSE(session.commitNow());
            EXPECT_EQ(unavailable.size(), 1);
            locker.rollback();
            locker.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kalkkuna[BBPR] = 3; });
    // Tried again on its own, without another change or a call.
    ASSERT_TRUE(QTest::qWaitFor([&] { return resumed.size() == 1; }, 5000));
    EXPECT_EQ(unavailable.size(), 1);

    // Killed now, the restore gives the match as typed: 1, 2, 3 with the total of the hits.
    const auto restored = restoredFromDisk();
    EXPECT_EQ(restored->kilpailijat[1].Kana[BBPR], 1);
    EXPECT_EQ(restored->kilpailijat[1].Sika[BBPR], 2);
    EXPECT_EQ(restored->kilpailijat[1].Kalkkuna[BBPR], 3);
    EXPECT_EQ(restored->kilpailijat[1].Yhteensa[BBPR], 12);
}

// The log deleted while the match is open: the next commit notices, says so, and a new log
// holds every change the set on disk does not.
TEST_F(MatchSessionTest, RemovedLogIsNoticedAndANewOneHoldsWhatIsNotSaved)
{
    MatchSession session(m_registers);
    open(session, m_set);
    QSignalSpy unavailable(&session, &MatchSession::logUnavailable);
    setPassi(session, 9);
    ASSERT_TRUE(session.commitNow());
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(entryLogFileName(m_set) + suffix);
    session.edit([](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = 7; },
        EditOrigin{QStringLiteral("station:ab12"), QString()});
    ASSERT_TRUE(session.commitNow());
    ASSERT_EQ(unavailable.size(), 1);
    EXPECT_TRUE(unavailable.first().first().toString().contains(QStringLiteral("removed")));
    ASSERT_TRUE(QFile::exists(entryLogFileName(m_set)));

    const auto restored = restoredFromDisk();
    EXPECT_EQ(restored->kilpailijat[1].Passi[BBPR], 9);
    EXPECT_EQ(restored->kilpailijat[1].Kana[BBPR], 7);
}

// Two windows on one set: the second is told who writes it and may only look; the first does
// not replace what another program saved over the set without being asked.
TEST_F(MatchSessionTest, OneWindowWritesASetAndASaveNeverReplacesAnotherSilently)
{
    MatchSession first(m_registers);
    open(first, m_set);
    setPassi(first, 9);

    Kilpailu other;
    MatchSession second(other);
    const QString holder = second.holderOf(m_set);
    EXPECT_TRUE(holder.contains(QString::number(QCoreApplication::applicationPid())))
        << holder.toStdString();
    QString error;
    EXPECT_FALSE(second.open(m_set, false, error).has_value());
    EXPECT_TRUE(error.contains(holder)) << error.toStdString();
    ASSERT_TRUE(second.open(m_set, false, error, MatchSession::Access::ReadOnly).has_value());
    EXPECT_TRUE(second.isReadOnly());
    EXPECT_EQ(second.save(m_set, {}, error), MatchSession::SaveResult::Failed);
    const QString copy = path(QStringLiteral("kopio.mrv"));
    EXPECT_EQ(second.save(copy, {}, error), MatchSession::SaveResult::Saved) << error.toStdString();
    EXPECT_FALSE(second.isReadOnly());
    EXPECT_TRUE(first.holderOf(copy).contains(QString::number(QCoreApplication::applicationPid())));

    // Someone saves over the set behind the first window's back.
    MatchBuilder elsewhere;
    elsewhere.competitor(QStringLiteral("Eero"));
    saveAs(elsewhere.match(), m_set);
    QString unreadable;
    const QByteArray theirs = matchSetDigest(m_set, unreadable);
    EXPECT_EQ(first.save(m_set, {}, error), MatchSession::SaveResult::ChangedOnDisk);
    EXPECT_TRUE(error.contains(QStringLiteral("changed on disk"))) << error.toStdString();
    EXPECT_EQ(matchSetDigest(m_set, unreadable), theirs);
    EXPECT_TRUE(first.isModified());
    EXPECT_EQ(first.save(m_set, {}, error, MatchSession::Overwrite::ReplaceChanged),
        MatchSession::SaveResult::Saved);
    EXPECT_NE(matchSetDigest(m_set, unreadable), theirs);
}

// A recovery or save killed between writing the set's files and its save event: the log's note
// of the save to come tells the next open that the set holds the changes (not "another state").
TEST_F(MatchSessionTest, SaveCutShortAfterItsFilesIsNotTakenForAnotherState)
{
    leaveUnsavedPassi(9);
    const auto restored = restoredFromDisk();
    WriteGroup files;
    QString error;
    ASSERT_TRUE(matchFileSetContents(m_set, *restored, {}, &files, error));
    {
        EntryLog log;
        ASSERT_TRUE(log.open(entryLogFileName(m_set), EntryLog::Access::ReadWrite, error));
        ASSERT_TRUE(log.appendSetEvent(ChangeKind::Saving, QStringLiteral("batch"), m_set,
            matchSetDigestOf(files.files), error));
        ASSERT_TRUE(log.commit(error)) << error.toStdString();
    }
    // Killed before the files: the changes are still to restore.
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::Restorable);
    // Killed after the files, before the save event: the set holds them.
    ASSERT_TRUE(writeGroupsSafely({files}, error)) << error.toStdString();
    EXPECT_EQ(pendingOf(m_set).state, PendingChanges::State::None);
}

// A station's entry touches five fields and is one entry; a competitor added since the save is
// named by what was typed.
TEST_F(MatchSessionTest, PendingChangesAreCountedAsTheEntriesTheyMake)
{
    {
        MatchSession session(m_registers);
        open(session, m_set);
        session.edit(
            [](Kilpailu &k) {
                k.kilpailijat[1].Kana[BBPR] = 1;
                k.kilpailijat[1].Sika[BBPR] = 1;
                k.kilpailijat[1].Kalkkuna[BBPR] = 1;
                k.kilpailijat[1].Passi[BBPR] = 1;
                k.kilpailijat[1].Yhteensa[BBPR] = 4;
            },
            EditOrigin{QStringLiteral("station:ab12"), QString()});
        session.edit([](Kilpailu &k) {
            QString error;
            const int slot = *k.addCompetitor(
                QStringLiteral("Eero Esa"), QStringLiteral("SSK"), QStringLiteral("FIN"), error);
            k.kilpailijat[slot].Osallistuu[SBPS] = true;
        });
        session.edit([](Kilpailu &k) { k.tiedot.Paikka = QStringLiteral("Pori"); });
        ASSERT_TRUE(session.commitNow());
    }
    const PendingChanges pending = pendingOf(m_set);
    ASSERT_EQ(pending.changes.size(), 5 + 5 + 1 + 1);
    Kilpailu asSaved;
    QString error;
    LoadedMatch loaded = loadMatchFileSet(m_set, false, asSaved, error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(pendingEntries(pending, *loaded.kilpailu),
        QStringList({QStringLiteral("1 Aino Ahola BBPR"), QStringLiteral("2 Eero Esa"),
            QStringLiteral("2 Eero Esa SBPS"), QStringLiteral("match information")}));
}

// The disk fills while the office types (here: no file may grow past its size now): the changes
// wait in memory, and once there is room again they are all written, in order.
TEST_F(MatchSessionTest, ChangesMadeOnAFullDiskAreWrittenWhenThereIsRoom)
{
    MatchSession session(m_registers);
    open(session, m_set);
    QSignalSpy resumed(&session, &MatchSession::logResumed);
    setPassi(session, 1);
    ASSERT_TRUE(session.commitNow());
    const QString wal = entryLogFileName(m_set) + QStringLiteral("-wal");
    const qint64 size = std::max(QFileInfo(entryLogFileName(m_set)).size(), QFileInfo(wal).size());
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = before;
    full.rlim_cur = static_cast<rlim_t>(size);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    for (int value = 2; value <= 4; ++value)
        session.edit([value](Kilpailu &k) { k.kilpailijat[1].Kana[BBPR] = value; });
    const bool committedOnAFullDisk = session.commitNow();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_FALSE(committedOnAFullDisk);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resumed.size() == 1; }, 5000));
    QStringList kana;
    for (const FieldEdit &change : [&] {
             QString error;
             EntryLog log;
             EXPECT_TRUE(log.open(entryLogFileName(m_set), EntryLog::Access::ReadOnly, error));
             return log.events(error);
         }())
        if (change.field == QLatin1String("Kana"))
            kana << change.newValue;
    EXPECT_EQ(kana, QStringList({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
}

} // namespace

// The competitor's extras are fields like the others: logged, restored after a loss, saved with
// the set and reopened.
TEST_F(MatchSessionTest, ExtrasAreLoggedRestoredAndSavedWithTheSet)
{
    const CompetitorExtras typed{
        QStringLiteral("SWE-9"), QStringLiteral("aino@example.se"), QStringLiteral("3"), true};
    {
        MatchSession session(m_registers);
        open(session, m_set);
        session.edit([&](Kilpailu &k) { k.extras[1] = typed; });
        ASSERT_TRUE(session.commitNow());
    }
    EXPECT_EQ(restoredFromDisk()->extras[1], typed);

    Kilpailu again;
    {
        MatchSession session(again);
        QString error;
        ASSERT_TRUE(session.restore(open(session, m_set), error)) << error.toStdString();
        ASSERT_EQ(session.save(m_set, {}, error), MatchSession::SaveResult::Saved)
            << error.toStdString();
    }
    Kilpailu reopened;
    MatchSession session(reopened);
    EXPECT_EQ(open(session, m_set).state, PendingChanges::State::None);
    EXPECT_EQ(reopened.extras[1], typed);
}

// An edit made whole (an import) is undone whole: competitors added with their numbers and
// extras go again, and come back on redo.
TEST_F(MatchSessionTest, AWholeEditIsOneUndoStepAndGivesItsNumbersBack)
{
    MatchSession session(m_registers);
    open(session, m_set);
    const Kilpailu before = m_registers;
    const EditOrigin import{QStringLiteral("import:entries.csv"), {}, true, true};
    session.edit(
        [](Kilpailu &k) {
            for (const char *name : {"Berg Bertta", "Cederholm Carl"}) {
                const std::optional<int> slot = k.addCompetitor(
                    QLatin1String(name), QStringLiteral("SSK"), QStringLiteral("SWE"));
                k.kilpailijat[*slot].Osallistuu[SBRS] = true;
                k.extras[*slot].memberNumber = QLatin1String(name).left(3);
            }
            k.kilpailijat[1].Seura.setText(QStringLiteral("KSA"));
        },
        import);
    const Kilpailu imported = m_registers;
    ASSERT_EQ(imported.kilpailijat.highestOccupied(), 3);

    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(matchDifferences(before, m_registers).isEmpty());
    ASSERT_TRUE(session.redo());
    EXPECT_TRUE(matchDifferences(imported, m_registers).isEmpty());
    EXPECT_EQ(m_registers.ViimeNumero, 3);
}

// A draw is one undo step of the office, a move by hand another; both are logged, come back
// from the log after a loss, and the lists' status with them.
TEST_F(MatchSessionTest, RelaysAndStatusesAreLoggedUndoneAndRestored)
{
    MatchSession session(m_registers);
    open(session, m_set);
    const std::int32_t number = m_registers.kilpailijat[1].Numero;
    ASSERT_NE(number, 0);
    const Kilpailu before = m_registers;
    const EditOrigin draw{QStringLiteral("office"), {}, true, true};
    session.edit(
        [number](Kilpailu &k) {
            k.relayPlan.relays
                = {Relay{1, {BBPR}, 8 * 60, 45, 10}, Relay{2, {BBPR}, 9 * 60, 45, 10}};
            k.assignments[EntryKey{number, BBPR}] = Seat{1, 4, false};
        },
        draw);
    const Kilpailu drawn = m_registers;
    const QList<FieldEdit> moved = session.edit([number](Kilpailu &k) {
        k.assignments[EntryKey{number, BBPR}] = Seat{2, 10, true};
    });
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved[0].kind, ChangeKind::Seat);
    EXPECT_EQ(moved[0].oldValue, QStringLiteral("1/4"));
    EXPECT_EQ(moved[0].newValue, QStringLiteral("2/10/locked"));

    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(matchDifferences(drawn, m_registers).isEmpty());
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(matchDifferences(before, m_registers).isEmpty());
    ASSERT_TRUE(session.redo());
    ASSERT_TRUE(session.redo());

    const QDateTime posted(QDate(2026, 6, 12), QTime(14, 5));
    session.edit([&posted](Kilpailu &k) {
        k.listStatus.insert(QStringLiteral("BBPR"),
            ListStatus{ListState::Provisional, posted, 60, QDateTime(), QString()});
        k.challengeMinutes = 30;
    });
    ASSERT_TRUE(session.commitNow());
    const Kilpailu typed = m_registers;

    const auto restored = restoredFromDisk();
    EXPECT_EQ(restored->relayPlan, typed.relayPlan);
    EXPECT_EQ(restored->assignments, typed.assignments);
    EXPECT_EQ(restored->listStatus, typed.listStatus);
    EXPECT_EQ(restored->challengeMinutes, 30);
}
