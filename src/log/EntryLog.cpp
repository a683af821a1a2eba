#include "log/EntryLog.h"

#include "files/MatchFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marvola {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

const char *const Schema[] = {
    "CREATE TABLE IF NOT EXISTS events ("
    " id INTEGER PRIMARY KEY,"
    " time TEXT NOT NULL,"
    " source TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " slot INTEGER NOT NULL DEFAULT 0,"
    " number INTEGER NOT NULL DEFAULT 0,"
    " discipline TEXT NOT NULL DEFAULT '',"
    " field TEXT NOT NULL DEFAULT '',"
    " old TEXT NOT NULL DEFAULT '',"
    " new TEXT NOT NULL DEFAULT '',"
    " digest TEXT NOT NULL DEFAULT '')",
    // The log window filters by these and shows the newest first.
    "CREATE INDEX IF NOT EXISTS events_kind ON events(kind, id)",
    "CREATE INDEX IF NOT EXISTS events_number ON events(number, id)",
    "CREATE INDEX IF NOT EXISTS events_discipline ON events(discipline, id)",
    "CREATE INDEX IF NOT EXISTS events_source ON events(source, id)",
    // The scoring stations and what they sent; older versions of the log simply lack them.
    "CREATE TABLE IF NOT EXISTS stations ("
    " id TEXT PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " disciplines TEXT NOT NULL DEFAULT '',"
    " secret TEXT NOT NULL,"
    " revoked INTEGER NOT NULL DEFAULT 0,"
    " last_counter INTEGER NOT NULL DEFAULT 0,"
    " last_contact TEXT NOT NULL DEFAULT '',"
    " added TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS station_entries ("
    " receipt INTEGER PRIMARY KEY,"
    " station TEXT NOT NULL,"
    " entry_id TEXT NOT NULL,"
    " counter INTEGER NOT NULL,"
    " time TEXT NOT NULL,"
    " number INTEGER NOT NULL,"
    " discipline TEXT NOT NULL,"
    " chicken INTEGER NOT NULL,"
    " pig INTEGER NOT NULL,"
    " turkey INTEGER NOT NULL,"
    " ram INTEGER NOT NULL,"
    " total INTEGER NOT NULL,"
    " finals TEXT NOT NULL DEFAULT '',"
    " shots TEXT NOT NULL DEFAULT '',"
    " initials TEXT NOT NULL DEFAULT '',"
    " status TEXT NOT NULL,"
    " UNIQUE (station, entry_id))",
    // The entries held for a second one are looked up by competitor and discipline, and all of
    // them at every refresh of the window: that index holds only them.
    "CREATE INDEX IF NOT EXISTS station_entries_result ON station_entries(number, discipline)",
    "CREATE INDEX IF NOT EXISTS station_entries_unsettled ON station_entries(receipt) "
    "WHERE status IN ('awaiting', 'disagreement')",
    // The match's choices for its stations, such as "two matching entries".
    "CREATE TABLE IF NOT EXISTS station_options ("
    " name TEXT PRIMARY KEY,"
    " value TEXT NOT NULL)",
    // Each result sheet mailed or tried: the server's answer, and whether it took the message.
    "CREATE TABLE IF NOT EXISTS sheet_mail ("
    " id INTEGER PRIMARY KEY,"
    " time TEXT NOT NULL,"
    " number INTEGER NOT NULL,"
    " name TEXT NOT NULL DEFAULT '',"
    " address TEXT NOT NULL,"
    " accepted INTEGER NOT NULL,"
    " answer TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX IF NOT EXISTS sheet_mail_number ON sheet_mail(number, address)",
};

// A reader (the log window of a second program, a batch run) holds the write lock for moments
// only; the window waits that long rather than report a failure.
constexpr int BusyTimeoutMs = 2000;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("marvola-entry-log-%1").arg(++counter);
}

FieldEdit eventFrom(const QSqlQuery &q)
{
    FieldEdit c;
    c.time = QDateTime::fromString(q.value(0).toString(), TimeFormat);
    c.source = q.value(1).toString();
    c.kind = q.value(2).toString();
    c.slot = q.value(3).toInt();
    c.number = q.value(4).toInt();
    c.discipline = q.value(5).toString();
    c.field = q.value(6).toString();
    c.oldValue = q.value(7).toString();
    c.newValue = q.value(8).toString();
    return c;
}

