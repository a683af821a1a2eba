// The exchange sort against the procedure it keeps: whole rows swapped through the buffer row.
#include "ranking/Ranking.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <tuple>

using namespace marvola;

namespace {

// The discipline order as officials state it: total, then the five shoot-off entries compared as
// text as soon as either row has a first one, else rams, turkeys and pigs.
bool referenceRanksBefore(const TTulosRivi &b, const TTulosRivi &a)
{
    if (b.Yhteensa != a.Yhteensa)
        return b.Yhteensa > a.Yhteensa;
    if (!b.f[0].isEmpty() || !a.f[0].isEmpty()) {
        const auto entries = [](const TTulosRivi &row) {
            std::array<QByteArray, FinaaliCount> texts;
            for (int k = 0; k < FinaaliCount; ++k)
                texts[static_cast<size_t>(k)] = row.f[static_cast<size_t>(k)].bytes();
            return texts;
        };
        return entries(b) > entries(a);
    }
    return std::tuple(b.Passi, b.Kalkkuna, b.Sika) > std::tuple(a.Passi, a.Kalkkuna, a.Sika);
}

bool referenceHitsBefore(const TAggrKilpailija &b, const TAggrKilpailija &a)
{
    return std::tuple(b.Yhteensa, b.Passi, b.Kalkkuna, b.Sika)
        > std::tuple(a.Yhteensa, a.Passi, a.Kalkkuna, a.Sika);
}

// Rows 1..m exchanged whole through a buffer; returns the buffer's last row.
template<typename Row, typename Before> Row referenceSort(std::vector<Row> &rows, Before before)
{
    Row buffer{};
    for (size_t i = 1; i < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j)
            if (before(rows[j], rows[i])) {
                buffer = rows[i];
                rows[i] = rows[j];
                rows[j] = buffer;
            }
    return buffer;
}

struct SortCase
{
    const char *name;
    bool laterEntriesWithoutFirst; // stale f2..f5 on rows without f1
};

class DisciplineSort : public ::testing::TestWithParam<SortCase>
{
};

// Few totals and hits, so most rows tie on their total and many tie completely; negative figures
// too, as a hand-edited file may hold them.
TEST_P(DisciplineSort, LeavesEveryRowWhereTheProcedureDoes)
{
    const SortCase &c = GetParam();
    std::mt19937 random(20240611);
    const auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const char *entries[] = {"", "", "", "1", "10", "2", "9"};
    for (int round = 0; round < 20; ++round) {
        auto table = std::make_unique<TulosTaulukko>();
        std::vector<TTulosRivi> rows(1);
        const int m = pick(2, 300);
        for (int r = 1; r <= m; ++r) {
            TTulosRivi &row = (*table)[r];
            row.Numero = r;
            row.Nimi.setText(QStringLiteral("Shooter %1").arg(r));
            row.Ase.setText(QString::number(r));
            row.Yhteensa = pick(-1, 3);
            row.Passi = pick(-1, 2);
            row.Kalkkuna = pick(-1, 2);
            row.Sika = pick(-1, 2);
            row.f[0].setText(QString::fromLatin1(entries[pick(0, 6)]));
            if (!row.f[0].isEmpty() || (c.laterEntriesWithoutFirst && pick(0, 20) == 0))
                row.f[1 + pick(0, 3)].setText(QString::fromLatin1(entries[pick(0, 6)]));
            rows.push_back(row);
        }
        const TTulosRivi buffer = referenceSort(rows, referenceRanksBefore);
        sortDiscipline(*table);
        for (int r = 1; r <= m; ++r)
            ASSERT_EQ((*table)[r].Numero, rows[static_cast<size_t>(r)].Numero)
                << "round " << round << ", row " << r;
        EXPECT_EQ((*table)[TulosTaulukko::BufferRow].Ase.text(),
            buffer.Nimi.isEmpty() ? "" : buffer.Ase.text())
            << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, DisciplineSort,
    ::testing::Values(
        SortCase{"ShootOffsWithAFirstEntry", false}, SortCase{"LaterEntriesWithoutAFirst", true}),
    marvola::testing::NamedBy<&SortCase::name>());

// Aggregate sums are 64-bit: the wide table's figures differ only above bit 32 (1 and 2^32 + 1),
// or sit at the ends of the range, so a rank word that kept 32 bits of a sum would misplace rows.
struct FigureCase
{
    const char *name;
    std::vector<Sum> figures; // each figure is drawn from these, so ties stay frequent
};

class AggregateSort : public ::testing::TestWithParam<FigureCase>
{
};

TEST_P(AggregateSort, LeavesEveryRowWhereTheProcedureDoes)
{
    const std::vector<Sum> &figures = GetParam().figures;
    std::mt19937 random(7);
    const auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto figure
        = [&] { return figures[static_cast<size_t>(pick(0, int(figures.size()) - 1))]; };
    for (int round = 0; round < 20; ++round) {
        auto table = std::make_unique<AggrTaulukko>();
        std::vector<TAggrKilpailija> rows(1);
        const int m = pick(2, 300);
        for (int r = 1; r <= m; ++r) {
            TAggrKilpailija &row = (*table)[r];
            row.Numero = r;
            row.Nimi.setText(QStringLiteral("Shooter %1").arg(r));
            row.Yhteensa = figure();
            row.Passi = figure();
            row.Kalkkuna = figure();
            row.Sika = figure();
            rows.push_back(row);
        }
        referenceSort(rows, referenceHitsBefore);
        sortAggregate(*table);
        for (int r = 1; r <= m; ++r)
            ASSERT_EQ((*table)[r].Numero, rows[static_cast<size_t>(r)].Numero)
                << "round " << round << ", row " << r;
    }
}

constexpr Sum Bit32 = Sum{1} << 32;

INSTANTIATE_TEST_SUITE_P(Figures, AggregateSort,
    ::testing::Values(FigureCase{"Small", {-1, 0, 1, 2, 3}},
        FigureCase{"PastThirtyTwoBits",
            {std::numeric_limits<Sum>::min(), -Bit32, -1, 0, 1, Bit32 + 1, Bit32 - 1,
                std::numeric_limits<std::int32_t>::max(), std::numeric_limits<Sum>::max()}}),
    marvola::testing::NamedBy<&FigureCase::name>());

} // namespace
