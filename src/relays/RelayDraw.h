// The draw of the entries into relays and firing points, and the check of any set of places
// against the rules a draw never breaks.
#pragma once

#include "model/Registers.h"
#include "relays/Assignments.h"
#include "relays/RelayPlan.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace marvola {

// Why an entry was left out of a draw.
enum class LeftOutReason {
    NoRelay, // no relay of the plan shoots the discipline
    Full, // every relay of the discipline is full
    Overlap, // every relay with a free point overlaps another relay of the competitor
    SharedGun, // ... or a relay of someone who shares the competitor's gun
    NumberTwice, // two competitors carry the number, so their places cannot be told apart
};

struct LeftOutEntry
{
    EntryKey entry;
    LeftOutReason why = LeftOutReason::NoRelay;
    QString reason; // for the official, in the program's language

    friend bool operator==(const LeftOutEntry &, const LeftOutEntry &) = default;
};

struct DrawResult
{
    Assignments assignments;
    QList<LeftOutEntry> leftOut; // ordered by number and discipline

    friend bool operator==(const DrawResult &, const DrawResult &) = default;
};

// Puts every entered discipline of every competitor into a relay of that discipline and a firing
// point. The locked places of current stay as they are (those of entries no longer in the match
// are dropped); everything else is drawn again. Hard rules, never broken by the draw: a relay
// holds no more competitors than its points, one per point; a relay shoots only its disciplines;
// a competitor is never in two relays whose times overlap, nor are two competitors who share a
// gun. Then, in this order: members of one club or one team are spread over the discipline's
// relays; a left-handed competitor gets the highest-numbered free point of the relay; the empty
// points are spread evenly, over the relays and within each. The same seed and the same match
// and plan give the same draw.
DrawResult drawRelays(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &current, std::uint64_t seed);

enum class HardRule {
    NotEntered, // no competitor with the number is entered in the discipline
    UnknownRelay,
    WrongDiscipline, // the relay does not shoot the discipline
    PointOutsideRelay, // the point is not one of the relay's
    PointTaken, // two entries at one point of one relay
    OverlappingRelays, // the competitor is in two relays whose times overlap
    SharedGun, // two competitors who share a gun are in relays whose times overlap
};

struct RuleBreach
{
    EntryKey entry;
    HardRule rule = HardRule::NotEntered;
    QString reason;

    friend bool operator==(const RuleBreach &, const RuleBreach &) = default;
};

// Every hard rule each place breaks, ordered by entry; a breach between two entries is listed
// for both. Empty when the places keep every hard rule.
QList<RuleBreach> hardRuleBreaches(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments);

// The competitor numbers a competitor shares a gun with, both ways: those the slot's "shares gun
// with" names (member numbers first, else competitor numbers) and those who name the slot.
// Names that match nobody are passed over.
QList<std::int32_t> gunPartners(const Kilpailu &match, int slot);

} // namespace marvola
