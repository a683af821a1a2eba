#include "live/LiveServer.h"

#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace marvola {

using Status = QHttpServerResponder::StatusCode;

// The TCP side of the server. The HTTP module of Qt 6.4 has no limits of its own (no header or
// body size, no timeouts, no connection count), so the sockets are made here, where they can be
// counted, refused and closed when idle. Everything runs in the event loop without blocking, so a
// slow client only holds its own socket.
class BoundedTcpServer : public QTcpServer
{
public:
    BoundedTcpServer(int maxConnections, int idleTimeoutMs, QObject *parent)
        : QTcpServer(parent)
        , m_maxConnections(maxConnections)
        , m_idleTimeoutMs(idleTimeoutMs)
    {
        // Many phones may connect at the same moment when a list is announced.
        setListenBacklogSize(maxConnections);
    }
    int open() const { return m_open; }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        if (m_open >= m_maxConnections) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        ++m_open;
        auto *idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(m_idleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QIODevice::readyRead, idle, qOverload<>(&QTimer::start));
        connect(socket, &QIODevice::bytesWritten, idle, qOverload<>(&QTimer::start));
        connect(socket, &QAbstractSocket::disconnected, this, [this, socket] {
            if (socket->property("counted").toBool())
                return;
            socket->setProperty("counted", true);
            --m_open;
            socket->deleteLater();
        });
        idle->start();
        addPendingConnection(socket);
    }

private:
    int m_maxConnections;
    int m_idleTimeoutMs;
    int m_open = 0;
};

namespace {

const QByteArray CacheControl = QByteArrayLiteral("no-cache");
const QByteArray TextType = QByteArrayLiteral("text/plain; charset=utf-8");
const QByteArray Allowed = QByteArrayLiteral("GET, HEAD");

QByteArray headerValue(const QHttpServerRequest &request, const QByteArray &name)
{
    for (const auto &[key, value] : request.headers())
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

bool acceptsDeflate(const QHttpServerRequest &request)
{
    for (const QByteArray &coding : headerValue(request, "Accept-Encoding").split(',')) {
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

void send(QHttpServerResponder &responder, Status status, const QByteArray &type,
    const QByteArray &body, bool withBody,
    std::initializer_list<std::pair<QByteArray, QByteArray>> extra = {})
{
    responder.writeStatusLine(status);
    responder.writeHeader("Content-Type", type);
    responder.writeHeader("Cache-Control", CacheControl);
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    for (const auto &[key, value] : extra)
        responder.writeHeader(key, value);
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    if (withBody)
        responder.writeBody(body);
    else
        responder.writeBody(QByteArray());
}

} // namespace

LiveServer::LiveServer(QObject *parent)
    : QObject(parent)
    , m_content(std::make_shared<LiveContent>())
{ }

LiveServer::~LiveServer()
{
    stop();
}

bool LiveServer::start(const QHostAddress &address, quint16 port, QString &error)
{
    stop();
    auto http = std::make_unique<QHttpServer>();
    auto *tcp = new BoundedTcpServer(m_maxConnections, m_idleTimeoutMs, http.get());
    if (!tcp->listen(address, port)) {
        error = tcp->errorString();
        return false;
    }
    http->setMissingHandler([this](const QHttpServerRequest &request,
                                QHttpServerResponder &&responder) { answer(request, responder); });
    http->bind(tcp);
    m_tcp = tcp;
    m_address = address;
    m_port = tcp->serverPort();
    m_http = std::move(http);
    return true;
}

void LiveServer::stop()
{
    m_http.reset();
    m_tcp = nullptr;
    m_port = 0;
}

void LiveServer::setContent(std::shared_ptr<const LiveContent> content)
{
    m_content = std::move(content);
}

int LiveServer::openConnections() const
{
    return m_tcp ? m_tcp->open() : 0;
}

void LiveServer::answer(const QHttpServerRequest &request, QHttpServerResponder &responder) const
{
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    if (!head && request.method() != QHttpServerRequest::Method::Get) {
        send(responder, Status::MethodNotAllowed, TextType, "Only GET and HEAD are answered.\n",
            true, {{"Allow", Allowed}});
        return;
    }
    // Exact paths only: nothing is looked up on disk, so "/../" and the like simply do not exist.
    const QByteArray path = request.url().path(QUrl::FullyEncoded).toUtf8();
    const LiveResource *resource = m_content->find(path);
    if (!resource) {
        send(responder, Status::NotFound, TextType, "Not found.\n", !head);
        return;
    }
    const bool deflate = !resource->deflated.isEmpty() && acceptsDeflate(request);
    const QByteArray &etag = deflate ? resource->deflatedEtag : resource->etag;
    const QByteArray &body = deflate ? resource->deflated : resource->body;
    if (matchesEtag(headerValue(request, "If-None-Match"), etag)) {
        responder.writeStatusLine(Status::NotModified);
        responder.writeHeader("Content-Type", resource->contentType);
        responder.writeHeader("Cache-Control", CacheControl);
        responder.writeHeader("ETag", etag);
        responder.writeHeader("Vary", "Accept-Encoding");
        responder.writeBody(QByteArray());
        return;
    }
    if (deflate)
        send(responder, Status::Ok, resource->contentType, body, !head,
            {{"ETag", etag}, {"Vary", "Accept-Encoding"}, {"Content-Encoding", "deflate"}});
    else
        send(responder, Status::Ok, resource->contentType, body, !head,
            {{"ETag", etag}, {"Vary", "Accept-Encoding"}});
}

QStringList liveAddresses(quint16 port)
{
    QStringList addresses;
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses << QStringLiteral("http://%1:%2/").arg(address.toString()).arg(port);
    return addresses;
}

QStringList liveAddresses(const QHostAddress &address, quint16 port)
{
    if (address == QHostAddress::Any || address == QHostAddress::AnyIPv4)
        return liveAddresses(port);
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return {QStringLiteral("http://%1:%2/").arg(host).arg(port)};
}

} // namespace marvola
