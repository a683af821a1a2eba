// The score cards: which cards a choice prints and in what order, what each card carries, and
// that every printed barcode reads back, with a barcode reader, as its own competitor and
// discipline.
#include "output/ScoreCards.h"

#include "output/Barcode.h"
#include "support/BarcodeReader.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

// Five competitors in three clubs; relay 1 shoots BBPR and BBPC at 08:00, relay 2 SBRL at 09:30.
// Heikkinen's SBRL is placed in relay 9, which the plan lacks, and Nieminen has no place at all.
class ScoreCardsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const int aalto = b.competitor(QStringLiteral("Aalto Matti"), QStringLiteral("Kaarina"));
        const int berg = b.competitor(QStringLiteral("Berg Anna"), QStringLiteral("Porvoo"));
        const int heikkinen
            = b.competitor(QStringLiteral("Heikkinen Ulla"), QStringLiteral("Kaarina"));
        const int nieminen = b.competitor(QStringLiteral("Nieminen Timo"), QStringLiteral("Oulu"));
        const int gone = b.competitor(QStringLiteral("Poistettu"), QStringLiteral("Oulu"));
        b.enter(aalto, BBPR, Luokat::A, {}).enter(aalto, BBPC, Luokat::B, {});
        b.enter(berg, BBPR, Luokat::Int, {}).enter(berg, SBRL, Luokat::Master, {});
        b.enter(heikkinen, BBPR, Luokat::Eiluok, {}).enter(heikkinen, SBRL, Luokat::A, {});
        b.enter(nieminen, BBPC, Luokat::A, {});
        b.enter(gone, BBPR, Luokat::A, {});
        b.match().removeCompetitor(gone);
        Kilpailu &m = b.match();
        m.tiedot.Laukaukset[ix(Group::BBP)] = 60;
        m.tiedot.Laukaukset[ix(Group::SBR)] = 80;
        m.relayPlan.relays = {{1, {BBPR, BBPC}, 8 * 60, 45, 4}, {2, {SBRL}, 9 * 60 + 30, 60, 4}};
        m.assignments = {
            {{1, BBPR}, {1, 3, false}},
            {{1, BBPC}, {1, 1, true}},
            {{2, BBPR}, {1, 2, false}},
            {{2, SBRL}, {2, 4, false}},
            {{3, BBPR}, {1, 4, false}},
            {{3, SBRL}, {9, 1, false}},
        };
    }

    MatchBuilder b;
};

QStringList texts(const QList<ScoreCard> &cards)
{
    QStringList result;
    for (const ScoreCard &card : cards)
        result << card.barcodeText();
    return result;
}

struct ChoiceCase
{
    const char *name;
    CardChoice choice;
    QStringList expected; // in print order
};

class CardChoiceTest : public ScoreCardsTest, public ::testing::WithParamInterface<ChoiceCase>
{
};

