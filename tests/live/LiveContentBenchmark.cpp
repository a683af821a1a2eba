// What a change costs the board on a full match: the ranking, the live content built afresh, and
// the content built again after one result changed (most pages taken over from the last build).
#include "live/LiveBuilder.h"
#include "live/LiveContent.h"
#include "live/StationApi.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

void BM_BuildLiveContentFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    const QDateTime refreshed = QDateTime::currentDateTime();
    for (auto _ : state) {
        const auto content = buildLiveContent(match->tiedot, *tulokset, refreshed);
        benchmark::DoNotOptimize(content->paths().size());
    }
}
BENCHMARK(BM_BuildLiveContentFullMatch)->Unit(benchmark::kMillisecond);

// One station's entry: the ranking again, and the content over the previous one.
void BM_RebuildAfterOneEntryFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    std::shared_ptr<const LiveContent> content
        = buildLiveContent(match->tiedot, *tulokset, QDateTime::currentDateTime());
    int entry = 0;
    for (auto _ : state) {
        TKilpailija &k = match->kilpailijat[1 + entry % 500];
        k.Kana[BBPR] = (k.Kana[BBPR] + 1) % 11;
        k.Yhteensa[BBPR] = k.Kana[BBPR] + k.Sika[BBPR] + k.Kalkkuna[BBPR] + k.Passi[BBPR];
        ++entry;
        refreshResults(*match, *tulokset);
        content = buildLiveContent(
            match->tiedot, *tulokset, QDateTime::currentDateTime(), content.get());
        benchmark::DoNotOptimize(content->paths().size());
    }
}
BENCHMARK(BM_RebuildAfterOneEntryFullMatch)->Unit(benchmark::kMillisecond);

// The stations' competitor lists, made again after each transaction of entries.
void BM_StationDirectoryFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    for (auto _ : state)
        benchmark::DoNotOptimize(stationDirectory(*match).size());
}
BENCHMARK(BM_StationDirectoryFullMatch)->Unit(benchmark::kMillisecond);

// A snapshot of the tables, taken on the window's thread at each refresh while the board runs.
void BM_TakeSnapshotFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    const QDateTime refreshed = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(takeLiveSnapshot(match->tiedot, *tulokset, refreshed).get());
}
BENCHMARK(BM_TakeSnapshotFullMatch)->Unit(benchmark::kMillisecond);

// Every entry of the full match placed: five relays of 100 points for each discipline, started
// hourly (the hard rules play no part in what the board shows).
void placeEveryEntry(Kilpailu &match)
{
    for (int d = 0; d < LajiCount; ++d)
        for (int j = 0; j < 5; ++j)
            match.relayPlan.relays << Relay{d * 5 + j + 1, {d}, 6 * 60 + 60 * j, 50, 100};
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        for (int d = 0; d < LajiCount; ++d)
            if (k.Osallistuu[d])
                match.assignments[{k.Numero, d}] = {d * 5 + slot % 5 + 1, slot / 5 + 1, false};
    }
}

// The snapshot with the relays and their places, as the window takes it at each refresh.
void BM_TakeSnapshotWithRelaysFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    placeEveryEntry(*match);
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    const QDateTime refreshed = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(takeLiveSnapshot(*match, *tulokset, refreshed).get());
    state.counters["places"] = static_cast<double>(match->assignments.size());
}
BENCHMARK(BM_TakeSnapshotWithRelaysFullMatch)->Unit(benchmark::kMillisecond);

// The content built with every competitor's relays on their page.
void BM_BuildLiveContentWithRelaysFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    placeEveryEntry(*match);
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    const QDateTime refreshed = QDateTime::currentDateTime();
    const LiveRelays relays = liveRelaysOf(*match);
    for (auto _ : state) {
        const auto content
            = buildLiveContent(match->tiedot, *tulokset, refreshed, nullptr, {}, relays);
        benchmark::DoNotOptimize(content->paths().size());
    }
}
BENCHMARK(BM_BuildLiveContentWithRelaysFullMatch)->Unit(benchmark::kMillisecond);

// /relays and its JSON as the first request of a minute makes them (the others of that minute
// take them as made), at minutes when relays shoot.
void BM_RelaysPageFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    placeEveryEntry(*match);
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    const auto content = buildLiveContent(
        match->tiedot, *tulokset, QDateTime::currentDateTime(), nullptr, {}, liveRelaysOf(*match));
    int minute = 7 * 60;
    for (auto _ : state)
        benchmark::DoNotOptimize(content->relaysResources(minute++ % 60 + 7 * 60).get());
}
BENCHMARK(BM_RelaysPageFullMatch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
