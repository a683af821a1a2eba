// The board built away from the window: the newest snapshot is what ends up served, one waiting
// behind a build is superseded without being built, an older build never replaces a newer one,
// and the builder goes with nothing left to swap in.
#include "live/LiveBuilder.h"

#include "live/LiveServer.h"

#include <QTest>

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

using namespace marvola;

namespace {

std::shared_ptr<const LiveSnapshot> snapshotOfClub(const QString &club)
{
    TKilpailunTiedot tiedot;
    tiedot.Seura = club;
    tiedot.Mukana[ix(Group::BBP)] = true;
    return takeLiveSnapshot(tiedot, *std::make_unique<Tulokset>(), QDateTime::currentDateTime());
}

QByteArray servedIndex(const LiveServer &server)
{
    const auto content = server.content();
    const LiveResource *index = content ? content->find("/api/lists.json") : nullptr;
    return index ? index->body : QByteArray();
}

// Holds each build at its start until the test lets it go.
struct Gate
{
    std::mutex mutex;
    std::condition_variable changed;
    int begun = 0;
    bool open = false;

    void enter()
    {
        std::unique_lock lock(mutex);
        ++begun;
        changed.notify_all();
        changed.wait(lock, [this] { return open; });
    }
    void waitForBuild(int count)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return begun >= count; });
    }
    void release()
    {
        std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }
};

TEST(LiveBuilderTest, TheNewestSnapshotIsServedAndOneWaitingIsNeverBuilt)
{
    LiveServer server;
    Gate gate;
    {
        LiveBuilder builder(server);
        builder.setBuildHook([&gate] { gate.enter(); });
        builder.build(snapshotOfClub(QStringLiteral("First Club")));
        gate.waitForBuild(1);
        EXPECT_FALSE(builder.isIdle());
        // Handed over while the first is being built: the second waits and is superseded by the
        // third, which stops the first.
        builder.build(snapshotOfClub(QStringLiteral("Second Club")));
        builder.build(snapshotOfClub(QStringLiteral("Third Club")));
        gate.release();
        ASSERT_TRUE(QTest::qWaitFor([&] { return builder.isIdle(); }, 30000));
        EXPECT_TRUE(servedIndex(server).contains("Third Club")) << servedIndex(server).data();
        EXPECT_EQ(gate.begun, 2) << "the first and the third are begun, never the second";
    }
    // Gone with the builder: nothing more is swapped in.
    EXPECT_TRUE(servedIndex(server).contains("Third Club"));
}

TEST(LiveBuilderTest, ABuildNowSupersedesTheBuildUnderWay)
{
    LiveServer server;
    Gate gate;
    LiveBuilder builder(server);
    builder.setBuildHook([&gate] { gate.enter(); });
    builder.build(snapshotOfClub(QStringLiteral("Older Club")));
    gate.waitForBuild(1);
    builder.buildNow(snapshotOfClub(QStringLiteral("Newer Club")));
    EXPECT_TRUE(servedIndex(server).contains("Newer Club"));
    gate.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return builder.isIdle(); }, 30000));
    EXPECT_TRUE(servedIndex(server).contains("Newer Club"))
        << "the older build is never swapped in";
    EXPECT_EQ(builder.swapped(), 1);
}

} // namespace
