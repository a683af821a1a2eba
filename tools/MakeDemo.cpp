// Writes the demo match (examples/demo.mrv and its companion files) with the program's own save.
#include "ToolArguments.h"
#include "files/MatchFiles.h"
#include "model/Registers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cstdint>
#include <cstdio>

using namespace marvola;

namespace {

struct Shooter
{
    const char *name;
    const char *club;
    const char *maa;
    int skill; // 0 to 100: how well the shooter hits
    const char *entries; // "CODE:Class ..."
    char bbpChoice; // 'P' or 'C': which of BBPP and BBPC counts in the BBP aggregate
    char sbpChoice;
};

// Forty shooters: full pistol aggregates, field pistol, rifles, and a few single entries.
const Shooter Shooters[] = {
    {"Aalto Matti", "HyMAS", "FIN", 86, "BBPR:Int BBPC:Int BBPP:Int BBPS:Int BBPU:Int", 'P', 'P'},
    {"Virtanen Jukka", "HyMAS", "FIN", 84, "BBPR:Int BBPC:A BBPP:Int BBPS:A BBPU:Int", 'C', 'P'},
    {"Korhonen Pekka", "OMAS", "FIN", 75, "BBPR:A BBPC:A BBPP:A BBPS:A BBPU:A", 'P', 'P'},
    {"Nieminen Kari", "OMAS", "FIN", 72, "BBPR:A BBPC:A BBPP:A BBPS:A BBPU:A", 'C', 'P'},
    {"Mäkelä Timo", "PSA", "FIN", 66, "BBPR:A BBPC:B BBPP:A BBPS:B BBPU:A", 'P', 'P'},
    {"Hämäläinen Jari", "PSA", "FIN", 58, "BBPR:B BBPC:B BBPP:B BBPS:B BBPU:B", 'P', 'P'},
    {"Laine Mikko", "KeSA", "FIN", 52, "BBPR:B BBPC:B BBPP:B BBPS:B BBPU:B", 'C', 'P'},
    {"Heikkinen Sami", "KeSA", "FIN", 70,
        "BBPR:A BBPC:A BBPP:A BBPS:A BBPU:A SBPR:A SBPC:A SBPP:A SBPS:A SBPU:A", 'P', 'C'},
    {"Koskinen Antti", "TaSa", "FIN", 79,
        "BBPR:Int BBPC:Int BBPP:A BBPS:Int BBPU:A SBPR:Int SBPC:Int SBPP:Int SBPS:A SBPU:Int", 'P',
        'P'},
    {"Järvinen Harri", "TaSa", "FIN", 48,
        "BBPR:Eiluok BBPC:Eiluok BBPP:Eiluok BBPS:Eiluok BBPU:Eiluok SBPR:B SBPC:B SBPP:B SBPS:B "
        "SBPU:B",
        'P', 'P'},
    {"Lehtonen Jouni", "SWC", "FIN", 62,
        "BBPR:A BBPC:A BBPP:B BBPS:A BBPU:B SBPR:A SBPC:A SBPP:A SBPS:B SBPU:A", 'C', 'C'},
    {"Lehtinen Petri", "SWC", "FIN", 81,
        "BBPR:Int BBPC:Int BBPP:Int BBPS:Int BBPU:Int SBPS:Int FPP:Int FPPAS:Int", 'P', 'P'},
    {"Saarinen Markku", "LaSa", "FIN", 68,
        "BBPR:A BBPC:A BBPP:A BBPS:A BBPU:A SBPS:A FPP:A FPPAS:A", 'C', 'P'},
    {"Salminen Esa", "LaSa", "FIN", 55,
        "BBPR:B BBPC:B BBPP:B BBPS:B BBPU:B SBPS:B FPP:Eiluok FPPAS:B", 'P', 'P'},
    {"Heinonen Risto", "SSG", "FIN", 77, "SBPR:Int SBPC:A SBPP:Int SBPS:A SBPU:Int", 'P', 'P'},
    {"Niemi Tapani", "SSG", "FIN", 69, "SBPR:A SBPC:A SBPP:A SBPS:A SBPU:A", 'P', 'C'},
    {"Heikkilä Juha", "JuRy", "FIN", 61, "SBPR:A SBPC:A SBPP:A SBPS:A SBPU:B", 'P', 'P'},
    {"Kinnunen Olli", "JuRy", "FIN", 73, "BBPS:A SBPR:A SBPC:A SBPP:A SBPS:A SBPU:A FPP:A FPPAS:A",
        'P', 'P'},
    {"Salonen Vesa", "KUa", "FIN", 57, "BBPS:B SBPR:B SBPC:B SBPP:B SBPS:B SBPU:B FPP:B FPPAS:B",
        'P', 'C'},
    {"Koivisto Sanna", "KUa", "FIN", 64, "SBPR:A SBPC:A SBPP:A SBPS:A SBPU:A FPP:A FPPAS:A", 'P',
        'P'},
    {"Turunen Arto", "PiSA", "FIN", 71, "FPP:A FPPAS:A", 'P', 'P'},
    {"Salo Kimmo", "PiSA", "FIN", 63, "FPP:A FPPAS:B", 'P', 'P'},
    {"Laitinen Heikki", "VamSa", "FIN", 50, "FPP:B FPPAS:B", 'P', 'P'},
    {"Tuominen Erkki", "VamSa", "FIN", 80, "FPP:Int FPPAS:Int", 'P', 'P'},
    {"Rantanen Seppo", "SMAS", "FIN", 82, "SBRS:Master SBRL:Master", 'P', 'P'},
    {"Karjalainen Raimo", "SMAS", "FIN", 88, "SBRS:Int SBRL:Int", 'P', 'P'},
    {"Jokinen Pasi", "BBC", "FIN", 60, "SBRS:A SBRL:A", 'P', 'P'},
    {"Mattila Janne", "BBC", "FIN", 45, "SBRS:B SBRL:Eiluok", 'P', 'P'},
    {"Savolainen Ari", "HAUR", "FIN", 76, "SBRS:Master SBRL:A BBRS:Master BBRH:Master", 'P', 'P'},
    {"Lahtinen Tero", "HAUR", "FIN", 67, "SBRS:A SBRL:A BBRS:A BBRH:A", 'P', 'P'},
    {"Ahonen Veikko", "YVA", "FIN", 83, "SBRS:Int SBRL:Master BBRS:Int BBRH:Int", 'P', 'P'},
    {"Leinonen Tiina", "YVA", "FIN", 56, "SBRS:B SBRL:B BBRS:B BBRH:A", 'P', 'P'},
    {"Andersson Lars", "SA", "SWE", 74, "BBRS:Master BBRH:Master", 'P', 'P'},
    {"Johansson Erik", "SA", "SWE", 65, "BBRS:A BBRH:A", 'P', 'P'},
    {"Nilsen Ola", "RS", "NOR", 78, "BBRS:Int BBRH:Master", 'P', 'P'},
    {"Müller Klaus", "SWC", "GER", 59, "BBRS:B BBRH:Eiluok", 'P', 'P'},
    {"Åberg Lena", "SA", "SWE", 63, "BBRS:A BBRH:B", 'P', 'P'},
    {"Schmidt Jürgen", "KajA", "GER", 54, "BBPR:B", 'P', 'P'},
    {"Öhman Nils", "RS", "SWE", 47, "SBRS:Eiluok", 'P', 'P'},
    {"Väisänen Eero", "HeiA", "FIN", 69, "FPP:A", 'P', 'P'},
};

// Scores set by hand where the demo shows how ties are broken.
struct SetScore
{
    int shooter; // index into Shooters
    const char *code;
    int kana, sika, kalkkuna, passi;
    const char *f1, *f2, *f3;
};
const SetScore SetScores[] = {
    // BBPR: first place tied at 36, settled by the shoot-off.
    {0, "BBPR", 10, 10, 9, 7, "5", "4", ""},
    {1, "BBPR", 10, 9, 9, 8, "5", "3", ""},
    // BBPS: tied at 27, more rams first.
    {2, "BBPS", 9, 8, 6, 4, "", "", ""},
    {3, "BBPS", 9, 7, 6, 5, "", "", ""},
    // SBPS: a full tie in class A (only chickens differ, which never count).
    {15, "SBPS", 9, 8, 6, 5, "", "", ""},
    {16, "SBPS", 8, 8, 6, 5, "", "", ""},
    // SBRS: tied at 30, a shoot-off over two entries.
    {24, "SBRS", 10, 8, 7, 5, "3", "3", "2"},
    {30, "SBRS", 9, 8, 7, 6, "3", "3", "1"},
    // FPP: tied at 32 without a shoot-off, equal rams, turkeys decide.
    {11, "FPP", 10, 9, 7, 6, "", "", ""},
    {23, "FPP", 10, 8, 8, 6, "", "", ""},
};

struct Team
{
    const char *name; // as typed; the group word is appended when stored
    const char *laji;
    int members[3];
};
const Team Teams[] = {
    {"Lions", "BBP", {0, 1, 2}},
    {"Karhut", "BBP", {3, 4, 5}},
    {"Kotkat", "SBP", {14, 15, 16}},
    {"Ilves", "FP", {20, 21, 23}},
    {"Pohjola", "FP", {11, 12, 13}},
    {"Hirvet", "SBR", {24, 25, 26}},
    {"Sudet", "BBR", {32, 33, 34}},
    {"Haukat", "Stand", {11, 12, 17}},
};

struct Equipment
{
    const char *ase, *malli, *kaliiperi;
};
// One outfit per discipline group, varied by shooter.
const Equipment BigBorePistols[] = {{"Ruger", "Blackhawk", ".357 Mag"}, {"S&W", "629", ".44 Mag"},
    {"Thompson", "Contender", "7mm BR"}, {"Freedom", "83", ".357 Max"}};
const Equipment SmallBorePistols[] = {
    {"Ruger", "Mk III", ""}, {"Walther", "GSP", ""}, {"S&W", "617", ""}, {"Hämmerli", "208", ""}};
const Equipment FieldPistols[] = {{"Thompson", "Contender", ".22 LR"},
    {"Anschütz", "Exemplar", ".22 LR"}, {"Ruger", "Mk II", ".22 LR"}};
const Equipment BigBoreRifles[]
    = {{"Sako", "75", "6.5x55"}, {"Tikka", "T3", ".308 Win"}, {"Remington", "700", "6mm BR"}};
const Equipment SmallBoreRifles[]
    = {{"Anschütz", "1712", ""}, {"CZ", "452", ""}, {"Sako", "Finnfire", ""}};

template<size_t N> const Equipment &pick(const Equipment (&outfits)[N], int shooter)
{
    return outfits[static_cast<size_t>(shooter) % N];
}

const Equipment &equipmentFor(int d, int shooter)
{
    switch (discipline(d).group) {
    case Group::BBP: return pick(BigBorePistols, shooter);
    case Group::SBP: return pick(SmallBorePistols, shooter);
    case Group::FP: return pick(FieldPistols, shooter);
    case Group::BBR: return pick(BigBoreRifles, shooter);
    case Group::SBR: return pick(SmallBoreRifles, shooter);
    }
    return BigBorePistols[0];
}

int lajiIndex(const QString &code)
{
    for (const DisciplineInfo &info : Disciplines)
        if (code == QLatin1String(info.code))
            return info.d;
    std::fprintf(stderr, "unknown discipline %s\n", qPrintable(code));
    std::exit(1);
}

// A fixed sequence, so every run writes the same match.
class Dice
{
public:
    explicit Dice(std::uint32_t seed)
        : m_state(seed ? seed : 1)
    { }
    // A number from 0 to 99.
    int roll()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<int>(m_state % 100);
    }

private:
    std::uint32_t m_state;
};

