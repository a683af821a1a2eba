// A match in a folder that several programs use at once: one writer at a time, readers that never
// write and always see one whole set, commit records that touch only their own set.
#include "FileSetSupport.h"
#include "files/SafeFile.h"
#include "support/FullMatch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

int competitorCount(const Kilpailu &kilpailu)
{
    int count = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        count += kilpailu.kilpailijat[slot].Nimi.text().isEmpty() ? 0 : 1;
    return count;
}

// A point of the commit at which other programs look at the folder.
struct Interleaving
{
    const char *name;
    CommitStep step;
    int index;
    Expect readersSee;
};

void PrintTo(const Interleaving &c, std::ostream *os)
{
    *os << c.name;
}

class SharedFolderTest : public OldAndNewSetTest
{
protected:
    void TearDown() override
    {
        setLockWaitMs(3000);
        OldAndNewSetTest::TearDown();
    }

    QStringList leftovers() const
    {
        return filesInFolder().filter(QRegularExpression(QStringLiteral("\\.(part|commit|lock)$")));
    }

    // The whole folder: names and bytes, to show that nothing changed.
    QMap<QString, QByteArray> folderBytes(const QString &folder) const
    {
        QMap<QString, QByteArray> bytes;
        for (const QString &name : QDir(folder).entryList(QDir::Files))
            bytes.insert(name, fileBytes(QDir(folder).filePath(name)));
        return bytes;
    }

    // Saves the new match and stops where a killed program would have stopped.
    void saveCutShortAfter(CommitStep step, int index)
    {
        setCommitHook([=](CommitStep s, int i) {
            return s == step && i == index ? CommitHookAnswer::Stop : CommitHookAnswer::Continue;
        });
        QString error;
        EXPECT_FALSE(save(path("c.mrv"), *m_newMatch, error));
        setCommitHook({});
    }
};

class InterleavingTest : public SharedFolderTest, public ::testing::WithParamInterface<Interleaving>
{
};

} // namespace

