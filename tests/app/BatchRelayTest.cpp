// marvola MATCH.mrv --relay-plan PLAN.csv --draw --seed N --start-list OUT.csv: the plan read, the
// entries drawn, the start list written, the entries left out and the malformed plans reported.
#include "files/MatchFiles.h"
#include "support/BarcodeReader.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"
#include "support/RunProgram.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class BatchRelayTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Four competitors: Aalto in BBPR and BBPC, Berg in BBPR and SBRL, two more in BBPR.
    QString saveMatch()
    {
        MatchBuilder b;
        const int aalto = b.competitor(QStringLiteral("Aalto Matti"), QStringLiteral("Kaarina"));
        const int berg = b.competitor(QStringLiteral("Berg Anna"), QStringLiteral("Porvoo"));
        const int third = b.competitor(QStringLiteral("Heikkinen Ulla"), QStringLiteral("Kaarina"));
        const int fourth = b.competitor(QStringLiteral("Nieminen Timo"), QStringLiteral("Oulu"));
        for (const int slot : {aalto, berg, third, fourth})
            b.at(slot).Osallistuu[BBPR] = true;
        b.at(aalto).Osallistuu[BBPC] = true;
        b.at(berg).Osallistuu[SBRL] = true;
        const QString name = path("relay.mrv");
        QString error;
        EXPECT_TRUE(
            saveMatchFileSet(name, b.match(), matchSummaryLines(b.match().tiedot, false), error))
            << error.toStdString();
        return name;
    }

    QString writePlan(const char *name, const QByteArray &lines)
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("disciplines;relay;start;minutes;points\n" + lines);
        return file.fileName();
    }

    static QByteArray read(const QString &name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

const QByteArray FullPlan = "BBPR;1;08:00;45;3\nBBPR BBPC,2,09:00,45,3\nSBRL;3;08:00;60;10\n";

TEST_F(BatchRelayTest, DrawWritesTheStartListAndTheSeedRepeatsIt)
{
    const QString match = saveMatch();
    const QString plan = writePlan("plan.csv", FullPlan);
    const ProgramRun run
        = runProgram({match, QStringLiteral("--relay-plan"), plan, QStringLiteral("--draw"),
            QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--start-list"),
            path("start.csv"), QStringLiteral("--save"), path("out.mrv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(QFile::exists(path("out.mrv")));

    const QList<QByteArray> lines = read(path("start.csv")).split('\n');
    ASSERT_EQ(lines.size(), 8) << read(path("start.csv")).toStdString(); // heading, 6 places, ""
    EXPECT_EQ(lines[0], "relay;start;point;number;name;club;discipline");
    EXPECT_TRUE(lines[7].isEmpty());
    QList<std::pair<int, int>> order;
    for (int i = 1; i <= 6; ++i) {
        const QList<QByteArray> fields = lines[i].split(';');
        ASSERT_EQ(fields.size(), 7) << lines[i].toStdString();
        order.append({fields[0].toInt(), fields[2].toInt()});
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_TRUE(read(path("start.csv")).contains("3;08:00;"));

    const ProgramRun again = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("7"),
        QStringLiteral("--start-list"), path("again.csv")});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(read(path("again.csv")), read(path("start.csv")));
}

TEST_F(BatchRelayTest, EntriesLeftOutArePrintedWithExitThree)
{
    const QString match = saveMatch();
    // Two BBPR points for four shooters; SBRL in no relay.
    const QString plan = writePlan("small.csv", "BBPR BBPC;1;08:00;45;2\n");
    const ProgramRun run = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("1"),
        QStringLiteral("--start-list"), path("start.csv")});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    // Four entries of six left out: the SBRL one and two of the BBPR ones (or Aalto's BBPC).
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_TRUE(lines.contains("2\tSBRL\tno relay of the plan shoots SBRL"))
        << run.out.toStdString();
    for (const QByteArray &line : lines)
        EXPECT_EQ(line.split('\t').size(), 3) << line.toStdString();
    // What could be placed is still listed.
    EXPECT_EQ(read(path("start.csv")).count('\n'), 3);
}

TEST_F(BatchRelayTest, MalformedPlanWritesNothing)
{
    const QString match = saveMatch();
    const QString plan = writePlan("bad.csv", "BBPR;1;08:00;45;20\nBBPX;2;09:00;45;20\n");
    const ProgramRun run = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--start-list"), path("start.csv"),
        QStringLiteral("--save"), path("out.mrv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "3\tunknown discipline \"BBPX\"\n");
    EXPECT_FALSE(QFile::exists(path("start.csv")));
    EXPECT_FALSE(QFile::exists(path("out.mrv")));
}

TEST_F(BatchRelayTest, SecondPlanReplacesTheFirst)
{
    const QString match = saveMatch();
    const QString bad = writePlan("bad.csv", "nonsense\n");
    const QString good = writePlan("good.csv", FullPlan);
    const ProgramRun run
        = runProgram({match, QStringLiteral("--relay-plan"), bad, QStringLiteral("--relay-plan"),
            good, QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST_F(BatchRelayTest, SavedSetKeepsThePlanAndThePlacesAndARedrawKeepsTheLocks)
{
    const QString match = saveMatch();
    const QString plan = writePlan("plan.csv", FullPlan);
    const ProgramRun first = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("7"),
        QStringLiteral("--start-list"), path("start.csv"), QStringLiteral("--save"), match});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();

    // A later run lists the places the set keeps, with no plan or draw of its own.
    const ProgramRun listed = runProgram({match, QStringLiteral("--start-list"), path("kept.csv")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(read(path("kept.csv")), read(path("start.csv")));

    // Lock Aalto's BBPR place by hand, then draw again with another seed: it stays.
    Kilpailu loaded;
    QString error;
    LoadedMatch set = loadMatchFileSet(match, false, loaded, error);
    ASSERT_TRUE(set.kilpailu) << error.toStdString();
    Kilpailu kept = *set.kilpailu;
    ASSERT_EQ(kept.relayPlan.relays.size(), 3);
    const EntryKey aalto{kept.kilpailijat[1].Numero, BBPR};
    ASSERT_TRUE(kept.assignments.contains(aalto));
    kept.assignments[aalto].locked = true;
    const Seat locked = kept.assignments[aalto];
    ASSERT_TRUE(saveMatchFileSet(match, kept, matchSummaryLines(kept.tiedot, false), error))
        << error.toStdString();
    for (const char *seed : {"1", "2", "3"}) {
        const ProgramRun again = runProgram({match, QStringLiteral("--draw"),
            QStringLiteral("--seed"), QString::fromLatin1(seed), QStringLiteral("--save"), match});
        ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
        Kilpailu redrawn;
        LoadedMatch after = loadMatchFileSet(match, false, redrawn, error);
        ASSERT_TRUE(after.kilpailu) << error.toStdString();
        EXPECT_EQ(after.kilpailu->assignments.at(aalto), locked) << seed;
        EXPECT_EQ(after.kilpailu->assignments.size(), 6u);
    }
}

TEST_F(BatchRelayTest, DrawWithNoPlanAnywhereIsRefused)
{
    const QString match = saveMatch();
    const ProgramRun run
        = runProgram({match, QStringLiteral("--draw"), QStringLiteral("--save"), path("out.mrv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        run.err, "--draw needs a relay plan: --relay-plan FILE, or a match that keeps one.\n");
    EXPECT_FALSE(QFile::exists(path("out.mrv")));
}

TEST_F(BatchRelayTest, CardsOfTheRunsDrawReadAsTheStartListOfTheirRelay)
{
    const QString match = saveMatch();
    const QString plan = writePlan("plan.csv", FullPlan);
    const ProgramRun run = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("7"),
        QStringLiteral("--start-list"), path("start.csv"), QStringLiteral("--cards"),
        path("relay2.pdf"), QStringLiteral("--relay"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList expected;
    for (const QByteArray &line : read(path("start.csv")).split('\n').mid(1)) {
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() == 7 && fields[0] == "2")
            expected << QString::fromUtf8(fields[3] + '/' + fields[6]);
    }
    ASSERT_FALSE(expected.isEmpty()) << read(path("start.csv")).toStdString();
    expected.sort();
    const std::optional<QList<QStringList>> pages = readPdfBarcodes(read(path("relay2.pdf")));
    if (!pages)
        GTEST_SKIP() << "pdftoppm or zbarimg is not installed";
    EXPECT_EQ(*pages, QList<QStringList>{expected});
}

TEST_F(BatchRelayTest, CardsOfARelayThePlanLacksWriteNothing)
{
    const QString match = saveMatch();
    const QString plan = writePlan("plan.csv", FullPlan);
    const ProgramRun run = runProgram({match, QStringLiteral("--relay-plan"), plan,
        QStringLiteral("--draw"), QStringLiteral("--seed"), QStringLiteral("7"),
        QStringLiteral("--cards"), path("cards.pdf"), QStringLiteral("--relay"),
        QStringLiteral("5"), QStringLiteral("--save"), path("out.mrv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The relay plan has no relay 5.\n");
    EXPECT_FALSE(QFile::exists(path("cards.pdf")));
    EXPECT_FALSE(QFile::exists(path("out.mrv")));
}

struct RelayUsageCase
{
    const char *name;
    QStringList arguments; // after the match
    const char *error; // the first line on stderr
};

std::ostream &operator<<(std::ostream &out, const RelayUsageCase &c)
{
    return out << c.name;
}

class BatchRelayUsageTest : public ::testing::TestWithParam<RelayUsageCase>
{
};

TEST_P(BatchRelayUsageTest, IsRefusedBeforeAnythingIsRead)
{
    const ProgramRun run
        = runProgram(QStringList{QStringLiteral("missing.mrv")} + GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.split('\n').value(0), QByteArray(GetParam().error));
}

INSTANTIATE_TEST_SUITE_P(BatchRelay, BatchRelayUsageTest,
    ::testing::Values(RelayUsageCase{"SeedWithoutDraw",
                          {QStringLiteral("--relay-plan"), QStringLiteral("p.csv"),
                              QStringLiteral("--seed"), QStringLiteral("4")},
                          "--seed goes with --draw."},
        RelayUsageCase{"SeedNotANumber",
            {QStringLiteral("--relay-plan"), QStringLiteral("p.csv"), QStringLiteral("--draw"),
                QStringLiteral("--seed"), QStringLiteral("-4")},
            "--seed needs a whole number from 0 to 18446744073709551615, not \"-4\"."},
        RelayUsageCase{"SeedMissing", {QStringLiteral("--draw"), QStringLiteral("--seed")},
            "--seed needs a value."},
        RelayUsageCase{"RelayWithoutCards", {QStringLiteral("--relay"), QStringLiteral("1")},
            "--relay goes with --cards."},
        RelayUsageCase{"RelayNotANumber",
            {QStringLiteral("--cards"), QStringLiteral("c.pdf"), QStringLiteral("--relay"),
                QStringLiteral("1a")},
            "--relay needs a relay number from 1 to 9999, not \"1a\"."},
        RelayUsageCase{"CardsWithAServer",
            {QStringLiteral("--cards"), QStringLiteral("c.pdf"), QStringLiteral("--serve"),
                QStringLiteral("8080")},
            "--cards does not go with --serve, --live, --add-station or --revoke-station."}),
    NamedBy<&RelayUsageCase::name>());

// The draw of the same run prints as the start lists: a page by relay, a page for each of the
// three clubs, a page by competitor; the PDF's text read back with pdftotext.
TEST_F(BatchRelayTest, StartListsPrintTheDrawOfTheSameRun)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString match = saveMatch();
    const ProgramRun run = runProgram({match, QStringLiteral("--relay-plan"),
        writePlan("plan.csv", FullPlan), QStringLiteral("--draw"), QStringLiteral("--seed"),
        QStringLiteral("7"), QStringLiteral("--pdf"), path("start.pdf"), QStringLiteral("--lists"),
        QStringLiteral("Start list by relay,Start list by club,Start list by competitor")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QProcess convert;
    convert.start(pdftotext, {QStringLiteral("-layout"), path("start.pdf"), QStringLiteral("-")});
    ASSERT_TRUE(convert.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(convert.readAllStandardOutput())
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 5);
    EXPECT_TRUE(pages[0].contains(QLatin1String("Start list by relay")));
    for (const char *relay : {"Relay 1, 08:00, 45 min: BBPR", "Relay 2, 09:00, 45 min: BBPR BBPC",
             "Relay 3, 08:00, 60 min: SBRL"})
        EXPECT_TRUE(pages[0].contains(QLatin1String(relay))) << relay;
    // Six places: Aalto's two, Berg's two, one each for the other two.
    EXPECT_EQ(pages[0].count(QLatin1String("Aalto Matti")), 2);
    EXPECT_EQ(pages[0].count(QLatin1String("Berg Anna")), 2);
    const char *const clubs[] = {"Kaarina", "Oulu", "Porvoo"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pages[1 + i].contains(QLatin1String("Start list by club")));
        EXPECT_TRUE(pages[1 + i].contains(QLatin1String(clubs[i]))) << clubs[i];
    }
    EXPECT_TRUE(pages[1].contains(QLatin1String("Heikkinen Ulla")));
    EXPECT_FALSE(pages[1].contains(QLatin1String("Berg Anna")));
    EXPECT_TRUE(pages[4].contains(QLatin1String("Start list by competitor")));
    EXPECT_LT(pages[4].indexOf(QLatin1String("Aalto Matti")),
        pages[4].indexOf(QLatin1String("Nieminen Timo")));
}

} // namespace
