#include "register/ShooterRegister.h"

#include "model/Language.h"
#include "model/Registers.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace marvola {

namespace {

// "MrvS": a register file says it is one, so another program's database is never written.
constexpr std::int32_t RegisterApplicationId = 0x4D727653;
// 2 added the shooter's language; a register of version 1 is upgraded when opened.
constexpr int SchemaVersion = 2;
// Another computer's add may hold the file for a moment; the search and an add wait this long.
constexpr int BusyTimeoutMs = 5000;
const QString RegisterFileKey = QStringLiteral("register/file");

QString text(const char *source)
{
    return QCoreApplication::translate("ShooterRegister", source);
}

QString failed(const QString &fileName, const QString &reason)
{
    return text("The shooter register %1 cannot be used: %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

QString sqlFailure(const QString &fileName, const QSqlError &error)
{
    return failed(fileName, error.text());
}

QSettings settings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

// The name with its first word moved to the end: "Virtanen Matti" is found by "matti" too.
QString turnedKey(const QString &nameKey)
{
    const qsizetype blank = nameKey.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return nameKey;
    return nameKey.mid(blank + 1) + QLatin1Char(' ') + nameKey.left(blank);
}

// The end of a prefix range over keys: every key that begins with the prefix sorts below it.
QString prefixEnd(const QString &prefix)
{
    return prefix + QStringLiteral("\U0010FFFF");
}

// A text as the register stores it: never NULL, which its columns refuse.
QVariant textValue(const QString &text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

bool exec(QSqlQuery &query, const QString &fileName, QString &error)
{
    if (query.exec())
        return true;
    error = sqlFailure(fileName, query.lastError());
    return false;
}

bool execText(QSqlDatabase db, const QString &statement, QString &error)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    error = sqlFailure(db.databaseName(), query.lastError());
    return false;
}

const char *const SchemaStatements[] = {
    "CREATE TABLE shooters ("
    " id INTEGER PRIMARY KEY,"
    " member_number TEXT NOT NULL DEFAULT '', member_key TEXT NOT NULL DEFAULT '',"
    " name TEXT NOT NULL, name_key TEXT NOT NULL, turned_key TEXT NOT NULL,"
    " club TEXT NOT NULL DEFAULT '', nationality TEXT NOT NULL DEFAULT '',"
    " email TEXT NOT NULL DEFAULT '', shares_gun_with TEXT NOT NULL DEFAULT '',"
    " left_handed INTEGER NOT NULL DEFAULT 0, language TEXT NOT NULL DEFAULT '')",
    // The search runs on these three: a prefix range on each, 20 000 shooters or more.
    "CREATE INDEX shooters_by_name ON shooters(name_key)",
    "CREATE INDEX shooters_by_turned_name ON shooters(turned_key)",
    "CREATE INDEX shooters_by_member ON shooters(member_key)",
    "CREATE TABLE disciplines ("
    " shooter_id INTEGER NOT NULL REFERENCES shooters(id) ON DELETE CASCADE,"
    " discipline TEXT NOT NULL, class TEXT NOT NULL DEFAULT '', gun TEXT NOT NULL DEFAULT '',"
    " model TEXT NOT NULL DEFAULT '', caliber TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (shooter_id, discipline))",
    "CREATE TABLE matches ("
    " id INTEGER PRIMARY KEY, place TEXT NOT NULL, first_day TEXT NOT NULL,"
    " last_day TEXT NOT NULL, club TEXT NOT NULL, added TEXT NOT NULL,"
    " UNIQUE (place, first_day, last_day, club))",
    "CREATE TABLE results ("
    " match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,"
    " shooter_id INTEGER NOT NULL REFERENCES shooters(id) ON DELETE CASCADE,"
    " discipline TEXT NOT NULL, class TEXT NOT NULL DEFAULT '', total INTEGER NOT NULL,"
    " position INTEGER, overall INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY (match_id, shooter_id, discipline))",
    "CREATE INDEX results_by_shooter ON results(shooter_id)",
};

std::optional<int> pragmaValue(QSqlDatabase db, const char *name, QString &error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) || !query.next()) {
        error = query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toInt();
}

// A file that holds anything is an SQLite database by its first 16 bytes, or it is not ours.
bool looksLikeSqlite(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3", 16);
}

class Transaction
{
public:
    explicit Transaction(QSqlDatabase db)
        : m_db(db)
    { }
    bool begin() { return m_open = m_db.transaction(); }
    bool commit()
    {
        if (!m_db.commit())
            return false;
        m_open = false;
        return true;
    }
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    QSqlDatabase m_db;
    bool m_open = false;
};

// A row of a discipline list has a result when anything was typed for it.
bool hasResult(const TTulosRivi &row)
{
    if (row.Yhteensa != 0 || row.Kana != 0 || row.Sika != 0 || row.Kalkkuna != 0 || row.Passi != 0)
        return true;
    for (const Str2 &f : row.f)
        if (!f.isEmpty())
            return true;
    return false;
}

// A language the program speaks, or nothing: the register keeps no other.
QString knownLanguage(const QString &language)
{
    const QString code = language.trimmed().toLower();
    return programLanguages().contains(code) ? code : QString();
}

} // namespace

QString registerAddedMessage(const MatchAdded &added, const QString &fileName)
{
    const QString message = added.replaced
        ? text("Shooter register %1: the match was there already and its results were replaced; "
               "%2 shooters added, %3 updated, %4 results.")
        : text("Shooter register %1: %2 shooters added, %3 updated, %4 results.");
    return message.arg(QDir::toNativeSeparators(fileName))
        .arg(added.shootersAdded)
        .arg(added.shootersUpdated)
        .arg(added.results);
}

QString searchKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded.append(c);
    }
    return folded.toCaseFolded().simplified();
}

