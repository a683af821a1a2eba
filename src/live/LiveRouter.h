// Which answer a request gets: the routes of the results server, apart from its sockets.
#pragma once

#include "live/LiveContent.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace marvola {

// What the server has read of a request when it is routed: its head only.
struct LiveRequest
{
    QByteArray method; // as sent, "GET"
    QByteArray target; // as sent, "/list/bbpr?x=1"
    QByteArray acceptEncoding;
    QByteArray acceptLanguage;
    QByteArray ifNoneMatch;
    std::optional<std::size_t> contentLength; // as announced
    bool chunked = false; // a body of unannounced length
    QByteArray body; // read only for a route that takes one
    // The request's own headers ("x-station", ...), names in lower case; others are not kept.
    QList<std::pair<QByteArray, QByteArray>> extraHeaders;

    QByteArray path() const;
    QByteArray header(const QByteArray &lowerCaseName) const;
    QByteArray query() const;
    // The one of the program's languages its Accept-Language asks for; empty for none of them.
    QString language() const;
    bool hasBody() const { return chunked || contentLength.value_or(0) > 0; }
};

// One answer, ready to go: the head's fields and the body (a shared copy of the snapshot's bytes
// or bytes of its own).
struct LiveAnswer
{
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    bool withBody = true; // false for HEAD and 304: the length is that of GET's body
    bool close = false; // the connection is closed after this answer
};

// Hands an answer back to the server, from any thread, once. An answer that comes too late, or
// after the server stopped, is dropped.
using LiveReply = std::function<void(LiveAnswer)>;

// A route: the method and path it answers, how large a body it may take (the board takes none;
// a route that takes data names its own small bound), and what it answers: at once, or later
// (a write answered once it is on the disk), never holding the server's thread meanwhile.
struct LiveRoute
{
    QByteArray method;
    QByteArray path; // exact, or a prefix when it ends with '/'; empty: every path
    std::size_t maxBodyBytes = 0;
    std::function<LiveAnswer(const LiveRequest &, const std::shared_ptr<const LiveContent> &)>
        answer;
    std::function<void(const LiveRequest &, LiveReply)> deferred; // instead of answer
    bool jsonRefusals = false; // an API: its 413 says so in JSON
};

class LiveRouter
{
public:
    // The time of day in minutes after midnight, for the relays shooting now.
    using MinuteOfDay = std::function<int()>;
    // The board: GET and HEAD of the snapshot's paths, the competitor search and the relays now
    // and next (at the minute the clock gives; the computer's clock when none is given).
    static LiveRouter board(MinuteOfDay minuteOfDay = {});

    void add(LiveRoute route) { m_routes << std::move(route); }
    // Routes that come before the others (the stations' under /station).
    void prepend(LiveRoute route) { m_routes.prepend(std::move(route)); }

    // Decided on the head alone, before any body is read: the route that takes this request, or
    // the refusal to send at once (404, 405 with Allow, 413), which closes the connection when a
    // body was announced, since that body is never read.
    const LiveRoute *route(const LiveRequest &request, LiveAnswer &refusal) const;
    // The whole answer; a refusal when no route takes the request.
    LiveAnswer answer(
        const LiveRequest &request, const std::shared_ptr<const LiveContent> &content) const;

private:
    QList<LiveRoute> m_routes;
};

// A short plain-text answer with the board's common headers: 400, 404, 405, 413, 431...
LiveAnswer plainAnswer(int status, const QByteArray &text);
// A JSON answer with the same common headers.
LiveAnswer jsonAnswer(int status, const QByteArray &json);
QByteArray statusText(int status);

} // namespace marvola
