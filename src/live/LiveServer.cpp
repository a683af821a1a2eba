#include "live/LiveServer.h"

#include "live/LiveRouter.h"

#include <QNetworkInterface>

#include <algorithm>
#include <atomic>
#include <boost/asio.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <thread>

namespace marvola {

namespace asio = boost::asio;
namespace http = boost::beast::http;
using tcp = asio::ip::tcp;
using Clock = std::chrono::steady_clock;
using ErrorCode = boost::system::error_code;

namespace {

// After an answer that closes the connection (a refused body, a bad request), what the client
// still sends is read and dropped for a moment, up to this much, so that its kernel does not
// reset the connection before the client has read the answer; then the connection is closed.
constexpr std::size_t LingerBytes = 64 * 1024;
constexpr std::chrono::milliseconds LingerTime{1000};
// When the process is out of file handles, accepting is paused this long instead of spinning.
constexpr std::chrono::milliseconds AcceptPause{50};
// Handles kept free for the program's own files (the match, the settings) below the file limit.
constexpr long ReservedFiles = 64;

// The system's own wording for the common failures to listen, as the window shows them.
QString listenError(const ErrorCode &error)
{
    if (error == asio::error::address_in_use)
        return QStringLiteral("The bound address is already in use");
    if (error == asio::error::access_denied)
        return QStringLiteral("The address is protected");
    if (error == boost::system::errc::address_not_available)
        return QStringLiteral("The address is not available");
    return QString::fromStdString(error.message());
}

std::string answerHead(const LiveAnswer &answer, bool keepAliveHeader)
{
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + ' '
        + statusText(answer.status).toStdString() + "\r\n";
    for (const auto &[name, value] : answer.headers)
        head += name.toStdString() + ": " + value.toStdString() + "\r\n";
    if (answer.status != 304)
        head += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
    if (answer.close)
        head += "Connection: close\r\n";
    else if (keepAliveHeader)
        head += "Connection: keep-alive\r\n";
    head += "\r\n";
    return head;
}

// Asio does not open its sockets close-on-exec: without this, a program started from the window
// (or a browser a test starts) inherits the listening socket and keeps the port after a stop.
void closeOnExec(int descriptor)
{
    const int flags = ::fcntl(descriptor, F_GETFD);
    if (flags >= 0)
        ::fcntl(descriptor, F_SETFD, flags | FD_CLOEXEC);
}

QByteArray fieldValue(const http::request<http::empty_body> &request, http::field field)
{
    const auto value = request[field];
    return QByteArray(value.data(), qsizetype(value.size()));
}

// Why a head cannot be answered safely, or null. A body whose end the server cannot find (a
// transfer coding other than chunked last) would leave its bytes to be read as the next request;
// HTTP/1.1 names exactly one host, and no request names two.
const char *framingFault(const http::request<http::empty_body> &head, bool chunked)
{
    if (head.find(http::field::transfer_encoding) != head.end() && !chunked)
        return "A transfer coding other than chunked last is not taken.\n";
    const std::size_t hosts = head.count(http::field::host);
    if (hosts > 1 || (hosts == 0 && head.version() >= 11))
        return "Name the host once.\n";
    return nullptr;
}

// "http://host/list/bbpr" (the absolute form a proxy sends) as "/list/bbpr"; other targets as
// they are.
QByteArray originForm(const QByteArray &target)
{
    const qsizetype scheme = target.indexOf("://");
    if (scheme <= 0 || target.front() == '/')
        return target;
    const QByteArray name = target.left(scheme).toLower();
    if (name != "http" && name != "https")
        return target;
    const qsizetype path = target.indexOf('/', scheme + 3);
    return path < 0 ? QByteArrayLiteral("/") : target.mid(path);
}

// The client waits for this before it sends the body it announced with Expect: 100-continue.
const std::string ContinueHead = "HTTP/1.1 100 Continue\r\n\r\n";

} // namespace

struct LiveServer::ContentSlot
{
    std::shared_ptr<const LiveContent> get() const
    {
        std::lock_guard lock(mutex);
        return content;
    }
    void set(std::shared_ptr<const LiveContent> next)
    {
        std::shared_ptr<const LiveContent> previous;
        std::lock_guard lock(mutex);
        previous = std::exchange(content, std::move(next));
        // The previous snapshot is freed by whoever holds it last, outside the lock.
        (void)previous;
    }