QString defaultRegisterFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/shooters.sqlite");
}

QString registerFile()
{
    const QString chosen = settings().value(RegisterFileKey).toString();
    return chosen.isEmpty() ? defaultRegisterFile() : chosen;
}

void setRegisterFile(const QString &fileName)
{
    QSettings s = settings();
    if (fileName.isEmpty() || fileName == defaultRegisterFile())
        s.remove(RegisterFileKey);
    else
        s.setValue(RegisterFileKey, fileName);
}

Shooter shooterOfCompetitor(const Kilpailu &kilpailu, int slot)
{
    const TKilpailija &k = kilpailu.kilpailijat[slot];
    Shooter shooter;
    shooter.nimi = k.Nimi.text();
    shooter.seura = k.Seura.text();
    shooter.maa = k.Maa.text();
    shooter.extras = kilpailu.extras[slot];
    for (int d = 0; d < LajiCount; ++d) {
        if (!k.Osallistuu[d])
            continue;
        ShooterDiscipline laji;
        // "Eiluok" says only that no class was chosen; a class the register knows stays.
        const QString luokka = k.Luokka[d].text();
        laji.luokka = luokka == Luokat::Eiluok ? QString() : luokka;
        laji.ase = k.Ase[d].text();
        laji.malli = k.Malli[d].text();
        laji.kaliiperi = discipline(d).hasCaliber ? k.Kaliiperi[d].text() : QString();
        shooter.lajit[d] = laji;
    }
    return shooter;
}

ShooterRegister::ShooterRegister(QString fileName, QString connectionName)
    : m_fileName(std::move(fileName))
    , m_connectionName(std::move(connectionName))
{ }

