// The scoring stations' side of the results server: requests signed with a station's secret,
// checked on the server's thread, and handed to the desk that owns the match for the write.
#pragma once

#include "live/LiveRouter.h"
#include "log/StationStore.h"

#include <QHash>
#include <QMutex>

#include <chrono>
#include <functional>
#include <memory>

namespace marvola {

struct Kilpailu;

// Lower-case hex HMAC-SHA256 with the secret's 32 bytes over METHOD "\n" PATH "\n" COUNTER "\n"
// BODY; empty when the secret is not 64 hex digits.
QByteArray stationSignature(const QByteArray &secretHex, const QByteArray &method,
    const QByteArray &path, const QByteArray &counter, const QByteArray &body);

// {"status": "refused", "error": "..."} with the status given.
LiveAnswer stationRefusal(int status, const QString &error);
// 409 {"status": "official", "error": ...}: the entry would change official results.
LiveAnswer stationOfficialRefusal(const QString &reason);
// The largest counter taken: 18 nines. A station that has sent it must be paired again.
constexpr qint64 MaxStationCounter = 999'999'999'999'999'999;
// The refusal of a counter not above the station's last one, which says so when the last one
// is the largest taken.
LiveAnswer stationCounterRefusal(qint64 lastCounter);

// {"status": "stored"|"duplicate"|"conflict", "receipt": N}; 409 for a conflict, else 200.
LiveAnswer stationReceipt(const QString &status, qint64 receipt);

// A signed request that passed the gate, for the desk.
struct StationRequest
{
    enum class Kind { Entry, StationInfo };
    Kind kind = Kind::Entry;
    Station station; // as the gate knew it
    qint64 counter = 0;
    StationEntry entry; // for Kind::Entry
};

// The checks of the body's form (not of the register): nothing, with the reason, when it is
// malformed.
std::optional<StationEntry> parseStationEntry(const QByteArray &body, QString &error);

// What the server's thread knows of the stations, and the competitor lists of the page's search;
// set from the window's thread, read from the server's.
class StationGate
{
public:
    // A station's requests may come this fast on average, with this many at once (a phone that
    // has been out of reach sends its queue at once); a station beyond is answered 429.
    static constexpr double RequestsPerSecond = 10.0;
    static constexpr double RequestBurst = 60.0;

    // For a test that wants the limit reached at once.
    void setRate(double requestsPerSecond, double burst);

    void setStations(const QList<Station> &stations);
    QList<Station> stations() const;
    // The counter accepted last from the station, 0 for an unknown one.
    qint64 lastCounter(const QString &id) const;
    // Called once the desk has kept a request: its counter is now the last.
    void accepted(const QString &id, qint64 counter);
    // The office cannot store entries (its log cannot be written): every signed request is
    // answered 503 with the reason, so the phone keeps its entries; empty: open.
    void setClosed(const QString &reason);
    // The station as it is now (revoked since?), when known.
    std::optional<Station> station(const QString &id) const;

    // The signature, the station, its rate and its counter, in this order: so a request that is
    // not signed by a known station learns nothing else. The station, or the refusal.
    std::optional<StationRequest> admit(const LiveRequest &request, LiveAnswer &refusal);

    // The competitors entered in each discipline as JSON, by discipline code.
    void setDirectory(std::shared_ptr<const QHash<QString, QByteArray>> directory);
    LiveAnswer competitorsAnswer(const LiveRequest &request) const;

private:
    struct Bucket
    {
        double tokens = -1; // full at the first request
        std::chrono::steady_clock::time_point filled = std::chrono::steady_clock::now();
    };

    mutable QMutex m_mutex;
    double m_perSecond = RequestsPerSecond;
    double m_burst = RequestBurst;
    QHash<QString, Station> m_stations;
    QString m_closed;
    QHash<QString, Bucket> m_buckets;
    std::shared_ptr<const QHash<QString, QByteArray>> m_directory;
};

// The competitors.json lists of a match, by discipline code: number, name, club, class,
// whether a result is stored and, for an entry placed in a relay of the plan, its relay and
// point, for the page's search and its pick by relay and point.
QHash<QString, QByteArray> stationDirectory(const Kilpailu &kilpailu);
// One discipline's list of the directory.
QByteArray stationList(const Kilpailu &kilpailu, int d);
// Everything one discipline's list is made from, byte for byte: a list whose source is the same
// as before is the same list, and is not made again.
QByteArray stationListSource(const Kilpailu &kilpailu, int d);

// Takes a request that passed the gate and answers it (from any thread) once it is kept.
using StationHandler = std::function<void(StationRequest, LiveReply)>;

// The board's routes with the stations' API before them:
// POST /station/api/entries, GET /station/api/station.json (both signed, handed to the desk),
// GET /station/api/competitors.json?discipline=CODE (unsigned, from the gate's lists).
LiveRouter stationRouter(StationGate &gate, StationHandler handler);

} // namespace marvola
