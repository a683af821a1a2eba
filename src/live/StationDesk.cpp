#include "live/StationDesk.h"

#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "session/MatchSession.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>

namespace marvola {

namespace {

HeldResult resultOf(const TKilpailija &k, int d)
{
    HeldResult r;
    r.hits = {k.Kana[d], k.Sika[d], k.Kalkkuna[d], k.Passi[d]};
    r.total = k.Yhteensa[d];
    for (int i = 0; i < FinaaliCount; ++i)
        r.finals[size_t(i)] = k.f[size_t(i)][d].text();
    return r;
}

// What applying the entry writes: the counts, the total and the shoot-off entries it gives.
void takeEntry(HeldResult &r, const StationEntry &e)
{
    r.hits = e.hits;
    r.total = e.total;
    if (e.finalsGiven)
        for (int i = 0; i < FinaaliCount; ++i)
            r.finals[size_t(i)] = e.finals[size_t(i)];
}

bool hasMarks(const HeldResult &r)
{
    if (r.total != 0 || r.hits != std::array<std::int32_t, 4>{})
        return true;
    for (const QString &f : r.finals)
        if (!f.isEmpty())
            return true;
    return false;
}

// The entry would change nothing: the same counts and total, and the same shoot-off entries
// when it gives them (applying it writes them).
bool sameResult(const HeldResult &r, const StationEntry &e)
{
    if (r.hits != e.hits || r.total != e.total)
        return false;
    if (!e.finalsGiven)
        return true;
    for (int i = 0; i < FinaaliCount; ++i)
        if (r.finals[size_t(i)] != e.finals[size_t(i)])
            return false;
    return true;
}

// A resend of an entry already kept says where it stands now, so a phone that missed the first
// answer learns that its entry is held; one that counts is a duplicate.
QString resendAnswer(const QString &status)
{
    if (status == StationStatus::Conflict || status == StationStatus::Kept)
        return StationStatus::Conflict;
    if (status == StationStatus::Awaiting || status == StationStatus::Disagreement)
        return status;
    return QStringLiteral("duplicate");
}

// The slot of the competitor with that number, or 0.
int slotOfNumber(const Kilpailu &kilpailu, std::int32_t number)
{
    return kilpailu.kilpailijat.slotByNumber(number).value_or(0);
}

// Two entries of one result agree: the same counts and total, and the same shoot-off entries
// where both give them.
bool sameValues(const StationEntry &a, const StationEntry &b)
{
    return a.hits == b.hits && a.total == b.total
        && (!a.finalsGiven || !b.finalsGiven || a.finals == b.finals);
}

void applyEntry(TKilpailija &k, const StationEntry &e)
{
    const int d = e.discipline;
    k.Kana[d] = e.hits[0];
    k.Sika[d] = e.hits[1];
    k.Kalkkuna[d] = e.hits[2];
    k.Passi[d] = e.hits[3];
    k.Yhteensa[d] = e.total;
    if (e.finalsGiven)
        for (int i = 0; i < FinaaliCount; ++i)
            k.f[size_t(i)][d].setText(e.finals[size_t(i)]);
}

} // namespace

StationDesk::StationDesk(MatchSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_kilpailu(session.match())
{
    const auto read = [this] {
        QString error;
        reloadStations(error);
    };
    connect(&m_session, &MatchSession::logSwitched, this, read);
    m_stationsTimer.setInterval(StationsReadMs);
    connect(&m_stationsTimer, &QTimer::timeout, this, read);
}

LiveRouter StationDesk::router()
{
    return stationRouter(m_gate, [this](StationRequest request, LiveReply reply) {
        submit(std::move(request), std::move(reply));
    });
}

void StationDesk::submit(StationRequest request, LiveReply reply)
{
    // The server's thread hands the request over and goes on serving; the answer goes back when
    // the entry is on the disk and in the register. Requests that arrive while the desk is busy
    // wait in the queue and are taken together. Should this desk be gone first, the call is
    // dropped and the server answers 503 at its deadline.
    bool first = false;
    {
        QMutexLocker lock(&m_queueMutex);
        first = m_queue.isEmpty();
        m_queue.append({std::move(request), std::move(reply)});
    }
    if (first)
        QMetaObject::invokeMethod(this, &StationDesk::takeQueue, Qt::QueuedConnection);
}

void StationDesk::takeQueue()
{
    QList<std::pair<StationRequest, LiveReply>> taken;
    {
        QMutexLocker lock(&m_queueMutex);
        taken.swap(m_queue);
    }
    QList<StationRequest> requests;
    for (const auto &[request, reply] : taken)
        requests << request;
    const QList<LiveAnswer> answers = handleTogether(requests);
    for (qsizetype i = 0; i < taken.size(); ++i)
        taken[i].second(answers[i]);
}

bool StationDesk::logReady(QString &error)
{
    if (m_session.ensureLog())
        return true;
    error = m_session.fileName().isEmpty() ? tr("The match has no entry log: save the match first.")
                                           : cannotStoreEntries();
    return false;
}

QString StationDesk::cannotStoreEntries()
{
    return tr("The office cannot store entries: the match's entry log cannot be written.");
}

bool StationDesk::reloadStations(QString &error)
{
    if (!m_session.isLogging()) {
        m_gate.setStations({});
        // A set whose log is there but cannot be written (read-only media, a set another window
        // writes) has stations that are told so, not that they are unknown.
        const QString set = m_session.fileName();
        m_gate.setClosed(!set.isEmpty() && QFileInfo::exists(entryLogFileName(set))
                ? cannotStoreEntries()
                : QString());
        emit stationsChanged();
        return true;
    }
    const QList<Station> stations = loadStations(m_session.log(), error);
    if (!error.isEmpty())
        return false;
    m_twoMatching = marvola::twoMatchingEntries(m_session.log(), error);
    if (!error.isEmpty())
        return false;
    m_gate.setStations(stations);
    m_gate.setClosed({});
    emit stationsChanged();
    return true;
}

void StationDesk::publishDirectory()
{
    // Made after every transaction of entries, before the answers go: a whole match's lists take
    // tens of milliseconds, so only the lists whose competitors changed are made again.
    bool changed = false;
    for (int d = 0; d < LajiCount; ++d) {
        QByteArray source = stationListSource(m_kilpailu, d);
        QByteArray &known = m_directorySources[size_t(d)];
        if (!known.isNull() && known == source)
            continue;
        m_directory.insert(disciplineCode(d), stationList(m_kilpailu, d));
        known = std::move(source);
        changed = true;
    }
    if (changed)
        m_gate.setDirectory(std::make_shared<const QHash<QString, QByteArray>>(m_directory));
}

std::optional<Station> StationDesk::addStation(
    const QString &name, const QStringList &disciplines, QString &error)
{
    if (!logReady(error))
        return std::nullopt;
    m_session.commitNow();
    std::optional<Station> station = marvola::addStation(m_session.log(), name, disciplines, error);
    if (station && !reloadStations(error))
        return std::nullopt;
    return station;
}

bool StationDesk::revokeStation(const QString &id, QString &error)
{
    if (!logReady(error))
        return false;
    m_session.commitNow();
    return marvola::revokeStation(m_session.log(), id, error) && reloadStations(error);
}

QList<LiveAnswer> StationDesk::handleTogether(const QList<StationRequest> &requests)
{
    QList<LiveAnswer> answers;
    QString error;
    if (!logReady(error)) {
        for (qsizetype i = 0; i < requests.size(); ++i)
            answers << stationRefusal(503, error);
        return answers;
    }
    Kept kept;
    for (const StationRequest &request : requests)
        answers << handleOne(request, kept);
    // The register takes the entries only once their rows are on the disk. When they cannot be
    // written nothing of them is kept, and a resend is taken as new.
    if (!m_session.editOnceCommitted(editsOf(kept))) {
        for (LiveAnswer &answer : answers)
            if (answer.status == 200 || answer.status == 409)
                answer = stationRefusal(503, tr("The entry log cannot be written."));
        return answers;
    }
    for (const auto &[station, counter] : kept.counters)
        m_gate.accepted(station, counter);
    for (const auto &[entry, status] : kept.entries)
        emit entryReceived(entry, status);
    if (!kept.applications.isEmpty()) {
        publishDirectory();
        emit registerChanged();
    }
    return answers;
}

QList<MatchSession::Edit> StationDesk::editsOf(const Kept &kept)
{
    QList<MatchSession::Edit> edits;
    for (const Application &a : kept.applications)
        edits << MatchSession::Edit{
            [slot = a.slot, e = a.entry](Kilpailu &k) { applyEntry(k.kilpailijat[slot], e); },
            EditOrigin{a.source, QString()}};
    return edits;
}

HeldResult StationDesk::resultNow(int slot, int d, const Kept &kept) const
{
    HeldResult r = resultOf(m_kilpailu.kilpailijat[slot], d);
    for (const Application &a : kept.applications)
        if (a.slot == slot && a.entry.discipline == d)
            takeEntry(r, a.entry);
    return r;
}

LiveAnswer StationDesk::handleOne(const StationRequest &request, Kept &kept)
{
    // The log has the last word, read now: a station revoked by another program a moment ago is
    // refused at once, and a counter kept earlier in this transaction is the last one.
    QString error;
    const std::optional<Station> now = storedStation(m_session.log(), request.station.id, error);
    if (!error.isEmpty())
        return stationRefusal(503, error);
    if (!now || now->revoked) {
        // The gate learns it too, and refuses the station's next requests itself.
        if (const auto known = m_gate.station(request.station.id); known && !known->revoked)
            reloadStations(error);
        return stationRefusal(403, tr("This station is not known or has been revoked."));
    }
    if (request.counter <= now->lastCounter)
        return stationCounterRefusal(now->lastCounter);
    return request.kind == StationRequest::Kind::Entry ? handleEntry(request, kept)
                                                       : handleStationInfo(request, kept);
}

int StationDesk::checkAgainstRegister(const StationEntry &e, LiveAnswer &refusal) const
{
    const int slot = slotOfNumber(m_kilpailu, e.competitor);
    if (slot == 0) {
        refusal = stationRefusal(400, tr("There is no competitor %1.").arg(e.competitor));
        return 0;
    }
    const QString code = disciplineCode(e.discipline);
    if (!m_kilpailu.kilpailijat[slot].Osallistuu[e.discipline]) {
        refusal = stationRefusal(
            400, tr("Competitor %1 is not entered in %2.").arg(e.competitor).arg(code));
        return 0;
    }
    const Group group = discipline(e.discipline).group;
    const std::int32_t shots = m_kilpailu.tiedot.shotCount(group);
    if (!m_kilpailu.tiedot.isShot(group) || shots <= 0) {
        refusal = stationRefusal(400, tr("%1 is not shot in this match.").arg(code));
        return 0;
    }
    const std::int32_t perAnimal = shots / 4;
    for (const std::int32_t hits : e.hits) {
        if (hits < 0 || hits > perAnimal) {
            refusal = stationRefusal(
                400, tr("A hit count must be 0 to %1 in %2.").arg(perAnimal).arg(code));
            return 0;
        }
    }
    if (e.total < 0 || e.total > shots) {
        refusal = stationRefusal(400, tr("The total must be 0 to %1 in %2.").arg(shots).arg(code));
        return 0;
    }
    return slot;
}

LiveAnswer StationDesk::handleEntry(const StationRequest &request, Kept &kept)
{
    const StationEntry &e = request.entry;
    QString error;
    EntryLog &log = m_session.log();
    if (const auto stored = findStationEntry(log, e.station, e.id, error)) {
        if (!recordStationContact(log, e.station, request.counter, error))
            return stationRefusal(503, error);
        kept.counters << std::pair{e.station, request.counter};
        const QString answer = resendAnswer(stored->status);
        kept.entries << std::pair{*stored, answer};
        return stationReceipt(answer, stored->receipt);
    }
    if (!error.isEmpty())
        return stationRefusal(503, error);
    LiveAnswer refusal;
    const int slot = checkAgainstRegister(e, refusal);
    if (slot == 0)
        return refusal;
    // Official results stay as declared: the entry is refused before anything of it is kept, and
    // the phone keeps it to send again once the list is reopened.
    if (const QString reason = m_session.refusalOf(
            [slot, &e](Kilpailu &k) { applyEntry(k.kilpailijat[slot], e); });
        !reason.isEmpty())
        return stationOfficialRefusal(reason);
    const HeldResult now = resultNow(slot, e.discipline, kept);
    // A zero is a result in this sport: one a station stored counts as much as marks.
    const bool held
        = hasMarks(now) || hasCountedStationEntry(log, e.competitor, e.discipline, error);
    if (!error.isEmpty())
        return stationRefusal(503, error);
    QString status;
    if (held)
        status = sameResult(now, e) ? StationStatus::Stored : StationStatus::Conflict;
    else if (m_twoMatching)
        status = pairWithHeld(e, kept, error);
    else
        status = StationStatus::Stored;
    if (status.isEmpty())
        return stationRefusal(503, error);
    const qint64 receipt = appendStationEntry(log, e, status, error);
    if (receipt == 0)
        return stationRefusal(503, error);
    if (status == StationStatus::Stored || status == StationStatus::Matched)
        kept.applications << Application{slot, e, QStringLiteral("station:%1").arg(e.station)};
    // The pair counts: what else was held for this result follows the register.
    if (status == StationStatus::Matched
        && !settleHeld(e.competitor, e.discipline, StationStatus::Disagreement, kept, error))
        return stationRefusal(503, error);
    kept.counters << std::pair{e.station, request.counter};
    KeptStationEntry entry;
    entry.receipt = receipt;
    entry.time = QDateTime::currentDateTime();
    entry.status = status;
    entry.entry = e;
    kept.entries << std::pair{entry, status};
    // The station is told its entry is stored once it counts.
    return stationReceipt(
        status == StationStatus::Matched ? StationStatus::Stored : status, receipt);
}

QString StationDesk::pairWithHeld(const StationEntry &e, Kept &kept, QString &error)
{
    const QList<KeptStationEntry> held
        = unsettledStationEntries(m_session.log(), e.competitor, e.discipline, error);
    if (!error.isEmpty())
        return {};
    // Once two entries disagree nothing counts until the office keeps or takes one: a third
    // that agrees with one side joins the disagreement.
    for (const KeptStationEntry &h : held)
        if (h.status == StationStatus::Disagreement)
            return StationStatus::Disagreement;
    QList<KeptStationEntry> others;
    for (const KeptStationEntry &h : held)
        if (h.entry.station != e.station)
            others << h;
    if (others.isEmpty())
        return StationStatus::Awaiting;
    bool matched = false;
    for (const KeptStationEntry &h : others)
        matched = matched || sameValues(h.entry, e);
    // A second entry of the same values makes the pair count; the ones of other values are
    // flagged for the office either way.
    for (const KeptStationEntry &h : others) {
        const QString status = matched && sameValues(h.entry, e) ? StationStatus::Matched
                                                                 : StationStatus::Disagreement;
        if (h.status != status && !changeStatus(h, status, kept, error))
            return {};
    }
    return matched ? StationStatus::Matched : StationStatus::Disagreement;
}

bool StationDesk::changeStatus(
    const KeptStationEntry &held, const QString &status, Kept &kept, QString &error)
{
    if (!setStationEntryStatus(m_session.log(), held.receipt, status, error))
        return false;
    KeptStationEntry changed = held;
    changed.status = status;
    kept.entries << std::pair{changed, status};
    return true;
}

void StationDesk::watchStations(bool on)
{
    if (on)
        m_stationsTimer.start();
    else
        m_stationsTimer.stop();
}

LiveAnswer StationDesk::handleStationInfo(const StationRequest &request, Kept &kept)
{
    QString error;
    if (!recordStationContact(m_session.log(), request.station.id, request.counter, error))
        return stationRefusal(503, error);
    kept.counters << std::pair{request.station.id, request.counter};
    QJsonArray disciplines;
    for (int d = 0; d < LajiCount; ++d) {
        const DisciplineInfo &info = discipline(d);
        if (!m_kilpailu.tiedot.isShot(info.group) || !request.station.mayScore(disciplineCode(d)))
            continue;
        disciplines.append(QJsonObject{{QStringLiteral("code"), disciplineCode(d)},
            {QStringLiteral("name"), QString::fromLatin1(info.title)},
            {QStringLiteral("perAnimal"), m_kilpailu.tiedot.shotCount(info.group) / 4},
            {QStringLiteral("finals"), true}});
    }
    QStringList match;
    for (const QString &part : {m_kilpailu.tiedot.Seura, m_kilpailu.tiedot.Paikka})
        if (!part.trimmed().isEmpty())
            match << part.trimmed();
    const QJsonObject object{{QStringLiteral("station"), request.station.id},
        {QStringLiteral("name"), request.station.name},
        {QStringLiteral("match"), match.join(QStringLiteral(", "))},
        {QStringLiteral("disciplines"), disciplines}};
    return jsonAnswer(200, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

bool StationDesk::resolveConflict(qint64 receipt, bool takeStations, QString &error)
{
    if (!logReady(error))
        return false;
    m_session.commitNow();
    const std::optional<KeptStationEntry> held = stationEntry(m_session.log(), receipt, error);
    if (!held) {
        if (error.isEmpty())
            error = tr("There is no entry %1.").arg(receipt);
        return false;
    }
    if (!StationStatus::isHeld(held->status)) {
        error = tr("Entry %1 is not waiting for the office.").arg(receipt);
        return false;
    }
    Kept kept;
    if (takeStations) {
        LiveAnswer refusal;
        const int slot = checkAgainstRegister(held->entry, refusal);
        if (slot == 0) {
            error = QString::fromUtf8(refusal.body);
            return false;
        }
        kept.applications << Application{
            slot, held->entry, QStringLiteral("office:station %1").arg(held->entry.station)};
    }
    if (!changeStatus(
            *held, takeStations ? StationStatus::Taken : StationStatus::Kept, kept, error))
        return false;
    // The office's choice settles the other entries held for the same result.
    if (takeStations
        && !settleHeld(
            held->entry.competitor, held->entry.discipline, StationStatus::Kept, kept, error))
        return false;
    return finishSettling(kept, error);
}

bool StationDesk::setTwoMatchingEntries(bool on, QString &error)
{
    if (!logReady(error))
        return false;
    m_session.commitNow();
    if (!marvola::setTwoMatchingEntries(m_session.log(), on, error))
        return false;
    m_twoMatching = on;
    emit stationsChanged();
    return true;
}

bool StationDesk::settleWithOffice(QString &error)
{
    if (!m_session.isLogging())
        return true;
    const QList<KeptStationEntry> held = unsettledStationEntries(m_session.log(), 0, 0, error);
    if (!error.isEmpty())
        return false;
    QList<KeptStationEntry> typedByOffice;
    for (const KeptStationEntry &h : held) {
        const int slot = slotOfNumber(m_kilpailu, h.entry.competitor);
        if (h.status == StationStatus::Awaiting && slot != 0
            && hasMarks(resultOf(m_kilpailu.kilpailijat[slot], h.entry.discipline)))
            typedByOffice << h;
    }
    Kept kept;
    if (!settleAgainstRegister(typedByOffice, StationStatus::Disagreement, kept, error))
        return false;
    return kept.entries.isEmpty() || finishSettling(kept, error);
}

bool StationDesk::settleHeld(
    std::int32_t competitor, int d, const QString &differing, Kept &kept, QString &error)
{
    const QList<KeptStationEntry> held
        = unsettledStationEntries(m_session.log(), competitor, d, error);
    return error.isEmpty() && settleAgainstRegister(held, differing, kept, error);
}

bool StationDesk::settleAgainstRegister(
    const QList<KeptStationEntry> &held, const QString &differing, Kept &kept, QString &error)
{
    for (const KeptStationEntry &h : held) {
        const int slot = slotOfNumber(m_kilpailu, h.entry.competitor);
        const QString status
            = slot != 0 && sameResult(resultNow(slot, h.entry.discipline, kept), h.entry)
            ? StationStatus::Matched
            : differing;
        if (h.status != status && !changeStatus(h, status, kept, error))
            return false;
    }
    return true;
}

bool StationDesk::finishSettling(const Kept &kept, QString &error)
{
    if (!m_session.editOnceCommitted(editsOf(kept))) {
        error = tr("The entry log cannot be written.");
        return false;
    }
    for (const auto &[entry, status] : kept.entries)
        emit entryReceived(entry, status);
    QString ignored;
    reloadStations(ignored);
    if (!kept.applications.isEmpty()) {
        publishDirectory();
        emit registerChanged();
    }
    return true;
}

} // namespace marvola
