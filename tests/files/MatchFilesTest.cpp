// Saving and loading the match file set: what survives, the layouts, and the edge cases.
#include "FileSetSupport.h"
#include "files/SafeFile.h"
#include "support/TestPaths.h"

#include <QRandomGenerator>

#include <functional>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QStringList SampleMatchLines = {
    QStringLiteral("Ähtärin Ampujat"),
    QStringLiteral("?ód?"),
    QStringLiteral("1.6.2026"),
    QStringLiteral("2.6.2026"),
    QStringLiteral("Aho Ari"),
    QStringLiteral("SM"),
    QStringLiteral("5"),
    QStringLiteral("TRUE"),
    QStringLiteral("FALSE"),
    QStringLiteral("TRUE"),
    QStringLiteral("FALSE"),
    QStringLiteral("TRUE"),
    QStringLiteral("60"),
    QStringLiteral("40"),
    QStringLiteral("0"),
    QStringLiteral("40"),
    QStringLiteral("80"),
};

class MatchFilesTest : public FileSetTest
{
};

} // namespace

TEST_F(MatchFilesTest, WritesTheFourFilesOfTheSet)
{
    const auto m = sampleMatch();
    ASSERT_TRUE(save(path("spring.mrv"), *m));

    EXPECT_EQ(filesInFolder(),
        (QStringList{"spring.dat", "spring.mrv", "springJoukkueet.dat", "springTulokset.dat"}));
    EXPECT_EQ(fileBytes(path("spring.dat")), crlfLines(SampleMatchLines));
    EXPECT_EQ(fileBytes(path("spring.mrv")),
        crlfLines({QStringLiteral("Club: Ähtärin Ampujat"), QStringLiteral("Place: ?ód?"),
            QStringLiteral("Date: 1.6.2026 - 2.6.2026"), QStringLiteral("Match Director: Aho Ari"),
            QStringLiteral("Kilpailut ovat ennätyskelpoiset ")}));
    // Slots 1 to 4, the highest occupied one, each as its record bytes; all 100 teams.
    QByteArray results;
    for (int slot = 1; slot <= 4; ++slot)
        results += m->kilpailijat[slot].toBytes();
    EXPECT_EQ(fileBytes(path("springTulokset.dat")), results);
    QByteArray teams;
    for (int slot = 1; slot <= MaxJoukkueet; ++slot)
        teams += m->joukkueet[slot].toBytes();
    EXPECT_EQ(fileBytes(path("springJoukkueet.dat")), teams);
}