    mutable std::mutex mutex;
    std::shared_ptr<const LiveContent> content;
};

class Connection;

// The sockets: one event loop on one thread. The answers are ready bytes, so one thread fills
// the network, and the connection counts need no locks.
class LiveServer::Engine
{
public:
    Engine(const LiveLimits &given, std::shared_ptr<ContentSlot> content, LiveRouter routes)
        : limits(given)
        , slot(std::move(content))
        , router(std::move(routes))
    {
        const long files = raiseOpenFileLimit();
        if (files > ReservedFiles)
            limits.maxConnections
                = int(std::min<long>(limits.maxConnections, files - ReservedFiles));
    }

    ~Engine()
    {
        {
            // Answers still to come from other threads now find no server to go to.
            std::lock_guard lock(relay->mutex);
            relay->io = nullptr;
        }
        io.stop();
        if (thread.joinable())
            thread.join();
        awaiting.clear();
    }

    bool listen(const tcp::endpoint &endpoint, QString &error)
    {
        ErrorCode ec;
        acceptor.open(endpoint.protocol(), ec);
        if (!ec)
            closeOnExec(acceptor.native_handle());
        if (!ec)
            acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
        if (!ec)
            acceptor.bind(endpoint, ec);
        // Many phones may connect at the same moment when a list is announced.
        if (!ec)
            acceptor.listen(asio::socket_base::max_listen_connections, ec);
        if (ec) {
            error = listenError(ec);
            return false;
        }
        port = acceptor.local_endpoint(ec).port();
        return true;
    }

    void run()
    {
        relay->io = &io;
        accept();
        thread = std::thread([this] {
            for (;;) {
                try {
                    io.run();
                    return;
                } catch (const std::exception &e) {
                    // One connection's failure (out of memory, say) must not end the serving.
                    std::fprintf(stderr, "Live results: %s\n", e.what());
                }
            }
        });
    }

    void released(const asio::ip::address &peer)
    {
        --open;
        const auto it = perAddress.find(peer);
        if (it != perAddress.end() && --it->second <= 0)
            perAddress.erase(it);
    }

    LiveLimits limits;
    std::shared_ptr<ContentSlot> slot;
    LiveRouter router;
    std::atomic<int> open{0};
    // How a later answer reaches the serving thread, as long as there is one.
    struct Relay
    {
        std::mutex mutex;
        asio::io_context *io = nullptr;
    };
    std::shared_ptr<Relay> relay = std::make_shared<Relay>();
    // Connections whose answer comes later: kept alive here meanwhile (the serving thread's only).
    std::set<std::shared_ptr<Connection>> awaiting;
    std::map<asio::ip::address, int> perAddress; // the serving thread's only
    quint16 port = 0;
    // Declared after what the connections use: destroying the event loop destroys them.
    asio::io_context io{1};
    tcp::acceptor acceptor{io};
    asio::steady_timer acceptPause{io};
    std::thread thread;

private:
    void accept();
    void accepted(const ErrorCode &error, tcp::socket socket);
};

// One client's connection: reads request heads, queues their answers and writes them in order.
class Connection : public std::enable_shared_from_this<Connection>
{
public:
    Connection(LiveServer::Engine &engine, tcp::socket socket, asio::ip::address peer)
        : m_engine(engine)
        , m_socket(std::move(socket))
        , m_peer(std::move(peer))
        , m_readTimer(engine.io)
        , m_writeTimer(engine.io)
        , m_acceptedAt(Clock::now())
    { }
    ~Connection() { m_engine.released(m_peer); }

