// The competitors of an imported file: headings recognised in three languages, both layouts of
// the disciplines, each row classified against the match, and the plan applied as one edit.
#include "import/ImportPlan.h"

#include "import/ImportColumns.h"
#include "import/XlsxReader.h"
#include "log/MatchChanges.h"
#include "model/Disciplines.h"
#include "output/CompetitorExport.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

ImportTable csvTable(const QByteArray &csv)
{
    QString error;
    const auto table = readCsv(csv, error);
    EXPECT_TRUE(table) << error.toStdString();
    return table.value_or(ImportTable{});
}

ImportPlan plan(const QByteArray &csv, const Kilpailu &match, const ImportOptions &options = {})
{
    const ImportTable table = csvTable(csv);
    return planImport(table, recogniseHeadings(table.headings), match, options);
}

TEST(ImportHeadingTest, RecognisesTheWordsOfThreeLanguagesWrittenAnyWay)
{
    const struct
    {
        const char *heading;
        ImportField field;
    } cases[] = {
        {"Name", ImportField::Name},
        {"NIMI", ImportField::Name},
        {"namn", ImportField::Name},
        {"First name", ImportField::FirstName},
        {"Etunimi", ImportField::FirstName},
        {"Förnamn", ImportField::FirstName},
        {"FORNAMN", ImportField::FirstName},
        {"last-name", ImportField::LastName},
        {"Surname", ImportField::LastName},
        {"sukunimi", ImportField::LastName},
        {"Efternamn", ImportField::LastName},
        {"Club", ImportField::Club},
        {"Seura", ImportField::Club},
        {"Klubb", ImportField::Club},
        {"Förening", ImportField::Club},
        {"Nationality", ImportField::Nationality},
        {"country", ImportField::Nationality},
        {"Kansallisuus", ImportField::Nationality},
        {"Maa", ImportField::Nationality},
        {"Nationalitet", ImportField::Nationality},
        {"Land", ImportField::Nationality},
        {"Member Number", ImportField::MemberNumber},
        {"Jäsen-numero", ImportField::MemberNumber},
        {"medlemsnummer", ImportField::MemberNumber},
        {"E-mail", ImportField::Email},
        {"email", ImportField::Email},
        {"Sähköposti", ImportField::Email},
        {"E-post", ImportField::Email},
        {"Shares gun with", ImportField::SharesGunWith},
        {"Yhteinen ase", ImportField::SharesGunWith},
        {"Delar vapen med", ImportField::SharesGunWith},
        {"Left-handed", ImportField::LeftHanded},
        {"left handed", ImportField::LeftHanded},
        {"Vasenkätinen", ImportField::LeftHanded},
        {"Vänsterhänt", ImportField::LeftHanded},
        {"Discipline", ImportField::Discipline},
        {"Laji", ImportField::Discipline},
        {"Gren", ImportField::Discipline},
        {"Class", ImportField::Class},
        {"Luokka", ImportField::Class},
        {"Klass", ImportField::Class},
        {"Gun", ImportField::Gun},
        {"Ase", ImportField::Gun},
        {"Vapen", ImportField::Gun},
        {"Model", ImportField::Model},
        {"Malli", ImportField::Model},
        {"Modell", ImportField::Model},
        {"Caliber", ImportField::Caliber},
        {"Kaliiperi", ImportField::Caliber},
        {"Kaliber", ImportField::Caliber},
        {"Birth date", ImportField::Ignored},
        {"", ImportField::Ignored},
    };
    for (const auto &c : cases)
        EXPECT_EQ(recogniseHeading(QString::fromUtf8(c.heading)).field, c.field) << c.heading;
    EXPECT_EQ(recogniseHeading(QStringLiteral("fppas")),
        (ImportColumn{ImportField::DisciplineEntry, FPPAS}));
}

TEST(ImportHeadingTest, AMappingIsRememberedAsTextAndRefusedWhenItDoesNotFit)
{
    const QList<ImportColumn> mapping{
        {ImportField::Name}, {ImportField::Ignored}, {ImportField::DisciplineEntry, SBRL}};
    EXPECT_EQ(mappingFromText(mappingText(mapping), 3), mapping);
    EXPECT_TRUE(mappingFromText(mappingText(mapping), 4).isEmpty());
    EXPECT_TRUE(mappingFromText(QStringLiteral("1:-1,99:0,15:3"), 3).isEmpty());
}

