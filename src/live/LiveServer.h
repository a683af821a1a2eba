// The read-only results server: answers GET and HEAD from the ready bytes of a LiveContent.
#pragma once

#include "live/LiveContent.h"
#include "live/LiveRouter.h"

#include <QHostAddress>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <memory>

namespace marvola {

// What one client may ask of the server. The range's Wi-Fi is open to every phone in the
// parking lot, so each bound is there to keep one careless or hostile machine from taking the
// board away from the others.
struct LiveLimits
{
    // A browser's request line and headers take 1 to 2 KiB; a longer head is not a page poll.
    static constexpr std::size_t MaxHeadBytes = 16 * 1024;
    // The head must be complete this long after the connection was made (or after its first byte
    // on a kept-alive connection), however slowly its bytes trickle in: otherwise a client that
    // sends a byte now and then holds a connection for ever.
    static constexpr std::chrono::milliseconds HeadDeadline{10000};
    // A kept-alive connection with nothing arriving for this long is closed. The pages poll every
    // 5 s, so an open page keeps its connection; a page put away lets it go.
    static constexpr std::chrono::milliseconds IdleTimeout{15000};
    // Answers queued for one connection while its client keeps sending and does not read: the
    // server stops reading that client until it takes them, so its memory stays this small.
    static constexpr int MaxPipelined = 8;
    // An answer that the client does not take within this time is dropped with its connection.
    static constexpr std::chrono::milliseconds WriteTimeout{30000};
    // One machine gets this many connections; a browser opens at most six per server, so a
    // clubhouse screen and a few phones behind one address still fit, and a single laptop with a
    // script cannot hold the board.
    static constexpr int MaxPerAddress = 32;
    // All clients together: a match's crowd with room to spare. The open-file limit of the process
    // is raised to what the system allows; the count is kept below it.
    static constexpr int MaxConnections = 10000;

    // A write (a scoring station's entry) is answered once it is on the disk; an answer not ready
    // within this time is given up with 503, and the station sends again.
    static constexpr std::chrono::milliseconds AnswerDeadline{10000};

    std::chrono::milliseconds headDeadline = HeadDeadline;
    std::chrono::milliseconds answerDeadline = AnswerDeadline;
    std::chrono::milliseconds idleTimeout = IdleTimeout;
    std::chrono::milliseconds writeTimeout = WriteTimeout;
    int maxPerAddress = MaxPerAddress;
    int maxConnections = MaxConnections;
};

// Serves on a thread of its own, so a request never waits for the window, and a new content
// never waits for the requests: setContent swaps the whole snapshot, and each answer keeps the
// snapshot it began with.
class LiveServer
{
public:
    LiveServer();
    ~LiveServer();
    LiveServer(const LiveServer &) = delete;
    LiveServer &operator=(const LiveServer &) = delete;

    // Listens on address and port (0: any free port); on failure returns false with the reason.
    bool start(const QHostAddress &address, quint16 port, QString &error);
    void stop();
    bool isRunning() const;
    quint16 port() const { return m_port; }
    QHostAddress address() const { return m_address; }

    // Replaces what is served, from any thread; requests already answered keep what they got.
    void setContent(std::shared_ptr<const LiveContent> content);
    std::shared_ptr<const LiveContent> content() const;
    int openConnections() const;

    // Take effect at the next start. The routes are the board's unless told otherwise (the board
    // with the scoring stations).
    void setRouter(LiveRouter router) { m_router = std::move(router); }
    void setLimits(const LiveLimits &limits) { m_limits = limits; }
    LiveLimits limits() const { return m_limits; }
    void setMaxConnections(int limit) { m_limits.maxConnections = limit; }
    void setIdleTimeout(int milliseconds)
    {
        m_limits.idleTimeout = std::chrono::milliseconds(milliseconds);
    }

    struct ContentSlot;
    class Engine;

private:
    std::shared_ptr<ContentSlot> m_slot;
    std::unique_ptr<Engine> m_engine;
    LiveLimits m_limits;
    LiveRouter m_router = LiveRouter::board();
    QHostAddress m_address;
    quint16 m_port = 0;
};

// Raises this process's soft limit of open files to the hard one, so that thousands of clients
// can connect; returns the limit now in force.
long raiseOpenFileLimit();

// "http://ADDRESS:PORT/" for every non-loopback IPv4 address of this computer.
QStringList liveAddresses(quint16 port);
// The addresses to show for a server listening on address: all of this computer's for "any",
// otherwise that address only.
QStringList liveAddresses(const QHostAddress &address, quint16 port);

} // namespace marvola
