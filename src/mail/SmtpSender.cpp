#include "mail/SmtpSender.h"

#include "upload/Connection.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>
#include <QUrl>

#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace marvola {

namespace {

constexpr qsizetype MaxAddressLength = 254;
// What is kept of the server's lines: enough for its last answer, never more.
constexpr qsizetype MaxServerTalk = 4096;
constexpr qsizetype MaxAnswerLength = 300;

QString text(const char *source)
{
    return QCoreApplication::translate("SmtpSender", source);
}

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

QSettings mailSettings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

QString hostKey(const QString &host)
{
    return QStringLiteral("mail/unencrypted/")
        + QString::fromLatin1(host.trimmed().toLower().toUtf8().toPercentEncoding());
}

// A header's text: plain when it is printable ASCII, else the encoded word of RFC 2047.
QByteArray headerText(const QString &value)
{
    const QString simple = value.simplified();
    bool plain = true;
    for (const QChar c : simple)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            plain = false;
    if (plain)
        return simple.toLatin1();
    return "=?UTF-8?B?" + simple.toUtf8().toBase64() + "?=";
}

// The server's lines as libcurl reads them; the last one is its answer.
struct ServerTalk
{
    QByteArray lines;
};

int keepServerLines(CURL *, curl_infotype type, char *data, size_t size, void *user)
{
    if (type != CURLINFO_HEADER_IN)
        return 0;
    auto *talk = static_cast<ServerTalk *>(user);
    talk->lines.append(data, static_cast<qsizetype>(std::min<size_t>(size, MaxServerTalk)));
    if (talk->lines.size() > MaxServerTalk)
        talk->lines = talk->lines.right(MaxServerTalk);
    return 0;
}

QString lastLine(const QByteArray &lines)
{
    const QList<QByteArray> all = lines.trimmed().split('\n');
    const QString line = QString::fromUtf8(all.isEmpty() ? QByteArray() : all.last()).trimmed();
    QString printable;
    for (const QChar c : line)
        printable += c.isPrint() ? c : QChar(QLatin1Char(' '));
    return printable.left(MaxAnswerLength);
}

struct CurlFree
{
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
    void operator()(curl_mime *mime) const { curl_mime_free(mime); }
};

} // namespace

bool SmtpServer::plainTextAccepted() const
{
    return allowUnencrypted || (isLoopback ? isLoopback(host) : isLoopbackHost(host));
}

bool parseSmtpAddress(const QString &typed, SmtpServer &server, QString &error)
{
    const QString address = typed.trimmed();
    QString host = address;
    QString port;
    if (address.startsWith(QLatin1Char('['))) {
        const qsizetype close = address.indexOf(QLatin1Char(']'));
        if (close > 0) {
            host = address.mid(1, close - 1);
            const QString rest = address.mid(close + 1);
            if (rest.startsWith(QLatin1Char(':')))
                port = rest.mid(1);
            else if (!rest.isEmpty())
                host.clear();
        }
    } else if (address.count(QLatin1Char(':')) == 1) {
        host = address.section(QLatin1Char(':'), 0, 0);
        port = address.section(QLatin1Char(':'), 1);
    }
    bool portOk = true;
    const int number = port.isEmpty() ? 587 : port.toInt(&portOk);
    const bool hostOk = !host.isEmpty() && host.size() <= 253
        && std::all_of(host.begin(), host.end(), [](QChar c) {
               return c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('-')
                   || c == QLatin1Char(':');
           });
    if (!hostOk || !portOk || number < 1 || number > 65535) {
        error = text("The mail server \"%1\" is not HOST or HOST:PORT.").arg(typed);
        return false;
    }
    server.host = host;
    server.port = number;
    return true;
}

bool rememberedUnencryptedMail(const QString &host)
{
    return mailSettings().value(hostKey(host)).toBool();
}

void rememberUnencryptedMail(const QString &host, bool allow)
{
    QSettings settings = mailSettings();
    if (allow)
        settings.setValue(hostKey(host), true);
    else
        settings.remove(hostKey(host));
}

