#include "upload/Connection.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSet>
#include <QSettings>
#include <QSqlQuery>
#include <QVersionNumber>

#include <array>

namespace marvola {

namespace {

// A dead network must not hang the window for the client library's default of minutes.
const QString ConnectOptions = QStringLiteral(
    "MYSQL_OPT_CONNECT_TIMEOUT=15;MYSQL_OPT_READ_TIMEOUT=60;MYSQL_OPT_WRITE_TIMEOUT=60");

// Debian's bundle of the system's trusted CAs, and the folder it is made from.
const QString SystemCaBundle = QStringLiteral("/etc/ssl/certs/ca-certificates.crt");
const QString SystemCaDirectory = QStringLiteral("/etc/ssl/certs");

// The client library's error numbers: a failed TLS handshake or certificate check, and a
// connection lost while waiting for the server's answer.
constexpr int TlsConnectionError = 2026;
constexpr int ServerGoneError = 2006;
constexpr int ServerLostError = 2013;

int nativeCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt();
}

std::optional<quint32> ipv4(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return std::nullopt;
    quint32 address = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok);
        if (!ok || part.isEmpty() || part.size() > 3 || !part.front().isDigit() || value > 255)
            return std::nullopt;
        address = address << 8 | value;
    }
    return address;
}

// The eight 16-bit groups of an IPv6 address, "::" and a dotted IPv4 tail included.
std::optional<std::array<quint16, 8>> ipv6(const QString &text)
{
    const auto groups = [](const QString &part, QList<quint16> &out, bool last) {
        if (part.isEmpty())
            return true;
        const QStringList pieces = part.split(QLatin1Char(':'));
        for (int i = 0; i < pieces.size(); ++i) {
            const QString &piece = pieces[i];
            if (last && i == pieces.size() - 1 && piece.contains(QLatin1Char('.'))) {
                const auto v4 = ipv4(piece);
                if (!v4)
                    return false;
                out << quint16(*v4 >> 16) << quint16(*v4 & 0xffff);
                continue;
            }
            bool ok = false;
            const uint value = piece.toUInt(&ok, 16);
            if (!ok || piece.isEmpty() || piece.size() > 4)
                return false;
            out << quint16(value);
        }
        return true;
    };
    const QString gap = QStringLiteral("::");
    const qsizetype at = text.indexOf(gap);
    if (at != text.lastIndexOf(gap))
        return std::nullopt;
    QList<quint16> head, tail;
    if (at < 0) {
        if (!groups(text, head, true) || head.size() != 8)
            return std::nullopt;
    } else if (!groups(text.left(at), head, false) || !groups(text.mid(at + 2), tail, true)
        || head.size() + tail.size() > 7) {
        return std::nullopt;
    }
    std::array<quint16, 8> address{};
    for (int i = 0; i < head.size(); ++i)
        address[i] = head[i];
    for (int i = 0; i < tail.size(); ++i)
        address[8 - tail.size() + i] = tail[i];
    return address;
}

// The TLS part of the connect options. The driver turns TLS on when any SSL_ option is given;
// the CA is what the server's certificate chain is checked against.
QString tlsOptions(const TransportSecurity &security)
{
    QString options;
    if (!security.caFile.isEmpty())
        options = QStringLiteral("SSL_CA=") + security.caFile;
    else if (QFileInfo(SystemCaBundle).isReadable())
        options = QStringLiteral("SSL_CA=") + SystemCaBundle;
    else
        options = QStringLiteral("SSL_CAPATH=") + SystemCaDirectory;
    // From Qt 6.6 the driver passes this on, and the client library then also checks that the
    // certificate names the host; older drivers do not know it and check the chain only.
    if (QLibraryInfo::version() >= QVersionNumber(6, 6))
        options += QStringLiteral(";MYSQL_OPT_SSL_VERIFY_SERVER_CERT=TRUE");
    return options;
}

QString caDescription(const TransportSecurity &security)
{
    return security.caFile.isEmpty() ? QStringLiteral("the system's certificates")
                                     : QStringLiteral("the CA file %1").arg(security.caFile);
}

bool openWithOptions(QSqlDatabase &db, const QString &extraOptions)
{
    db.setConnectOptions(
        extraOptions.isEmpty() ? ConnectOptions : ConnectOptions + QLatin1Char(';') + extraOptions);
    return db.open();
}

QString settingsKey(const QString &hostName)
{
    const QByteArray host = serverAddress(hostName).host.toLower().toUtf8();
    return QStringLiteral("UploadHosts/") + QString::fromLatin1(host.toPercentEncoding());
}

QSettings programSettings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

std::optional<int> portNumber(const QString &text)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535 || !text.front().isDigit())
        return std::nullopt;
    return port;
}

} // namespace