// While one program saves, others look at the folder at a point of its commit: a reader that only
// reads, a load that may finish cut-short saves and a second saver. The readers see the old set or
// the new one whole, the second saver fails naming the first, and the first commits whole.
TEST_P(InterleavingTest, ReadersSeeOneWholeSetAndASecondWriterWaitsItsTurn)
{
    const Interleaving &c = GetParam();
    setLockWaitMs(50);
    const QString expectedClub = c.readersSee == Expect::OldSet ? QStringLiteral("Ähtärin Ampujat")
                                                                : QStringLiteral("New club");
    const int expectedCompetitors = c.readersSee == Expect::OldSet ? 2 : 3;
    bool looked = false;
    setCommitHook([&](CommitStep step, int index) {
        if (step != c.step || index != c.index || looked)
            return CommitHookAnswer::Continue;
        looked = true;
        const QList<QString> before = filesInFolder();
        QString error;
        for (const bool mayFinish : {false, true}) {
            SCOPED_TRACE(mayFinish ? "load" : "reader");
            const LoadedMatch loaded = mayFinish
                ? loadMatchFileSet(path("c.mrv"), false, Kilpailu(), error)
                : readMatchFileSetAsItIs(path("c.mrv"), false, Kilpailu(), error);
            EXPECT_TRUE(loaded.kilpailu) << error.toStdString();
            if (loaded.kilpailu) {
                EXPECT_EQ(loaded.kilpailu->tiedot.Seura, expectedClub);
                EXPECT_EQ(competitorCount(*loaded.kilpailu), expectedCompetitors);
            }
            // Neither of them touched the saver's files.
            EXPECT_EQ(filesInFolder(), before);
        }
        auto third = sampleMatch();
        third->tiedot.Seura = QStringLiteral("Third club");
        EXPECT_FALSE(save(path("c.MRV"), *third, error));
        EXPECT_EQ(error,
            QStringLiteral("Cannot write %1: another save of this match is under way (process "
                           "%2 on %3); try again when it is done")
                .arg(path("c.MRV"))
                .arg(QCoreApplication::applicationPid())
                .arg(QSysInfo::machineHostName()));
        EXPECT_EQ(filesInFolder(), before);
        return CommitHookAnswer::Continue;
    });
    QString error;
    ASSERT_TRUE(save(path("c.mrv"), *m_newMatch, error)) << error.toStdString();
    setCommitHook({});
    EXPECT_TRUE(looked);

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("New club"));
    EXPECT_EQ(leftovers(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(CommitPoints, InterleavingTest,
    ::testing::Values(
        Interleaving{"AfterTheFirstTemporary", CommitStep::TemporaryWritten, 0, Expect::OldSet},
        Interleaving{"AfterAllTemporaries", CommitStep::TemporariesFlushed, 0, Expect::OldSet},
        Interleaving{"AfterTheRecord", CommitStep::RecordWritten, 0, Expect::NewSet},
        Interleaving{"AfterTheFirstRename", CommitStep::Renamed, 0, Expect::NewSet},
        Interleaving{"AfterTheSecondRename", CommitStep::Renamed, 1, Expect::NewSet},
        Interleaving{"AfterTheThirdRename", CommitStep::Renamed, 2, Expect::NewSet},
        Interleaving{"AfterTheLastRename", CommitStep::Renamed, 3, Expect::NewSet},
        Interleaving{"BeforeTheRecordGoes", CommitStep::FoldersFlushed, 0, Expect::NewSet},
        Interleaving{"AfterTheRecordWent", CommitStep::RecordRemoved, 0, Expect::NewSet}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

struct CraftedRecord
{
    const char *name;
    // The name the record gives, from the victim file's path and the match folder.
    std::function<QByteArray(const QString &victim, const QString &folder)> entry;
};

void PrintTo(const CraftedRecord &c, std::ostream *os)
{
    *os << c.name;
}

class CraftedRecordTest : public SharedFolderTest,
                          public ::testing::WithParamInterface<CraftedRecord>
{
protected:
    QTemporaryDir m_outside;
};

} // namespace

// A record that names a file outside its own set (a complete temporary file beside it, which a
// commit would move into place) is reported and left alone: nothing is renamed or deleted,
// whether the set is looked at, loaded or saved.
TEST_P(CraftedRecordTest, TouchesNothingOutsideTheSet)
{
    const CraftedRecord &c = GetParam();
    ASSERT_TRUE(m_outside.isValid());
    const QString victim = m_outside.filePath(QStringLiteral("x"));
    writeBytes(victim, "keep me");
    writeBytes(temporaryFileName(victim), "other bytes");
    // Another match in the same folder, with a temporary file of its own.
    writeBytes(path("other.dat"), "other match");
    writeBytes(path("other.dat.part"), "other bytes");
    const QByteArray bytes = "other bytes";
    const QByteArray sum = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    const MatchFileSet set = MatchFileSet::fromChosenName(path("c.mrv"));
    writeBytes(set.commitRecord(),
        "marvola commit 1\n" + QByteArray::number(bytes.size()) + ' ' + sum + ' '
            + c.entry(victim, QFileInfo(set.summary).absolutePath()).toPercentEncoding()
            + "\nend\n");
    const auto outsideBefore = folderBytes(m_outside.path());
    const auto folderBefore = folderBytes(QFileInfo(set.summary).absolutePath());

    QString error;
    EXPECT_FALSE(readMatchFileSetAsItIs(set.summary, false, Kilpailu(), error).kilpailu);
    EXPECT_TRUE(error.contains(QStringLiteral("which is not one of its files")))
        << error.toStdString();
    EXPECT_FALSE(load(set.summary, false, Kilpailu(), error).kilpailu);
    EXPECT_TRUE(error.startsWith(
        QStringLiteral("Cannot read %1: the commit record names").arg(set.commitRecord())))
        << error.toStdString();
    EXPECT_FALSE(save(set.summary, *m_newMatch, error));
    EXPECT_TRUE(error.contains(QStringLiteral("which is not one of its files")))
        << error.toStdString();

    EXPECT_EQ(folderBytes(m_outside.path()), outsideBefore);
    EXPECT_EQ(folderBytes(QFileInfo(set.summary).absolutePath()), folderBefore);
}

INSTANTIATE_TEST_SUITE_P(Names, CraftedRecordTest,
    ::testing::Values(CraftedRecord{"Relative",
                          [](const QString &victim, const QString &folder) {
                              return QFile::encodeName(QDir(folder).relativeFilePath(victim));
                          }},
        CraftedRecord{"Absolute",
            [](const QString &victim, const QString &) { return QFile::encodeName(victim); }},
        CraftedRecord{
            "OtherBase", [](const QString &, const QString &) { return QByteArray("other.dat"); }}),
    [](const auto &info) { return std::string(info.param.name); });

// x.MRV and x.mrv are one set: a save of one cut short is finished by a load of the other.
TEST_F(SharedFolderTest, SuffixCaseSharesTheCommit)
{
    setCommitHook([](CommitStep step, int) {
        return step == CommitStep::RecordWritten ? CommitHookAnswer::Stop
                                                 : CommitHookAnswer::Continue;
    });
    QString error;
    EXPECT_FALSE(save(path("c.MRV"), *m_newMatch, error));
    setCommitHook({});
    EXPECT_EQ(MatchFileSet::fromChosenName(path("c.MRV")).commitRecord(),
        MatchFileSet::fromChosenName(path("c.mrv")).commitRecord());

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("New club"));
    EXPECT_EQ(leftovers(), QStringList());
}

// A name without ".mrv" gets it; the other three files take that base, in the chosen folder.
TEST_F(SharedFolderTest, SavedNameEndsInMrv)
{
    EXPECT_EQ(matchSaveName(QStringLiteral("/d/kisa_old")), QStringLiteral("/d/kisa_old.mrv"));
    EXPECT_EQ(matchSaveName(QStringLiteral("/d/x.MRV")), QStringLiteral("/d/x.MRV"));
    ASSERT_TRUE(QDir().mkdir(path("d")));
    ASSERT_TRUE(save(path("d/ab"), *m_newMatch));
    EXPECT_EQ(QDir(path("d")).entryList(QDir::Files),
        (QStringList{"ab.dat", "ab.mrv", "abJoukkueet.dat", "abTulokset.dat"}));
    EXPECT_EQ(
        filesInFolder(), (QStringList{"c.dat", "c.mrv", "cJoukkueet.dat", "cTulokset.dat", "d"}));
}

// A replaced file keeps the permissions it was given.
TEST_F(SharedFolderTest, ReplacedFilesKeepTheirPermissions)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(path("c.mrv"));
    ASSERT_EQ(::chmod(QFile::encodeName(set.results).constData(), 0640), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(set.summary).constData(), 0604), 0);
    ASSERT_TRUE(save(path("c.mrv"), *m_newMatch));
    struct stat results = {}, summary = {};
    ASSERT_EQ(::stat(QFile::encodeName(set.results).constData(), &results), 0);
    ASSERT_EQ(::stat(QFile::encodeName(set.summary).constData(), &summary), 0);
    EXPECT_EQ(results.st_mode & 0777, 0640u);
    EXPECT_EQ(summary.st_mode & 0777, 0604u);
}

