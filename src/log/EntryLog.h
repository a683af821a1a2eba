// The entry log of a match: an SQLite file beside the match's four files that keeps every
// change as it is typed, and the digest of the file set at each open and save.
#pragma once

#include "files/SafeFile.h"
#include "log/MatchChanges.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace marvola {

// "<base>Loki.db" for the set named by the chosen file name; older versions ignore it.
QString entryLogFileName(const QString &chosenName);

// SHA-256 over the four files of the set, in the set's order, each with its length first; a
// missing file counts as one of no bytes. Empty, with the error, when a file cannot be read.
QByteArray matchSetDigest(const QString &chosenName, QString &error);
// The same over the four files' contents, in the set's order (a set staged for its save).
QByteArray matchSetDigestOf(const QList<FileContent> &files);

// The changes of a log that the match on disk does not hold.
struct PendingChanges
{
    enum class State {
        None, // nothing after the last open or save
        Restorable, // changes made on the set that is on disk now
        OtherState, // changes made on another state of the set: not to be replayed
    };
    State state = State::None;
    QList<FieldEdit> changes;
    QDateTime last;
};

class EntryLog
{
public:
    enum class Access { ReadWrite, ReadOnly };

    EntryLog();
    ~EntryLog();
    EntryLog(const EntryLog &) = delete;
    EntryLog &operator=(const EntryLog &) = delete;

    // Opens (read-write: creates) the log file. WAL, so that a reader never waits for the window
    // and the window never waits long for a reader; synchronous FULL, so that a commit is on the
    // disk when it returns.
    bool open(const QString &fileName, Access access, QString &error);
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    // The file opened is still there under its name (not deleted, not replaced by another).
    bool isInPlace() const;
    QString fileName() const { return m_fileName; }
    // The connection, for a view that pages through the events.
    QSqlDatabase database() const { return m_db; }

    // Adds to the transaction under way (begun when none is).
    bool append(const FieldEdit &change, QString &error);
    // An open or save event of the set with its digest.
    bool appendSetEvent(const QString &kind, const QString &source, const QString &chosenName,
        const QByteArray &digest, QString &error);
    // Commits the transaction under way; true at once when there is none.
    bool commit(QString &error);
    bool hasUncommitted() const { return m_inTransaction; }
    // Begins a transaction unless one is under way, for writes of other tables of the log.
    bool begin(QString &error);
    // Gives up the transaction under way: none of its writes is kept.
    void rollback();

    // The changes after the last open or save, and whether they were made on the set whose
    // digest is given.
    PendingChanges pending(const QByteArray &digest, QString &error);
    // Every event, oldest first.
    QList<FieldEdit> events(QString &error);
    // Every event as the CSV of `entryLogCsv`, read row by row.
    QByteArray eventsCsv(QString &error);
    // A consistent copy of the whole log, for a save under a new name; an existing file there is
    // replaced.
    bool copyTo(const QString &fileName, QString &error);

private:
    bool isOwnLog(Access access) const;
    bool fail(const QString &what, const QString &detail, QString &error);

    QSqlDatabase m_db;
    QString m_connection;
    QString m_fileName;
    bool m_inTransaction = false;
    // The file as opened: its device and inode.
    quint64 m_device = 0;
    quint64 m_inode = 0;
};

// The log as CSV (UTF-8, oldest first): time, source, kind, number, discipline, field, old, new.
QByteArray entryLogCsv(const QList<FieldEdit> &events);

} // namespace marvola
