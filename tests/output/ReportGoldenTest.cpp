// Whole printed lists of a small match compared with their recordings under tests/data/report.
#include "ReportRecording.h"
#include "ranking/Ranking.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

// Two clubs' shooters over the pistol disciplines, FP and the small-bore rifles, with a class
// from score, a shoot-off, a C choice and three teams.
void smallMatch(MatchBuilder &b)
{
    Kilpailu &k = b.match();
    k.tiedot.Seura = QStringLiteral("HyMAS");
    k.tiedot.Paikka = QStringLiteral("Hyvinkää");
    k.tiedot.Alkupvm = QDate(2026, 6, 13);
    k.tiedot.LoppuPvm = QDate(2026, 6, 14);
    k.tiedot.Laukaukset.fill(40);
    const struct
    {
        const char *name;
        const char *club;
        const char *luokka;
        Hits hits;
    } shooters[] = {
        {"Aalto Matti", "HyMAS", "Int", {10, 9, 9, 8}},
        {"Virtanen Ville", "HyMAS", "A", {10, 9, 8, 8}},
        {"Korhonen Pekka-Juhani Oskari", "KeSA", "A", {9, 9, 8, 7}},
        {"Nieminen Kari", "KeSA", "B", {8, 6, 5, 4}},
        {"Mäkelä Timo", "HyMAS", "Eiluok", {7, 7, 6, 5}},
        {"Heikkinen Sami", "Hämeenlinnan Ampujat", "B", {6, 5, 4, 2}},
    };
    int slot = 0;
    for (const auto &s : shooters) {
        slot = b.competitor(QString::fromUtf8(s.name), QString::fromUtf8(s.club));
        for (const Laji d : {BBPR, BBPC, BBPP, BBPS, BBPU, FPP, FPPAS, SBRS, SBRL}) {
            Hits h = s.hits;
            h.passi = std::max(0, h.passi - (d % 3));
            const QString luokka
                = discipline(d).isRifle && slot == 2 ? Luokat::Master : QString::fromUtf8(s.luokka);
            b.enter(slot, d, luokka, h);
        }
        b.at(slot).Ase[BBPR].setText(QStringLiteral("S&W"));
        b.at(slot).Malli[BBPR].setText(QStringLiteral("686 Competitor"));
        b.at(slot).Kaliiperi[BBPR].setText(QStringLiteral(".357 Mag"));
    }
    b.finals(1, BBPR, {"10", "9"}).finals(2, BBPR, {"9"});
    b.enter(2, BBPR, Luokat::A, {10, 9, 9, 8});
    b.at(2).BBPPAggr = false;
    b.at(2).BBPCAggr = true;
    b.team(QStringLiteral("Lions BBP"), QStringLiteral("BBP"), QStringLiteral("Aalto Matti"),
        QStringLiteral("Virtanen Ville"), QStringLiteral("Mäkelä Timo"));
    b.team(QStringLiteral("Karhut BBP"), QStringLiteral("BBP"), QStringLiteral("Nieminen Kari"),
        QStringLiteral("Heikkinen Sami"), QStringLiteral("Nobody"));
    b.team(QStringLiteral("Kotka FP"), QStringLiteral("FP"), QStringLiteral("Aalto Matti"),
        QStringLiteral("Korhonen Pekka-Juhani Oskari"), QStringLiteral("Nieminen Kari"));
}

struct GoldenCase
{
    const char *file;
    const char *lists; // as --lists takes them
};

class ReportGolden : public ::testing::TestWithParam<GoldenCase>
{
};

// Set MARVOLA_UPDATE_GOLDEN=1 to write the recordings anew after a deliberate change.
TEST_P(ReportGolden, MatchesTheRecording)
{
    const GoldenCase c = GetParam();
    MatchBuilder b;
    smallMatch(b);
    auto tulokset = emptyTables();
    refreshResults(b.match(), *tulokset);

    QString error;
    const auto selection = parsePrintSelection(QLatin1String(c.lists), error);
    ASSERT_TRUE(selection) << error.toStdString();
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    const Recording r = recordReport(b.match().tiedot, *tulokset, *selection);
    QLocale::setDefault(QLocale::c());
    const QByteArray actual = dumpDocument(r.document()).toUtf8();

    QFile file(marvola::testing::testDataFolder()
        + QStringLiteral("/report/%1").arg(QLatin1String(c.file)));
    if (qEnvironmentVariableIsSet("MARVOLA_UPDATE_GOLDEN")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(actual);
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray expected = file.readAll();
    EXPECT_EQ(QString::fromUtf8(actual), QString::fromUtf8(expected));
    EXPECT_EQ(actual.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(SmallMatch, ReportGolden,
    ::testing::Values(GoldenCase{"pistol.txt", "BBPR,BBP Aggr,BBP Team"},
        GoldenCase{"field-and-rifle.txt", "FPP,SBRL,FP Aggr,FP Team"}),
    marvola::testing::NamedBy<&GoldenCase::file>());

} // namespace
