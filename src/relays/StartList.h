// The start list as a CSV file: who shoots where and when.
#pragma once

#include "model/Registers.h"
#include "relays/Assignments.h"
#include "relays/RelayPlan.h"

#include <QByteArray>

namespace marvola {

// UTF-8: the heading relay;start;point;number;name;club;discipline, then one line per place,
// by relay number and point. A field holding ';', a quote or a line break is
// quoted. Places in relays the plan does not have, or of numbers no competitor has, are left out.
QByteArray startListCsv(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments);

} // namespace marvola