const QString EventColumns
    = QStringLiteral("time, source, kind, slot, number, discipline, field, old, new");

// An empty text is bound as '' rather than NULL, which the columns refuse.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

// A spreadsheet runs a cell that starts with one of these as a formula: typed names and values
// reach the log from the stations too.
bool startsLikeFormula(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.front());
}

QByteArray csvField(const QString &text)
{
    QByteArray bytes = (startsLikeFormula(text) ? QLatin1Char('\'') + text : text).toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n')
        || bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

} // namespace

QString entryLogFileName(const QString &chosenName)
{
    return baseName(chosenName) + QStringLiteral("Loki.db");
}

QByteArray matchSetDigest(const QString &chosenName, QString &error)
{
    QList<FileContent> files;
    for (const QString &name : MatchFileSet::fromChosenName(chosenName).presentList()) {
        QByteArray bytes;
        QFile file(name);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly)) {
                error = QStringLiteral("Cannot read %1: %2").arg(name, file.errorString());
                return {};
            }
            bytes = file.readAll();
        }
        files << FileContent{name, bytes};
    }
    return matchSetDigestOf(files);
}

QByteArray matchSetDigestOf(const QList<FileContent> &files)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const FileContent &file : files) {
        const qint64 size = file.bytes.size();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
        hash.addData(file.bytes);
    }
    return hash.result().toHex();
}

EntryLog::EntryLog()
    : m_connection(nextConnectionName())
{ }

EntryLog::~EntryLog()
{
    close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool EntryLog::fail(const QString &what, const QString &detail, QString &error)
{
    error = QStringLiteral("The entry log %1 cannot be %2: %3").arg(m_fileName, what, detail);
    return false;
}

namespace {

// What lies at the log's name, looked at without following a link: SQLite must never be handed
// a pipe (it would wait forever), a device, or a link that leads outside the match's folder.
enum class FileKind { Missing, Regular, Other };

FileKind fileKind(const QString &fileName, struct stat &info)
{
    if (::lstat(QFile::encodeName(fileName).constData(), &info) != 0)
        return FileKind::Missing;
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::Other;
}

// A new log is readable by its owner only: it holds the stations' secrets. SQLite gives its
// -wal and -shm files the same permissions.
bool createPrivately(const QString &fileName)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST;
    ::close(fd);
    return true;
}

} // namespace

bool EntryLog::open(const QString &fileName, Access access, QString &error)
{
    close();
    m_fileName = fileName;
    struct stat info
    {
    };
    switch (fileKind(fileName, info)) {
    case FileKind::Missing:
        if (access == Access::ReadOnly)
            return fail(QStringLiteral("read"), QStringLiteral("there is no such file"), error);
        if (!createPrivately(fileName))
            return fail(
                QStringLiteral("opened"), QString::fromLocal8Bit(std::strerror(errno)), error);
        break;
    case FileKind::Other:
        return fail(QStringLiteral("opened"),
            QCoreApplication::translate(
                "EntryLog", "it is not a plain file (a link, a pipe or a folder)"),
            error);
    case FileKind::Regular: break;
    }
    m_db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(fileName);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (!m_db.open())
        return fail(QStringLiteral("opened"), m_db.lastError().text(), error);
    if (fileKind(fileName, info) != FileKind::Regular) {
        close();
        return fail(QStringLiteral("opened"), QStringLiteral("it is gone"), error);
    }
    m_device = info.st_dev;
    m_inode = info.st_ino;
    if (!isOwnLog(access)) {
        close();
        return fail(QStringLiteral("opened"),
            QCoreApplication::translate("EntryLog", "it is not an entry log of Marvola"), error);
    }
    QSqlQuery q(m_db);
    if (access == Access::ReadWrite) {
        QStringList statements{
            QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=FULL")};
        for (const char *statement : Schema)
            statements << QLatin1String(statement);
        for (const QString &statement : statements) {
            if (!q.exec(statement)) {
                const QString detail = q.lastError().text();
                close();
                return fail(QStringLiteral("opened"), detail, error);
            }
        }
    } else if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString detail = q.lastError().text();
        close();
        return fail(QStringLiteral("read"), detail, error);
    }
    return true;
}