// Ten shots per animal; chickens are the easiest and rams the hardest.
void shoot(TKilpailija &k, int d, int skill, Dice &dice)
{
    const int bonus[4] = {14, 4, -4, -14};
    int hits[4] = {};
    for (int animal = 0; animal < 4; ++animal)
        for (int shot = 0; shot < 10; ++shot)
            if (dice.roll() < skill + bonus[animal])
                ++hits[animal];
    k.Kana[d] = hits[0];
    k.Sika[d] = hits[1];
    k.Kalkkuna[d] = hits[2];
    k.Passi[d] = hits[3];
    k.Yhteensa[d] = hits[0] + hits[1] + hits[2] + hits[3];
}

void enter(Kilpailu &kilpailu, int index, const Shooter &shooter)
{
    const auto slot = kilpailu.addCompetitor(QString::fromUtf8(shooter.name),
        QString::fromUtf8(shooter.club), QString::fromUtf8(shooter.maa));
    TKilpailija &k = kilpailu.kilpailijat[*slot];
    Dice dice(static_cast<std::uint32_t>(2654435761u * static_cast<unsigned>(index + 1)));
    for (const QString &entry : QString::fromLatin1(shooter.entries).split(QLatin1Char(' '))) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        const int d = lajiIndex(parts[0]);
        k.Osallistuu[d] = true;
        k.Luokka[d].setText(parts[1]);
        const Equipment &outfit = equipmentFor(d, index);
        k.Ase[d].setText(QString::fromUtf8(outfit.ase));
        k.Malli[d].setText(QString::fromUtf8(outfit.malli));
        if (discipline(d).hasCaliber)
            k.Kaliiperi[d].setText(QString::fromUtf8(outfit.kaliiperi));
        shoot(k, d, shooter.skill, dice);
    }
    k.BBPPAggr = shooter.bbpChoice == 'P';
    k.BBPCAggr = shooter.bbpChoice == 'C';
    k.SBPPAggr = shooter.sbpChoice == 'P';
    k.SBPCAggr = shooter.sbpChoice == 'C';
}

