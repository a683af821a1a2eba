// The start list CSV: its heading, its order and its quoting.
#include "relays/StartList.h"

#include "relays/RelayTestSupport.h"

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

TEST(StartList, OneLinePerPlaceByRelayAndPoint)
{
    MatchBuilder b;
    entrant(b, QStringLiteral("Ähtäri Äke"), QStringLiteral("BBPR BBPC"), QStringLiteral("Seura"));
    entrant(b, QStringLiteral("Berg; Anna"), QStringLiteral("BBPR"), QStringLiteral("\"Kivi\""));
    entrant(b, QStringLiteral("Nieminen"), QStringLiteral("BBPC"), QString());
    // Listed in the plan's order 2, 1: the list goes by number.
    const RelayPlan plan
        = planOf({QStringLiteral("BBPC;2;09:30;45;10"), QStringLiteral("BBPR;1;08:00;45;10")});
    const Assignments places{{{1, BBPR}, {1, 7, false}}, {{2, BBPR}, {1, 3, true}},
        {{1, BBPC}, {2, 1, false}}, {{3, BBPC}, {2, 10, false}},
        // Neither a relay of the plan nor a competitor: not listed.
        {{3, BBPR}, {5, 1, false}}, {{8, BBPC}, {2, 2, false}}};

    EXPECT_EQ(startListCsv(b.match(), plan, places),
        QStringLiteral("relay;start;point;number;name;club;discipline\n"
                       "1;08:00;3;2;\"Berg; Anna\";\"\"\"Kivi\"\"\";BBPR\n"
                       "1;08:00;7;1;Ähtäri Äke;Seura;BBPR\n"
                       "2;09:30;1;1;Ähtäri Äke;Seura;BBPC\n"
                       "2;09:30;10;3;Nieminen;;BBPC\n")
            .toUtf8());
}

TEST(StartList, NoPlacesGiveTheHeadingOnly)
{
    MatchBuilder b;
    EXPECT_EQ(startListCsv(b.match(), planOf({QStringLiteral("BBPR;1;08:00;45;10")}), {}),
        QByteArray("relay;start;point;number;name;club;discipline\n"));
}

} // namespace