ServerAddress serverAddress(const QString &hostName)
{
    const QString trimmed = hostName.trimmed();
    ServerAddress p{trimmed, DefaultPort};
    const int colon = trimmed.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == trimmed.size() - 1)
        return p;
    QString host = trimmed.left(colon);
    const bool bracketed = host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']'));
    if (bracketed)
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return p; // a bare IPv6 address, no port
    const auto port = portNumber(trimmed.mid(colon + 1));
    if (!port || host.isEmpty())
        return p;
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        host = QStringLiteral("127.0.0.1");
    return {host, *port};
}

QString errorText(const QSqlError &error)
{
    const QString server = error.databaseText().trimmed();
    return server.isEmpty() ? error.driverText().trimmed() : server;
}

bool isLoopbackHost(const QString &host)
{
    QString h = host.trimmed().toLower();
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']')))
        h = h.mid(1, h.size() - 2);
    if (h == QLatin1String("localhost"))
        return true;
    if (const auto v4 = ipv4(h))
        return *v4 >> 24 == 127;
    if (const auto v6 = ipv6(h)) {
        const auto &g = *v6;
        const bool zeroHead = g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 0;
        if (zeroHead && g[5] == 0 && g[6] == 0 && g[7] == 1)
            return true; // ::1
        return zeroHead && g[5] == 0xffff && g[6] >> 8 == 127; // ::ffff:127.x.x.x
    }
    return false;
}

ConnectionResult openConnection(QSqlDatabase &db, const ConnectionSettings &settings)
{
    ConnectionResult result;
    const TransportSecurity &security = settings.security;
    if (!security.caFile.isEmpty()) {
        // The driver splits its options at semicolons.
        if (security.caFile.contains(QLatin1Char(';'))) {
            result.error = QStringLiteral("The name of the CA file must not contain \";\": %1")
                               .arg(security.caFile);
            return result;
        }
        if (!QFileInfo(security.caFile).isReadable()) {
            result.error = QStringLiteral("The CA file %1 cannot be read.").arg(security.caFile);
            return result;
        }
    }
    const ServerAddress p = serverAddress(settings.HostName);
    const bool loopback = security.isLoopback && security.isLoopback(p.host);
    db.setHostName(p.host);
    db.setPort(p.port);
    db.setDatabaseName(settings.Database);
    db.setUserName(settings.User_Name);
    db.setPassword(settings.Password);
    // The driver itself asks the server for utf8mb4, so Finnish letters and every other
    // character of a name arrive as typed.
    if (!openWithOptions(db, tlsOptions(security))) {
        const QSqlError error = db.lastError();
        if (nativeCode(error) != TlsConnectionError) {
            result.error = errorText(error);
            return result;
        }
        if (!loopback && !security.allowUnencrypted) {
            result.error = errorText(error)
                + QStringLiteral("\nThe server's certificate could not be checked against %1. "
                                 "Choose the CA file that signed it in the login.")
                      .arg(caDescription(security));
            return result;
        }
        // This machine's server, or one allowed without encryption: without TLS, knowingly.
        result.tlsFailure = errorText(error);
        if (!openWithOptions(db, QString())) {
            result.error = errorText(db.lastError());
            return result;
        }
    }
    // A server without TLS lets the client library go on unencrypted without a word, so the
    // session itself is asked. The login has happened by then: the driver offers no way to
    // demand TLS before it.
    QString error;
    result.cipher = sessionCipher(db, error);
    if (!error.isEmpty()) {
        db.close();
        result.error = error;
        return result;
    }
    if (!result.encrypted() && !loopback && !security.allowUnencrypted) {
        db.close();
        result.error
            = QStringLiteral("The connection to %1 is not encrypted: the server did not agree to "
                             "TLS, so the results and the login would cross the network "
                             "unprotected. The connection was closed. Tick \"Allow unencrypted "
                             "connection\" in the login only for a server that cannot do TLS.")
                  .arg(p.host);
    }
    return result;
}

QString sessionCipher(QSqlDatabase &db, QString &error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("show session status like 'Ssl_cipher'"))) {
        error = errorText(query.lastError());
        return {};
    }
    return query.next() ? query.value(1).toString() : QString();
}

QString encryptionDescription(const ConnectionResult &result)
{
    if (result.encrypted())
        return QStringLiteral("The connection is encrypted (%1).").arg(result.cipher);
    if (!result.tlsFailure.isEmpty())
        return QStringLiteral("The connection is NOT encrypted (TLS failed: %1).")
            .arg(result.tlsFailure);
    return QStringLiteral("The connection is NOT encrypted.");
}

TransportSecurity rememberedSecurity(const QString &hostName)
{
    QSettings settings = programSettings();
    settings.beginGroup(settingsKey(hostName));
    TransportSecurity security;
    security.caFile = settings.value(QStringLiteral("caFile")).toString();
    security.allowUnencrypted = settings.value(QStringLiteral("allowUnencrypted")).toBool();
    return security;
}

