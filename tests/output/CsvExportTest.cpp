// The CSV export: file names, formats, orders and failures.
#include "output/CsvExport.h"

#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::Hits;
using marvola::testing::MatchBuilder;

namespace {

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray cp1252Lines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toCp1252(line) + "\r\n";
    return bytes;
}

// Compares line by line for a readable failure, then byte for byte (code page, CR LF).
void expectFile(const QString &name, const QStringList &lines)
{
    const QByteArray bytes = readFile(name);
    QStringList actual = fromCp1252(bytes).split(QStringLiteral("\r\n"));
    actual.removeLast();
    EXPECT_EQ(actual, lines) << name.toStdString();
    EXPECT_EQ(bytes, cp1252Lines(lines)) << name.toStdString();
}

const QString Empties = QStringLiteral(";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\"");

// A small match touching every section rule of the export.
std::unique_ptr<Tulokset> exportedMatch(MatchBuilder &b)
{
    const int virtanen = b.competitor(QStringLiteral("Virtanen Ville"), QStringLiteral("Ampujat"));
    const int quoted = b.competitor(QStringLiteral("Aalto; \"Aino\""));
    const int berg = b.competitor(QStringLiteral("Berg Bo"));
    const int unclassed = b.competitor(QStringLiteral("Carl Cid"));
    const int dahl = b.competitor(QStringLiteral("Dahl Dan"));
    // BBPR: a shoot-off between equal totals ("10" is the greater text) and a tie in class A.
    b.enter(quoted, BBPR, Luokat::Int, {10, 10, 10, 10});
    b.enter(virtanen, BBPR, Luokat::A, {10, 9, 8, 7}).finals(virtanen, BBPR, {"1"});
    b.enter(unclassed, BBPR, Luokat::A, {10, 9, 8, 7}).finals(unclassed, BBPR, {"10"});
    b.enter(berg, BBPR, Luokat::A, {5, 5, 5, 5}).enter(dahl, BBPR, Luokat::A, {5, 5, 5, 5});
    // BBPC without a shot count: the "Eiluok" row below the top three keeps no class.
    b.enter(quoted, BBPC, Luokat::Int, {10, 10, 10, 10});
    b.enter(virtanen, BBPC, Luokat::A, {10, 10, 10, 9});
    b.enter(berg, BBPC, Luokat::A, {10, 10, 10, 9});
    b.enter(unclassed, BBPC, Luokat::Eiluok, {10, 10, 9, 9});
    b.enter(virtanen, FPP, Luokat::B, {5, 5, 5, 5}).enter(virtanen, FPPAS, Luokat::B, {6, 6, 6, 6});
    b.at(virtanen).Ase[FPP].setText(QStringLiteral("Ruger"));
    b.at(virtanen).Kaliiperi[FPP].setText(QStringLiteral(".22"));

    const char *rifles[] = {"Eka Erkki", "Toka Tom", "Kolmas Kim", "Neljäs Nea", "Viides Vic"};
    const QString classes[] = {Luokat::Int, Luokat::Int, Luokat::A, Luokat::Master, Luokat::A};
    const Hits hits[]
        = {{10, 10, 10, 10}, {10, 10, 10, 9}, {9, 7, 7, 7}, {7, 7, 7, 7}, {5, 5, 5, 5}};
    for (int i = 0; i < 5; ++i)
        b.enter(b.competitor(QString::fromUtf8(rifles[i])), SBRS, classes[i], hits[i]);

    const int sala = b.competitor(QStringLiteral("Sala Sam"));
    for (Laji d : {SBPR, SBPP, SBPS, SBPU}) {
        const int n = d - SBPR;
        b.enter(sala, d, Luokat::A, {n, n, n, n});
    }
    b.team(
        QStringLiteral("Lions FP"), QStringLiteral("FP"), QStringLiteral("Virtanen Ville"), {}, {});
    b.team(QStringLiteral("Sol SBP"), QStringLiteral("SBP"), QStringLiteral("Sala Sam"), {}, {});

    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);
    return tulokset;
}

class CsvExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_tulokset = exportedMatch(m_builder);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    MatchBuilder m_builder;
    std::unique_ptr<Tulokset> m_tulokset;
};

TEST_F(CsvExport, WritesTheNineFilesByteForByte)
{
    QString error;
    ASSERT_TRUE(exportCsv(*m_tulokset, path(QStringLiteral("spring.csv")), error))
        << error.toStdString();

    const QString e = Empties;
    const QStringList main{
        "\"Laji\";\"Sijoitus\";\"Luokka\";\"Nimi\";\"Seura\";\"Kana\";\"Sika\";\"Kalkkuna\";"
        "\"Passi\";\"Yhteensa\";\"f1\";\"f2\";\"f3\";\"f4\";\"f5\";\"Ase\";\"Malli\";\"Kaliiperi\"",
        "\"BBPR\";1;\"\";\"Aalto; \"Aino\"\";\"Club\";10;10;10;10;40" + e,
        "\"BBPR\";2;\"\";\"Carl Cid\";\"Club\";10;9;8;7;34;\"10\"" + e.mid(3),
        "\"BBPR\";3;\"\";\"Virtanen Ville\";\"Ampujat\";10;9;8;7;34;\"1\"" + e.mid(3),
        "\"BBPR\";1;\"A\";\"Berg Bo\";\"Club\";5;5;5;5;20" + e,
        "\"BBPR\";1;\"A\";\"Dahl Dan\";\"Club\";5;5;5;5;20" + e,
        "\"BBPC\";1;\"\";\"Aalto; \"Aino\"\";\"Club\";10;10;10;10;40" + e,
        "\"BBPC\";2;\"\";\"Virtanen Ville\";\"Ampujat\";10;10;10;9;39" + e,
        "\"BBPC\";3;\"\";\"Berg Bo\";\"Club\";10;10;10;9;39" + e,
        "\"SBPR\";1;\"\";\"Sala Sam\";\"Club\";0;0;0;0;0" + e,
        "\"SBPP\";1;\"\";\"Sala Sam\";\"Club\";2;2;2;2;8" + e,
        "\"SBPS\";1;\"\";\"Sala Sam\";\"Club\";3;3;3;3;12" + e,
        "\"SBPU\";1;\"\";\"Sala Sam\";\"Club\";4;4;4;4;16" + e,
        "\"FPP\";1;\"\";\"Virtanen "
        "Ville\";\"Ampujat\";5;5;5;5;20;\"\";\"\";\"\";\"\";\"\";\"Ruger\";\"\";\".22\"",
        "\"FPPAS\";1;\"\";\"Virtanen Ville\";\"Ampujat\";6;6;6;6;24" + e,
        "\"SBRS\";1;\"\";\"Eka Erkki\";\"Club\";10;10;10;10;40" + e,
        "\"SBRS\";2;\"\";\"Toka Tom\";\"Club\";10;10;10;9;39" + e,
        "\"SBRS\";3;\"\";\"Kolmas Kim\";\"Club\";9;7;7;7;30" + e,
        // Master comes between Int and A.
        "\"SBRS\";1;\"Master\";\"Neljäs Nea\";\"Club\";7;7;7;7;28" + e,
        "\"SBRS\";1;\"A\";\"Viides Vic\";\"Club\";5;5;5;5;20" + e,
    };
    expectFile(path("spring.csv"), QStringList(main));

    const QString aggrHeader = "\"Laji\";\"Sijoitus\";\"Nimi\";\"Seura\";%1;\"Yhteensa\";"
                               "\"Passi\";\"Kalkkuna\";\"Sika\";\"Kana\"";
    expectFile(path("springFP.csv"),
        QStringList({aggrHeader.arg("\"FPP\";\"FPPAS\""),
            "\"FP\";1;\"Virtanen Ville\";\"Ampujat\";20;24;44;11;11;11;11"}));
    expectFile(path("springSBP.csv"),
        QStringList({aggrHeader.arg("\"SBPR\";\"SBPC\";\"SBPP\";\"SBPS\";\"SBPU\""),
            "\"SBP\";1;\"Sala Sam\";\"Club\";0;0;8;12;16;36;9;9;9;9"}));
    expectFile(path("springBBP.csv"),
        QStringList({aggrHeader.arg("\"BBPR\";\"BBPC\";\"BBPP\";\"BBPS\";\"BBPU\"")}));
    expectFile(path("springSBR.csv"), QStringList({aggrHeader.arg("\"SBRS\";\"SBRL\"")}));
    expectFile(path("springBBR.csv"), QStringList({aggrHeader.arg("\"BBRS\";\"BBRH\"")}));

    const QString teamHeader = "\"Laji\";\"Joukkue\";\"Kilpailija\";%1;\"Yhteensa\";\"Passi\";"
                               "\"Kalkkuna\";\"Sika\";\"Kana\"";
    expectFile(path("springFPTeams.csv"),
        QStringList({teamHeader.arg("\"FPP\";\"FPPAS\""),
            "\"FP\";Lions FP;\"Virtanen Ville\";20;24;44;11;11;11;11",
            "\"FP\";Lions FP;\"\";0;0;0;0;0;0;0", "\"FP\";Lions FP;\"\";0;0;0;0;0;0;0"}));
    // The P or C figure stands first in the SBP file and second in the BBP file.
    expectFile(path("springSBPTeams.csv"),
        QStringList({teamHeader.arg("\"SBPP\";\"SBPR\";\"SBPS\";\"SBPU\""),
            "\"SBP\";Sol SBP;\"Sala Sam\";8;0;12;16;36;9;9;9;9",
            "\"SBP\";Sol SBP;\"\";0;0;0;0;0;0;0;0;0", "\"SBP\";Sol SBP;\"\";0;0;0;0;0;0;0;0;0"}));
    expectFile(path("springBBPTeams.csv"),
        QStringList({teamHeader.arg("\"BBPR\";\"BBPP\";\"BBPS\";\"BBPU\"")}));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 9);
}

