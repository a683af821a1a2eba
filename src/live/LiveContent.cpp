#include "live/LiveContent.h"

#include "files/MatchFiles.h"
#include "live/LiveAssets.h"
#include "model/Disciplines.h"
#include "model/Language.h"
#include "output/ListStatusRules.h"
#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"
#include "ranking/ShootOffs.h"
#include "relays/StartList.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSet>

#include <algorithm>

namespace marvola {

namespace {

// The language the resources being built speak: set for each language's build on the building
// thread; empty for the program's own texts.
thread_local QString t_language;

// A text of the pages in the language being built. Captions come from the list descriptions and
// the disciplines, so their contexts are asked too.
QString pageText(const char *source)
{
    for (const char *context : {"LiveContent", "ListColumns", "Disciplines"}) {
        const QString text = translateInto(t_language, context, source);
        if (text != QString::fromUtf8(source))
            return text;
    }
    return QString::fromUtf8(source);
}

QString pageText(const QString &source)
{
    return pageText(source.toUtf8().constData());
}

const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");

// One column of a served table. Optional columns give way on a phone's narrow screen, so that
// position, name, club, total and hits stay readable without scrolling sideways.
struct Column
{
    QString caption;
    bool optional = false;
    bool numeric = true;
    bool total = false; // set apart on the page
};

enum class RowKind { Heading, Line, TeamFirst, Member, TeamSum };

struct Row
{
    RowKind kind = RowKind::Line;
    QStringList cells; // a heading row holds its text only
    QString link; // the page the link cell leads to, if any
    bool shootOffPending = false; // tied at a prize place, the ranking cannot say who goes first
    qsizetype linkCell = 0; // the first, but a relay's rows link the name
};

struct ListTable
{
    QString id;
    QString caption;
    QString title;
    QString kind;
    QList<Column> columns;
    QList<Row> rows;
    ListStatus status; // posted or official; none for a competitor's page
    // Below a competitor's results: the relays they shoot in, when they have any.
    std::shared_ptr<const ListTable> relays;
};

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        case '\'': out += QLatin1String("&#39;"); break;
        default: out += c;
        }
    }
    return out;
}

QByteArray etagOf(const QByteArray &body)
{
    const QByteArray hash = QCryptographicHash::hash(body, QCryptographicHash::Sha1).toHex();
    return '"' + hash.left(24) + '"';
}

// A full match's list page is some 200 kB of table; compressed, a tenth of it goes over the
// range's Wi-Fi.
LiveResource resource(QByteArray body, const QByteArray &type)
{
    LiveResource r{std::move(body), type, {}, {}, {}, {}};
    r.etag = etagOf(r.body);
    r.contentKey = r.etag;
    if (r.body.size() > 1024) {
        // qCompress gives a 4-byte length and then the zlib stream that "deflate" means.
        r.deflated = qCompress(r.body, 6).mid(4);
        r.deflatedEtag = r.etag.left(r.etag.size() - 1) + "-z\"";
    }
    return r;
}

struct Refresh
{
    QString shown; // the time of day
    QString iso; // date and time
};

