// The relay plan: which disciplines each relay shoots, when, for how long and from how many
// firing points; read from and written to its CSV form.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace marvola {

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

// Bounds of a plan file, so that a wrong file given by mistake is refused quickly.
constexpr qint64 MaxRelayPlanBytes = 1024 * 1024;
constexpr int MaxRelayNumber = 9999;
constexpr int MaxRelayPoints = 500; // no relay can hold more than the competitor register
constexpr int MaxRelayMinutes = 24 * 60;

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