TEST_P(CardChoiceTest, ChoosesTheCardsInRelayAndPointOrder)
{
    EXPECT_EQ(texts(scoreCards(b.match(), GetParam().choice)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Choices, CardChoiceTest,
    ::testing::Values(ChoiceCase{"All", {},
                          {"1/BBPC", "2/BBPR", "1/BBPR", "3/BBPR", "2/SBRL", "3/SBRL", "4/BBPC"}},
        ChoiceCase{
            "RelayOne", {CardChoice::By::Relay, 1, {}}, {"1/BBPC", "2/BBPR", "1/BBPR", "3/BBPR"}},
        ChoiceCase{"RelayTheShootersWereNotPlacedIn", {CardChoice::By::Relay, 9, {}}, {}},
        ChoiceCase{"ClubKaarina", {CardChoice::By::Club, 0, QStringLiteral("Kaarina")},
            {"1/BBPC", "1/BBPR", "3/BBPR", "3/SBRL"}},
        ChoiceCase{"ClubOfNoCompetitor", {CardChoice::By::Club, 0, QStringLiteral("Lahti")}, {}}),
    NamedBy<&ChoiceCase::name>());

TEST_F(ScoreCardsTest, CardCarriesTheEntryItsPlaceAndTheShotsOfItsGroup)
{
    b.match().tiedot.Laukaukset[ix(Group::BBP)] = 0; // never set: shot with 40
    const QList<ScoreCard> cards = scoreCards(b.match(), {});
    const auto card = [&](const char *text) {
        return *std::find_if(cards.begin(), cards.end(),
            [&](const ScoreCard &c) { return c.barcodeText() == QLatin1String(text); });
    };
    const ScoreCard berg = card("2/SBRL");
    EXPECT_EQ(berg.name, QStringLiteral("Berg Anna"));
    EXPECT_EQ(berg.club, QStringLiteral("Porvoo"));
    EXPECT_EQ(berg.classCode, Luokat::Master);
    EXPECT_EQ(std::tuple(berg.relay, berg.point, berg.start), std::tuple(2, 4, QString("09:30")));
    EXPECT_EQ(berg.shotsPerAnimal, 20);
    EXPECT_EQ(card("1/BBPR").shotsPerAnimal, 10);
    // A place in a relay the plan lacks is no place: the card's boxes stay empty.
    const ScoreCard lost = card("3/SBRL");
    EXPECT_FALSE(lost.isPlaced());
    EXPECT_TRUE(lost.start.isEmpty());
    EXPECT_EQ(cardClubs(b.match()),
        QStringList({QStringLiteral("Kaarina"), QStringLiteral("Oulu"), QStringLiteral("Porvoo")}));
}

TEST_F(ScoreCardsTest, NoCardsIsRefused)
{
    QByteArray pdf;
    const ReportFileResult result = renderScoreCardsPdf({}, CardPaper::A4FourUp, {}, &pdf);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST(BarcodeTest, TextTheSymbolCannotHoldIsAnError)
{
    QString error;
    EXPECT_FALSE(code128Bars(QString(), error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    const std::optional<BarcodeBars> bars = code128Bars(QStringLiteral("123/BBPR"), error);
    ASSERT_TRUE(bars) << error.toStdString();
    // Bars inside the symbol, left to right, none overlapping.
    double end = 0;
    for (const BarcodeBar &bar : bars->bars) {
        EXPECT_GE(bar.x, end);
        end = bar.x + bar.width;
    }
    EXPECT_LE(end, bars->modules);
}

// The printed cards turned into page images and read with a barcode reader.
class CardScanTest : public ScoreCardsTest, public ::testing::WithParamInterface<CardPaper>
{
};

TEST_P(CardScanTest, EveryCardReadsAsItsOwnEntryOnItsOwnPage)
{
    const CardPaper paper = GetParam();
    const int perPage = paper == CardPaper::A6 ? 1 : 4;
    // A printed relay, and every card with the two that have no place.
    for (const CardChoice &choice : {CardChoice{CardChoice::By::Relay, 1, {}}, CardChoice{}}) {
        const QList<ScoreCard> cards = scoreCards(b.match(), choice);
        QByteArray pdf;
        const ReportFileResult result
            = renderScoreCardsPdf(cards, paper, cardHeading(b.match().tiedot), &pdf);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        QList<QStringList> expected;
        for (qsizetype i = 0; i < cards.size(); i += perPage) {
            QStringList page = texts(cards.mid(i, perPage));
            page.sort();
            expected << page;
        }
        EXPECT_EQ(result.pageCount, expected.size());
        const std::optional<QList<QStringList>> read = readPdfBarcodes(pdf);
        if (!read)
            GTEST_SKIP() << "pdftoppm or zbarimg is not installed";
        EXPECT_EQ(*read, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, CardScanTest,
    ::testing::Values(CardPaper::A4FourUp, CardPaper::A6),
    [](const ::testing::TestParamInfo<CardPaper> &info) {
        return std::string(info.param == CardPaper::A6 ? "A6" : "A4FourUp");
    });

} // namespace
