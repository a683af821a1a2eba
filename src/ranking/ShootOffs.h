// Ties the ranking cannot decide at a place that takes a prize: the shoot-offs still to shoot.
#pragma once

#include "ranking/Tables.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace marvola {

// The places that take a prize: the first three of a discipline, and of each class within it.
constexpr int PrizePlaces = 3;

struct TiedCompetitor
{
    int row = 0; // the row of the discipline's ranking table
    std::int32_t numero = 0;
    QString nimi;
};

// Competitors of whom the ranking's own order cannot put any one first (the same total, and the
// same rams, turkeys and pigs or the same shoot-off entries), at a prize place.
struct UndecidedTie
{
    int d = 0;
    QString luokka; // the class; empty for the discipline's overall places
    // The places the tied competitors stand on, in the overall list or in their class, 1 the
    // first; the first of them takes a prize.
    int firstPlace = 0;
    int lastPlace = 0;
    std::vector<TiedCompetitor> competitors; // in ranking order

    // "3", or "2-3" when the tie spans places.
    QString places() const;
};
using UndecidedTies = std::vector<UndecidedTie>;

// The undecided ties of discipline d's table as its ranking left it (sorted, classes given):
// the overall first, then each class section in the list's order, each by place. A competitor
// with nothing entered in the discipline (no total, no hits) has not shot yet and takes part in
// no tie.
UndecidedTies undecidedTies(const TulosTaulukko &table, int d);
// Every discipline of the tables, in the order of the main window's tabs.
UndecidedTies undecidedTies(const Tulokset &tulokset);
// Every discipline ranked afresh from the registers, for a view that follows each result as it
// is stored, before the window's next refresh. The same as the tables would give after one.
UndecidedTies undecidedTies(const Kilpailu &kilpailu);

} // namespace marvola
