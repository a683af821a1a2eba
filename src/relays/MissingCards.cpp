#include "relays/MissingCards.h"

#include "model/Disciplines.h"

#include <algorithm>

namespace marvola {

bool hasResultIn(const TKilpailija &k, int d)
{
    if (k.Yhteensa[d] != 0)
        return true;
    for (const TargetInfo &target : Targets)
        if (k.hits(target.target, d) != 0)
            return true;
    for (const PerLaji<Str2> &entry : k.f)
        if (!entry[d].text().trimmed().isEmpty())
            return true;
    return false;
}

QList<MissingCard> cardsNotReturned(const Kilpailu &match, int nowMinute)
{
    QList<MissingCard> missing;
    for (const auto &[entry, seat] : match.assignments) {
        const Relay *relay = match.relayPlan.relay(seat.relay);
        if (!relay || relay->endMinute() > nowMinute || !relay->shoots(entry.d))
            continue;
        const std::optional<int> slot = match.kilpailijat.slotByNumber(entry.numero);
        if (slot && !hasResultIn(match.kilpailijat[*slot], entry.d))
            missing << MissingCard{seat.relay, seat.point, entry.numero, entry.d};
    }
    std::sort(missing.begin(), missing.end(), [](const MissingCard &a, const MissingCard &b) {
        return std::tie(a.relay, a.point, a.d) < std::tie(b.relay, b.point, b.d);
    });
    return missing;
}

} // namespace marvola
