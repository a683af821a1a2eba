// The printed lists laid out on a recording canvas: frame, rows, page breaks and edge cases.
#include "output/ResultReport.h"

#include "ReportRecording.h"
#include "ranking/Ranking.h"
#include "support/ParamName.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

constexpr double Tolerance = 1e-6;
constexpr double LineHeight = 1.0 / 6;

// y of line n on a list's first page and on a continuation page.
double firstPageY(int line)
{
    return 0.6 + (line - 2) * LineHeight;
}
double nextPageY(int line)
{
    return 0.4 + (line - 2) * LineHeight;
}

TTulosRivi tulosRivi(const QString &nimi, const QString &luokka, int total, int sijoitus = 1)
{
    TTulosRivi r;
    r.Sijoitus = sijoitus;
    r.Nimi.setText(nimi);
    r.Seura.setText(QStringLiteral("HAS"));
    r.Luokka.setText(luokka);
    r.Kana = r.Sika = r.Kalkkuna = total / 4;
    r.Passi = total - 3 * (total / 4);
    r.Yhteensa = total;
    return r;
}

// Three top rows, then `count` rows of each class given, named "<class> 001" and so on.
void fillDiscipline(TulosTaulukko &table, const QList<QPair<QString, int>> &classes)
{
    int row = 1;
    for (const char *top : {"Top 1", "Top 2", "Top 3"}) {
        table[row] = tulosRivi(QString::fromLatin1(top), Luokat::Int, 40, row);
        ++row;
    }
    for (const auto &[luokka, count] : classes)
        for (int i = 1; i <= count; ++i)
            table[row++] = tulosRivi(
                QStringLiteral("%1 %2").arg(luokka).arg(i, 3, 10, QLatin1Char('0')), luokka, 20, i);
}

TAggrKilpailija aggrRivi(const QString &nimi, int total)
{
    TAggrKilpailija r;
    r.Sijoitus = 1;
    r.Nimi.setText(nimi);
    r.Seura = QStringLiteral("HAS");
    r.Yhteensa = total;
    return r;
}

TJoukkueTulos joukkue(const QString &storedName, int total)
{
    TJoukkueTulos t;
    t.Sijoitus = 99;
    t.Nimi.setText(storedName);
    for (int m = 0; m < 3; ++m) {
        t.Kilpailija[static_cast<size_t>(m)].setText(QStringLiteral("Member %1").arg(m + 1));
        t.Yhteensa[static_cast<size_t>(m)] = total / 3;
    }
    t.Yhteensa[3] = total;
    return t;
}

void fillTeams(JoukkueTaulukko &table, int count)
{
    for (int k = 1; k <= count; ++k)
        table[k] = joukkue(QStringLiteral("T%1 BBP").arg(k), 300 - k);
    numberTeams(table);
}

// The positions of a standings table, row by row.
std::vector<std::int32_t> positions(const JoukkueTaulukko &table)
{
    std::vector<std::int32_t> sijoitukset;
    for (int k = 1; k <= JoukkueTaulukko::RowCount; ++k)
        sijoitukset.push_back(table[k].Sijoitus);
    return sijoitukset;
}

class ReportTest : public ::testing::Test
{
protected:
    Recording record(std::initializer_list<const char *> lists,
        const PageGeometry &geometry = PageGeometry::a4())
    {
        return recordReport(tiedot, *tulokset, selectLists(lists), geometry);
    }

    TKilpailunTiedot tiedot;
    std::unique_ptr<Tulokset> tulokset = emptyTables();
};

// ---- frame and page header ----

struct FrameCase
{
    const char *list;
    const char *title;
    QStringList headings; // as printed, cut to their columns
};

class ListFrame : public ReportTest, public ::testing::WithParamInterface<FrameCase>
{
};

