#include "live/LiveBuilder.h"

#include "live/LiveServer.h"

#include <sys/resource.h>
#include <unistd.h>

namespace marvola {

std::shared_ptr<const LiveSnapshot> takeLiveSnapshot(
    const TKilpailunTiedot &tiedot, const Tulokset &tulokset, const QDateTime &refreshed)
{
    return std::make_shared<const LiveSnapshot>(
        LiveSnapshot{tiedot, tulokset, refreshed, {}, {}});
}

std::shared_ptr<const LiveSnapshot> takeLiveSnapshot(
    const Kilpailu &match, const Tulokset &tulokset, const QDateTime &refreshed)
{
    return std::make_shared<const LiveSnapshot>(
        LiveSnapshot{match.tiedot, tulokset, refreshed, liveRelaysOf(match), match.listStatus});
}

LiveBuilder::LiveBuilder(LiveServer &server)
    : m_server(server)
    , m_thread([this](std::stop_token quit) { run(quit); })
{ }

LiveBuilder::~LiveBuilder()
{
    {
        std::lock_guard lock(m_mutex);
        m_buildStop.request_stop();
    }
    m_thread.request_stop(); // wakes the thread through m_wake
    m_thread.join();
}

void LiveBuilder::build(std::shared_ptr<const LiveSnapshot> snapshot)
{
    std::lock_guard lock(m_mutex);
    m_waiting = std::move(snapshot);
    m_waitingGeneration = ++m_lastGeneration;
    if (m_buildingGeneration != 0 && std::chrono::steady_clock::now() - m_swappedAt < LongestWait)
        m_buildStop.request_stop();
    m_wake.notify_one();
}

void LiveBuilder::buildNow(std::shared_ptr<const LiveSnapshot> snapshot)
{
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(m_mutex);
        generation = ++m_lastGeneration;
        m_waiting.reset();
        m_buildStop.request_stop();
    }
    swapIn(generation,
        buildLiveContent(snapshot->tiedot, snapshot->tulokset, snapshot->refreshed,
            m_server.content().get(), {}, snapshot->relays, snapshot->listStatus));
}

bool LiveBuilder::isIdle() const
{
    std::lock_guard lock(m_mutex);
    return !m_waiting && m_buildingGeneration == 0;
}

int LiveBuilder::swapped() const
{
    std::lock_guard lock(m_mutex);
    return m_swapped;
}

void LiveBuilder::setBuildHook(std::function<void()> hook)
{
    std::lock_guard lock(m_mutex);
    m_buildHook = std::move(hook);
}

void LiveBuilder::swapIn(std::uint64_t generation, std::shared_ptr<const LiveContent> content)
{
    std::lock_guard lock(m_mutex);
    if (!content || generation <= m_swappedGeneration)
        return;
    m_server.setContent(std::move(content));
    m_swappedGeneration = generation;
    m_swappedAt = std::chrono::steady_clock::now();
    ++m_swapped;
}

void LiveBuilder::run(std::stop_token quit)
{
    // The window's thread answers the stations and the server's thread the phones: on a busy
    // office computer they go first, and the board takes a moment longer. On Linux a thread has
    // its own nice value; raising it needs no privilege, and a failure only leaves it as it is.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), BuilderNiceness);
    for (;;) {
        std::shared_ptr<const LiveSnapshot> snapshot;
        std::uint64_t generation = 0;
        std::stop_token stop;
        std::function<void()> hook;
        {
            std::unique_lock lock(m_mutex);
            m_buildingGeneration = 0;
            if (!m_wake.wait(lock, quit, [this] { return m_waiting != nullptr; }))
                return;
            snapshot = std::move(m_waiting);
            generation = m_waitingGeneration;
            m_buildingGeneration = generation;
            m_buildStop = std::stop_source();
            stop = m_buildStop.get_token();
            hook = m_buildHook;
        }
        if (hook)
            hook();
        // The content served until now lends the pages that did not change; it is immutable, and
        // the server's slot hands it out whole.
        swapIn(generation,
            buildLiveContent(snapshot->tiedot, snapshot->tulokset, snapshot->refreshed,
                m_server.content().get(), stop, snapshot->relays, snapshot->listStatus));
    }
}

} // namespace marvola
