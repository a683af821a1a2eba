// A save cut short at any step of its commit: the next load gives the whole old set or the whole
// new one, and no temporary file stays.
#include "FileSetSupport.h"
#include "files/SafeFile.h"

#include <QRegularExpression>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct CommitCase
{
    const char *name;
    CommitStep step;
    int index;
    CommitHookAnswer answer;
    Expect expect;
};

void PrintTo(const CommitCase &c, std::ostream *os)
{
    *os << c.name;
}

class CommitTest : public OldAndNewSetTest
{
protected:
    void SetUp() override
    {
        OldAndNewSetTest::SetUp();
        // The teams file differs too, so that every one of the four renames matters.
        m_newMatch->joukkueet[2].Nimi.setText(QStringLiteral("New team"));
    }

    // Saves the new match with the hook answering `answer` at the given step.
    bool saveInterrupted(CommitStep step, int index, CommitHookAnswer answer, QString &error)
    {
        setCommitHook([=](CommitStep s, int i) {
            return s == step && i == index ? answer : CommitHookAnswer::Continue;
        });
        const bool saved = save(path("c.mrv"), *m_newMatch, error);
        setCommitHook({});
        return saved;
    }

    QList<QByteArray> newSet()
    {
        EXPECT_TRUE(save(path("expected.mrv"), *m_newMatch));
        QList<QByteArray> bytes = setBytes(path("expected.mrv"));
        for (const QString &name : MatchFileSet::fromChosenName(path("expected.mrv")).asList())
            QFile::remove(name);
        return bytes;
    }

    QStringList leftovers() const
    {
        return filesInFolder().filter(QRegularExpression(QStringLiteral("\\.(part|commit)$")));
    }
};

class CommitStepTest : public CommitTest, public ::testing::WithParamInterface<CommitCase>
{
};

} // namespace