TEST_P(ListFrame, TitleThenHeadingsTwoLinesBelow)
{
    const FrameCase c = GetParam();
    const Recording r = record({c.list});
    ASSERT_EQ(r.pageCount(), 1) << "no page after the last list";
    const Printed title = r.only(QString::fromLatin1(c.title));
    EXPECT_EQ(title.page, 1);
    EXPECT_NEAR(title.text.x, 0.2, Tolerance);
    EXPECT_NEAR(title.text.y, 0.6, Tolerance);
    EXPECT_EQ(title.text.line, 2);
    EXPECT_EQ(r.line(1, 4), c.headings);
    for (const ReportText &t : r.page(1))
        if (t.line == 4) {
            EXPECT_NEAR(t.y, firstPageY(4), Tolerance);
        }
}

INSTANTIATE_TEST_SUITE_P(Lists, ListFrame,
    ::testing::Values(FrameCase{"BBPR", "Big Bore Pistol Revolver",
                          {"Pos.", "Name", "Club", "Chicke", "Pig", "Turk", "Ram", "Tota", "f1",
                              "f2", "f3", "f4", "f5", "Ase", "Malli", "Kaliiperi"}},
        FrameCase{"FP Aggr", "Field Pistol Aggregate",
            {"Pos.", "Name", "Club", "FPP", "FPPAS", "Tota", "Chic", "Pig", "Turk", "Pas"}},
        FrameCase{"SBP Aggr", "Small Bore Pistol Aggregate",
            {"Pos.", "Name", "Club", "P/C", "R", "S", "U", "Tota", "Chic", "Pig", "Turk", "Pas"}},
        FrameCase{"Standing Aggr", "Standing Aggregate",
            {"Pos.", "Name", "Club", "BBP", "SBP", "FPP", "FPPAS", "Tota", "Chic", "Pig", "Turk",
                "Ram"}},
        FrameCase{"BBR Aggr", "Big Bore Rifle Aggregate",
            {"Pos.", "Name", "Club", "BBRH", "BBRS", "Tota", "Chic", "Pig", "Turk", "Ram"}},
        FrameCase{"BBP Team", "Big Bore Pistol Teams",
            {"Po", "Team", "P/C", "R", "S", "U", "Tota", "Chic", "Pig", "Turk", "Ram"}},
        FrameCase{"SBR Team", "Small Bore Rifle Teams",
            {"Po", "Team", "SBRL", "SBRS", "Total", "Chick", "Pig", "Turke", "Ram"}}),
    marvola::testing::NamedBy<&FrameCase::list>());

TEST_F(ReportTest, PageHeaderOnEveryPageWithTimeWithoutLeadingZeros)
{
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    tiedot.Seura = QStringLiteral("Hämeen Ampujat");
    tiedot.Paikka = QStringLiteral("Hämeenlinna");
    tiedot.Alkupvm = QDate(2026, 6, 1);
    tiedot.LoppuPvm = QDate(2026, 6, 2);
    fillDiscipline(tulokset->laji(BBPR), {{Luokat::A, 100}});
    const Recording r = record({"BBPR"});
    QLocale::setDefault(QLocale::c());

    ASSERT_EQ(r.pageCount(), 2);
    for (int p = 1; p <= r.pageCount(); ++p) {
        const QList<ReportText> &texts = r.page(p);
        ASSERT_GE(texts.size(), 2);
        EXPECT_EQ(texts[0].text, QStringLiteral("Hämeen Ampujat Hämeenlinna 1.6.2026 - 2.6.2026"));
        EXPECT_NEAR(texts[0].x, 0.2, Tolerance);
        EXPECT_NEAR(texts[0].y, 0.4, Tolerance);
        EXPECT_EQ(texts[0].line, 2);
        EXPECT_EQ(texts[1].text, QStringLiteral("9.12.2026 8:5:3"));
        EXPECT_NEAR(texts[1].x, 6.9, Tolerance);
        EXPECT_NEAR(texts[1].y, 0.4, Tolerance);
        EXPECT_FALSE(texts[0].font.bold);
        EXPECT_EQ(texts[0].font, (ReportFont{QStringLiteral("Arial"), 10, false}));
    }
}