// A JSON resource: its content, and around it the time of the refresh that built it. The tag is
// that of the content, so it changes only when the content does; unchanged content keeps the
// resource served until now, time and all.
LiveResource jsonResource(QJsonObject root, const Refresh &refresh, const LiveResource *previous)
{
    const QByteArray key = etagOf(QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (previous && previous->contentKey == key)
        return *previous;
    root.insert(QStringLiteral("refreshed"), refresh.shown);
    root.insert(QStringLiteral("refreshedAt"), refresh.iso);
    LiveResource r = resource(QJsonDocument(root).toJson(QJsonDocument::Compact), JsonType);
    r.etag = key;
    if (!r.deflated.isEmpty())
        r.deflatedEtag = key.left(key.size() - 1) + "-z\"";
    r.contentKey = key;
    return r;
}

// The pages' own wording of some list captions, asked before the lists' (pageText): they have
// the room to say "Total" in full where the tab abbreviates it.
[[maybe_unused]] constexpr std::array<const char *, 8> PageCaptions
    = {QT_TRANSLATE_NOOP("LiveContent", "Position"), QT_TRANSLATE_NOOP("LiveContent", "Name"),
        QT_TRANSLATE_NOOP("LiveContent", "Club"), QT_TRANSLATE_NOOP("LiveContent", "Team"),
        QT_TRANSLATE_NOOP("LiveContent", "Total"), QT_TRANSLATE_NOOP("LiveContent", "Gun"),
        QT_TRANSLATE_NOOP("LiveContent", "Model"), QT_TRANSLATE_NOOP("LiveContent", "Caliber")};

// The list's columns as the tab shows them, without the first one, which only carries the
// tab's headings (the class sections, the aggregate's title).
QList<Column> pageColumns(const ListColumns &description)
{
    QList<Column> columns;
    for (const ListColumn &column : description)
        if (column.caption && !isHeadingColumn(column))
            columns << Column{QString::fromUtf8(column.caption), column.optional,
                !isTextValue(column.value), isTotalColumn(column)};
    return columns;
}

// The tab's lines: a heading line, or a row without the headings' column.
QList<Row> tabRows(const ListLines &lines)
{
    QList<Row> rows;
    for (const ListLine &line : lines) {
        if (line.heading)
            rows << Row{RowKind::Heading, {line.columns.value(0)}, {}};
        else
            rows << Row{RowKind::Line, line.columns.mid(1), {}};
    }
    return rows;
}

// The marker beside a tied row: in the name's cell, the second of a discipline list.
constexpr qsizetype ShootOffMarkCell = 1;
const char *const ShootOffPending = QT_TRANSLATE_NOOP("LiveContent", "Shoot-off pending");

// Marks the rows of a discipline list whose competitors wait for a shoot-off. The rows are the
// tab's lines: the discipline's heading, then one line for each step of the list's walk.
void markShootOffs(QList<Row> &rows, const TulosTaulukko &ranking, int d)
{
    const UndecidedTies ties = undecidedTies(ranking, d);
    if (ties.empty())
        return;
    const ListSteps steps = disciplineListWalk(ranking, classSections(d));
    if (rows.size() != static_cast<qsizetype>(steps.size()) + 1)
        return;
    QSet<int> tied;
    for (const UndecidedTie &tie : ties)
        for (const TiedCompetitor &competitor : tie.competitors)
            tied.insert(competitor.row);
    for (size_t i = 0; i < steps.size(); ++i)
        if (!steps[i].isHeading() && tied.contains(steps[i].row))
            rows[static_cast<qsizetype>(i) + 1].shootOffPending = true;
}

ListTable disciplineTable(const Tulokset &tulokset, int d)
{
    ListTable table;
    table.title = pageText(discipline(d).title);
    table.kind = QStringLiteral("discipline");
    table.columns = pageColumns(disciplineListColumns(d));
    table.rows = tabRows(tulokset.lajiLines[static_cast<size_t>(d)]);
    markShootOffs(table.rows, tulokset.laji(d), d);
    return table;
}

ListTable aggregateTable(const Tulokset &tulokset, Aggregate a)
{
    ListTable table;
    table.title = pageText(aggregateInfo(a).title);
    table.kind = QStringLiteral("aggregate");
    table.columns = pageColumns(aggregateListColumns(a));
    table.rows = tabRows(tulokset.aggrLines[static_cast<size_t>(ix(a))]);
    return table;
}

// The standings as the printed team list shows them: each team's three members, then its sums.
ListTable teamTable(const Tulokset &tulokset, TeamGroup g)
{
    ListTable table;
    table.title = pageText(teamGroupInfo(g).title);
    table.kind = QStringLiteral("team");
    const ListColumns &description = teamListColumns(g);
    table.columns = pageColumns(description);

    const JoukkueTaulukko &standings = tulokset.standings(g);
    for (int k : teamListRows(standings)) {
        for (int member = 0; member < 4; ++member) {
            QStringList cells;
            for (const ListColumn &column : description)
                if (column.caption)
                    cells << cellText(column, standings[k], member, ListOutput::Tab);
            const RowKind kind = member == 0 ? RowKind::TeamFirst
                : member == 3                ? RowKind::TeamSum
                                             : RowKind::Member;
            table.rows << Row{kind, cells, {}};
        }
    }
    return table;
}

ListTable listTable(const Tulokset &tulokset, const PrintList &list)
{
    ListTable table;
    switch (list.kind) {
    case ListKind::Discipline: table = disciplineTable(tulokset, list.which); break;
    case ListKind::Aggregate: table = aggregateTable(tulokset, Aggregate(list.which)); break;
    case ListKind::Team: table = teamTable(tulokset, TeamGroup(list.which)); break;
    }
    table.id = liveListId(list);
    table.caption = QString::fromLatin1(list.caption);
    return table;
}

QString rowKindName(RowKind kind)
{
    switch (kind) {
    case RowKind::Heading: return QStringLiteral("heading");
    case RowKind::Line: return QStringLiteral("line");
    case RowKind::TeamFirst: return QStringLiteral("team");
    case RowKind::Member: return QStringLiteral("member");
    case RowKind::TeamSum: return QStringLiteral("sum");
    }
    return {};
}

QString listPage(const QString &id)
{
    return QStringLiteral("/list/") + id;
}
QString listJson(const QString &id)
{
    return QStringLiteral("/api/list/") + id + QStringLiteral(".json");
}
QString competitorPage(int number)
{
    return QStringLiteral("/competitor/%1").arg(number);
}
QString competitorJson(int number)
{
    return QStringLiteral("/api/competitor/%1.json").arg(number);
}

// The match line of the pages in their own language: club, place and the dates as the language
// writes them (the summary file keeps its own lines).
QString pageDate(const QDate &date)
{
    if (t_language == QLatin1String("fi"))
        return date.toString(QStringLiteral("d.M.yyyy"));
    return date.toString(Qt::ISODate);
}

QStringList pageSummary(const TKilpailunTiedot &tiedot)
{
    return {pageText(QT_TRANSLATE_NOOP("LiveContent", "Club: %1")).arg(tiedot.Seura),
        pageText(QT_TRANSLATE_NOOP("LiveContent", "Place: %1")).arg(tiedot.Paikka),
        pageText(QT_TRANSLATE_NOOP("LiveContent", "Date: %1 - %2"))
            .arg(pageDate(tiedot.Alkupvm), pageDate(tiedot.LoppuPvm))};
}

QJsonObject matchJson(const TKilpailunTiedot &tiedot, const QStringList &summary)
{
    return QJsonObject{{QStringLiteral("club"), tiedot.Seura},
        {QStringLiteral("place"), tiedot.Paikka},
        {QStringLiteral("start"), tiedot.Alkupvm.toString(Qt::ISODate)},
        {QStringLiteral("end"), tiedot.LoppuPvm.toString(Qt::ISODate)},
        {QStringLiteral("summary"), QJsonArray::fromStringList(summary.mid(0, 3))}};
}

// With its offset from UTC, so that a phone reads the moment whatever its own time zone.
QString isoTime(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QJsonValue timeJson(const QDateTime &time)
{
    return time.isValid() ? QJsonValue(isoTime(time)) : QJsonValue(QJsonValue::Null);
}

// The list's stage: "provisional" or "official" with its times, null for none; and the line the
// page shows, which the script completes with the minutes left of the challenge window.
void addStatusJson(QJsonObject &json, const ListStatus &status)
{
    const bool provisional = status.state == ListState::Provisional;
    const bool official = status.state == ListState::Official;
    json.insert(QStringLiteral("status"),
        provisional    ? QJsonValue(QStringLiteral("provisional"))
            : official ? QJsonValue(QStringLiteral("official"))
                       : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("postedAt"), timeJson(provisional ? status.postedAt : QDateTime()));
    json.insert(QStringLiteral("challengeUntil"),
        timeJson(provisional ? status.challengeUntil() : QDateTime()));
    json.insert(QStringLiteral("officialAt"), timeJson(official ? status.officialAt : QDateTime()));
    if (provisional || official)
        json.insert(QStringLiteral("statusText"), listStatusLine(status, t_language));
    if (provisional)
        json.insert(QStringLiteral("minutesLeftText"),
            pageText(QT_TRANSLATE_NOOP("LiveContent", "%1 min left")));
}

QJsonObject tableJson(const ListTable &table, const QJsonObject &match);

// A competitor's relays as their page's script draws them: the columns and the rows.
QJsonObject relaysTableJson(const ListTable &relays)
{
    const QJsonObject json = tableJson(relays, {});
    return QJsonObject{{QStringLiteral("caption"), relays.caption},
        {QStringLiteral("columns"), json[QStringLiteral("columns")]},
        {QStringLiteral("rows"), json[QStringLiteral("rows")]}};
}

QJsonObject tableJson(const ListTable &table, const QJsonObject &match)
{
    QJsonArray columns;
    for (const Column &column : table.columns) {
        QJsonObject described{{QStringLiteral("caption"), pageText(column.caption)},
            {QStringLiteral("optional"), column.optional},
            {QStringLiteral("numeric"), column.numeric}};
        // The script finds the total by its role, whatever the caption's language.
        if (column.total)
            described.insert(QStringLiteral("role"), QStringLiteral("total"));
        columns.append(described);
    }
    QJsonArray rows;
    bool shootOffs = false;
    for (const Row &row : table.rows) {
        QJsonObject object{{QStringLiteral("kind"), rowKindName(row.kind)}};
        if (row.kind == RowKind::Heading)
            object.insert(QStringLiteral("text"), row.cells.value(0));
        else
            object.insert(QStringLiteral("cells"), QJsonArray::fromStringList(row.cells));
        if (!row.link.isEmpty())
            object.insert(QStringLiteral("link"), row.link);
        if (row.shootOffPending) {
            object.insert(QStringLiteral("shootOffPending"), true);
            shootOffs = true;
        }
        rows.append(object);
    }
    QJsonObject json{{QStringLiteral("id"), table.id}, {QStringLiteral("caption"), table.caption},
        {QStringLiteral("title"), table.title}, {QStringLiteral("kind"), table.kind},
        {QStringLiteral("match"), match}, {QStringLiteral("columns"), columns},
        {QStringLiteral("rows"), rows}};
    // The marker's wording for the page's script, in the page's language; only where it shows.
    if (shootOffs)
        json.insert(QStringLiteral("shootOffPendingText"), pageText(ShootOffPending));
    if (table.kind != QLatin1String("competitor"))
        addStatusJson(json, table.status);
    if (table.relays)
        json.insert(QStringLiteral("relays"), relaysTableJson(*table.relays));
    return json;
}

QString cellClass(const Column &column)
{
    QStringList classes;
    if (column.numeric)
        classes << QStringLiteral("num");
    if (column.optional)
        classes << QStringLiteral("opt");
    if (column.total)
        classes << QStringLiteral("total");
    return classes.isEmpty() ? QString()
                             : QStringLiteral(" class=\"%1\"").arg(classes.join(QLatin1Char(' ')));
}

// Short captions for the narrow screen, shown by the style sheet in place of the full ones.
QString shortCaption(const QString &caption)
{
    static const QHash<QString, QString> shortCaptions{
        {QStringLiteral("Position"), QStringLiteral("#")},
        {QStringLiteral("Chicken"), QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "C"))},
        {QStringLiteral("Pig"), QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "P"))},
        {QStringLiteral("Turkey"), QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "T"))},
        {QStringLiteral("Ram"), QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "R"))},
        {QStringLiteral("Total"), QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Tot"))}};
    const QString shortText = shortCaptions.value(caption);
    return shortText.isEmpty() ? shortText : pageText(shortText);
}

