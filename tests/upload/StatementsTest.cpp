// The rows the upload sends and the text of their statements, without a server.
#include "upload/Statements.h"

#include "SampleRow.h"
#include "ranking/Ranking.h"
#include "support/QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>
#include <memory>

using namespace marvola;
using marvola::test::sampleRivi;

namespace {

// A match whose ranking tables the tests fill by hand, as a refresh would have left them.
struct Match
{
    std::unique_ptr<Kilpailu> kilpailu = std::make_unique<Kilpailu>();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();

    TTulosRivi &put(int d, int row, const QString &nimi, const QString &luokka, int sijoitus = 0)
    {
        TTulosRivi &r = tulokset->laji(d)[row];
        r.Nimi = nimi;
        r.Luokka = luokka;
        r.Sijoitus = sijoitus;
        return r;
    }
    QList<KilpailutRivi> send(const ChosenGroups &groups) const
    {
        return rowsToSend(*kilpailu, *tulokset, groups);
    }
};

ChosenGroups ticked(std::initializer_list<Group> groups)
{
    ChosenGroups r{};
    for (Group g : groups)
        r[ix(g)] = true;
    return r;
}

QStringList lajit(const QList<KilpailutRivi> &rivit)
{
    QStringList out;
    for (const KilpailutRivi &r : rivit)
        out << r.Laji;
    return out;
}

// "Luokka|Nimi" of each row sent.
QStringList sections(const QList<KilpailutRivi> &rivit)
{
    QStringList out;
    for (const KilpailutRivi &r : rivit)
        out << r.Luokka + QLatin1Char('|') + r.Nimi;
    return out;
}

} // namespace

TEST(Statement, HasFiftyLinesWithTheColumnListValuesAndCommas)
{
    const QStringList lines = statementText(sampleRivi()).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 50);
    EXPECT_EQ(lines[0],
        QStringLiteral("Insert into Kilpailut(Alkupvm,Loppupvm,Paikka,JSeura,Level,Shots,Laji,"
                       "Luokka,Positio,Nimi,Seura,Kansallisuus,Kana,Sika,Kalkkuna,Pässi,Yhteensä,"
                       "f1,f2,f3,f4,f5,Kaliiperi,Malli)"));
    EXPECT_EQ(lines[1], QStringLiteral("values("));
    const QStringList values{"'2026-12-09'", "'2026-12-10'", "'Hämeenlinna'", "'HAUR'", "'SM'",
        "40", "'SBPC'", "' '", "1", "'O''Neill Pärttyli'", "'PSA'", "'FIN'", "10", "9", "8", "7",
        "34", "'10'", "'9'", "''", "''", "''", "'.22'", "'Ruger'"};
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(lines[2 + 2 * i], values[i]) << "value " << i + 1;
        if (i < values.size() - 1) {
            EXPECT_EQ(lines[3 + 2 * i], QStringLiteral(",")) << "after value " << i + 1;
        }
    }
    EXPECT_EQ(lines[49], QStringLiteral(");"));
}

TEST(Statement, PreparedFormDiffersOnlyInItsPlaceholders)
{
    const QStringList text = statementText(sampleRivi()).split(QLatin1Char('\n'));
    const QStringList prepared = preparedStatement().split(QLatin1Char('\n'));
    ASSERT_EQ(prepared.size(), text.size());
    int placeholders = 0;
    for (int i = 0; i < text.size(); ++i) {
        const bool valueLine = i >= 2 && i <= 48 && i % 2 == 0;
        if (valueLine) {
            EXPECT_EQ(prepared[i], QStringLiteral("?")) << "line " << i + 1;
            ++placeholders;
        } else {
            EXPECT_EQ(prepared[i], text[i]) << "line " << i + 1;
        }
    }
    EXPECT_EQ(placeholders, KilpailutColumnCount);
}

TEST(Statement, ValuesAreTwentyFourInColumnOrderWithEmptyTextsNotNull)
{
    const QVariantList values = sampleRivi().values();
    ASSERT_EQ(values.size(), KilpailutColumnCount);
    ASSERT_EQ(kilpailutColumns().size(), KilpailutColumnCount);
    EXPECT_EQ(values[kilpailutColumns().indexOf(QStringLiteral("Nimi"))].toString(),
        QStringLiteral("O'Neill Pärttyli"));
    EXPECT_EQ(values[kilpailutColumns().indexOf(QStringLiteral("Pässi"))].toInt(), 7);
    const QVariant f3 = values[kilpailutColumns().indexOf(QStringLiteral("f3"))];
    EXPECT_EQ(f3.typeId(), QMetaType::QString);
    EXPECT_FALSE(f3.toString().isNull()) << "an empty entry must be sent as '' and not as NULL";
}

