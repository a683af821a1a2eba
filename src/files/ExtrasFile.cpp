#include "files/ExtrasFile.h"

#include "files/MatchFiles.h"
#include "model/Disciplines.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <atomic>
#include <optional>

namespace marvola {

namespace {

// Tells this program's extras file from any other SQLite file ("MRVX").
constexpr int ExtrasApplicationId = 0x4d525658;
// 1: competitors' extras; 2: also the relays, the places in them and the lists' status.
constexpr int ExtrasVersion = 2;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("marvola-extras-%1").arg(++counter);
}

QString fileError(const QString &verb, const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot %1 %2: %3").arg(verb, fileName, reason);
}

// An SQLite database on a file of its own for the length of one read or write; the connection
// is removed when it goes.
class ScratchDatabase
{
public:
    explicit ScratchDatabase(const QString &fileName, bool readOnly)
        : m_connection(nextConnectionName())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(fileName);
        if (readOnly)
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_open = db.open();
        if (!m_open)
            m_error = db.lastError().text();
    }
    ~ScratchDatabase()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    ScratchDatabase(const ScratchDatabase &) = delete;
    ScratchDatabase &operator=(const ScratchDatabase &) = delete;

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QSqlDatabase database() const { return QSqlDatabase::database(m_connection, false); }

private:
    QString m_connection;
    bool m_open = false;
    QString m_error;
};

bool run(QSqlQuery &query, const QString &sql, QString &error)
{
    if (query.exec(sql))
        return true;
    error = query.lastError().text();
    return false;
}

int pragmaValue(QSqlDatabase db, const QString &name)
{
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA ") + name) && query.next())
        return query.value(0).toInt();
    return -1;
}

// A text as the columns take it: an empty text is "", never NULL.
QString columnText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

bool insertRow(QSqlQuery &query, const QVariantList &values, QString &error)
{
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    error = query.lastError().text();
    return false;
}

// The relays in number order, the places by number and discipline: the same match gives the
// same bytes.
bool writeRelays(QSqlDatabase db, const Kilpailu &kilpailu, QString &error)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO relays VALUES (?, ?)"));
    for (const Relay &relay : kilpailu.relayPlan.relays)
        if (!insertRow(query, {relay.number, relayLine(relay)}, error))
            return false;
    query.prepare(QStringLiteral("INSERT INTO seats VALUES (?, ?, ?)"));
    for (const auto &[entry, seat] : kilpailu.assignments)
        if (!insertRow(query, {entry.numero, disciplineCode(entry.d), seatText(seat)}, error))
            return false;
    query.prepare(QStringLiteral("INSERT INTO list_status VALUES (?, ?)"));
    for (auto it = kilpailu.listStatus.cbegin(); it != kilpailu.listStatus.cend(); ++it)
        if (!insertRow(query, {it.key(), listStatusText(it.value())}, error))
            return false;
    query.prepare(QStringLiteral("INSERT INTO settings VALUES (?, ?)"));
    if (kilpailu.challengeMinutes != DefaultChallengeMinutes
        && !insertRow(query,
            {QStringLiteral("challenge_minutes"), QString::number(kilpailu.challengeMinutes)},
            error))
        return false;
    return true;
}