QString pageHead(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%2\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%1</title><link rel=\"stylesheet\" href=\"/live.css\"></head>\n")
        .arg(escaped(title), t_language.isEmpty() ? QStringLiteral("en") : t_language);
}

QString matchLine(const QStringList &summary)
{
    // Club, place and dates: the first three lines of the match summary.
    QStringList parts;
    for (const QString &line : summary.mid(0, 3))
        parts << QStringLiteral("<span>%1</span>").arg(escaped(line));
    return parts.join(QLatin1Char(' '));
}

// The top of every page: when the page last heard from the server, and the banners that say
// the results shown may be old or gone. The script fills them in; they are empty and hidden in
// the page itself, which carries no time, so that its tag changes only with what it shows.
QString pageStatus()
{
    // The script puts the time of the last answer in place of %1 of the banner's text.
    return QStringLiteral(
        "<div class=\"status\"><p id=\"heard\" class=\"heard\" hidden>%1 "
        "<time id=\"heard-time\"></time></p>\n"
        "<p id=\"stale\" class=\"stale\" role=\"alert\" data-text=\"%2\" hidden></p>\n"
        "<p id=\"gone\" class=\"gone\" hidden>%3 <a href=\"/\">%4</a></p></div>\n")
        .arg(escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Last heard from the server:"))),
            escaped(pageText(QT_TRANSLATE_NOOP(
                "LiveContent", "Not up to date: no answer from the results server since %1."))),
            escaped(
                pageText(QT_TRANSLATE_NOOP("LiveContent", "This list is no longer on the board."))),
            escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "All lists"))));
}

QString tableRowsHtml(const ListTable &table)
{
    QString html;
    for (const Row &row : table.rows) {
        if (row.kind == RowKind::Heading) {
            html += QStringLiteral(
                "<tr class=\"heading\"><th colspan=\"%1\" scope=\"rowgroup\">%2</th></tr>\n")
                        .arg(table.columns.size())
                        .arg(escaped(row.cells.value(0)));
            continue;
        }
        html += QStringLiteral("<tr class=\"%1\">")
                    .arg(rowKindName(row.kind)
                        + (row.shootOffPending ? QStringLiteral(" shoot-off") : QString()));
        for (qsizetype i = 0; i < table.columns.size(); ++i) {
            QString text = escaped(row.cells.value(i));
            if (row.shootOffPending && i == ShootOffMarkCell)
                text += QStringLiteral(" <span class=\"shoot-off-mark\">%1</span>")
                            .arg(escaped(pageText(ShootOffPending)));
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(cellClass(table.columns[i]),
                            i == row.linkCell && !row.link.isEmpty()
                                ? QStringLiteral("<a href=\"%1\">%2</a>")
                                      .arg(escaped(row.link), text)
                                : text);
        }
        html += QStringLiteral("</tr>\n");
    }
    return html;
}

// The list's stage under its title. The challenge window's end goes with it, so that the script
// can say how many minutes are left; the page itself carries no time of its own.
QString statusParagraph(const ListStatus &status)
{
    const QString line = listStatusLine(status, t_language);
    const bool provisional = status.state == ListState::Provisional;
    return QStringLiteral("<p class=\"list-status %1\" id=\"list-status\"%2%3>%4</p>")
        .arg(provisional ? QStringLiteral("provisional") : QStringLiteral("official"),
            provisional
                ? QStringLiteral(" data-until=\"%1\" data-left=\"%2\"")
                      .arg(isoTime(status.challengeUntil()),
                          escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "%1 min left"))))
                : QString(),
            line.isEmpty() ? QStringLiteral(" hidden") : QString(), escaped(line));
}

QString headCells(const QList<Column> &columns)
{
    QString html;
    for (const Column &column : columns)
        html += QStringLiteral("<th scope=\"col\"%1>%2</th>")
                    .arg(cellClass(column), escaped(pageText(column.caption)));
    return html;
}

