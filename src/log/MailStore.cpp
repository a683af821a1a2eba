#include "log/MailStore.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace marvola {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

bool queryFailed(const QSqlQuery &q, const QString &logName, QString &error)
{
    error = QCoreApplication::translate("MailStore", "The entry log %1 cannot be written: %2")
                .arg(logName, q.lastError().text());
    return false;
}

// The columns refuse NULL, which an empty QString may be bound as.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

bool recordSheetMail(EntryLog &log, const SheetMailRecord &record, QString &error)
{
    // The edits waiting for their commit go first, so that giving up this record keeps them.
    if (!log.commit(error) || !log.begin(error))
        return false;
    QSqlQuery q(log.database());
    q.prepare(QStringLiteral("INSERT INTO sheet_mail (time, number, name, address, accepted, "
                             "answer) VALUES (?, ?, ?, ?, ?, ?)"));
    q.addBindValue(record.time.toString(TimeFormat));
    q.addBindValue(record.number);
    q.addBindValue(notNull(record.name));
    q.addBindValue(notNull(record.address));
    q.addBindValue(record.accepted ? 1 : 0);
    q.addBindValue(notNull(record.answer));
    if (!q.exec()) {
        queryFailed(q, log.fileName(), error);
        log.rollback();
        return false;
    }
    return log.commit(error);
}

QList<SheetMailRecord> sheetMailRecords(EntryLog &log, QString &error)
{
    QList<SheetMailRecord> records;
    QSqlQuery q(log.database());
    if (!q.exec(QStringLiteral(
            "SELECT time, number, name, address, accepted, answer FROM sheet_mail ORDER BY id"))) {
        queryFailed(q, log.fileName(), error);
        return records;
    }
    while (q.next())
        records.append({QDateTime::fromString(q.value(0).toString(), TimeFormat),
            q.value(1).toInt(), q.value(2).toString(), q.value(3).toString(),
            q.value(4).toInt() != 0, q.value(5).toString()});
    return records;
}

QString sheetMailKey(std::int32_t number, const QString &address)
{
    return QString::number(number) + QLatin1Char(' ') + address.trimmed().toCaseFolded();
}

QSet<QString> sheetMailsAccepted(EntryLog &log, QString &error)
{
    QSet<QString> keys;
    QSqlQuery q(log.database());
    if (!q.exec(QStringLiteral("SELECT number, address FROM sheet_mail WHERE accepted = 1"))) {
        queryFailed(q, log.fileName(), error);
        return keys;
    }
    while (q.next())
        keys.insert(sheetMailKey(q.value(0).toInt(), q.value(1).toString()));
    return keys;
}

} // namespace marvola
