// The competitor list: one row per competitor and entered discipline, as CSV and as a workbook
// that a spreadsheet reader (openpyxl) reads back.
#include "output/CompetitorExport.h"

#include "support/MatchBuilder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

const QString Headings = QStringLiteral("name;club;nationality;member number;e-mail;shares gun "
                                        "with;left-handed;discipline;class;gun;model;caliber");

class CompetitorExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const int aino = m_builder.competitor(QStringLiteral("Åhola Aino"), QStringLiteral("SA"));
        m_builder.enter(aino, BBPR, QStringLiteral("A"), {});
        m_builder.enter(aino, SBRL, QStringLiteral("Master"), {});
        TKilpailija &a = m_builder.at(aino);
        a.Ase[BBPR].setText(QStringLiteral("Ruger"));
        a.Malli[BBPR].setText(QStringLiteral("Super \"B\""));
        a.Kaliiperi[BBPR].setText(QStringLiteral(".44"));
        a.Ase[SBRL].setText(QStringLiteral("Anschütz"));
        a.Kaliiperi[SBRL].setText(QStringLiteral("stale")); // SBRL has no caliber field
        CompetitorExtras &extras = m_builder.match().extras[aino];
        extras.memberNumber = QStringLiteral("F-12");
        extras.email = QStringLiteral("aino;ahola@example.org");
        extras.sharesGunWith = QStringLiteral("3, F-9");
        extras.leftHanded = true;
        // Entered in nothing yet: one row with an empty discipline.
        m_builder.competitor(QStringLiteral("Berg Olle"), QStringLiteral("RS"));
        // A removed competitor is not listed.
        m_builder.match().removeCompetitor(m_builder.competitor(QStringLiteral("Gone")));
    }

    const QList<QStringList> m_expected = {
        {"Åhola Aino", "SA", "FIN", "F-12", "aino;ahola@example.org", "3, F-9", "yes", "BBPR", "A",
            "Ruger", "Super \"B\"", ".44"},
        {"Åhola Aino", "SA", "FIN", "F-12", "aino;ahola@example.org", "3, F-9", "yes", "SBRL",
            "Master", "Anschütz", "", ""},
        {"Berg Olle", "RS", "FIN", "", "", "", "", "", "", "", "", ""},
    };
    MatchBuilder m_builder;
};

TEST_F(CompetitorExportTest, CsvHasOneRowPerCompetitorAndDiscipline)
{
    const QByteArray csv = competitorListCsv(m_builder.match());
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5); // headings, three rows, the empty rest after the last CR LF
    EXPECT_EQ(lines[0], Headings);
    EXPECT_EQ(lines[1],
        QStringLiteral("Åhola Aino;SA;FIN;F-12;\"aino;ahola@example.org\";3, F-9;yes;BBPR;A;Ruger;"
                       "\"Super \"\"B\"\"\";.44"));
    EXPECT_EQ(lines[2],
        QStringLiteral("Åhola Aino;SA;FIN;F-12;\"aino;ahola@example.org\";3, F-9;yes;SBRL;Master;"
                       "Anschütz;;"));
    EXPECT_EQ(lines[3], QStringLiteral("Berg Olle;RS;FIN;;;;;;;;;"));
    EXPECT_EQ(lines[4], QString());
}

TEST_F(CompetitorExportTest, WorkbookReadsBackAsTheSameRows)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("competitors.XLSX"));
    QString error;
    const std::optional<QByteArray> bytes = competitorListFile(m_builder.match(), path, error);
    ASSERT_TRUE(bytes) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*bytes);
    file.close();

    // The system's Python, where Debian's python3-openpyxl is, before any other on the path.
    QString python3 = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin"});
    if (python3.isEmpty())
        python3 = QStringLiteral("python3");
    QProcess python;
    python.start(python3,
        {QStringLiteral("-c"),
            QStringLiteral("import json, sys, openpyxl\n"
                           "sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                           "print(json.dumps([[c if c is not None else '' for c in row]\n"
                           "    for row in sheet.iter_rows(values_only=True)]))\n"),
            path});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    ASSERT_EQ(rows.size(), 4);
    QList<QStringList> read;
    for (const QJsonValue &row : rows) {
        QStringList cells;
        for (const QJsonValue &cell : row.toArray())
            cells << cell.toString();
        read << cells;
    }
    EXPECT_EQ(read.takeFirst().join(QLatin1Char(';')), Headings);
    EXPECT_EQ(read, m_expected);
}

TEST_F(CompetitorExportTest, NameOfAnotherKindIsRefused)
{
    const std::pair<const char *, bool> cases[]
        = {{"list.csv", true}, {"LIST.Xlsx", true}, {"list.xls", false}, {"list", false}};
    for (const auto &[name, known] : cases) {
        QString error;
        EXPECT_EQ(
            competitorListFile(m_builder.match(), QString::fromLatin1(name), error).has_value(),
            known)
            << name;
        EXPECT_EQ(error.isEmpty(), known) << name;
    }
}

} // namespace
