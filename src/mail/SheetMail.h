// Each competitor's result sheet by e-mail: who gets one, the message in the competitor's
// language, the sending one by one with each outcome kept in the entry log.
#pragma once

#include "mail/SmtpSender.h"
#include "output/ResultSheet.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <cstdint>
#include <functional>

namespace marvola {

class EntryLog;
struct CompetitorContact;

struct SheetMailRecipient
{
    int slot = 0;
    std::int32_t numero = 0;
    QString nimi;
    QString address; // empty: the competitor has none
    QString language; // empty: the program's own
    bool alreadySent = false; // the entry log has the server's acceptance for this address
};

// The chosen competitors (slots) with their addresses and languages, in number order; `sent`
// holds the keys of the messages accepted before (sheetMailsAccepted).
QList<SheetMailRecipient> sheetMailRecipients(const Kilpailu &kilpailu,
    const QHash<int, CompetitorContact> &contacts, const QList<int> &chosen,
    const QSet<QString> &sent);

// The subject and text of a competitor's message, in the recipient's language.
QString sheetMailSubject(
    const TKilpailunTiedot &tiedot, ResultStatus status, const QString &language);
QString sheetMailText(const TKilpailunTiedot &tiedot, const QString &nimi, ResultStatus status,
    const QString &language);

// What became of one competitor.
struct SheetMailOutcome
{
    enum class Kind { Sent, Failed, NoAddress, AlreadySent };
    Kind kind = Kind::Failed;
    SheetMailRecipient recipient;
    QString answer;
};

struct SheetMailRun
{
    SmtpServer server;
    QString from;
    SheetOptions sheet;
    bool resend = false; // send again to those who have their sheet
};

// Sends the sheets one by one; each message sent or failed is kept in the log as it is done.
// `done` hears of every recipient (with the count done and the total); `cancelled` is asked
// between messages. False, with the error, when the log cannot be written or a sheet cannot be
// made: the run stops there. A failed message does not stop the others.
bool mailSheets(EntryLog &log, const Kilpailu &kilpailu, const Tulokset &tulokset,
    const QList<SheetMailRecipient> &recipients, const SheetMailRun &run,
    const std::function<void(const SheetMailOutcome &, int done, int total)> &done,
    const std::function<bool()> &cancelled, QString &error);

// "12 Virtanen Matti <matti@example.fi>: sent (250 OK)" as the batch prints it.
QString sheetMailLine(const SheetMailOutcome &outcome);

} // namespace marvola