    void start() { readNext(); }

private:
    struct Pending
    {
        std::string head;
        QByteArray body;
        bool withBody = true;
        bool close = false;
    };

    const LiveLimits &limits() const { return m_engine.limits; }

    // Answers what is buffered, then reads more, until the queue of answers is full.
    void readNext()
    {
        while (!m_closed && !m_readStopped && !m_reading && !m_awaitingAnswer
            && m_queue.size() < std::size_t(LiveLimits::MaxPipelined)) {
            if (m_body) {
                if (!takeBody()) {
                    readSome();
                    return;
                }
                continue;
            }
            if (!m_parser)
                beginHead();
            if (m_buffer.size() == 0 || !parseBuffered()) {
                if (!m_closed && !m_readStopped)
                    readSome();
                return;
            }
        }
    }

    void beginHead()
    {
        m_parser.emplace();
        m_parser->header_limit(std::uint32_t(LiveLimits::MaxHeadBytes));
        // The body is never read by the parser: the router refuses it on its announced length.
        m_parser->body_limit(std::numeric_limits<std::uint64_t>::max());
        m_headBegun = false;
    }

    // True when a whole head was taken from the buffer (or refused).
    bool parseBuffered()
    {
        if (!m_headBegun) {
            m_headBegun = true;
            m_headStarted = m_answered == 0 ? m_acceptedAt : Clock::now();
        }
        ErrorCode ec;
        const std::size_t used = m_parser->put(m_buffer.data(), ec);
        m_buffer.consume(used);
        if (ec == http::error::need_more) {
            if (m_buffer.size() >= LiveLimits::MaxHeadBytes)
                ec = http::error::header_limit;
            else if (!headEndBuffered())
                return false;
            else // the blank line is there, yet the parser wants more: a broken request line
                ec = http::error::bad_version;
        }
        if (ec) {
            refuse(ec == http::error::header_limit ? 431 : 400,
                ec == http::error::header_limit ? "The request head is too long.\n"
                                                : "Bad request.\n");
            return true;
        }
        if (!m_parser->is_header_done())
            return false;
        answer();
        return true;
    }

    bool headEndBuffered() const
    {
        const auto data = m_buffer.data();
        const std::string_view text(static_cast<const char *>(data.data()), data.size());
        return text.find("\r\n\r\n") != std::string_view::npos;
    }

    void answer()
    {
        const http::request<http::empty_body> &head = m_parser->get();
        if (const char *fault = framingFault(head, m_parser->chunked())) {
            m_parser.reset();
            refuse(400, fault);
            return;
        }
        LiveRequest request;
        const auto method = head.method_string();
        const auto target = head.target();
        request.method = QByteArray(method.data(), qsizetype(method.size()));
        request.target = originForm(QByteArray(target.data(), qsizetype(target.size())));
        request.acceptEncoding = fieldValue(head, http::field::accept_encoding);
        request.acceptLanguage = fieldValue(head, http::field::accept_language);
        request.ifNoneMatch = fieldValue(head, http::field::if_none_match);
        for (const auto &field : head) {
            const auto name = field.name_string();
            if (name.size() > 2 && (name[0] == 'x' || name[0] == 'X') && name[1] == '-') {
                const auto value = field.value();
                request.extraHeaders
                    << std::pair{QByteArray(name.data(), qsizetype(name.size())).toLower(),
                           QByteArray(value.data(), qsizetype(value.size()))};
            }
        }
        if (const auto length = m_parser->content_length())
            request.contentLength = std::size_t(*length);
        request.chunked = m_parser->chunked();
        const bool keepAlive = head.keep_alive();
        const bool http10 = head.version() == 10;
        const bool expectsContinue = !http10
            && QByteArray(fieldValue(head, http::field::expect)).trimmed().toLower()
                == "100-continue";
        m_parser.reset();
        ++m_answered;

        // A body is read only for a route that takes one and within its bound: route() refuses
        // every other body at once and without reading it.
        LiveAnswer refusal;
        const LiveRoute *route = m_engine.router.route(request, refusal);
        if (!route) {
            if (!keepAlive)
                refusal.close = true;
            enqueue(std::move(refusal), keepAlive && http10);
            return;
        }
        if (request.hasBody()) {
            // A refused body was answered above with its final status, at once.
            if (expectsContinue)
                m_queue.push_back(Pending{ContinueHead, {}, false, false});
            m_body.emplace(PendingBody{route, std::move(request), keepAlive, http10});
            write();
            return;
        }
        dispatch(*route, request, keepAlive, http10);
    }

