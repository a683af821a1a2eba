// The connection to the online results database and the send of the statements over it.
#pragma once

#include "upload/Statements.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>
#include <optional>

namespace marvola {

// The Qt driver on the MariaDB/MySQL client library.
inline const QString UploadDriver = QStringLiteral("QMYSQL");
constexpr int DefaultPort = 3306;

// The deployment's support address and the name of its online results pages, as the instructions
// and the information message name them.
inline QString supportAddress()
{
    return QStringLiteral(MARVOLA_SUPPORT_ADDRESS);
}
inline QString resultsPages()
{
    return QStringLiteral(MARVOLA_RESULTS_PAGES);
}

// Whether the host is this machine (localhost, 127.0.0.0/8, ::1), where a session without TLS
// crosses no network. Names are not resolved: any other name counts as remote.
bool isLoopbackHost(const QString &host);

// How the connection is protected on its way to the server.
struct TransportSecurity
{
    // The PEM file of the CA that signed the server's certificate; empty: the system's CA store.
    QString caFile;
    // An unencrypted session with this host is accepted: an old server without TLS, knowingly.
    bool allowUnencrypted = false;
    // Tests put a stand-in here to play a remote server on 127.0.0.1.
    std::function<bool(const QString &host)> isLoopback = isLoopbackHost;
};

// Where and as whom the upload connects; the defaults are the deployment's build settings.
struct ConnectionSettings
{
    QString HostName = QStringLiteral(MARVOLA_DB_HOST); // "host" or "host:port"
    QString Database = QStringLiteral("Tulokset");
    QString User_Name = QStringLiteral(MARVOLA_DB_USER);
    QString Password;
    TransportSecurity security;
};

struct ServerAddress
{
    QString host;
    int port = DefaultPort;
};
// Splits "host:port" ("[v6-address]:port" for an IPv6 address); without a port, 3306. The client
// library takes "localhost" for its local socket and ignores the port, so a port given with
// "localhost" connects to 127.0.0.1 instead.
ServerAddress serverAddress(const QString &hostName);

// The message the official sees for a failed connect or statement: the server's own text when
// there is one, else the driver's.
QString errorText(const QSqlError &error);

struct ConnectionResult
{
    QString error; // empty when the connection is open
    QString cipher; // the session's TLS cipher as the server reports it; empty: not encrypted
    QString tlsFailure; // why TLS failed when this machine's server was reached without it
    bool ok() const { return error.isEmpty(); }
    bool encrypted() const { return !cipher.isEmpty(); }
};

// Opens the connection with TLS, the server's certificate checked against the CA file or the
// system's CA store. A server on this machine that cannot do TLS is used without it; a remote
// session that ends up unencrypted is closed again and refused unless the settings allow it.
ConnectionResult openConnection(QSqlDatabase &db, const ConnectionSettings &settings);

// The session's TLS cipher from the server's own status; empty when the session is not
// encrypted. The error message when the server could not be asked.
QString sessionCipher(QSqlDatabase &db, QString &error);

// One line for the official: encrypted or not, and why not.
QString encryptionDescription(const ConnectionResult &result);

// What the login remembers per host (the HostName's host part) in the program's settings: the CA
// file and the unencrypted tick, never the password.
TransportSecurity rememberedSecurity(const QString &hostName);
void rememberSecurity(const QString &hostName, const TransportSecurity &security);

// Shows the official that the connection works: its rows fill the dialog's grid.
QString checkQuery();

struct SendOutcome
{
    int begun = 0; // statements begun; the last one is the failed one when failure is set
    QString failure;
    // A failed replacing send was undone: the server holds exactly what it held before.
    bool unchanged = false;
    bool succeeded() const { return failure.isEmpty(); }
};

// Runs one statement per row, in order, on the open connection, each with its values bound.
// beforeStatement runs before each statement, so progress shows before the server answers. The
// first refused statement ends the send; the rows already inserted stay.
SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows,
    const std::function<void()> &beforeStatement = {});

enum class SendMode {
    Append, // every row inserted anew, as many times as it is sent
    Replace, // the rows sent earlier for the match and discipline give way to the new ones
};

// The send of the dialog and of the batch mode. Append is sendRows above. Replace runs as one
// transaction: for each discipline in the rows, in order, the rows of this match (Alkupvm,
// Paikka, JSeura) and discipline (Laji) are deleted and the discipline's rows inserted; then
// commit. Any failure rolls the whole send back. beforeInsert runs before each INSERT.
SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows, SendMode mode,
    const std::function<void()> &beforeInsert = {});

// Said after a failed replacing send that was undone.
QString nothingChangedMessage();

// The statement that removes one match's rows of one discipline, its four values bound.
QString replaceDeleteStatement();

} // namespace marvola
