// The lists' status in batch mode: --post, --declare-official and --reopen kept in the set at
// once, and a run that would alter an official list (an import, a recovery) refused whole.
#include "files/MatchFiles.h"
#include "log/EntryLog.h"
#include "output/ListStatusRules.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QString Bbpr = QStringLiteral("BBPR");
const QString Team = QStringLiteral("BBP Team");

// Slots of the small match: Aalto leads BBPR, Berg and Cid tie behind him.
enum Slot { Aalto = 1, Berg, Cid };

class BatchStatusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        MatchBuilder b;
        b.match().tiedot.Laukaukset.fill(40);
        b.enter(b.competitor(QStringLiteral("Aalto Aino")), BBPR, Luokat::A, {8, 10, 10, 10});
        b.enter(b.competitor(QStringLiteral("Berg Bo")), BBPR, Luokat::A, {6, 10, 10, 10});
        b.enter(b.competitor(QStringLiteral("Cid Carl")), BBPR, Luokat::A, {6, 10, 10, 10});
        b.team(QStringLiteral("Eagles BBP"), QStringLiteral("BBP"), QStringLiteral("Aalto Aino"),
            QStringLiteral("Berg Bo"), QString());
        m_match = std::make_unique<Kilpailu>(b.match());
        save(*m_match);
    }
    void save(const Kilpailu &k) const
    {
        QString error;
        ASSERT_TRUE(saveMatchFileSet(m_set, k, matchSummaryLines(k.tiedot, false), error))
            << error.toStdString();
    }
    void saveOfficial()
    {
        declareOfficial(*m_match, {Bbpr, Team}, QDateTime(QDate(2026, 6, 12), QTime(15, 7)));
        save(*m_match);
    }
    std::unique_ptr<Kilpailu> load(const QString &name) const
    {
        QString error;
        LoadedMatch loaded = loadMatchFileSet(name, false, Kilpailu(), error);
        EXPECT_TRUE(loaded.kilpailu) << error.toStdString();
        return loaded.kilpailu ? std::move(loaded.kilpailu) : std::make_unique<Kilpailu>();
    }
    ListStatus statusOnDisk(const QString &caption) const
    {
        return statusOfList(*load(m_set), caption);
    }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    // Every file of the folder but the entry log's, by name, with its bytes.
    QMap<QString, QByteArray> filesOnDisk() const
    {
        const QString log = QFileInfo(entryLogFileName(m_set)).fileName();
        QMap<QString, QByteArray> files;
        for (const QFileInfo &info : QDir(m_dir.path()).entryInfoList(QDir::Files)) {
            if (info.fileName().startsWith(log))
                continue;
            QFile file(info.filePath());
            files.insert(info.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        }
        return files;
    }
    ProgramRun run(QStringList arguments) const
    {
        arguments.prepend(m_set);
        return runProgram(arguments);
    }

    QTemporaryDir m_dir;
    QString m_set = m_dir.filePath(QStringLiteral("kisa.mrv"));
    std::unique_ptr<Kilpailu> m_match;
};

// ---- a run that would alter an official list ----

struct RefusedRun
{
    const char *what;
    const char *list;
    // The change a program that does not guard logged on the official set (recovered by the
    // run), or empty for an import.
    std::function<void(Kilpailu &)> logged;
    const char *importCsv; // the import of the run, or null
};

class BatchRefusal : public BatchStatusTest, public ::testing::WithParamInterface<RefusedRun>
{
};

