// The cards not returned: only relays that have ended, only entries with nothing in the relay's
// discipline, and a shoot-off entry alone counts as a card returned.
#include "relays/MissingCards.h"

#include "RelayTestSupport.h"

using namespace marvola;
using namespace marvola::testing;

TEST(MissingCardsTest, EndedRelaysListTheEntriesWithNoResultInTheirDiscipline)
{
    MatchBuilder b;
    const int done = entrant(b, QStringLiteral("Aalto"), QStringLiteral("BBPR SBRL"));
    const int missing = entrant(b, QStringLiteral("Berg"), QStringLiteral("BBPR SBRL"));
    const int shotOff = entrant(b, QStringLiteral("Cajander"), QStringLiteral("BBPR"));
    b.enter(done, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
    // A result in another discipline does not bring the BBPR card back.
    b.enter(missing, SBRL, QStringLiteral("A"), {1, 1, 1, 1});
    b.at(shotOff).f[0][BBPR].setText(QStringLiteral("3"));
    Kilpailu match = b.match();
    match.relayPlan
        = planOf({QStringLiteral("BBPR;1;08:00;45;10"), QStringLiteral("SBRL;2;09:00;60;10")});
    const auto number = [&](int slot) { return match.kilpailijat[slot].Numero; };
    match.assignments[{number(done), BBPR}] = {1, 1, false};
    match.assignments[{number(missing), BBPR}] = {1, 2, false};
    match.assignments[{number(shotOff), BBPR}] = {1, 3, false};
    match.assignments[{number(done), SBRL}] = {2, 5, false};
    match.assignments[{number(missing), SBRL}] = {2, 6, false};
    // A place of a number nobody holds is no card.
    match.assignments[{999, BBPR}] = {1, 9, false};

    struct Case
    {
        int nowMinute;
        QList<MissingCard> expected;
    };
    const Case cases[] = {
        {8 * 60 + 44, {}}, // the first relay still shoots
        {8 * 60 + 45, {{1, 2, number(missing), BBPR}}}, // it ends at 08:45
        {10 * 60, {{1, 2, number(missing), BBPR}, {2, 5, number(done), SBRL}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cardsNotReturned(match, c.nowMinute), c.expected) << c.nowMinute;
}
