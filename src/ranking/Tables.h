// The derived tables of a refresh: discipline rankings, aggregates and team standings.
#pragma once

#include "model/Disciplines.h"
#include "model/Records.h"
#include "model/Registers.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace marvola {

// Row 501 is the sort's exchange buffer, so all 500 slots can be ranked.
constexpr int MaxRankingRows = MaxKilpailijat + 1;
constexpr int MaxStandingRows = MaxJoukkueet + 1;

// Fixed rows numbered from 1; the last row is the exchange buffer of the table's sort.
template<typename Row, int Rows> class RankingTable
{
public:
    static constexpr int RowCount = Rows;
    static constexpr int BufferRow = Rows;
    static constexpr int LastRankedRow = Rows - 1;

    Row &operator[](int row)
    {
        Q_ASSERT(row >= 1 && row <= Rows);
        return m_rows[static_cast<size_t>(row - 1)];
    }
    const Row &operator[](int row) const
    {
        Q_ASSERT(row >= 1 && row <= Rows);
        return m_rows[static_cast<size_t>(row - 1)];
    }

    // Highest row up to the last ranked row with a non-empty name, or 1 when there is none.
    int lastNamedRow() const
    {
        int m = LastRankedRow;
        while (m > 1 && (*this)[m].Nimi.isEmpty())
            --m;
        return m;
    }
    void clear() { m_rows.fill(Row{}); }

private:
    std::array<Row, Rows> m_rows{};
};

// One competitor's figures in one discipline, copied from the register for ranking.
struct TTulosRivi
{
    std::int32_t Sijoitus = 0;
    std::int32_t Numero = 0;
    Str25 Nimi;
    Str10 Seura;
    Str6 Luokka;
    std::int32_t Kana = 0;
    std::int32_t Sika = 0;
    std::int32_t Kalkkuna = 0;
    std::int32_t Passi = 0;
    std::int32_t Yhteensa = 0;
    Str10 Ase;
    Str10 Malli;
    Str10 Kaliiperi;
    std::array<Str2, FinaaliCount> f; // f1..f5

    friend bool operator==(const TTulosRivi &, const TTulosRivi &) = default;
};

// 500 ranked rows: row 501 is the sort's exchange buffer, so all 500 slots can be ranked.
using TulosTaulukko = RankingTable<TTulosRivi, MaxRankingRows>;

// A sum of hit counts or totals: the records hold 32-bit figures, and a sum of them must not
// overflow, so sums are 64-bit; they are shown, printed and exported in full.
using Sum = std::int64_t;

// One competitor's row in an aggregate. The discipline totals are kept by discipline index;
// only the aggregate's own disciplines are filled.
struct TAggrKilpailija
{
    std::int32_t Sijoitus = 0;
    std::int32_t Numero = 0;
    Str25 Nimi;
    QString Seura;
    Sum Kana = 0;
    Sum Sika = 0;
    Sum Kalkkuna = 0;
    Sum Passi = 0;
    Sum Yhteensa = 0;
    PerLaji<std::int32_t> Lajit{};
    bool CAggr = false; // BBP and SBP rows: the competitor's C choice
    bool PAggr = false; // and P choice

    friend bool operator==(const TAggrKilpailija &, const TAggrKilpailija &) = default;
};
using AggrTaulukko = RankingTable<TAggrKilpailija, MaxRankingRows>;

// One team's standing; element 3 of the figure arrays (the fourth) is the team sum.
struct TJoukkueTulos
{
    std::int32_t Sijoitus = 0;
    Str10 Nimi;
    Str5 Laji;
    std::array<Str25, 3> Kilpailija;
    std::array<Sum, 4> Kana{};
    std::array<Sum, 4> Sika{};
    std::array<Sum, 4> Kalkkuna{};
    std::array<Sum, 4> Passi{};
    std::array<Sum, 4> Yhteensa{};
    // Members' discipline figures: Lajit[column][member], columns as teamFigureColumns() lists.
    std::array<std::array<std::int32_t, 3>, 4> Lajit{};

    friend bool operator==(const TJoukkueTulos &, const TJoukkueTulos &) = default;
};
// 100 ranked rows: row 101 is the sort's exchange buffer.
using JoukkueTaulukko = RankingTable<TJoukkueTulos, MaxStandingRows>;

// A line of a result tab: a heading line carries its text in column 0 only.
struct ListLine
{
    bool heading = false;
    QStringList columns;
};
using ListLines = QList<ListLine>;

// Every derived table, as the last refresh left it. Large: keep it on the heap.
struct Tulokset
{
    std::array<TulosTaulukko, LajiCount> lajit; // by discipline index
    std::array<AggrTaulukko, AggregateCount> aggr; // by Aggregate
    std::array<JoukkueTaulukko, TeamGroupCount> joukkueet; // by TeamGroup
    std::array<ListLines, LajiCount> lajiLines; // discipline tab lines, by index
    std::array<ListLines, AggregateCount> aggrLines; // aggregate tab lines, by Aggregate
    // The fingerprint of the registers the last refresh ranked (rankingSource); none before the
    // first refresh.
    std::optional<std::size_t> source;

    TulosTaulukko &laji(int d) { return lajit[static_cast<size_t>(d)]; }
    const TulosTaulukko &laji(int d) const { return lajit[static_cast<size_t>(d)]; }
    AggrTaulukko &aggregate(Aggregate a) { return aggr[static_cast<size_t>(ix(a))]; }
    const AggrTaulukko &aggregate(Aggregate a) const { return aggr[static_cast<size_t>(ix(a))]; }
    JoukkueTaulukko &standings(TeamGroup g) { return joukkueet[static_cast<size_t>(ix(g))]; }
    const JoukkueTaulukko &standings(TeamGroup g) const
    {
        return joukkueet[static_cast<size_t>(ix(g))];
    }
};

} // namespace marvola