TEST_P(CommitStepTest, NextLoadGivesOneWholeSet)
{
    const CommitCase &c = GetParam();
    const QList<QByteArray> expected = c.expect == Expect::OldSet ? m_oldSet : newSet();
    QString error;
    EXPECT_FALSE(saveInterrupted(c.step, c.index, c.answer, error));
    EXPECT_FALSE(error.isEmpty());
    if (c.answer == CommitHookAnswer::Fail && c.expect == Expect::OldSet) {
        // A failure before the commit point cleans up at once and touches no old file.
        EXPECT_EQ(leftovers(), QStringList());
        EXPECT_EQ(setBytes(path("c.mrv")), m_oldSet);
    }

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura,
        c.expect == Expect::OldSet ? QStringLiteral("Ähtärin Ampujat")
                                   : QStringLiteral("New club"));
    EXPECT_EQ(setBytes(path("c.mrv")), expected);
    EXPECT_EQ(leftovers(), QStringList());

    // The next save goes through as if nothing had happened.
    ASSERT_TRUE(save(path("c.mrv"), *m_newMatch, error)) << error.toStdString();
    EXPECT_EQ(setBytes(path("c.mrv")), newSet());
    EXPECT_EQ(leftovers(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Steps, CommitStepTest,
    ::testing::Values(CommitCase{"FailAfterFirstTemporary", CommitStep::TemporaryWritten, 0,
                          CommitHookAnswer::Fail, Expect::OldSet},
        CommitCase{"FailAfterLastTemporary", CommitStep::TemporaryWritten, 3,
            CommitHookAnswer::Fail, Expect::OldSet},
        CommitCase{"KilledAfterFirstTemporary", CommitStep::TemporaryWritten, 0,
            CommitHookAnswer::Stop, Expect::OldSet},
        CommitCase{"KilledAfterLastTemporary", CommitStep::TemporaryWritten, 3,
            CommitHookAnswer::Stop, Expect::OldSet},
        CommitCase{"KilledAfterNoRename", CommitStep::RecordWritten, 0, CommitHookAnswer::Stop,
            Expect::NewSet},
        CommitCase{"RenamesFailAfterTheRecord", CommitStep::RecordWritten, 0,
            CommitHookAnswer::Fail, Expect::NewSet},
        CommitCase{
            "KilledAfterOneRename", CommitStep::Renamed, 0, CommitHookAnswer::Stop, Expect::NewSet},
        CommitCase{"KilledAfterTwoRenames", CommitStep::Renamed, 1, CommitHookAnswer::Stop,
            Expect::NewSet},
        CommitCase{"KilledAfterThreeRenames", CommitStep::Renamed, 2, CommitHookAnswer::Stop,
            Expect::NewSet},
        CommitCase{"KilledAfterFourRenames", CommitStep::Renamed, 3, CommitHookAnswer::Stop,
            Expect::NewSet},
        CommitCase{
            "FailAfterTwoRenames", CommitStep::Renamed, 1, CommitHookAnswer::Fail, Expect::NewSet},
        CommitCase{"KilledBeforeTheRecordGoes", CommitStep::FoldersFlushed, 0,
            CommitHookAnswer::Stop, Expect::NewSet}),
    [](const auto &info) { return std::string(info.param.name); });

// A temporary file damaged after the commit record was written (a disk that lied about its
// flush) cannot be carried out: with no file renamed yet, the old set stays.
TEST_F(CommitTest, DamagedTemporaryBeforeAnyRenameKeepsTheOldSet)
{
    QString error;
    EXPECT_FALSE(saveInterrupted(CommitStep::RecordWritten, 0, CommitHookAnswer::Stop, error));
    const MatchFileSet set = MatchFileSet::fromChosenName(path("c.mrv"));
    resizeFile(temporaryFileName(set.results), 10);

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(setBytes(path("c.mrv")), m_oldSet);
    EXPECT_EQ(leftovers(), QStringList());
}

// With some files already renamed, a damaged one means a mixed set: the load refuses it and says
// how to open the files as they are.
TEST_F(CommitTest, DamagedTemporaryAfterARenameIsRefused)
{
    QString error;
    EXPECT_FALSE(saveInterrupted(CommitStep::Renamed, 0, CommitHookAnswer::Stop, error));
    const MatchFileSet set = MatchFileSet::fromChosenName(path("c.mrv"));
    resizeFile(temporaryFileName(set.teams), 10);

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    EXPECT_FALSE(loaded.kilpailu);
    EXPECT_EQ(error,
        QStringLiteral("Cannot read %1: an interrupted save left files that do not belong "
                       "together; remove %2 to open the files as they are")
            .arg(set.summary, set.commitRecord()));
}

// A record cut short is not a commit: it is dropped with its files.
TEST_F(CommitTest, IncompleteRecordIsDropped)
{
    QString error;
    EXPECT_FALSE(saveInterrupted(CommitStep::RecordWritten, 0, CommitHookAnswer::Stop, error));
    const QString record = MatchFileSet::fromChosenName(path("c.mrv")).commitRecord();
    resizeFile(record, fileBytes(record).size() - 4);

    const LoadedMatch loaded = load(path("c.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(setBytes(path("c.mrv")), m_oldSet);
    EXPECT_EQ(leftovers(), QStringList());
}

// Two files of one save under the same name would make the set depend on their order.
TEST_F(CommitTest, AFileNamedTwiceIsRefused)
{
    QString error;
    EXPECT_FALSE(writeFilesSafely(
        {{path("x.txt"), "one"}, {path("y.txt"), "two"}, {path("./x.txt"), "three"}}, error));
    EXPECT_EQ(error,
        QStringLiteral("Cannot write %1: it is named twice in one save").arg(path("./x.txt")));
    EXPECT_EQ(filesInFolder().filter(QStringLiteral(".txt")), QStringList());
}

// A base name whose longest file name passes the file system's limit fails before the commit:
// the files already there stay as they were, and nothing new is left.
TEST_F(CommitTest, NameTooLongForOneFileWritesNone)
{
    const QString chosen = path(QString(240, QLatin1Char('n')) + QStringLiteral(".mrv"));
    QString error;
    EXPECT_FALSE(save(chosen, *m_newMatch, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write "))) << error.toStdString();
    EXPECT_EQ(filesInFolder(), (QStringList{"c.dat", "c.mrv", "cJoukkueet.dat", "cTulokset.dat"}));
    EXPECT_EQ(setBytes(path("c.mrv")), m_oldSet);
}
