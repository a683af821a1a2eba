#include "live/LiveContent.h"

#include "files/MatchFiles.h"
#include "live/LiveAssets.h"
#include "ranking/Ranking.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace marvola {

namespace {

const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray JsonType = QByteArrayLiteral("application/json; charset=utf-8");

// One column of a served table. Optional columns give way on a phone's narrow screen, so that
// position, name, club, total and hits stay readable without scrolling sideways.
struct Column
{
    QString caption;
    bool optional = false;
    bool numeric = true;
};

enum class RowKind { Heading, Line, TeamFirst, Member, TeamSum };

struct Row
{
    RowKind kind = RowKind::Line;
    QStringList cells; // a heading row holds its text only
};

struct ListTable
{
    QString id;
    QString caption;
    QString title;
    QString kind;
    QList<Column> columns;
    QList<Row> rows;
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
    LiveResource r{std::move(body), type, {}, {}, {}};
    r.etag = etagOf(r.body);
    if (r.body.size() > 1024) {
        // qCompress gives a 4-byte length and then the zlib stream that "deflate" means.
        r.deflated = qCompress(r.body, 6).mid(4);
        r.deflatedEtag = r.etag.left(r.etag.size() - 1) + "-z\"";
    }
    return r;
}

bool isTextColumn(const QString &caption)
{
    static const QStringList texts{QStringLiteral("Name"), QStringLiteral("Club"),
        QStringLiteral("Team"), QStringLiteral("Gun"), QStringLiteral("Model"),
        QStringLiteral("Caliber")};
    return texts.contains(caption);
}

// The tab's columns without the captionless first one, which only carries the headings.
QList<Column> tabColumns(const QStringList &captions, const QStringList &optional)
{
    QList<Column> columns;
    for (const QString &caption : captions.mid(1))
        columns << Column{caption, optional.contains(caption), !isTextColumn(caption)};
    return columns;
}

QList<Row> tabRows(const ListLines &lines)
{
    QList<Row> rows;
    for (const ListLine &line : lines) {
        if (line.heading)
            rows << Row{RowKind::Heading, {line.columns.value(0)}};
        else
            rows << Row{RowKind::Line, line.columns.mid(1)};
    }
    return rows;
}

ListTable disciplineTable(const Tulokset &tulokset, int d)
{
    ListTable table;
    table.title = QString::fromLatin1(discipline(d).title);
    table.kind = QStringLiteral("discipline");
    QStringList optional;
    for (int k = 1; k <= FinaaliCount; ++k)
        optional << QStringLiteral("f%1").arg(k);
    optional << QStringLiteral("Gun") << QStringLiteral("Model") << QStringLiteral("Caliber");
    table.columns = tabColumns(disciplineTabColumns(), optional);
    table.rows = tabRows(tulokset.lajiLines[static_cast<size_t>(d)]);
    return table;
}

ListTable aggregateTable(const Tulokset &tulokset, Aggregate a)
{
    ListTable table;
    table.title = QString::fromLatin1(aggregateInfo(a).title);
    table.kind = QStringLiteral("aggregate");
    table.columns = tabColumns(aggregateTabColumns(a), aggregateColumnCaptions(a));
    table.rows = tabRows(tulokset.aggrLines[static_cast<size_t>(ix(a))]);
    return table;
}

// The standings as the printed team list shows them: each team's three members, then its sums.
ListTable teamTable(const Tulokset &tulokset, TeamGroup g)
{
    ListTable table;
    table.title = QString::fromLatin1(teamGroupInfo(g).title);
    table.kind = QStringLiteral("team");
    const QStringList figures = teamFigureColumns(g);
    table.columns << Column{QStringLiteral("Position")}
                  << Column{QStringLiteral("Team"), false, false}
                  << Column{QStringLiteral("Name"), false, false};
    for (const QString &figure : figures)
        table.columns << Column{figure, true};
    table.columns << Column{QStringLiteral("Total")};
    for (const TargetInfo &target : Targets)
        table.columns << Column{QString::fromLatin1(target.caption)};

    const JoukkueTaulukko &standings = tulokset.standings(g);
    const auto n = [](std::int32_t value) { return QString::number(value); };
    for (int k = 1; k <= JoukkueTaulukko::RowCount && !standings[k].Nimi.isEmpty(); ++k) {
        const TJoukkueTulos &team = standings[k];
        for (size_t m = 0; m < 3; ++m) {
            QStringList cells;
            cells << (m == 0 ? n(k) : QString()) << (m == 0 ? typedTeamName(team.Nimi) : QString())
                  << team.Kilpailija[m].text();
            for (qsizetype f = 0; f < figures.size(); ++f)
                cells << n(team.Lajit[static_cast<size_t>(f)][m]);
            cells << n(team.Yhteensa[m]) << n(team.Kana[m]) << n(team.Sika[m])
                  << n(team.Kalkkuna[m]) << n(team.Passi[m]);
            table.rows << Row{m == 0 ? RowKind::TeamFirst : RowKind::Member, cells};
        }
        QStringList sums{QString(), QString(), QString()};
        for (qsizetype f = 0; f < figures.size(); ++f) {
            const auto &members = team.Lajit[static_cast<size_t>(f)];
            sums << n(members[0] + members[1] + members[2]);
        }
        sums << n(team.Yhteensa[3]) << n(team.Kana[3]) << n(team.Sika[3]) << n(team.Kalkkuna[3])
             << n(team.Passi[3]);
        table.rows << Row{RowKind::TeamSum, sums};
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

struct Refresh
{
    QString shown; // on the pages: the time of day
    QString iso; // in the JSON: date and time
};

QByteArray tableJson(const ListTable &table, const Refresh &refresh)
{
    QJsonArray columns;
    for (const Column &column : table.columns)
        columns.append(QJsonObject{{QStringLiteral("caption"), column.caption},
            {QStringLiteral("optional"), column.optional},
            {QStringLiteral("numeric"), column.numeric}});
    QJsonArray rows;
    for (const Row &row : table.rows) {
        QJsonObject object{{QStringLiteral("kind"), rowKindName(row.kind)}};
        if (row.kind == RowKind::Heading)
            object.insert(QStringLiteral("text"), row.cells.value(0));
        else
            object.insert(QStringLiteral("cells"), QJsonArray::fromStringList(row.cells));
        rows.append(object);
    }
    const QJsonObject root{{QStringLiteral("id"), table.id},
        {QStringLiteral("caption"), table.caption}, {QStringLiteral("title"), table.title},
        {QStringLiteral("kind"), table.kind}, {QStringLiteral("refreshed"), refresh.shown},
        {QStringLiteral("refreshedAt"), refresh.iso}, {QStringLiteral("columns"), columns},
        {QStringLiteral("rows"), rows}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QString cellClass(const Column &column)
{
    QStringList classes;
    if (column.numeric)
        classes << QStringLiteral("num");
    if (column.optional)
        classes << QStringLiteral("opt");
    if (column.caption == QLatin1String("Total"))
        classes << QStringLiteral("total");
    return classes.isEmpty() ? QString()
                             : QStringLiteral(" class=\"%1\"").arg(classes.join(QLatin1Char(' ')));
}

// Short captions for the narrow screen, shown by the style sheet in place of the full ones.
QString shortCaption(const QString &caption)
{
    static const QHash<QString, QString> shortCaptions{
        {QStringLiteral("Position"), QStringLiteral("#")},
        {QStringLiteral("Chicken"), QStringLiteral("C")},
        {QStringLiteral("Pig"), QStringLiteral("P")},
        {QStringLiteral("Turkey"), QStringLiteral("T")},
        {QStringLiteral("Ram"), QStringLiteral("R")},
        {QStringLiteral("Total"), QStringLiteral("Tot")}};
    return shortCaptions.value(caption);
}

QString pageHead(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%1</title><link rel=\"stylesheet\" href=\"/live.css\"></head>\n")
        .arg(escaped(title));
}

QString matchLine(const QStringList &summary)
{
    // Club, place and dates: the first three lines of the match summary.
    QStringList parts;
    for (const QString &line : summary.mid(0, 3))
        parts << QStringLiteral("<span>%1</span>").arg(escaped(line));
    return parts.join(QLatin1Char(' '));
}

QString refreshedLine(const Refresh &refresh)
{
    return QStringLiteral("<p class=\"refreshed\">Last refresh: <time id=\"refreshed\" "
                          "datetime=\"%1\">%2</time></p>\n")
        .arg(escaped(refresh.iso), escaped(refresh.shown));
}

QString tableRowsHtml(const ListTable &table)
{
    QString html;
    for (const Row &row : table.rows) {
        if (row.kind == RowKind::Heading) {
            html += QStringLiteral("<tr class=\"heading\"><th colspan=\"%1\">%2</th></tr>\n")
                        .arg(table.columns.size())
                        .arg(escaped(row.cells.value(0)));
            continue;
        }
        html += QStringLiteral("<tr class=\"%1\">").arg(rowKindName(row.kind));
        for (qsizetype i = 0; i < table.columns.size(); ++i)
            html += QStringLiteral("<td%1>%2</td>")
                        .arg(cellClass(table.columns[i]), escaped(row.cells.value(i)));
        html += QStringLiteral("</tr>\n");
    }
    return html;
}

QByteArray tablePage(const ListTable &table, const QStringList &summary, const Refresh &refresh,
    const QByteArray &jsonEtag)
{
    QString html = pageHead(table.caption + QStringLiteral(" - ") + table.title);
    html += QStringLiteral("<body data-json=\"%1\" data-etag=\"%2\">\n")
                .arg(escaped(listJson(table.id)), escaped(QString::fromLatin1(jsonEtag)));
    html += QStringLiteral(
        "<header><a class=\"back\" href=\"/\">All lists</a>"
        "<h1>%1</h1><p class=\"title\">%2</p><p class=\"match\">%3</p></header>\n")
                .arg(escaped(table.caption), escaped(table.title), matchLine(summary));
    html += QStringLiteral("<table class=\"%1\"><thead><tr>").arg(table.kind);
    for (const Column &column : table.columns) {
        const QString shortText = shortCaption(column.caption);
        html += QStringLiteral("<th%1%2><span>%3</span></th>")
                    .arg(cellClass(column),
                        shortText.isEmpty()
                            ? QString()
                            : QStringLiteral(" data-short=\"%1\"").arg(escaped(shortText)),
                        escaped(column.caption));
    }
    html += QStringLiteral("</tr></thead>\n<tbody id=\"rows\">\n");
    html += tableRowsHtml(table);
    html += QStringLiteral("</tbody></table>\n");
    html += refreshedLine(refresh);
    html += QStringLiteral("<script src=\"/live.js\"></script>\n</body></html>\n");
    return html.toUtf8();
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
    case ListKind::Discipline: return QString::fromLatin1(discipline(list.which).title);
    case ListKind::Aggregate:
        return QString::fromLatin1(aggregateInfo(Aggregate(list.which)).title);
    case ListKind::Team: return QString::fromLatin1(teamGroupInfo(TeamGroup(list.which)).title);
    }
    return {};
}

QByteArray indexJson(const QList<IndexEntry> &entries, const TKilpailunTiedot &tiedot,
    const QStringList &summary, const Refresh &refresh)
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
    const QJsonObject match{{QStringLiteral("club"), tiedot.Seura},
        {QStringLiteral("place"), tiedot.Paikka},
        {QStringLiteral("start"), tiedot.Alkupvm.toString(Qt::ISODate)},
        {QStringLiteral("end"), tiedot.LoppuPvm.toString(Qt::ISODate)},
        {QStringLiteral("summary"), QJsonArray::fromStringList(summary.mid(0, 3))}};
    const QJsonObject root{{QStringLiteral("match"), match},
        {QStringLiteral("refreshed"), refresh.shown}, {QStringLiteral("refreshedAt"), refresh.iso},
        {QStringLiteral("lists"), lists}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray indexPage(const QList<IndexEntry> &entries, const QStringList &summary,
    const Refresh &refresh, const QByteArray &jsonEtag)
{
    QString html = pageHead(QStringLiteral("Live results"));
    html
        += QStringLiteral("<body class=\"index\" data-json=\"/api/lists.json\" data-etag=\"%1\">\n")
               .arg(escaped(QString::fromLatin1(jsonEtag)));
    html += QStringLiteral("<header><h1>Live results</h1><p class=\"match\">%1</p></header>\n")
                .arg(matchLine(summary));
    html += QStringLiteral("<nav id=\"lists\">\n");
    int box = -1;
    for (const IndexEntry &entry : entries) {
        if (entry.list->box != box) {
            if (box >= 0)
                html += QStringLiteral("</ul></section>\n");
            box = entry.list->box;
            html += QStringLiteral("<section><h2>%1</h2><ul>")
                        .arg(escaped(QString::fromLatin1(PrintBoxes[static_cast<size_t>(box)])));
        }
        html += QStringLiteral("<li><a href=\"%1\" title=\"%2\">%3</a></li>")
                    .arg(escaped(listPage(entry.id)), escaped(entry.title),
                        escaped(QString::fromLatin1(entry.list->caption)));
    }
    if (box >= 0)
        html += QStringLiteral("</ul></section>\n");
    html += QStringLiteral("</nav>\n");
    html += refreshedLine(refresh);
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

std::shared_ptr<const LiveContent> buildLiveContent(
    const TKilpailunTiedot &tiedot, const Tulokset &tulokset, const QDateTime &refreshed)
{
    auto content = std::make_shared<LiveContent>();
    const Refresh refresh{
        refreshed.toString(QStringLiteral("HH:mm:ss")), refreshed.toString(Qt::ISODate)};
    const QStringList summary = matchSummaryLines(tiedot, false);

    QList<IndexEntry> entries;
    for (int i : servedLists(tiedot)) {
        const PrintList &list = PrintLists[static_cast<size_t>(i)];
        const ListTable table = listTable(tulokset, list);
        LiveResource json = resource(tableJson(table, refresh), JsonType);
        content->add(listPage(table.id).toUtf8(),
            resource(tablePage(table, summary, refresh, json.etag), HtmlType));
        content->add(listJson(table.id).toUtf8(), std::move(json));
        entries << IndexEntry{&list, table.id, listTitle(list)};
    }
    LiveResource json = resource(indexJson(entries, tiedot, summary, refresh), JsonType);
    content->add("/", resource(indexPage(entries, summary, refresh, json.etag), HtmlType));
    content->add("/api/lists.json", std::move(json));
    content->add("/live.css", resource(liveStyleSheet(), "text/css; charset=utf-8"));
    content->add("/live.js", resource(liveScript(), "text/javascript; charset=utf-8"));
    return content;
}

} // namespace marvola