TEST(ImportLayoutTest, AColumnPerDisciplineHoldsAYesOrTheClass)
{
    const Kilpailu empty;
    const ImportPlan p = plan("Sukunimi;Etunimi;Seura;BBPR;SBPR;BBRS;FPP;class;gun\n"
                              "Ahola;Aino;HAUR;x;A;Master;ei;B;Ruger\n"
                              "Berg;Britt;SA;kyllä;;;no;;\n",
        empty);
    ASSERT_EQ(p.rows.size(), 2);
    const ImportCompetitor &aino = p.rows[0].competitor;
    EXPECT_EQ(aino.nimi, QStringLiteral("Ahola Aino"));
    ASSERT_EQ(aino.entries.size(), 3);
    EXPECT_EQ(aino.entries[0].discipline, BBPR);
    EXPECT_EQ(aino.entries[0].luokka, QStringLiteral("B"));
    EXPECT_EQ(aino.entries[0].ase, QStringLiteral("Ruger"));
    EXPECT_EQ(aino.entries[1].luokka, QStringLiteral("A"));
    EXPECT_EQ(aino.entries[2].discipline, BBRS);
    EXPECT_EQ(aino.entries[2].luokka, QStringLiteral("Master"));
    ASSERT_EQ(p.rows[1].competitor.entries.size(), 1);
    EXPECT_TRUE(p.rows[1].competitor.entries[0].luokka.isEmpty());
}

TEST(ImportLayoutTest, ConsecutiveRowsOfOneCompetitorAreOneCompetitor)
{
    const Kilpailu empty;
    const ImportPlan p = plan("name;club;member number;discipline;class;gun;caliber\n"
                              "Ahola Aino;HAUR;77;BBPR;A;Ruger;.357\n"
                              "Ahola Aino;HAUR;77;sbpr;no class;Colt;.22\n"
                              "Berg Britt;SA;;BBPC;B;;\n"
                              "Berg Britt;SA;;;;;\n"
                              "Ahola Aino;HAUR;78;BBPS;A;;\n",
        empty);
    ASSERT_EQ(p.rows.size(), 3);
    EXPECT_EQ(p.rows[0].competitor.lines, (QList<int>{2, 3}));
    ASSERT_EQ(p.rows[0].competitor.entries.size(), 2);
    EXPECT_EQ(p.rows[0].competitor.entries[1].luokka, Luokat::Eiluok);
    EXPECT_EQ(p.rows[0].competitor.entries[0].kaliiperi, QStringLiteral(".357"));
    EXPECT_TRUE(p.rows[0].competitor.entries[1].kaliiperi.isEmpty()); // SBPR has no caliber
    EXPECT_EQ(p.rows[1].competitor.lines, (QList<int>{4, 5}));
    // Another member number is another competitor; the same name then cannot be added twice.
    EXPECT_EQ(p.rows[2].status, ImportStatus::Refused);
    EXPECT_EQ(p.rows[2].reason, QStringLiteral("The same name is on line 2."));
}

// The language is read by code or by name in the three languages, for the register; a language
// the program does not speak is left out. After the import each competitor's is found by slot.
TEST(ImportLayoutTest, LanguageIsReadByCodeOrNameAndFoundForTheImportedSlot)
{
    MatchBuilder builder;
    const int kept = builder.competitor(QStringLiteral("Berg Britt"), QStringLiteral("SA"));
    const ImportPlan p = plan("name;club;kieli\n"
                              "Ahola Aino;HAUR;Suomi\n"
                              "Berg Britt;SA;sv\n"
                              "Cole Carl;SA;ENGLISH\n"
                              "Dahl Dag;SA;Deutsch\n",
        builder.match());
    ASSERT_EQ(p.rows.size(), 4);
    const QStringList languages{
        QStringLiteral("fi"), QStringLiteral("sv"), QStringLiteral("en"), QString()};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.rows[i].competitor.language, languages[i]) << i;

    Kilpailu &match = builder.match();
    applyImport(p, match);
    EXPECT_EQ(importedLanguage(p, match, kept), QStringLiteral("sv"));
    int ahola = 0;
    for (int slot = 1; slot <= MaxKilpailijat && ahola == 0; ++slot)
        if (match.kilpailijat[slot].Nimi.text() == QStringLiteral("Ahola Aino"))
            ahola = slot;
    ASSERT_NE(ahola, 0);
    EXPECT_EQ(importedLanguage(p, match, ahola), QStringLiteral("fi"));
}

class ImportClassificationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_virtanen = m_builder.competitor(QStringLiteral("Virtanen Matti"), QStringLiteral("HAUR"));
        m_builder.match().extras[m_virtanen].memberNumber = QStringLiteral("1001");
        m_builder.enter(m_virtanen, BBPR, Luokat::A, {5, 4, 3, 2});
        m_maki = m_builder.competitor(QStringLiteral("Mäkelä Åsa"), QStringLiteral("SA"));
    }
    MatchBuilder m_builder;
    int m_virtanen = 0;
    int m_maki = 0;
};

TEST_F(ImportClassificationTest, EachRowIsNewUpdateDuplicateOrRefusedWithItsReason)
{
    const ImportPlan p = plan("name;club;nationality;member number;discipline;class;gun\n"
                              "Uusi Kalle;KUa;FIN;;BBPR;A;\n"
                              "Virta Matti;OMAS;FIN;1001;BBPC;B;\n"
                              "Mäkelä Åsa;SA;SWE;;BBPR;;\n"
                              "Matti Virtanen;HAUR;;;;;\n"
                              "MAKELA ASA;SA;;;;;\n"
                              "Virtanen Mati;HAUR;;;;;\n"
                              "Mäkelä Åsa;HAUR;;;;;\n"
                              ";HAUR;;;;;\n"
                              "Pitkänimi Kustaa Adolf Fredrik;SA;;;;;\n"
                              "Lyhyt Leo;Kuopion Ampujat;;;;;\n"
                              "Novák Čeněk;SA;;;;;\n"
                              "Laji Lasse;SA;;;BBPX;;\n"
                              "Luokka Liisa;SA;;;BBPR;Master;\n"
                              "Ase Arto;SA;;;SBPR;A;Smith & Wesson 41\n",
        m_builder.match());
    const QString virtanen = competitorLabel(m_builder.match(), m_virtanen);
    const struct
    {
        ImportStatus status;
        QString reason;
        int slot;
    } expected[] = {
        {ImportStatus::New, {}, 0},
        {ImportStatus::Update, {}, m_virtanen},
        {ImportStatus::Update, {}, m_maki},
        {ImportStatus::Duplicate, "Suspected duplicate of " + virtanen + ".", m_virtanen},
        {ImportStatus::Duplicate, "Suspected duplicate of 2 Mäkelä Åsa (SA).", m_maki},
        {ImportStatus::Duplicate, "Suspected duplicate of " + virtanen + ".", m_virtanen},
        {ImportStatus::Refused, "The name is already in use: 2 Mäkelä Åsa (SA).", 0},
        {ImportStatus::Refused, "The name is empty.", 0},
        {ImportStatus::Refused,
            "The name \"Pitkänimi Kustaa Adolf Fredrik\" is longer than 25 characters.", 0},
        {ImportStatus::Refused, "The club \"Kuopion Ampujat\" is longer than 10 characters.", 0},
        {ImportStatus::Refused,
            QString::fromUtf8("The name \"Novák Čeněk\" has a character the match file cannot "
                              "hold: Č."),
            0},
        {ImportStatus::Refused, "Unknown discipline \"BBPX\".", 0},
        {ImportStatus::Refused, "The class \"Master\" is not valid in BBPR (Int, A, B, Eiluok).",
            0},
        {ImportStatus::Refused,
            "The gun in SBPR \"Smith & Wesson 41\" is longer than 10 characters.", 0},
    };
    ASSERT_EQ(p.rows.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ImportRow &row = p.rows[static_cast<qsizetype>(i)];
        EXPECT_EQ(row.status, expected[i].status) << "line " << row.competitor.line();
        EXPECT_EQ(row.reason, expected[i].reason) << "line " << row.competitor.line();
        if (expected[i].slot > 0) {
            EXPECT_EQ(row.slot, expected[i].slot) << "line " << row.competitor.line();
        }
    }
}