TEST_F(ReportTest, NothingCheckedGivesOnePageWithOnlyTheHeader)
{
    fillDiscipline(tulokset->laji(BBPR), {{Luokat::A, 3}});
    const Recording r = recordReport(tiedot, *tulokset, PrintSelection{});
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.page(1).size(), 2);
}

TEST_F(ReportTest, ListsPrintInTheFixedOrderEachOnItsOwnPage)
{
    fillDiscipline(tulokset->laji(BBPC), {});
    fillDiscipline(tulokset->laji(FPP), {});
    fillTeams(tulokset->standings(TeamGroup::BBP), 1);
    const Recording r = record({"BBP Team", "BBPC", "FPP"});
    ASSERT_EQ(r.pageCount(), 3) << "no sheet with only the page header at the end";
    EXPECT_EQ(r.only(QStringLiteral("Field Pistol Production")).page, 1);
    EXPECT_EQ(r.only(QStringLiteral("Big Bore Pistol Conventional")).page, 2);
    EXPECT_EQ(r.only(QStringLiteral("Big Bore Pistol Teams")).page, 3);
    EXPECT_EQ(r.only(QStringLiteral("T1")).page, 3) << "the last page holds the last list's rows";
}

// ---- discipline lists ----

TEST_F(ReportTest, DisciplineRowValuesInTheirColumnsWithTheTotalInBold)
{
    TTulosRivi row = tulosRivi(QStringLiteral("Virtanen Ville"), Luokat::A, 37, 1);
    row.Kana = 10, row.Sika = 9, row.Kalkkuna = 8, row.Passi = 10;
    row.f[0].setText(QStringLiteral("10"));
    row.f[4].setText(QStringLiteral("3"));
    row.Ase.setText(QStringLiteral("S&W"));
    row.Malli.setText(QStringLiteral("686"));
    row.Kaliiperi.setText(QStringLiteral(".357"));
    tulokset->laji(BBPR)[1] = row;
    const Recording r = record({"BBPR"});

    EXPECT_EQ(r.line(1, 5),
        (QStringList{"1", "Virtanen Ville", "HAS", "10", "9", "8", "10", "37", "10", "3", "S&W",
            "686", ".357"}));
    const Printed total = r.only(QStringLiteral("37"));
    EXPECT_TRUE(total.text.font.bold);
    for (const ReportText &t : r.page(1))
        if (t.text != QLatin1String("37")) {
            EXPECT_FALSE(t.font.bold) << t.text.toStdString();
        }
    EXPECT_NEAR(r.only(QStringLiteral("Virtanen Ville")).text.x, 1.0, Tolerance);
    EXPECT_NEAR(r.only(QStringLiteral("3")).text.y, firstPageY(5), Tolerance);
}

TEST_F(ReportTest, OneCompetitorPrintsOnceThenEmptyClassHeadings)
{
    tulokset->laji(BBPR)[1] = tulosRivi(QStringLiteral("Only One"), Luokat::A, 30);
    tulokset->laji(SBRS)[1] = tulosRivi(QStringLiteral("Only One"), Luokat::Master, 30);
    const Recording r = record({"BBPR", "SBRS"});

    EXPECT_EQ(r.line(1, 5).at(1), QStringLiteral("Only One"));
    EXPECT_EQ(r.line(1, 6), QStringList{"Int"});
    EXPECT_EQ(r.line(1, 7), QStringList{"A"});
    EXPECT_EQ(r.line(1, 8), QStringList{"B"});
    EXPECT_EQ(r.line(1, 9), QStringList{});
    // The rifle lists' wider first column holds "Master" uncut.
    EXPECT_EQ(r.line(2, 6), QStringList{"Int"});
    EXPECT_EQ(r.line(2, 7), QStringList{"Master"});
    EXPECT_EQ(r.line(2, 8), QStringList{"A"});
    EXPECT_EQ(r.line(2, 9), QStringList{"B"});
    EXPECT_EQ(r.find(QStringLiteral("Only One")).size(), 2);
}

