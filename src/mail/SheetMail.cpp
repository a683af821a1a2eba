#include "mail/SheetMail.h"

#include "files/MatchFiles.h"
#include "log/MailStore.h"
#include "model/Registers.h"
#include "register/ShooterRegister.h"

#include <QCoreApplication>

namespace marvola {

namespace {

QString text(const QString &language, const char *source)
{
    return sheetText(language, "SheetMail", source);
}

QString matchOf(const TKilpailunTiedot &tiedot)
{
    return QStringList{tiedot.Seura, tiedot.Paikka}.join(QLatin1Char(' ')).simplified();
}

} // namespace

QList<SheetMailRecipient> sheetMailRecipients(const Kilpailu &kilpailu,
    const QHash<int, CompetitorContact> &contacts, const QList<int> &chosen,
    const QSet<QString> &sent)
{
    QList<SheetMailRecipient> recipients;
    for (int slot : chosen) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        const CompetitorContact contact = contacts.value(slot);
        SheetMailRecipient r{slot, k.Numero, k.Nimi.text(), contact.email, contact.language, false};
        r.alreadySent = !r.address.isEmpty() && sent.contains(sheetMailKey(r.numero, r.address));
        recipients << r;
    }
    std::stable_sort(recipients.begin(), recipients.end(),
        [](const SheetMailRecipient &a, const SheetMailRecipient &b) {
            return a.numero < b.numero;
        });
    return recipients;
}

QString sheetMailSubject(
    const TKilpailunTiedot &tiedot, ResultStatus status, const QString &language)
{
    const QString match = matchOf(tiedot);
    switch (status) {
    case ResultStatus::Provisional:
        return text(language, QT_TRANSLATE_NOOP("SheetMail", "Provisional results: %1")).arg(match);
    case ResultStatus::Official:
        return text(language, QT_TRANSLATE_NOOP("SheetMail", "Official results: %1")).arg(match);
    case ResultStatus::Unstated: break;
    }
    return text(language, QT_TRANSLATE_NOOP("SheetMail", "Your results: %1")).arg(match);
}

QString sheetMailText(const TKilpailunTiedot &tiedot, const QString &nimi, ResultStatus status,
    const QString &language)
{
    QString body = text(language, QT_TRANSLATE_NOOP("SheetMail", "Hello %1,")).arg(nimi)
        + QLatin1String("\n\n")
        + text(language,
            QT_TRANSLATE_NOOP("SheetMail", "your result sheet of %1, %2 - %3, is attached."))
              .arg(matchOf(tiedot), formatMatchDate(tiedot.Alkupvm),
                  formatMatchDate(tiedot.LoppuPvm));
    if (status == ResultStatus::Provisional)
        body += QLatin1Char(' ')
            + text(language,
                QT_TRANSLATE_NOOP(
                    "SheetMail", "The results are provisional and may still change."));
    else if (status == ResultStatus::Official)
        body += QLatin1Char(' ')
            + text(language, QT_TRANSLATE_NOOP("SheetMail", "The results are official."));
    return body + QLatin1String("\n\n") + matchOf(tiedot) + QLatin1Char('\n');
}

bool mailSheets(EntryLog &log, const Kilpailu &kilpailu, const Tulokset &tulokset,
    const QList<SheetMailRecipient> &recipients, const SheetMailRun &run,
    const std::function<void(const SheetMailOutcome &, int, int)> &done,
    const std::function<bool()> &cancelled, QString &error)
{
    QHash<int, QString> languages;
    for (const SheetMailRecipient &r : recipients)
        languages.insert(r.slot, r.language);
    SheetPdfMaker maker(kilpailu, tulokset, languages, run.sheet);
    const ResultStatus status = withMatchStatus(kilpailu, run.sheet).status;
    const int total = static_cast<int>(recipients.size());
    int count = 0;
    for (const SheetMailRecipient &r : recipients) {
        if (cancelled && cancelled())
            return true;
        SheetMailOutcome outcome{SheetMailOutcome::Kind::Failed, r, {}};
        if (r.address.isEmpty()) {
            outcome.kind = SheetMailOutcome::Kind::NoAddress;
        } else if (r.alreadySent && !run.resend) {
            outcome.kind = SheetMailOutcome::Kind::AlreadySent;
        } else {
            const std::optional<QByteArray> pdf = maker.make(r.slot, error);
            if (!pdf)
                return false;
            const MailMessage message{run.from, r.address,
                sheetMailSubject(kilpailu.tiedot, status, r.language),
                sheetMailText(kilpailu.tiedot, r.nimi, status, r.language), *pdf,
                sheetFileName(r.numero, r.nimi)};
            const MailOutcome sent = sendMail(run.server, message);
            outcome.kind
                = sent.accepted ? SheetMailOutcome::Kind::Sent : SheetMailOutcome::Kind::Failed;
            outcome.answer = sent.answer;
            const SheetMailRecord record{QDateTime::currentDateTime(), r.numero, r.nimi, r.address,
                sent.accepted, sent.answer};
            if (!recordSheetMail(log, record, error))
                return false;
        }
        if (done)
            done(outcome, ++count, total);
    }
    return true;
}

QString sheetMailLine(const SheetMailOutcome &outcome)
{
    const SheetMailRecipient &r = outcome.recipient;
    const QString who = QStringLiteral("%1 %2").arg(r.numero).arg(r.nimi);
    switch (outcome.kind) {
    case SheetMailOutcome::Kind::Sent:
        return QCoreApplication::translate("SheetMail", "%1 <%2>: sent (%3)")
            .arg(who, r.address, outcome.answer);
    case SheetMailOutcome::Kind::Failed:
        return QCoreApplication::translate("SheetMail", "%1 <%2>: NOT sent: %3")
            .arg(who, r.address, outcome.answer);
    case SheetMailOutcome::Kind::NoAddress:
        return QCoreApplication::translate("SheetMail", "%1: no e-mail address").arg(who);
    case SheetMailOutcome::Kind::AlreadySent:
        return QCoreApplication::translate("SheetMail", "%1 <%2>: sent before, not again")
            .arg(who, r.address);
    }
    return who;
}

} // namespace marvola