// A competitor's relays under their results, with a heading of its own.
QString relaysTableHtml(const ListTable &relays)
{
    return QStringLiteral("<h2 id=\"relays-heading\">%1</h2>\n<table class=\"relays\" "
                          "id=\"relay-table\"><caption class=\"unseen\">%1</caption>"
                          "<thead><tr>%2</tr></thead>\n<tbody id=\"relay-rows\">\n%3</tbody>"
                          "</table>\n")
        .arg(escaped(relays.caption), headCells(relays.columns), tableRowsHtml(relays));
}

QByteArray tablePage(const ListTable &table, const QStringList &summary, const QString &jsonPath,
    const QByteArray &jsonEtag)
{
    QString html = pageHead(table.caption + QStringLiteral(" - ") + table.title);
    html += QStringLiteral("<body data-json=\"%1\" data-etag=\"%2\">\n")
                .arg(escaped(jsonPath), escaped(QString::fromLatin1(jsonEtag)));
    html += pageStatus();
    html += QStringLiteral("<header><a class=\"back\" href=\"/\">%4</a>"
                           "<h1 id=\"caption\">%1</h1><p class=\"title\" id=\"title\">%2</p>"
                           "<p class=\"match\" id=\"match\">%3</p>%5</header>\n"
                           "<main id=\"main\">\n")
                .arg(escaped(table.caption), escaped(table.title), matchLine(summary),
                    escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "All lists"))),
                    statusParagraph(table.status));
    html += QStringLiteral("<table class=\"%1\" id=\"table\"><caption id=\"table-caption\" "
                           "class=\"unseen\">%2 - %3</caption><thead><tr>")
                .arg(table.kind, escaped(table.caption), escaped(table.title));
    for (const Column &column : table.columns) {
        const QString shortText = shortCaption(column.caption);
        html += QStringLiteral("<th scope=\"col\"%1%2><span>%3</span></th>")
                    .arg(cellClass(column),
                        shortText.isEmpty()
                            ? QString()
                            : QStringLiteral(" data-short=\"%1\"").arg(escaped(shortText)),
                        escaped(pageText(column.caption)));
    }
    html += QStringLiteral("</tr></thead>\n<tbody id=\"rows\">\n");
    html += tableRowsHtml(table);
    html += QStringLiteral("</tbody></table>\n");
    if (table.relays)
        html += relaysTableHtml(*table.relays);
    html += QStringLiteral("</main>\n");
    html += QStringLiteral("<script src=\"/live.js\"></script>\n</body></html>\n");
    return html.toUtf8();
}

// The clubhouse screen: the script fills the table with the chosen lists in turn.
QByteArray screenPage(const QStringList &summary)
{
    QString html = pageHead(pageText(QT_TRANSLATE_NOOP("LiveContent", "Live results")));
    html += QStringLiteral("<body class=\"screen\" data-json=\"/api/lists.json\">\n");
    html += pageStatus();
    html += QStringLiteral(
        "<header><h1 id=\"caption\">%2</h1><p class=\"title\" id=\"title\"></p>"
        "<p class=\"match\" id=\"match\">%1</p></header>\n<main id=\"main\">\n"
        "<table id=\"table\"><caption id=\"table-caption\" class=\"unseen\">%2</caption>"
        "<thead id=\"head\"></thead><tbody id=\"rows\"></tbody></table>\n"
        "</main>\n<script src=\"/live.js\"></script>\n</body></html>\n")
                .arg(matchLine(summary),
                    escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Live results"))));
    return html.toUtf8();
}

// A GET form, so that the search works without the script too.
QString searchForm(const QString &text)
{
    return QStringLiteral(
        "<form class=\"search\" action=\"/search\" method=\"get\" role=\"search\">"
        "<label for=\"q\">%3</label> <input id=\"q\" name=\"q\" type=\"search\" "
        "maxlength=\"%1\" placeholder=\"%4\" value=\"%2\"> "
        "<button type=\"submit\">%5</button></form>\n")
        .arg(MaxSearchLength)
        .arg(escaped(text), escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Find a shooter"))),
            escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Name, club or number"))),
            escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Search"))));
}

// One shooter's rows in every served list: position, class and total in each discipline,
// aggregate and team standing.
struct CompetitorRows
{
    LiveCompetitor who;
    QList<std::pair<int, Row>> rows; // by the list's place on the index
};

QString listTitle(const PrintList &list);

QMap<int, CompetitorRows> collectCompetitors(const Tulokset &tulokset, const QList<int> &served)
{
    QMap<int, CompetitorRows> found;
    const auto n = [](qint64 value) { return QString::number(value); };
    const auto rowOf = [&](int order, const PrintList &list, const QString &position,
                           const QString &luokka, const QString &total, const QString &team) {
        const QString id = liveListId(list);
        return std::pair{order,
            Row{RowKind::Line,
                {QString::fromLatin1(list.caption), listTitle(list), position, luokka, total, team},
                listPage(id)}};
    };
    for (qsizetype order = 0; order < served.size(); ++order) {
        const PrintList &list = PrintLists[static_cast<size_t>(served[order])];
        if (list.kind == ListKind::Discipline) {
            const TulosTaulukko &table = tulokset.laji(list.which);
            for (int r = 1; r <= table.lastNamedRow(); ++r) {
                const TTulosRivi &row = table[r];
                if (row.Nimi.isEmpty() || row.Numero <= 0)
                    continue;
                CompetitorRows &entry = found[row.Numero];
                entry.who = {row.Numero, row.Nimi.text(), row.Seura.text()};
                entry.rows << rowOf(int(order), list, n(row.Sijoitus),
                    classCaption(row.Luokka.text()), n(row.Yhteensa), QString());
            }
        } else if (list.kind == ListKind::Aggregate) {
            const AggrTaulukko &table = tulokset.aggregate(Aggregate(list.which));
            for (int r = 1; r <= table.lastNamedRow(); ++r) {
                const TAggrKilpailija &row = table[r];
                if (row.Nimi.isEmpty() || row.Numero <= 0)
                    continue;
                CompetitorRows &entry = found[row.Numero];
                if (entry.who.number == 0)
                    entry.who = {row.Numero, row.Nimi.text(), row.Seura};
                entry.rows << rowOf(
                    int(order), list, n(row.Sijoitus), QString(), n(row.Yhteensa), QString());
            }
        }
    }
    // Teams name their members, so they are found by name among the shooters of the lists.
    QHash<QString, int> byName;
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        byName.insert(it->who.name, it.key());
    for (qsizetype order = 0; order < served.size(); ++order) {
        const PrintList &list = PrintLists[static_cast<size_t>(served[order])];
        if (list.kind != ListKind::Team)
            continue;
        const JoukkueTaulukko &standings = tulokset.standings(TeamGroup(list.which));
        for (int k = 1; k <= JoukkueTaulukko::RowCount && !standings[k].Nimi.isEmpty(); ++k)
            for (const Str25 &member : standings[k].Kilpailija)
                if (const auto it = byName.constFind(member.text()); it != byName.cend())
                    found[*it].rows << rowOf(int(order), list, n(k), QString(),
                        n(standings[k].Yhteensa[3]), typedTeamName(standings[k].Nimi));
    }
    for (CompetitorRows &entry : found)
        std::stable_sort(entry.rows.begin(), entry.rows.end(),
            [](const auto &a, const auto &b) { return a.first < b.first; });
    return found;
}

ListTable competitorTable(const CompetitorRows &entry)
{
    ListTable table;
    table.id = QString::number(entry.who.number);
    table.caption = entry.who.name;
    table.title = entry.who.club.isEmpty()
        ? pageText(QT_TRANSLATE_NOOP("LiveContent", "No. %1")).arg(entry.who.number)
        : pageText(QT_TRANSLATE_NOOP("LiveContent", "No. %1, %2"))
              .arg(entry.who.number)
              .arg(entry.who.club);
    table.kind = QStringLiteral("competitor");
    table.columns << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "List")), false, false}
                  << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Title")), true, false}
                  << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Position"))}
                  << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Class")), false, false}
                  << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Total"))}
                  << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Team")), true, false};
    for (const auto &[order, row] : entry.rows)
        table.rows << row;
    return table;
}

