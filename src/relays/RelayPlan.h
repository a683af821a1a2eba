// The relay plan's CSV form: read from a file and written back.
#pragma once

#include "model/Relays.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace marvola {

struct ParsedRelayPlan
{
    RelayPlan plan;
    // One "LINE<TAB>REASON" per malformed line; the plan is to be used only when this is empty.
    QStringList errors;
    bool ok() const { return errors.isEmpty(); }
};

// Reads the plan's CSV text (UTF-8): the heading disciplines;relay;start;minutes;points, then one
// relay a line, fields separated by ';' or ','; the disciplines in a field separated by blanks.
ParsedRelayPlan parseRelayPlan(const QByteArray &text);
// The same from a file; a file that cannot be read or is too large gives one error line.
ParsedRelayPlan readRelayPlanFile(const QString &fileName);
// The plan in the form parseRelayPlan reads, heading first, ';' separated, one line per relay.
QByteArray relayPlanCsv(const RelayPlan &plan);

} // namespace marvola
