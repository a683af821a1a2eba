// How long the results workbook of a full match takes: the sheets read from the tables, and the
// whole workbook's bytes.
#include "output/ResultWorkbook.h"
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

struct RankedFullMatch
{
    std::unique_ptr<Kilpailu> match = marvola::testing::fullMatch();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();

    RankedFullMatch() { refreshResults(*match, *tulokset, TabLines::Skip); }
};

void BM_FullMatchWorkbook(benchmark::State &state)
{
    RankedFullMatch full;
    qsizetype size = 0;
    for (auto _ : state) {
        QString error;
        const std::optional<QByteArray> bytes
            = resultWorkbookXlsx(*full.match, *full.tulokset, error);
        if (!bytes) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        size = bytes->size();
    }
    state.counters["xlsx_kib"] = static_cast<double>(size) / 1024;
}
BENCHMARK(BM_FullMatchWorkbook)->Unit(benchmark::kMillisecond);

// The sheets' cells alone, without libxlsxwriter.
void BM_FullMatchWorkbookSheets(benchmark::State &state)
{
    RankedFullMatch full;
    size_t rows = 0;
    for (auto _ : state) {
        const std::vector<WorkbookSheet> sheets = resultWorkbookSheets(*full.match, *full.tulokset);
        rows = 0;
        for (const WorkbookSheet &sheet : sheets)
            rows += sheet.rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_FullMatchWorkbookSheets)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