void setScore(Kilpailu &kilpailu, const SetScore &s)
{
    TKilpailija &k = kilpailu.kilpailijat[s.shooter + 1];
    const int d = lajiIndex(QLatin1String(s.code));
    k.Kana[d] = s.kana;
    k.Sika[d] = s.sika;
    k.Kalkkuna[d] = s.kalkkuna;
    k.Passi[d] = s.passi;
    k.Yhteensa[d] = s.kana + s.sika + s.kalkkuna + s.passi;
    k.f[0][d].setText(QLatin1String(s.f1));
    k.f[1][d].setText(QLatin1String(s.f2));
    k.f[2][d].setText(QLatin1String(s.f3));
}

void addTeam(Kilpailu &kilpailu, int slot, const Team &team)
{
    TJoukkue &j = kilpailu.joukkueet[slot];
    const QString laji = QLatin1String(team.laji);
    j.Nimi.setText(QLatin1String(team.name) + QLatin1Char(' ') + laji);
    j.Laji.setText(laji);
    for (int m = 0; m < 3; ++m)
        j.Kilpailija[static_cast<size_t>(m)] = kilpailu.kilpailijat[team.members[m] + 1].Nimi;
    // A new team uses up a competitor number too.
    ++kilpailu.ViimeNumero;
}

