// The score cards not yet back: entries of relays that have ended with no result in the relay's
// discipline.
#pragma once

#include "model/Registers.h"

#include <QList>

namespace marvola {

struct MissingCard
{
    int relay = 0;
    int point = 0;
    std::int32_t number = 0;
    int d = 0;

    friend bool operator==(const MissingCard &, const MissingCard &) = default;
};

// Whether the competitor has a result in the discipline: a hit, a total or a shoot-off entry.
bool hasResultIn(const TKilpailija &k, int d);

// For each relay of the match's plan whose end (its start time plus its length, in minutes after
// midnight of the match day) is at or before nowMinute, the entries placed in it whose competitor
// has no result in the entry's discipline; by relay, then point. Places of numbers no competitor
// holds are left out.
QList<MissingCard> cardsNotReturned(const Kilpailu &match, int nowMinute);

} // namespace marvola
