// The scoring stations' API over HTTP: every refusal leaves the log, the register and the
// station's counter as they were; an entry is stored once, a resend is a duplicate, and an entry
// over a different result is held for the office.
#include "live/StationApi.h"

#include "files/MatchFiles.h"
#include "live/LiveServer.h"
#include "live/StationDesk.h"
#include "output/ListStatusRules.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"
#include "relays/RelayPlan.h"
#include "session/MatchSession.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"
#include "support/StationClient.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QByteArray Entries = "/station/api/entries";

QByteArray entryBody(const QString &id, int competitor, const char *discipline,
    std::array<int, 4> hits, const QJsonObject &extra = {})
{
    QJsonObject o{{"id", id}, {"competitor", competitor}, {"discipline", discipline},
        {"chicken", hits[0]}, {"pig", hits[1]}, {"turkey", hits[2]}, {"ram", hits[3]}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        o.insert(it.key(), it.value());
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

class StationApiTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Kilpailu &k = m_builder.match();
        k.tiedot.Mukana[ix(Group::BBP)] = true;
        k.tiedot.Laukaukset[ix(Group::BBP)] = 40;
        k.tiedot.Mukana[ix(Group::SBP)] = true;
        k.tiedot.Laukaukset[ix(Group::SBP)] = 40;
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Aino Ahola")), BBPR, QStringLiteral("A"), {});
        m_builder.enter(m_builder.competitor(QStringLiteral("Bertta Berg")), BBPR,
            QStringLiteral("B"), {5, 4, 3, 2});
        m_builder.enter(
            m_builder.competitor(QStringLiteral("Cecilia Cole")), SBPR, QStringLiteral("A"), {});
        m_builder.enter(3, BBPC, QStringLiteral("A"), {});
        QString error;
        ASSERT_TRUE(saveMatchFileSet(m_set, k, {}, error)) << error.toStdString();
        m_session = std::make_unique<MatchSession>(k);
        ASSERT_TRUE(m_session->open(m_set, false, error)) << error.toStdString();
        m_desk = std::make_unique<StationDesk>(*m_session);
        m_bank = key(m_desk->addStation(QStringLiteral("Pistol bank 1"),
            {QStringLiteral("BBPR"), QStringLiteral("SBPR")}, error));
        m_revoked = key(m_desk->addStation(QStringLiteral("Old phone"), {}, error));
        ASSERT_TRUE(m_desk->revokeStation(QString::fromLatin1(m_revoked.id), error));
        m_desk->publishDirectory();
        m_server.setRouter(m_desk->router());
        ASSERT_TRUE(m_server.start(QHostAddress::LocalHost, 0, error)) << error.toStdString();
    }
    void TearDown() override { m_server.stop(); }

    StationKey key(const std::optional<Station> &station)
    {
        EXPECT_TRUE(station.has_value());
        return station ? StationKey{station->id.toLatin1(), station->secret} : StationKey{};
    }
    HttpReply post(qint64 counter, const QByteArray &body, const StationKey *as = nullptr)
    {
        return stationRequest(m_server.port(), as ? *as : m_bank, counter, "POST", Entries, body);
    }
    QJsonObject json(const HttpReply &reply)
    {
        return QJsonDocument::fromJson(reply.body).object();
    }
    qint64 count(const QString &sql)
    {
        QSqlQuery q(m_session->log().database());
        EXPECT_TRUE(q.exec(sql));
        return q.next() ? q.value(0).toLongLong() : -1;
    }
    // Everything a request could change.
    struct State
    {
        QByteArray competitors;
        qint64 events, entries;
        QString counters;
        qint64 gateCounter;
        bool operator==(const State &) const = default;
    };
    State state()
    {
        State s;
        for (int slot = 1; slot <= 3; ++slot)
            s.competitors += m_builder.match().kilpailijat[slot].toBytes();
        s.events = count(QStringLiteral("SELECT count(*) FROM events"));
        s.entries = count(QStringLiteral("SELECT count(*) FROM station_entries"));
        QSqlQuery q(m_session->log().database());
        q.exec(QStringLiteral(
            "SELECT group_concat(last_counter || '@' || last_contact) FROM stations"));
        s.counters = q.next() ? q.value(0).toString() : QString();
        s.gateCounter = m_desk->gate().lastCounter(QString::fromLatin1(m_bank.id));
        return s;
    }

    QTemporaryDir m_dir;
    QString m_set = m_dir.filePath(QStringLiteral("kisa.mrv"));
    MatchBuilder m_builder;
    std::unique_ptr<MatchSession> m_session;
    std::unique_ptr<StationDesk> m_desk;
    LiveServer m_server;
    StationKey m_bank, m_revoked;
};

TEST_F(StationApiTest, EntryIsStoredOnceAndAResendIsADuplicate)
{
    const QByteArray body = entryBody(QStringLiteral("bank1-0001"), 1, "BBPR", {9, 8, 7, 6},
        {{"shots", QJsonArray{1, 0, 1}}, {"initials", "AA"},
            {"finals", QJsonArray{"1", "", "", "", ""}}});
    const HttpReply stored = post(1000, body);
    ASSERT_EQ(stored.status, 200) << stored.body.toStdString();
    EXPECT_EQ(json(stored)["status"].toString(), QStringLiteral("stored"));
    const qint64 receipt = json(stored)["receipt"].toInteger();
    EXPECT_GT(receipt, 0);
    const TKilpailija &aino = m_builder.match().kilpailijat[1];
    EXPECT_EQ(aino.Kana[BBPR], 9);
    EXPECT_EQ(aino.Passi[BBPR], 6);
    EXPECT_EQ(aino.Yhteensa[BBPR], 30);
    EXPECT_EQ(aino.f[0][BBPR].text(), QStringLiteral("1"));
    EXPECT_TRUE(m_builder.match().Muutettu);
    // The change is in the log under the station's name, with the marks and initials kept.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM events WHERE source = 'station:%1' AND "
                                   "field = 'Yhteensa' AND new = '30'")
                        .arg(QString::fromLatin1(m_bank.id))),
        1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM station_entries WHERE shots = '[1,0,1]' "
                                   "AND initials = 'AA' AND status = 'stored'")),
        1);

    const State before = state();
    const HttpReply resent = post(1001, body);
    ASSERT_EQ(resent.status, 200) << resent.body.toStdString();
    EXPECT_EQ(json(resent)["status"].toString(), QStringLiteral("duplicate"));
    EXPECT_EQ(json(resent)["receipt"].toInteger(), receipt);
    const State after = state();
    EXPECT_EQ(after.competitors, before.competitors);
    EXPECT_EQ(after.entries, before.entries);
    EXPECT_EQ(after.gateCounter, 1001);
}