TEST_P(BatchRefusal, ExitsWithOneNamingTheListAndWritesNothing)
{
    const RefusedRun &c = GetParam();
    saveOfficial();
    QStringList arguments;
    if (c.logged) {
        Kilpailu unguarded;
        MatchSession earlier(unguarded);
        QString error;
        ASSERT_TRUE(earlier.open(m_set, false, error)) << error.toStdString();
        ASSERT_FALSE(earlier.edit(c.logged).isEmpty());
        ASSERT_TRUE(earlier.commitNow());
        arguments << QStringLiteral("--recover");
    } else {
        arguments << QStringLiteral("--import")
                  << write(QStringLiteral("late.csv"), QByteArray(c.importCsv));
    }
    arguments << QStringLiteral("--save") << m_set << QStringLiteral("--pdf")
              << m_dir.filePath(QStringLiteral("lists.pdf"));
    const QMap<QString, QByteArray> before = filesOnDisk();

    const ProgramRun refused = run(arguments);

    EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
    const QString err = QString::fromUtf8(refused.err);
    EXPECT_TRUE(err.contains(QStringLiteral("(%1)").arg(QString::fromLatin1(c.list))))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("--reopen LISTS --reason TEXT"))) << err.toStdString();
    EXPECT_EQ(filesOnDisk(), before);
}

INSTANTIATE_TEST_SUITE_P(ImportAndRecovery, BatchRefusal,
    ::testing::Values(
        RefusedRun{"ImportedClass", "BBPR", {}, "nimi;laji;luokka\nCid Carl;BBPR;B\n"},
        RefusedRun{"RecoveredResult", "BBPR",
            [](Kilpailu &k) {
                k.kilpailijat[Aalto].Kana[BBPR] = 7;
                k.kilpailijat[Aalto].Yhteensa[BBPR] = 37;
            },
            nullptr},
        RefusedRun{"RecoveredClass", "BBPR",
            [](Kilpailu &k) { k.kilpailijat[Cid].Luokka[BBPR].setText(Luokat::B); }, nullptr},
        RefusedRun{"RecoveredTeam", "BBP Team",
            [](Kilpailu &k) { k.joukkueet[1].Kilpailija[2].setText(QStringLiteral("Cid Carl")); },
            nullptr},
        RefusedRun{"RecoveredShootOff", "BBPR",
            [](Kilpailu &k) { k.kilpailijat[Cid].f[0][BBPR].setText(QStringLiteral("5")); },
            nullptr}),
    [](const auto &info) { return std::string(info.param.what); });

// Reopened with a reason, the list takes the import the run before was refused; printing and
// the CSV files work on an official list all along.
TEST_F(BatchStatusTest, AfterReopeningTheImportGoesThroughAndOutputsNeverStop)
{
    saveOfficial();
    const QString csv = write(QStringLiteral("late.csv"), "nimi;laji;luokka\nCid Carl;BBPR;B\n");
    ASSERT_EQ(run({QStringLiteral("--import"), csv, QStringLiteral("--save"), m_set}).exitCode, 1);
    const ProgramRun printed
        = run({QStringLiteral("--pdf"), m_dir.filePath(QStringLiteral("a.pdf")),
            QStringLiteral("--csv"), m_dir.filePath(QStringLiteral("csv/"))});
    EXPECT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    EXPECT_TRUE(QFileInfo(m_dir.filePath(QStringLiteral("a.pdf"))).size() > 0);

    const ProgramRun reopened = run(
        {QStringLiteral("--reopen"), Bbpr, QStringLiteral("--reason"), QStringLiteral("Typo")});
    ASSERT_EQ(reopened.exitCode, 0) << reopened.err.toStdString();
    EXPECT_EQ(statusOnDisk(Bbpr).state, ListState::None);
    EXPECT_EQ(statusOnDisk(Bbpr).reason, QStringLiteral("Typo"));
    EXPECT_TRUE(statusOnDisk(Team).isOfficial());

    const ProgramRun imported
        = run({QStringLiteral("--import"), csv, QStringLiteral("--save"), m_set});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(load(m_set)->kilpailijat[Cid].Luokka[BBPR].text(), Luokat::B);
}

// ---- the stages ----