bool EntryLog::isInPlace() const
{
    struct stat info
    {
    };
    return fileKind(m_fileName, info) == FileKind::Regular && info.st_dev == m_device
        && info.st_ino == m_inode;
}

// A log of this program has the events table; a new, empty file becomes one when it is written.
// Any other database is someone else's and is not touched.
bool EntryLog::isOwnLog(Access access) const
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return false;
    if (q.value(0).toInt() == 0)
        return access == Access::ReadWrite;
    return q.exec(QStringLiteral("SELECT %1 FROM events LIMIT 0").arg(EventColumns));
}

void EntryLog::close()
{
    if (m_db.isOpen()) {
        if (m_inTransaction)
            m_db.rollback();
        m_db.close();
    }
    m_inTransaction = false;
    m_db = QSqlDatabase();
}

bool EntryLog::begin(QString &error)
{
    if (m_inTransaction)
        return true;
    if (!m_db.isOpen())
        return fail(QStringLiteral("written"), QStringLiteral("it is not open"), error);
    if (!m_db.transaction())
        return fail(QStringLiteral("written"), m_db.lastError().text(), error);
    m_inTransaction = true;
    return true;
}

void EntryLog::rollback()
{
    if (m_inTransaction)
        m_db.rollback();
    m_inTransaction = false;
}

bool EntryLog::append(const FieldEdit &change, QString &error)
{
    if (!begin(error))
        return false;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO events (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(EventColumns));
    q.addBindValue(change.time.toString(TimeFormat));
    q.addBindValue(notNull(change.source));
    q.addBindValue(notNull(change.kind));
    q.addBindValue(change.slot);
    q.addBindValue(change.number);
    q.addBindValue(notNull(change.discipline));
    q.addBindValue(notNull(change.field));
    q.addBindValue(notNull(change.oldValue));
    q.addBindValue(notNull(change.newValue));
    if (!q.exec())
        return fail(QStringLiteral("written"), q.lastError().text(), error);
    return true;
}

bool EntryLog::appendSetEvent(const QString &kind, const QString &source, const QString &chosenName,
    const QByteArray &digest, QString &error)
{
    if (!begin(error))
        return false;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO events (time, source, kind, new, digest) VALUES (?, ?, ?, ?, ?)"));
    q.addBindValue(QDateTime::currentDateTime().toString(TimeFormat));
    q.addBindValue(notNull(source));
    q.addBindValue(kind);
    q.addBindValue(QFileInfo(chosenName).fileName());
    q.addBindValue(QString::fromLatin1(digest));
    if (!q.exec())
        return fail(QStringLiteral("written"), q.lastError().text(), error);
    return true;
}

bool EntryLog::commit(QString &error)
{
    if (!m_inTransaction)
        return true;
    if (!m_db.commit()) {
        const QString detail = m_db.lastError().text();
        // A failed commit leaves SQLite's transaction open; give it up so the next change can
        // try again in a fresh one.
        m_db.rollback();
        m_inTransaction = false;
        return fail(QStringLiteral("written"), detail, error);
    }
    m_inTransaction = false;
    return true;
}

