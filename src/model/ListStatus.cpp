#include "model/ListStatus.h"

#include <QStringList>

namespace marvola {

namespace {

const QString ProvisionalWord = QStringLiteral("provisional");
const QString OfficialWord = QStringLiteral("official");

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(Qt::ISODate) : QString();
}

// An empty text is no time; anything else must be a time.
std::optional<QDateTime> timeFrom(const QString &text)
{
    if (text.isEmpty())
        return QDateTime();
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

} // namespace

QString listStatusText(const ListStatus &status)
{
    if (status.state == ListState::None && !status.postedAt.isValid() && status.reason.isEmpty())
        return {};
    const QString state = status.state == ListState::Official ? OfficialWord
        : status.state == ListState::Provisional              ? ProvisionalWord
                                                              : QStringLiteral("none");
    // The reason goes last, so that a '|' typed in it is kept.
    return QStringList{state, timeText(status.postedAt), QString::number(status.windowMinutes),
        timeText(status.officialAt), status.reason}
        .join(QLatin1Char('|'));
}

std::optional<ListStatus> listStatusFromText(const QString &text)
{
    if (text.isEmpty())
        return ListStatus{};
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() < 5)
        return std::nullopt;
    ListStatus status;
    if (parts[0] == OfficialWord)
        status.state = ListState::Official;
    else if (parts[0] == ProvisionalWord)
        status.state = ListState::Provisional;
    else if (parts[0] != QLatin1String("none"))
        return std::nullopt;
    bool ok = false;
    status.windowMinutes = parts[2].toInt(&ok);
    const std::optional<QDateTime> posted = timeFrom(parts[1]);
    const std::optional<QDateTime> official = timeFrom(parts[3]);
    if (!ok || status.windowMinutes < 0 || status.windowMinutes > MaxChallengeMinutes || !posted
        || !official)
        return std::nullopt;
    status.postedAt = *posted;
    status.officialAt = *official;
    status.reason = parts.mid(4).join(QLatin1Char('|'));
    return status;
}

} // namespace marvola
