// What the live pages and JSON hold: the lists of the groups shot, in the tabs' order and figures.
#include "LiveFixture.h"
#include "output/PrintLists.h"
#include "ranking/ListColumns.h"
#include "support/ParamName.h"

#include <QProcess>
#include <QStandardPaths>

using namespace marvola;
using namespace marvola::testing;

namespace {

using LiveContentTest = LiveFixture;

QString unescaped(QString html)
{
    return html.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

TEST_F(LiveContentTest, IndexLinksTheListsOfTheGroupsShotByTheirPrintCaptions)
{
    const HttpReply reply = httpGet(port, "/");
    ASSERT_EQ(reply.status, 200);
    const QString html = QString::fromUtf8(reply.body);
    const QStringList served{QStringLiteral("BBPR"), QStringLiteral("BBPC"), QStringLiteral("BBPP"),
        QStringLiteral("BBPS"), QStringLiteral("BBPU"), QStringLiteral("BBP Aggr"),
        QStringLiteral("BBP Team"), QStringLiteral("FPP"), QStringLiteral("FPPAS"),
        QStringLiteral("FP Aggr"), QStringLiteral("FP Team"), QStringLiteral("Standing Aggr"),
        QStringLiteral("Standing Team")};
    QStringList linked;
    static const QRegularExpression link(
        QStringLiteral("<a href=\"/list/([a-z-]+)\"[^>]*>([^<]*)</a>"));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        linked << match.captured(2);
        EXPECT_EQ(match.captured(1),
            match.captured(2).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    }
    EXPECT_EQ(linked, served);
    // Club, place and dates head the index, escaped like every text.
    EXPECT_TRUE(html.contains(QLatin1String("Club: Hirvi Club")));
    EXPECT_TRUE(html.contains(QLatin1String("Place: Range &amp; &lt;Field&gt;")));
    EXPECT_TRUE(html.contains(QLatin1String("Date: ")));
    // The time of the refresh is in the JSON only: the page's bytes change with its content.
    EXPECT_FALSE(html.contains(QLatin1String("14:05:07")));
    EXPECT_EQ(getJson("/api/lists.json")[QStringLiteral("refreshed")].toString(),
        QStringLiteral("14:05:07"));

    const QJsonObject index = getJson("/api/lists.json");
    QStringList captions;
    for (const QJsonValue &entry : index[QStringLiteral("lists")].toArray()) {
        captions << entry[QStringLiteral("caption")].toString();
        EXPECT_EQ(httpGet(port, entry[QStringLiteral("page")].toString().toUtf8()).status, 200);
        EXPECT_EQ(httpGet(port, entry[QStringLiteral("json")].toString().toUtf8()).status, 200);
    }
    EXPECT_EQ(captions, served);
    EXPECT_EQ(index[QStringLiteral("match")][QStringLiteral("place")].toString(),
        QStringLiteral("Range & <Field>"));
}

TEST_F(LiveContentTest, ListsOfGroupsNotShotAreNotServed)
{
    for (const char *path : {"/list/sbpr", "/list/sbr-aggr", "/api/list/bbr-team.json"})
        EXPECT_EQ(httpGet(port, path).status, 404) << path;
    b.match().tiedot.Mukana[ix(Group::SBR)] = true;
    refresh();
    EXPECT_EQ(httpGet(port, "/list/sbr-aggr").status, 200);
}

TEST_F(LiveContentTest, DisciplinePageShowsTheTabRowsInTheTabOrder)
{
    const HttpReply reply = httpGet(port, "/list/bbpr");
    ASSERT_EQ(reply.status, 200);
    QStringList expected;
    for (const ListLine &line : tulokset->lajiLines[BBPR])
        expected << (line.heading ? line.columns[0] : line.columns[2]);
    // Headings "BBPR", "Int", "A", "B" and the five names from the best down.
    ASSERT_EQ(expected.size(), 9);
    QStringList shown;
    for (const QString &text : columnTexts(reply.body, 1))
        shown << unescaped(text);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(expected[1], QStringLiteral("Koski"));
}

// The pages show a list's described columns but the first one, which only carries the tab's
// headings; every row has a cell for each.
TEST_F(LiveContentTest, EveryListHasTheColumnsOfItsDescription)
{
    const QJsonArray lists = getJson("/api/lists.json")[QStringLiteral("lists")].toArray();
    ASSERT_FALSE(lists.isEmpty());
    for (const QJsonValue &entry : lists) {
        const QString caption = entry[QStringLiteral("caption")].toString();
        const auto list = std::find_if(PrintLists.begin(), PrintLists.end(),
            [&](const PrintList &l) { return QLatin1String(l.caption) == caption; });
        ASSERT_NE(list, PrintLists.end()) << caption.toStdString();
        const ListColumns &description = list->kind == ListKind::Discipline
            ? disciplineListColumns(list->which)
            : list->kind == ListKind::Aggregate ? aggregateListColumns(Aggregate(list->which))
                                                : teamListColumns(TeamGroup(list->which));
        QStringList expected = tabCaptions(description);
        if (list->kind != ListKind::Team)
            expected.removeFirst();

        const QJsonObject json = getJson(entry[QStringLiteral("json")].toString().toUtf8());
        QStringList shown;
        for (const QJsonValue &column : json[QStringLiteral("columns")].toArray())
            shown << column[QStringLiteral("caption")].toString();
        EXPECT_EQ(shown, expected) << caption.toStdString();
        for (const QJsonValue &row : json[QStringLiteral("rows")].toArray())
            if (row[QStringLiteral("kind")].toString() != QLatin1String("heading")) {
                EXPECT_EQ(row[QStringLiteral("cells")].toArray().size(), expected.size())
                    << caption.toStdString();
            }
    }
}

TEST_F(LiveContentTest, ListJsonEqualsTheRankingTables)
{
    // Discipline: every line of the tab, headings included, in order.
    const QJsonArray bbpr = getJson("/api/list/bbpr.json")[QStringLiteral("rows")].toArray();
    const ListLines &lines = tulokset->lajiLines[BBPR];
    ASSERT_EQ(bbpr.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject row = bbpr[i].toObject();
        if (lines[i].heading) {
            EXPECT_EQ(row[QStringLiteral("text")].toString(), lines[i].columns[0]);
        } else {
            QStringList cells;
            for (const QJsonValue &cell : row[QStringLiteral("cells")].toArray())
                cells << cell.toString();
            EXPECT_EQ(cells, lines[i].columns.mid(1));
        }
    }

    // Aggregate: the named rows of the table, in table order, with positions and totals.
    const QJsonArray aggr = getJson("/api/list/bbp-aggr.json")[QStringLiteral("rows")].toArray();
    const AggrTaulukko &table = tulokset->aggregate(Aggregate::BBP);
    qsizetype next = 1; // after the title line
    for (int r = 1; r <= table.lastNamedRow(); ++r) {
        if (table[r].Nimi.isEmpty())
            continue;
        const QJsonArray cells = aggr[next++][QStringLiteral("cells")].toArray();
        EXPECT_EQ(cells[0].toString(), QString::number(table[r].Sijoitus));
        EXPECT_EQ(cells[1].toString(), table[r].Nimi.text());
        EXPECT_EQ(cells[7].toString(), QString::number(table[r].Yhteensa)); // after P/C, R, S, U
    }
    EXPECT_EQ(next, 6);
    EXPECT_EQ(aggr.size(), next);

    // Team: three member rows and a sum row per team, figures from the standings table.
    const QJsonObject team = getJson("/api/list/bbp-team.json");
    const QJsonArray rows = team[QStringLiteral("rows")].toArray();
    const TJoukkueTulos &eagles = tulokset->standings(TeamGroup::BBP)[1];
    ASSERT_EQ(rows.size(), 4);
    const qsizetype total = team[QStringLiteral("columns")].toArray().size() - 5;
    EXPECT_EQ(rows[0][QStringLiteral("cells")][1].toString(), QStringLiteral("Eagles"));
    for (int m = 0; m < 3; ++m) {
        const QJsonArray cells = rows[m][QStringLiteral("cells")].toArray();
        EXPECT_EQ(cells[2].toString(), eagles.Kilpailija[static_cast<size_t>(m)].text());
        EXPECT_EQ(
            cells[total].toString(), QString::number(eagles.Yhteensa[static_cast<size_t>(m)]));
    }
    EXPECT_EQ(rows[3][QStringLiteral("kind")].toString(), QStringLiteral("sum"));
    EXPECT_EQ(
        rows[3][QStringLiteral("cells")][total].toString(), QString::number(eagles.Yhteensa[3]));
    EXPECT_GT(eagles.Yhteensa[3], 0);
}

TEST_F(LiveContentTest, TextsAreEscapedInPagesAndJson)
{
    for (const char *path : {"/list/bbpr", "/list/bbp-aggr", "/list/bbp-team"}) {
        const QString html = QString::fromUtf8(httpGet(port, path).body);
        EXPECT_FALSE(html.contains(QLatin1String("<b>"))) << path;
        EXPECT_TRUE(
            html.contains(QLatin1String("&lt;b&gt;&quot;Al&quot; &amp; &#39;Bo&#39;&lt;/b&gt;")))
            << path;
    }
    const QByteArray json = httpGet(port, "/api/list/bbpr.json").body;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    QStringList names;
    for (const QJsonValue &row : document[QStringLiteral("rows")].toArray())
        names << row[QStringLiteral("cells")][1].toString();
    EXPECT_TRUE(names.contains(TrickyName));
    EXPECT_TRUE(json.contains(R"(<b>\"Al\" & 'Bo'</b>)"));
}

} // namespace

namespace {

using LiveCompetitorTest = LiveFixture;

// Virtanen shoots the four BBP disciplines and FPP and is in the BBP team: his page lists each
// with the position the list gives him, and links every list.
TEST_F(LiveCompetitorTest, PageShowsTheShootersPlaceInEveryList)
{
    const int number = b.at(entrants[0]).Numero;
    const QJsonObject page
        = getJson(QStringLiteral("/api/competitor/%1.json").arg(number).toUtf8());
    EXPECT_EQ(page[QStringLiteral("caption")].toString(), QStringLiteral("Virtanen"));
    EXPECT_EQ(page[QStringLiteral("kind")].toString(), QStringLiteral("competitor"));
    QStringList lists;
    for (const QJsonValue &row : page[QStringLiteral("rows")].toArray()) {
        const QJsonArray cells = row[QStringLiteral("cells")].toArray();
        lists << cells[0].toString();
        EXPECT_EQ(httpGet(port, row[QStringLiteral("link")].toString().toUtf8()).status, 200);
        if (cells[0].toString() == QLatin1String("BBPR")) {
            const TulosTaulukko &bbpr = tulokset->laji(BBPR);
            for (int r = 1; r <= bbpr.lastNamedRow(); ++r)
                if (bbpr[r].Numero == number) {
                    EXPECT_EQ(cells[2].toString(), QString::number(bbpr[r].Sijoitus));
                    EXPECT_EQ(cells[4].toString(), QString::number(bbpr[r].Yhteensa));
                }
            EXPECT_EQ(cells[3].toString(), QStringLiteral("A"));
        }
        if (cells[0].toString() == QLatin1String("BBP Team")) {
            EXPECT_EQ(cells[5].toString(), QStringLiteral("Eagles"));
        }
    }
    for (const char *list : {"BBPR", "BBPC", "BBPS", "BBPU", "FPP", "BBP Team"})
        EXPECT_TRUE(lists.contains(QLatin1String(list))) << list << lists.join(' ').toStdString();
    // In the index's order: disciplines of a group before its team list.
    EXPECT_LT(lists.indexOf(QStringLiteral("BBPR")), lists.indexOf(QStringLiteral("BBP Team")));

    const HttpReply html = httpGet(port, QStringLiteral("/competitor/%1").arg(number).toUtf8());
    ASSERT_EQ(html.status, 200);
    EXPECT_TRUE(html.body.contains("<a href=\"/list/bbpr\">BBPR</a>"));
    EXPECT_EQ(httpGet(port, "/competitor/9999").status, 404);
}

struct SearchCase
{
    const char *name;
    QByteArray query;
    QStringList found; // names linked, in register order
    const char *text; // shown when nothing is linked
};

class LiveSearchTest : public LiveFixture, public ::testing::WithParamInterface<SearchCase>
{
};

TEST_P(LiveSearchTest, FindsShootersByNameClubOrNumber)
{
    const SearchCase &c = GetParam();
    const HttpReply reply = httpGet(port, "/search?q=" + c.query);
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(reply.header("Content-Type"), "text/html; charset=utf-8");
    const QString html = QString::fromUtf8(reply.body);
    QStringList found;
    static const QRegularExpression link(
        QStringLiteral("<a href=\"/competitor/(\\d+)\">([^<]*)</a>"));
    for (auto it = link.globalMatch(html); it.hasNext();)
        found << it.next().captured(2);
    EXPECT_EQ(found, c.found) << html.toStdString();
    if (c.found.isEmpty()) {
        EXPECT_TRUE(html.contains(QLatin1String(c.text))) << html.toStdString();
    }
    EXPECT_FALSE(html.contains(QLatin1String("<b>")));
    // The form comes back filled, so the shooter can try again.
    EXPECT_TRUE(html.contains(QLatin1String("name=\"q\"")));
}

const QString EscapedTricky
    = QStringLiteral("&lt;b&gt;&quot;Al&quot; &amp; &#39;Bo&#39;&lt;/b&gt;");

INSTANTIATE_TEST_SUITE_P(Queries, LiveSearchTest,
    ::testing::Values(SearchCase{"NamePart", "niem", {QStringLiteral("Niemi")}, ""},
        SearchCase{"PlusForBlank", "Al%22+%26", {EscapedTricky}, ""},
        SearchCase{"Club", "c1", {QStringLiteral("Aalto")}, ""},
        SearchCase{"Number", "5", {QStringLiteral("Koski")}, ""},
        SearchCase{"Markup", "%3Cb%3E", {EscapedTricky}, ""},
        SearchCase{"Nobody", "nobody", {}, "No shooter's name"},
        SearchCase{"Empty", "", {}, "Type a name, a club or a number."},
        SearchCase{"VeryLong", QByteArray(5000, 'k'), {}, "No shooter's name"}),
    NamedBy<&SearchCase::name>());

TEST_F(LiveCompetitorTest, ScreenAndIndexOfferTheirParts)
{
    const HttpReply screen = httpGet(port, "/screen?lists=bbpr&seconds=20");
    ASSERT_EQ(screen.status, 200);
    EXPECT_TRUE(screen.body.contains("<body class=\"screen\""));
    const QByteArray index = httpGet(port, "/").body;
    EXPECT_TRUE(index.contains("<form class=\"search\" action=\"/search\" method=\"get\""));
    EXPECT_TRUE(index.contains("<a href=\"/list/bbpr\">BBPR</a> <span class=\"list-title\">Big "
                               "Bore Pistol Revolver</span>"));
}

} // namespace

namespace {

using LiveAccessTest = LiveFixture;

// What screen readers and validators need of every page: its language, a title, one main
// landmark, one top heading, a scope on every header cell, a caption on every table and a label
// for every field.
TEST_F(LiveAccessTest, EveryPageHasTheStructureThatAssistiveTechnologyReads)
{
    planRelays();
    const int number = b.at(entrants[0]).Numero;
    const QList<QByteArray> paths{"/", "/list/bbpr", "/list/bbp-aggr", "/list/bbp-team",
        "/competitor/" + QByteArray::number(number), "/search?q=a", "/search?q=nobody", "/screen",
        "/relays"};
    static const QRegularExpression headerCell(QStringLiteral("<th(?![a-z])[^>]*>"));
    static const QRegularExpression field(QStringLiteral("<input [^>]*id=\"([^\"]+)\""));
    for (const QByteArray &path : paths) {
        const QString html = QString::fromUtf8(httpGet(port, path).body);
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(html.startsWith(QLatin1String("<!DOCTYPE html>\n<html lang=\"en\">")));
        EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>"))));
        EXPECT_EQ(html.count(QLatin1String("<main")), 1);
        EXPECT_EQ(html.count(QLatin1String("<h1")), 1);
        EXPECT_EQ(html.count(QLatin1String("<table")), html.count(QLatin1String("<caption")));
        for (auto it = headerCell.globalMatch(html); it.hasNext();) {
            const QString cell = it.next().captured(0);
            EXPECT_TRUE(cell.contains(QLatin1String(" scope=\""))) << cell.toStdString();
        }
        for (auto it = field.globalMatch(html); it.hasNext();) {
            const QString id = it.next().captured(1);
            EXPECT_TRUE(html.contains(QStringLiteral("<label for=\"%1\">").arg(id)))
                << id.toStdString();
        }
    }
}

} // namespace

namespace {

using LiveValidityTest = LiveFixture;

// HTML Tidy (Debian's "tidy") reads every page as HTML5 and reports nothing: no unknown or
// misplaced element or attribute, no unclosed element, no missing structure.
TEST_F(LiveValidityTest, HtmlTidyReportsNothingOnAnyPage)
{
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty())
        GTEST_SKIP() << "tidy is not installed";
    planRelays();
    const int number = b.at(entrants[0]).Numero;
    const QList<QByteArray> paths{"/", "/list/bbpr", "/list/bbp-aggr", "/list/bbp-team",
        "/competitor/" + QByteArray::number(number), "/search?q=a", "/search?q=nobody", "/screen",
        "/relays"};
    for (const QByteArray &path : paths) {
        QProcess check;
        check.start(tidy,
            {QStringLiteral("-q"), QStringLiteral("-e"), QStringLiteral("--doctype"),
                QStringLiteral("html5")});
        check.write(httpGet(port, path).body);
        check.closeWriteChannel();
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.readAllStandardError(), QByteArray()) << path.toStdString();
        EXPECT_EQ(check.exitCode(), 0) << path.toStdString();
    }
}

} // namespace
