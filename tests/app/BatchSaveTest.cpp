// The batch mode of the built program: --save, --csv and --help, with no display.
#include "support/RunProgram.h"
#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using marvola::testing::ProgramRun;
using marvola::testing::runProgram;

namespace {

const QString Data = marvola::testing::testDataFolder() + QStringLiteral("/match/");
const QStringList SetSuffixes = {".mrv", ".dat", "Tulokset.dat", "Joukkueet.dat"};

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Runs marvola without a display, under the Finnish locale whose dates the fixtures hold and
// with the messages in the program's own texts; a platform names the Qt platform plugin to ask
// for.
ProgramRun runMarvola(const QStringList &arguments, const QString &platform = QString())
{
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("LC_ALL"), QString());
    extra.insert(QStringLiteral("LANG"), QStringLiteral("fi_FI.UTF-8"));
    extra.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C"));
    if (!platform.isEmpty())
        extra.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    return runProgram(arguments, extra);
}

class BatchSaveTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList folder() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // Copies a fixture set under a new base name into the test's folder.
    void copySet(const QString &from, const QString &to)
    {
        for (const QString &suffix : SetSuffixes)
            ASSERT_TRUE(QFile::copy(Data + from + suffix, path(to + suffix)));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(BatchSaveTest, HelpDescribesTheOptions)
{
    const ProgramRun run = runMarvola({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char *option : {"--save OUT.mrv", "--old-layout"})
        EXPECT_TRUE(run.out.contains(option)) << option;
}

// The name and version on one line, as the manual page's maker reads them; no match needed.
TEST_F(BatchSaveTest, VersionIsTheBuildsVersion)
{
    const ProgramRun run = runMarvola({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QByteArray("marvola " MARVOLA_VERSION "\n"));
}

// A set loaded and saved again is the same four files, byte for byte.
TEST_F(BatchSaveTest, SaveGivesTheSameSet)
{
    const ProgramRun run = runMarvola({Data + "kevat.mrv", "--save", path("out.mrv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const QString &suffix : SetSuffixes)
        EXPECT_EQ(fileBytes(path("out" + suffix)), fileBytes(Data + "kevat" + suffix))
            << suffix.toStdString();
}

// The old layout is read and the current one written; the match takes the dates of a fresh
// match (today) and the summary shows the old date text.
TEST_F(BatchSaveTest, OldLayoutIsSavedInTheCurrentLayout)
{
    const QString today = QDate::currentDate().toString(QStringLiteral("d.M.yyyy"));
    const ProgramRun run
        = runMarvola({Data + "vanha.mrv", "--old-layout", "--save", path("new.mrv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QList<QByteArray> lines = fileBytes(path("new.dat")).split('\n');
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.mid(0, 6),
        (QList<QByteArray>{"H\xE4meenlinnan Ampujat\r", "Parola\r", today.toLatin1() + '\r',
            today.toLatin1() + '\r', "Aho Ari\r", "Kans.\r"}));
    EXPECT_EQ(fileBytes(path("new.mrv")).split('\n').value(2),
        "Date: " + today.toLatin1() + " - " + today.toLatin1() + " real date-->1.-2.6.1998\r");
    EXPECT_EQ(fileBytes(path("newTulokset.dat")), fileBytes(Data + "vanhaTulokset.dat"));
}

TEST_F(BatchSaveTest, EmptyMatchIsSavedAfterTheNotice)
{
    copySet("kevat", "e");
    QFile::resize(path("eTulokset.dat"), 0);
    const ProgramRun run = runMarvola({path("e.mrv"), "--save", path("f.mrv")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("Eipä ole montaa tulosta tallennettavana."))
        << run.err.toStdString();
    EXPECT_EQ(fileBytes(path("fTulokset.dat")), QByteArray());
    EXPECT_EQ(fileBytes(path("fJoukkueet.dat")), fileBytes(Data + "kevatJoukkueet.dat"));
}

// A failure shows the message on stderr, exits with 1 and writes nothing.
TEST_F(BatchSaveTest, FailureWritesNothing)
{
    copySet("kevat", "in");
    QFile::remove(path("inJoukkueet.dat"));
    const struct
    {
        const char *name;
        QStringList arguments;
        QString message;
    } cases[] = {
        {"missing teams file", {path("in.mrv"), "--save", path("out.mrv")},
            "Cannot read " + path("inJoukkueet.dat") + ": No such file or directory"},
        {"current layout read as old",
            {Data + "kevat.mrv", "--old-layout", "--save", path("out.mrv")},
            "Cannot read " + Data + "kevat.dat: line 6 (\"SM\") is not a number"},
        {"missing target folder", {Data + "kevat.mrv", "--save", path("gone/out.mrv")},
            "Cannot write " + path("gone/out.mrv") + ": the folder " + path("gone")
                + " does not exist"},
        // The outputs that could be written are not written either.
        {"last of several outputs fails",
            {Data + "kevat.mrv", "--save", path("ok.mrv"), "--csv", path("ok.csv"), "--html",
                path("ok.html"), "--pdf", path("gone/x.pdf")},
            "Cannot write " + path("gone/x.pdf") + ": the folder " + path("gone")
                + " does not exist"},
        {"one file named twice",
            {Data + "kevat.mrv", "--save", path("ok.mrv"), "--pdf", path("ok.dat")},
            "Cannot write " + path("ok.dat") + ": it is named twice in one save"},
    };
    const QStringList before = folder();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runMarvola(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.message + '\n')) << run.err.toStdString();
        EXPECT_EQ(folder(), before);
    }
}

// A name whose bytes are not text in the system's encoding (here a Latin-1 "ä" under UTF-8) is
// refused, so no file is read or written under another name.
TEST_F(BatchSaveTest, NameThatIsNotValidTextIsRefused)
{
    copySet("kevat", "in");
    const QStringList before = folder();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    // The shell passes the raw byte on, which QProcess itself could not.
    for (const char *target : {"--save", "--csv"}) {
        process.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$1\" \"$2\" \"$(printf \"$3\")\""),
                marvola::testing::programPath(), path("in.mrv"), QString::fromLatin1(target),
                path("out\\344.mrv")});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 2) << target;
        const QByteArray err = process.readAllStandardError();
        EXPECT_TRUE(err.contains("out\\xE4.mrv is not valid in this system's character encoding"))
            << err.toStdString();
        EXPECT_EQ(folder(), before) << target;
    }
}

namespace {

TEST_F(BatchSaveTest, CsvWritesTheNineFilesOfTheLoadedMatch)
{
    const ProgramRun run = runMarvola({Data + "kevat.mrv", "--csv", path("out.csv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(folder(),
        (QStringList{"out.csv", "outBBP.csv", "outBBPTeams.csv", "outBBR.csv", "outFP.csv",
            "outFPTeams.csv", "outSBP.csv", "outSBPTeams.csv", "outSBR.csv"}));
    const QByteArray main = fileBytes(path("out.csv"));
    EXPECT_TRUE(main.startsWith("\"Laji\";\"Sijoitus\";\"Luokka\";\"Nimi\";"))
        << main.left(80).data();
    EXPECT_GT(main.count("\r\n"), 1); // the match has ranked competitors
}

// The files need no platform plugin at all: a platform that does not exist would stop any run
// that started the GUI side of Qt.
TEST_F(BatchSaveTest, CsvAndSaveRunWithoutAnyPlatformPlugin)
{
    const ProgramRun run
        = runMarvola({Data + "kevat.mrv", "--csv", path("out.csv"), "--save", path("out.mrv")},
            "no-such-platform");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, QByteArray());
    EXPECT_EQ(fileBytes(path("outTulokset.dat")), fileBytes(Data + "kevatTulokset.dat"));
    EXPECT_GT(fileBytes(path("out.csv")).count("\r\n"), 1);
}

// The export's refusal comes before the save: a refused run writes nothing.
TEST_F(BatchSaveTest, CsvOfAMatchWithoutCompetitorsIsRefusedBeforeAnythingIsWritten)
{
    copySet("kevat", "e");
    QFile::resize(path("eTulokset.dat"), 0);
    const QStringList before = folder();
    const ProgramRun run
        = runMarvola({path("e.mrv"), "--save", path("f.mrv"), "--csv", path("f.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Eipä ole paljoa tallennettavaa.")) << run.err.toStdString();
    EXPECT_EQ(folder(), before);
}

} // namespace

// A saved name without ".mrv" gets it, and the base comes from that name: another match whose
// name starts the same stays as it was.
TEST_F(BatchSaveTest, SaveBesideAnotherMatchTouchesNothingOfIt)
{
    copySet("kevat", "kisa");
    const ProgramRun run = runMarvola({path("kisa.mrv"), "--save", path("kisa_old")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList names = folder();
    names.sort();
    EXPECT_EQ(names,
        (QStringList{"kisa.dat", "kisa.mrv", "kisaJoukkueet.dat", "kisaTulokset.dat",
            "kisa_old.dat", "kisa_old.mrv", "kisa_oldJoukkueet.dat", "kisa_oldTulokset.dat"}));
    for (const QString &suffix : SetSuffixes) {
        EXPECT_EQ(fileBytes(path("kisa" + suffix)), fileBytes(Data + "kevat" + suffix));
        EXPECT_EQ(fileBytes(path("kisa_old" + suffix)), fileBytes(Data + "kevat" + suffix));
    }
}

// While another program holds the match's lock, a save waits a little and then fails with exit
// status 1, naming the holder, and writes nothing.
TEST_F(BatchSaveTest, SecondSaverFailsNamingTheHolder)
{
    QLockFile lock(path("out.mrv.lock"));
    ASSERT_TRUE(lock.tryLock(0));
    const ProgramRun run = runMarvola({Data + "kevat.mrv", "--save", path("out.MRV")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.err),
        QStringLiteral("Cannot write %1: another save of this match is under way (process %2 on "
                       "%3); try again when it is done\n")
            .arg(path("out.MRV"))
            .arg(QCoreApplication::applicationPid())
            .arg(QSysInfo::machineHostName()));
    EXPECT_EQ(folder(), QStringList{"out.mrv.lock"});
}

// A window has the set open for writing (here this test holds its lock): a batch save over it
// would drop the window's changes, so it is refused, names the window and writes nothing.
TEST_F(BatchSaveTest, SaveOverASetOpenInAWindowIsRefusedAndNamesTheWindow)
{
    const ProgramRun first = runMarvola({Data + "kevat.mrv", "--save", path("out.mrv")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QByteArray before = fileBytes(path("out.dat"));
    QLockFile window(path("out.mrv.open"));
    ASSERT_TRUE(window.tryLock(0));
    for (const char *target : {"out.mrv", "out"}) {
        const ProgramRun run
            = runMarvola({Data + "vanha.mrv", "--old-layout", "--save", path(target)});
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(
            QStringLiteral("is open for writing in a window (process %1 on %2)")
                .arg(QCoreApplication::applicationPid())
                .arg(QSysInfo::machineHostName())))
            << run.err.toStdString();
    }
    EXPECT_EQ(fileBytes(path("out.dat")), before);
    window.unlock();
    EXPECT_EQ(runMarvola({path("out.mrv"), "--save", path("out.mrv")}).exitCode, 0);
}
