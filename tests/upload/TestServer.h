// Throwaway MariaDB servers for the upload tests, started and stopped by scripts/test-db.sh, and
// the fixture that gives each test a fresh Kilpailut table on one.
#pragma once

#include "support/QtPrinters.h"
#include "upload/Connection.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <gtest/gtest.h>

namespace marvola::test {

struct TestServer
{
    QString error; // why there is no server; empty when there is one
    int port = 0;
    QString user;
    QString password;
    QString dir; // holds the data directory and mariadbd.pid
    QString caFile; // the throwaway CA that signed the server's certificate; empty: no TLS

    // How the upload logs in to this server, its certificate checked against its CA.
    ConnectionSettings settings() const;
};

// The server of this test run: the one ./test.sh started (MARVOLA_TEST_DB_PORT), or, when the
// tests run on their own, one started now for this process and stopped at its end.
const TestServer &sharedServer();

enum class Tls { On, Off };

// Another server of the test's own, for a test that stops it; Tls::Off plays an old server that
// cannot encrypt.
TestServer startServer(Tls tls = Tls::On);
// Kills the server at once, as a crash or a pulled cable would; waits until it is gone.
bool killServer(const TestServer &server);
// Starts the server again on its data directory and port.
bool relaunchServer(const TestServer &server);
void stopServer(const TestServer &server);

// Opens a connection with its own name to the server's database Tulokset.
QSqlDatabase openAdmin(const TestServer &server, const QString &connectionName, QString &error);

// One test at a time on the shared server: a fresh Kilpailut table, and the server's sql_mode
// put back afterwards.
class UploadDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    const TestServer &server() const { return sharedServer(); }
    // Runs a statement as the administrator; a failure fails the test.
    void exec(const QString &sql);
    // Every row of Kilpailut in arrival order, the 24 columns the program writes.
    QList<QVariantList> rows();
    // The same rows of another server.
    static QList<QVariantList> rows(QSqlDatabase db);

private:
    QString m_sqlMode;
    bool m_locked = false;
};

} // namespace marvola::test