// The office types while a station's entry comes in: each change is logged under its own name.
TEST_F(StationApiTest, OfficeTypingAndAStationEntryInOneMomentKeepTheirSources)
{
    m_session->edit([](Kilpailu &k) { k.kilpailijat[3].Kana[SBPR] = 4; });
    ASSERT_EQ(post(7, entryBody(QStringLiteral("s-1"), 1, "BBPR", {1, 1, 1, 1})).status, 200);
    m_session->edit([](Kilpailu &k) { k.kilpailijat[3].Sika[SBPR] = 3; });
    ASSERT_TRUE(m_session->commitNow());
    const QString station = QStringLiteral("station:%1").arg(QString::fromLatin1(m_bank.id));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM events WHERE kind = 'competitor' AND "
                                   "source = 'office' AND discipline = 'SBPR'")),
        2);
    // The four hits and the total of the station's entry, and nothing else under its name.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM events WHERE source = '%1' AND "
                                   "discipline = 'BBPR'")
                        .arg(station)),
        5);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM events WHERE source = '%1'").arg(station)), 5);
}

TEST_F(StationApiTest, DifferentResultIsHeldForTheOfficeAndResolvedThere)
{
    const QByteArray registerBefore = m_builder.match().kilpailijat[2].toBytes();
    const HttpReply conflict = post(5, entryBody(QStringLiteral("c-1"), 2, "BBPR", {6, 4, 3, 2}));
    ASSERT_EQ(conflict.status, 409) << conflict.body.toStdString();
    EXPECT_EQ(json(conflict)["status"].toString(), QStringLiteral("conflict"));
    EXPECT_EQ(m_builder.match().kilpailijat[2].toBytes(), registerBefore);
    EXPECT_EQ(m_desk->gate().lastCounter(QString::fromLatin1(m_bank.id)), 5);
    // The same result as the register's is no conflict.
    EXPECT_EQ(post(6, entryBody(QStringLiteral("c-2"), 2, "BBPR", {5, 4, 3, 2})).status, 200);

    QString error;
    const qint64 receipt = json(conflict)["receipt"].toInteger();
    ASSERT_TRUE(m_desk->resolveConflict(receipt, true, error)) << error.toStdString();
    EXPECT_EQ(m_builder.match().kilpailijat[2].Kana[BBPR], 6);
    EXPECT_EQ(m_builder.match().kilpailijat[2].Yhteensa[BBPR], 15);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM station_entries WHERE status = 'taken'")), 1);
    EXPECT_FALSE(m_desk->resolveConflict(receipt, false, error));
}

TEST_F(StationApiTest, WithTwoMatchingEntriesAnEntryCountsOnlyWhenASecondAgrees)
{
    QString error;
    ASSERT_TRUE(m_desk->setTwoMatchingEntries(true, error)) << error.toStdString();
    const StationKey second = key(m_desk->addStation(QStringLiteral("Pistol bank 2"), {}, error));
    const auto status = [this](const HttpReply &reply) {
        return std::pair{reply.status, json(reply)["status"].toString()};
    };
    const auto statusOf = [this](const char *station, const char *id) {
        QSqlQuery q(m_session->log().database());
        q.prepare(QStringLiteral("SELECT status FROM station_entries WHERE station = ? AND "
                                 "entry_id = ?"));
        q.addBindValue(QString::fromLatin1(station));
        q.addBindValue(QString::fromLatin1(id));
        return q.exec() && q.next() ? q.value(0).toString() : QString();
    };
    const TKilpailija &aino = m_builder.match().kilpailijat[1];
    const QByteArray first = entryBody(QStringLiteral("a-1"), 1, "BBPR", {9, 8, 7, 6});

    // One station's entry waits, and its resend says so; the same station agreeing with itself
    // is no second entry.
    EXPECT_EQ(status(post(1, first)), std::pair(200, QStringLiteral("awaiting")));
    EXPECT_EQ(status(post(2, first)), std::pair(200, QStringLiteral("awaiting")));
    EXPECT_EQ(status(post(3, entryBody(QStringLiteral("a-2"), 1, "BBPR", {9, 8, 7, 6}))),
        std::pair(200, QStringLiteral("awaiting")));
    EXPECT_EQ(aino.Yhteensa[BBPR], 0);
    // A second station with the same values: the result counts, and both entries are matched.
    EXPECT_EQ(status(post(1, entryBody(QStringLiteral("b-1"), 1, "BBPR", {9, 8, 7, 6}), &second)),
        std::pair(200, QStringLiteral("stored")));
    EXPECT_EQ(aino.Kana[BBPR], 9);
    EXPECT_EQ(aino.Yhteensa[BBPR], 30);
    for (const char *id : {"a-1", "a-2"})
        EXPECT_EQ(statusOf(m_bank.id, id), QStringLiteral("matched")) << id;

    // Two stations that disagree: nothing counts, both are flagged, and the office decides.
    const QByteArray cecilia = m_builder.match().kilpailijat[3].toBytes();
    EXPECT_EQ(status(post(4, entryBody(QStringLiteral("a-3"), 3, "SBPR", {1, 2, 3, 4}))),
        std::pair(200, QStringLiteral("awaiting")));
    const HttpReply differing
        = post(2, entryBody(QStringLiteral("b-2"), 3, "SBPR", {1, 2, 3, 5}), &second);
    EXPECT_EQ(status(differing), std::pair(409, QStringLiteral("disagreement")));
    EXPECT_EQ(statusOf(m_bank.id, "a-3"), QStringLiteral("disagreement"));
    EXPECT_EQ(m_builder.match().kilpailijat[3].toBytes(), cecilia);
    ASSERT_TRUE(m_desk->resolveConflict(json(differing)["receipt"].toInteger(), true, error))
        << error.toStdString();
    EXPECT_EQ(m_builder.match().kilpailijat[3].Passi[SBPR], 5);
    EXPECT_EQ(statusOf(second.id, "b-2"), QStringLiteral("taken"));
    EXPECT_EQ(statusOf(m_bank.id, "a-3"), QStringLiteral("kept"));

    // The office's own typing is the second entry: the same values match, others are flagged.
    const int doraSlot = m_builder.competitor(QStringLiteral("Dora Dahl"));
    m_builder.enter(doraSlot, BBPC, QStringLiteral("A"), {});
    const std::int32_t doraNumber = m_builder.match().kilpailijat[doraSlot].Numero;
    qint64 counter = 10;
    for (const auto &[id, competitor] : {std::pair{"b-3", doraNumber}, std::pair{"b-4", 3}})
        EXPECT_EQ(
            status(post(++counter,
                entryBody(QString::fromLatin1(id), competitor, "BBPC", {2, 2, 2, 2}), &second)),
            std::pair(200, QStringLiteral("awaiting")));
    m_session->edit([doraSlot](Kilpailu &k) {
        TKilpailija &dora = k.kilpailijat[doraSlot];
        dora.Kana[BBPC] = dora.Sika[BBPC] = dora.Kalkkuna[BBPC] = dora.Passi[BBPC] = 2;
        dora.Yhteensa[BBPC] = 8;
        k.kilpailijat[3].Kana[BBPC] = 3;
        k.kilpailijat[3].Yhteensa[BBPC] = 3;
    });
    ASSERT_TRUE(m_desk->settleWithOffice(error)) << error.toStdString();
    EXPECT_EQ(statusOf(second.id, "b-3"), QStringLiteral("matched"));
    EXPECT_EQ(statusOf(second.id, "b-4"), QStringLiteral("disagreement"));

    // The choice is the match's: kept in its log for the next start.
    StationDesk again(*m_session);
    ASSERT_TRUE(again.reloadStations(error)) << error.toStdString();
    EXPECT_TRUE(again.twoMatchingEntries());
}

