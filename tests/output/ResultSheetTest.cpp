// The competitor's result sheet: what it reads from the ranking tables, its file name, its
// language, and the golden text of one sheet of the demonstration match.
#include "output/ResultSheet.h"

#include "files/MatchFiles.h"
#include "model/Language.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

struct RankedMatch
{
    MatchBuilder builder;
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();

    void rank() { refreshResults(builder.match(), *tulokset, TabLines::Skip); }
    CompetitorSheet sheet(int slot) { return competitorSheet(builder.match(), *tulokset, slot); }
};

std::unique_ptr<Kilpailu> demoMatch()
{
    QString error;
    const Kilpailu empty;
    LoadedMatch loaded
        = loadMatchFileSet(examplesFolder() + QStringLiteral("/demo.mrv"), false, empty, error);
    EXPECT_TRUE(loaded.kilpailu) << qPrintable(error);
    return std::move(loaded.kilpailu);
}

int slotOfNumber(const Kilpailu &k, int numero)
{
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        if (k.kilpailijat[slot].Numero == numero && !k.kilpailijat[slot].Nimi.isEmpty())
            return slot;
    return 0;
}

QString pdfText(const QByteArray &pdf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size())
        return {};
    out.close();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList documentTexts(const ReportDocument &document)
{
    QStringList texts;
    for (const ReportPage &page : document.pages)
        for (const ReportText &t : page.texts)
            texts << t.text;
    return texts;
}

} // namespace

// Places as the list gives them: the first three overall without a class place, a tie below them
// sharing its place in the discipline and in the class, a class of one.
TEST(ResultSheetTest, PlacesAndCountsComeFromTheRankedList)
{
    RankedMatch m;
    MatchBuilder &b = m.builder;
    const int first = b.competitor(QStringLiteral("First"));
    const int second = b.competitor(QStringLiteral("Second"));
    const int third = b.competitor(QStringLiteral("Third"));
    const int tiedA = b.competitor(QStringLiteral("Tied A"));
    const int tiedB = b.competitor(QStringLiteral("Tied B"));
    const int last = b.competitor(QStringLiteral("Last"));
    b.enter(first, BBPR, QStringLiteral("Int"), {10, 10, 10, 10});
    b.enter(second, BBPR, QStringLiteral("A"), {10, 10, 10, 9});
    b.enter(third, BBPR, QStringLiteral("A"), {10, 10, 10, 8});
    b.enter(tiedA, BBPR, QStringLiteral("A"), {8, 8, 7, 6});
    b.enter(tiedB, BBPR, QStringLiteral("A"), {8, 8, 7, 6});
    b.enter(last, BBPR, QStringLiteral("B"), {5, 4, 3, 2});
    b.finals(first, BBPR, {"5"});
    m.rank();

    struct Expected
    {
        int slot;
        int place;
        std::optional<int> classPlace;
        int classCompetitors;
    };
    for (const Expected &e : {Expected{first, 1, std::nullopt, 0}, Expected{second, 2, {}, 2},
             Expected{tiedA, 4, 1, 2}, Expected{tiedB, 4, 1, 2}, Expected{last, 6, 1, 1}}) {
        const CompetitorSheet sheet = m.sheet(e.slot);
        ASSERT_EQ(sheet.disciplines.size(), 1) << e.slot;
        const SheetDiscipline &s = sheet.disciplines.first();
        EXPECT_EQ(s.d, BBPR);
        EXPECT_EQ(s.competitors, 6);
        EXPECT_EQ(s.place, e.place) << e.slot;
        EXPECT_EQ(s.classPlace, e.classPlace) << e.slot;
        if (e.classPlace) {
            EXPECT_EQ(s.classCompetitors, e.classCompetitors) << e.slot;
        }
    }
    const SheetDiscipline winner = m.sheet(first).disciplines.first();
    EXPECT_EQ(winner.yhteensa, 40);
    EXPECT_EQ(winner.shootOff, QStringList{QStringLiteral("5")});
    EXPECT_TRUE(m.sheet(first).aggregates.isEmpty());
}

