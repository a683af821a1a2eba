#include "upload/Connection.h"

#include <QSqlQuery>

namespace marvola {

namespace {

// A dead network must not hang the window for the client library's default of minutes.
const QString ConnectOptions = QStringLiteral(
    "MYSQL_OPT_CONNECT_TIMEOUT=15;MYSQL_OPT_READ_TIMEOUT=60;MYSQL_OPT_WRITE_TIMEOUT=60");

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

QString errorText(const QSqlError error)
{
    const QString server = error.databaseText().trimmed();
    return server.isEmpty() ? error.driverText().trimmed() : server;
}

std::optional<QString> openConnection(QSqlDatabase &db, const ConnectionSettings &settings)
{
    const ServerAddress p = serverAddress(settings.HostName);
    db.setHostName(p.host);
    db.setPort(p.port);
    db.setDatabaseName(settings.Database);
    db.setUserName(settings.User_Name);
    db.setPassword(settings.Password);
    // The driver itself asks the server for utf8mb4, so Finnish letters and every other
    // character of a name arrive as typed.
    db.setConnectOptions(ConnectOptions);
    if (db.open())
        return std::nullopt;
    return errorText(db.lastError());
}

QString checkQuery()
{
    return QStringLiteral("select * from Kilpailut where Nimi='Nimetön Ampuja'");
}

SendOutcome sendRows(QSqlDatabase &db, const QList<KilpailutRivi> &rows,
    const std::function<void()> &beforeStatement)
{
    SendOutcome outcome;
    QSqlQuery query(db);
    bool prepared = false;
    for (const KilpailutRivi &row : rows) {
        if (beforeStatement)
            beforeStatement();
        ++outcome.begun;
        if (!prepared && !query.prepare(preparedStatement())) {
            outcome.failure = errorText(query.lastError());
            return outcome;
        }
        prepared = true;
        const QVariantList values = row.values();
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec()) {
            outcome.failure = errorText(query.lastError());
            return outcome;
        }
    }
    return outcome;
}

} // namespace marvola
