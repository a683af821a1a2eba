#include "log/StationStore.h"

#include "model/Disciplines.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

namespace marvola {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
// Capitals and digits without the look-alikes 0/O and 1/I, so an id read aloud is unambiguous.
const char IdAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
constexpr int IdLength = 6;
constexpr int SecretBytes = 32;

bool queryFailed(const QSqlQuery &q, const QString &logName, QString &error)
{
    error = QCoreApplication::translate("StationStore", "The entry log %1 cannot be written: %2")
                .arg(logName, q.lastError().text());
    return false;
}

QString newStationId()
{
    QString id;
    QRandomGenerator *random = QRandomGenerator::system();
    for (int i = 0; i < IdLength; ++i)
        id += QLatin1Char(IdAlphabet[random->bounded(int(sizeof IdAlphabet - 1))]);
    return id;
}

// QRandomGenerator::system() reads the operating system's cryptographic source.
QByteArray newSecret()
{
    QByteArray bytes(SecretBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return bytes.toHex();
}

// The columns refuse NULL, which an empty QString may be bound as.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString finalsText(const std::array<QString, 5> &finals)
{
    QJsonArray array;
    for (const QString &f : finals)
        array.append(f);
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::array<QString, 5> finalsFrom(const QString &text)
{
    std::array<QString, 5> finals;
    const QJsonArray array = QJsonDocument::fromJson(text.toUtf8()).array();
    for (int i = 0; i < 5 && i < array.size(); ++i)
        finals[i] = array[i].toString();
    return finals;
}

const QString EntryColumns = QStringLiteral(
    "receipt, time, status, station, entry_id, counter, number, discipline, chicken, pig, turkey, "
    "ram, total, finals, shots, initials");

KeptStationEntry keptFrom(const QSqlQuery &q)
{
    KeptStationEntry kept;
    kept.receipt = q.value(0).toLongLong();
    kept.time = QDateTime::fromString(q.value(1).toString(), TimeFormat);
    kept.status = q.value(2).toString();
    StationEntry &e = kept.entry;
    e.station = q.value(3).toString();
    e.id = q.value(4).toString();
    e.counter = q.value(5).toLongLong();
    e.competitor = q.value(6).toInt();
    const QString code = q.value(7).toString();
    for (int d = 0; d < LajiCount; ++d)
        if (disciplineCode(d) == code)
            e.discipline = d;
    for (int t = 0; t < 4; ++t)
        e.hits[t] = q.value(8 + t).toInt();
    e.total = q.value(12).toInt();
    e.finals = finalsFrom(q.value(13).toString());
    e.shots = q.value(14).toString().toUtf8();
    e.initials = q.value(15).toString();
    return kept;
}

} // namespace

std::optional<QStringList> parseDisciplineCodes(const QString &text, QString &error)
{
    QStringList codes;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString wanted = part.trimmed().toUpper();
        bool known = false;
        for (int d = 0; d < LajiCount; ++d)
            known = known || disciplineCode(d) == wanted;
        if (!known) {
            error = QCoreApplication::translate("StationStore", "%1 is not a discipline code.")
                        .arg(part.trimmed());
            return std::nullopt;
        }
        if (!codes.contains(wanted))
            codes << wanted;
    }
    return codes;
}

std::optional<Station> addStation(
    EntryLog &log, const QString &name, const QStringList &disciplines, QString &error)
{
    const std::optional<QStringList> codes
        = parseDisciplineCodes(disciplines.join(QLatin1Char(',')), error);
    if (!codes)
        return std::nullopt;
    if (name.trimmed().isEmpty()) {
        error = QCoreApplication::translate("StationStore", "A station needs a name.");
        return std::nullopt;
    }
    Station station;
    station.name = name.trimmed();
    station.disciplines = *codes;
    station.secret = newSecret();
    if (!log.commit(error) || !log.begin(error))
        return std::nullopt;
    QSqlQuery q(log.database());
    // An id already taken is drawn again; with 32^6 ids that is rare.
    for (int attempt = 0; attempt < 20; ++attempt) {
        station.id = newStationId();
        q.prepare(QStringLiteral("INSERT OR IGNORE INTO stations (id, name, disciplines, secret, "
                                 "added) VALUES (?, ?, ?, ?, ?)"));
        q.addBindValue(station.id);
        q.addBindValue(station.name);
        // OR IGNORE would also pass over a NULL: the empty list is bound as ''.
        q.addBindValue(QStringLiteral("%1").arg(station.disciplines.join(QLatin1Char(','))));
        q.addBindValue(QString::fromLatin1(station.secret));
        q.addBindValue(QDateTime::currentDateTime().toString(TimeFormat));
        if (!q.exec()) {
            queryFailed(q, log.fileName(), error);
            QString ignored;
            log.commit(ignored);
            return std::nullopt;
        }
        if (q.numRowsAffected() == 1)
            return log.commit(error) ? std::optional(station) : std::nullopt;
    }
    error = QCoreApplication::translate("StationStore", "No free station id was found.");
    log.commit(error);
    return std::nullopt;
}

bool revokeStation(EntryLog &log, const QString &id, QString &error)
{
    if (!log.begin(error))
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("UPDATE stations SET revoked = 1 WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return queryFailed(q, log.fileName(), error);
    if (q.numRowsAffected() != 1) {
        error = QCoreApplication::translate("StationStore", "There is no station %1.").arg(id);
        log.commit(error);
        return false;
    }
    return log.commit(error);
}

QList<Station> loadStations(EntryLog &log, QString &error)
{
    QList<Station> stations;
    QSqlQuery q(log.database());
    if (!q.exec(QStringLiteral(
            "SELECT s.id, s.name, s.disciplines, s.secret, s.revoked, s.last_counter, "
            "s.last_contact, (SELECT count(*) FROM station_entries e WHERE e.station = s.id), "
            "(SELECT count(*) FROM station_entries e WHERE e.station = s.id "
            "AND e.status IN ('conflict', 'awaiting', 'disagreement')) "
            "FROM stations s ORDER BY s.added, s.id"))) {
        queryFailed(q, log.fileName(), error);
        return stations;
    }
    while (q.next()) {
        Station s;
        s.id = q.value(0).toString();
        s.name = q.value(1).toString();
        s.disciplines = q.value(2).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
        s.secret = q.value(3).toString().toLatin1();
        s.revoked = q.value(4).toBool();
        s.lastCounter = q.value(5).toLongLong();
        s.lastContact = QDateTime::fromString(q.value(6).toString(), TimeFormat);
        s.entries = q.value(7).toLongLong();
        s.pending = q.value(8).toLongLong();
        stations << s;
    }
    return stations;
}

std::optional<Station> storedStation(EntryLog &log, const QString &id, QString &error)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("SELECT revoked, last_counter FROM stations WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    Station station;
    station.id = id;
    station.revoked = q.value(0).toBool();
    station.lastCounter = q.value(1).toLongLong();
    return station;
}

std::optional<KeptStationEntry> findStationEntry(
    EntryLog &log, const QString &station, const QString &id, QString &error)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("SELECT %1 FROM station_entries WHERE station = ? AND entry_id = ?")
                  .arg(EntryColumns));
    q.addBindValue(station);
    q.addBindValue(id);
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return keptFrom(q);
}