    struct PendingBody
    {
        const LiveRoute *route;
        LiveRequest request;
        bool keepAlive;
        bool http10;
    };

    // True when the whole announced body is buffered and its request has been passed on; the
    // head's deadline covers the body too.
    bool takeBody()
    {
        const std::size_t wanted = *m_body->request.contentLength;
        if (m_buffer.size() < wanted)
            return false;
        const auto data = m_buffer.data();
        m_body->request.body
            = QByteArray(static_cast<const char *>(data.data()), qsizetype(wanted));
        m_buffer.consume(wanted);
        PendingBody body = std::move(*m_body);
        m_body.reset();
        dispatch(*body.route, body.request, body.keepAlive, body.http10);
        return true;
    }

    void dispatch(const LiveRoute &route, const LiveRequest &request, bool keepAlive, bool http10)
    {
        if (!route.deferred) {
            LiveAnswer answer = route.answer(request, m_engine.slot->get());
            if (!keepAlive)
                answer.close = true;
            enqueue(std::move(answer), keepAlive && http10);
            return;
        }
        // Nothing more is read from this client until its answer is there, so its answers stay
        // in order; the connection is kept by the engine meanwhile.
        m_awaitingAnswer = true;
        const std::uint64_t generation = ++m_answerGeneration;
        m_engine.awaiting.insert(shared_from_this());
        m_readTimer.expires_after(limits().answerDeadline);
        m_readTimer.async_wait([self = shared_from_this(), generation](const ErrorCode &ec) {
            if (!ec)
                self->answered(
                    generation, plainAnswer(503, "No answer in time; send again.\n"), false, false);
        });
        std::weak_ptr<Connection> weak = shared_from_this();
        route.deferred(request,
            [relay = m_engine.relay, weak, generation, keepAlive, http10](LiveAnswer answer) {
                std::lock_guard lock(relay->mutex);
                if (!relay->io)
                    return;
                asio::post(*relay->io,
                    [weak, generation, keepAlive, http10, answer = std::move(answer)]() mutable {
                        if (const auto self = weak.lock())
                            self->answered(generation, std::move(answer), keepAlive, http10);
                    });
            });
    }

    void answered(std::uint64_t generation, LiveAnswer answer, bool keepAlive, bool http10)
    {
        if (!m_awaitingAnswer || generation != m_answerGeneration)
            return;
        m_awaitingAnswer = false;
        m_readTimer.cancel();
        const auto self = shared_from_this();
        m_engine.awaiting.erase(self);
        if (m_closed)
            return;
        if (!keepAlive)
            answer.close = true;
        enqueue(std::move(answer), keepAlive && http10);
        readNext();
    }

    void refuse(int status, const QByteArray &text)
    {
        LiveAnswer answer = plainAnswer(status, text);
        answer.close = true;
        enqueue(std::move(answer), false);
    }

    void enqueue(LiveAnswer answer, bool keepAliveHeader)
    {
        if (answer.close)
            m_readStopped = true;
        m_queue.push_back(Pending{answerHead(answer, keepAliveHeader), std::move(answer.body),
            answer.withBody, answer.close});
        write();
    }

