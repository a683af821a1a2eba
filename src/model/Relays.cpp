#include "model/Relays.h"

#include "model/Disciplines.h"

#include <QStringList>

#include <optional>

namespace marvola {

QString Relay::disciplinesText() const
{
    QStringList codes;
    for (const int d : disciplines)
        codes << disciplineCode(d);
    return codes.join(QLatin1Char(' '));
}

QString Relay::startText() const
{
    return QStringLiteral("%1:%2")
        .arg(startMinute / 60, 2, 10, QLatin1Char('0'))
        .arg(startMinute % 60, 2, 10, QLatin1Char('0'));
}

const Relay *RelayPlan::relay(int number) const
{
    for (const Relay &r : relays)
        if (r.number == number)
            return &r;
    return nullptr;
}

namespace {

std::optional<int> numberIn(const QString &text, int first, int last)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < first || value > last || text.isEmpty() || !text.front().isDigit())
        return std::nullopt;
    return value;
}

} // namespace

QString relayLine(const Relay &relay)
{
    return QStringLiteral("%1;%2;%3;%4;%5")
        .arg(relay.disciplinesText())
        .arg(relay.number)
        .arg(relay.startText())
        .arg(relay.minutes)
        .arg(relay.points);
}

std::optional<Relay> relayFromLine(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char(';'));
    if (fields.size() != 5)
        return std::nullopt;
    Relay relay;
    for (const QString &code : fields[0].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const std::optional<int> d = disciplineOfCode(code);
        if (!d || relay.disciplines.contains(*d))
            return std::nullopt;
        relay.disciplines << *d;
    }
    const QStringList clock = fields[2].split(QLatin1Char(':'));
    const auto number = numberIn(fields[1], 1, MaxRelayNumber);
    const auto hours = clock.size() == 2 ? numberIn(clock[0], 0, 23) : std::nullopt;
    const auto minutesPast = clock.size() == 2 ? numberIn(clock[1], 0, 59) : std::nullopt;
    const auto minutes = numberIn(fields[3], 1, MaxRelayMinutes);
    const auto points = numberIn(fields[4], 1, MaxRelayPoints);
    if (relay.disciplines.isEmpty() || !number || !hours || !minutesPast || !minutes || !points)
        return std::nullopt;
    relay.number = *number;
    relay.startMinute = *hours * 60 + *minutesPast;
    relay.minutes = *minutes;
    relay.points = *points;
    return relay;
}

QString seatText(const Seat &seat)
{
    QString text = QStringLiteral("%1/%2").arg(seat.relay).arg(seat.point);
    if (seat.locked)
        text += QStringLiteral("/locked");
    return text;
}

std::optional<Seat> seatFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.size() > 3
        || (parts.size() == 3 && parts[2] != QLatin1String("locked")))
        return std::nullopt;
    const auto relay = numberIn(parts[0], 1, MaxRelayNumber);
    const auto point = numberIn(parts[1], 1, MaxRelayPoints);
    if (!relay || !point)
        return std::nullopt;
    return Seat{*relay, *point, parts.size() == 3};
}

} // namespace marvola