TEST_F(ImportClassificationTest, ShortenedTextsAndAcceptedDuplicatesAreImported)
{
    const QByteArray csv = "name;club\n"
                           "Lyhyt Leo;Kuopion Ampujat\n"
                           "Virtanen Mati;HAUR\n";
    ImportOptions options;
    options.shorten = true;
    options.acceptedDuplicates = {3};
    ImportPlan p = plan(csv, m_builder.match(), options);
    ASSERT_EQ(p.rows.size(), 2);
    EXPECT_EQ(p.rows[0].status, ImportStatus::New);
    EXPECT_EQ(p.rows[0].competitor.seura, QStringLiteral("Kuopion Am"));
    EXPECT_TRUE(p.rows[1].accepted);
    EXPECT_EQ(p.added(), 2);
    Kilpailu &match = m_builder.match();
    applyImport(p, match);
    EXPECT_EQ(match.kilpailijat[3].Seura.text(), QStringLiteral("Kuopion Am"));
    EXPECT_EQ(match.kilpailijat[4].Nimi.text(), QStringLiteral("Virtanen Mati"));
}

TEST(ImportFullRegisterTest, RowsBeyondTheRegistersPlacesAreRefused)
{
    MatchBuilder builder;
    for (int i = 0; i < MaxKilpailijat - 2; ++i)
        builder.competitor(QStringLiteral("Competitor %1").arg(i, 3, 10, QLatin1Char('0')));
    const ImportPlan p = plan("name\nAhola Aino\nBerg Britt\nCarlsson Carl\n", builder.match());
    ASSERT_EQ(p.rows.size(), 3);
    EXPECT_EQ(p.rows[1].status, ImportStatus::New);
    EXPECT_EQ(p.rows[2].status, ImportStatus::Refused);
    EXPECT_EQ(p.rows[2].reason,
        QStringLiteral("The register is full: a match can have 500 competitors."));
}

TEST_F(ImportClassificationTest, AnUpdateWritesEntriesAndExtrasButNeverResults)
{
    Kilpailu &match = m_builder.match();
    const TKilpailija before = match.kilpailijat[m_virtanen];
    const ImportPlan p = plan("member number;name;club;nationality;e-mail;left-handed;discipline;"
                              "class;gun;model;caliber\n"
                              "1001;Virtanen Matti;OMAS;SWE;mv@x.fi;yes;BBPR;B;Colt;Python;\n"
                              "1001;Virtanen Matti;OMAS;SWE;;;BBRS;Master;Ruger;M77;.308\n",
        match);
    ASSERT_EQ(p.updated(), 1);
    applyImport(p, match);
    const TKilpailija &k = match.kilpailijat[m_virtanen];
    EXPECT_EQ(k.Numero, before.Numero);
    EXPECT_EQ(k.Seura.text(), QStringLiteral("OMAS"));
    EXPECT_EQ(k.Maa.text(), QStringLiteral("SWE"));
    EXPECT_EQ(k.Luokka[BBPR].text(), QStringLiteral("B"));
    EXPECT_EQ(k.Malli[BBPR].text(), QStringLiteral("Python"));
    EXPECT_TRUE(k.Osallistuu[BBRS]);
    EXPECT_EQ(k.Kaliiperi[BBRS].text(), QStringLiteral(".308"));
    for (int d = 0; d < LajiCount; ++d) {
        EXPECT_EQ(k.Yhteensa[d], before.Yhteensa[d]);
        EXPECT_EQ(k.Kana[d], before.Kana[d]);
        EXPECT_EQ(k.Passi[d], before.Passi[d]);
    }
    EXPECT_EQ(match.extras[m_virtanen].email, QStringLiteral("mv@x.fi"));
    EXPECT_TRUE(match.extras[m_virtanen].leftHanded);
    EXPECT_EQ(match.extras[m_virtanen].memberNumber, QStringLiteral("1001"));
}