ShooterRegister::~ShooterRegister()
{
    {
        QSqlDatabase db = database();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase ShooterRegister::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

std::unique_ptr<ShooterRegister> ShooterRegister::open(
    const QString &fileName, Mode mode, QString &error)
{
    const QFileInfo info(fileName);
    const bool exists = info.exists();
    if (exists && !info.isFile()) {
        error = failed(fileName, text("it is not a file"));
        return nullptr;
    }
    if (!exists && mode == Mode::ExistingOnly) {
        error = failed(fileName, text("there is no such file"));
        return nullptr;
    }
    if (exists && !looksLikeSqlite(fileName)) {
        error = failed(fileName, text("it is not a shooter register of Marvola"));
        return nullptr;
    }
    if (!exists && !QDir().mkpath(info.absolutePath())) {
        error = failed(fileName, text("its folder cannot be made"));
        return nullptr;
    }

    static std::atomic<int> serial{0};
    const QString connectionName = QStringLiteral("Marvola shooter register %1").arg(++serial);
    std::unique_ptr<ShooterRegister> reg(new ShooterRegister(fileName, connectionName));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open()) {
            error = sqlFailure(fileName, db.lastError());
            return nullptr;
        }
    }
    if (!reg->prepareSchema(!exists, error))
        return nullptr;
    return reg;
}

bool ShooterRegister::prepareSchema(bool created, QString &error)
{
    QSqlDatabase db = database();
    QString reason;
    if (!created) {
        // Only read until the file has said it is a register.
        const std::optional<int> id = pragmaValue(db, "application_id", reason);
        const std::optional<int> version = pragmaValue(db, "user_version", reason);
        if (!id || !version) {
            error = failed(m_fileName, reason);
            return false;
        }
        if (*id != RegisterApplicationId) {
            error = failed(m_fileName, text("it is not a shooter register of Marvola"));
            return false;
        }
        if (*version > SchemaVersion) {
            error = failed(m_fileName, text("it was made by a newer version of Marvola"));
            return false;
        }
    }
    // A rollback journal, never WAL: the register may live on a club's shared folder, and
    // SQLite's WAL keeps its index in shared memory that only one computer's processes can see.
    // Two computers writing a WAL file over the network can corrupt it.
    if (!execText(db, QStringLiteral("PRAGMA journal_mode=DELETE"), error)
        || !execText(db, QStringLiteral("PRAGMA foreign_keys=ON"), error))
        return false;
    if (!created)
        return upgradeSchema(error);

    Transaction transaction(db);
    if (!transaction.begin()) {
        error = sqlFailure(m_fileName, db.lastError());
        return false;
    }
    for (const char *statement : SchemaStatements)
        if (!execText(db, QLatin1String(statement), error))
            return false;
    if (!execText(db, QStringLiteral("PRAGMA application_id=%1").arg(RegisterApplicationId), error)
        || !execText(db, QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion), error))
        return false;
    if (!transaction.commit()) {
        error = sqlFailure(m_fileName, db.lastError());
        return false;
    }
    return true;
}

bool ShooterRegister::upgradeSchema(QString &error)
{
    QSqlDatabase db = database();
    QString reason;
    const std::optional<int> version = pragmaValue(db, "user_version", reason);
    if (!version) {
        error = failed(m_fileName, reason);
        return false;
    }
    if (*version >= SchemaVersion)
        return true;
    // One transaction: a register another computer holds, or a failed write, stays at its version
    // and is upgraded at the next open.
    Transaction transaction(db);
    if (!transaction.begin()) {
        error = sqlFailure(m_fileName, db.lastError());
        return false;
    }
    if (*version < 2
        && !execText(db,
            QStringLiteral("ALTER TABLE shooters ADD COLUMN language TEXT NOT NULL DEFAULT ''"),
            error))
        return false;
    if (!execText(db, QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion), error))
        return false;
    if (!transaction.commit()) {
        error = sqlFailure(m_fileName, db.lastError());
        return false;
    }
    return true;
}