TEST_F(StationApiTest, StationInfoAndCompetitorListsForThePage)
{
    const HttpReply info
        = stationRequest(m_server.port(), m_bank, 7, "GET", "/station/api/station.json");
    ASSERT_EQ(info.status, 200) << info.body.toStdString();
    const QJsonObject o = json(info);
    EXPECT_EQ(o["station"].toString().toLatin1(), m_bank.id);
    EXPECT_EQ(o["name"].toString(), QStringLiteral("Pistol bank 1"));
    const QJsonArray disciplines = o["disciplines"].toArray();
    ASSERT_EQ(disciplines.size(), 2);
    EXPECT_EQ(disciplines[0]["code"].toString(), QStringLiteral("BBPR"));
    EXPECT_EQ(disciplines[0]["perAnimal"].toInt(), 10);
    EXPECT_EQ(m_desk->gate().lastCounter(QString::fromLatin1(m_bank.id)), 7);
    // The same counter again is refused.
    EXPECT_EQ(
        stationRequest(m_server.port(), m_bank, 7, "GET", "/station/api/station.json").status, 403);

    const HttpReply list
        = httpGet(m_server.port(), "/station/api/competitors.json?discipline=BBPR");
    ASSERT_EQ(list.status, 200);
    const QJsonArray competitors = QJsonDocument::fromJson(list.body).array();
    ASSERT_EQ(competitors.size(), 2);
    EXPECT_EQ(competitors[0]["name"].toString(), QStringLiteral("Aino Ahola"));
    EXPECT_FALSE(competitors[0]["stored"].toBool());
    EXPECT_TRUE(competitors[1]["stored"].toBool());
    EXPECT_EQ(competitors[1]["class"].toString(), QStringLiteral("B"));
}

// Entries placed in relays of the plan carry their relay and point for the page's pick; a place
// moved shows at the next publication, a place in a relay the plan lacks does not show.
TEST_F(StationApiTest, CompetitorListsCarryTheRelayAndPointOfEachPlacedEntry)
{
    Kilpailu &k = m_builder.match();
    const ParsedRelayPlan parsed = parseRelayPlan(
        "disciplines;relay;start;minutes;points\nBBPR BBPC;4;08:00;45;10\nBBPR;5;09:00;45;10\n");
    ASSERT_TRUE(parsed.ok());
    k.relayPlan = parsed.plan;
    const std::int32_t ahola = k.kilpailijat[1].Numero, berg = k.kilpailijat[2].Numero,
                       cole = k.kilpailijat[3].Numero;
    k.assignments[{ahola, BBPR}] = {5, 7, false};
    k.assignments[{berg, BBPR}] = {9, 1, false}; // relay 9 is not planned
    k.assignments[{cole, BBPC}] = {4, 2, true};
    m_desk->publishDirectory();
    // "number relay/point" of each listed competitor, "-" for no place.
    const auto places = [&](const char *code) {
        QStringList shown;
        const HttpReply reply = httpGet(
            m_server.port(), QByteArray("/station/api/competitors.json?discipline=") + code);
        for (const QJsonValue c : QJsonDocument::fromJson(reply.body).array())
            shown << QStringLiteral("%1 %2")
                         .arg(c["number"].toInt())
                         .arg(c.toObject().contains("relay") ? QStringLiteral("%1/%2")
                                                                   .arg(c["relay"].toInt())
                                                                   .arg(c["point"].toInt())
                                                             : QStringLiteral("-"));
        return shown;
    };
    EXPECT_EQ(places("BBPR"),
        (QStringList{QStringLiteral("%1 5/7").arg(ahola), QStringLiteral("%1 -").arg(berg)}));
    EXPECT_EQ(places("BBPC"), QStringList{QStringLiteral("%1 4/2").arg(cole)});

    k.assignments[{berg, BBPR}] = {4, 3, false};
    m_desk->publishDirectory();
    EXPECT_EQ(places("BBPR"),
        (QStringList{QStringLiteral("%1 5/7").arg(ahola), QStringLiteral("%1 4/3").arg(berg)}));
}

