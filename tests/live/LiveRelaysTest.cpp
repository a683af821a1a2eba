// The relays on the board: /relays at a given time of day (the relays shooting and the next
// ones with their competitors), a competitor's relays on their page, the index's link.
#include "LiveFixture.h"
#include "support/ParamName.h"

using namespace marvola;
using namespace marvola::testing;

namespace {

struct RelaysAtCase
{
    const char *name;
    int minute;
    QList<int> now;
    QList<int> next;
};

class RelaysAtTest : public ::testing::TestWithParam<RelaysAtCase>
{
};

// 1 and 2 run side by side from 08:00, 3 at 09:00, 4 and 5 side by side at 10:00, 6 at 11:00.
TEST_P(RelaysAtTest, ShootingNowAndTheNextStartTimes)
{
    const auto relay = [](int number, int start, int minutes) {
        return LiveRelay{number, start, start + minutes, QStringLiteral("BBPR"), {}};
    };
    const LiveRelays relays{relay(1, 480, 45), relay(2, 480, 60), relay(3, 540, 45),
        relay(4, 600, 30), relay(5, 600, 45), relay(6, 660, 30)};
    const RelaysAtCase &c = GetParam();
    const RelaysAt at = relaysAt(relays, c.minute);
    const auto numbers = [](const QList<const LiveRelay *> &shown) {
        QList<int> out;
        for (const LiveRelay *r : shown)
            out << r->number;
        return out;
    };
    EXPECT_EQ(numbers(at.now), c.now);
    EXPECT_EQ(numbers(at.next), c.next);
}

INSTANTIATE_TEST_SUITE_P(Minutes, RelaysAtTest,
    ::testing::Values(RelaysAtCase{"BeforeTheFirst", 7 * 60, {}, {1, 2, 3}},
        RelaysAtCase{"TwoRangesAtOnce", 8 * 60 + 10, {1, 2}, {3, 4, 5}},
        RelaysAtCase{"OneEndedAtItsEnd", 8 * 60 + 45, {2}, {3, 4, 5}},
        RelaysAtCase{"NextStartsAsTheOtherEnds", 9 * 60, {3}, {4, 5, 6}},
        RelaysAtCase{"TheLast", 11 * 60 + 10, {6}, {}}, RelaysAtCase{"AllOver", 12 * 60, {}, {}}),
    NamedBy<&RelaysAtCase::name>());

// The fixture's board, its relays planned; its clock is the fixture's minute.
class LiveRelaysTest : public LiveFixture
{
protected:
    void SetUp() override
    {
        LiveFixture::SetUp();
        planRelays();
    }