    Clock::time_point readDeadline() const
    {
        const Clock::time_point idle = Clock::now() + limits().idleTimeout;
        if (m_headBegun || m_answered == 0) {
            const Clock::time_point begun = m_headBegun ? m_headStarted : m_acceptedAt;
            return std::min(idle, begun + limits().headDeadline);
        }
        return idle;
    }

    void readSome()
    {
        m_reading = true;
        const std::uint64_t generation = ++m_readGeneration;
        m_readTimer.expires_at(readDeadline());
        m_readTimer.async_wait([self = shared_from_this(), generation](const ErrorCode &ec) {
            if (!ec && generation == self->m_readGeneration && self->m_reading)
                self->readTimedOut();
        });
        const std::size_t room = LiveLimits::MaxHeadBytes - m_buffer.size();
        m_socket.async_read_some(m_buffer.prepare(room),
            [self = shared_from_this()](
                const ErrorCode &ec, std::size_t n) { self->received(ec, n); });
    }

    void readTimedOut()
    {
        // Waiting for the next request while a long answer is still going out is not idleness.
        if (!m_headBegun && m_answered > 0 && !m_queue.empty()) {
            m_readTimer.expires_at(readDeadline());
            const std::uint64_t generation = m_readGeneration;
            m_readTimer.async_wait([self = shared_from_this(), generation](const ErrorCode &ec) {
                if (!ec && generation == self->m_readGeneration && self->m_reading)
                    self->readTimedOut();
            });
            return;
        }
        close();
    }

    void received(const ErrorCode &ec, std::size_t n)
    {
        m_reading = false;
        ++m_readGeneration;
        m_readTimer.cancel();
        if (m_closed)
            return;
        if (ec) {
            // The client has sent all it will: what it asked for still goes out, then the close.
            m_readStopped = true;
            if (ec != asio::error::eof || m_queue.empty())
                close();
            return;
        }
        m_buffer.commit(n);
        readNext();
    }

    void write()
    {
        if (m_writing || m_queue.empty() || m_closed)
            return;
        m_writing = true;
        const Pending &next = m_queue.front();
        const std::uint64_t generation = ++m_writeGeneration;
        m_writeTimer.expires_after(limits().writeTimeout);
        m_writeTimer.async_wait([self = shared_from_this(), generation](const ErrorCode &ec) {
            if (!ec && generation == self->m_writeGeneration && self->m_writing)
                self->close();
        });
        const std::array<asio::const_buffer, 2> buffers{asio::buffer(next.head),
            asio::buffer(next.body.constData(), next.withBody ? std::size_t(next.body.size()) : 0)};
        asio::async_write(m_socket, buffers,
            [self = shared_from_this()](const ErrorCode &ec, std::size_t) { self->written(ec); });
    }

    void written(const ErrorCode &ec)
    {
        m_writing = false;
        ++m_writeGeneration;
        m_writeTimer.cancel();
        if (m_closed)
            return;
        if (ec) {
            close();
            return;
        }
        const bool closeAfter = m_queue.front().close;
        m_queue.pop_front();
        if (closeAfter) {
            linger();
            return;
        }
        if (m_queue.empty() && m_readStopped && !m_awaitingAnswer) {
            close();
            return;
        }
        write();
        readNext();
    }

    void linger()
    {
        ErrorCode ignored;
        m_socket.shutdown(tcp::socket::shutdown_send, ignored);
        m_buffer.clear();
        m_readTimer.expires_after(LingerTime);
        m_readTimer.async_wait([self = shared_from_this()](const ErrorCode &ec) {
            if (!ec)
                self->close();
        });
        drain();
    }

    void drain()
    {
        m_socket.async_read_some(m_buffer.prepare(LiveLimits::MaxHeadBytes),
            [self = shared_from_this()](const ErrorCode &ec, std::size_t n) {
                self->m_drained += n;
                if (ec || self->m_drained >= LingerBytes || self->m_closed)
                    self->close();
                else
                    self->drain();
            });
    }

