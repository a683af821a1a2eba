// The result sheets mailed to the competitors, kept in the match's entry log file: who was sent
// what, when, to which address, and what the mail server answered.
#pragma once

#include "log/EntryLog.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <cstdint>

namespace marvola {

struct SheetMailRecord
{
    QDateTime time;
    std::int32_t number = 0; // the competitor's number
    QString name;
    QString address;
    bool accepted = false; // the server took the message
    QString answer; // the server's last words, or why nothing reached it
};

// Adds the record and commits it, so a run stopped later still knows who has their sheet.
bool recordSheetMail(EntryLog &log, const SheetMailRecord &record, QString &error);
// Every record, oldest first.
QList<SheetMailRecord> sheetMailRecords(EntryLog &log, QString &error);

// A competitor and an address the server took a sheet for: "12 matti@example.fi".
QString sheetMailKey(std::int32_t number, const QString &address);
// The keys of every accepted message.
QSet<QString> sheetMailsAccepted(EntryLog &log, QString &error);

} // namespace marvola