struct DirectoryClassCase
{
    const char *name;
    const char *entered; // the class typed in the entry, Eiluok for none
    Hits hits;
};

class DirectoryClass : public ::testing::TestWithParam<DirectoryClassCase>
{
};

// The station's list gives the class the board shows: an unclassed competitor's from the score.
TEST_P(DirectoryClass, IsTheClassOfTheRanking)
{
    const DirectoryClassCase &c = GetParam();
    MatchBuilder builder;
    Kilpailu &k = builder.match();
    k.tiedot.Mukana[ix(Group::BBP)] = true;
    k.tiedot.Laukaukset[ix(Group::BBP)] = 40;
    const int slot = builder.competitor(QStringLiteral("Aino Ahola"));
    builder.enter(slot, BBPR, QString::fromLatin1(c.entered), c.hits);
    auto table = std::make_unique<TulosTaulukko>();
    rankDisciplineTable(k, BBPR, *table);
    QString ranked;
    for (int r = 1; r <= TulosTaulukko::RowCount; ++r)
        if ((*table)[r].Numero == k.kilpailijat[slot].Numero)
            ranked = (*table)[r].Luokka.text();
    ASSERT_FALSE(ranked.isEmpty());

    const QJsonArray listed
        = QJsonDocument::fromJson(stationDirectory(k).value(QStringLiteral("BBPR"))).array();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0]["class"].toString(), ranked);
    EXPECT_NE(listed[0]["class"].toString(), Luokat::Eiluok);
}

INSTANTIATE_TEST_SUITE_P(StationDirectory, DirectoryClass,
    ::testing::Values(DirectoryClassCase{"UnclassedLowScore", "Eiluok", {2, 1, 1, 0}},
        DirectoryClassCase{"UnclassedHighScore", "Eiluok", {10, 10, 9, 8}},
        DirectoryClassCase{"UnclassedNoResultYet", "Eiluok", {}},
        DirectoryClassCase{"ClassedKeepsItsClass", "A", {2, 1, 1, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

// A refusal: how the request is made, and the answer it gets.
struct Refusal
{
    const char *name;
    int status;
    std::function<HttpReply(StationApiTest &, quint16)> send;
};

class StationRefusalTest : public StationApiTest, public ::testing::WithParamInterface<Refusal>
{
public:
    HttpReply signedPost(qint64 counter, const QByteArray &body) { return post(counter, body); }
    StationKey bank() const { return m_bank; }
    StationKey revoked() const { return m_revoked; }
    StationGate &gate() { return m_desk->gate(); }
};

const QByteArray Good = entryBody(QStringLiteral("good-1"), 1, "BBPR", {1, 2, 3, 4});

HttpReply withHeaders(quint16 port, const QList<std::pair<QByteArray, QByteArray>> &headers,
    const QByteArray &body = Good)
{
    return httpRequest(port, "POST", Entries, headers, 15000, body);
}

const Refusal Refusals[] = {
    {"NoHeaders", 401, [](StationApiTest &, quint16 port) { return withHeaders(port, {}); }},
    {"NoSignature", 401,
        [](StationApiTest &t, quint16 port) {
            return withHeaders(port,
                {{"X-Station", static_cast<StationRefusalTest &>(t).bank().id},
                    {"X-Counter", "200"}});
        }},
    {"UnknownStation", 403,
        [](StationApiTest &t, quint16 port) {
            StationKey stranger = static_cast<StationRefusalTest &>(t).bank();
            stranger.id = "ZZZZZZ";
            return stationRequest(port, stranger, 200, "POST", Entries, Good);
        }},
    {"RevokedStation", 403,
        [](StationApiTest &t, quint16 port) {
            return stationRequest(
                port, static_cast<StationRefusalTest &>(t).revoked(), 200, "POST", Entries, Good);
        }},
    {"WrongSignature", 403,
        [](StationApiTest &t, quint16 port) {
            StationKey forged = static_cast<StationRefusalTest &>(t).bank();
            forged.secret = QByteArray(64, 'a');
            return stationRequest(port, forged, 200, "POST", Entries, Good);
        }},
    {"SignatureOfAnotherBody", 403,
        [](StationApiTest &t, quint16 port) {
            const StationKey bank = static_cast<StationRefusalTest &>(t).bank();
            const QByteArray other = entryBody(QStringLiteral("good-1"), 1, "BBPR", {9, 9, 9, 9});
            return withHeaders(port,
                {{"X-Station", bank.id}, {"X-Counter", "200"},
                    {"X-Signature", signStationRequest(bank.secret, "POST", Entries, "200", Good)}},
                other);
        }},
    {"CounterNotAbove", 403,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(100, Good);
        }},
    {"CounterNotANumber", 403,
        [](StationApiTest &t, quint16 port) {
            const StationKey bank = static_cast<StationRefusalTest &>(t).bank();
            return withHeaders(port,
                {{"X-Station", bank.id}, {"X-Counter", "2e9"},
                    {"X-Signature",
                        signStationRequest(bank.secret, "POST", Entries, "2e9", Good)}});
        }},
    {"DisciplineNotAllowed", 403,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 3, "BBPC", {1, 1, 1, 1}));
        }},
    {"MalformedBody", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(200, "{\"id\": ");
        }},
    {"BadEntryId", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("no spaces"), 1, "BBPR", {1, 1, 1, 1}));
        }},
    {"UnknownCompetitor", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 77, "BBPR", {1, 1, 1, 1}));
        }},
    {"CompetitorNotEntered", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 1, "SBPR", {1, 1, 1, 1}));
        }},
    {"MoreHitsThanTargets", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 1, "BBPR", {11, 1, 1, 1}));
        }},
    {"TotalAboveTheShots", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 1, "BBPR", {1, 1, 1, 1}, {{"total", 41}}));
        }},
    {"BodyTooLarge", 413,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(200,
                entryBody(QStringLiteral("x"), 1, "BBPR", {1, 1, 1, 1},
                    {{"initials", QString(9000, u'A')}}));
        }},
    {"CounterTooLong", 403,
        [](StationApiTest &t, quint16 port) {
            const StationKey bank = static_cast<StationRefusalTest &>(t).bank();
            const QByteArray counter(19, '9');
            return withHeaders(port,
                {{"X-Station", bank.id}, {"X-Counter", counter},
                    {"X-Signature",
                        signStationRequest(bank.secret, "POST", Entries, counter, Good)}});
        }},
    {"TotalNotTheSumOfTheHits", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(
                200, entryBody(QStringLiteral("x"), 1, "BBPR", {3, 3, 3, 3}, {{"total", 3}}));
        }},
    {"ShootOffEntryWithAControlCharacter", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(200,
                entryBody(QStringLiteral("x"), 1, "BBPR", {1, 1, 1, 1},
                    {{"finals", QJsonArray{QStringLiteral("\x1B9")}}}));
        }},
    {"ShootOffEntryTheFilesCannotHold", 400,
        [](StationApiTest &t, quint16) {
            return static_cast<StationRefusalTest &>(t).signedPost(200,
                entryBody(QStringLiteral("x"), 1, "BBPR", {1, 1, 1, 1},
                    {{"finals", QJsonArray{QString::fromUtf8("\xF0\x9F\x98\x80")}}}));
        }},
    {"TooManyRequests", 429,
        [](StationApiTest &t, quint16) {
            auto &test = static_cast<StationRefusalTest &>(t);
            test.gate().setRate(0.001, 0);
            return test.signedPost(200, Good);
        }},
};