bool isMailAddress(const QString &address)
{
    if (address.isEmpty() || address.size() > MaxAddressLength)
        return false;
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || at == address.size() - 1)
        return false;
    for (const QChar c : address)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f
            || QStringLiteral("<>()[]\\,;:\"").contains(c))
            return false;
    return true;
}

MailOutcome sendMail(const SmtpServer &server, const MailMessage &message)
{
    MailOutcome outcome;
    if (!isMailAddress(message.to) || !isMailAddress(message.from)) {
        outcome.answer = text("Not an e-mail address: %1")
                             .arg(isMailAddress(message.from) ? message.to : message.from);
        return outcome;
    }
    initialiseCurl();
    std::unique_ptr<CURL, CurlFree> curl(curl_easy_init());
    if (!curl) {
        outcome.answer = text("The mail could not be prepared.");
        return outcome;
    }
    CURL *c = curl.get();
    const QString host = server.host.contains(QLatin1Char(':'))
        ? QLatin1Char('[') + server.host + QLatin1Char(']')
        : server.host;
    const QByteArray url
        = QStringLiteral("%1://%2:%3")
              .arg(server.implicitTls() ? QLatin1String("smtps") : QLatin1String("smtp"), host)
              .arg(server.port)
              .toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    // STARTTLS is required unless plain text is accepted for this host; then it is still used
    // when the server offers it.
    curl_easy_setopt(c, CURLOPT_USE_SSL,
        static_cast<long>(server.plainTextAccepted() ? CURLUSESSL_TRY : CURLUSESSL_ALL));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(server.connectTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, static_cast<long>(server.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    if (!server.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    const QByteArray from = "<" + message.from.toLatin1() + ">";
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    std::unique_ptr<curl_slist, CurlFree> recipients(
        curl_slist_append(nullptr, QByteArray("<" + message.to.toLatin1() + ">").constData()));
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());

    std::unique_ptr<curl_slist, CurlFree> headers;
    for (const QByteArray &header : {"From: " + message.from.toLatin1(),
             "To: " + message.to.toLatin1(), "Subject: " + headerText(message.subject),
             "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1()})
        headers.reset(curl_slist_append(headers.release(), header.constData()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());

    std::unique_ptr<curl_mime, CurlFree> mime(curl_mime_init(c));
    curl_mimepart *body = curl_mime_addpart(mime.get());
    const QByteArray textBytes = message.text.toUtf8();
    curl_mime_data(body, textBytes.constData(), static_cast<size_t>(textBytes.size()));
    curl_mime_type(body, "text/plain; charset=utf-8");
    curl_mime_encoder(body, "quoted-printable");
    curl_mimepart *pdf = curl_mime_addpart(mime.get());
    curl_mime_data(
        pdf, message.attachment.constData(), static_cast<size_t>(message.attachment.size()));
    curl_mime_type(pdf, "application/pdf");
    curl_mime_filename(pdf, message.attachmentName.toUtf8().constData());
    curl_mime_encoder(pdf, "base64");
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    ServerTalk talk;
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, keepServerLines);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &talk);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    char curlError[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, curlError);

    const CURLcode result = curl_easy_perform(c);
    const QString answer = lastLine(talk.lines);
    if (result == CURLE_OK) {
        outcome.accepted = true;
        outcome.answer = answer;
        return outcome;
    }
    QString reason = QString::fromUtf8(curlError).trimmed();
    if (reason.isEmpty())
        reason = QString::fromUtf8(curl_easy_strerror(result));
    if (result == CURLE_USE_SSL_FAILED)
        reason = text("the server offers no encryption (STARTTLS); tick \"Allow unencrypted\" "
                      "for it only if you trust the network");
    outcome.answer
        = answer.isEmpty() ? reason : answer + QLatin1String(" (") + reason + QLatin1Char(')');
    return outcome;
}

} // namespace marvola