// Posted with a window, declared early (said on stderr), kept in the set at once and through
// Save As; the entry log has each change.
TEST_F(BatchStatusTest, PostThenDeclareOfficialIsKeptAtOnceAndSurvivesSaveAs)
{
    const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
    const ProgramRun posted = run({QStringLiteral("--post"), QStringLiteral("BBPR,BBP Team"),
        QStringLiteral("--window"), QStringLiteral("30")});
    ASSERT_EQ(posted.exitCode, 0) << posted.err.toStdString();
    const ListStatus provisional = statusOnDisk(Bbpr);
    EXPECT_EQ(provisional.state, ListState::Provisional);
    EXPECT_EQ(provisional.windowMinutes, 30);
    EXPECT_GE(provisional.postedAt, start);
    EXPECT_LE(provisional.postedAt, QDateTime::currentDateTime());
    EXPECT_EQ(statusOnDisk(Team), provisional);

    const ProgramRun declared = run({QStringLiteral("--declare-official"), Bbpr});
    EXPECT_EQ(declared.exitCode, 0) << declared.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(declared.err),
        QStringLiteral("BBPR is declared official before its challenge window ends at %1.\n")
            .arg(provisional.challengeUntil().toString(QStringLiteral("HH:mm"))));
    const ListStatus official = statusOnDisk(Bbpr);
    EXPECT_TRUE(official.isOfficial());
    EXPECT_EQ(official.postedAt, provisional.postedAt);
    EXPECT_GE(official.officialAt, provisional.postedAt);
    EXPECT_EQ(statusOnDisk(Team).state, ListState::Provisional);

    const ProgramRun unposted = run({QStringLiteral("--declare-official"), QStringLiteral("FPP")});
    EXPECT_EQ(unposted.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(unposted.err),
        QStringLiteral("FPP is declared official without having been posted.\n"));

    const QString copy = m_dir.filePath(QStringLiteral("copy.mrv"));
    ASSERT_EQ(run({QStringLiteral("--save"), copy}).exitCode, 0);
    EXPECT_EQ(load(copy)->listStatus, load(m_set)->listStatus);

    // Each stage is in the log, as the log's CSV shows it.
    const QString logCsv = m_dir.filePath(QStringLiteral("log.csv"));
    ASSERT_EQ(run({QStringLiteral("--log"), logCsv}).exitCode, 0);
    QFile file(logCsv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(file.readAll());
    EXPECT_EQ(log.count(QStringLiteral("provisional|")), 3) << log.toStdString(); // 2 + declared
    EXPECT_EQ(log.count(QStringLiteral("official|")), 2) << log.toStdString();
}

// A window lost after declaring a list official and correcting another: --recover brings both
// back, the declaration with its time.
TEST_F(BatchStatusTest, AStatusChangedInAWindowLostSurvivesInTheLog)
{
    const QDateTime at(QDate(2026, 6, 12), QTime(16, 40));
    {
        Kilpailu lost;
        MatchSession window(lost);
        window.setChangeGuard(officialListsGuard);
        QString error;
        ASSERT_TRUE(window.open(m_set, false, error)) << error.toStdString();
        window.edit([&at](Kilpailu &k) { declareOfficial(k, {Bbpr}, at); });
        // After the declaration only another list's correction goes through.
        window.edit([](Kilpailu &k) { k.kilpailijat[Cid].Luokka[BBPR].setText(Luokat::B); });
        ASSERT_FALSE(window.lastRefusal().isEmpty());
        window.edit(
            [](Kilpailu &k) { k.joukkueet[1].Kilpailija[2].setText(QStringLiteral("Cid Carl")); });
        ASSERT_TRUE(window.lastRefusal().isEmpty());
        ASSERT_TRUE(window.commitNow());
    }
    const ProgramRun recovered
        = run({QStringLiteral("--recover"), QStringLiteral("--save"), m_set});
    ASSERT_EQ(recovered.exitCode, 0) << recovered.err.toStdString();
    const auto match = load(m_set);
    EXPECT_EQ(statusOfList(*match, Bbpr).officialAt, at);
    EXPECT_TRUE(statusOfList(*match, Bbpr).isOfficial());
    EXPECT_EQ(match->kilpailijat[Cid].Luokka[BBPR].text(), Luokat::A);
    EXPECT_EQ(match->joukkueet[1].Kilpailija[2].text(), QStringLiteral("Cid Carl"));
}

