// One message through an SMTP server, sent by libcurl: the text and a PDF attached, over TLS
// unless the server is this computer or the office allowed plain text for that host.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace marvola {

struct SmtpServer
{
    QString host;
    int port = 587;
    QString user; // none: no login
    QString password; // never stored
    // An unencrypted session with this host is accepted: a club's old server, knowingly.
    bool allowUnencrypted = false;
    // Tests put a stand-in here to play a remote server on 127.0.0.1.
    std::function<bool(const QString &host)> isLoopback;
    int connectTimeoutSeconds = 20;
    int timeoutSeconds = 120; // the whole message, the attachment included

    // Port 465 speaks TLS from its first byte; every other port must offer STARTTLS.
    bool implicitTls() const { return port == 465; }
    // Whether a server offering neither TLS nor STARTTLS is accepted.
    bool plainTextAccepted() const;
};

// "HOST[:PORT]" or "[IPv6]:PORT"; 587 when no port is given. Nothing, with the error, for
// anything else.
bool parseSmtpAddress(const QString &text, SmtpServer &server, QString &error);

// Whether the host is "Allow unencrypted" for mail, as the office ticked it last.
bool rememberedUnencryptedMail(const QString &host);
void rememberUnencryptedMail(const QString &host, bool allow);

// An address the message may go to or come from: one "@", no blanks, no control characters, no
// characters that would change a header; at most 254 characters.
bool isMailAddress(const QString &address);

struct MailMessage
{
    QString from;
    QString to;
    QString subject;
    QString text;
    QByteArray attachment; // a PDF
    QString attachmentName;
};

struct MailOutcome
{
    bool accepted = false;
    // The server's last line, and why the message did not reach it when it did not.
    QString answer;
};

MailOutcome sendMail(const SmtpServer &server, const MailMessage &message);

} // namespace marvola