bool recordStationContact(EntryLog &log, const QString &station, qint64 counter, QString &error)
{
    if (!log.begin(error))
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("UPDATE stations SET last_counter = max(last_counter, ?), "
                             "last_contact = ? WHERE id = ?"));
    q.addBindValue(counter);
    q.addBindValue(QDateTime::currentDateTime().toString(TimeFormat));
    q.addBindValue(station);
    return q.exec() || queryFailed(q, log.fileName(), error);
}

qint64 appendStationEntry(
    EntryLog &log, const StationEntry &e, const QString &status, QString &error)
{
    if (!recordStationContact(log, e.station, e.counter, error))
        return 0;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral(
        "INSERT INTO station_entries (time, status, station, entry_id, counter, number, "
        "discipline, chicken, pig, turkey, ram, total, finals, shots, initials) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(QDateTime::currentDateTime().toString(TimeFormat));
    q.addBindValue(status);
    q.addBindValue(notNull(e.station));
    q.addBindValue(notNull(e.id));
    q.addBindValue(e.counter);
    q.addBindValue(e.competitor);
    q.addBindValue(disciplineCode(e.discipline));
    for (const std::int32_t hits : e.hits)
        q.addBindValue(hits);
    q.addBindValue(e.total);
    q.addBindValue(finalsText(e.finals));
    q.addBindValue(notNull(QString::fromUtf8(e.shots)));
    q.addBindValue(notNull(e.initials));
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return 0;
    }
    return q.lastInsertId().toLongLong();
}

