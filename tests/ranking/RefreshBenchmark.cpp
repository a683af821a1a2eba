// How long the whole refresh takes on a full register.
#include "output/CsvExport.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

void BM_RefreshFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    for (auto _ : state) {
        refreshResults(*match, *tulokset);
        benchmark::DoNotOptimize(tulokset->lajit[0][1].Sijoitus);
    }
}
BENCHMARK(BM_RefreshFullMatch)->Unit(benchmark::kMillisecond);

void BM_ExportCsvFullMatch(benchmark::State &state)
{
    const auto match = marvola::testing::fullMatch();
    auto tulokset = std::make_unique<Tulokset>();
    refreshResults(*match, *tulokset);
    QTemporaryDir dir;
    QString error;
    for (auto _ : state)
        if (!exportCsv(*tulokset, dir.filePath(QStringLiteral("full.csv")), &error))
            state.SkipWithError(qPrintable(error));
}
BENCHMARK(BM_ExportCsvFullMatch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