TEST_P(StationRefusalTest, ChangesNothing)
{
    ASSERT_EQ(post(100, entryBody(QStringLiteral("first"), 2, "BBPR", {5, 4, 3, 2})).status, 200);
    const State before = state();
    const HttpReply reply = GetParam().send(*this, m_server.port());
    EXPECT_EQ(reply.status, GetParam().status) << reply.body.toStdString();
    if (GetParam().status != 429 || reply.status == 429) {
        EXPECT_EQ(json(reply)["status"].toString(), QStringLiteral("refused"));
        EXPECT_FALSE(json(reply)["error"].toString().isEmpty());
    }
    EXPECT_TRUE(state() == before);
    // And the station still works: the refusal took nothing from it.
    if (GetParam().status != 429) {
        EXPECT_EQ(post(300, Good).status, 200);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachStatus, StationRefusalTest, ::testing::ValuesIn(Refusals), NamedBy<&Refusal::name>());

// A request copied off the air and sent again and again is refused for its counter, and takes
// nothing from the honest station's allowance; only the station's own requests use it up.
TEST_F(StationApiTest, ReplayedRequestsTakeNothingFromTheStationsRate)
{
    ASSERT_EQ(post(100, entryBody(QStringLiteral("r-0"), 2, "BBPR", {5, 4, 3, 2})).status, 200);
    m_desk->gate().setRate(0.001, 5);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(post(100, entryBody(QStringLiteral("r-0"), 2, "BBPR", {5, 4, 3, 2})).status, 403);
    for (qint64 counter = 101; counter <= 105; ++counter)
        EXPECT_EQ(
            post(counter, entryBody(QStringLiteral("r-%1").arg(counter), 1, "BBPR", {1, 1, 1, 1}))
                .status,
            200)
            << counter;
    EXPECT_EQ(post(106, entryBody(QStringLiteral("r-106"), 1, "BBPR", {1, 1, 1, 1})).status, 429);
}

// The station page in a real browser: the document as headless Chromium has built it, scripts
// run and their requests answered, the test's event loop serving the station desk meanwhile.
QString stationPageDom(const QString &url, const QStringList &options = {})
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        return {};
    QTemporaryDir profile;
    QProcess browser;
    const QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
        QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
        QStringLiteral("--virtual-time-budget=10000"),
        QStringLiteral("--user-data-dir=") + profile.path(), QStringLiteral("--dump-dom")};
    browser.start(chromium, arguments + options + QStringList{url});
    if (!QTest::qWaitFor([&] { return browser.state() == QProcess::NotRunning; }, 60000)) {
        browser.kill();
        browser.waitForFinished();
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

// The page signs with SHA-256 and HMAC of its own: they give what Qt's give for the standard test
// vectors (FIPS 180-2 and RFC 4231, keys shorter and longer than a block).
TEST_F(StationApiTest, ThePagesHashAndSignatureMatchTheStandardVectorsInChromium)
{
    if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    const QString dom = stationPageDom(
        QStringLiteral("http://127.0.0.1:%1/station#selftest").arg(m_server.port()));
    const auto sha = [](const QByteArray &m) {
        return QCryptographicHash::hash(m, QCryptographicHash::Sha256).toHex();
    };
    const auto hmac = [](const QByteArray &key, const QByteArray &m) {
        return QMessageAuthenticationCode::hash(m, key, QCryptographicHash::Sha256).toHex();
    };
    const std::pair<const char *, QByteArray> expected[] = {
        {"sha-abc", sha("abc")},
        {"sha-empty", sha("")},
        {"sha-448", sha("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")},
        {"hmac-1", hmac(QByteArray(20, '\x0b'), "Hi There")},
        {"hmac-2", hmac("Jefe", "what do ya want for nothing?")},
        {"hmac-3", hmac(QByteArray(20, '\xaa'), QByteArray(50, '\xdd'))},
        {"hmac-6",
            hmac(
                QByteArray(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First")},
    };
    // Qt itself against the published digests of two of them.
    EXPECT_EQ(
        expected[0].second, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(
        expected[4].second, "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    for (const auto &[name, digest] : expected)
        EXPECT_TRUE(dom.contains(QLatin1String(name) + ' ' + QString::fromLatin1(digest)))
            << name << "\n"
            << dom.left(2000).toStdString();
}

// Paired by the link, the page's signed request is taken by the office: the station's name and its
// disciplines show, and its counter moved on; the secret never went over the network.
TEST_F(StationApiTest, ChromiumPairsByTheLinkAndTheOfficeTakesItsSignedRequest)
{
    if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    const qint64 before = m_desk->gate().lastCounter(QString::fromLatin1(m_bank.id));
    const QString dom = stationPageDom(
        QStringLiteral("http://127.0.0.1:%1/station#%2.%3")
            .arg(m_server.port())
            .arg(QString::fromLatin1(m_bank.id), QString::fromLatin1(m_bank.secret)));
    EXPECT_TRUE(dom.contains(QLatin1String("<h1 id=\"title\">Pistol bank 1</h1>")))
        << dom.left(3000).toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral(">BBPR – ")));
    EXPECT_TRUE(dom.contains(QStringLiteral(">SBPR – ")));
    EXPECT_FALSE(dom.contains(QStringLiteral(">BBPC – ")))
        << "a discipline the station may not score";
    EXPECT_GT(m_desk->gate().lastCounter(QString::fromLatin1(m_bank.id)), before);
}

// A phone set to Finnish gets the page, and the names of the disciplines, in Finnish.
TEST_F(StationApiTest, ThePageSpeaksThePhonesLanguage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
        GTEST_SKIP() << "chromium is not installed";
    const QString dom = stationPageDom(
        QStringLiteral("http://127.0.0.1:%1/station#%2.%3")
            .arg(m_server.port())
            .arg(QString::fromLatin1(m_bank.id), QString::fromLatin1(m_bank.secret)),
        {QStringLiteral("--accept-lang=fi-FI,fi")});
    EXPECT_TRUE(dom.contains(QLatin1String("<html lang=\"fi\">"))) << dom.left(300).toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral("<h2>Laji</h2>"))) << dom.right(3000).toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral(">BBPR – Isokaliiperinen pistooli, revolveri<")));
    EXPECT_TRUE(dom.contains(QStringLiteral(">Ei odottavia<")));
}

} // namespace