// What a file of the second version adds. A row this program cannot read makes the file
// unreadable rather than a match with relays or statuses quietly missing.
bool readRelays(QSqlDatabase db, Kilpailu &kilpailu, QString &error)
{
    QSqlQuery query(db);
    const auto bad = [&error](const QString &table, const QString &value) {
        error = QStringLiteral("a row of %1 holds %2").arg(table, value.left(80));
        return false;
    };
    if (!run(query, QStringLiteral("SELECT number, line FROM relays ORDER BY number"), error))
        return false;
    while (query.next()) {
        const std::optional<Relay> relay = relayFromLine(query.value(1).toString());
        if (!relay || relay->number != query.value(0).toInt()
            || kilpailu.relayPlan.relay(relay->number))
            return bad(QStringLiteral("relays"), query.value(1).toString());
        kilpailu.relayPlan.relays << *relay;
    }
    if (!run(query, QStringLiteral("SELECT number, discipline, place FROM seats"), error))
        return false;
    while (query.next()) {
        const std::optional<int> d = disciplineOfCode(query.value(1).toString());
        const std::optional<Seat> seat = seatFromText(query.value(2).toString());
        const int number = query.value(0).toInt();
        if (!d || !seat || number <= 0)
            return bad(QStringLiteral("seats"), query.value(2).toString());
        kilpailu.assignments[EntryKey{number, *d}] = *seat;
    }
    if (!run(query, QStringLiteral("SELECT caption, status FROM list_status"), error))
        return false;
    while (query.next()) {
        const std::optional<ListStatus> status = listStatusFromText(query.value(1).toString());
        if (!status)
            return bad(QStringLiteral("list_status"), query.value(1).toString());
        kilpailu.listStatus.insert(query.value(0).toString(), *status);
    }
    if (!run(query, QStringLiteral("SELECT value FROM settings WHERE name = 'challenge_minutes'"),
            error))
        return false;
    if (query.next()) {
        bool ok = false;
        const int minutes = query.value(0).toString().toInt(&ok);
        if (!ok || minutes < 0 || minutes > MaxChallengeMinutes)
            return bad(QStringLiteral("settings"), query.value(0).toString());
        kilpailu.challengeMinutes = minutes;
    }
    return true;
}

bool writeExtras(QSqlDatabase db, const Kilpailu &kilpailu, QString &error)
{
    QSqlQuery query(db);
    if (!run(query, QStringLiteral("PRAGMA application_id = %1").arg(ExtrasApplicationId), error)
        || !run(query, QStringLiteral("PRAGMA user_version = %1").arg(ExtrasVersion), error)
        || !run(query,
            QStringLiteral("CREATE TABLE competitor_extras (slot INTEGER PRIMARY KEY, "
                           "number INTEGER NOT NULL, member_number TEXT NOT NULL, "
                           "email TEXT NOT NULL, shares_gun_with TEXT NOT NULL, "
                           "left_handed INTEGER NOT NULL)"),
            error)
        || !run(query,
            QStringLiteral("CREATE TABLE relays (number INTEGER PRIMARY KEY, line TEXT NOT NULL)"),
            error)
        || !run(query,
            QStringLiteral("CREATE TABLE seats (number INTEGER NOT NULL, discipline TEXT NOT NULL, "
                           "place TEXT NOT NULL, PRIMARY KEY (number, discipline))"),
            error)
        || !run(query,
            QStringLiteral(
                "CREATE TABLE list_status (caption TEXT PRIMARY KEY, status TEXT NOT NULL)"),
            error)
        || !run(query,
            QStringLiteral("CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
            error))
        return false;
    if (!db.transaction()) {
        error = db.lastError().text();
        return false;
    }
    query.prepare(QStringLiteral("INSERT INTO competitor_extras VALUES (?, ?, ?, ?, ?, ?)"));
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const CompetitorExtras &e = kilpailu.extras[slot];
        if (e.isEmpty())
            continue;
        query.addBindValue(slot);
        query.addBindValue(kilpailu.kilpailijat[slot].Numero);
        query.addBindValue(columnText(e.memberNumber));
        query.addBindValue(columnText(e.email));
        query.addBindValue(columnText(e.sharesGunWith));
        query.addBindValue(e.leftHanded ? 1 : 0);
        if (!query.exec()) {
            error = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!writeRelays(db, kilpailu, error)) {
        db.rollback();
        return false;
    }
    if (db.commit())
        return true;
    error = db.lastError().text();
    return false;
}

bool readExtras(QSqlDatabase db, Kilpailu &kilpailu, QString &error)
{
    QSqlQuery query(db);
    if (!run(query,
            QStringLiteral("SELECT slot, number, member_number, email, shares_gun_with, "
                           "left_handed FROM competitor_extras"),
            error))
        return false;
    kilpailu.extras.clear();
    while (query.next()) {
        const int slot = query.value(0).toInt();
        if (slot < 1 || slot > MaxKilpailijat
            || kilpailu.kilpailijat[slot].Numero != query.value(1).toInt()
            || kilpailu.kilpailijat[slot].Nimi.isEmpty())
            continue;
        CompetitorExtras e;
        e.memberNumber = query.value(2).toString().left(MaxMemberNumberLength);
        e.email = query.value(3).toString().left(MaxEmailLength);
        e.sharesGunWith = query.value(4).toString().left(MaxSharesGunWithLength);
        e.leftHanded = query.value(5).toInt() != 0;
        kilpailu.extras[slot] = e;
    }
    return true;
}

} // namespace