TEST_F(ReportTest, TopThreeOnlyOnceAndRowsOfOtherClassesLeftOut)
{
    TulosTaulukko &table = tulokset->laji(BBPS);
    table[1] = tulosRivi(QStringLiteral("First A"), Luokat::A, 40);
    table[2] = tulosRivi(QStringLiteral("Second B"), Luokat::B, 39);
    table[3] = tulosRivi(QStringLiteral("Third Int"), Luokat::Int, 38);
    table[4] = tulosRivi(QStringLiteral("Fourth A"), Luokat::A, 37);
    table[5] = tulosRivi(QStringLiteral("Unclassed"), Luokat::Eiluok, 41);
    table[6] = tulosRivi(QStringLiteral("Rifle class"), Luokat::Master, 30);
    table[7] = tulosRivi(QStringLiteral("Lower case"), QStringLiteral("a"), 30);
    table[8] = tulosRivi(QStringLiteral("Fifth B"), Luokat::B, 20);
    const Recording r = record({"BBPS"});

    for (const char *name : {"First A", "Second B", "Third Int", "Fourth A", "Fifth B"})
        EXPECT_EQ(r.find(QString::fromLatin1(name)).size(), 1) << name;
    for (const char *name : {"Unclassed", "Rifle class", "Lower case"})
        EXPECT_TRUE(r.find(QString::fromLatin1(name)).isEmpty()) << name;
    EXPECT_EQ(r.line(1, 8), QStringList{"Int"});
    EXPECT_EQ(r.line(1, 9), QStringList{"A"});
    EXPECT_EQ(r.line(1, 10).at(1), QStringLiteral("Fourth A"));
    EXPECT_EQ(r.line(1, 11), QStringList{"B"});
    EXPECT_EQ(r.line(1, 12).at(1), QStringLiteral("Fifth B"));
}

TEST_F(ReportTest, LongListBreaksAfterLine66AndGoesOnUnderThePageHeader)
{
    fillDiscipline(tulokset->laji(BBPR), {{Luokat::A, 120}});
    const Recording r = record({"BBPR"});

    // "A" heading on line 9, its rows from line 10: the 57th row is the last of page 1.
    const Printed last = r.only(QStringLiteral("A 057"));
    EXPECT_EQ(last.page, 1);
    EXPECT_EQ(last.text.line, 66);
    EXPECT_NEAR(last.text.y, firstPageY(66), Tolerance);
    const Printed next = r.only(QStringLiteral("A 058"));
    EXPECT_EQ(next.page, 2);
    EXPECT_EQ(next.text.line, 3);
    EXPECT_NEAR(next.text.y, nextPageY(3), Tolerance);
    // No column headings on the continuation page; the columns stay.
    EXPECT_EQ(r.find(QStringLiteral("Pos.")).size(), 1);
    EXPECT_NEAR(next.text.x, 1.0, Tolerance);
    // Page 2 holds rows on lines 3 to 66: 64 rows.
    EXPECT_EQ(r.only(QStringLiteral("A 120")).text.line, 3 + 120 - 58);
}

struct HeadingCase
{
    Laji d;
    int aRows;
    int headingPage;
    int headingLine;
    int firstRowPage;
    int firstRowLine;
};

class ClassHeadingAtFoot : public ReportTest, public ::testing::WithParamInterface<HeadingCase>
{
};

