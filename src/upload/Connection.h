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

// Where and as whom the upload connects; the defaults are the deployment's build settings.
struct ConnectionSettings
{
    QString HostName = QStringLiteral(MARVOLA_DB_HOST); // "host" or "host:port"
    QString Database = QStringLiteral("Tulokset");
    QString User_Name = QStringLiteral(MARVOLA_DB_USER);
    QString Password;
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
QString errorText(const QSqlError error);

// Sets the connection's parameters and opens it. Returns the error message on failure.
std::optional<QString> openConnection(QSqlDatabase &db, const ConnectionSettings &settings);

// Shows the official that the connection works: its rows fill the dialog's grid.
QString checkQuery();

struct SendOutcome
{
    int begun = 0; // statements begun; the last one is the failed one when failure is set
    QString failure;
    bool succeeded() const { return failure.isEmpty(); }
};

// Runs one statement per row, in order, on the open connection, each with its values bound.
// beforeStatement runs before each statement, so progress shows before the server answers. The
// first refused statement ends the send; the rows already inserted stay.
SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows,
    const std::function<void()> &beforeStatement = {});

} // namespace marvola