TEST_F(CsvExport, FileNamesDropTheLastFourCharacters)
{
    const QStringList names = csvFileNames(QStringLiteral("/data/results"));
    EXPECT_EQ(names.first(), QStringLiteral("/data/res.csv"));
    EXPECT_EQ(names.last(), QStringLiteral("/data/resBBPTeams.csv"));
    EXPECT_EQ(names.size(), 9);
}

TEST_F(CsvExport, OverwritesAnEarlierExport)
{
    QString error;
    const QString name = path(QStringLiteral("x.csv"));
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    ASSERT_TRUE(exportCsv(*m_tulokset, name, error));
    EXPECT_TRUE(readFile(name).startsWith("\"Laji\";\"Sijoitus\""));
    EXPECT_FALSE(readFile(name).contains("xxx"));
}

TEST_F(CsvExport, AFileThatCannotBeWrittenStopsWithItsMessage)
{
    QString error;
    const QString name = path(QStringLiteral("missing/dir/x.csv"));
    EXPECT_FALSE(exportCsv(*m_tulokset, name, error));
    EXPECT_TRUE(error.contains(QStringLiteral("x.csv"))) << error.toStdString();
}

TEST_F(CsvExport, AFailedExportLeavesTheEarlierExportWhole)
{
    QString error;
    const QString name = path(QStringLiteral("x.csv"));
    ASSERT_TRUE(exportCsv(*m_tulokset, name, error));
    const QByteArray earlier = readFile(name);
    // The last of the nine cannot be written: a folder stands in its place.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("xBBPTeams.csv"))));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("xBBPTeams.csv")));
    auto changed = std::make_unique<Tulokset>();
    EXPECT_FALSE(exportCsv(*changed, name, error));
    EXPECT_TRUE(error.contains(QStringLiteral("xBBPTeams.csv"))) << error.toStdString();
    EXPECT_EQ(readFile(name), earlier);
}