// A heading on line 66 or 67 stays at the page's foot and its first row begins the next page,
// except "A" and "B" of the FPP list, which move to the next page, under its header.
TEST_P(ClassHeadingAtFoot, StaysOrMovesByList)
{
    const HeadingCase c = GetParam();
    fillDiscipline(tulokset->laji(c.d), {{Luokat::A, c.aRows}, {Luokat::B, 2}});
    const Recording r = record({c.d == FPP ? "FPP" : "BBPR"});

    const Printed heading = r.only(QStringLiteral("B"));
    EXPECT_EQ(heading.page, c.headingPage);
    EXPECT_EQ(heading.text.line, c.headingLine);
    EXPECT_NEAR(heading.text.y,
        c.headingPage == 1 ? firstPageY(c.headingLine) : nextPageY(c.headingLine), Tolerance);
    const Printed firstB = r.only(QStringLiteral("B 001"));
    EXPECT_EQ(firstB.page, c.firstRowPage);
    EXPECT_EQ(firstB.text.line, c.firstRowLine);
    // Nothing but the page header's own texts on the header line.
    for (int p = 1; p <= r.pageCount(); ++p)
        EXPECT_EQ(r.line(p, 2).size(), p == 1 ? 3 : 2) << "page " << p;
}

INSTANTIATE_TEST_SUITE_P(Lists, ClassHeadingAtFoot,
    ::testing::Values(HeadingCase{BBPR, 55, 1, 65, 1, 66}, HeadingCase{BBPR, 56, 1, 66, 2, 3},
        HeadingCase{BBPR, 57, 1, 67, 2, 3}, HeadingCase{FPP, 55, 1, 65, 1, 66},
        HeadingCase{FPP, 56, 2, 3, 2, 4}, HeadingCase{FPP, 57, 2, 3, 2, 4}),
    [](const auto &info) {
        return marvola::disciplineCode(info.param.d).toStdString() + "_"
            + std::to_string(info.param.aRows) + "_A_rows";
    });

// ---- aggregate lists ----

TEST_F(ReportTest, AggregateWithoutNamedRowsPrintsTitleAndHeadingsOnly)
{
    const Recording r = record({"BBP Aggr"});
    ASSERT_EQ(r.pageCount(), 1);
    EXPECT_EQ(r.page(1).size(), 2 + 1 + 12); // header, title, 12 headings
}