PendingChanges EntryLog::pending(const QByteArray &digest, QString &error)
{
    PendingChanges result;
    QSqlQuery q(m_db);
    // The last open and the last save, each found by the index on kind.
    qint64 lastId = 0;
    QString lastDigest;
    for (const QString &kind : {ChangeKind::Open, ChangeKind::Save}) {
        q.prepare(QStringLiteral("SELECT id, digest FROM events WHERE kind = ? "
                                 "ORDER BY id DESC LIMIT 1"));
        q.addBindValue(kind);
        if (!q.exec()) {
            fail(QStringLiteral("read"), q.lastError().text(), error);
            return result;
        }
        if (q.next() && q.value(0).toLongLong() > lastId) {
            lastId = q.value(0).toLongLong();
            lastDigest = q.value(1).toString();
        }
    }
    // A save whose files were written but whose save event was not (the program killed in
    // between) left its intent: the set on disk holds everything up to it.
    q.prepare(QStringLiteral("SELECT id FROM events WHERE kind = ? AND id > ? AND digest = ? "
                             "ORDER BY id DESC LIMIT 1"));
    q.addBindValue(ChangeKind::Saving);
    q.addBindValue(lastId);
    q.addBindValue(QString::fromLatin1(digest));
    if (!q.exec()) {
        fail(QStringLiteral("read"), q.lastError().text(), error);
        return result;
    }
    if (q.next()) {
        lastId = q.value(0).toLongLong();
        lastDigest = QString::fromLatin1(digest);
    }
    // Only the last value of each field counts for the match: a field typed over and over (or a
    // log of a million rows) is read once. Every change of a number stays, in order, since the
    // changes of a record are checked against the number its place holds at that moment.
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM events WHERE id > ? AND kind IN (?, ?, ?, ?, ?, ?) "
                             "AND (field = 'Numero' OR id IN (SELECT max(id) FROM events WHERE "
                             "id > ? AND kind IN (?, ?, ?, ?, ?, ?) GROUP BY kind, slot, "
                             "discipline, field)) ORDER BY id")
                  .arg(EventColumns));
    for (int i = 0; i < 2; ++i) {
        q.addBindValue(lastId);
        for (const QString &kind : {ChangeKind::Competitor, ChangeKind::Team, ChangeKind::Match,
                 ChangeKind::Relay, ChangeKind::Seat, ChangeKind::Status})
            q.addBindValue(kind);
    }
    if (!q.exec()) {
        fail(QStringLiteral("read"), q.lastError().text(), error);
        return result;
    }
    while (q.next())
        result.changes << eventFrom(q);
    if (result.changes.isEmpty())
        return result;
    result.last = result.changes.last().time;
    result.state = lastDigest == QString::fromLatin1(digest) ? PendingChanges::State::Restorable
                                                             : PendingChanges::State::OtherState;
    return result;
}

QList<FieldEdit> EntryLog::events(QString &error)
{
    QList<FieldEdit> result;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM events ORDER BY id").arg(EventColumns))) {
        fail(QStringLiteral("read"), q.lastError().text(), error);
        return result;
    }
    while (q.next())
        result << eventFrom(q);
    return result;
}

bool EntryLog::copyTo(const QString &fileName, QString &error)
{
    if (!commit(error))
        return false;
    // The old log of the set that the save replaces goes with it.
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile old(fileName + suffix);
        if (old.exists() && !old.remove())
            return fail(QStringLiteral("copied"), old.errorString(), error);
    }
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(fileName);
    if (!q.exec())
        return fail(QStringLiteral("copied"), q.lastError().text(), error);
    return true;
}

QByteArray EntryLog::eventsCsv(QString &error)
{
    QByteArray out("time,source,kind,number,discipline,field,old,new\n");
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    // Read and written row by row: a long log is never held twice in memory.
    if (q.exec(QStringLiteral("SELECT count(*) FROM events")) && q.next())
        out.reserve(out.size() + q.value(0).toLongLong() * 64);
    if (!q.exec(QStringLiteral("SELECT %1 FROM events ORDER BY id").arg(EventColumns))) {
        fail(QStringLiteral("read"), q.lastError().text(), error);
        return {};
    }
    while (q.next()) {
        const int number = q.value(4).toInt();
        const QString fields[]
            = {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                number != 0 ? QString::number(number) : QString(), q.value(5).toString(),
                q.value(6).toString(), q.value(7).toString(), q.value(8).toString()};
        for (size_t i = 0; i < std::size(fields); ++i) {
            out += csvField(fields[i]);
            out += i + 1 < std::size(fields) ? ',' : '\n';
        }
    }
    return out;
}

QByteArray entryLogCsv(const QList<FieldEdit> &events)
{
    QByteArray out("time,source,kind,number,discipline,field,old,new\n");
    for (const FieldEdit &e : events) {
        const QStringList fields{e.time.toString(TimeFormat), e.source, e.kind,
            e.number != 0 ? QString::number(e.number) : QString(), e.discipline, e.field,
            e.oldValue, e.newValue};
        QByteArrayList line;
        for (const QString &field : fields)
            line << csvField(field);
        out += line.join(',') + '\n';
    }
    return out;
}

} // namespace marvola
