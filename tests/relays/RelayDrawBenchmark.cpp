// How long the draw of a full match takes: 500 competitors into 40 relays of 20 points.
#include "relays/RelayDraw.h"
#include "relays/SeededRandom.h"
#include "support/FullMatch.h"

#include <benchmark/benchmark.h>
#include <vector>

using namespace marvola;

namespace {

// Forty relays of 20 points: the first eight disciplines shoot three relays, the others two,
// spread over eight hourly starts, several disciplines at once on different ranges.
RelayPlan fullPlan()
{
    RelayPlan plan;
    int number = 1;
    for (int d = 0; d < LajiCount; ++d)
        for (int j = 0; j < (d < 8 ? 3 : 2); ++j)
            plan.relays << Relay{number++, {d}, 8 * 60 + 60 * ((d + j * 3) % 8), 50, 20};
    return plan;
}

// Every tenth competitor shares a gun with the next one, every twelfth is left-handed.
void addGunsAndHands(Kilpailu &match)
{
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        if (slot % 10 == 0 && slot < MaxKilpailijat)
            match.extras[slot].sharesGunWith = QString::number(match.kilpailijat[slot + 1].Numero);
        match.extras[slot].leftHanded = slot % 12 == 0;
    }
}

// The full match with each competitor in one or two disciplines: 760 entries for the 800
// points, each discipline at most as many as its relays hold, drawn from a shuffled list of the
// points.
std::unique_ptr<Kilpailu> fullLoad()
{
    std::vector<int> places;
    for (int d = 0; d < LajiCount; ++d)
        places.insert(places.end(), d < 8 ? 60 : 40, d);
    SeededRandom random(2026);
    random.shuffle(places);
    auto match = marvola::testing::fullMatch();
    size_t next = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        TKilpailija &k = match->kilpailijat[slot];
        k.Osallistuu.fill(false);
        for (int e = 0; e < (slot <= 260 ? 2 : 1); ++e)
            k.Osallistuu[places[next++]] = true;
    }
    addGunsAndHands(*match);
    return match;
}

void report(benchmark::State &state, const Kilpailu &match, const DrawResult &draw)
{
    int entries = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        for (int d = 0; d < LajiCount; ++d)
            entries += match.kilpailijat[slot].Osallistuu[d] ? 1 : 0;
    state.counters["entries"] = entries;
    state.counters["placed"] = static_cast<double>(draw.assignments.size());
    state.counters["leftOut"] = static_cast<double>(draw.leftOut.size());
}

// Draws the match into the full plan again and again, a new seed each time.
void drawRepeatedly(benchmark::State &state, const Kilpailu &match)
{
    const RelayPlan plan = fullPlan();
    std::uint64_t seed = 0;
    DrawResult draw;
    for (auto _ : state) {
        draw = drawRelays(match, plan, {}, ++seed);
        benchmark::DoNotOptimize(draw.assignments.size());
    }
    report(state, match, draw);
}

void BM_DrawFullLoad(benchmark::State &state)
{
    drawRepeatedly(state, *fullLoad());
}
BENCHMARK(BM_DrawFullLoad)->Unit(benchmark::kMillisecond);

// Every competitor in all sixteen disciplines: 8000 entries for 800 points, 7200 left out with
// their reasons, the draw's worst case.
void BM_DrawEveryDiscipline(benchmark::State &state)
{
    auto match = marvola::testing::fullMatch();
    addGunsAndHands(*match);
    drawRepeatedly(state, *match);
}
BENCHMARK(BM_DrawEveryDiscipline)->Unit(benchmark::kMillisecond);

// The check behind the window's red marks, over a full draw.
void BM_CheckFullDraw(benchmark::State &state)
{
    const auto match = fullLoad();
    const RelayPlan plan = fullPlan();
    const DrawResult draw = drawRelays(*match, plan, {}, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(hardRuleBreaches(*match, plan, draw.assignments).size());
}
BENCHMARK(BM_CheckFullDraw)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