TEST(ResultSheetTest, AggregateAndTeamAreTheCompetitorsOwn)
{
    RankedMatch m;
    MatchBuilder &b = m.builder;
    m.builder.match().tiedot.Laukaukset.fill(40);
    QList<int> members;
    for (const char *name : {"Aa", "Bb", "Cc", "Dd"}) {
        const int slot = b.competitor(QString::fromLatin1(name));
        for (Laji d : {FPP, FPPAS})
            b.enter(slot, d, QStringLiteral("A"), {5, 5, 5, 5 - static_cast<int>(members.size())});
        members << slot;
    }
    b.team(QStringLiteral("Lions FP"), QStringLiteral("FP"), QStringLiteral("Aa"),
        QStringLiteral("Bb"), QStringLiteral("Cc"));
    m.rank();

    const CompetitorSheet best = m.sheet(members[0]);
    ASSERT_EQ(best.aggregates.size(), 1);
    EXPECT_EQ(best.aggregates.first().aggregate, Aggregate::FP);
    EXPECT_EQ(best.aggregates.first().place, 1);
    EXPECT_EQ(best.aggregates.first().competitors, 4);
    EXPECT_EQ(best.aggregates.first().total, 2 * 20);
    ASSERT_EQ(best.teams.size(), 1);
    EXPECT_EQ(best.teams.first().name, QStringLiteral("Lions"));
    EXPECT_EQ(best.teams.first().standing, 1);
    EXPECT_EQ(best.teams.first().sum, 2 * (20 + 19 + 18));
    EXPECT_EQ(m.sheet(members[3]).aggregates.first().place, 4);
    EXPECT_TRUE(m.sheet(members[3]).teams.isEmpty());
}

TEST(ResultSheetTest, FileNameStaysInItsFolder)
{
    const struct
    {
        const char *name;
        const char *file;
    } cases[] = {
        {"Virtanen Matti", "7-Virtanen Matti.pdf"},
        {"../../etc/passwd", "7-._._etc_passwd.pdf"},
        {"..", "7.pdf"},
        {"a/b\\c:d*e?f\"g<h>i|j", "7-a_b_c_d_e_f_g_h_i_j.pdf"},
        {"Tab\tNew\nline\x7f", "7-Tab_New_line_.pdf"},
        {"Name. ", "7-Name.pdf"},
        {"", "7.pdf"},
        {"Ärväs Åke", "7-Ärväs Åke.pdf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sheetFileName(7, QString::fromUtf8(c.name)), QString::fromUtf8(c.file)) << c.name;
    const QString longName = sheetFileName(7, QString(500, QLatin1Char('x')));
    EXPECT_LE(longName.size(), 100);
    EXPECT_FALSE(longName.contains(QLatin1Char('/')));
}

TEST(ResultSheetTest, SlotsComeInNumberOrder)
{
    MatchBuilder b;
    const int a = b.competitor(QStringLiteral("A"));
    const int c = b.competitor(QStringLiteral("C"));
    b.at(a).Numero = 30;
    b.at(c).Numero = 4;
    EXPECT_EQ(competitorSlotsByNumber(b.match()), (QList<int>{c, a}));
}

// The competitor's language reaches the texts of the sheet; another sheet of the same run keeps
// the program's.
TEST(ResultSheetTest, EachSheetInItsCompetitorsLanguage)
{
    const std::unique_ptr<Kilpailu> demo = demoMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*demo, *tulokset, TabLines::Skip);
    const int one = slotOfNumber(*demo, 1);
    const int two = slotOfNumber(*demo, 2);
    const QString title = QString::fromUtf8(discipline(BBPR).title);
    const QString finnish
        = translateInto(QStringLiteral("fi"), "Disciplines", discipline(BBPR).title);
    ASSERT_NE(finnish, title) << "the Finnish translation is missing";

    ResultSheets sheets(*demo, *tulokset, {one}, {{one, QStringLiteral("fi")}});
    QtTextMeasurer measurer;
    const QStringList finnishTexts
        = documentTexts(generateReport(PageGeometry::a4(), measurer, sheets.callbacks()));
    EXPECT_TRUE(finnishTexts.contains(finnish));
    EXPECT_FALSE(finnishTexts.contains(title));

    ResultSheets english(*demo, *tulokset, {two}, {{one, QStringLiteral("fi")}});
    EXPECT_TRUE(documentTexts(generateReport(PageGeometry::a4(), measurer, english.callbacks()))
                    .contains(title));
}

// Set MARVOLA_UPDATE_GOLDEN=1 to write the golden text anew after a deliberate change; look at
// the page as a picture then (pdftoppm -png).
TEST(ResultSheetTest, DemoSheetMatchesItsGoldenText)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::unique_ptr<Kilpailu> demo = demoMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*demo, *tulokset, TabLines::Skip);
    SheetPdfMaker maker(*demo, *tulokset, {}, SheetOptions{ResultStatus::Provisional});
    QString error;
    const std::optional<QByteArray> pdf = maker.make(slotOfNumber(*demo, 1), error);
    ASSERT_TRUE(pdf) << qPrintable(error);
    const QString text = pdfText(*pdf);

    const QString goldenFile = testDataFolder() + QStringLiteral("/sheet/demo-1.txt");
    if (qEnvironmentVariableIsSet("MARVOLA_UPDATE_GOLDEN")) {
        QDir().mkpath(testDataFolder() + QStringLiteral("/sheet"));
        QFile out(goldenFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
    }
    QFile golden(goldenFile);
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << qPrintable(goldenFile);
    EXPECT_EQ(text, QString::fromUtf8(golden.readAll()));
}