struct IndexEntry
{
    const PrintList *list;
    QString id;
    QString title;
};

QString listTitle(const PrintList &list)
{
    switch (list.kind) {
    case ListKind::Discipline: return pageText(discipline(list.which).title);
    case ListKind::Aggregate: return pageText(aggregateInfo(Aggregate(list.which)).title);
    case ListKind::Team: return pageText(teamGroupInfo(TeamGroup(list.which)).title);
    }
    return {};
}

const char *const RelaysNowAndNext = QT_TRANSLATE_NOOP("LiveContent", "Relays: now and next");

QString minuteText(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / 60 % 24, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// A competitor's relays: by start, each place with its discipline.
// Each competitor's relays, by number: by start, each place with its discipline. Made once for
// a build, as a full match has thousands of places.
QHash<int, std::shared_ptr<const ListTable>> competitorRelays(const LiveRelays &relays)
{
    QHash<int, std::shared_ptr<ListTable>> tables;
    for (const LiveRelay &relay : relays)
        for (const LiveSeat &seat : relay.seats) {
            std::shared_ptr<ListTable> &table = tables[seat.number];
            if (!table) {
                table = std::make_shared<ListTable>();
                table->id = QStringLiteral("relays");
                table->caption = pageText(QT_TRANSLATE_NOOP("LiveContent", "Relays"));
                table->kind = QStringLiteral("relays");
                table->columns << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Relay"))}
                               << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Start")),
                                      false, false}
                               << Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Point"))}
                               << Column{QStringLiteral(
                                             QT_TRANSLATE_NOOP("LiveContent", "Discipline")),
                                      false, false};
            }
            table->rows << Row{RowKind::Line,
                {QString::number(relay.number), minuteText(relay.startMinute),
                    QString::number(seat.point), seat.discipline},
                {}};
        }
    QHash<int, std::shared_ptr<const ListTable>> done;
    for (auto it = tables.cbegin(); it != tables.cend(); ++it)
        done.insert(it.key(), it.value());
    return done;
}

QJsonObject indexJson(const QList<IndexEntry> &entries, const QJsonObject &match)
{
    QJsonArray lists;
    for (const IndexEntry &entry : entries)
        lists.append(QJsonObject{{QStringLiteral("id"), entry.id},
            {QStringLiteral("caption"), QString::fromLatin1(entry.list->caption)},
            {QStringLiteral("title"), entry.title},
            {QStringLiteral("group"),
                QString::fromLatin1(PrintBoxes[static_cast<size_t>(entry.list->box)])},
            {QStringLiteral("page"), listPage(entry.id)},
            {QStringLiteral("json"), listJson(entry.id)}});
    return QJsonObject{{QStringLiteral("match"), match}, {QStringLiteral("lists"), lists}};
}

QByteArray indexPage(const QList<IndexEntry> &entries, const QStringList &summary,
    const QByteArray &jsonEtag, bool hasRelays)
{
    QString html = pageHead(pageText(QT_TRANSLATE_NOOP("LiveContent", "Live results")));
    html
        += QStringLiteral("<body class=\"index\" data-json=\"/api/lists.json\" data-etag=\"%1\">\n")
               .arg(escaped(QString::fromLatin1(jsonEtag)));
    html += pageStatus();
    html += QStringLiteral("<header><h1>%2</h1><p class=\"match\" id=\"match\">%1</p>"
                           "</header>\n<main id=\"main\">\n")
                .arg(matchLine(summary),
                    escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "Live results"))));
    html += searchForm(QString());
    if (hasRelays)
        html += QStringLiteral("<p class=\"relays-link\"><a href=\"/relays\">%1</a></p>\n")
                    .arg(escaped(pageText(RelaysNowAndNext)));
    html += QStringLiteral("<nav id=\"lists\" aria-label=\"Lists\">\n");
    int box = -1;
    for (const IndexEntry &entry : entries) {
        if (entry.list->box != box) {
            if (box >= 0)
                html += QStringLiteral("</ul></section>\n");
            box = entry.list->box;
            html += QStringLiteral("<section><h2>%1</h2><ul>")
                        .arg(escaped(QString::fromLatin1(PrintBoxes[static_cast<size_t>(box)])));
        }
        html
            += QStringLiteral("<li><a href=\"%1\">%2</a> <span class=\"list-title\">%3</span></li>")
                   .arg(escaped(listPage(entry.id)),
                       escaped(QString::fromLatin1(entry.list->caption)), escaped(entry.title));
    }
    if (box >= 0)
        html += QStringLiteral("</ul></section>\n");
    html += QStringLiteral("</nav>\n</main>\n");
    html += QStringLiteral("<script src=\"/live.js\"></script>\n</body></html>\n");
    return html.toUtf8();
}

} // namespace

