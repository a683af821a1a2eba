// marvola MATCH.mrv --import FILE [--sheet NAME] [--save OUT.mrv]: the rows left out on stdout,
// the counts on stderr, the exit status, and nothing written without --save.
#include "files/MatchFiles.h"
#include "import/WorkbookWriter.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"
#include "support/RunProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class BatchImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        MatchBuilder b;
        const int slot = b.competitor(QStringLiteral("Virtanen Matti"), QStringLiteral("HAUR"));
        b.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
        QString error;
        ASSERT_TRUE(
            saveMatchFileSet(m_match, b.match(), matchSummaryLines(b.match().tiedot, false), error))
            << error.toStdString();
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    std::unique_ptr<Kilpailu> load(const QString &name) const
    {
        const Kilpailu current;
        QString error;
        LoadedMatch loaded = loadMatchFileSet(name, false, current, error);
        EXPECT_TRUE(loaded.kilpailu) << error.toStdString();
        return loaded.kilpailu ? std::move(loaded.kilpailu) : std::make_unique<Kilpailu>();
    }

    QTemporaryDir m_dir;
    QString m_match = m_dir.filePath(QStringLiteral("match.mrv"));
};

TEST_F(BatchImportTest, ImportsWhatFitsAndListsEachRowLeftOut)
{
    const QString csv = write(QStringLiteral("entries.csv"),
        "nimi;seura;syntymäaika;laji;luokka\n"
        "Ahola Aino;HAUR;1.2.1990;BBPR;A\n"
        "Ahola Aino;HAUR;1.2.1990;SBRL;B\n"
        "Virtanen Matti;HAUR;;BBPC;B\n"
        "Matti Virtanen;OMAS;;;\n"
        "Berg Britt;Kuopion Ampujat;;;\n");
    const QString saved = path(QStringLiteral("out.mrv"));

    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
    const ProgramRun dry = runProgram({m_match, QStringLiteral("--import"), csv});
    EXPECT_EQ(dry.exitCode, 3) << dry.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(dry.out),
        QStringLiteral("5\tSuspected duplicate of 1 Virtanen Matti (HAUR).\n"
                       "6\tThe club \"Kuopion Ampujat\" is longer than 10 characters.\n"));
    EXPECT_EQ(QString::fromUtf8(dry.err),
        QString::fromUtf8("Columns not imported: syntymäaika.\n1 added, 1 updated, 2 refused\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);

    const ProgramRun run
        = runProgram({m_match, QStringLiteral("--import"), csv, QStringLiteral("--save"), saved});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const auto match = load(saved);
    EXPECT_EQ(match->kilpailijat[2].Nimi.text(), QStringLiteral("Ahola Aino"));
    EXPECT_TRUE(match->kilpailijat[2].Osallistuu[SBRL]);
    EXPECT_EQ(match->kilpailijat[2].Numero, 2);
    EXPECT_TRUE(match->kilpailijat[1].Osallistuu[BBPC]);
    EXPECT_EQ(match->kilpailijat[1].Yhteensa[BBPR], 14);
    EXPECT_EQ(match->kilpailijat.highestOccupied(), 2);
}

TEST_F(BatchImportTest, ASheetChosenByNameImportsEveryRow)
{
    const QString xlsx = path(QStringLiteral("entries.xlsx"));
    ASSERT_TRUE(writeWorkbook(xlsx,
        {{QStringLiteral("Notes"), inlineRow(1, {"nothing"})},
            {QStringLiteral("Anmälda"),
                inlineRow(2, {"Förnamn", "Efternamn", "Klubb", "BBPR", "SBRL"})
                    + inlineRow(3, {"Britt", "Berg", "SA", "ja", "Master"})}}));
    const QString saved = path(QStringLiteral("out.mrv"));
    const ProgramRun run = runProgram({m_match, QStringLiteral("--import"), xlsx,
        QStringLiteral("--sheet"), QStringLiteral("Anmälda"), QStringLiteral("--save"), saved});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, "1 added, 0 updated, 0 refused\n");
    const auto match = load(saved);
    EXPECT_EQ(match->kilpailijat[2].Nimi.text(), QStringLiteral("Berg Britt"));
    EXPECT_EQ(match->kilpailijat[2].Luokka[SBRL].text(), QStringLiteral("Master"));
}