namespace {

QByteArray signedHead(const StationKey &key, qint64 counter, const QByteArray &body)
{
    const QByteArray counterText = QByteArray::number(counter);
    return "POST " + Entries + " HTTP/1.1\r\nHost: x\r\nX-Station: " + key.id
        + "\r\nX-Counter: " + counterText
        + "\r\nX-Signature: " + signStationRequest(key.secret, "POST", Entries, counterText, body)
        + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
}

// Reads answers until `count` are whole or the connection ends; their status lines in order.
QList<int> readStatuses(QTcpSocket &socket, int count, int timeoutMs = 15000)
{
    QByteArray received;
    QList<int> statuses;
    // A short list tells what went wrong; the wait's own result adds nothing.
    (void)QTest::qWaitFor(
        [&] {
            received += socket.readAll();
            statuses.clear();
            qsizetype at = 0;
            for (;;) {
                const qsizetype end = received.indexOf("\r\n\r\n", at);
                if (end < 0)
                    break;
                const QByteArray head = received.mid(at, end - at);
                const qsizetype lengthAt = head.toLower().indexOf("content-length: ");
                const qsizetype length = lengthAt < 0
                    ? 0
                    : head.mid(lengthAt + 16, head.indexOf('\r', lengthAt) - lengthAt - 16)
                          .toLongLong();
                if (received.size() < end + 4 + length)
                    break;
                statuses << head.mid(9, 3).toInt();
                at = end + 4 + length;
            }
            return statuses.size() >= count || socket.state() == QAbstractSocket::UnconnectedState;
        },
        timeoutMs);
    return statuses;
}

} // namespace

TEST_F(StationApiTest, BodyInPiecesAndPipelinedRequestsAreAnsweredInOrder)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), m_server.port());
    ASSERT_TRUE(socket.waitForConnected(5000));
    const QByteArray first = entryBody(QStringLiteral("p-1"), 1, "BBPR", {1, 2, 3, 4});
    socket.write(signedHead(m_bank, 10, first) + first.left(10));
    socket.flush();
    // The first piece has left this side before the rest is written.
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.bytesToWrite() == 0; }, 5000));
    // The rest of the body, with two more requests behind it: the second waits for the first's
    // answer from the desk, the third is refused for its reused counter.
    const QByteArray second = entryBody(QStringLiteral("p-2"), 2, "BBPR", {5, 4, 3, 2});
    socket.write(first.mid(10) + signedHead(m_bank, 11, second) + second
        + signedHead(m_bank, 11, second) + second);
    EXPECT_EQ(readStatuses(socket, 3), (QList<int>{200, 200, 403}));
    EXPECT_EQ(m_builder.match().kilpailijat[1].Yhteensa[BBPR], 10);
}

TEST_F(StationApiTest, BodyThatNeverCompletesIsDroppedAtTheHeadDeadline)
{
    m_server.stop();
    LiveLimits limits;
    limits.headDeadline = std::chrono::milliseconds(500);
    m_server.setLimits(limits);
    QString error;
    ASSERT_TRUE(m_server.start(QHostAddress::LocalHost, 0, error));
    const State before = state();
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), m_server.port());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write(signedHead(m_bank, 10, Good) + Good.left(5));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(state() == before);
}

// Entries one after another for one result: what each is answered (a resend with its first
// receipt), and what the register holds at the end.
struct EntryStep
{
    int station; // 0, 1, 2: three stations
    const char *id;
    std::array<int, 4> hits;
    std::vector<const char *> finals; // none: not given
    int status;
    const char *answer;
};

struct EntrySequence
{
    const char *name;
    bool twoMatching;
    std::vector<EntryStep> steps;
    int total; // Aino's BBPR total at the end
    std::array<const char *, 2> finals; // her first two shoot-off entries
};

class EntrySequenceTest : public StationApiTest, public ::testing::WithParamInterface<EntrySequence>
{
};

