// The live results as ready responses: the pages and JSON of the lists, built from the tables.
#pragma once

#include "model/Registers.h"
#include "output/PrintLists.h"
#include "ranking/Tables.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <stop_token>

namespace marvola {

// One answer, ready to be sent as it stands.
struct LiveResource
{
    QByteArray body;
    QByteArray contentType; // with its charset
    QByteArray etag; // strong, quoted
    // The body compressed for clients that accept "deflate" (a zlib stream), with its own tag;
    // empty when compression would not pay.
    QByteArray deflated;
    QByteArray deflatedEtag;
    // The tag of what the resource says, without the time of the refresh that built it: a
    // refresh that changes nothing in it keeps the resource as it was, bytes and tags.
    QByteArray contentKey;
};

// A shooter as the search of the index finds them.
struct LiveCompetitor
{
    int number = 0;
    QString name;
    QString club;
};

// One firing point of a relay as the board shows it.
struct LiveSeat
{
    int point = 0;
    int number = 0;
    QString name;
    QString club;
    QString discipline; // its code

    friend bool operator==(const LiveSeat &, const LiveSeat &) = default;
};

// A relay of the plan and its places by point, minutes counted from midnight.
struct LiveRelay
{
    int number = 0;
    int startMinute = 0;
    int endMinute = 0;
    QString disciplines; // as the plan names them, "BBPR BBPC"
    QList<LiveSeat> seats;

    friend bool operator==(const LiveRelay &, const LiveRelay &) = default;
};

// The match's relays by start and number, with who shoots where: what the board needs of the
// plan and the places, taken with the snapshot on the window's thread.
using LiveRelays = QList<LiveRelay>;
LiveRelays liveRelaysOf(const Kilpailu &match);

// The page /relays and its JSON at one minute.
struct LiveRelaysResources
{
    LiveResource page;
    LiveResource json;
};

// Every path the live results answer, and nothing else.
class LiveContent
{
public:
    // The resource of an exact path ("/", "/list/bbpr", "/api/lists.json"), or null.
    const LiveResource *find(const QByteArray &path) const;
    QList<QByteArray> paths() const { return m_resources.keys(); }

    void add(const QByteArray &path, LiveResource resource);

    // The shooters of the served lists, by number, each with a page "/competitor/<number>".
    const QList<LiveCompetitor> &competitors() const { return m_competitors; }
    void setCompetitors(QList<LiveCompetitor> competitors)
    {
        m_competitors = std::move(competitors);
    }

    // The relays, for the page of those shooting now and next, made at each request.
    const LiveRelays &relays() const { return m_relays; }
    void setRelays(LiveRelays relays) { m_relays = std::move(relays); }
    // /relays and its JSON at `minute`, in the content's language: made at the first request of
    // a minute and kept for the others of that minute, as every phone on the page polls it.
    std::shared_ptr<const LiveRelaysResources> relaysResources(int minute) const;
    // The language the content was built in (empty: the program's).
    void setLanguage(QString language) { m_language = std::move(language); }

    // The match's club, place and dates as the pages head them, in the content's language.
    const QStringList &matchSummary() const { return m_summary; }
    void setMatchSummary(QStringList summary) { m_summary = std::move(summary); }

    // The same resources in one of the program's languages, for a browser that asks for it;
    // itself for the language it was built in or one it does not have.
    const LiveContent &inLanguage(const QString &language) const;
    void setLanguages(QHash<QString, std::shared_ptr<const LiveContent>> languages)
    {
        m_languages = std::move(languages);
    }

private:
    QHash<QByteArray, LiveResource> m_resources;
    QHash<QString, std::shared_ptr<const LiveContent>> m_languages;
    QList<LiveCompetitor> m_competitors;
    LiveRelays m_relays;
    QStringList m_summary;
    QString m_language;
    // Shared by the server's requests; a new build is a new content with a cache of its own.
    struct RelaysCache
    {
        std::mutex mutex;
        int minute = -1;
        std::shared_ptr<const LiveRelaysResources> made;
    };
    std::shared_ptr<RelaysCache> m_relaysCache = std::make_shared<RelaysCache>();
};

// The longest search text taken; the rest is dropped.
constexpr qsizetype MaxSearchLength = 60;

// The answer to the index's search field: the shooters whose name or club holds the text, or
// whose number it is, linked to their pages.
// In language when given, otherwise the program's language.
QByteArray liveSearchPage(
    const LiveContent &content, const QString &text, const QString &language = QString());

// Beside the relays shooting at a minute, /relays shows those of this many start times after it.
constexpr int NextRelayStarts = 2;

// The relays shooting at `minute` (minutes after midnight: started, not yet ended) and those of
// the next NextRelayStarts start times after it, each by start and number.
struct RelaysAt
{
    QList<const LiveRelay *> now;
    QList<const LiveRelay *> next;
};
RelaysAt relaysAt(const LiveRelays &relays, int minute);

// The page /relays and its JSON at `minute`: the relays shooting and the next ones with their
// competitors (point, number, name, club, discipline). In language when given, otherwise the
// program's language. The page carries the JSON's tag, so its script polls for the next change.
QByteArray liveRelaysJson(const LiveContent &content, int minute, const QString &language = {});
QByteArray liveRelaysPage(const LiveContent &content, int minute, const QByteArray &jsonEtag,
    const QString &language = {});

// The stable id of a printed list in URLs: its caption in lower case, blanks as hyphens
// ("BBP Aggr" -> "bbp-aggr").
QString liveListId(const PrintList &list);

// The lists of the groups shot, as indexes into PrintLists, in the print dialog's box order.
// The Standing lists span the groups and are always served, as their tab is always shown.
QList<int> servedLists(const TKilpailunTiedot &tiedot);

// Builds every page and JSON resource, in the program's language and in each of the others,
// from the tables as the last refresh left them; ranks
// nothing. `refreshed` is the time of that refresh; it goes into the JSON only, so a page's
// bytes and tag change only when what it shows does. A resource whose content is the same as in
// `previous` (the content served until now) is taken over from it as it stands, with the time of
// the refresh that built it, so its tag stays and the clients polling it get 304. Null when
// `stop` was requested before the build was done (a newer snapshot of the match supersedes it).
// `relays` give each competitor's page its relays and /relays its data; the lists' status
// (posted, official) goes under each list's title and into its JSON.
std::shared_ptr<const LiveContent> buildLiveContent(const TKilpailunTiedot &tiedot,
    const Tulokset &tulokset, const QDateTime &refreshed, const LiveContent *previous = nullptr,
    std::stop_token stop = {}, const LiveRelays &relays = {}, const ListStatuses &statuses = {});

} // namespace marvola