TEST_F(MatchFilesTest, LoadThenSaveGivesTheSameBytes)
{
    const auto m = sampleMatch();
    ASSERT_TRUE(save(path("a.mrv"), *m));

    QString error;
    const LoadedMatch loaded = load(path("a.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    ASSERT_TRUE(saveMatchFileSet(path("b.mrv"), *loaded.kilpailu, loaded.summaryLines, error));

    EXPECT_EQ(setBytes(path("b.mrv")), setBytes(path("a.mrv")));
}

// Records of arbitrary content (every byte after a text, every integer) come back as they were.
TEST_F(MatchFilesTest, ArbitraryRecordsSurviveLoadAndSave)
{
    QRandomGenerator random(1252);
    const auto randomBytes = [&](int size) {
        QByteArray bytes(size, '\0');
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        return bytes;
    };
    // A record as the program could have written it: lengths within the fields, booleans 0 or 1.
    QByteArray results;
    for (int slot = 1; slot <= 37; ++slot) {
        TKilpailija k = TKilpailija::fromBytes(randomBytes(TKilpailija::RecordSize).constData());
        if (slot % 5 == 0)
            k.Nimi.clear();
        if (slot == 37 && k.Nimi.isEmpty())
            k.Nimi.setBytes("Z");
        results += k.toBytes();
    }
    QByteArray teams;
    for (int slot = 1; slot <= MaxJoukkueet; ++slot)
        teams += TJoukkue::fromBytes(randomBytes(TJoukkue::RecordSize).constData()).toBytes();
    writeBytes(path("x.mrv"), "summary\r\n");
    writeBytes(path("x.dat"), crlfLines(SampleMatchLines));
    writeBytes(path("xTulokset.dat"), results);
    writeBytes(path("xJoukkueet.dat"), teams);

    QString error;
    const LoadedMatch loaded = load(path("x.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    ASSERT_TRUE(saveMatchFileSet(path("y.mrv"), *loaded.kilpailu, loaded.summaryLines, error));
    EXPECT_EQ(fileBytes(path("yTulokset.dat")), results);
    EXPECT_EQ(fileBytes(path("yJoukkueet.dat")), teams);
    EXPECT_EQ(fileBytes(path("y.dat")), crlfLines(SampleMatchLines));
    EXPECT_EQ(fileBytes(path("y.mrv")), "summary\r\n");
}

// A set written byte by byte from the layout, outside this program.
TEST_F(MatchFilesTest, ReadsAHandMadeSet)
{
    QString error;
    const LoadedMatch loaded
        = load(marvola::testing::testDataFolder() + QStringLiteral("/match/kevat.mrv"), false,
            Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    const Kilpailu &m = *loaded.kilpailu;

    EXPECT_EQ(m.tiedot.Seura, QStringLiteral("Hämeenlinnan Ampujat"));
    EXPECT_EQ(m.tiedot.Alkupvm, QDate(2026, 6, 1));
    EXPECT_EQ(m.tiedot.LoppuPvm, QDate(2026, 6, 2));
    EXPECT_EQ(m.tiedot.VanhaPvm, QStringLiteral("2.6.2026"));
    EXPECT_TRUE(m.tiedot.Ennatyskelpoinen);
    EXPECT_EQ(m.tiedot.Mukana, (std::array<bool, GroupCount>{true, false, true, false, true}));
    EXPECT_EQ(m.tiedot.Laukaukset, (std::array<std::int32_t, GroupCount>{60, 40, 40, 40, 80}));
    EXPECT_EQ(m.ViimeNumero, 4);
    EXPECT_FALSE(m.Muutettu);

    const TKilpailija &k1 = m.kilpailijat[1];
    EXPECT_EQ(k1.Numero, 1);
    EXPECT_EQ(k1.Nimi.text(), QStringLiteral("Virtanen Matti"));
    EXPECT_TRUE(k1.Osallistuu[BBPR] && k1.Osallistuu[SBRS] && !k1.Osallistuu[BBPC]);
    EXPECT_EQ(k1.Luokka[SBRS].text(), Luokat::Eiluok);
    EXPECT_EQ(k1.Kaliiperi[BBPR].text(), QStringLiteral(".357 Mag"));
    EXPECT_EQ(k1.Sika[BBPR], 9);
    EXPECT_EQ(k1.Yhteensa[SBRS], 30);
    EXPECT_EQ(k1.f[1][BBPR].text(), QStringLiteral("2"));
    EXPECT_TRUE(k1.BBPPAggr && !k1.BBPCAggr);

    EXPECT_EQ(m.kilpailijat[2].Numero, 2);
    EXPECT_TRUE(m.kilpailijat[2].Nimi.isEmpty());
    EXPECT_EQ(m.kilpailijat[2].Kana[BBPC], 5);
    EXPECT_EQ(m.kilpailijat[3].Nimi.text(), QStringLiteral("Äijälä Åke"));
    EXPECT_EQ(m.kilpailijat[3].Luokka[FPP].text(), Luokat::Master);
    EXPECT_EQ(m.kilpailijat[4].Numero, 0);
    EXPECT_EQ(m.kilpailijat.highestOccupied(), 3);

    const TJoukkue &j = m.joukkueet[1];
    EXPECT_EQ(j.Nimi.text(), QStringLiteral("Hukat BBP"));
    EXPECT_EQ(j.Kilpailija[1].text(), QStringLiteral("Äijälä Åke"));
    EXPECT_EQ(j.Unused, 0x5A);
    EXPECT_EQ(j.Varattu[3], 0x7FFFFFFF);
    EXPECT_EQ(m.joukkueet[3].Laji.text(), QStringLiteral("Stand"));
    EXPECT_EQ(loaded.summaryLines.value(0), QStringLiteral("Club: Hämeenlinnan Ampujat"));
}

// Loading clears the competitors, replaces the teams of the file and the match information,
// and keeps a team slot the file does not reach.
TEST_F(MatchFilesTest, LoadStartsFromTheCurrentMatch)
{
    const auto m = sampleMatch();
    ASSERT_TRUE(save(path("a.mrv"), *m));
    QByteArray teams = fileBytes(path("aJoukkueet.dat"));
    writeBytes(path("aJoukkueet.dat"), teams.left(2 * TJoukkue::RecordSize));

    auto current = std::make_unique<Kilpailu>();
    for (int slot = 1; slot <= 3; ++slot)
        current->joukkueet[slot].Nimi.setText(QStringLiteral("Previous %1").arg(slot));
    current->addCompetitor(QStringLiteral("Previous Competitor"), {}, {});
    current->kilpailijat[9].Nimi.setText(QStringLiteral("Far away"));
    current->Muutettu = true;

    const LoadedMatch loaded = load(path("a.mrv"), false, *current);
    ASSERT_TRUE(loaded.kilpailu);
    const Kilpailu &l = *loaded.kilpailu;
    EXPECT_TRUE(l.kilpailijat[9].Nimi.isEmpty());
    EXPECT_EQ(l.kilpailijat[9].Luokka[BBPR].text(), Luokat::Int);
    EXPECT_EQ(l.joukkueet[1].Nimi.text(), QStringLiteral("Hukat BBP"));
    EXPECT_TRUE(l.joukkueet[2].Nimi.isEmpty());
    EXPECT_EQ(l.joukkueet[3].Nimi.text(), QStringLiteral("Previous 3"));
    EXPECT_EQ(l.tiedot.Seura, QStringLiteral("Ähtärin Ampujat"));
    EXPECT_FALSE(l.Muutettu);
    EXPECT_TRUE(current->Muutettu);
}

TEST_F(MatchFilesTest, OldLayoutKeepsTheDatesAndStoresTheDateText)
{
    auto current = std::make_unique<Kilpailu>();
    current->tiedot.Alkupvm = QDate(2025, 5, 5);
    current->tiedot.LoppuPvm = QDate(2025, 5, 6);
    current->tiedot.Mukana[ix(Group::SBP)] = true;

    QString error;
    const LoadedMatch loaded
        = load(marvola::testing::testDataFolder() + QStringLiteral("/match/vanha.mrv"), true,
            *current, error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    const TKilpailunTiedot &t = loaded.kilpailu->tiedot;
    EXPECT_EQ(t.VanhaPvm, QStringLiteral("1.-2.6.1998"));
    EXPECT_EQ(t.Alkupvm, QDate(2025, 5, 5));
    EXPECT_EQ(t.LoppuPvm, QDate(2025, 5, 6));
    EXPECT_EQ(t.KilpJohtaja, QStringLiteral("Aho Ari"));
    EXPECT_EQ(t.Taso, QStringLiteral("Kans."));
    EXPECT_FALSE(t.Ennatyskelpoinen);
    EXPECT_EQ(loaded.kilpailu->ViimeNumero, 4);
    EXPECT_FALSE(t.isShot(Group::SBP));
    EXPECT_EQ(t.shotCount(Group::BBR), 80);
    EXPECT_EQ(loaded.kilpailu->kilpailijat.highestOccupied(), 3);

    EXPECT_EQ(matchSummaryLines(t, true).value(2),
        QStringLiteral("Date: 5.5.2025 - 6.5.2025 real date-->1.-2.6.1998"));

    // Saving writes the current layout whatever was read.
    ASSERT_TRUE(save(path("new.mrv"), *loaded.kilpailu));
    const QStringList lines = QString::fromLatin1(fileBytes(path("new.dat"))).split("\r\n");
    EXPECT_EQ(lines.size(), 18); // 17 lines and the empty text after the last line end
    EXPECT_EQ(lines.mid(2, 3), (QStringList{"5.5.2025", "6.5.2025", "Aho Ari"}));
}

// A current-layout file read as the old layout is refused, not half read.
TEST_F(MatchFilesTest, CurrentFileReadAsOldLayoutIsRefused)
{
    QString error;
    const LoadedMatch loaded
        = load(marvola::testing::testDataFolder() + QStringLiteral("/match/kevat.mrv"), true,
            Kilpailu(), error);
    EXPECT_FALSE(loaded.kilpailu);
    EXPECT_TRUE(error.contains(QStringLiteral("kevat.dat: line 6 (\"SM\") is not a number")))
        << error.toStdString();
}

TEST_F(MatchFilesTest, OnlyCompetitorInSlotThree)
{
    auto m = std::make_unique<Kilpailu>();
    for (const char *name : {"Yksi", "Kaksi", "Kolme"})
        m->addCompetitor(QString::fromLatin1(name), {}, {});
    m->removeCompetitor(1);
    m->removeCompetitor(2);
    ASSERT_TRUE(save(path("s.mrv"), *m));
    EXPECT_EQ(fileBytes(path("sTulokset.dat")).size(), 3 * TKilpailija::RecordSize);

    const LoadedMatch loaded = load(path("s.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    const Kilpailijarekisteri &r = loaded.kilpailu->kilpailijat;
    EXPECT_EQ(r[3].Nimi.text(), QStringLiteral("Kolme"));
    EXPECT_EQ(r[3].Numero, 3);
    EXPECT_EQ(r[1].Numero, 1);
    EXPECT_EQ(r[2].Numero, 2);
    EXPECT_TRUE(r[1].Nimi.isEmpty() && r[2].Nimi.isEmpty());
    EXPECT_EQ(r.freeSlot(), 1);
}

TEST_F(MatchFilesTest, FiveHundredCompetitors)
{
    auto m = std::make_unique<Kilpailu>();
    for (int n = 1; n <= MaxKilpailijat; ++n)
        m->addCompetitor(QStringLiteral("Kilpailija %1").arg(n), {}, {});
    ASSERT_TRUE(save(path("full.mrv"), *m));
    EXPECT_EQ(fileBytes(path("fullTulokset.dat")).size(), 500 * TKilpailija::RecordSize);

    const LoadedMatch loaded = load(path("full.mrv"));
    ASSERT_TRUE(loaded.kilpailu);
    EXPECT_EQ(loaded.kilpailu->kilpailijat[500].Nimi.text(), QStringLiteral("Kilpailija 500"));
    EXPECT_EQ(loaded.kilpailu->kilpailijat.freeSlot(), std::nullopt);
}

// A match saved with no competitor has an empty results file; its teams and information load.
TEST_F(MatchFilesTest, EmptyResultsFileLoadsAsNoCompetitors)
{
    auto m = sampleMatch();
    m->clearCompetitorRegister();
    m->ViimeNumero = 0;
    ASSERT_TRUE(save(path("e.mrv"), *m));
    EXPECT_TRUE(fileBytes(path("eTulokset.dat")).isEmpty());

    QString error;
    const LoadedMatch loaded = load(path("e.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->kilpailijat.highestOccupied(), 0);
    EXPECT_EQ(loaded.kilpailu->joukkueet[1].Nimi.text(), QStringLiteral("Hukat BBP"));
    EXPECT_EQ(loaded.kilpailu->tiedot.Paikka, QStringLiteral("?ód?"));
}

// Texts the model holds with line breaks or beyond the bound still give a file that loads: one
// line per value, cut to the length a load accepts.
TEST_F(MatchFilesTest, TextsWithLineBreaksOrOverlongSaveAsOneLine)
{
    auto m = sampleMatch();
    m->tiedot.Paikka = QStringLiteral("Range 1\nRange 2");
    m->tiedot.KilpJohtaja = QStringLiteral("Aho\r\nAri\x1B");
    m->tiedot.Seura = QString(300000, QLatin1Char('S'));
    ASSERT_TRUE(save(path("t.mrv"), *m));
    EXPECT_EQ(textFileLines(fileBytes(path("t.dat"))).size(), 17);

    QString error;
    const LoadedMatch loaded = load(path("t.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Paikka, QStringLiteral("Range 1 Range 2"));
    EXPECT_EQ(loaded.kilpailu->tiedot.KilpJohtaja, QStringLiteral("Aho Ari "));
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QString(MaxMatchTextLength, QLatin1Char('S')));
    EXPECT_EQ(loaded.kilpailu->tiedot.LoppuPvm, m->tiedot.LoppuPvm);
    EXPECT_EQ(loaded.summaryLines.size(), 5);
}

// Nothing the program saves is refused by its own loader: every text of the match information
// at the longest its line takes, and longer ones cut to it (a Match Director of 1,100 typed
// characters once saved a set that would not open).
TEST_F(MatchFilesTest, LongestMatchTextsOpenAgain)
{
    using Text = QString TKilpailunTiedot::*;
    const std::pair<const char *, Text> fields[] = {{"Seura", &TKilpailunTiedot::Seura},
        {"Paikka", &TKilpailunTiedot::Paikka}, {"KilpJohtaja", &TKilpailunTiedot::KilpJohtaja},
        {"Taso", &TKilpailunTiedot::Taso}};
    for (const auto &[name, field] : fields) {
        for (const qsizetype length : {MaxMatchTextLength, MaxMatchTextLength + 100}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(length));
            auto m = sampleMatch();
            m->tiedot.*field = QString(length, QLatin1Char('x'));
            ASSERT_TRUE(save(path("long.mrv"), *m));
            QString error;
            const LoadedMatch loaded = load(path("long.mrv"), false, Kilpailu(), error);
            ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
            EXPECT_EQ(loaded.kilpailu->tiedot.*field, QString(MaxMatchTextLength, QLatin1Char('x')));
        }
    }
}

TEST(MatchFileSet, NamesFollowTheChosenNameMinusFourCharacters)
{
    const struct
    {
        QString chosen, match, results, teams;
    } cases[] = {
        {"/data/spring.mrv", "/data/spring.dat", "/data/springTulokset.dat",
            "/data/springJoukkueet.dat"},
        {"results", "res.dat", "resTulokset.dat", "resJoukkueet.dat"},
        {"/d/x.MRV", "/d/x.dat", "/d/xTulokset.dat", "/d/xJoukkueet.dat"},
        {"abc", ".dat", "Tulokset.dat", "Joukkueet.dat"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        const MatchFileSet set = MatchFileSet::fromChosenName(c.chosen);
        EXPECT_EQ(set.summary, c.chosen);
        EXPECT_EQ(set.match, c.match);
        EXPECT_EQ(set.results, c.results);
        EXPECT_EQ(set.teams, c.teams);
    }
}

namespace {

// Match files that load, each against what it gives.
struct MatchLineCase
{
    const char *name;
    int line; // 1-based line of the 17 to replace
    QString text;
    bool previous; // the switch value of the current match, for switch lines
    std::function<void(const Kilpailu &)> check;
};

// Test names say which case failed; the bytes of the case would not.
void PrintTo(const MatchLineCase &c, std::ostream *os)
{
    *os << c.name;
}

class MatchLineTest : public FileSetTest, public ::testing::WithParamInterface<MatchLineCase>
{
};

} // namespace

TEST_P(MatchLineTest, Loads)
{
    const MatchLineCase &c = GetParam();
    QStringList lines = SampleMatchLines;
    lines[c.line - 1] = c.text;
    writeBytes(path("m.mrv"), "");
    writeBytes(path("m.dat"), crlfLines(lines));
    writeBytes(path("mTulokset.dat"), "");
    writeBytes(path("mJoukkueet.dat"), TJoukkue().toBytes());

    auto current = std::make_unique<Kilpailu>();
    current->tiedot.Mukana.fill(c.previous);
    QString error;
    const LoadedMatch loaded = load(path("m.mrv"), false, *current, error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    c.check(*loaded.kilpailu);
}

namespace {

auto viimeNumero(std::int32_t expected)
{
    return [expected](const Kilpailu &m) { EXPECT_EQ(m.ViimeNumero, expected); };
}
auto bbpSwitch(bool expected)
{
    return [expected](const Kilpailu &m) { EXPECT_EQ(m.tiedot.isShot(Group::BBP), expected); };
}
auto recordsPossible(bool expected)
{
    return [expected](const Kilpailu &m) { EXPECT_EQ(m.tiedot.Ennatyskelpoinen, expected); };
}
auto startDate(QDate expected)
{
    return [expected](const Kilpailu &m) { EXPECT_EQ(m.tiedot.Alkupvm, expected); };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(MatchFile, MatchLineTest,
    ::testing::Values(
        MatchLineCase{"NumberWithTextAfterIt", 7, "  42 competitors", false, viimeNumero(42)},
        MatchLineCase{"NumberAfterATab", 7, "\t8", false, viimeNumero(8)},
        MatchLineCase{"NegativeNumber", 7, "-3", false, viimeNumero(-3)},
        MatchLineCase{"LargestNumber", 7, "2147483647", false, viimeNumero(2147483647)},
        MatchLineCase{"SwitchTrue", 8, "TRUE", false, bbpSwitch(true)},
        MatchLineCase{"SwitchFalse", 8, "FALSE", true, bbpSwitch(false)},
        MatchLineCase{"LowerCaseSwitchKeepsTrue", 8, "false", true, bbpSwitch(true)},
        MatchLineCase{"LowerCaseSwitchKeepsFalse", 8, "true", false, bbpSwitch(false)},
        MatchLineCase{"SwitchWithABlankKeeps", 8, "TRUE ", false, bbpSwitch(false)},
        MatchLineCase{"LevelSM", 6, "SM", false, recordsPossible(true)},
        MatchLineCase{"LevelKans", 6, "Kans.", false, recordsPossible(false)},
        MatchLineCase{"LevelTyped", 6, "kans", false, recordsPossible(true)},
        MatchLineCase{"DateDayMonthYear", 3, "24.12.2026", false, startDate(QDate(2026, 12, 24))},
        MatchLineCase{"DateIso", 3, "2026-12-24", false, startDate(QDate(2026, 12, 24))},
        MatchLineCase{"DateWithBlanks", 3, " 1.6.2026 ", false, startDate(QDate(2026, 6, 1))}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MatchFilesTest, ReadsLineFeedEndingsAndIgnoresExtraLines)
{
    QStringList lines = SampleMatchLines;
    lines << QStringLiteral("a line of a later version");
    writeBytes(path("m.mrv"), "Club: x");
    writeBytes(path("m.dat"), toCp1252(lines.join('\n')));
    writeBytes(path("mTulokset.dat"), "");
    writeBytes(path("mJoukkueet.dat"), TJoukkue().toBytes());

    QString error;
    const LoadedMatch loaded = load(path("m.mrv"), false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Seura, QStringLiteral("Ähtärin Ampujat"));
    EXPECT_EQ(loaded.kilpailu->tiedot.shotCount(Group::BBR), 80);
    EXPECT_EQ(loaded.summaryLines, QStringList{"Club: x"});
}

TEST(SummaryLines, AsTheMainWindowShowsThem)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    TKilpailunTiedot t;
    t.Seura = QStringLiteral("HAS");
    t.Paikka = QStringLiteral("Parola");
    t.Alkupvm = QDate(2026, 6, 1);
    t.LoppuPvm = QDate(2026, 6, 12);
    t.KilpJohtaja = QStringLiteral("Aho Ari");
    t.VanhaPvm = QStringLiteral("kesäkuu 1998");
    EXPECT_EQ(matchSummaryLines(t, false),
        (QStringList{"Club: HAS", "Place: Parola", "Date: 1.6.2026 - 12.6.2026",
            "Match Director: Aho Ari", "Kilpailut eivät ole ennätyskelpoiset "}));
    t.Ennatyskelpoinen = true;
    const QStringList old = matchSummaryLines(t, true);
    EXPECT_EQ(old.value(2), QStringLiteral("Date: 1.6.2026 - 12.6.2026 real date-->kesäkuu 1998"));
    EXPECT_EQ(old.value(4), QStringLiteral("Kilpailut ovat ennätyskelpoiset "));
    QLocale::setDefault(saved);
}

// The set read from memory is the set read from disk, and refused the same way.
TEST_F(MatchFilesTest, ReadsTheSameFromMemory)
{
    ASSERT_TRUE(save(path("m.mrv"), *sampleMatch()));
    const MatchFileSet set = MatchFileSet::fromChosenName(path("m.mrv"));
    MatchFileBytes bytes{fileBytes(set.summary), fileBytes(set.match), fileBytes(set.results),
        fileBytes(set.teams), {}};
    QString error;
    const LoadedMatch fromDisk = load(path("m.mrv"));
    const LoadedMatch fromMemory = loadMatchFileSet(set, bytes, false, Kilpailu(), error);
    ASSERT_TRUE(fromDisk.kilpailu && fromMemory.kilpailu) << error.toStdString();
    ASSERT_TRUE(save(path("again.mrv"), *fromMemory.kilpailu));
    EXPECT_EQ(setBytes(path("again.mrv")), setBytes(path("m.mrv")));
    EXPECT_EQ(fromMemory.summaryLines, fromDisk.summaryLines);

    bytes.results.chop(1);
    EXPECT_FALSE(loadMatchFileSet(set, bytes, false, Kilpailu(), error).kilpailu);
    EXPECT_EQ(error,
        QStringLiteral("Cannot read %1: its size of %2 bytes is not a whole number of 1252-byte "
                       "records")
            .arg(set.results)
            .arg(bytes.results.size()));
}
