// The encrypted connection: the certificate check, the session's own word on encryption and the
// refusal of an unencrypted remote session, against real servers with and without TLS.
#include "TestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::test;

TEST(Encryption, LoopbackIsThisMachineOnlyAndNamesAreNotResolved)
{
    const struct
    {
        const char *host;
        bool loopback;
    } cases[] = {
        {"localhost", true},
        {"LocalHost", true},
        {"127.0.0.1", true},
        {"127.255.3.4", true},
        {"::1", true},
        {"[::1]", true},
        {"0:0:0:0:0:0:0:1", true},
        {"::ffff:127.0.0.1", true},
        {"128.0.0.1", false},
        {"10.0.0.5", false},
        {"results.example.org", false},
        {"127.0.0.1.example.org", false},
        {"localhost.example.org", false},
        {"127.1", false},
        {"127.0.0.256", false},
        {"::2", false},
        {"::ffff:10.0.0.1", false},
        {"1::1", false},
        {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isLoopbackHost(QString::fromLatin1(c.host)), c.loopback) << c.host;
}

namespace {

enum class Server { Tls, Plain };
enum class Ca { Own, Other, System };
enum class Outcome { Encrypted, Unencrypted, Refused };

struct EncryptionCase
{
    const char *name;
    Server server;
    Ca ca;
    bool loopback;
    bool allowUnencrypted;
    Outcome outcome;
    const char *message; // part of the refusal, or of why TLS failed
};

// Hosts are all 127.0.0.1; a remote one is played by a loopback check that says no.
const EncryptionCase EncryptionCases[] = {
    {"OwnCaRemote", Server::Tls, Ca::Own, false, false, Outcome::Encrypted, ""},
    {"OwnCaLoopback", Server::Tls, Ca::Own, true, false, Outcome::Encrypted, ""},
    {"OtherCaRemoteRefused", Server::Tls, Ca::Other, false, false, Outcome::Refused, "certificate"},
    {"SystemStoreRemoteRefused", Server::Tls, Ca::System, false, false, Outcome::Refused,
        "the system's certificates"},
    {"OtherCaRemoteAllowedGoesUnencrypted", Server::Tls, Ca::Other, false, true,
        Outcome::Unencrypted, "certificate"},
    {"OtherCaLoopbackGoesUnencrypted", Server::Tls, Ca::Other, true, false, Outcome::Unencrypted,
        "certificate"},
    {"NoTlsRemoteRefused", Server::Plain, Ca::System, false, false, Outcome::Refused,
        "is not encrypted"},
    {"NoTlsRemoteAllowed", Server::Plain, Ca::System, false, true, Outcome::Unencrypted, ""},
    {"NoTlsLoopback", Server::Plain, Ca::Own, true, false, Outcome::Unencrypted, ""},
};

class EncryptedConnection : public UploadDatabaseTest,
                            public ::testing::WithParamInterface<EncryptionCase>
{
protected:
    // One server without TLS for the suite, started when a case first needs it: an old
    // results server.
    static const TestServer &plainServer()
    {
        if (!s_plain)
            s_plain = new TestServer(startServer(Tls::Off));
        return *s_plain;
    }
    static void TearDownTestSuite()
    {
        QSqlDatabase::removeDatabase(Name);
        if (!s_plain)
            return;
        stopServer(*s_plain);
        delete s_plain;
        s_plain = nullptr;
    }
    void TearDown() override
    {
        QSqlDatabase::database(Name, false).close();
        UploadDatabaseTest::TearDown();
    }

    QSqlDatabase connection()
    {
        return QSqlDatabase::contains(Name) ? QSqlDatabase::database(Name, false)
                                            : QSqlDatabase::addDatabase(UploadDriver, Name);
    }

    static inline const QString Name = QStringLiteral("encrypted connection under test");
    static inline TestServer *s_plain = nullptr;
};

} // namespace

TEST_P(EncryptedConnection, IsEncryptedOrRefusedAsTheHostAndCertificateAllow)
{
    const EncryptionCase c = GetParam();
    const TestServer &s = c.server == Server::Tls ? server() : plainServer();
    ASSERT_TRUE(s.error.isEmpty()) << s.error.toStdString();
    ConnectionSettings settings = s.settings();
    const QString ownCa = server().caFile;
    settings.security.caFile = c.ca == Ca::Own ? ownCa
        : c.ca == Ca::Other ? QFileInfo(ownCa).dir().filePath(QStringLiteral("other-ca.pem"))
                            : QString();
    settings.security.allowUnencrypted = c.allowUnencrypted;
    const bool loopback = c.loopback;
    settings.security.isLoopback = [loopback](const QString &) { return loopback; };

    QSqlDatabase db = connection();
    const ConnectionResult result = openConnection(db, settings);
    const QString message = QString::fromUtf8(c.message);
    switch (c.outcome) {
    case Outcome::Refused:
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(message)) << result.error.toStdString();
        EXPECT_FALSE(db.isOpen());
        return;
    case Outcome::Encrypted:
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_TRUE(result.encrypted());
        EXPECT_TRUE(result.tlsFailure.isEmpty());
        EXPECT_TRUE(encryptionDescription(result).startsWith(
            QStringLiteral("The connection is encrypted (")));
        break;
    case Outcome::Unencrypted:
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_FALSE(result.encrypted());
        EXPECT_TRUE(result.tlsFailure.contains(message)) << result.tlsFailure.toStdString();
        EXPECT_TRUE(encryptionDescription(result).startsWith(
            QStringLiteral("The connection is NOT encrypted")));
        break;
    }
    // The result agrees with the server's own view of the session.
    ASSERT_TRUE(db.isOpen());
    QString error;
    EXPECT_EQ(sessionCipher(db, error), result.cipher);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral("show session status like 'Ssl_version'")));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(1).toString().isEmpty(), !result.encrypted());
}

INSTANTIATE_TEST_SUITE_P(Hosts, EncryptedConnection, ::testing::ValuesIn(EncryptionCases),
    [](const ::testing::TestParamInfo<EncryptionCase> &info) { return info.param.name; });

TEST(Encryption, AnUnreadableCaFileStopsBeforeAnyConnect)
{
    ConnectionSettings settings;
    settings.HostName = QStringLiteral("127.0.0.1:1");
    settings.security.caFile = QStringLiteral("/nonexistent/ca.pem");
    QSqlDatabase db = QSqlDatabase::addDatabase(UploadDriver, QStringLiteral("unreadable CA"));
    const ConnectionResult result = openConnection(db, settings);
    EXPECT_EQ(result.error, QStringLiteral("The CA file /nonexistent/ca.pem cannot be read."));
    EXPECT_FALSE(db.isOpen());
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("unreadable CA"));
}