bool setStationEntryStatus(EntryLog &log, qint64 receipt, const QString &status, QString &error)
{
    if (!log.begin(error))
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("UPDATE station_entries SET status = ? WHERE receipt = ?"));
    q.addBindValue(status);
    q.addBindValue(receipt);
    return q.exec() || queryFailed(q, log.fileName(), error);
}

QList<KeptStationEntry> recentStationEntries(EntryLog &log, int limit, QString &error)
{
    QList<KeptStationEntry> entries;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("SELECT %1 FROM station_entries ORDER BY receipt DESC LIMIT ?")
                  .arg(EntryColumns));
    q.addBindValue(limit);
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return entries;
    }
    while (q.next())
        entries << keptFrom(q);
    return entries;
}

namespace {

QList<KeptStationEntry> selectEntries(QSqlQuery &q, const QString &logName, QString &error)
{
    QList<KeptStationEntry> entries;
    if (!q.exec()) {
        queryFailed(q, logName, error);
        return entries;
    }
    while (q.next())
        entries << keptFrom(q);
    return entries;
}

const QString TwoMatchingOption = QStringLiteral("two matching entries");

} // namespace

std::optional<KeptStationEntry> stationEntry(EntryLog &log, qint64 receipt, QString &error)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("SELECT %1 FROM station_entries WHERE receipt = ?").arg(EntryColumns));
    q.addBindValue(receipt);
    const QList<KeptStationEntry> entries = selectEntries(q, log.fileName(), error);
    if (entries.isEmpty())
        return std::nullopt;
    return entries.first();
}

QList<KeptStationEntry> unsettledStationEntries(
    EntryLog &log, std::int32_t competitor, int discipline, QString &error)
{
    QSqlQuery q(log.database());
    const QString held = QStringLiteral("status IN ('awaiting', 'disagreement')");
    if (competitor == 0) {
        q.prepare(QStringLiteral("SELECT %1 FROM station_entries WHERE %2 ORDER BY receipt")
                      .arg(EntryColumns, held));
    } else {
        q.prepare(QStringLiteral("SELECT %1 FROM station_entries WHERE number = ? AND "
                                 "discipline = ? AND %2 ORDER BY receipt")
                      .arg(EntryColumns, held));
        q.addBindValue(competitor);
        q.addBindValue(disciplineCode(discipline));
    }
    return selectEntries(q, log.fileName(), error);
}

bool hasCountedStationEntry(EntryLog &log, std::int32_t competitor, int discipline, QString &error)
{
    QSqlQuery q(log.database());
    q.prepare(
        QStringLiteral("SELECT 1 FROM station_entries WHERE number = ? AND discipline = ? AND "
                       "status IN ('stored', 'matched', 'taken') LIMIT 1"));
    q.addBindValue(competitor);
    q.addBindValue(disciplineCode(discipline));
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return false;
    }
    return q.next();
}

bool twoMatchingEntries(EntryLog &log, QString &error)
{
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("SELECT value FROM station_options WHERE name = ?"));
    q.addBindValue(TwoMatchingOption);
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        return false;
    }
    return q.next() && q.value(0).toString() == QStringLiteral("on");
}

bool setTwoMatchingEntries(EntryLog &log, bool on, QString &error)
{
    if (!log.begin(error))
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO station_options (name, value) VALUES (?, ?)"));
    q.addBindValue(TwoMatchingOption);
    q.addBindValue(on ? QStringLiteral("on") : QStringLiteral("off"));
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        log.rollback();
        return false;
    }
    return log.commit(error);
}

} // namespace marvola
