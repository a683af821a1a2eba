// The live results as ready responses: the pages and JSON of the lists, built from the tables.
#pragma once

#include "model/Registers.h"
#include "output/PrintLists.h"
#include "ranking/Tables.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <memory>

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
};

// Every path the live results answer, and nothing else.
class LiveContent
{
public:
    // The resource of an exact path ("/", "/list/bbpr", "/api/lists.json"), or null.
    const LiveResource *find(const QByteArray &path) const;
    QList<QByteArray> paths() const { return m_resources.keys(); }

    void add(const QByteArray &path, LiveResource resource);

private:
    QHash<QByteArray, LiveResource> m_resources;
};

// The stable id of a printed list in URLs: its caption in lower case, blanks as hyphens
// ("BBP Aggr" -> "bbp-aggr").
QString liveListId(const PrintList &list);

// The lists of the groups shot, as indexes into PrintLists, in the print dialog's box order.
// The Standing lists span the groups and are always served, as their tab is always shown.
QList<int> servedLists(const TKilpailunTiedot &tiedot);

// Builds every page and JSON resource from the tables as the last refresh left them; ranks
// nothing. `refreshed` is the time of that refresh, shown on the pages.
std::shared_ptr<const LiveContent> buildLiveContent(
    const TKilpailunTiedot &tiedot, const Tulokset &tulokset, const QDateTime &refreshed);

} // namespace marvola
