// The scoring stations of a match and the entries they sent, kept in the match's entry log file:
// a station is a phone or tablet on the firing line that sends results signed with its secret.
#pragma once

#include "log/EntryLog.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace marvola {

struct Station
{
    QString id; // a short token of capitals and digits, shown in the link
    QString name; // "Pistol bank 1"
    QStringList disciplines; // discipline codes it may score; empty: every discipline
    QByteArray secret; // 64 lower-case hex digits: the 32 bytes of its key
    bool revoked = false;
    qint64 lastCounter = 0; // the last counter accepted from it
    QDateTime lastContact;
    qint64 entries = 0; // entries kept from it (stored or held)
    qint64 pending = 0; // conflicts held for the office

    bool mayScore(const QString &disciplineCode) const
    {
        return disciplines.isEmpty() || disciplines.contains(disciplineCode);
    }
};

// One result as a station sent it, checked for form but not yet against the register.
struct StationEntry
{
    QString station;
    QString id; // chosen by the station: 1 to 64 letters, digits and '-'
    qint64 counter = 0;
    std::int32_t competitor = 0; // the competitor's number
    int discipline = 0; // Laji
    std::array<std::int32_t, 4> hits{}; // chicken, pig, turkey, ram
    std::int32_t total = 0;
    std::array<QString, 5> finals; // shoot-off entries
    bool finalsGiven = false;
    QByteArray shots; // the per-target marks as the station sent them (JSON), kept in the log
    QString initials;
};

namespace StationStatus {
inline const QString Stored = QStringLiteral("stored");
inline const QString Conflict = QStringLiteral("conflict"); // held for the office
inline const QString Kept = QStringLiteral("kept"); // a conflict the office kept its own result in
inline const QString Taken = QStringLiteral("taken"); // a conflict the office took the entry of
// With two matching entries required: held until a second station or the office enters the same
// values; the pair then counts ("matched"), or is flagged for the office ("disagreement").
inline const QString Awaiting = QStringLiteral("awaiting");
inline const QString Matched = QStringLiteral("matched");
inline const QString Disagreement = QStringLiteral("disagreement");
// Held for a decision: the office may keep its own result or take the station's.
inline bool isHeld(const QString &status)
{
    return status == Conflict || status == Awaiting || status == Disagreement;
}
} // namespace StationStatus

// An entry as the log keeps it, with its receipt (the number the station is given back).
struct KeptStationEntry
{
    qint64 receipt = 0;
    QDateTime time;
    QString status;
    StationEntry entry;
};

// A new station with a fresh id and a secret of 32 bytes from the system's cryptographic source,
// committed at once; nothing, with the error, when the log cannot be written or a discipline code
// is unknown.
std::optional<Station> addStation(
    EntryLog &log, const QString &name, const QStringList &disciplines, QString &error);
// False with the error when there is no such station or the log cannot be written.
bool revokeStation(EntryLog &log, const QString &id, QString &error);
QList<Station> loadStations(EntryLog &log, QString &error);
// The station as the log holds it now (revoked since? its last counter, within the transaction
// under way): id, revoked and lastCounter only; nothing when there is no such station.
std::optional<Station> storedStation(EntryLog &log, const QString &id, QString &error);

// The entry of that station with that id, when the log holds one.
std::optional<KeptStationEntry> findStationEntry(
    EntryLog &log, const QString &station, const QString &id, QString &error);
// Adds the entry and advances the station's counter and contact time within the transaction
// under way (begun when none is); the receipt, or 0 with the error.
qint64 appendStationEntry(
    EntryLog &log, const StationEntry &entry, const QString &status, QString &error);
// Advances the counter and contact time within the transaction under way.
bool recordStationContact(EntryLog &log, const QString &station, qint64 counter, QString &error);
bool setStationEntryStatus(EntryLog &log, qint64 receipt, const QString &status, QString &error);
// The newest entries first, at most `limit`.
QList<KeptStationEntry> recentStationEntries(EntryLog &log, int limit, QString &error);
std::optional<KeptStationEntry> stationEntry(EntryLog &log, qint64 receipt, QString &error);
// The entries waiting for a second one or flagged as disagreeing, oldest first: of one
// competitor in one discipline, or (competitor 0) of every competitor.
QList<KeptStationEntry> unsettledStationEntries(
    EntryLog &log, std::int32_t competitor, int discipline, QString &error);

// Whether a station's result for the competitor in the discipline counts in the register (stored,
// matched, or taken by the office): a zero is a result then, not an empty place.
bool hasCountedStationEntry(EntryLog &log, std::int32_t competitor, int discipline, QString &error);

// Whether a station entry counts only when a second station or the office enters the same values.
// Off unless the match chose it.
bool twoMatchingEntries(EntryLog &log, QString &error);
bool setTwoMatchingEntries(EntryLog &log, bool on, QString &error);

// "BBPR,BBPC" as discipline codes; nothing, with the error naming the code, when one is unknown.
std::optional<QStringList> parseDisciplineCodes(const QString &text, QString &error);

} // namespace marvola
