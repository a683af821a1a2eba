// Where each entry shoots: a competitor's discipline put into a relay and a firing point.
#pragma once

#include <compare>
#include <cstdint>
#include <map>

namespace marvola {

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

} // namespace marvola