QList<ShooterMatch> ShooterRegister::search(const QString &typed, int limit, QString &error)
{
    QList<ShooterMatch> found;
    const QString key = searchKey(typed);
    if (key.isEmpty() || limit <= 0)
        return found;
    // Each branch walks its own index over the prefix range and stops at the limit; the union of
    // at most three times the limit is then sorted by name.
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT id, name, club, nationality, member_number FROM shooters WHERE"
        " id IN (SELECT id FROM shooters WHERE name_key >= :lo AND name_key < :hi"
        "        ORDER BY name_key LIMIT :limit)"
        " OR id IN (SELECT id FROM shooters WHERE turned_key >= :lo AND turned_key < :hi"
        "        ORDER BY turned_key LIMIT :limit)"
        " OR id IN (SELECT id FROM shooters WHERE member_key >= :lo AND member_key < :hi"
        "        ORDER BY member_key LIMIT :limit)"
        " ORDER BY name_key, club, id LIMIT :limit"));
    query.bindValue(QStringLiteral(":lo"), textValue(key));
    query.bindValue(QStringLiteral(":hi"), textValue(prefixEnd(key)));
    query.bindValue(QStringLiteral(":limit"), limit);
    if (!exec(query, m_fileName, error))
        return found;
    while (query.next())
        found.append({query.value(0).toLongLong(), query.value(1).toString(),
            query.value(2).toString(), query.value(3).toString(), query.value(4).toString()});
    return found;
}

std::optional<Shooter> ShooterRegister::shooter(std::int64_t id, QString &error)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT name, club, nationality, member_number, email,"
                                 " shares_gun_with, left_handed, language FROM shooters"
                                 " WHERE id = ?"));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!exec(query, m_fileName, error))
        return std::nullopt;
    if (!query.next()) {
        error = failed(m_fileName, text("the shooter is no longer in it"));
        return std::nullopt;
    }
    Shooter s;
    s.id = id;
    s.nimi = query.value(0).toString();
    s.seura = query.value(1).toString();
    s.maa = query.value(2).toString();
    s.extras.memberNumber = query.value(3).toString();
    s.extras.email = query.value(4).toString();
    s.extras.sharesGunWith = query.value(5).toString();
    s.extras.leftHanded = query.value(6).toInt() != 0;
    s.language = query.value(7).toString();

    QSqlQuery lajit(database());
    lajit.prepare(QStringLiteral(
        "SELECT discipline, class, gun, model, caliber FROM disciplines WHERE shooter_id = ?"));
    lajit.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!exec(lajit, m_fileName, error))
        return std::nullopt;
    while (lajit.next()) {
        for (int d = 0; d < LajiCount; ++d) {
            if (lajit.value(0).toString() == disciplineCode(d))
                s.lajit[d] = ShooterDiscipline{lajit.value(1).toString(), lajit.value(2).toString(),
                    lajit.value(3).toString(), lajit.value(4).toString()};
        }
    }
    return s;
}

QList<ShooterResult> ShooterRegister::results(std::int64_t id, QString &error)
{
    QList<ShooterResult> list;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "SELECT m.first_day, m.place, r.discipline, r.class, r.total, r.position, r.overall"
        " FROM results r JOIN matches m ON m.id = r.match_id WHERE r.shooter_id = ?"
        " ORDER BY m.first_day, m.place, r.discipline"));
    query.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!exec(query, m_fileName, error))
        return list;
    while (query.next()) {
        ShooterResult r;
        r.date = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        r.place = query.value(1).toString();
        r.discipline = query.value(2).toString();
        r.luokka = query.value(3).toString();
        r.total = query.value(4).toInt();
        if (!query.value(5).isNull())
            r.position = query.value(5).toInt();
        r.overallPosition = query.value(6).toInt() != 0;
        list.append(r);
    }
    return list;
}

int ShooterRegister::shooterCount(QString &error)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT count(*) FROM shooters"));
    if (!exec(query, m_fileName, error) || !query.next())
        return 0;
    return query.value(0).toInt();
}

std::optional<std::int64_t> ShooterRegister::findShooter(const Shooter &shooter, QString &error)
{
    const QString memberKey = searchKey(shooter.extras.memberNumber);
    if (!memberKey.isEmpty()) {
        QSqlQuery byMember(database());
        byMember.prepare(QStringLiteral("SELECT id FROM shooters WHERE member_key = ? LIMIT 1"));
        byMember.addBindValue(textValue(memberKey));
        if (!exec(byMember, m_fileName, error))
            return std::nullopt;
        if (byMember.next())
            return byMember.value(0).toLongLong();
    }
    // Two shooters with different member numbers are two people, whatever their names.
    QSqlQuery byName(database());
    byName.prepare(QStringLiteral(
        "SELECT id FROM shooters WHERE name_key = ? AND club = ? AND (member_key = '' OR ? = '')"
        " ORDER BY id LIMIT 1"));
    byName.addBindValue(textValue(searchKey(shooter.nimi)));
    byName.addBindValue(textValue(shooter.seura));
    byName.addBindValue(textValue(memberKey));
    if (!exec(byName, m_fileName, error))
        return std::nullopt;
    if (byName.next())
        return byName.value(0).toLongLong();
    return std::int64_t{0};
}

