// The match's end of the scoring stations: takes the requests the gate let through, on the
// window's thread, checks them against the register, keeps them in the entry log and applies the
// stored ones to the register before they are answered.
#pragma once

#include "live/StationApi.h"
#include "model/Disciplines.h"
#include "model/Records.h"
#include "session/MatchSession.h"

#include <QMutex>
#include <QObject>
#include <QTimer>

#include <array>

namespace marvola {

// A competitor's result in one discipline as the register holds it, or will once the entries
// before it are on the disk.
struct HeldResult
{
    std::array<std::int32_t, 4> hits{};
    std::int32_t total = 0;
    std::array<QString, FinaaliCount> finals;
};

class StationDesk : public QObject
{
    Q_OBJECT

public:
    explicit StationDesk(MatchSession &session, QObject *parent = nullptr);

    StationGate &gate() { return m_gate; }
    MatchSession &session() { return m_session; }
    // The board's routes with the stations' API, answered by this desk.
    LiveRouter router();

    // From any thread: the request is taken on this object's thread, and answered from there.
    void submit(StationRequest request, LiveReply reply);

    // Reads the stations from the match's entry log (after an open, an add, a revoke) and the
    // competitor lists from the register.
    bool reloadStations(QString &error);
    void publishDirectory();
    // While the stations are served: stations added or revoked by `--add-station` or
    // `--revoke-station` in another process are read again every few seconds.
    void watchStations(bool on);

    // The stations' part of the window: a new station, committed at once.
    std::optional<Station> addStation(
        const QString &name, const QStringList &disciplines, QString &error);
    bool revokeStation(const QString &id, QString &error);
    // A held entry (a conflict, a disagreement, one awaiting its second): take the station's
    // result into the register, or keep the register's.
    bool resolveConflict(qint64 receipt, bool takeStations, QString &error);

    // The match's choice: a station entry counts only when a second station or the office enters
    // the same values. Kept in the entry log; read again with the stations.
    bool twoMatchingEntries() const { return m_twoMatching; }
    bool setTwoMatchingEntries(bool on, QString &error);
    // The office typed results: the entries awaiting a second one that the register now holds
    // the same values of count; those it holds other values of are flagged.
    bool settleWithOffice(QString &error);

    // The work itself, on this object's thread; public for the tests. The requests that came
    // together are kept in one transaction: one write to the disk for all of them.
    QList<LiveAnswer> handleTogether(const QList<StationRequest> &requests);
    LiveAnswer handle(const StationRequest &request) { return handleTogether({request}).first(); }

signals:
    // An entry was kept (stored, duplicate or held as a conflict).
    void entryReceived(const KeptStationEntry &entry, const QString &answer);
    // The register changed: the tabs and the board follow.
    void registerChanged();
    void stationsChanged();

private:
    // An entry the register takes once the transaction is on the disk.
    struct Application
    {
        int slot = 0;
        StationEntry entry;
        QString source;
    };
    // What the transaction under way holds for the register, the gate and the window: applied,
    // accepted and announced once it is on the disk, dropped when it cannot be written.
    struct Kept
    {
        QList<std::pair<KeptStationEntry, QString>> entries;
        QList<Application> applications;
        QList<std::pair<QString, qint64>> counters; // each station's counter accepted
    };
    static QList<MatchSession::Edit> editsOf(const Kept &kept);
    static QString cannotStoreEntries();
    // The result with the entries of the transaction under way taken in.
    HeldResult resultNow(int slot, int discipline, const Kept &kept) const;
    void takeQueue();
    LiveAnswer handleOne(const StationRequest &request, Kept &kept);
    LiveAnswer handleEntry(const StationRequest &request, Kept &kept);
    LiveAnswer handleStationInfo(const StationRequest &request, Kept &kept);
    // The register's checks: the competitor's slot, or 0 with the refusal.
    int checkAgainstRegister(const StationEntry &entry, LiveAnswer &refusal) const;
    // With two matching entries required and no result in the register: the status of a new
    // entry against the ones of other stations held for the same result, which follow it.
    QString pairWithHeld(const StationEntry &entry, Kept &kept, QString &error);
    bool changeStatus(
        const KeptStationEntry &held, const QString &status, Kept &kept, QString &error);
    // The entries held for one result, once the register holds it: the same values count, the
    // others get the status `differing`.
    bool settleHeld(std::int32_t competitor, int discipline, const QString &differing, Kept &kept,
        QString &error);
    // Each entry against the register's result: the same values count, the others get `differing`.
    bool settleAgainstRegister(
        const QList<KeptStationEntry> &held, const QString &differing, Kept &kept, QString &error);
    // Commits the settling, applies what it takes and announces it.
    bool finishSettling(const Kept &kept, QString &error);
    bool logReady(QString &error);

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    StationGate m_gate;
    // How often the stations are read again while they are served (watchStations).
    static constexpr int StationsReadMs = 5000;
    QTimer m_stationsTimer;
    bool m_twoMatching = false;
    // The stations' competitor lists as published, and what each was made from.
    QHash<QString, QByteArray> m_directory;
    std::array<QByteArray, LajiCount> m_directorySources;
    QMutex m_queueMutex;
    QList<std::pair<StationRequest, LiveReply>> m_queue; // handed over, not yet taken
};

} // namespace marvola