// A set whose save completed its commit but was cut short before the renames, in a folder the
// reader cannot write (read-only media): it opens with the new contents and nothing is written.
TEST_F(SharedFolderTest, CompletedCommitOpensFromReadOnlyFolder)
{
    saveCutShortAfter(CommitStep::RecordWritten, 0);
    const QString folder = QFileInfo(path("c.mrv")).absolutePath();
    const auto before = folderBytes(folder);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);

    // Root writes anyway: the load runs as a user without write access.
    const auto loadsNewSet = [&] {
        QString error;
        const LoadedMatch loaded = loadMatchFileSet(path("c.mrv"), false, Kilpailu(), error);
        if (!loaded.kilpailu)
            std::fprintf(stderr, "%s\n", qPrintable(error));
        return loaded.kilpailu && loaded.kilpailu->tiedot.Seura == QStringLiteral("New club");
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(loadsNewSet());
    } else {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(!dropped ? 2 : loadsNewSet() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 2) << "could not become the user nobody";
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    EXPECT_EQ(folderBytes(folder), before);

    // Where it can write, the next load completes the commit.
    const LoadedMatch loaded = load(path("c.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("New club"));
    EXPECT_EQ(leftovers(), QStringList());
}

// A disk too small for the new set: the system's reason, nothing written, the old set loads.
TEST_F(SharedFolderTest, FullDiskKeepsTheOldSet)
{
    const QString mountPoint = path("small");
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    if (::mount("marvola-test", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=256k")
        != 0)
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here: " << std::strerror(errno);
    const QString chosen = mountPoint + QStringLiteral("/f.mrv");
    ASSERT_TRUE(save(chosen, *m_newMatch));
    const QList<QByteArray> oldSet = setBytes(chosen);

    QString error;
    const bool saved = save(chosen, *fullMatch(), error);
    const QStringList files = QDir(mountPoint).entryList(QDir::Files);
    const QList<QByteArray> after = setBytes(chosen);
    QString loadError;
    const LoadedMatch loaded = load(chosen, false, Kilpailu(), loadError);
    ::umount(QFile::encodeName(mountPoint).constData());

    EXPECT_FALSE(saved);
    EXPECT_EQ(error,
        QStringLiteral("Cannot write %1: No space left on device")
            .arg(MatchFileSet::fromChosenName(chosen).summary));
    EXPECT_EQ(files, (QStringList{"f.dat", "f.mrv", "fJoukkueet.dat", "fTulokset.dat"}));
    EXPECT_EQ(after, oldSet);
    ASSERT_TRUE(loaded.kilpailu) << loadError.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("New club"));
}

// A file that cannot be replaced after the commit point: the save says so honestly, and the next
// load, once the obstacle is gone, completes it.
TEST_F(SharedFolderTest, FailureAfterTheCommitPointIsCompletedAtTheNextOpen)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(path("c.mrv"));
    setCommitHook([&](CommitStep step, int) {
        if (step == CommitStep::RecordWritten) {
            QFile::remove(set.match);
            QDir().mkpath(set.match + QStringLiteral("/in the way"));
        }
        return CommitHookAnswer::Continue;
    });
    QString error;
    EXPECT_FALSE(save(path("c.mrv"), *m_newMatch, error));
    setCommitHook({});
    EXPECT_EQ(error,
        QStringLiteral("Saved, but %1: it could not be replaced (Is a directory); the save will be "
                       "completed at the next open.")
            .arg(set.match));

    ASSERT_TRUE(QDir(set.match).removeRecursively());
    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("New club"));
    EXPECT_EQ(leftovers(), QStringList());
}