TEST_F(ReportTest, AggregateSkipsNamelessRowsAndPrintsTheChosenPOrC)
{
    AggrTaulukko &table = tulokset->aggregate(Aggregate::BBP);
    table[1] = aggrRivi(QStringLiteral("Chose C"), 150);
    table[1].CAggr = true;
    table[1].Lajit[BBPC] = 37;
    table[1].Lajit[BBPP] = 11;
    table[1].Lajit[BBPR] = 38;
    table[1].Lajit[BBPS] = 36;
    table[1].Lajit[BBPU] = 39;
    table[1].Kana = 40, table[1].Sika = 39, table[1].Kalkkuna = 38, table[1].Passi = 33;
    table[1].Seura = QStringLiteral("A club name of any length");
    table[3] = aggrRivi(QStringLiteral("Chose P"), 0);
    table[3].PAggr = true;
    table[3].Lajit[BBPC] = 22;
    table[3].Lajit[BBPP] = 12;
    table[3].Sijoitus = 2;
    table[7] = aggrRivi(QStringLiteral("Below a gap"), 0);
    table[7].Sijoitus = 3;
    const Recording r = record({"BBP Aggr"});

    EXPECT_EQ(r.line(1, 5),
        (QStringList{
            "1", "Chose C", "A club ", "37", "38", "36", "39", "150", "40", "39", "38", "33"}));
    EXPECT_EQ(r.line(1, 6),
        (QStringList{"2", "Chose P", "HAS", "12", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(r.line(1, 7).at(1), QStringLiteral("Below a gap"));
    EXPECT_EQ(r.line(1, 8), QStringList{});
    EXPECT_TRUE(r.only(QStringLiteral("150")).text.font.bold);
}

TEST_F(ReportTest, AggregateBreaksPagesLikeTheDisciplineLists)
{
    AggrTaulukko &table = tulokset->aggregate(Aggregate::SBR);
    for (int i = 1; i <= 70; ++i)
        table[i] = aggrRivi(QStringLiteral("Rifle %1").arg(i), 80 - i);
    const Recording r = record({"SBR Aggr"});
    // Rows from line 5: row 62 is on line 66, row 63 begins page 2.
    EXPECT_EQ(r.only(QStringLiteral("Rifle 62")).text.line, 66);
    EXPECT_EQ(r.only(QStringLiteral("Rifle 63")).page, 2);
    EXPECT_EQ(r.only(QStringLiteral("Rifle 63")).text.line, 3);
}

// ---- team lists ----

TEST_F(ReportTest, TeamBlockMembersRuleSumsAndRunningNumber)
{
    JoukkueTaulukko &table = tulokset->standings(TeamGroup::BBP);
    const QStringList kept = teamFigureColumns(TeamGroup::BBP);
    TJoukkueTulos team = joukkue(QStringLiteral("HAS BBP"), 0);
    const std::array<std::array<int, 3>, 4> figures = {{{38, 36, 0}, // BBPR
        {37, 35, 0}, // BBPPC
        {30, 28, 0}, // BBPS
        {39, 33, 0}}}; // BBPU
    const QStringList order = {"BBPR", "BBPPC", "BBPS", "BBPU"};
    for (int f = 0; f < 4; ++f)
        team.Lajit[static_cast<size_t>(kept.indexOf(order[f]))] = figures[static_cast<size_t>(f)];
    team.Kilpailija[2].setText(QStringLiteral("Not Shooting"));
    team.Yhteensa = {144, 132, 0, 270}; // the team total is read, not added up
    team.Kana = {40, 38, 0, 0};
    team.Sika = {38, 34, 0, 0};
    team.Kalkkuna = {36, 32, 0, 0};
    team.Passi = {30, 28, 0, 0};
    table[1] = team;
    table[2] = joukkue(QStringLiteral("Second"), 100);
    numberTeams(table);
    const std::vector<std::int32_t> before = positions(table);
    const Recording r = record({"BBP Team"});

    // Figures in heading order: P/C, R, S, U.
    EXPECT_EQ(r.line(1, 5),
        (QStringList{
            "1", "HAS", "Member 1", "37", "38", "30", "39", "144", "40", "38", "36", "30"}));
    EXPECT_EQ(r.line(1, 6),
        (QStringList{"Member 2", "35", "36", "28", "33", "132", "38", "34", "32", "28"}));
    EXPECT_EQ(
        r.line(1, 7), (QStringList{"Not Shooting", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    const QString rule = QString(85, QLatin1Char(' ')) + QString(84, QLatin1Char('-'));
    EXPECT_EQ(r.line(1, 8), QStringList{rule});
    EXPECT_NEAR(r.only(rule).text.x, 0.0, Tolerance); // from the start of the line, never cut
    EXPECT_EQ(r.line(1, 9), (QStringList{"72", "74", "58", "72", "270", "78", "72", "68", "58"}));
    EXPECT_EQ(r.line(1, 10), QStringList{});
    EXPECT_EQ(r.line(1, 11).mid(0, 2), (QStringList{"2", "Second"}));

    const QList<Printed> one = r.find(QStringLiteral("1"));
    ASSERT_FALSE(one.isEmpty());
    EXPECT_TRUE(one.first().text.font.bold);
    EXPECT_TRUE(r.only(QStringLiteral("270")).text.font.bold);
    EXPECT_EQ(positions(table), before) << "printing only reads the standings";
}

TEST_F(ReportTest, TeamNameIsTheTypedPartAndTiesGetConsecutiveNumbers)
{
    JoukkueTaulukko &table = tulokset->standings(TeamGroup::FP);
    table[1] = joukkue(QStringLiteral("Kotka FP"), 100);
    table[2] = joukkue(QStringLiteral("Hämeenlin"), 100); // ten typed characters: no blank
    table[3] = joukkue(QStringLiteral("Tie FP"), 100);
    table[5] = joukkue(QStringLiteral("After gap"), 90); // rows after the first nameless one
    numberTeams(table);
    const Recording r = record({"FP Team"});

    EXPECT_EQ(r.line(1, 5).mid(0, 2), (QStringList{"1", "Kotka"}));
    EXPECT_EQ(r.line(1, 11).mid(0, 2), (QStringList{"2", "Hämeenlin"}));
    EXPECT_EQ(r.line(1, 17).mid(0, 2), (QStringList{"3", "Tie"}));
    EXPECT_TRUE(r.find(QStringLiteral("After")).isEmpty());
    EXPECT_EQ(table[5].Sijoitus, 99);
}

TEST_F(ReportTest, TeamColumnsOfTheTwoFigureLists)
{
    TJoukkueTulos team = joukkue(QStringLiteral("Rifles BBR"), 0);
    const QStringList kept = teamFigureColumns(TeamGroup::BBR);
    team.Lajit[static_cast<size_t>(kept.indexOf(QStringLiteral("BBRH")))] = {21, 5, 0};
    team.Lajit[static_cast<size_t>(kept.indexOf(QStringLiteral("BBRS")))] = {32, 4, 0};
    tulokset->standings(TeamGroup::BBR)[1] = team;
    const Recording r = record({"BBR Team"});

    QtTextMeasurer measurer;
    const auto centre
        = [&](const Printed &p) { return p.text.x + measurer.width(p.text.font, p.text.text) / 2; };
    EXPECT_EQ(r.line(1, 5).mid(2, 3), (QStringList{"Member 1", "21", "32"}));
    EXPECT_NEAR(centre(r.only(QStringLiteral("21"))), 3.5 + 0.4 / 2, Tolerance);
    EXPECT_NEAR(centre(r.only(QStringLiteral("32"))), 4.0 + 0.5 / 2, Tolerance);
    EXPECT_NEAR(centre(r.only(QStringLiteral("Ram"))), 6.5 + 0.4 / 2, Tolerance);
}

struct FootCase
{
    const char *paper;
    PageGeometry geometry;
    int team11Page;
    int team11Line;
    int team12Page;
};

class TeamBlockAtFoot : public ReportTest, public ::testing::WithParamInterface<FootCase>
{
};

// Team 11 of a list starts on line 65 and would run to line 69: on a sheet tall enough it stays
// and team 12 begins the next page; where line 69 would be lost below the page, the whole block
// moves to the next page.
TEST_P(TeamBlockAtFoot, BlockStaysWholeOnOnePage)
{
    const FootCase c = GetParam();
    fillTeams(tulokset->standings(TeamGroup::BBP), 12);
    const Recording r = record({"BBP Team"}, c.geometry);

    const Printed team10 = r.only(QStringLiteral("T10"));
    EXPECT_EQ(team10.page, 1);
    EXPECT_EQ(team10.text.line, 59);
    const Printed team11 = r.only(QStringLiteral("T11"));
    EXPECT_EQ(team11.page, c.team11Page) << c.paper;
    EXPECT_EQ(team11.text.line, c.team11Line) << c.paper;
    const Printed team12 = r.only(QStringLiteral("T12"));
    EXPECT_EQ(team12.page, c.team12Page) << c.paper;
    EXPECT_EQ(team12.text.line, c.team12Page == c.team11Page ? c.team11Line + 6 : 3) << c.paper;
}

INSTANTIATE_TEST_SUITE_P(Papers, TeamBlockAtFoot,
    ::testing::Values(FootCase{"A4", PageGeometry::a4(), 2, 3, 2},
        FootCase{"Letter", PageGeometry::letter(), 2, 3, 2},
        FootCase{"Legal", PageGeometry{QSizeF(8.5, 14), QRectF(0, 0, 8.5, 14)}, 1, 65, 2}),
    marvola::testing::NamedBy<&FootCase::paper>());

// ---- no line below the page ----

class NothingBelowThePage : public ReportTest, public ::testing::WithParamInterface<FootCase>
{
};

TEST_P(NothingBelowThePage, EveryTextInsideThePrintableArea)
{
    const FootCase c = GetParam();
    fillDiscipline(tulokset->laji(BBPU), {{Luokat::Int, 70}, {Luokat::A, 64}, {Luokat::B, 130}});
    fillDiscipline(tulokset->laji(FPP), {{Luokat::Int, 63}, {Luokat::A, 60}, {Luokat::B, 70}});
    for (int i = 1; i <= 200; ++i)
        tulokset->aggregate(Aggregate::FP)[i] = aggrRivi(QStringLiteral("R%1").arg(i), i);
    fillTeams(tulokset->standings(TeamGroup::BBP), 60);
    const Recording r = record({"FPP", "BBPU", "FP Aggr", "BBP Team"}, c.geometry);

    QtTextMeasurer measurer;
    int texts = 0;
    for (int p = 1; p <= r.pageCount(); ++p) {
        for (const ReportText &t : r.page(p)) {
            EXPECT_LE(t.y + measurer.descent(t.font), c.geometry.printable.bottom() + Tolerance)
                << c.paper << " page " << p << " line " << t.line << " " << t.text.toStdString();
            ++texts;
        }
    }
    EXPECT_GT(texts, 2000);
    EXPECT_EQ(r.find(QStringLiteral("T60")).size(), 1);
    EXPECT_EQ(r.find(QStringLiteral("R200")).size(), 1);
}

TEST_F(ReportTest, OnLetterDisciplineRowsBreakBeforeTheFoot)
{
    fillDiscipline(tulokset->laji(BBPR), {{Luokat::A, 120}});
    const Recording r = record({"BBPR"}, PageGeometry::letter());
    // Line 65 of a first page lies at 11.1 in, below an 11 in sheet: row 56 on line 65 moves.
    EXPECT_EQ(r.only(QStringLiteral("A 055")).text.line, 64);
    EXPECT_EQ(r.only(QStringLiteral("A 055")).page, 1);
    EXPECT_EQ(r.only(QStringLiteral("A 056")).page, 2);
    EXPECT_EQ(r.only(QStringLiteral("A 056")).text.line, 3);
}

INSTANTIATE_TEST_SUITE_P(Papers, NothingBelowThePage,
    ::testing::Values(FootCase{"A4", PageGeometry::a4(), 0, 0, 0},
        FootCase{"Letter", PageGeometry::letter(), 0, 0, 0},
        FootCase{"A4 with a printer's 0.25 in margins",
            PageGeometry{QSizeF(8.27, 11.69), QRectF(0.25, 0.25, 7.77, 11.19)}, 0, 0, 0}),
    marvola::testing::NamedBy<&FootCase::paper>());

// ---- --lists ----

TEST(PrintSelection, CaptionsSeparatedByCommasOrAll)
{
    QString error;
    const auto some = parsePrintSelection(QStringLiteral("BBPR,BBP Aggr, Standing Team"), error);
    ASSERT_TRUE(some);
    EXPECT_EQ(some->count(), 3u);
    for (size_t i = 0; i < PrintLists.size(); ++i) {
        const QString caption = QString::fromLatin1(PrintLists[i].caption);
        EXPECT_EQ(some->test(i),
            caption == QLatin1String("BBPR") || caption == QLatin1String("BBP Aggr")
                || caption == QLatin1String("Standing Team"));
    }
    EXPECT_EQ(parsePrintSelection(QStringLiteral("all"), error)->count(), 28u);
    EXPECT_FALSE(parsePrintSelection(QStringLiteral("BBPR,BBP Agg"), error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Unknown list \"BBP Agg\"")));
}

} // namespace
