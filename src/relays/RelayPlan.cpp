#include "relays/RelayPlan.h"

#include "model/Disciplines.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <optional>

namespace marvola {

namespace {

const QStringList HeadingFields = {QStringLiteral("disciplines"), QStringLiteral("relay"),
    QStringLiteral("start"), QStringLiteral("minutes"), QStringLiteral("points")};

QString tr(const char *text)
{
    // The context lupdate gives a tr() of this namespace, so the texts are found.
    return QCoreApplication::translate("marvola", text);
}

// A line is split on ';' when it has one, else on ','; the disciplines never hold either.
QStringList splitFields(const QString &line)
{
    const QChar separator = line.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
    QStringList fields = line.split(separator);
    for (QString &field : fields)
        field = field.trimmed();
    return fields;
}

bool isHeading(const QStringList &fields)
{
    if (fields.size() != HeadingFields.size())
        return false;
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (fields[i].compare(HeadingFields[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

// A whole number in first..last written with digits only.
std::optional<int> boundedNumber(const QString &text, int first, int last)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < first || value > last)
        return std::nullopt;
    return value;
}

// "8:00" or "08:00", a time of the day.
std::optional<int> startMinute(const QString &text)
{
    static const QRegularExpression time(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = time.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int hours = m.captured(1).toInt();
    const int minutes = m.captured(2).toInt();
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

// The relay of one line, or the reason it is not one.
std::optional<Relay> parseRelay(const QStringList &fields, QString &reason)
{
    if (fields.size() != HeadingFields.size()) {
        reason = tr("%1 fields where the heading has 5").arg(fields.size());
        return std::nullopt;
    }
    Relay relay;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList codes = fields[0].split(blanks, Qt::SkipEmptyParts);
    if (codes.isEmpty()) {
        reason = tr("no discipline");
        return std::nullopt;
    }
    for (const QString &code : codes) {
        const std::optional<int> d = disciplineOfCode(code, Qt::CaseInsensitive);
        if (!d) {
            reason = tr("unknown discipline \"%1\"").arg(code);
            return std::nullopt;
        }
        if (relay.disciplines.contains(*d)) {
            reason = tr("discipline %1 named twice").arg(disciplineCode(*d));
            return std::nullopt;
        }
        relay.disciplines << *d;
    }
    const std::optional<int> number = boundedNumber(fields[1], 1, MaxRelayNumber);
    if (!number) {
        reason = tr("relay number \"%1\" is not a whole number from 1 to %2")
                     .arg(fields[1])
                     .arg(MaxRelayNumber);
        return std::nullopt;
    }
    relay.number = *number;
    const std::optional<int> start = startMinute(fields[2]);
    if (!start) {
        reason = tr("start \"%1\" is not a time from 00:00 to 23:59").arg(fields[2]);
        return std::nullopt;
    }
    relay.startMinute = *start;
    const std::optional<int> minutes = boundedNumber(fields[3], 1, MaxRelayMinutes);
    if (!minutes) {
        reason = tr("length \"%1\" is not a number of minutes from 1 to %2")
                     .arg(fields[3])
                     .arg(MaxRelayMinutes);
        return std::nullopt;
    }
    relay.minutes = *minutes;
    const std::optional<int> points = boundedNumber(fields[4], 1, MaxRelayPoints);
    if (!points) {
        reason = tr("points \"%1\" is not a whole number from 1 to %2")
                     .arg(fields[4])
                     .arg(MaxRelayPoints);
        return std::nullopt;
    }
    relay.points = *points;
    return relay;
}

QString errorLine(int line, const QString &reason)
{
    return QStringLiteral("%1\t%2").arg(line).arg(reason);
}

} // namespace

ParsedRelayPlan parseRelayPlan(const QByteArray &text)
{
    ParsedRelayPlan parsed;
    QByteArray bytes = text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    bool headingSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const QStringList fields = splitFields(line);
        if (!headingSeen) {
            headingSeen = true;
            if (!isHeading(fields))
                parsed.errors << errorLine(lineNumber,
                    tr("the first line must be the heading "
                       "disciplines;relay;start;minutes;points"));
            continue;
        }
        QString reason;
        const std::optional<Relay> relay = parseRelay(fields, reason);
        if (!relay) {
            parsed.errors << errorLine(lineNumber, reason);
            continue;
        }
        if (parsed.plan.relay(relay->number)) {
            parsed.errors << errorLine(
                lineNumber, tr("relay %1 is already in the plan").arg(relay->number));
            continue;
        }
        parsed.plan.relays << *relay;
    }
    if (!headingSeen)
        parsed.errors << errorLine(1, tr("the plan is empty: no heading line"));
    return parsed;
}

ParsedRelayPlan readRelayPlanFile(const QString &fileName)
{
    QFile file(fileName);
    ParsedRelayPlan failed;
    if (!file.open(QIODevice::ReadOnly)) {
        failed.errors << errorLine(0, tr("cannot read %1: %2").arg(fileName, file.errorString()));
        return failed;
    }
    const QByteArray bytes = file.read(MaxRelayPlanBytes + 1);
    if (bytes.size() > MaxRelayPlanBytes) {
        failed.errors << errorLine(0,
            tr("%1 is larger than %2 bytes: not a relay plan")
                .arg(fileName)
                .arg(MaxRelayPlanBytes));
        return failed;
    }
    return parseRelayPlan(bytes);
}

QByteArray relayPlanCsv(const RelayPlan &plan)
{
    QString text = HeadingFields.join(QLatin1Char(';')) + QLatin1Char('\n');
    for (const Relay &r : plan.relays)
        text += QStringLiteral("%1;%2;%3;%4;%5\n")
                    .arg(r.disciplinesText())
                    .arg(r.number)
                    .arg(r.startText())
                    .arg(r.minutes)
                    .arg(r.points);
    return text.toUtf8();
}

} // namespace marvola