const LiveResource *LiveContent::find(const QByteArray &path) const
{
    const auto it = m_resources.constFind(path);
    return it == m_resources.constEnd() ? nullptr : &it.value();
}

void LiveContent::add(const QByteArray &path, LiveResource resource)
{
    m_resources.insert(path, std::move(resource));
}

QByteArray liveSearchPage(const LiveContent &content, const QString &text, const QString &language)
{
    // Built on the server's thread, in the language of the request.
    t_language = language.isEmpty() ? programLanguage() : language;
    const QString wanted = text.left(MaxSearchLength).simplified();
    QList<const LiveCompetitor *> hits;
    if (!wanted.isEmpty()) {
        bool isNumber = false;
        const int number = wanted.toInt(&isNumber);
        for (const LiveCompetitor &c : content.competitors())
            if ((isNumber && c.number == number) || c.name.contains(wanted, Qt::CaseInsensitive)
                || c.club.contains(wanted, Qt::CaseInsensitive))
                hits << &c;
    }
    const QString findShooter = pageText(QT_TRANSLATE_NOOP("LiveContent", "Find a shooter"));
    QString html = pageHead(findShooter);
    html += QStringLiteral("<body class=\"search-page\">\n<header><a class=\"back\" href=\"/\">"
                           "%1</a><h1>%2</h1></header>\n<main id=\"main\">\n")
                .arg(escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "All lists"))),
                    escaped(findShooter));
    html += searchForm(wanted);
    if (wanted.isEmpty()) {
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(escaped(pageText(
                        QT_TRANSLATE_NOOP("LiveContent", "Type a name, a club or a number."))));
    } else if (hits.isEmpty()) {
        html += QStringLiteral("<p>%1</p>\n")
                    .arg(pageText(QT_TRANSLATE_NOOP("LiveContent",
                                      "No shooter's name, club or number matches “%1”."))
                             .arg(escaped(wanted)));
    } else {
        html += QStringLiteral("<ul class=\"found\">\n");
        for (const LiveCompetitor *c : hits)
            html += QStringLiteral("<li><a href=\"%1\">%2</a> <span class=\"list-title\">%3"
                                   "</span></li>\n")
                        .arg(escaped(competitorPage(c->number)), escaped(c->name),
                            escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "No. %1, %2"))
                                        .arg(c->number)
                                        .arg(c->club)));
        html += QStringLiteral("</ul>\n");
    }
    html += QStringLiteral("</main>\n</body></html>\n");
    t_language.clear();
    return html.toUtf8();
}

LiveRelays liveRelaysOf(const Kilpailu &match)
{
    QList<const Relay *> plan;
    for (const Relay &relay : match.relayPlan.relays)
        plan << &relay;
    std::sort(plan.begin(), plan.end(), [](const Relay *a, const Relay *b) {
        return std::pair(a->startMinute, a->number) < std::pair(b->startMinute, b->number);
    });
    // The places come by relay number and point: each relay's are one run of them.
    QHash<const Relay *, QList<LiveSeat>> seats;
    for (const StartPlace &place : startPlaces(match, match.relayPlan, match.assignments)) {
        const TKilpailija &k = match.kilpailijat[place.slot];
        seats[place.relay] << LiveSeat{
            place.point, place.number, k.Nimi.text(), k.Seura.text(), disciplineCode(place.d)};
    }
    LiveRelays relays;
    for (const Relay *relay : plan)
        relays << LiveRelay{relay->number, relay->startMinute, relay->endMinute(),
            relay->disciplinesText(), seats.value(relay)};
    return relays;
}

RelaysAt relaysAt(const LiveRelays &relays, int minute)
{
    RelaysAt at;
    QList<int> starts;
    for (const LiveRelay &relay : relays) {
        if (relay.startMinute <= minute && minute < relay.endMinute)
            at.now << &relay;
        else if (relay.startMinute > minute
            && (starts.contains(relay.startMinute) || starts.size() < NextRelayStarts)) {
            if (!starts.contains(relay.startMinute))
                starts << relay.startMinute;
            at.next << &relay;
        }
    }
    return at;
}

namespace {

const char *const ShootingNow = QT_TRANSLATE_NOOP("LiveContent", "Shooting now");
const char *const NextRelays = QT_TRANSLATE_NOOP("LiveContent", "Next");

// The columns of a relay's table on /relays.
QList<Column> relayColumns()
{
    return {Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Point"))},
        Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "No."))},
        Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Name")), false, false},
        Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Club")), false, false},
        Column{QStringLiteral(QT_TRANSLATE_NOOP("LiveContent", "Discipline")), false, false}};
}

constexpr qsizetype RelayNameCell = 2;

QString relayCaption(const LiveRelay &relay)
{
    return pageText(QT_TRANSLATE_NOOP("LiveContent", "Relay %1, %2–%3: %4"))
        .arg(relay.number)
        .arg(minuteText(relay.startMinute), minuteText(relay.endMinute), relay.disciplines);
}

// A relay's rows; the name links the competitor's page where the board has one.
QList<Row> relayRows(const LiveRelay &relay, const QSet<int> &withPage)
{
    QList<Row> rows;
    for (const LiveSeat &seat : relay.seats)
        rows << Row{RowKind::Line,
            {QString::number(seat.point), QString::number(seat.number), seat.name, seat.club,
                seat.discipline},
            withPage.contains(seat.number) ? competitorPage(seat.number) : QString(), false,
            RelayNameCell};
    return rows;
}

struct RelaySection
{
    QString heading;
    QString empty; // said when no relay is in it
    QList<const LiveRelay *> relays;
};

QSet<int> numbersWithPage(const LiveContent &content)
{
    QSet<int> numbers;
    for (const LiveCompetitor &c : content.competitors())
        numbers.insert(c.number);
    return numbers;
}

QList<RelaySection> relaySections(const LiveRelays &relays, int minute)
{
    const RelaysAt at = relaysAt(relays, minute);
    return {RelaySection{pageText(ShootingNow),
                pageText(QT_TRANSLATE_NOOP("LiveContent", "No relay is shooting now.")), at.now},
        RelaySection{pageText(NextRelays),
            pageText(QT_TRANSLATE_NOOP("LiveContent", "No more relays are planned today.")),
            at.next}};
}