TEST(ImportRoundTripTest, TheExportedListReadBackGivesTheSameCompetitors)
{
    // As the competitor export writes it: one row per discipline, one empty for none.
    const QByteArray exported
        = "name;club;nationality;member number;e-mail;shares gun with;left-handed;discipline;"
          "class;gun;model;caliber\n"
          "Ahola Aino;HAUR;FIN;77;aino@x.fi;78;yes;BBPR;A;Ruger;Blackhawk;.357\n"
          "Ahola Aino;HAUR;FIN;77;aino@x.fi;78;yes;SBRL;Eiluok;Anschütz;1416;\n"
          "Berg Britt;;SWE;;;;;;;;;\n"
          "Carlsson Carl;SA;SWE;79;;77, 78;;FPPAS;Int;;;\n";
    Kilpailu match;
    const ImportPlan p = plan(exported, match);
    ASSERT_EQ(p.added(), 3);
    applyImport(p, match);
    const TKilpailija &aino = match.kilpailijat[1];
    EXPECT_EQ(aino.Numero, 1);
    EXPECT_EQ(aino.Nimi.text(), QStringLiteral("Ahola Aino"));
    EXPECT_EQ(aino.Maa.text(), QStringLiteral("FIN"));
    EXPECT_TRUE(aino.Osallistuu[BBPR] && aino.Osallistuu[SBRL]);
    EXPECT_EQ(aino.Luokka[SBRL].text(), Luokat::Eiluok);
    EXPECT_EQ(aino.Ase[SBRL].text(), QStringLiteral("Anschütz"));
    EXPECT_EQ(aino.Kaliiperi[BBPR].text(), QStringLiteral(".357"));
    EXPECT_EQ(match.extras[1],
        (CompetitorExtras{
            QStringLiteral("77"), QStringLiteral("aino@x.fi"), QStringLiteral("78"), true}));
    const TKilpailija &britt = match.kilpailijat[2];
    EXPECT_TRUE(britt.Seura.isEmpty());
    EXPECT_EQ(std::count(britt.Osallistuu.begin(), britt.Osallistuu.end(), true), 0);
    EXPECT_TRUE(match.extras[2].isEmpty());
    EXPECT_EQ(match.extras[3].sharesGunWith, QStringLiteral("77, 78"));
    EXPECT_TRUE(match.kilpailijat[3].Osallistuu[FPPAS]);
    EXPECT_EQ(match.ViimeNumero, 3);
}

TEST(ImportSessionTest, TheImportIsOneEditOfItsFileAndOneUndoStep)
{
    Kilpailu match;
    MatchSession session(match);
    const ImportPlan p = plan("name;club;BBPR\nAhola Aino;HAUR;A\nBerg Britt;SA;x\n", match);
    const QList<FieldEdit> changes = session.edit([&p](Kilpailu &k) { applyImport(p, k); },
        EditOrigin::importOf(QStringLiteral("entries.csv")));
    ASSERT_FALSE(changes.isEmpty());
    for (const FieldEdit &change : changes)
        EXPECT_EQ(change.source, QStringLiteral("import:entries.csv"));
    EXPECT_EQ(session.match().kilpailijat[2].Nimi.text(), QStringLiteral("Berg Britt"));
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.match().kilpailijat.highestOccupied(), 0);
    EXPECT_EQ(session.match().ViimeNumero, 0);
    EXPECT_FALSE(session.undo());
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(session.match().kilpailijat.highestOccupied(), 2);
}

} // namespace

// The export itself, read back by the import into an empty match, as CSV and as a workbook: the
// same competitors, field for field, extras included.
TEST(ImportRoundTripTest, WhatTheExportWritesTheImportReadsBackTheSame)
{
    const QByteArray list
        = "name;club;nationality;member number;e-mail;shares gun with;left-handed;discipline;"
          "class;gun;model;caliber\n"
          "Ahola Aino;HAUR;FIN;77;aino@x.fi;78;yes;BBPR;A;Ruger;Blackhawk;.357\n"
          "Ahola Aino;HAUR;FIN;77;aino@x.fi;78;yes;SBRL;Eiluok;Anschütz;1416;\n"
          "Berg Britt;;SWE;;;;;;;;;\n"
          "Carlsson Carl;SA;SWE;79;;77, 78;;FPPAS;Int;;;\n";
    Kilpailu original;
    applyImport(plan(list, original), original);
    ASSERT_EQ(original.kilpailijat.highestOccupied(), 3);

    Kilpailu fromCsv;
    applyImport(plan(competitorListCsv(original), fromCsv), fromCsv);
    EXPECT_TRUE(matchDifferences(original, fromCsv).isEmpty());

    QString error;
    const std::optional<QByteArray> workbook = competitorListXlsx(original, error);
    ASSERT_TRUE(workbook) << error.toStdString();
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("competitors.xlsx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(*workbook) == workbook->size());
    file.close();
    const std::optional<ImportTable> table = readXlsx(file.fileName(), {}, error);
    ASSERT_TRUE(table) << error.toStdString();
    Kilpailu fromXlsx;
    applyImport(planImport(*table, recogniseHeadings(table->headings), fromXlsx), fromXlsx);
    EXPECT_TRUE(matchDifferences(original, fromXlsx).isEmpty());
}