std::optional<std::int64_t> ShooterRegister::storeShooter(
    const Shooter &shooter, bool &added, QString &error)
{
    const std::optional<std::int64_t> found = findShooter(shooter, error);
    if (!found)
        return std::nullopt;
    const QString nameKey = searchKey(shooter.nimi);
    const CompetitorExtras &extras = shooter.extras;
    QSqlQuery query(database());
    if (*found == 0) {
        query.prepare(QStringLiteral(
            "INSERT INTO shooters (member_number, member_key, name, name_key, turned_key, club,"
            " nationality, email, shares_gun_with, left_handed, language)"
            " VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
        query.addBindValue(textValue(extras.memberNumber));
        query.addBindValue(textValue(searchKey(extras.memberNumber)));
        query.addBindValue(textValue(shooter.nimi));
        query.addBindValue(textValue(nameKey));
        query.addBindValue(textValue(turnedKey(nameKey)));
        query.addBindValue(textValue(shooter.seura));
        query.addBindValue(textValue(shooter.maa));
        query.addBindValue(textValue(extras.email));
        query.addBindValue(textValue(extras.sharesGunWith));
        query.addBindValue(extras.leftHanded ? 1 : 0);
        query.addBindValue(textValue(knownLanguage(shooter.language)));
    } else {
        // A blank given keeps what the register knows; left-handedness follows a match or list
        // that says anything of the shooter's extras.
        query.prepare(QStringLiteral(
            "UPDATE shooters SET name = :name, name_key = :nameKey, turned_key = :turnedKey,"
            " club = CASE WHEN :club = '' THEN club ELSE :club END,"
            " nationality = CASE WHEN :maa = '' THEN nationality ELSE :maa END,"
            " member_number = CASE WHEN :member = '' THEN member_number ELSE :member END,"
            " member_key = CASE WHEN :memberKey = '' THEN member_key ELSE :memberKey END,"
            " email = CASE WHEN :email = '' THEN email ELSE :email END,"
            " shares_gun_with = CASE WHEN :shares = '' THEN shares_gun_with ELSE :shares END,"
            " left_handed = CASE WHEN :saysExtras THEN :left ELSE left_handed END,"
            " language = CASE WHEN :language = '' THEN language ELSE :language END"
            " WHERE id = :id"));
        query.bindValue(QStringLiteral(":name"), textValue(shooter.nimi));
        query.bindValue(QStringLiteral(":nameKey"), textValue(nameKey));
        query.bindValue(QStringLiteral(":turnedKey"), textValue(turnedKey(nameKey)));
        query.bindValue(QStringLiteral(":club"), textValue(shooter.seura));
        query.bindValue(QStringLiteral(":maa"), textValue(shooter.maa));
        query.bindValue(QStringLiteral(":member"), textValue(extras.memberNumber));
        query.bindValue(QStringLiteral(":memberKey"), textValue(searchKey(extras.memberNumber)));
        query.bindValue(QStringLiteral(":email"), textValue(extras.email));
        query.bindValue(QStringLiteral(":shares"), textValue(extras.sharesGunWith));
        query.bindValue(QStringLiteral(":saysExtras"), extras.isEmpty() ? 0 : 1);
        query.bindValue(QStringLiteral(":left"), extras.leftHanded ? 1 : 0);
        query.bindValue(QStringLiteral(":language"), textValue(knownLanguage(shooter.language)));
        query.bindValue(QStringLiteral(":id"), QVariant::fromValue<qlonglong>(*found));
    }
    if (!exec(query, m_fileName, error))
        return std::nullopt;
    const std::int64_t id = *found == 0 ? query.lastInsertId().toLongLong() : *found;
    added = *found == 0;

    QSqlQuery laji(database());
    laji.prepare(QStringLiteral(
        "INSERT INTO disciplines (shooter_id, discipline, class, gun, model, caliber)"
        " VALUES (:id, :code, :class, :gun, :model, :caliber)"
        " ON CONFLICT (shooter_id, discipline) DO UPDATE SET"
        " class = CASE WHEN excluded.class = '' THEN class ELSE excluded.class END,"
        " gun = CASE WHEN excluded.gun = '' THEN gun ELSE excluded.gun END,"
        " model = CASE WHEN excluded.model = '' THEN model ELSE excluded.model END,"
        " caliber = CASE WHEN excluded.caliber = '' THEN caliber ELSE excluded.caliber END"));
    for (int d = 0; d < LajiCount; ++d) {
        const std::optional<ShooterDiscipline> &given = shooter.lajit[d];
        if (!given)
            continue;
        laji.bindValue(QStringLiteral(":id"), QVariant::fromValue<qlonglong>(id));
        laji.bindValue(QStringLiteral(":code"), textValue(disciplineCode(d)));
        laji.bindValue(QStringLiteral(":class"), textValue(given->luokka));
        laji.bindValue(QStringLiteral(":gun"), textValue(given->ase));
        laji.bindValue(QStringLiteral(":model"), textValue(given->malli));
        laji.bindValue(QStringLiteral(":caliber"), textValue(given->kaliiperi));
        if (!exec(laji, m_fileName, error))
            return std::nullopt;
    }
    return id;
}

std::optional<Shooter> ShooterRegister::registeredShooter(const Shooter &competitor, QString &error)
{
    const std::optional<std::int64_t> found = findShooter(competitor, error);
    if (!found || *found == 0)
        return std::nullopt;
    return shooter(*found, error);
}

std::optional<ShootersStored> ShooterRegister::storeShooters(
    const QList<Shooter> &shooters, QString &error)
{
    Transaction transaction(database());
    if (!transaction.begin()) {
        error = sqlFailure(m_fileName, database().lastError());
        return std::nullopt;
    }
    ShootersStored stored;
    for (const Shooter &shooter : shooters) {
        bool added = false;
        const std::optional<std::int64_t> id = storeShooter(shooter, added, error);
        if (!id)
            return std::nullopt;
        ++(added ? stored.added : stored.updated);
        stored.ids.append(*id);
    }
    if (!transaction.commit()) {
        error = sqlFailure(m_fileName, database().lastError());
        return std::nullopt;
    }
    return stored;
}

std::optional<MatchAdded> ShooterRegister::addMatch(
    const Kilpailu &kilpailu, const Tulokset &tulokset, QString &error)
{
    if (!tablesAreCurrent(kilpailu, tulokset)) {
        error = failed(m_fileName, text("the results are not ranked yet"));
        return std::nullopt;
    }
    QSqlDatabase db = database();
    Transaction transaction(db);
    if (!transaction.begin()) {
        error = sqlFailure(m_fileName, db.lastError());
        return std::nullopt;
    }
    MatchAdded outcome;
    const TKilpailunTiedot &tiedot = kilpailu.tiedot;
    const QString firstDay = tiedot.Alkupvm.toString(Qt::ISODate);
    const QString lastDay = tiedot.LoppuPvm.toString(Qt::ISODate);

    QSqlQuery known(db);
    known.prepare(QStringLiteral("SELECT id FROM matches WHERE place = ? AND first_day = ?"
                                 " AND last_day = ? AND club = ?"));
    for (const QString &value : {tiedot.Paikka, firstDay, lastDay, tiedot.Seura})
        known.addBindValue(textValue(value));
    if (!exec(known, m_fileName, error))
        return std::nullopt;
    std::int64_t matchId = 0;
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    if (known.next()) {
        matchId = known.value(0).toLongLong();
        outcome.replaced = true;
        QSqlQuery clear(db);
        clear.prepare(QStringLiteral("DELETE FROM results WHERE match_id = ?"));
        clear.addBindValue(QVariant::fromValue<qlonglong>(matchId));
        QSqlQuery touch(db);
        touch.prepare(QStringLiteral("UPDATE matches SET added = ? WHERE id = ?"));
        touch.addBindValue(textValue(now));
        touch.addBindValue(QVariant::fromValue<qlonglong>(matchId));
        if (!exec(clear, m_fileName, error) || !exec(touch, m_fileName, error))
            return std::nullopt;
    } else {
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO matches (place, first_day, last_day, club,"
                                      " added) VALUES (?, ?, ?, ?, ?)"));
        for (const QString &value : {tiedot.Paikka, firstDay, lastDay, tiedot.Seura, now})
            insert.addBindValue(textValue(value));
        if (!exec(insert, m_fileName, error))
            return std::nullopt;
        matchId = insert.lastInsertId().toLongLong();
    }

    // Ranking rows carry the competitor's number, which is his one in the match.
    QHash<std::int32_t, std::int64_t> shooterByNumber;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        bool added = false;
        const std::optional<std::int64_t> id
            = storeShooter(shooterOfCompetitor(kilpailu, slot), added, error);
        if (!id)
            return std::nullopt;
        ++(added ? outcome.shootersAdded : outcome.shootersUpdated);
        shooterByNumber.insert(k.Numero, *id);
    }

    QSqlQuery result(db);
    result.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO results (match_id, shooter_id, discipline, class, total,"
        " position, overall) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (int d = 0; d < LajiCount; ++d) {
        const TulosTaulukko &table = tulokset.laji(d);
        // The positions as the discipline's list shows them: the overall first three, then each
        // class section's own.
        QHash<int, bool> listed; // row -> among the overall first three
        for (const ListStep &step : disciplineListWalk(table, classSections(d)))
            if (!step.isHeading())
                listed.insert(step.row, step.section.isEmpty());
        for (int row = 1; row <= TulosTaulukko::LastRankedRow; ++row) {
            const TTulosRivi &r = table[row];
            if (r.Nimi.isEmpty() || !hasResult(r) || !shooterByNumber.contains(r.Numero))
                continue;
            const auto position = listed.constFind(row);
            result.addBindValue(QVariant::fromValue<qlonglong>(matchId));
            result.addBindValue(QVariant::fromValue<qlonglong>(shooterByNumber.value(r.Numero)));
            result.addBindValue(textValue(disciplineCode(d)));
            result.addBindValue(textValue(r.Luokka.text()));
            result.addBindValue(r.Yhteensa);
            result.addBindValue(position == listed.constEnd() ? QVariant() : QVariant(r.Sijoitus));
            result.addBindValue(position != listed.constEnd() && *position ? 1 : 0);
            if (!exec(result, m_fileName, error))
                return std::nullopt;
            ++outcome.results;
        }
    }
    if (!transaction.commit()) {
        error = sqlFailure(m_fileName, db.lastError());
        return std::nullopt;
    }
    return outcome;
}

} // namespace marvola

namespace marvola {

QHash<int, CompetitorContact> competitorContacts(const Kilpailu &kilpailu,
    ShooterRegister *shooterRegister, const QList<int> &chosen, QString &error)
{
    QHash<int, CompetitorContact> contacts;
    for (int slot : chosen) {
        const Shooter competitor = shooterOfCompetitor(kilpailu, slot);
        CompetitorContact contact{competitor.extras.email.trimmed(), {}};
        if (shooterRegister) {
            const std::optional<Shooter> known
                = shooterRegister->registeredShooter(competitor, error);
            if (!known && !error.isEmpty())
                return {};
            if (known) {
                contact.language = known->language;
                if (contact.email.isEmpty())
                    contact.email = known->extras.email.trimmed();
            }
        }
        contacts.insert(slot, contact);
    }
    return contacts;
}

} // namespace marvola
