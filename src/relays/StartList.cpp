#include "relays/StartList.h"

#include "model/Disciplines.h"

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
