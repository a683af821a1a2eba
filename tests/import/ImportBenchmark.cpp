// 500 competitors imported from CSV and from XLSX, from the file up to the classified preview.
#include "import/ImportPlan.h"
#include "import/WorkbookWriter.h"
#include "import/XlsxReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

const QStringList Headings{"name", "club", "nationality", "member number", "e-mail",
    "shares gun with", "left-handed", "discipline", "class", "gun", "model", "caliber"};
const QStringList Codes{"BBPR", "BBPC", "SBPR", "FPP", "SBRS", "BBRS"};

// Row i of competitor i / 3: three disciplines each, like an entry list of a big match.
QStringList exportRow(int i)
{
    const int c = i / 3;
    return {QStringLiteral("Ampuja%1 Etu%1").arg(c), QStringLiteral("Seura%1").arg(c % 27),
        QStringLiteral("FIN"), QString::number(10000 + c), QStringLiteral("a%1@x.fi").arg(c), {},
        c % 9 == 0 ? QStringLiteral("yes") : QString(), Codes[(c + i) % Codes.size()],
        QStringLiteral("A"), QStringLiteral("Ruger"), QStringLiteral("Blackhawk"),
        QStringLiteral(".357")};
}

constexpr int Rows = 1500;

struct Files
{
    QTemporaryDir dir;
    QString csv = dir.filePath(QStringLiteral("entries.csv"));
    QString xlsx = dir.filePath(QStringLiteral("entries.xlsx"));
    Files()
    {
        QByteArray text = Headings.join(u';').toUtf8() + '\n';
        QByteArray cells = inlineRow(1, Headings);
        for (int i = 0; i < Rows; ++i) {
            text += exportRow(i).join(u';').toUtf8() + '\n';
            cells += inlineRow(i + 2, exportRow(i));
        }
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write the CSV file");
        file.close();
        if (!writeWorkbook(xlsx, {{QStringLiteral("Sheet1"), cells}}))
            qFatal("cannot write the XLSX file");
    }
};

// A match of 500 others: every imported name is compared with each of them for a resemblance.
std::unique_ptr<Kilpailu> fullMatch()
{
    auto match = std::make_unique<Kilpailu>();
    for (int i = 0; i < MaxKilpailijat; ++i)
        match->addCompetitor(QStringLiteral("Toinen%1 Etunimi%1").arg(i), QStringLiteral("SA"),
            QStringLiteral("FIN"));
    return match;
}

void importToPreview(benchmark::State &state, bool workbook, bool intoFullMatch = false)
{
    static Files files;
    const auto match = intoFullMatch ? fullMatch() : std::make_unique<Kilpailu>();
    for (auto _ : state) {
        QString error;
        const auto table = readImportFile(workbook ? files.xlsx : files.csv, {}, error);
        if (!table) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        const ImportPlan plan = planImport(*table, recogniseHeadings(table->headings), *match);
        if (plan.rows.size() != Rows / 3)
            state.SkipWithError("not every competitor is new");
        benchmark::DoNotOptimize(plan);
    }
}

void BM_ImportCsv500(benchmark::State &state)
{
    importToPreview(state, false);
}
void BM_ImportXlsx500(benchmark::State &state)
{
    importToPreview(state, true);
}
void BM_ImportCsv500IntoFullMatch(benchmark::State &state)
{
    importToPreview(state, false, true);
}
BENCHMARK(BM_ImportCsv500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCsv500IntoFullMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXlsx500)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
