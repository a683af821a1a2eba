// The relays of a match and where each entry shoots: the plan (which disciplines each relay
// shoots, when, for how long, from how many firing points) and each competitor's discipline put
// into a relay and a firing point. Kept beside the match files and changed through the session
// like every other field.
#pragma once

#include <QList>
#include <QString>

#include <compare>
#include <cstdint>
#include <map>
#include <optional>

namespace marvola {

// Bounds of a plan file, so that a wrong file given by mistake is refused quickly.
constexpr qint64 MaxRelayPlanBytes = 1024 * 1024;
constexpr int MaxRelayNumber = 9999;
constexpr int MaxRelayPoints = 500; // no relay can hold more than the competitor register
constexpr int MaxRelayMinutes = 24 * 60;

struct Relay
{
    int number = 0;
    QList<int> disciplines; // discipline indices d, in the order the plan names them
    int startMinute = 0; // minutes after midnight: 08:00 is 480
    int minutes = 0; // length
    int points = 0; // firing points, numbered 1..points

    int endMinute() const { return startMinute + minutes; }
    bool shoots(int d) const { return disciplines.contains(d); }
    // Two relays overlap when one starts before the other has ended; a relay overlaps itself.
    bool overlaps(const Relay &other) const
    {
        return startMinute < other.endMinute() && other.startMinute < endMinute();
    }
    // The stable text of each field, as the plan file holds it: "BBPR BBPC", "08:00".
    QString disciplinesText() const;
    QString startText() const;

    friend bool operator==(const Relay &, const Relay &) = default;
};

struct RelayPlan
{
    QList<Relay> relays; // in the order of the plan file

    // The relay with that number, or null.
    const Relay *relay(int number) const;

    friend bool operator==(const RelayPlan &, const RelayPlan &) = default;
};

// One entry: a competitor (by number) in one discipline (index d).
struct EntryKey
{
    std::int32_t numero = 0;
    int d = 0;

    friend auto operator<=>(const EntryKey &, const EntryKey &) = default;
};

struct Seat
{
    int relay = 0; // the relay's number
    int point = 0; // firing point, from 1
    bool locked = false; // put there by the official; a draw leaves it

    friend bool operator==(const Seat &, const Seat &) = default;
};

// Ordered by number, then discipline, so that two sets compare and list the same way.
using Assignments = std::map<EntryKey, Seat>;

// A relay as one line of the plan file: "BBPR BBPC;1;08:00;45;20", for the entry log and the
// extras file; read back by relayFromLine (nothing when the line is not one).
QString relayLine(const Relay &relay);
std::optional<Relay> relayFromLine(const QString &line);

// A place as "relay/point", with "/locked" when the official locked it; empty for none.
QString seatText(const Seat &seat);
std::optional<Seat> seatFromText(const QString &text);

} // namespace marvola