bool hasBesideTheMatchFiles(const Kilpailu &kilpailu)
{
    return !kilpailu.extras.isEmpty() || !kilpailu.relayPlan.relays.isEmpty()
        || !kilpailu.assignments.empty() || !kilpailu.listStatus.isEmpty()
        || kilpailu.challengeMinutes != DefaultChallengeMinutes;
}

QString extrasFileName(const QString &chosenName)
{
    return baseName(chosenName) + QStringLiteral("Lisatiedot.db");
}

bool extraTextFits(const QString &field, const QString &text)
{
    qsizetype limit = 0;
    if (field == QLatin1String("Jasennumero"))
        limit = MaxMemberNumberLength;
    else if (field == QLatin1String("Sahkoposti"))
        limit = MaxEmailLength;
    else if (field == QLatin1String("YhteinenAse"))
        limit = MaxSharesGunWithLength;
    else
        return true;
    return text.size() <= limit && !text.contains(u'\n') && !text.contains(u'\r');
}

QByteArray extrasFileBytes(const Kilpailu &kilpailu, QString &error)
{
    QTemporaryDir folder;
    if (!folder.isValid()) {
        error = fileError(QStringLiteral("write"), folder.path(), folder.errorString());
        return {};
    }
    const QString fileName = folder.filePath(QStringLiteral("extras.db"));
    {
        ScratchDatabase scratch(fileName, false);
        if (!scratch.isOpen()) {
            error = fileError(QStringLiteral("write"), fileName, scratch.error());
            return {};
        }
        if (!writeExtras(scratch.database(), kilpailu, error)) {
            error = fileError(QStringLiteral("write"), fileName, error);
            return {};
        }
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = fileError(QStringLiteral("read"), fileName, file.errorString());
        return {};
    }
    return file.readAll();
}

bool readExtrasFileBytes(
    const QByteArray &bytes, const QString &fileName, Kilpailu &kilpailu, QString &error)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("extras.db"));
    QFile file(copy);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        error = fileError(QStringLiteral("read"), fileName, file.errorString());
        return false;
    }
    file.close();
    ScratchDatabase scratch(copy, true);
    const QString notOurs = QStringLiteral("it is not a file of competitors' extras of Marvola");
    if (!scratch.isOpen()) {
        error = fileError(QStringLiteral("read"), fileName, notOurs);
        return false;
    }
    if (pragmaValue(scratch.database(), QStringLiteral("application_id")) != ExtrasApplicationId) {
        error = fileError(QStringLiteral("read"), fileName, notOurs);
        return false;
    }
    if (pragmaValue(scratch.database(), QStringLiteral("user_version")) > ExtrasVersion) {
        error = fileError(QStringLiteral("read"), fileName,
            QStringLiteral("it was written by a newer version of Marvola"));
        return false;
    }
    const bool withRelays = pragmaValue(scratch.database(), QStringLiteral("user_version")) >= 2;
    if (!readExtras(scratch.database(), kilpailu, error)
        || (withRelays && !readRelays(scratch.database(), kilpailu, error))) {
        error = fileError(QStringLiteral("read"), fileName, error);
        return false;
    }
    return true;
}

} // namespace marvola
