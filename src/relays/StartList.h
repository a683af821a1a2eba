// The start list as a CSV file: who shoots where and when.
#pragma once

#include "model/Registers.h"
#include "relays/Assignments.h"
#include "relays/RelayPlan.h"

#include <QByteArray>
#include <QList>

namespace marvola {

// UTF-8: the heading relay;start;point;number;name;club;discipline, then one line per place,
// by relay number and point. A field holding ';', a quote or a line break is
// quoted. Places in relays the plan does not have, or of numbers no competitor has, are left out.
QByteArray startListCsv(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments);

// One place of the start list, its relay and competitor found.
struct StartPlace
{
    const Relay *relay = nullptr; // in the plan the places were taken from
    int point = 0;
    int slot = 0; // the competitor's slot in the register
    std::int32_t number = 0;
    int d = 0;
};

// Every place whose relay is in the plan and whose number a competitor holds, by relay number
// and point (a point given twice keeps the order of the entries).
QList<StartPlace> startPlaces(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments);

} // namespace marvola