    int number(int entrant) { return b.at(entrants[entrant]).Numero; }
};

// The relays' captions and each one's rows ("point number name club discipline") in the JSON.
QStringList relaysOf(const QJsonObject &json, int section)
{
    QStringList shown;
    for (const QJsonValue relay :
        json[QStringLiteral("sections")][section][QStringLiteral("relays")].toArray()) {
        shown << relay[QStringLiteral("caption")].toString();
        for (const QJsonValue row : relay[QStringLiteral("rows")].toArray()) {
            QStringList cells;
            for (const QJsonValue cell : row[QStringLiteral("cells")].toArray())
                cells << cell.toString();
            shown << cells.join(QLatin1Char(' '));
        }
    }
    return shown;
}

TEST_F(LiveRelaysTest, RelaysPageShowsThoseShootingNowAndNextWithTheirCompetitors)
{
    const QString n0 = QString::number(number(0)), n1 = QString::number(number(1)),
                  n2 = QString::number(number(2)), n3 = QString::number(number(3)),
                  n4 = QString::number(number(4));
    const QJsonObject at0810 = getJson("/api/relays.json");
    EXPECT_EQ(at0810[QStringLiteral("time")].toString(), QStringLiteral("08:10"));
    EXPECT_EQ(relaysOf(at0810, 0),
        (QStringList{QStringLiteral("Relay 1, 08:00–08:45: BBPR BBPC"),
            QStringLiteral("1 %1 Virtanen C0 BBPR").arg(n0),
            QStringLiteral("2 %1 %2 C3 BBPR").arg(n3, TrickyName),
            QStringLiteral("3 %1 Aalto C1 BBPC").arg(n1),
            QStringLiteral("Relay 2, 08:00–09:00: FPP"),
            QStringLiteral("1 %1 Niemi C2 FPP").arg(n2)}));
    EXPECT_EQ(relaysOf(at0810, 1),
        (QStringList{QStringLiteral("Relay 3, 09:00–09:45: BBPR BBPC"),
            QStringLiteral("2 %1 Koski C4 BBPR").arg(n4),
            QStringLiteral("4 %1 Virtanen C0 BBPC").arg(n0),
            QStringLiteral("Relay 4, 10:00–10:30: BBPS"),
            QStringLiteral("1 %1 Aalto C1 BBPS").arg(n1)}));

    // The page says the same, names linked to their pages and escaped.
    const HttpReply page = httpGet(port, "/relays");
    ASSERT_EQ(page.status, 200);
    const QString html = QString::fromUtf8(page.body);
    EXPECT_TRUE(
        html.contains(QStringLiteral("<caption>Relay 1, 08:00–08:45: BBPR BBPC</caption>")));
    EXPECT_TRUE(
        html.contains(QStringLiteral("<td><a href=\"/competitor/%1\">Niemi</a></td>").arg(n2)));
    EXPECT_TRUE(
        html.contains(QLatin1String("&lt;b&gt;&quot;Al&quot; &amp; &#39;Bo&#39;&lt;/b&gt;")));
    EXPECT_FALSE(html.contains(QLatin1String("<b>")));
    EXPECT_LT(html.indexOf(QLatin1String("Shooting now")), html.indexOf(QLatin1String("Relay 1,")));
    EXPECT_LT(
        html.indexOf(QLatin1String("<h2>Next</h2>")), html.indexOf(QLatin1String("Relay 3,")));
    // The page carries the tag of the JSON it was made with, for its script's polling.
    const HttpReply json = httpGet(port, "/api/relays.json");
    EXPECT_TRUE(html.contains(QStringLiteral("data-etag=\"%1\"")
                                  .arg(QString::fromLatin1(json.header("ETag")).toHtmlEscaped())));

    // Time goes on with no refresh: at 09:50 relay 3 is over, 4 is next; at noon nothing is left.
    minute = 9 * 60 + 50;
    const QJsonObject at0950 = getJson("/api/relays.json");
    EXPECT_EQ(relaysOf(at0950, 0), QStringList());
    EXPECT_EQ(relaysOf(at0950, 1).value(0), QStringLiteral("Relay 4, 10:00–10:30: BBPS"));
    minute = 12 * 60;
    const QString noon = QString::fromUtf8(httpGet(port, "/relays").body);
    EXPECT_TRUE(noon.contains(QLatin1String("<p>No relay is shooting now.</p>")));
    EXPECT_TRUE(noon.contains(QLatin1String("<p>No more relays are planned today.</p>")));
}

TEST_F(LiveRelaysTest, CompetitorPageShowsTheirRelays)
{
    const QJsonObject virtanen
        = getJson(QStringLiteral("/api/competitor/%1.json").arg(number(0)).toUtf8());
    QStringList rows;
    for (const QJsonValue row :
        virtanen[QStringLiteral("relays")][QStringLiteral("rows")].toArray()) {
        QStringList cells;
        for (const QJsonValue cell : row[QStringLiteral("cells")].toArray())
            cells << cell.toString();
        rows << cells.join(QLatin1Char(' '));
    }
    EXPECT_EQ(
        rows, (QStringList{QStringLiteral("1 08:00 1 BBPR"), QStringLiteral("3 09:00 4 BBPC")}));

    const QString html = QString::fromUtf8(
        httpGet(port, QStringLiteral("/competitor/%1").arg(number(0)).toUtf8()).body);
    const qsizetype relays = html.indexOf(QLatin1String("<tbody id=\"relay-rows\">"));
    ASSERT_GT(relays, 0) << html.toStdString();
    EXPECT_TRUE(html.mid(relays).startsWith(QLatin1String(
        "<tbody id=\"relay-rows\">\n<tr class=\"line\"><td class=\"num\">1</td><td>08:00</td>"
        "<td class=\"num\">1</td><td>BBPR</td></tr>")));
    // The relays' table is the page's second, after the results.
    EXPECT_LT(html.indexOf(QLatin1String("id=\"rows\"")), relays);

    // A change of place changes the page and its JSON's tag.
    const QByteArray tag
        = httpGet(port, QStringLiteral("/api/competitor/%1.json").arg(number(0)).toUtf8())
              .header("ETag");
    b.match().assignments[{number(0), BBPC}] = {3, 5, false};
    refresh();
    EXPECT_NE(httpGet(port, QStringLiteral("/api/competitor/%1.json").arg(number(0)).toUtf8())
                  .header("ETag"),
        tag);

    // Koski has no FPP place; with no places at all, no relays' table.
    b.match().assignments.erase({number(4), BBPR});
    refresh();
    const QByteArray koski
        = httpGet(port, QStringLiteral("/competitor/%1").arg(number(4)).toUtf8()).body;
    EXPECT_FALSE(koski.contains("relay-rows"));
    EXPECT_FALSE(getJson(QStringLiteral("/api/competitor/%1.json").arg(number(4)).toUtf8())
                     .contains(QStringLiteral("relays")));
}

TEST_F(LiveRelaysTest, IndexLinksTheRelaysOnlyWhenThereAreSome)
{
    EXPECT_TRUE(httpGet(port, "/").body.contains("<a href=\"/relays\">Relays: now and next</a>"));
    b.match().relayPlan = {};
    b.match().assignments.clear();
    refresh();
    EXPECT_FALSE(httpGet(port, "/").body.contains("/relays"));
    // The page itself stays, and says there is nothing.
    EXPECT_TRUE(httpGet(port, "/relays").body.contains("No relay is shooting now."));
}

} // namespace
