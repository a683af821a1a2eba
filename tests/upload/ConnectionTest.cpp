// The connection and the send against a real MariaDB server.
#include "SampleRow.h"
#include "TestServer.h"
#include "support/ParamName.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::test;

TEST(Connection, HostNameMayCarryAPort)
{
    const struct
    {
        const char *hostName;
        const char *host;
        int port;
    } cases[] = {
        {"results.example.org", "results.example.org", 3306},
        {"results.example.org:3307", "results.example.org", 3307},
        {" 10.0.0.5:33060 ", "10.0.0.5", 33060},
        {"localhost", "localhost", 3306},
        // A port must reach the port, not the client library's local socket.
        {"localhost:3307", "127.0.0.1", 3307},
        {"[::1]:3307", "::1", 3307},
        {"::1", "::1", 3306},
        {"host:", "host:", 3306},
        {"host:0", "host:0", 3306},
        {"host:70000", "host:70000", 3306},
        {"host:+33", "host:+33", 3306},
    };
    for (const auto &c : cases) {
        const ServerAddress p = serverAddress(QString::fromLatin1(c.hostName));
        EXPECT_EQ(p.host, QString::fromLatin1(c.host)) << c.hostName;
        EXPECT_EQ(p.port, c.port) << c.hostName;
    }
}

namespace {

class ConnectionTest : public UploadDatabaseTest
{
protected:
    void TearDown() override
    {
        QSqlDatabase::removeDatabase(Name);
        UploadDatabaseTest::TearDown();
    }
    QSqlDatabase connection() { return QSqlDatabase::addDatabase(UploadDriver, Name); }

    static inline const QString Name = QStringLiteral("connection under test");
};

// The sample row as an FPP row of class A in position 2, under the given name.
KilpailutRivi rivi(const QString &nimi)
{
    KilpailutRivi r = sampleRivi();
    r.Laji = QStringLiteral("FPP");
    r.Luokka = QStringLiteral("A");
    r.Positio = 2;
    r.Nimi = nimi;
    r.Sika = -1;
    r.Yhteensa = 24;
    r.f = {};
    return r;
}

std::vector<std::string> texts(const QVariantList &values)
{
    std::vector<std::string> out;
    for (const QVariant &v : values)
        out.push_back(v.toString().toStdString());
    return out;
}

} // namespace

TEST_F(ConnectionTest, SpeaksUtf8mb4)
{
    QSqlDatabase db = connection();
    const ConnectionResult connected = openConnection(db, server().settings());
    ASSERT_TRUE(connected.ok()) << connected.error.toStdString();
    EXPECT_EQ(db.databaseName(), QStringLiteral("Tulokset"));
    QSqlQuery query(db);
    ASSERT_TRUE(query.exec(QStringLiteral(
        "select @@character_set_client, @@character_set_connection, @@character_set_results")));
    ASSERT_TRUE(query.next());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(query.value(i).toString(), QStringLiteral("utf8mb4"));
}

TEST_F(ConnectionTest, AWrongPasswordGivesTheServersMessage)
{
    QSqlDatabase db = connection();
    ConnectionSettings settings = server().settings();
    settings.Password = QStringLiteral("not the password");
    const ConnectionResult connected = openConnection(db, settings);
    ASSERT_FALSE(connected.ok());
    EXPECT_TRUE(connected.error.startsWith(QStringLiteral("Access denied for user")))
        << connected.error.toStdString();
    EXPECT_FALSE(db.isOpen());
}

TEST_F(ConnectionTest, ProgressRunsBeforeEachStatementAndNothingRunsForNoRows)
{
    QSqlDatabase db = connection();
    ASSERT_TRUE(openConnection(db, server().settings()).ok());
    int dots = 0;
    const auto progress = [&] { ++dots; };
    SendOutcome tulos = sendRows(db, {}, progress);
    EXPECT_TRUE(tulos.succeeded());
    EXPECT_EQ(tulos.begun, 0);
    EXPECT_EQ(dots, 0);

    tulos = sendRows(db, {rivi(QStringLiteral("Yksi")), rivi(QStringLiteral("Kaksi"))}, progress);
    EXPECT_TRUE(tulos.succeeded()) << tulos.failure.toStdString();
    EXPECT_EQ(tulos.begun, 2);
    EXPECT_EQ(dots, 2);
    EXPECT_EQ(rows().size(), 2);
}

// No text can end its quotes early, whatever the server makes of a backslash or a double quote.
class QuotedTexts : public ConnectionTest, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(QuotedTexts, AreStoredAsTyped)
{
    const QString mode = QString::fromLatin1(GetParam());
    if (mode != QStringLiteral("server default"))
        exec(QStringLiteral("set global sql_mode = '%1'").arg(mode));

    QList<KilpailutRivi> rivit{rivi(QStringLiteral("O'Brien \"Ä\\ö; --")),
        rivi(QStringLiteral("Kivi\\")), rivi(QStringLiteral("x'); drop table Kilpailut"))};
    rivit[0].Seura = QStringLiteral("a'b\\c;\"d");
    rivit[0].Paikka = QStringLiteral("Hämeenlinna'); DROP TABLE Kilpailut; --");
    rivit[0].JSeura = QStringLiteral("\\'");
    rivit[0].Level = QStringLiteral("\"SM\"");
    rivit[0].f = {QStringLiteral("\\"), QStringLiteral("'"), QStringLiteral("\""),
        QStringLiteral(";"), QStringLiteral("ÅÖ")};
    rivit[1].Kaliiperi = QStringLiteral("'\\'");
    rivit[1].Malli = QStringLiteral("S&W\\ \"29\"");
    rivit[2].Kansallisuus = QStringLiteral("ÄÖÅ");

    QSqlDatabase db = connection();
    ASSERT_TRUE(openConnection(db, server().settings()).ok());
    QSqlQuery mode_(db);
    ASSERT_TRUE(mode_.exec(QStringLiteral("select @@session.sql_mode")) && mode_.next());
    if (mode != QStringLiteral("server default")) {
        ASSERT_EQ(mode_.value(0).toString(), mode);
    }

    const SendOutcome tulos = sendRows(db, rivit);
    ASSERT_TRUE(tulos.succeeded()) << tulos.failure.toStdString();
    const QList<QVariantList> stored = rows();
    ASSERT_EQ(stored.size(), rivit.size());
    for (int i = 0; i < rivit.size(); ++i)
        EXPECT_EQ(texts(stored[i]), texts(rivit[i].values())) << "row " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(SqlModes, QuotedTexts,
    ::testing::Values("server default", "", "NO_BACKSLASH_ESCAPES",
        "ANSI_QUOTES,NO_BACKSLASH_ESCAPES,STRICT_ALL_TABLES"),
    [](const auto &info) { return marvola::testing::paramName(info.param); });