void describeMatch(TKilpailunTiedot &tiedot)
{
    tiedot.Seura = QStringLiteral("HyMAS");
    tiedot.Paikka = QStringLiteral("Hyvinkää");
    tiedot.Alkupvm = QDate(2024, 6, 15);
    tiedot.LoppuPvm = QDate(2024, 6, 16);
    tiedot.KilpJohtaja = QStringLiteral("Lampinen Ilkka");
    tiedot.Taso = QStringLiteral("SM");
    tiedot.Ennatyskelpoinen = TKilpailunTiedot::recordsPossible(tiedot.Taso);
    tiedot.Mukana.fill(true);
    tiedot.Laukaukset.fill(40);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Finnish dates (15.6.2024) are read by the program under every locale.
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    const QStringList args = QCoreApplication::arguments();
    if (const auto status = answerToolArguments(args, 1, 1,
            "Usage: make_demo OUT.mrv\n"
            "Writes the demonstration match as the match file set named by OUT.mrv.\n"))
        return *status;

    Kilpailu kilpailu;
    describeMatch(kilpailu.tiedot);
    int index = 0;
    for (const Shooter &shooter : Shooters)
        enter(kilpailu, index++, shooter);
    for (const SetScore &s : SetScores)
        setScore(kilpailu, s);
    int slot = 1;
    for (const Team &team : Teams)
        addTeam(kilpailu, slot++, team);

    QString error;
    if (!saveMatchFileSet(args[1], kilpailu, matchSummaryLines(kilpailu.tiedot, false), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