// A window lost with entries not saved: a posting, which saves the set at once, would leave them
// behind, no longer offered. It is refused until they are restored; with --recover it takes them.
TEST_F(BatchStatusTest, APostingDoesNotLeaveBehindTheEntriesOfALostWindow)
{
    {
        Kilpailu lost;
        MatchSession window(lost);
        QString error;
        ASSERT_TRUE(window.open(m_set, false, error)) << error.toStdString();
        window.edit([](Kilpailu &k) {
            k.kilpailijat[Cid].Kana[BBPR] = 7;
            k.kilpailijat[Cid].Yhteensa[BBPR] = 37;
        });
        ASSERT_TRUE(window.commitNow());
    }
    const QMap<QString, QByteArray> before = filesOnDisk();
    const auto pending = [this] {
        QString error;
        bool hasLog = false;
        return readPendingChanges(m_set, hasLog, error);
    };

    const ProgramRun refused = run({QStringLiteral("--post"), QStringLiteral("FPP")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("holds entries made after the last save"))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--recover")) << refused.err.toStdString();
    EXPECT_EQ(filesOnDisk(), before);
    EXPECT_EQ(pending().state, PendingChanges::State::Restorable);

    const ProgramRun posted
        = run({QStringLiteral("--recover"), QStringLiteral("--post"), QStringLiteral("FPP")});
    ASSERT_EQ(posted.exitCode, 0) << posted.err.toStdString();
    const auto match = load(m_set);
    EXPECT_EQ(match->kilpailijat[Cid].Yhteensa[BBPR], 37);
    EXPECT_EQ(statusOfList(*match, QStringLiteral("FPP")).state, ListState::Provisional);
    EXPECT_EQ(pending().state, PendingChanges::State::None);
}

TEST_F(BatchStatusTest, ReopeningNeedsAReasonAndTheWindowItsBounds)
{
    saveOfficial();
    const QMap<QString, QByteArray> before = filesOnDisk();
    struct Case
    {
        QStringList arguments;
        const char *error; // how the first line of stderr begins
    };
    const Case cases[] = {
        {{QStringLiteral("--reopen"), Bbpr}, "--reopen needs the reason: --reason TEXT."},
        {{QStringLiteral("--reopen"), Bbpr, QStringLiteral("--reason"), QStringLiteral("  ")},
            "--reopen needs the reason: --reason TEXT."},
        {{QStringLiteral("--reason"), QStringLiteral("Typo")}, "--reason goes with --reopen."},
        {{QStringLiteral("--reopen"), QStringLiteral("BBPX"), QStringLiteral("--reason"),
             QStringLiteral("Typo")},
            nullptr},
        {{QStringLiteral("--window"), QStringLiteral("30")}, "--window goes with --post."},
        {{QStringLiteral("--post"), Bbpr, QStringLiteral("--window"), QStringLiteral("-1")},
            "--window needs the challenge window in minutes, 0 to 10080, not \"-1\"."},
        {{QStringLiteral("--post"), Bbpr, QStringLiteral("--window"), QStringLiteral("+5")},
            "--window needs the challenge window in minutes, 0 to 10080, not \"+5\"."},
        {{QStringLiteral("--post"), Bbpr, QStringLiteral("--window"), QStringLiteral("30m")},
            "--window needs the challenge window in minutes, 0 to 10080, not \"30m\"."},
        {{QStringLiteral("--post"), Bbpr, QStringLiteral("--window"), QStringLiteral("10081")},
            "--window needs the challenge window in minutes, 0 to 10080, not \"10081\"."},
    };
    // Options that do not go together are a usage error, checked before the match is read.
    for (const Case &c : cases) {
        const ProgramRun refused = run(c.arguments);
        EXPECT_EQ(refused.exitCode, 2) << c.arguments.join(QLatin1Char(' ')).toStdString();
        const QString firstLine = QString::fromUtf8(refused.err).section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(firstLine.startsWith(QString::fromLatin1(c.error))) << firstLine.toStdString();
        EXPECT_EQ(filesOnDisk(), before) << c.arguments.join(QLatin1Char(' ')).toStdString();
    }

    // The bounds themselves are windows; a posting leaves an official list official.
    for (const char *minutes : {"0", "10080"}) {
        const ProgramRun posted = run({QStringLiteral("--post"), QStringLiteral("FPP,BBPR"),
            QStringLiteral("--window"), QString::fromLatin1(minutes)});
        EXPECT_EQ(posted.exitCode, 0) << posted.err.toStdString();
        EXPECT_EQ(statusOnDisk(QStringLiteral("FPP")).windowMinutes, QByteArray(minutes).toInt());
        EXPECT_TRUE(statusOnDisk(Bbpr).isOfficial());
    }
}

// Berg and Cid are level at places 2-3 (in class A too, the same tie, named once): the posting
// goes ahead and names it; a posting of a list without one says nothing.
TEST_F(BatchStatusTest, PostingWithAnUndecidedTieAtAPrizePlaceWarns)
{
    const ProgramRun quiet = run({QStringLiteral("--post"), QStringLiteral("FPP")});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.err.isEmpty()) << quiet.err.toStdString();

    const ProgramRun posted = run({QStringLiteral("--post"), Bbpr});
    EXPECT_EQ(posted.exitCode, 0) << posted.err.toStdString();
    const int berg = m_match->kilpailijat[Berg].Numero;
    const int cid = m_match->kilpailijat[Cid].Numero;
    const QString names = QStringLiteral("%1 Berg Bo, %2 Cid Carl.").arg(berg).arg(cid);
    EXPECT_EQ(QString::fromUtf8(posted.err),
        QStringLiteral("Posted with a tie that needs a shoot-off: BBPR, places 2-3: %1\n")
            .arg(names));
    EXPECT_EQ(statusOnDisk(Bbpr).state, ListState::Provisional);
}

