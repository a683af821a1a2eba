// The relays with their firing points and who shoots at each: the places of the match, or of a
// trial draw before it is applied. A place that breaks a hard rule is red, with the reason.
#pragma once

#include "relays/RelayDraw.h"

#include <QTreeWidget>

#include <optional>

namespace marvola {

class RelayPlacesView : public QTreeWidget
{
    Q_OBJECT

public:
    enum Column {
        PointColumn,
        NumberColumn,
        NameColumn,
        ClubColumn,
        DisciplineColumn,
        LockColumn,
        ProblemColumn,
        ColumnCount
    };

    explicit RelayPlacesView(QWidget *parent = nullptr);

    // Shows the places relay by relay, each point on a line of its own (empty points too, so that
    // a competitor can be moved there), then the entries not placed. Keeps the line the official
    // was on. Returns how many places break a hard rule.
    int showPlaces(const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments);

    // What a line stands for: the entry on it (none on an empty point or a relay's own line), and
    // the relay and point (0 for the entries not placed).
    static std::optional<EntryKey> entryOf(const QTreeWidgetItem *item);
    static int relayOf(const QTreeWidgetItem *item);
    static int pointOf(const QTreeWidgetItem *item);

    // The line of an entry, or of a relay's point; null when none is shown.
    QTreeWidgetItem *itemOfEntry(const EntryKey &entry) const;
    QTreeWidgetItem *itemOfPoint(int relay, int point) const;

private:
    QTreeWidgetItem *addRelay(const Relay &relay, int taken);
};

} // namespace marvola