TEST(CsvExportRefusal, NeedsACompetitorInAnySlotUpToFiveHundred)
{
    MatchBuilder b;
    EXPECT_FALSE(hasCompetitorsToExport(b.match()));
    EXPECT_EQ(nothingToExportMessage(), QStringLiteral("Eipä ole paljoa tallennettavaa."));
    b.match().kilpailijat[500].Nimi.setText(QStringLiteral("Last Slot"));
    EXPECT_TRUE(hasCompetitorsToExport(b.match()));
}

} // namespace

// Sums past 32 bits are exported whole, in the aggregate and the team files alike.
TEST(CsvExportWideSums, AggregateAndTeamSumsPastThirtyTwoBits)
{
    constexpr int Max = std::numeric_limits<std::int32_t>::max();
    MatchBuilder b;
    for (const char *name : {"Aalto Aino", "Berg Bo", "Carl Cid"})
        b.enter(b.competitor(QString::fromLatin1(name)), FPP, Luokat::A, {Max, 0, 0, 0}, Max)
            .enter(b.competitor(QString::fromLatin1(name) + QStringLiteral(" 2")), FPP, Luokat::A,
                {1, 0, 0, 0}, 1);
    for (int slot : {1, 3, 5})
        b.enter(slot, FPPAS, Luokat::A, {Max, 0, 0, 0}, Max);
    b.team(QStringLiteral("Giants"), QStringLiteral("FP"), QStringLiteral("Aalto Aino"),
        QStringLiteral("Berg Bo"), QStringLiteral("Carl Cid"));
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);

    const QList<FileContent> files = csvFiles(*tulokset, QStringLiteral("/x/w.csv"));
    const auto file = [&](const char *suffix) {
        for (const FileContent &f : files)
            if (f.fileName == QStringLiteral("/x/w") + QString::fromLatin1(suffix))
                return f.bytes;
        return QByteArray("<missing>");
    };
    // Aalto Aino: FPP and FPPAS each 2147483647, sums 4294967294.
    EXPECT_TRUE(file("FP.csv").contains(
        "\"FP\";1;\"Aalto Aino\";\"Club\";2147483647;2147483647;4294967294;0;0;0;4294967294"))
        << file("FP.csv").toStdString();
    // The team's members each have 4294967294; the team file lists the members' figures.
    EXPECT_TRUE(file("FPTeams.csv").contains("4294967294")) << file("FPTeams.csv").toStdString();
}

// A team whose name was cleared keeps its group and its row in the standings: the team file
// writes every row up to the last named team, so a team ranked after it is not lost.
TEST(CsvExportTeams, ATeamAfterANamelessOneIsWritten)
{
    MatchBuilder b;
    b.enter(b.competitor(QStringLiteral("Aalto Aino")), FPP, Luokat::A, {5, 5, 5, 5});
    b.team(QStringLiteral("Alpha FP"), QStringLiteral("FP"), QStringLiteral("Aalto Aino"), {}, {});
    b.team(QStringLiteral("Cleared"), QStringLiteral("FP"), {}, {}, {});
    b.team(QStringLiteral("Zeta FP"), QStringLiteral("FP"), {}, {}, {});
    b.match().joukkueet[2].Nimi.setText(QString());
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(b.match(), *tulokset);

    QByteArray teams;
    for (const FileContent &f : csvFiles(*tulokset, QStringLiteral("/x/w.csv")))
        if (f.fileName == QStringLiteral("/x/wFPTeams.csv"))
            teams = f.bytes;
    const QList<QByteArray> lines = teams.split('\n');
    ASSERT_EQ(lines.size(), 1 + 3 * 3 + 1) << teams.toStdString(); // header, 3 teams, the end
    EXPECT_TRUE(lines[1].startsWith("\"FP\";Alpha FP;\"Aalto Aino\";")) << teams.toStdString();
    EXPECT_TRUE(lines[4].startsWith("\"FP\";;\"\";")) << teams.toStdString();
    EXPECT_TRUE(lines[7].startsWith("\"FP\";Zeta FP;\"\";")) << teams.toStdString();
}