QJsonObject relaysJsonAt(const LiveContent &content, int minute)
{
    QJsonArray columns;
    for (const Column &column : relayColumns())
        columns.append(QJsonObject{{QStringLiteral("caption"), pageText(column.caption)},
            {QStringLiteral("numeric"), column.numeric}});
    const QSet<int> withPage = numbersWithPage(content);
    QJsonArray sections;
    for (const RelaySection &section : relaySections(content.relays(), minute)) {
        QJsonArray relays;
        for (const LiveRelay *relay : section.relays) {
            QJsonArray rows;
            for (const Row &row : relayRows(*relay, withPage)) {
                QJsonObject object{
                    {QStringLiteral("cells"), QJsonArray::fromStringList(row.cells)}};
                if (!row.link.isEmpty())
                    object.insert(QStringLiteral("link"), row.link);
                rows.append(object);
            }
            relays.append(QJsonObject{{QStringLiteral("number"), relay->number},
                {QStringLiteral("caption"), relayCaption(*relay)}, {QStringLiteral("rows"), rows}});
        }
        sections.append(QJsonObject{{QStringLiteral("heading"), section.heading},
            {QStringLiteral("empty"), section.empty}, {QStringLiteral("relays"), relays}});
    }
    return QJsonObject{{QStringLiteral("match"),
                           QJsonObject{{QStringLiteral("summary"),
                               QJsonArray::fromStringList(content.matchSummary())}}},
        {QStringLiteral("time"), minuteText(minute)}, {QStringLiteral("columns"), columns},
        {QStringLiteral("sections"), sections}};
}

QString relaySectionsHtml(const LiveContent &content, int minute)
{
    const QList<Column> columns = relayColumns();
    const QSet<int> withPage = numbersWithPage(content);
    QString html;
    for (const RelaySection &section : relaySections(content.relays(), minute)) {
        html += QStringLiteral("<section><h2>%1</h2>\n").arg(escaped(section.heading));
        if (section.relays.isEmpty())
            html += QStringLiteral("<p>%1</p>\n").arg(escaped(section.empty));
        for (const LiveRelay *relay : section.relays) {
            ListTable table;
            table.columns = columns;
            table.rows = relayRows(*relay, withPage);
            html += QStringLiteral("<table class=\"relay\"><caption>%1</caption><thead><tr>%2"
                                   "</tr></thead>\n<tbody>\n%3</tbody></table>\n")
                        .arg(escaped(relayCaption(*relay)), headCells(columns),
                            tableRowsHtml(table));
        }
        html += QStringLiteral("</section>\n");
    }
    return html;
}

} // namespace

std::shared_ptr<const LiveRelaysResources> LiveContent::relaysResources(int minute) const
{
    std::lock_guard lock(m_relaysCache->mutex);
    if (m_relaysCache->made && m_relaysCache->minute == minute)
        return m_relaysCache->made;
    auto made = std::make_shared<LiveRelaysResources>();
    made->json = resource(liveRelaysJson(*this, minute, m_language), JsonType);
    made->page = resource(liveRelaysPage(*this, minute, made->json.etag, m_language), HtmlType);
    m_relaysCache->minute = minute;
    m_relaysCache->made = made;
    return made;
}

QByteArray liveRelaysJson(const LiveContent &content, int minute, const QString &language)
{
    t_language = language.isEmpty() ? programLanguage() : language;
    const QByteArray json
        = QJsonDocument(relaysJsonAt(content, minute)).toJson(QJsonDocument::Compact);
    t_language.clear();
    return json;
}

QByteArray liveRelaysPage(
    const LiveContent &content, int minute, const QByteArray &jsonEtag, const QString &language)
{
    t_language = language.isEmpty() ? programLanguage() : language;
    const QString title = pageText(QT_TRANSLATE_NOOP("LiveContent", "Relays"));
    QString html = pageHead(title);
    html += QStringLiteral(
        "<body class=\"relays-page\" data-json=\"/api/relays.json\" data-etag=\"%1\">\n")
                .arg(escaped(QString::fromLatin1(jsonEtag)));
    html += pageStatus();
    html += QStringLiteral("<header><a class=\"back\" href=\"/\">%1</a><h1>%2</h1>"
                           "<p class=\"match\" id=\"match\">%3</p>"
                           "<p class=\"title\">%4 <time id=\"relays-time\">%5</time></p>"
                           "</header>\n<main id=\"main\">\n<div id=\"relays\">\n")
                .arg(escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "All lists"))),
                    escaped(title), matchLine(content.matchSummary()),
                    escaped(pageText(QT_TRANSLATE_NOOP("LiveContent", "At"))), minuteText(minute));
    html += relaySectionsHtml(content, minute);
    html += QStringLiteral("</div>\n</main>\n<script src=\"/live.js\"></script>\n"
                           "</body></html>\n");
    t_language.clear();
    return html.toUtf8();
}

QString liveListId(const PrintList &list)
{
    return QString::fromLatin1(list.caption).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

QList<int> servedLists(const TKilpailunTiedot &tiedot)
{
    const auto shot = [&](const PrintList &list) {
        std::optional<Group> group;
        switch (list.kind) {
        case ListKind::Discipline: group = discipline(list.which).group; break;
        case ListKind::Aggregate: group = groupOfAggregate(Aggregate(list.which)); break;
        case ListKind::Team:
            group = groupOfAggregate(teamGroupInfo(TeamGroup(list.which)).aggregate);
            break;
        }
        return !group || tiedot.isShot(*group);
    };
    QList<int> served;
    for (int box = 0; box < static_cast<int>(PrintBoxes.size()); ++box)
        for (int i : listsInBox(box))
            if (shot(PrintLists[static_cast<size_t>(i)]))
                served << i;
    return served;
}

// The tag of a table's content and the match it belongs to, without rendering anything: a
// result entry changes a few lists and shooters, and only those are rendered and compressed
// again; the rest keep their resources.
void addTableToKey(QCryptographicHash &hash, const ListTable &table);

namespace {

// Of a list's status, what its page and JSON show: a reopened list's reason and its earlier
// posting show nowhere, and its tag is that of a list that never had a status.
ListStatus shownStatus(const ListStatus &status)
{
    ListStatus shown;
    shown.state = status.state;
    if (status.state == ListState::Provisional) {
        shown.postedAt = status.postedAt;
        shown.windowMinutes = status.windowMinutes;
    }
    if (status.state == ListState::Official)
        shown.officialAt = status.officialAt;
    return shown;
}

} // namespace

QByteArray tableKey(const ListTable &table, const QByteArray &matchBytes)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(matchBytes);
    addTableToKey(hash, table);
    return '"' + hash.result().toHex().left(24) + '"';
}

