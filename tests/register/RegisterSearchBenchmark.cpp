// The register's search as a name is typed: one search per keystroke among 20 000 shooters.
#include "register/ShooterRegister.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace marvola;

namespace {

constexpr int ShooterCount = 20000;

const char *const LastNames[] = {"Virtanen", "Korhonen", "Mäkinen", "Nieminen", "Mäkelä",
    "Hämäläinen", "Laine", "Heikkinen", "Koskinen", "Järvinen", "Lehtonen", "Lehtinen", "Saarinen",
    "Salminen", "Heinonen", "Niemi", "Heikkilä", "Kinnunen", "Salonen", "Turunen", "Andersson",
    "Johansson", "Karlsson", "Nilsson", "Eriksson", "Larsson", "Olsson", "Persson", "Svensson"};
const char *const FirstNames[] = {"Matti", "Timo", "Juha", "Kari", "Mikko", "Antti", "Jari", "Anna",
    "Aino", "Sari", "Päivi", "Åsa", "Erik", "Lars", "Karl", "Björn", "Ingrid", "Elin"};

// A register of 20 000 shooters, made once for every benchmark.
struct Register
{
    QTemporaryDir dir;
    std::unique_ptr<ShooterRegister> reg;
    Register()
    {
        QString error;
        reg = ShooterRegister::open(
            dir.filePath("shooters.sqlite"), ShooterRegister::Mode::CreateIfMissing, error);
        QRandomGenerator random(35);
        QList<Shooter> shooters;
        for (int i = 0; i < ShooterCount; ++i) {
            Shooter s;
            s.nimi = QStringLiteral("%1%2 %3")
                         .arg(QString::fromUtf8(LastNames[random.bounded(29)]))
                         .arg(i % 7 == 0 ? QString() : QString::number(i % 97))
                         .arg(QString::fromUtf8(FirstNames[random.bounded(18)]));
            s.seura = QStringLiteral("C%1").arg(random.bounded(200));
            s.maa = QStringLiteral("FIN");
            s.extras.memberNumber = QStringLiteral("F-%1").arg(100000 + i);
            s.lajit[BBPR] = ShooterDiscipline{"A", "Ruger", "MkII", "22"};
            shooters.append(s);
        }
        reg->storeShooters(shooters, error);
    }
};

Register &shared()
{
    static Register r;
    return r;
}

// Each keystroke of a name or number, as the new competitor dialog searches for it.
void typed(benchmark::State &state, const char *text)
{
    ShooterRegister &reg = *shared().reg;
    const QString whole = QString::fromUtf8(text);
    QString error;
    std::size_t found = 0;
    for (auto _ : state) {
        for (qsizetype n = 1; n <= whole.size(); ++n)
            found += reg.search(whole.left(n), 20, error).size();
    }
    state.counters["keystrokes"] = benchmark::Counter(double(whole.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["found"] = double(found) / double(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(typed, LastName, "Hämäläinen Päivi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(typed, FirstNameFirst, "Päivi Hämä")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(typed, MemberNumber, "F-119999")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(typed, Nobody, "Zyxwv")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    shared();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
