#include "relays/StartList.h"

#include "model/Disciplines.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace marvola {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QList<StartPlace> startPlaces(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments)
{
    QHash<std::int32_t, int> slotOf;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        if (k.Numero != 0 && !k.Nimi.isEmpty() && !slotOf.contains(k.Numero))
            slotOf.insert(k.Numero, slot);
    }
    QList<StartPlace> places;
    for (const auto &[key, seat] : assignments) {
        const Relay *relay = plan.relay(seat.relay);
        const auto slot = slotOf.constFind(key.numero);
        if (relay && slot != slotOf.cend())
            places << StartPlace{relay, seat.point, *slot, key.numero, key.d};
    }
    std::stable_sort(places.begin(), places.end(), [](const StartPlace &a, const StartPlace &b) {
        return std::pair(a.relay->number, a.point) < std::pair(b.relay->number, b.point);
    });
    return places;
}

QByteArray startListCsv(
    const Kilpailu &match, const RelayPlan &plan, const Assignments &assignments)
{
    QString text = QStringLiteral("relay;start;point;number;name;club;discipline\n");
    std::vector<const Relay *> relays;
    for (const Relay &relay : plan.relays)
        relays.push_back(&relay);
    std::sort(relays.begin(), relays.end(),
        [](const Relay *a, const Relay *b) { return a->number < b->number; });
    for (const Relay *r : relays) {
        const Relay &relay = *r;
        std::vector<std::pair<int, EntryKey>> lines;
        for (const auto &[key, seat] : assignments)
            if (seat.relay == relay.number)
                lines.push_back({seat.point, key});
        std::sort(lines.begin(), lines.end());
        for (const auto &[point, key] : lines) {
            const std::optional<int> slot = match.kilpailijat.slotByNumber(key.numero);
            if (!slot)
                continue;
            const TKilpailija &k = match.kilpailijat[*slot];
            text += QStringList{QString::number(relay.number), relay.startText(),
                        QString::number(point), QString::number(key.numero),
                        csvField(k.Nimi.text()), csvField(k.Seura.text()), disciplineCode(key.d)}
                        .join(QLatin1Char(';'))
                + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

} // namespace marvola