    void close()
    {
        if (m_closed)
            return;
        m_closed = true;
        ErrorCode ignored;
        m_socket.close(ignored);
        m_readTimer.cancel();
        m_writeTimer.cancel();
    }

    LiveServer::Engine &m_engine;
    tcp::socket m_socket;
    asio::ip::address m_peer;
    asio::steady_timer m_readTimer;
    asio::steady_timer m_writeTimer;
    Clock::time_point m_acceptedAt;
    Clock::time_point m_headStarted;
    boost::beast::flat_buffer m_buffer{LiveLimits::MaxHeadBytes};
    std::optional<http::request_parser<http::empty_body>> m_parser;
    std::optional<PendingBody> m_body; // a request whose body is still being read
    std::deque<Pending> m_queue;
    std::uint64_t m_answerGeneration = 0;
    bool m_awaitingAnswer = false;
    std::uint64_t m_readGeneration = 0;
    std::uint64_t m_writeGeneration = 0;
    std::size_t m_answered = 0;
    std::size_t m_drained = 0;
    bool m_headBegun = false;
    bool m_reading = false;
    bool m_readStopped = false;
    bool m_writing = false;
    bool m_closed = false;
};

void LiveServer::Engine::accept()
{
    acceptor.async_accept(
        [this](const ErrorCode &error, tcp::socket socket) { accepted(error, std::move(socket)); });
}

void LiveServer::Engine::accepted(const ErrorCode &error, tcp::socket socket)
{
    if (error == asio::error::operation_aborted || !acceptor.is_open())
        return;
    if (error) {
        // Out of file handles: the clients wait in the backlog until some connection closes.
        acceptPause.expires_after(AcceptPause);
        acceptPause.async_wait([this](const ErrorCode &ec) {
            if (!ec)
                accept();
        });
        return;
    }
    ErrorCode ec;
    const asio::ip::address peer = socket.remote_endpoint(ec).address();
    if (!ec) {
        int &fromPeer = perAddress[peer];
        if (open.load() >= limits.maxConnections || fromPeer >= limits.maxPerAddress) {
            if (fromPeer == 0)
                perAddress.erase(peer);
            socket.close(ec);
        } else {
            ++fromPeer;
            ++open;
            closeOnExec(socket.native_handle());
            socket.set_option(tcp::no_delay(true), ec);
            std::make_shared<Connection>(*this, std::move(socket), peer)->start();
        }
    }
    accept();
}

LiveServer::LiveServer()
    : m_slot(std::make_shared<ContentSlot>())
{
    m_slot->set(std::make_shared<LiveContent>());
}

LiveServer::~LiveServer()
{
    stop();
}

bool LiveServer::start(const QHostAddress &address, quint16 port, QString &error)
{
    stop();
    ErrorCode ec;
    const asio::ip::address host = asio::ip::make_address(address.toString().toStdString(), ec);
    if (ec) {
        error = QStringLiteral("%1 is not an address to listen on").arg(address.toString());
        return false;
    }
    auto engine = std::make_unique<Engine>(m_limits, m_slot, m_router);
    if (!engine->listen(tcp::endpoint(host, port), error))
        return false;
    m_address = address;
    m_port = engine->port;
    engine->run();
    m_engine = std::move(engine);
    return true;
}

void LiveServer::stop()
{
    m_engine.reset();
    m_port = 0;
}

bool LiveServer::isRunning() const
{
    return m_engine != nullptr;
}

void LiveServer::setContent(std::shared_ptr<const LiveContent> content)
{
    m_slot->set(std::move(content));
}

std::shared_ptr<const LiveContent> LiveServer::content() const
{
    return m_slot->get();
}

int LiveServer::openConnections() const
{
    return m_engine ? m_engine->open.load() : 0;
}

long raiseOpenFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return -1;
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        // An unlimited hard limit still stops at the kernel's own bound; a million is plenty.
        raised.rlim_cur = std::min<rlim_t>(limit.rlim_max, 1 << 20);
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    return long(limit.rlim_cur);
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
