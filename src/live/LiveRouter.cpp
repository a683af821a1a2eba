#include "live/LiveRouter.h"

#include "model/Language.h"

#include <QCryptographicHash>
#include <QTime>
#include <QUrl>
#include <QUrlQuery>

namespace marvola {

namespace {

const QByteArray TextType = QByteArrayLiteral("text/plain; charset=utf-8");
const QByteArray HtmlType = QByteArrayLiteral("text/html; charset=utf-8");
// An Accept-Language longer than this is read only so far.
constexpr qsizetype MaxAcceptLanguage = 200;
// A smaller page is sent as it is: compressing it saves less than a packet.
constexpr qsizetype MinCompressedBytes = 1024;

void addCommonHeaders(LiveAnswer &answer, const QByteArray &type)
{
    answer.headers << std::pair{QByteArrayLiteral("Content-Type"), type}
                   << std::pair{QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache")}
                   << std::pair{QByteArrayLiteral("X-Content-Type-Options"),
                          QByteArrayLiteral("nosniff")};
}

bool acceptsDeflate(const QByteArray &acceptEncoding)
{
    for (const QByteArray &coding : acceptEncoding.split(',')) {
        const QByteArray name = coding.split(';').value(0).trimmed().toLower();
        if (name == "deflate")
            return !coding.contains("q=0") || coding.contains("q=0.");
    }
    return false;
}

// If-None-Match holds "*" or a list of tags; weak tags compare by their opaque part.
bool matchesEtag(const QByteArray &ifNoneMatch, const QByteArray &etag)
{
    for (QByteArray tag : ifNoneMatch.split(',')) {
        tag = tag.trimmed();
        if (tag.startsWith("W/"))
            tag = tag.mid(2);
        if (tag == "*" || tag == etag)
            return true;
    }
    return false;
}

// The resources in the language the browser asks for, when the program speaks it.
const LiveContent &contentFor(const LiveRequest &request, const LiveContent &content)
{
    return content.inLanguage(request.language());
}

// A resource as the client asks for it: compressed when it accepts that, 304 when it holds it.
LiveAnswer resourceAnswer(const LiveRequest &request, const LiveResource &resource)
{
    const bool deflate = !resource.deflated.isEmpty() && acceptsDeflate(request.acceptEncoding);
    const QByteArray &etag = deflate ? resource.deflatedEtag : resource.etag;
    LiveAnswer answer;
    addCommonHeaders(answer, resource.contentType);
    answer.headers << std::pair{QByteArrayLiteral("ETag"), etag}
                   << std::pair{QByteArrayLiteral("Vary"),
                          QByteArrayLiteral("Accept-Encoding, Accept-Language")};
    // Every client can read the plain body, so a client that holds it (a page knows only the plain
    // tag of its JSON) is answered 304 whichever form it would be sent now.
    if (matchesEtag(request.ifNoneMatch, etag) || matchesEtag(request.ifNoneMatch, resource.etag)) {
        answer.status = 304;
        answer.withBody = false;
        return answer;
    }
    if (deflate)
        answer.headers << std::pair{
            QByteArrayLiteral("Content-Encoding"), QByteArrayLiteral("deflate")};
    answer.body = deflate ? resource.deflated : resource.body;
    answer.withBody = request.method != "HEAD";
    return answer;
}

// The snapshot's resources. Exact paths only: nothing is looked up on disk, so "/../" and the
// like simply do not exist.
LiveAnswer snapshotAnswer(
    const LiveRequest &request, const std::shared_ptr<const LiveContent> &content)
{
    const LiveResource *resource
        = content ? contentFor(request, *content).find(request.path()) : nullptr;
    if (!resource) {
        LiveAnswer notFound = plainAnswer(404, "Not found.\n");
        notFound.withBody = request.method != "HEAD";
        return notFound;
    }
    return resourceAnswer(request, *resource);
}

// A page made for one request: tagged and compressed as the snapshot's pages are, so a long
// list of hits costs the range's Wi-Fi as little.
LiveResource requestResource(QByteArray body, const QByteArray &type = HtmlType)
{
    LiveResource r{std::move(body), type, {}, {}, {}, {}};
    const QByteArray hash = QCryptographicHash::hash(r.body, QCryptographicHash::Sha1).toHex();
    r.etag = '"' + hash.left(24) + '"';
    if (r.body.size() > MinCompressedBytes) {
        // qCompress gives a 4-byte length and then the zlib stream that "deflate" means.
        r.deflated = qCompress(r.body, 6).mid(4);
        r.deflatedEtag = r.etag.left(r.etag.size() - 1) + "-z\"";
    }
    return r;
}

// The index's search field, sent by a GET form: "/search?q=text".
LiveAnswer searchAnswer(
    const LiveRequest &request, const std::shared_ptr<const LiveContent> &content)
{
    QByteArray query = request.query();
    query.replace('+', "%20");
    const QString text = QUrlQuery(QString::fromLatin1(query))
                             .queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
    return resourceAnswer(request,
        requestResource(
            liveSearchPage(content ? *content : LiveContent(), text, request.language())));
}

// /relays and its JSON, made at each request for the minute it comes in: the relays change
// with the time of day, not only with a refresh. The page carries the JSON's tag.
LiveAnswer relaysAnswer(const LiveRequest &request,
    const std::shared_ptr<const LiveContent> &content, int minute, bool json)
{
    const LiveContent empty;
    const std::shared_ptr<const LiveRelaysResources> made
        = (content ? contentFor(request, *content) : empty).relaysResources(minute);
    return resourceAnswer(request, json ? made->json : made->page);
}

int minuteNow()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 60000;
}

bool pathMatches(const QByteArray &routePath, const QByteArray &path)
{
    if (routePath.isEmpty())
        return true;
    return routePath.endsWith('/') ? path.startsWith(routePath) && path.size() > routePath.size()
                                   : path == routePath;
}

} // namespace

QByteArray LiveRequest::path() const
{
    const qsizetype question = target.indexOf('?');
    return question < 0 ? target : target.left(question);
}

QByteArray LiveRequest::header(const QByteArray &lowerCaseName) const
{
    for (const auto &[name, value] : extraHeaders)
        if (name == lowerCaseName)
            return value;
    return {};
}

QByteArray LiveRequest::query() const
{
    const qsizetype question = target.indexOf('?');
    return question < 0 ? QByteArray() : target.mid(question + 1);
}

QString LiveRequest::language() const
{
    return languageOfAcceptHeader(QString::fromLatin1(acceptLanguage.left(MaxAcceptLanguage)));
}

QByteArray statusText(int status)
{
    switch (status) {
    case 200: return "OK";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 409: return "Conflict";
    case 413: return "Payload Too Large";
    case 429: return "Too Many Requests";
    case 431: return "Request Header Fields Too Large";
    case 503: return "Service Unavailable";
    }
    return "Error";
}

LiveAnswer plainAnswer(int status, const QByteArray &text)
{
    LiveAnswer answer;
    answer.status = status;
    addCommonHeaders(answer, TextType);
    answer.body = text;
    return answer;
}

LiveAnswer jsonAnswer(int status, const QByteArray &json)
{
    LiveAnswer answer;
    answer.status = status;
    addCommonHeaders(answer, QByteArrayLiteral("application/json; charset=utf-8"));
    answer.body = json;
    return answer;
}

LiveRouter LiveRouter::board(MinuteOfDay minuteOfDay)
{
    LiveRouter router;
    const MinuteOfDay clock = minuteOfDay ? std::move(minuteOfDay) : MinuteOfDay(&minuteNow);
    for (const char *method : {"GET", "HEAD"})
        for (const bool json : {false, true})
            router.add({method, json ? "/api/relays.json" : "/relays", 0,
                [clock, json](
                    const LiveRequest &request, const std::shared_ptr<const LiveContent> &content) {
                    return relaysAnswer(request, content, clock(), json);
                },
                {}, false});
    // More specific routes come first: the first route whose path and method match answers.
    router.add({"GET", "/search", 0, searchAnswer, {}, false});
    router.add({"HEAD", "/search", 0, searchAnswer, {}, false});
    router.add({"GET", {}, 0, snapshotAnswer, {}, false});
    router.add({"HEAD", {}, 0, snapshotAnswer, {}, false});
    return router;
}

const LiveRoute *LiveRouter::route(const LiveRequest &request, LiveAnswer &refusal) const
{
    const QByteArray path = request.path();
    const LiveRoute *found = nullptr;
    QList<QByteArray> allowed;
    for (const LiveRoute &route : m_routes) {
        if (!pathMatches(route.path, path))
            continue;
        if (!allowed.contains(route.method))
            allowed << route.method;
        if (!found && route.method == request.method)
            found = &route;
    }
    if (!found) {
        if (allowed.isEmpty()) {
            refusal = plainAnswer(404, "Not found.\n");
        } else {
            refusal = plainAnswer(405, "Only " + allowed.join(" and ") + " are answered here.\n");
            refusal.headers << std::pair{QByteArrayLiteral("Allow"), allowed.join(", ")};
        }
        refusal.close = request.hasBody();
        return nullptr;
    }
    // A body is refused before a byte of it is read, so its size costs the server nothing.
    if (request.hasBody() && (request.chunked || *request.contentLength > found->maxBodyBytes)) {
        if (found->jsonRefusals)
            refusal = jsonAnswer(413,
                "{\"status\": \"refused\", \"error\": \"The request body is larger than "
                    + QByteArray::number(qulonglong(found->maxBodyBytes))
                    + " bytes or of no stated length.\"}\n");
        else
            refusal = plainAnswer(413, "A request body is not taken here.\n");
        refusal.close = true;
        return nullptr;
    }
    return found;
}

LiveAnswer LiveRouter::answer(
    const LiveRequest &request, const std::shared_ptr<const LiveContent> &content) const
{
    LiveAnswer refusal;
    const LiveRoute *found = route(request, refusal);
    if (found && !found->answer)
        return plainAnswer(503, "This request is answered by the server only.\n");
    return found ? found->answer(request, content) : refusal;
}

} // namespace marvola