TEST_F(BatchImportTest, AWorkbookOfASpreadsheetProgramIsReadAsItShows)
{
    // The Debian python with openpyxl, not one a developer's PATH may put first.
    const QString xlsx = path(QStringLiteral("openpyxl.xlsx"));
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
        {testDataFolder() + QStringLiteral("/import/make-workbook.py"), xlsx});
    ASSERT_TRUE(python.waitForFinished(60000) && python.exitCode() == 0)
        << python.readAllStandardError().toStdString();
    const QString saved = path(QStringLiteral("out.mrv"));
    const ProgramRun run
        = runProgram({m_match, QStringLiteral("--import"), xlsx, QStringLiteral("--sheet"),
            QStringLiteral("Ilmoittautuneet"), QStringLiteral("--save"), saved});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.err),
        QStringLiteral("Columns not imported: Syntynyt.\n2 added, 0 updated, 0 refused\n"));
    const auto match = load(saved);
    EXPECT_EQ(match->kilpailijat[2].Nimi.text(), QStringLiteral("Mäkelä Åsa"));
    EXPECT_EQ(match->kilpailijat[2].Luokka[SBRL].text(), QStringLiteral("Master"));
    EXPECT_TRUE(match->kilpailijat[2].Osallistuu[BBPR]);
    EXPECT_FALSE(match->kilpailijat[3].Osallistuu[BBPR]);
    EXPECT_EQ(match->kilpailijat[3].Luokka[SBRL].text(), QStringLiteral("A"));
}

TEST_F(BatchImportTest, AFileThatCannotBeImportedWritesNothing)
{
    const struct
    {
        const char *file;
        QByteArray bytes;
        const char *said;
    } cases[] = {
        {"no-names.csv", "club;BBPR\nHAUR;x\n", "no column of names"},
        {"garbage.csv", QByteArray("\x00\x01\xFF\xFE", 4).repeated(100), "not text"},
    };
    for (const auto &c : cases) {
        const QString saved = path(QStringLiteral("out.mrv"));
        const ProgramRun run = runProgram({m_match, QStringLiteral("--import"),
            write(QString::fromLatin1(c.file), c.bytes), QStringLiteral("--save"), saved});
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_TRUE(run.err.contains(c.said)) << c.file << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(saved)) << c.file;
    }
}

} // namespace

// What the match files cannot hold is saved beside them, and the saved set's log tells where
// each change came from, so the window opening it offers nothing back.
TEST_F(BatchImportTest, ASavedImportKeepsTheExtrasAndLogsItsSource)
{
    const QString csv = write(QStringLiteral("members.csv"),
        "name;club;member number;e-mail;left-handed\n"
        "Ahola Aino;HAUR;FIN-17;aino@example.fi;yes\n");
    const ProgramRun run
        = runProgram({m_match, QStringLiteral("--import"), csv, QStringLiteral("--save"), m_match});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto match = load(m_match);
    EXPECT_EQ(match->extras[2],
        (CompetitorExtras{QStringLiteral("FIN-17"), QStringLiteral("aino@example.fi"), {}, true}));

    const ProgramRun log = runProgram({m_match, QStringLiteral("--log"), path("log.csv")});
    ASSERT_EQ(log.exitCode, 0) << log.err.toStdString();
    QFile csvLog(path("log.csv"));
    ASSERT_TRUE(csvLog.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csvLog.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("import:members.csv"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Jasennumero"))) << text.toStdString();

    QString error;
    bool hasLog = false;
    EXPECT_EQ(readPendingChanges(m_match, hasLog, error).state, PendingChanges::State::None)
        << error.toStdString();
}