// The status lines as the printed PDF and the HTML read them: under the posted and the official
// list, none on the list without a status.
TEST_F(BatchStatusTest, PrintedListsCarryTheirStatusLines)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_EQ(
        run({QStringLiteral("--post"), Bbpr, QStringLiteral("--window"), QStringLiteral("45")})
            .exitCode,
        0);
    ASSERT_EQ(run({QStringLiteral("--declare-official"), Team}).exitCode, 0);
    const ListStatus posted = statusOnDisk(Bbpr);
    const ListStatus declared = statusOnDisk(Team);
    const QString pdf = m_dir.filePath(QStringLiteral("lists.pdf"));
    const QString html = m_dir.filePath(QStringLiteral("lists.html"));
    const ProgramRun printed = run({QStringLiteral("--pdf"), pdf, QStringLiteral("--html"), html,
        QStringLiteral("--lists"), QStringLiteral("BBPR,FPP,BBP Team")});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();

    const QString provisionalLine
        = QStringLiteral("Provisional results, posted %1; challenges until %2")
              .arg(posted.postedAt.toString(QStringLiteral("HH:mm")),
                  posted.challengeUntil().toString(QStringLiteral("HH:mm")));
    const QString officialLine = QStringLiteral("Official results, %1")
                                     .arg(declared.officialAt.toString(QStringLiteral("HH:mm")));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    // One page per list, in the printing order; each found by its title.
    const QStringList pages
        = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    const auto pageOf = [&pages](const char *title) {
        for (const QString &page : pages)
            if (page.contains(QString::fromLatin1(title)))
                return page;
        return QStringLiteral("<no page titled %1>").arg(QString::fromLatin1(title));
    };
    const QString bbpr = pageOf("Big Bore Pistol Revolver");
    EXPECT_EQ(bbpr.count(provisionalLine), 1) << bbpr.toStdString();
    EXPECT_FALSE(bbpr.contains(QStringLiteral("Official"))) << bbpr.toStdString();
    const QString fpp = pageOf("Field Pistol Production");
    EXPECT_FALSE(fpp.contains(QStringLiteral(" results"))) << fpp.toStdString();
    const QString team = pageOf("Big Bore Pistol Teams");
    EXPECT_EQ(team.count(officialLine), 1) << team.toStdString();
    QFile page(html);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString htmlText = QString::fromUtf8(page.readAll());
    EXPECT_EQ(htmlText.count(provisionalLine), 1);
    EXPECT_EQ(htmlText.count(officialLine), 1);
}

} // namespace
