// Where a printed list stands: posted as provisional, with its challenge window, or declared
// official. Kept beside the match files, by the list's caption, and changed through the session.
#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

#include <optional>

namespace marvola {

enum class ListState { None, Provisional, Official };

struct ListStatus
{
    ListState state = ListState::None;
    QDateTime postedAt; // when it was last posted as provisional
    int windowMinutes = 0; // the challenge window given at that posting
    QDateTime officialAt; // when it was declared official
    QString reason; // why it was last reopened

    QDateTime challengeUntil() const { return postedAt.addSecs(qint64(windowMinutes) * 60); }
    bool isOfficial() const { return state == ListState::Official; }
    friend bool operator==(const ListStatus &, const ListStatus &) = default;
};

// By the list's caption, as the print dialog and --lists name it; a list not held has none.
using ListStatuses = QMap<QString, ListStatus>;

// The challenge window a posting gets unless the office sets another.
constexpr int DefaultChallengeMinutes = 60;
constexpr int MaxChallengeMinutes = 7 * 24 * 60;

// The status as one line of text, for the entry log and the extras file:
// "provisional|2026-06-12T14:05:00|60|2026-...|reason"; empty for none.
QString listStatusText(const ListStatus &status);
// Reads that line; nothing when it is not one.
std::optional<ListStatus> listStatusFromText(const QString &text);

} // namespace marvola