const EntrySequence Sequences[] = {
    {"StoredZeroIsAResult", false,
        {{0, "z-1", {0, 0, 0, 0}, {}, 200, "stored"}, {1, "z-2", {5, 5, 5, 5}, {}, 409, "conflict"},
            {1, "z-3", {0, 0, 0, 0}, {}, 200, "stored"}},
        0, {"", ""}},
    {"TwoMatchingZerosAreAResult", true,
        {{0, "z-1", {0, 0, 0, 0}, {}, 200, "awaiting"}, {1, "z-2", {0, 0, 0, 0}, {}, 200, "stored"},
            {2, "z-3", {5, 5, 5, 5}, {}, 409, "conflict"},
            {0, "z-4", {5, 5, 5, 5}, {}, 409, "conflict"}},
        0, {"", ""}},
    {"OtherShootOffEntriesAreAConflict", false,
        {{0, "f-1", {9, 8, 7, 6}, {"X", "9"}, 200, "stored"},
            {1, "f-2", {9, 8, 7, 6}, {"1", "2", "3"}, 409, "conflict"},
            {2, "f-3", {9, 8, 7, 6}, {"X", "9", "", "", ""}, 200, "stored"},
            {2, "f-4", {9, 8, 7, 6}, {}, 200, "stored"}},
        30, {"X", "9"}},
    {"ResentConflictIsAConflict", false,
        {{0, "c-1", {1, 1, 1, 1}, {}, 200, "stored"}, {1, "c-2", {2, 2, 2, 2}, {}, 409, "conflict"},
            {1, "c-2", {2, 2, 2, 2}, {}, 409, "conflict"},
            {0, "c-1", {1, 1, 1, 1}, {}, 200, "duplicate"}},
        4, {"", ""}},
    {"ResentDisagreementIsADisagreement", true,
        {{0, "d-1", {1, 1, 1, 1}, {}, 200, "awaiting"},
            {1, "d-2", {2, 2, 2, 2}, {}, 409, "disagreement"},
            {1, "d-2", {2, 2, 2, 2}, {}, 409, "disagreement"},
            {0, "d-1", {1, 1, 1, 1}, {}, 409, "disagreement"}},
        0, {"", ""}},
    {"ThirdStationDoesNotSettleADisagreement", true,
        {{0, "d-1", {1, 1, 1, 1}, {}, 200, "awaiting"},
            {1, "d-2", {2, 2, 2, 2}, {}, 409, "disagreement"},
            {2, "d-3", {1, 1, 1, 1}, {}, 409, "disagreement"},
            {2, "d-4", {2, 2, 2, 2}, {}, 409, "disagreement"}},
        0, {"", ""}},
};

TEST_P(EntrySequenceTest, AnswersAndRegister)
{
    QString error;
    ASSERT_TRUE(m_desk->setTwoMatchingEntries(GetParam().twoMatching, error));
    const StationKey stations[]
        = {m_bank, key(m_desk->addStation(QStringLiteral("Pistol bank 2"), {}, error)),
            key(m_desk->addStation(QStringLiteral("Pistol bank 3"), {}, error))};
    QHash<QString, qint64> receipts;
    qint64 counter = 10;
    for (const EntryStep &step : GetParam().steps) {
        SCOPED_TRACE(step.id);
        QJsonObject extra;
        if (!step.finals.empty()) {
            QJsonArray finals;
            for (const char *f : step.finals)
                finals.append(QString::fromUtf8(f));
            extra.insert("finals", finals);
        }
        const HttpReply reply
            = post(++counter, entryBody(QString::fromLatin1(step.id), 1, "BBPR", step.hits, extra),
                &stations[step.station]);
        EXPECT_EQ(reply.status, step.status) << reply.body.toStdString();
        EXPECT_EQ(json(reply)["status"].toString(), QString::fromLatin1(step.answer));
        const qint64 receipt = json(reply)["receipt"].toInteger();
        const QString sent = QString::number(step.station) + QString::fromLatin1(step.id);
        // A resend is answered with the receipt of the entry it repeats.
        EXPECT_EQ(receipts.value(sent, receipt), receipt);
        receipts.insert(sent, receipt);
    }
    const TKilpailija &aino = m_builder.match().kilpailijat[1];
    EXPECT_EQ(aino.Yhteensa[BBPR], GetParam().total);
    EXPECT_EQ(aino.f[0][BBPR].text(), QString::fromLatin1(GetParam().finals[0]));
    EXPECT_EQ(aino.f[1][BBPR].text(), QString::fromLatin1(GetParam().finals[1]));
}

INSTANTIATE_TEST_SUITE_P(
    OneResult, EntrySequenceTest, ::testing::ValuesIn(Sequences), NamedBy<&EntrySequence::name>());

// The counter's limits: each refusal says what is wrong, and the largest counter taken says to
// pair the phone again.
TEST_F(StationApiTest, CounterRefusalsSayWhatIsWrong)
{
    const QByteArray largest = QByteArray::number(MaxStationCounter);
    ASSERT_EQ(post(500, entryBody(QStringLiteral("k-1"), 2, "BBPR", {5, 4, 3, 2})).status, 200);
    const struct
    {
        const char *counter;
        const char *error;
    } cases[] = {
        {"1234567890123456789", "more digits than the office takes"},
        {"2e9", "whole number of 1 to 18 digits"},
        {"400", "not above the last one accepted"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.counter);
        const QByteArray body = entryBody(QStringLiteral("k-2"), 1, "BBPR", {1, 1, 1, 1});
        const HttpReply reply = withHeaders(m_server.port(),
            {{"X-Station", m_bank.id}, {"X-Counter", c.counter},
                {"X-Signature",
                    signStationRequest(m_bank.secret, "POST", Entries, c.counter, body)}},
            body);
        EXPECT_EQ(reply.status, 403);
        EXPECT_TRUE(json(reply)["error"].toString().contains(QLatin1String(c.error)))
            << reply.body.toStdString();
    }
    // The largest counter is taken once; after it the station is told to pair again.
    ASSERT_EQ(
        post(MaxStationCounter, entryBody(QStringLiteral("k-3"), 1, "BBPR", {1, 1, 1, 1})).status,
        200);
    const HttpReply after
        = post(MaxStationCounter, entryBody(QStringLiteral("k-4"), 3, "SBPR", {1, 1, 1, 1}));
    EXPECT_EQ(after.status, 403);
    EXPECT_TRUE(json(after)["error"].toString().contains(QLatin1String("pair the phone again")))
        << after.body.toStdString();
}

