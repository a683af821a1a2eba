#include "ui/RelayPlacesView.h"

#include "model/Disciplines.h"

#include <QBrush>
#include <QHeaderView>
#include <QTime>

#include <map>

namespace marvola {

namespace {

constexpr int NumeroRole = Qt::UserRole;
constexpr int DisciplineRole = Qt::UserRole + 1; // -1 on a line without an entry
constexpr int RelayRole = Qt::UserRole + 2;
constexpr int PointRole = Qt::UserRole + 3;

const QColor BreachColor(0xb2, 0x22, 0x22);

// Which line is which across a refresh: the entry, else the relay and point.
QString lineKey(const QTreeWidgetItem *item)
{
    if (const auto entry = RelayPlacesView::entryOf(item))
        return QStringLiteral("e%1/%2").arg(entry->numero).arg(entry->d);
    return QStringLiteral("p%1/%2")
        .arg(RelayPlacesView::relayOf(item))
        .arg(RelayPlacesView::pointOf(item));
}

void setPlace(QTreeWidgetItem *item, int relay, int point)
{
    item->setData(0, RelayRole, relay);
    item->setData(0, PointRole, point);
    item->setData(0, DisciplineRole, -1);
}

} // namespace

RelayPlacesView::RelayPlacesView(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(ColumnCount);
    setHeaderLabels({tr("Point"), tr("Number"), tr("Name"), tr("Club"), tr("Discipline"),
        tr("Locked"), tr("Breaks a rule")});
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
}

std::optional<EntryKey> RelayPlacesView::entryOf(const QTreeWidgetItem *item)
{
    if (!item || !item->data(0, DisciplineRole).isValid()
        || item->data(0, DisciplineRole).toInt() < 0)
        return std::nullopt;
    return EntryKey{item->data(0, NumeroRole).toInt(), item->data(0, DisciplineRole).toInt()};
}

int RelayPlacesView::relayOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, RelayRole).toInt() : 0;
}

int RelayPlacesView::pointOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, PointRole).toInt() : 0;
}

QTreeWidgetItem *RelayPlacesView::itemOfEntry(const EntryKey &entry) const
{
    for (QTreeWidgetItemIterator it(const_cast<RelayPlacesView *>(this)); *it; ++it)
        if (entryOf(*it) == entry)
            return *it;
    return nullptr;
}

QTreeWidgetItem *RelayPlacesView::itemOfPoint(int relay, int point) const
{
    for (QTreeWidgetItemIterator it(const_cast<RelayPlacesView *>(this)); *it; ++it)
        if ((*it)->parent() && relayOf(*it) == relay && pointOf(*it) == point)
            return *it;
    return nullptr;
}

QTreeWidgetItem *RelayPlacesView::addRelay(const Relay &relay, int taken)
{
    auto *line = new QTreeWidgetItem(this);
    const QString end
        = QTime(0, 0).addSecs(relay.endMinute() * 60).toString(QStringLiteral("HH:mm"));
    line->setText(0,
        tr("Relay %1   %2-%3   %4   %5/%6 points taken")
            .arg(relay.number)
            .arg(relay.startText(), end, relay.disciplinesText())
            .arg(taken)
            .arg(relay.points));
    line->setFirstColumnSpanned(true);
    setPlace(line, relay.number, 0);
    QFont bold = line->font(0);
    bold.setBold(true);
    line->setFont(0, bold);
    return line;
}

int RelayPlacesView::showPlaces(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments)
{
    const QString currentKey = currentItem() ? lineKey(currentItem()) : QString();
    std::map<EntryKey, QStringList> reasons;
    for (const RuleBreach &breach : hardRuleBreaches(match, plan, assignments))
        reasons[breach.entry] << breach.reason;

    // The places of each relay, by point.
    std::map<int, std::multimap<int, EntryKey>> byRelay;
    for (const auto &[entry, seat] : assignments)
        byRelay[seat.relay].emplace(seat.point, entry);

    const auto addEntry = [&](QTreeWidgetItem *parent, const EntryKey &entry, const Seat *seat) {
        auto *line = new QTreeWidgetItem(parent);
        setPlace(line, seat ? seat->relay : 0, seat ? seat->point : 0);
        line->setData(0, NumeroRole, entry.numero);
        line->setData(0, DisciplineRole, entry.d);
        if (seat)
            line->setText(PointColumn, QString::number(seat->point));
        line->setText(NumberColumn, QString::number(entry.numero));
        if (const auto slot = match.kilpailijat.slotByNumber(entry.numero)) {
            line->setText(NameColumn, match.kilpailijat[*slot].Nimi.text());
            line->setText(ClubColumn, match.kilpailijat[*slot].Seura.text());
        }
        line->setText(DisciplineColumn, disciplineCode(entry.d));
        if (seat && seat->locked)
            line->setText(LockColumn, tr("locked"));
        const auto found = reasons.find(entry);
        if (found != reasons.end()) {
            const QString why = found->second.join(QStringLiteral("; "));
            line->setText(ProblemColumn, why);
            for (int column = 0; column < ColumnCount; ++column) {
                line->setForeground(column, BreachColor);
                line->setToolTip(column, why);
            }
        }
    };

    clear();
    for (const Relay &relay : plan.relays) {
        const auto &places = byRelay[relay.number];
        QTreeWidgetItem *relayLine = addRelay(relay, static_cast<int>(places.size()));
        for (int point = 1; point <= relay.points; ++point) {
            const auto [first, last] = places.equal_range(point);
            if (first == last) {
                auto *empty = new QTreeWidgetItem(relayLine);
                setPlace(empty, relay.number, point);
                empty->setText(PointColumn, QString::number(point));
            }
            for (auto it = first; it != last; ++it)
                addEntry(relayLine, it->second, &assignments.at(it->second));
        }
        // Points the relay does not have: shown after its own, in red.
        for (const auto &[point, entry] : places)
            if (point < 1 || point > relay.points)
                addEntry(relayLine, entry, &assignments.at(entry));
    }
    for (const auto &[number, places] : byRelay) {
        if (plan.relay(number) || places.empty())
            continue;
        auto *line = new QTreeWidgetItem(this, {tr("Relay %1 is not in the plan").arg(number)});
        line->setFirstColumnSpanned(true);
        setPlace(line, number, 0);
        for (const auto &[point, entry] : places)
            addEntry(line, entry, &assignments.at(entry));
    }
    QTreeWidgetItem *notPlaced = nullptr;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        for (int d = 0; d < LajiCount; ++d) {
            if (!k.Osallistuu[d] || assignments.contains(EntryKey{k.Numero, d}))
                continue;
            if (!notPlaced) {
                notPlaced = new QTreeWidgetItem(this, {tr("Not placed")});
                notPlaced->setFirstColumnSpanned(true);
                setPlace(notPlaced, 0, 0);
            }
            addEntry(notPlaced, EntryKey{k.Numero, d}, nullptr);
        }
    }
    expandAll();
    for (int column = 0; column + 1 < ColumnCount; ++column)
        if (column != PointColumn)
            resizeColumnToContents(column);
    setColumnWidth(PointColumn, fontMetrics().horizontalAdvance(QStringLiteral("00000000")));

    QTreeWidgetItem *keep = nullptr;
    for (QTreeWidgetItemIterator it(this); *it && !keep; ++it)
        if (!currentKey.isEmpty() && lineKey(*it) == currentKey)
            keep = *it;
    if (!keep && topLevelItemCount() > 0)
        keep = topLevelItem(0);
    if (keep)
        setCurrentItem(keep);
    return static_cast<int>(reasons.size());
}

} // namespace marvola