void addTableToKey(QCryptographicHash &hash, const ListTable &table)
{
    const auto text = [&hash](const QString &value) {
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(value.utf16()),
            value.size() * qsizetype(sizeof(char16_t))));
        hash.addData(QByteArrayView("\x1f", 1));
    };
    for (const QString &value : {table.id, table.caption, table.title, table.kind,
             listStatusText(shownStatus(table.status))})
        text(value);
    for (const Column &column : table.columns)
        text(column.caption + (column.optional ? u'o' : u'-') + (column.numeric ? u'n' : u'-'));
    for (const Row &row : table.rows) {
        text(rowKindName(row.kind));
        for (const QString &cell : row.cells)
            text(cell);
        text(row.link);
        if (row.shootOffPending)
            hash.addData(QByteArrayView("\x1d", 1));
        hash.addData(QByteArrayView("\x1e", 1));
    }
    if (table.relays) {
        hash.addData(QByteArrayView("\x1c", 1));
        addTableToKey(hash, *table.relays);
    }
}

struct TablePaths
{
    QByteArray page;
    QByteArray json;
    QByteArray key;
};

struct TableContext
{
    const QJsonObject &match;
    const QStringList &summary;
    const Refresh &refresh;
};

// A table's page and JSON; taken over from the previous content when the table is the same.
void addTableResources(LiveContent &content, const ListTable &table, const TablePaths &paths,
    const TableContext &context, const LiveContent *previous)
{
    const LiveResource *oldJson = previous ? previous->find(paths.json) : nullptr;
    const LiveResource *oldPage = previous ? previous->find(paths.page) : nullptr;
    if (oldJson && oldPage && oldJson->contentKey == paths.key) {
        content.add(paths.page, *oldPage);
        content.add(paths.json, *oldJson);
        return;
    }
    QJsonObject root = tableJson(table, context.match);
    root.insert(QStringLiteral("refreshed"), context.refresh.shown);
    root.insert(QStringLiteral("refreshedAt"), context.refresh.iso);
    LiveResource json = resource(QJsonDocument(root).toJson(QJsonDocument::Compact), JsonType);
    json.etag = paths.key;
    if (!json.deflated.isEmpty())
        json.deflatedEtag = paths.key.left(paths.key.size() - 1) + "-z\"";
    json.contentKey = paths.key;
    content.add(paths.page,
        resource(
            tablePage(table, context.summary, QString::fromUtf8(paths.json), paths.key), HtmlType));
    content.add(paths.json, std::move(json));
}

namespace {

// Every resource in one language (empty: the program's own texts); null when stopped on the way.
std::shared_ptr<LiveContent> buildContentIn(const QString &language, const TKilpailunTiedot &tiedot,
    const Tulokset &tulokset, const QDateTime &refreshed, const LiveContent *previous,
    const std::stop_token &stop, const LiveRelays &relays, const ListStatuses &statuses)
{
    t_language = language;
    auto content = std::make_shared<LiveContent>();
    const Refresh refresh{
        refreshed.toString(QStringLiteral("HH:mm:ss")), refreshed.toString(Qt::ISODate)};
    const QStringList summary = pageSummary(tiedot);
    const QJsonObject match = matchJson(tiedot, summary);
    const auto before = [previous](const QString &path) {
        return previous ? previous->find(path.toUtf8()) : nullptr;
    };

    const QByteArray matchBytes = QJsonDocument(match).toJson(QJsonDocument::Compact);
    const auto addTable = [&](const ListTable &table, const QString &page, const QString &json) {
        addTableResources(*content, table,
            TablePaths{page.toUtf8(), json.toUtf8(), tableKey(table, matchBytes)},
            TableContext{match, summary, refresh}, previous);
    };

    QList<IndexEntry> entries;
    for (int i : servedLists(tiedot)) {
        if (stop.stop_requested())
            break;
        const PrintList &list = PrintLists[static_cast<size_t>(i)];
        ListTable table = listTable(tulokset, list);
        table.status = statuses.value(table.caption);
        addTable(table, listPage(table.id), listJson(table.id));
        entries << IndexEntry{&list, table.id, listTitle(list)};
    }
    QList<LiveCompetitor> competitors;
    const QHash<int, std::shared_ptr<const ListTable>> relaysOf = competitorRelays(relays);
    for (const CompetitorRows &entry : collectCompetitors(tulokset, servedLists(tiedot))) {
        if (stop.stop_requested())
            break;
        ListTable table = competitorTable(entry);
        table.relays = relaysOf.value(entry.who.number);
        addTable(table, competitorPage(entry.who.number), competitorJson(entry.who.number));
        competitors << entry.who;
    }
    if (stop.stop_requested()) {
        t_language.clear();
        return nullptr;
    }
    content->setCompetitors(std::move(competitors));
    content->setRelays(relays);
    content->setMatchSummary(summary);
    content->setLanguage(language);

    LiveResource json = jsonResource(
        indexJson(entries, match), refresh, before(QStringLiteral("/api/lists.json")));
    content->add(
        "/", resource(indexPage(entries, summary, json.etag, !relays.isEmpty()), HtmlType));
    content->add("/api/lists.json", std::move(json));
    content->add("/screen", resource(screenPage(summary), HtmlType));
    content->add("/live.css", resource(liveStyleSheet(), "text/css; charset=utf-8"));
    content->add("/live.js", resource(liveScript(), "text/javascript; charset=utf-8"));
    t_language.clear();
    return content;
}

} // namespace

const LiveContent &LiveContent::inLanguage(const QString &language) const
{
    const auto found = m_languages.constFind(language);
    return found == m_languages.constEnd() ? *this : **found;
}

std::shared_ptr<const LiveContent> buildLiveContent(const TKilpailunTiedot &tiedot,
    const Tulokset &tulokset, const QDateTime &refreshed, const LiveContent *previous,
    std::stop_token stop, const LiveRelays &relays, const ListStatuses &statuses)
{
    // The program's language for browsers that ask for none of the program's languages, and
    // each language ready for those that do.
    const QString own = programLanguage();
    auto content
        = buildContentIn(own, tiedot, tulokset, refreshed, previous, stop, relays, statuses);
    if (!content)
        return nullptr;
    QHash<QString, std::shared_ptr<const LiveContent>> languages;
    for (const QString &language : programLanguages()) {
        if (language == own)
            continue;
        auto built = buildContentIn(language, tiedot, tulokset, refreshed,
            previous ? &previous->inLanguage(language) : nullptr, stop, relays, statuses);
        if (!built)
            return nullptr;
        languages.insert(language, std::move(built));
    }
    content->setLanguages(std::move(languages));
    return content;
}

} // namespace marvola