void rememberSecurity(const QString &hostName, const TransportSecurity &security)
{
    QSettings settings = programSettings();
    settings.beginGroup(settingsKey(hostName));
    settings.setValue(QStringLiteral("caFile"), security.caFile);
    settings.setValue(QStringLiteral("allowUnencrypted"), security.allowUnencrypted);
}

QString checkQuery()
{
    return QStringLiteral("select * from Kilpailut where Nimi='Nimetön Ampuja'");
}

namespace {

// The INSERT, prepared once on its first row and run with each row's values bound.
class RowInserter
{
public:
    explicit RowInserter(QSqlDatabase &db)
        : m_query(db)
    { }

    // False and the message in error when the server refused the row.
    bool insert(const KilpailutRivi &row, QString &error)
    {
        if (!m_prepared && !m_query.prepare(preparedStatement())) {
            error = errorText(m_query.lastError());
            return false;
        }
        m_prepared = true;
        const QVariantList values = row.values();
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values[i]);
        if (!m_query.exec()) {
            error = errorText(m_query.lastError());
            return false;
        }
        return true;
    }

private:
    QSqlQuery m_query;
    bool m_prepared = false;
};

// Refuses a replacing send to a table that could not undo it: the rows sent earlier would be
// gone while the new ones failed. Empty when the table's engine has transactions (or the server
// does not say).
QString untransactionalTable(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("select t.ENGINE, e.TRANSACTIONS from information_schema.TABLES t "
                           "left join information_schema.ENGINES e on e.ENGINE = t.ENGINE "
                           "where t.TABLE_SCHEMA = database() and t.TABLE_NAME = 'Kilpailut'"))
        || !query.next() || query.value(0).isNull())
        return {};
    if (query.value(1).toString().compare(QStringLiteral("YES"), Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("The table Kilpailut on the server is stored with the %1 engine, which "
                          "cannot undo a failed send, so the rows sent earlier cannot be replaced "
                          "safely.")
        .arg(query.value(0).toString());
}

SendOutcome replaceRows(
    QSqlDatabase &db, const QList<KilpailutRivi> &rows, const std::function<void()> &beforeInsert)
{
    SendOutcome outcome;
    if (rows.isEmpty())
        return outcome;
    const auto failed = [&](const QString &error) {
        outcome.failure = error;
        // A lost connection cannot be rolled back by the client; the server drops the open
        // transaction itself.
        db.rollback();
        outcome.unchanged = true;
        return outcome;
    };
    if (const QString refusal = untransactionalTable(db); !refusal.isEmpty()) {
        outcome.failure = refusal;
        outcome.unchanged = true;
        return outcome;
    }
    if (!db.transaction()) {
        outcome.failure = errorText(db.lastError());
        outcome.unchanged = true;
        return outcome;
    }
    QSqlQuery remove(db);
    if (!remove.prepare(replaceDeleteStatement()))
        return failed(errorText(remove.lastError()));
    RowInserter inserter(db);
    QSet<QString> cleared;
    for (const KilpailutRivi &row : rows) {
        // The match as the rows name it, and the discipline.
        const QStringList key{row.Alkupvm, row.Paikka, row.JSeura, row.Laji};
        const QString match = key.join(QChar(0));
        if (!cleared.contains(match)) {
            for (int i = 0; i < key.size(); ++i)
                remove.bindValue(i, key[i].isNull() ? QStringLiteral("") : key[i]);
            if (!remove.exec())
                return failed(errorText(remove.lastError()));
            cleared.insert(match);
        }
        if (beforeInsert)
            beforeInsert();
        ++outcome.begun;
        QString error;
        if (!inserter.insert(row, error))
            return failed(error);
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        const int code = nativeCode(error);
        if (code != ServerGoneError && code != ServerLostError)
            return failed(errorText(error));
        // The commit may have reached the server before the connection broke.
        outcome.failure = errorText(error)
            + QStringLiteral("\nThe server did not confirm the commit, so it is not known whether "
                             "the rows were replaced. Send again.");
    }
    return outcome;
}

} // namespace

SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows,
    const std::function<void()> &beforeStatement)
{
    SendOutcome outcome;
    RowInserter inserter(db);
    for (const KilpailutRivi &row : rows) {
        if (beforeStatement)
            beforeStatement();
        ++outcome.begun;
        if (!inserter.insert(row, outcome.failure))
            return outcome;
    }
    return outcome;
}

SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows, SendMode mode,
    const std::function<void()> &beforeInsert)
{
    if (mode == SendMode::Replace)
        return replaceRows(db, rows, beforeInsert);
    return sendRows(db, rows, beforeInsert);
}

QString nothingChangedMessage()
{
    return QStringLiteral("Nothing was changed on the server: it holds the rows it held before "
                          "this send.");
}

QString replaceDeleteStatement()
{
    return QStringLiteral(
        "delete from Kilpailut where Alkupvm = ? and Paikka = ? and JSeura = ? and Laji = ?");
}

} // namespace marvola
