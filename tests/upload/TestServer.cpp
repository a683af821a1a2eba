#include "TestServer.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <optional>
#include <sys/types.h>

namespace marvola::test {

namespace {

const QString Script = marvola::testing::sourceFolder() + QStringLiteral("/scripts/test-db.sh");
const QString Schema
    = marvola::testing::sourceFolder() + QStringLiteral("/src/upload/Kilpailut.sql");
const QString AdminConnection = QStringLiteral("marvola test admin");
const QString LockName = QStringLiteral("marvola upload tests");

// Runs commands after sourcing the script; args are $1, $2, ... Returns stdout, or nothing and
// the reason in error.
std::optional<QStringList> runScript(
    const QString &commands, const QStringList &args, QString &error)
{
    QProcess bash;
    bash.setProcessChannelMode(QProcess::SeparateChannels);
    bash.start(QStringLiteral("bash"),
        QStringList{QStringLiteral("-c"), QStringLiteral("source \"$0\" && ") + commands, Script}
            + args);
    if (!bash.waitForFinished(120000) || bash.exitStatus() != QProcess::NormalExit
        || bash.exitCode() != 0) {
        error = QStringLiteral("%1 failed: %2")
                    .arg(Script, QString::fromUtf8(bash.readAllStandardError()));
        return std::nullopt;
    }
    return QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'));
}

qint64 pidOf(const TestServer &server)
{
    QFile file(server.dir + QStringLiteral("/mariadbd.pid"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toLongLong();
}

// A killed server that nobody has reaped yet is a zombie: it holds no socket any more.
bool gone(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return true;
    return status.readAll().contains("State:\tZ");
}

TestServer serverFromEnvironment()
{
    TestServer server;
    server.port = qEnvironmentVariableIntValue("MARVOLA_TEST_DB_PORT");
    server.user = qEnvironmentVariable("MARVOLA_TEST_DB_USER");
    server.password = qEnvironmentVariable("MARVOLA_TEST_DB_PASSWORD");
    server.dir = qEnvironmentVariable("MARVOLA_TEST_DB_DIR");
    server.caFile = qEnvironmentVariable("MARVOLA_TEST_DB_CA");
    if (server.port <= 0)
        server.error = QStringLiteral("MARVOLA_TEST_DB_PORT is not a port: %1")
                           .arg(qEnvironmentVariable("MARVOLA_TEST_DB_PORT"));
    return server;
}

struct Shared
{
    TestServer server;
    bool own = false;
};

Shared &shared()
{
    static Shared s = [] {
        Shared made;
        if (qEnvironmentVariableIsSet("MARVOLA_TEST_DB_ERROR"))
            made.server.error = qEnvironmentVariable("MARVOLA_TEST_DB_ERROR");
        else if (qEnvironmentVariableIsSet("MARVOLA_TEST_DB_PORT"))
            made.server = serverFromEnvironment();
        else {
            made.server = startServer();
            made.own = made.server.error.isEmpty();
        }
        return made;
    }();
    return s;
}

bool sharedStarted = false;

// Stops the server this process started itself, once every test has run.
class OwnServerEnvironment : public ::testing::Environment
{
public:
    void TearDown() override
    {
        QSqlDatabase::removeDatabase(AdminConnection);
        if (sharedStarted && shared().own)
            stopServer(shared().server);
    }
};

[[maybe_unused]] const auto *const registered
    = ::testing::AddGlobalTestEnvironment(new OwnServerEnvironment);

// What the login remembers per host goes to a folder of this run, never to the user's settings.
// Set before main, so no settings file has been located yet.
[[maybe_unused]] const bool configIsolated = [] {
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    return true;
}();

} // namespace

ConnectionSettings TestServer::settings() const
{
    ConnectionSettings a;
    a.HostName = QStringLiteral("127.0.0.1:%1").arg(port);
    a.User_Name = user;
    a.Password = password;
    a.security.caFile = caFile;
    return a;
}

const TestServer &sharedServer()
{
    sharedStarted = true;
    return shared().server;
}

TestServer startServer(Tls tls)
{
    TestServer server;
    const auto out = runScript(
        QStringLiteral("start_test_db \"$1\" >&2 && printf '%s\\n' \"${MARVOLA_TEST_DB_ERROR:-}\" "
                       "\"${MARVOLA_TEST_DB_PORT:-}\" \"${MARVOLA_TEST_DB_USER:-}\" "
                       "\"${MARVOLA_TEST_DB_PASSWORD:-}\" \"${MARVOLA_TEST_DB_DIR:-}\" "
                       "\"${MARVOLA_TEST_DB_CA:-}\""),
        {tls == Tls::On ? QStringLiteral("tls") : QStringLiteral("plain")}, server.error);
    if (!out)
        return server;
    if (out->size() < 6) {
        server.error = QStringLiteral("start_test_db said nothing usable");
        return server;
    }
    server.error = out->at(0);
    server.port = out->at(1).toInt();
    server.user = out->at(2);
    server.password = out->at(3);
    server.dir = out->at(4);
    server.caFile = out->at(5);
    if (server.error.isEmpty() && server.port <= 0)
        server.error = QStringLiteral("start_test_db gave no port");
    return server;
}

bool killServer(const TestServer &server)
{
    const qint64 pid = pidOf(server);
    if (pid <= 0 || ::kill(static_cast<pid_t>(pid), SIGKILL) != 0)
        return false;
    for (int i = 0; i < 200 && !gone(pid); ++i)
        QThread::msleep(50);
    return gone(pid);
}

bool relaunchServer(const TestServer &server)
{
    QString error;
    return runScript(
        QStringLiteral("export MARVOLA_TEST_DB_DIR=\"$1\" && marvola_db_launch \"$2\""),
        {server.dir, QString::number(server.port)}, error)
        .has_value();
}

void stopServer(const TestServer &server)
{
    QString error;
    runScript(
        QStringLiteral("export MARVOLA_TEST_DB_DIR=\"$1\" && stop_test_db"), {server.dir}, error);
}

QSqlDatabase openAdmin(const TestServer &server, const QString &connectionName, QString &error)
{
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
        ? QSqlDatabase::database(connectionName, false)
        : QSqlDatabase::addDatabase(UploadDriver, connectionName);
    if (db.isOpen())
        return db;
    if (const ConnectionResult connected = openConnection(db, server.settings()); !connected.ok())
        error = connected.error;
    return db;
}

void UploadDatabaseTest::SetUp()
{
    const TestServer &s = server();
    ASSERT_TRUE(s.error.isEmpty())
        << "No database server for the upload tests. " << s.error.toStdString();
    QString error;
    QSqlDatabase db = openAdmin(s, AdminConnection, error);
    ASSERT_TRUE(db.isOpen()) << "Cannot reach the test database server on port " << s.port << ": "
                             << error.toStdString();
    QSqlQuery lock(db);
    ASSERT_TRUE(lock.exec(QStringLiteral("select get_lock('%1', 300)").arg(LockName)) && lock.next()
        && lock.value(0).toInt() == 1)
        << "The upload tests' lock on the server was not granted";
    QSqlQuery mode(db);
    ASSERT_TRUE(mode.exec(QStringLiteral("select @@global.sql_mode")) && mode.next());
    m_sqlMode = mode.value(0).toString();
    m_locked = true;

    QFile schema(Schema);
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly)) << Schema.toStdString();
    exec(QStringLiteral("drop table if exists Kilpailut"));
    exec(QString::fromUtf8(schema.readAll()));
}

void UploadDatabaseTest::TearDown()
{
    if (!m_locked)
        return;
    QSqlDatabase db = QSqlDatabase::database(AdminConnection, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("set global sql_mode = ?"));
    query.addBindValue(m_sqlMode);
    EXPECT_TRUE(query.exec()) << query.lastError().text().toStdString();
    EXPECT_TRUE(query.exec(QStringLiteral("select release_lock('%1')").arg(LockName)));
}

void UploadDatabaseTest::exec(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(AdminConnection, false));
    ASSERT_TRUE(query.exec(sql)) << sql.toStdString() << ": "
                                 << query.lastError().text().toStdString();
}

QList<QVariantList> UploadDatabaseTest::rows()
{
    return rows(QSqlDatabase::database(AdminConnection, false));
}

QList<QVariantList> UploadDatabaseTest::rows(QSqlDatabase db)
{
    QSqlQuery query(db);
    const QString sql
        = QStringLiteral("select %1 from Kilpailut order by Id").arg(kilpailutColumns().join(','));
    QList<QVariantList> result;
    if (!query.exec(sql)) {
        ADD_FAILURE() << query.lastError().text().toStdString();
        return result;
    }
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < KilpailutColumnCount; ++i)
            row << query.value(i);
        result << row;
    }
    return result;
}

} // namespace marvola::test