// `--revoke-station` is another program writing the log: the station is refused from the moment
// it returns, not at the desk's next reading of the stations.
TEST_F(StationApiTest, StationRevokedByAnotherProgramIsRefusedAtOnce)
{
    m_desk->watchStations(true);
    ASSERT_EQ(post(1, entryBody(QStringLiteral("v-1"), 2, "BBPR", {5, 4, 3, 2})).status, 200);
    {
        EntryLog other;
        QString error;
        ASSERT_TRUE(other.open(entryLogFileName(m_set), EntryLog::Access::ReadWrite, error))
            << error.toStdString();
        ASSERT_TRUE(revokeStation(other, QString::fromLatin1(m_bank.id), error))
            << error.toStdString();
    }
    const State before = state();
    const HttpReply entry = post(2, entryBody(QStringLiteral("v-2"), 1, "BBPR", {1, 1, 1, 1}));
    EXPECT_EQ(entry.status, 403) << entry.body.toStdString();
    EXPECT_TRUE(state().competitors == before.competitors);
    EXPECT_EQ(state().entries, before.entries);
    EXPECT_EQ(
        stationRequest(m_server.port(), m_bank, 3, "GET", "/station/api/station.json").status, 403);
}

// A full disk: the entry's row cannot be committed, so it is answered 503 and nothing changes;
// once the disk has room again, the resend is stored as new.
TEST_F(StationApiTest, EntryThatCannotBeWrittenChangesNothing)
{
    const QString wal = entryLogFileName(m_set) + QStringLiteral("-wal");
    ASSERT_TRUE(m_session->commitNow());
    ASSERT_GT(QFileInfo(wal).size(), 0);
    const QByteArray body = entryBody(QStringLiteral("w-1"), 1, "BBPR", {9, 8, 7, 6});
    const State before = state();
    {
        // The log may not grow: its next commit fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit was = limit;
        limit.rlim_cur = rlim_t(QFileInfo(wal).size());
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const HttpReply full = post(1, body);
        setrlimit(RLIMIT_FSIZE, &was);
        EXPECT_EQ(full.status, 503) << full.body.toStdString();
    }
    EXPECT_TRUE(state() == before);
    EXPECT_EQ(m_builder.match().kilpailijat[1].Yhteensa[BBPR], 0);

    const HttpReply resent = post(2, body);
    ASSERT_EQ(resent.status, 200) << resent.body.toStdString();
    EXPECT_EQ(json(resent)["status"].toString(), QStringLiteral("stored"));
    EXPECT_EQ(m_builder.match().kilpailijat[1].Yhteensa[BBPR], 30);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM events WHERE source = 'station:%1'")
                        .arg(QString::fromLatin1(m_bank.id))),
        5);
}

// The set open where its log cannot be written (read-only media; here a set another window
// writes): the stations are told the office cannot store entries, and keep them.
TEST_F(StationApiTest, OfficeThatCannotStoreEntriesSaysSo)
{
    Kilpailu registers;
    MatchSession elsewhere(registers);
    QString error;
    ASSERT_TRUE(elsewhere.open(m_set, false, error, MatchSession::Access::ReadOnly).has_value())
        << error.toStdString();
    StationDesk desk(elsewhere);
    ASSERT_TRUE(desk.reloadStations(error)) << error.toStdString();
    LiveServer server;
    server.setRouter(desk.router());
    ASSERT_TRUE(server.start(QHostAddress::LocalHost, 0, error)) << error.toStdString();
    const HttpReply reply = stationRequest(server.port(), m_bank, 1, "POST", Entries,
        entryBody(QStringLiteral("r-1"), 1, "BBPR", {1, 1, 1, 1}));
    server.stop();
    EXPECT_EQ(reply.status, 503) << reply.body.toStdString();
    EXPECT_TRUE(json(reply)["error"].toString().contains(QLatin1String("cannot store entries")))
        << reply.body.toStdString();
}

// An official list takes no station entry that would move it: a result in it, or a shoot-off
// entry that changes its order, is answered 409 "official", naming the list, and leaves the
// register, the log and the counters as they were. Another discipline's entry is stored, and
// after a reopening the refused one is taken as any other entry.
TEST_F(StationApiTest, EntryThatWouldMoveAnOfficialListIsRefusedAndKeepsNothing)
{
    m_session->setChangeGuard(officialListsGuard);
    // Aino levels with Bertta at the top of BBPR; the list is declared official.
    ASSERT_FALSE(m_session
                     ->edit([](Kilpailu &k) {
                         TKilpailija &aino = k.kilpailijat[1];
                         aino.Kana[BBPR] = 5;
                         aino.Sika[BBPR] = 4;
                         aino.Kalkkuna[BBPR] = 3;
                         aino.Passi[BBPR] = 2;
                         aino.Yhteensa[BBPR] = 14;
                         declareOfficial(k, {QStringLiteral("BBPR")}, QDateTime::currentDateTime());
                     })
                     .isEmpty());
    const struct
    {
        const char *what;
        QByteArray body;
    } moving[] = {
        {"result", entryBody(QStringLiteral("o-1"), 1, "BBPR", {9, 8, 7, 6})},
        {"shoot-off",
            entryBody(QStringLiteral("o-2"), 2, "BBPR", {5, 4, 3, 2},
                {{"finals", QJsonArray{"5", "", "", "", ""}}})},
    };
    qint64 counter = 10;
    for (const auto &c : moving) {
        SCOPED_TRACE(c.what);
        const State before = state();
        const HttpReply refused = post(++counter, c.body);
        EXPECT_EQ(refused.status, 409) << refused.body.toStdString();
        EXPECT_EQ(json(refused)["status"].toString(), QStringLiteral("official"));
        const QString error = json(refused)["error"].toString();
        EXPECT_TRUE(error.contains(QStringLiteral("(BBPR)"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("--reopen"))) << error.toStdString();
        EXPECT_EQ(state(), before);
    }

    const HttpReply other
        = post(++counter, entryBody(QStringLiteral("o-3"), 3, "SBPR", {1, 2, 3, 4}));
    EXPECT_EQ(other.status, 200) << other.body.toStdString();
    EXPECT_EQ(m_builder.match().kilpailijat[3].Yhteensa[SBPR], 10);

    m_session->edit(
        [](Kilpailu &k) { reopenLists(k, {QStringLiteral("BBPR")}, QStringLiteral("Protest")); });
    // Reopened, the entry meets the ordinary rules: over a result held, it waits for the office.
    const HttpReply reopened = post(++counter, moving[1].body);
    EXPECT_EQ(reopened.status, 409) << reopened.body.toStdString();
    EXPECT_EQ(json(reopened)["status"].toString(), QStringLiteral("conflict"));
}
