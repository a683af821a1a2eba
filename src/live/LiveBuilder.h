// The board's content built away from the window: the window hands over copies of the tables at
// each refresh, a thread of its own builds the pages and JSON from them and swaps the finished
// content into the server. A station's answer, made on the window's thread, never waits for it.
#pragma once

#include "live/LiveContent.h"
#include "model/Registers.h"
#include "ranking/Tables.h"

#include <QDateTime>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace marvola {

class LiveServer;

// What one build reads: copies of the match information and the ranking tables, made on the
// window's thread at a refresh and never written afterwards, so the build shares nothing the
// window goes on changing. (The tab lines in the tables are Qt's implicitly shared lists: the copy
// shares their data until the window's next refresh replaces them, and the count of who shares
// them is atomic, so the window's new lines never touch the ones the build reads.)
struct LiveSnapshot
{
    TKilpailunTiedot tiedot;
    Tulokset tulokset;
    QDateTime refreshed; // the time of the refresh that left the tables so
    LiveRelays relays; // the plan and the places, with the competitors' names and clubs
    ListStatuses listStatus; // the lists posted or official
};

// Copies the tables as they stand now; large, so on the heap.
std::shared_ptr<const LiveSnapshot> takeLiveSnapshot(
    const TKilpailunTiedot &tiedot, const Tulokset &tulokset, const QDateTime &refreshed);
// The same with the match's relays and the lists' status.
std::shared_ptr<const LiveSnapshot> takeLiveSnapshot(
    const Kilpailu &match, const Tulokset &tulokset, const QDateTime &refreshed);

// Builds the board from snapshots on its own thread and swaps each build into the server when it
// is complete, so the server always answers from one whole content. A newer snapshot supersedes
// one still waiting, and stops a build under way, unless the board has waited longer than
// LongestWait for a new content: then the build under way is finished first, so a steady stream of
// entries cannot keep the board from ever changing.
//
// What the threads share, and how: the snapshot is made before it is handed over under the mutex
// and only read afterwards; the content served until now is immutable and handed out whole by the
// server's slot; the waiting snapshot, the generations, the stop of the build under way and the
// hook are only touched under the mutex; a build writes nothing but the content it makes, and the
// swap compares generations under the mutex, so an older build never replaces a newer content.
class LiveBuilder
{
public:
    static constexpr std::chrono::milliseconds LongestWait{1000};
    // How much the building thread yields to the others (a nice value).
    static constexpr int BuilderNiceness = 5;

    explicit LiveBuilder(LiveServer &server);
    // Stops a build under way and waits for the thread; nothing is swapped in afterwards.
    ~LiveBuilder();
    LiveBuilder(const LiveBuilder &) = delete;
    LiveBuilder &operator=(const LiveBuilder &) = delete;

    // From the window's thread: builds this snapshot next; returns at once.
    void build(std::shared_ptr<const LiveSnapshot> snapshot);
    // Builds on the calling thread and swaps it in before returning, superseding every snapshot
    // handed over before: for a server about to start, which must have its pages from the first
    // request.
    void buildNow(std::shared_ptr<const LiveSnapshot> snapshot);

    // True once every snapshot handed over is swapped in or superseded (the tests wait on this).
    bool isIdle() const;
    // Complete builds swapped into the server so far.
    int swapped() const;
    // For the tests: called on the building thread as each build begins.
    void setBuildHook(std::function<void()> hook);

private:
    void run(std::stop_token quit);
    // Swaps the content in unless a newer one is there already.
    void swapIn(std::uint64_t generation, std::shared_ptr<const LiveContent> content);

    LiveServer &m_server;
    mutable std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::shared_ptr<const LiveSnapshot> m_waiting; // the newest not yet begun
    std::uint64_t m_waitingGeneration = 0;
    std::uint64_t m_lastGeneration = 0; // of the newest snapshot handed over
    std::uint64_t m_buildingGeneration = 0; // of the build under way, 0 when none
    std::uint64_t m_swappedGeneration = 0; // of the content served
    std::stop_source m_buildStop; // stops the build under way
    std::chrono::steady_clock::time_point m_swappedAt = std::chrono::steady_clock::now();
    int m_swapped = 0;
    std::function<void()> m_buildHook;
    std::jthread m_thread; // last: started when everything above is ready, joined first
};

} // namespace marvola