TEST(Sending, FollowsTheGroupAndDisciplineOrderOfTheTickedGroups)
{
    Match match;
    for (int d = 0; d < LajiCount; ++d)
        match.put(d, 1, disciplineCode(d), Luokat::A);
    const QStringList pistols{"BBPP", "BBPR", "BBPS", "BBPU", "BBPC"};
    const QStringList small{"SBPP", "SBPR", "SBPS", "SBPU", "SBPC"};
    const struct
    {
        ChosenGroups groups;
        QStringList expected;
    } cases[] = {
        {ticked({Group::BBP, Group::SBP, Group::FP, Group::SBR, Group::BBR}),
            QStringList{"FPP", "FPPAS"} + pistols + small
                + QStringList{"SBRL", "SBRS", "BBRS", "BBRH"}},
        {ticked({Group::SBR}), {"SBRL", "SBRS"}},
        {ticked({Group::BBR, Group::BBP}), pistols + QStringList{"BBRS", "BBRH"}},
        {ticked({Group::SBP}), small},
        {ticked({}), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lajit(match.send(c.groups)), c.expected);
}

TEST(Sending, SkipsADisciplineWithoutAFirstCompetitor)
{
    Match match;
    // A name further down without one in row 1 is not a ranked table; it sends nothing.
    match.put(FPPAS, 5, QStringLiteral("Virtanen Ville"), Luokat::Int);
    match.put(FPP, 1, QStringLiteral("Mäki Matti"), Luokat::A);
    EXPECT_EQ(lajit(match.send(ticked({Group::FP}))), QStringList{"FPP"});
    EXPECT_TRUE(match.send(ticked({Group::BBP, Group::SBR})).isEmpty());
}

TEST(Sending, SendsTheFirstThreeWithABlankClassThenEachSection)
{
    // Row 500 is the last ranked row; 501 is the sort's buffer.
    const struct
    {
        Laji d;
        QStringList expected;
    } cases[] = {
        {SBRS,
            {" |Yksi", " |Kaksi", " |Kolme", "Master|Viisi", "Master|Seitsemän", "Int|Neljä",
                "Int|Kymmenen", "A|Kuusi", "B|Kahdeksan", "B|Viimeinen"}},
        {BBPS,
            {" |Yksi", " |Kaksi", " |Kolme", "Int|Neljä", "Int|Kymmenen", "A|Kuusi", "B|Kahdeksan",
                "B|Viimeinen"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(disciplineCode(c.d).toStdString());
        Match match;
        match.put(c.d, 1, QStringLiteral("Yksi"), Luokat::Int, 1);
        match.put(c.d, 2, QStringLiteral("Kaksi"), Luokat::Master, 2);
        match.put(c.d, 3, QStringLiteral("Kolme"), Luokat::Eiluok, 3);
        match.put(c.d, 4, QStringLiteral("Neljä"), Luokat::Int, 1);
        match.put(c.d, 5, QStringLiteral("Viisi"), Luokat::Master, 1);
        match.put(c.d, 6, QStringLiteral("Kuusi"), Luokat::A, 1);
        match.put(c.d, 7, QStringLiteral("Seitsemän"), Luokat::Master, 2);
        match.put(c.d, 8, QStringLiteral("Kahdeksan"), Luokat::B, 1);
        match.put(c.d, 9, QStringLiteral("Yhdeksän"), Luokat::Eiluok);
        match.put(c.d, 10, QStringLiteral("Kymmenen"), Luokat::Int, 2);
        match.put(c.d, 11, QStringLiteral("Yksitoista"), QStringLiteral("int"));
        match.put(c.d, TulosTaulukko::LastRankedRow, QStringLiteral("Viimeinen"), Luokat::B, 2);
        const QList<KilpailutRivi> rivit = disciplineRows(*match.kilpailu, *match.tulokset, c.d);
        EXPECT_EQ(sections(rivit), c.expected);
    }
}

TEST(Sending, TwoCompetitorsSendTwoRowsWithABlankClass)
{
    Match match;
    match.put(BBPC, 1, QStringLiteral("Aho Antti"), Luokat::B, 1);
    match.put(BBPC, 2, QStringLiteral("Berg Bo"), Luokat::A, 2);
    const QList<KilpailutRivi> rivit = match.send(ticked({Group::BBP}));
    ASSERT_EQ(rivit.size(), 2);
    EXPECT_EQ(sections(rivit), (QStringList{" |Aho Antti", " |Berg Bo"}));
    EXPECT_EQ(rivit[0].Positio, 1);
    EXPECT_EQ(rivit[1].Positio, 2);
}

TEST(Sending, CarriesTheMatchDetailsAndTheRowsFigures)
{
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    Match match;
    TKilpailunTiedot &tiedot = match.kilpailu->tiedot;
    tiedot.Alkupvm = QDate(2026, 12, 9);
    tiedot.LoppuPvm = QDate(2027, 1, 2);
    tiedot.Paikka = QStringLiteral("Hämeenlinna");
    tiedot.Seura = QStringLiteral("HAUR");
    tiedot.Taso = QStringLiteral("PM");
    tiedot.Laukaukset[ix(Group::BBP)] = 60;
    tiedot.Laukaukset[ix(Group::SBP)] = 80;
    tiedot.Laukaukset[ix(Group::FP)] = 40;
    tiedot.Laukaukset[ix(Group::SBR)] = 0;
    tiedot.Laukaukset[ix(Group::BBR)] = 80;
    for (int d = 0; d < LajiCount; ++d) {
        TTulosRivi &r = match.put(d, 1, QStringLiteral("Kivi Kalle"), Luokat::A, 1);
        r.Seura = QStringLiteral("KeSA");
        r.Kana = 9;
        r.Sika = 8;
        r.Kalkkuna = 7;
        r.Passi = 6;
        r.Yhteensa = 30;
        r.f = {Str2(QStringLiteral("3")), Str2(QStringLiteral("10")), Str2(), Str2(), Str2()};
        r.Ase = QStringLiteral("Anschütz");
        r.Malli = QStringLiteral("1710");
        r.Kaliiperi = QStringLiteral(".22 LR");
    }
    const QList<KilpailutRivi> rivit
        = match.send(ticked({Group::BBP, Group::SBP, Group::FP, Group::SBR, Group::BBR}));
    ASSERT_EQ(rivit.size(), LajiCount);
    const QMap<QString, int> shots{
        {"BBPR", 60}, {"BBPC", 60}, {"SBPU", 80}, {"FPPAS", 40}, {"SBRL", 0}, {"BBRH", 80}};
    for (const KilpailutRivi &r : rivit) {
        SCOPED_TRACE(r.Laji.toStdString());
        EXPECT_EQ(r.Alkupvm, QStringLiteral("2026-12-09"));
        EXPECT_EQ(r.Loppupvm, QStringLiteral("2027-01-02"));
        EXPECT_EQ(r.Paikka, QStringLiteral("Hämeenlinna"));
        EXPECT_EQ(r.JSeura, QStringLiteral("HAUR"));
        EXPECT_EQ(r.Level, QStringLiteral("PM"));
        if (shots.contains(r.Laji)) {
            EXPECT_EQ(r.Shots, shots[r.Laji]);
        }
        EXPECT_EQ(r.Positio, 1);
        EXPECT_EQ(r.Seura, QStringLiteral("KeSA"));
        EXPECT_EQ((std::array{r.Kana, r.Sika, r.Kalkkuna, r.Passi, r.Yhteensa}),
            (std::array{9, 8, 7, 6, 30}));
        EXPECT_EQ(r.f[0], QStringLiteral("3"));
        EXPECT_EQ(r.f[1], QStringLiteral("10"));
        EXPECT_TRUE(r.f[2].isEmpty());
        EXPECT_EQ(r.Kaliiperi, QStringLiteral(".22 LR"));
        // The database's Malli column carries the gun; the model is not sent.
        EXPECT_EQ(r.Malli, QStringLiteral("Anschütz"));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Nationality, IsTheFirstExactNameMatchInTheRegister)
{
    Kilpailijarekisteri rekisteri;
    const auto slot = [&](int n, const QString &nimi, const QString &maa) {
        rekisteri[n].Nimi = nimi;
        rekisteri[n].Maa = maa;
    };
    slot(1, QStringLiteral("virtanen Ville"), QStringLiteral("EST"));
    slot(2, QStringLiteral("Virtanen Ville "), QStringLiteral("SWE"));
    slot(4, QStringLiteral("Virtanen Ville"), QStringLiteral("FIN"));
    slot(7, QStringLiteral("Virtanen Ville"), QStringLiteral("NOR"));
    slot(9, QStringLiteral("Ärjä Åke"), QStringLiteral("ÅLA"));
    const struct
    {
        const char *nimi;
        const char *maa;
    } cases[] = {
        {"Virtanen Ville", "FIN"},
        {"virtanen Ville", "EST"},
        {"Virtanen Ville ", "SWE"},
        {"Ärjä Åke", "ÅLA"},
        {"Virtanen", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            nationalityOf(rekisteri, Str25(QString::fromUtf8(c.nimi))), QString::fromUtf8(c.maa))
            << c.nimi;
}

namespace {

// "Luokka|Positio|Nimi" of a result tab's competitor lines, the first three with a blank class.
QStringList tabSections(const ListLines &lines)
{
    QStringList out;
    QString section = QStringLiteral(" ");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].heading)
            section = lines[i].columns.value(0);
        else
            out << section + QLatin1Char('|') + lines[i].columns.value(1) + QLatin1Char('|')
                    + lines[i].columns.value(2);
    }
    return out;
}

QStringList sentSections(const QList<KilpailutRivi> &rivit)
{
    QStringList out;
    for (const KilpailutRivi &r : rivit)
        out << r.Luokka + QLatin1Char('|') + QString::number(r.Positio) + QLatin1Char('|') + r.Nimi;
    return out;
}

} // namespace

// After a refresh the rows sent are the tab's lines: the same competitors, positions and classes.
TEST(Sending, MatchesTheResultTabAfterARefresh)
{
    Match match;
    const struct
    {
        const char *nimi;
        const char *luokka;
        int yhteensa;
        int passi;
    } competitors[] = {
        {"Aalto Aki", "Int", 38, 9},
        {"Berg Bo", "A", 38, 9},
        {"Carlsson Cay", "Eiluok", 30, 5},
        {"Dahl Dan", "Master", 31, 8},
        {"Ek Eva", "B", 20, 4},
        {"Forsman Fia", "Eiluok", 12, 3},
        {"Grön Gus", "A", 25, 6},
        {"Hurme Heli", "A", 25, 6},
        {"Ilves Ilja", "Int", 35, 7},
        {"Jokela Jan", "Eiluok", 33, 7},
    };
    for (const auto &c : competitors) {
        const int slot = *match.kilpailu->addCompetitor(
            QString::fromUtf8(c.nimi), QStringLiteral("PSA"), QStringLiteral("FIN"));
        TKilpailija &k = match.kilpailu->kilpailijat[slot];
        for (Laji d : {BBPS, SBRS}) {
            k.Osallistuu[d] = true;
            k.Luokka[d] = QString::fromLatin1(c.luokka);
            k.Yhteensa[d] = c.yhteensa;
            k.Passi[d] = c.passi;
        }
    }
    refreshResults(*match.kilpailu, *match.tulokset);
    for (Laji d : {BBPS, SBRS}) {
        SCOPED_TRACE(disciplineCode(d).toStdString());
        QStringList expected = tabSections(match.tulokset->lajiLines[d]);
        // Rifles send the Master section before Int.
        std::stable_sort(expected.begin(), expected.end(), [&](const QString &a, const QString &b) {
            const auto order = [&](const QString &line) {
                const QString section = line.section(QLatin1Char('|'), 0, 0);
                return section == QStringLiteral(" ") ? -1 : sendingClassOrder(d).indexOf(section);
            };
            return order(a) < order(b);
        });
        // "Dahl Dan" has no section in a pistol discipline, and neither tab nor upload shows him.
        const QList<KilpailutRivi> rivit = disciplineRows(*match.kilpailu, *match.tulokset, d);
        EXPECT_EQ(sentSections(rivit), expected);
        EXPECT_GE(rivit.size(), 9);
    }
}
