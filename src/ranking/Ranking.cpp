#include "ranking/Ranking.h"

#include "ranking/ListColumns.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <tuple>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace marvola {

namespace {

// A row's whole ranking as numbers compared in order: the total first, then what breaks a tie.
// Where a table's tie-break can be written so, the sort works on one small number per row
// instead of asking the tie-break, and ties are frequent: a full match has a dozen competitors on
// most totals. Totals and hits are 64-bit sums, so each takes a word of its own.
struct RankWords
{
    std::array<std::uint64_t, 5> words{};
};

bool ranksBefore(const RankWords &b, const RankWords &a)
{
    return b.words > a.words;
}

bool sameWords(const RankWords &b, const RankWords &a)
{
    return b.words == a.words;
}

// The rank words as small numbers in the same order: equal words get the same number and words
// that rank before others a higher one. Index 0 is the sort's unused row.
std::vector<std::int32_t> denseRanks(const std::vector<RankWords> &words)
{
    const auto lower = [](const RankWords &a, const RankWords &b) { return ranksBefore(b, a); };
    std::vector<RankWords> distinct(words.begin() + 1, words.end());
    std::sort(distinct.begin(), distinct.end(), lower);
    distinct.erase(std::unique(distinct.begin(), distinct.end(), sameWords), distinct.end());
    std::vector<std::int32_t> ranks(words.size());
    for (size_t r = 1; r < words.size(); ++r)
        ranks[r] = static_cast<std::int32_t>(
            std::lower_bound(distinct.begin(), distinct.end(), words[r], lower) - distinct.begin());
    return ranks;
}

// The first row from j on, before end, that ranks before the placed row; end when there is none.
// Rows ranking before are few, so eight rows are tested at a time.
size_t nextAbove(const std::int32_t *ranks, size_t j, size_t end, std::int32_t placed)
{
#if defined(__SSE2__)
    const __m128i limit = _mm_set1_epi32(placed);
    const auto aboveMask = [&](size_t at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(ranks + at));
        return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(v, limit))));
    };
    for (; j + 8 <= end; j += 8) {
        const unsigned above = aboveMask(j) | aboveMask(j + 4) << 4;
        if (above != 0)
            return j + static_cast<size_t>(std::countr_zero(above));
    }
#endif
    while (j < end && ranks[j] <= placed)
        ++j;
    return j;
}

// The exchange sort of every ranking table: row j is exchanged with row i when it ranks strictly
// before it, through the table's buffer row. It is not stable, and officials compare printouts,
// so fully tied rows must end exactly where this procedure leaves them. The procedure runs on the
// rows' sort keys and row numbers, and the rows are moved once at the end; the buffer row ends up
// holding the last row that went through it, as if every exchange had copied whole rows.
// Every table ranks a higher total first; tieBreak decides between equal totals. wordsOf gives
// the keys as rank words when the table's order can be written so, and the same exchanges are
// then made on those.
template<typename Table, typename KeyOf, typename TieBreak, typename WordsOf>
void exchangeSort(Table &table, KeyOf keyOf, TieBreak tieBreak, WordsOf wordsOf)
{
    using Row = std::remove_reference_t<decltype(table[1])>;
    using Key = decltype(keyOf(table[1]));
    const int m = table.lastNamedRow();
    std::vector<Key> keys(1);
    std::vector<int> order(1);
    for (int r = 1; r <= m; ++r) {
        keys.push_back(keyOf(table[r]));
        order.push_back(r);
    }
    int lastThroughBuffer = 0;
    std::vector<RankWords> words;
    if (wordsOf(keys, words)) {
        std::vector<std::int32_t> ranks = denseRanks(words);
        const size_t end = static_cast<size_t>(m) + 1;
        for (size_t i = 1; i < end; ++i) {
            std::int32_t placed = ranks[i];
            int placedRow = order[i];
            for (size_t j = nextAbove(ranks.data(), i + 1, end, placed); j < end;
                 j = nextAbove(ranks.data(), j + 1, end, placed)) {
                lastThroughBuffer = placedRow;
                std::swap(placed, ranks[j]);
                std::swap(placedRow, order[j]);
            }
            ranks[i] = placed;
            order[i] = placedRow;
        }
    } else {
        // The totals apart, so the scan for a higher total stays within a few cache lines.
        std::vector<Sum> totals(keys.size());
        for (size_t r = 0; r < keys.size(); ++r)
            totals[r] = keys[r].total;
        for (size_t i = 1; i <= static_cast<size_t>(m); ++i) {
            for (size_t j = i + 1; j <= static_cast<size_t>(m); ++j) {
                if (totals[j] < totals[i]
                    || (totals[j] == totals[i] && !tieBreak(keys[j], keys[i])))
                    continue;
                lastThroughBuffer = order[i];
                std::swap(keys[i], keys[j]);
                std::swap(totals[i], totals[j]);
                std::swap(order[i], order[j]);
            }
        }
    }
    if (lastThroughBuffer == 0)
        return;
    Row buffer = table[lastThroughBuffer];
    std::vector<Row> sorted;
    sorted.reserve(static_cast<size_t>(m));
    for (int r = 1; r <= m; ++r)
        sorted.push_back(std::move(table[order[static_cast<size_t>(r)]]));
    for (int r = 1; r <= m; ++r)
        table[r] = std::move(sorted[static_cast<size_t>(r) - 1]);
    table[Table::BufferRow] = std::move(buffer);
}

// Two unsigned numbers that order like a sequence of signed 32-bit figures, so that a tie-break
// is two comparisons.
struct Packed
{
    std::uint64_t high = 0;
    std::uint64_t low = 0;
    bool operator>(const Packed &o) const { return high != o.high ? high > o.high : low > o.low; }
};

// The figures that rank rows: total, then rams, turkeys and pigs; chickens never decide. Sums of
// aggregates and teams can pass 32 bits, so the figures are kept whole.
struct HitsKey
{
    Sum total = 0;
    Sum passi = 0;
    Sum kalkkuna = 0;
    Sum sika = 0;
};

HitsKey hitsKey(Sum total, Sum passi, Sum kalkkuna, Sum sika)
{
    return {total, passi, kalkkuna, sika};
}

bool moreHits(const HitsKey &b, const HitsKey &a)
{
    return std::tie(b.passi, b.kalkkuna, b.sika) > std::tie(a.passi, a.kalkkuna, a.sika);
}

// A shoot-off entry as a number that orders like its bytes: byte by byte, a missing byte below
// every byte, so "" < "0" < "1" < "10" < "2" < "9".
std::uint64_t entryCode(const Str2 &entry)
{
    const auto byte = [&](int k) -> std::uint64_t {
        return entry.length() > k ? static_cast<unsigned char>(entry.chars()[k]) + 1u : 0u;
    };
    return byte(0) << 9 | byte(1);
}

struct DisciplineKey : HitsKey
{
    bool hasShootOff = false; // f1 entered
    Packed finals; // f1 to f3, then f4 and f5, 18 bits each
};

DisciplineKey disciplineKey(const TTulosRivi &row)
{
    DisciplineKey key;
    static_cast<HitsKey &>(key) = hitsKey(row.Yhteensa, row.Passi, row.Kalkkuna, row.Sika);
    key.hasShootOff = !row.f[0].isEmpty();
    key.finals.high = entryCode(row.f[0]) << 36 | entryCode(row.f[1]) << 18 | entryCode(row.f[2]);
    key.finals.low = entryCode(row.f[3]) << 18 | entryCode(row.f[4]);
    return key;
}

// Equal totals go to the shoot-off entries as soon as either row has one; the hits are then not
// looked at.
bool disciplineTieBreak(const DisciplineKey &b, const DisciplineKey &a)
{
    if (!a.hasShootOff && !b.hasShootOff)
        return moreHits(b, a);
    return b.finals > a.finals;
}

// A signed sum as an unsigned word in the same order.
std::uint64_t biased(Sum value)
{
    return static_cast<std::uint64_t>(value) ^ (std::uint64_t{1} << 63);
}

// Total, then rams, turkeys and pigs: always expressible.
bool hitsWords(const std::vector<HitsKey> &keys, std::vector<RankWords> &words)
{
    words.reserve(keys.size());
    for (const HitsKey &key : keys)
        words.push_back(
            {{biased(key.total), biased(key.passi), biased(key.kalkkuna), biased(key.sika), 0}});
    return true;
}

// A discipline's tie-break compares the five shoot-off entries as soon as either row has a first
// one, else the hits. When every row without a first entry has no later ones either, a row with
// a shoot-off ranks before an equal total without one, and the order is total, then shoot-off or
// not, then the entries or the hits. Later entries left without a first one take the long way.
bool disciplineWords(const std::vector<DisciplineKey> &keys, std::vector<RankWords> &words)
{
    for (size_t r = 1; r < keys.size(); ++r)
        if (!keys[r].hasShootOff && (keys[r].finals.high != 0 || keys[r].finals.low != 0))
            return false;
    words.reserve(keys.size());
    for (const DisciplineKey &key : keys) {
        if (key.hasShootOff)
            words.push_back({{biased(key.total), 1, key.finals.high, key.finals.low, 0}});
        else
            words.push_back({{biased(key.total), 0, biased(key.passi), biased(key.kalkkuna),
                biased(key.sika)}});
    }
    return true;
}

} // namespace

bool disciplineRanksBefore(const TTulosRivi &b, const TTulosRivi &a)
{
    const DisciplineKey kb = disciplineKey(b), ka = disciplineKey(a);
    return kb.total > ka.total || (kb.total == ka.total && disciplineTieBreak(kb, ka));
}

namespace {

bool tiedInSection(const TTulosRivi &listed, const TTulosRivi &next)
{
    return next.Yhteensa == listed.Yhteensa && next.Luokka == listed.Luokka
        && !disciplineRanksBefore(next, listed) && !disciplineRanksBefore(listed, next);
}

ListLine heading(const QString &text)
{
    return ListLine{true, {text}};
}

// A line of a discipline tab.
ListLine competitorLine(const TTulosRivi &row, const ListColumns &columns)
{
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(columns.size()));
    for (const ListColumn &column : columns)
        if (column.caption)
            cells << cellText(column, row, ListOutput::Tab);
    return ListLine{false, cells};
}

// The next row of the same class below row k, or 0.
int nextRowOfClass(const TulosTaulukko &table, int k)
{
    for (int n = k + 1; n <= TulosTaulukko::LastRankedRow; ++n)
        if (table[n].Luokka.sameText(table[k].Luokka))
            return n;
    return 0;
}

// ---- aggregates ----

bool entered(const TKilpailija &k, std::initializer_list<Laji> disciplines)
{
    return std::all_of(
        disciplines.begin(), disciplines.end(), [&](Laji d) { return k.Osallistuu[d]; });
}

bool meetsEntryCondition(const TKilpailija &k, Aggregate a)
{
    switch (a) {
    case Aggregate::BBP:
        return entered(k, {BBPR, BBPS, BBPU}) && (k.Osallistuu[BBPC] || k.Osallistuu[BBPP]);
    case Aggregate::SBP:
        return entered(k, {SBPR, SBPS, SBPU}) && (k.Osallistuu[SBPC] || k.Osallistuu[SBPP]);
    case Aggregate::Standing: return entered(k, {BBPS, SBPS, FPP, FPPAS});
    case Aggregate::FP: return entered(k, {FPP, FPPAS});
    case Aggregate::SBR: return entered(k, {SBRS, SBRL});
    case Aggregate::BBR: return entered(k, {BBRS, BBRH});
    }
    return false;
}

// BBP, SBP and Standing rows sit at the competitor's slot; the others are packed.
bool slotIndexed(Aggregate a)
{
    return a == Aggregate::BBP || a == Aggregate::SBP || a == Aggregate::Standing;
}

// Aggregates whose total is the sum of the hit counts rather than of the discipline totals.
bool totalFromHits(Aggregate a)
{
    return slotIndexed(a);
}

void fillAggregateRow(
    const TKilpailija &k, Aggregate a, std::initializer_list<Laji> counted, TAggrKilpailija &row)
{
    row.Numero = k.Numero;
    row.Nimi = k.Nimi;
    row.Seura = k.Seura.text();
    row.Kana = row.Sika = row.Kalkkuna = row.Passi = 0;
    Sum totals = 0;
    for (Laji d : counted) {
        row.Kana += k.Kana[d];
        row.Sika += k.Sika[d];
        row.Kalkkuna += k.Kalkkuna[d];
        row.Passi += k.Passi[d];
        totals += k.Yhteensa[d];
    }
    for (Laji d : aggregateInfo(a).disciplines)
        row.Lajit[d] = k.Yhteensa[d];
    row.Yhteensa = totalFromHits(a) ? row.Kana + row.Sika + row.Kalkkuna + row.Passi : totals;
}

// Builds the competitor's aggregate row; returns false when the competitor gets none.
bool buildAggregateRow(const TKilpailija &k, Aggregate a, TAggrKilpailija &row)
{
    switch (a) {
    case Aggregate::BBP:
    case Aggregate::SBP: {
        const bool bbp = a == Aggregate::BBP;
        const bool p = bbp ? k.BBPPAggr : k.SBPPAggr;
        const bool c = bbp ? k.BBPCAggr : k.SBPCAggr;
        if (!p && !c)
            return false;
        const Laji r = bbp ? BBPR : SBPR, s = bbp ? BBPS : SBPS, u = bbp ? BBPU : SBPU;
        // With both choices set the row is built for P and then again for C: C counts.
        fillAggregateRow(k, a, {r, s, u, c ? (bbp ? BBPC : SBPC) : (bbp ? BBPP : SBPP)}, row);
        row.CAggr = c;
        row.PAggr = p;
        return true;
    }
    case Aggregate::Standing: fillAggregateRow(k, a, {BBPS, SBPS, FPP, FPPAS}, row); return true;
    case Aggregate::FP: fillAggregateRow(k, a, {FPP, FPPAS}, row); return true;
    case Aggregate::SBR: fillAggregateRow(k, a, {SBRS, SBRL}, row); return true;
    case Aggregate::BBR: fillAggregateRow(k, a, {BBRS, BBRH}, row); return true;
    }
    return false;
}

HitsKey aggrKey(const TAggrKilpailija &row)
{
    return hitsKey(row.Yhteensa, row.Passi, row.Kalkkuna, row.Sika);
}

// ---- team standings ----

void copyMemberFigures(const TAggrKilpailija &row, TeamGroup g, int m, TJoukkueTulos &team)
{
    team.Kana[m] = row.Kana;
    team.Sika[m] = row.Sika;
    team.Kalkkuna[m] = row.Kalkkuna;
    team.Passi[m] = row.Passi;
    team.Yhteensa[m] = row.Yhteensa;
    for (const ListColumn &column : teamListColumns(g))
        if (column.value == ColumnValue::TeamFigure)
            team.Lajit.at(static_cast<size_t>(column.index))[m]
                = row.PAggr ? row.Lajit[column.discipline] : row.Lajit[column.alternative];
}

void sumTeam(std::array<Sum, 4> &figures)
{
    figures[3] = figures[0] + figures[1] + figures[2];
}

// Teams rank by their sums.
HitsKey teamKey(const TJoukkueTulos &row)
{
    return hitsKey(row.Yhteensa[3], row.Passi[3], row.Kalkkuna[3], row.Sika[3]);
}

} // namespace

// ---- disciplines ----

void collectDiscipline(const Kilpailu &kilpailu, int d, TulosTaulukko &table)
{
    table.clear();
    int r = 1;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (!k.Osallistuu[d] || k.Nimi.isEmpty())
            continue;
        TTulosRivi &row = table[r++];
        row.Sijoitus = k.Sijoitus[d];
        row.Numero = k.Numero;
        row.Nimi = k.Nimi;
        row.Seura = k.Seura;
        row.Luokka = k.Luokka[d];
        row.Kana = k.Kana[d];
        row.Sika = k.Sika[d];
        row.Kalkkuna = k.Kalkkuna[d];
        row.Passi = k.Passi[d];
        row.Yhteensa = k.Yhteensa[d];
        row.Ase = k.Ase[d];
        row.Malli = k.Malli[d];
        if (discipline(d).hasCaliber)
            row.Kaliiperi = k.Kaliiperi[d];
        for (int n = 0; n < FinaaliCount; ++n)
            row.f[n] = k.f[n][d];
    }
}

void classifyUnclassed(TulosTaulukko &table, int d, std::int32_t bbpShots)
{
    const Str6 eiluok(Luokat::Eiluok);
    for (int r = 1; r <= TulosTaulukko::RowCount; ++r) {
        TTulosRivi &row = table[r];
        if (row.Luokka.sameText(eiluok))
            row.Luokka.setText(classFromScore(d, row.Yhteensa, bbpShots));
    }
}

void sortDiscipline(TulosTaulukko &table)
{
    exchangeSort(
        table, [](const TTulosRivi &row) { return disciplineKey(row); },
        [](const DisciplineKey &b, const DisciplineKey &a) { return disciplineTieBreak(b, a); },
        disciplineWords);
    // Readers know a blank row by its empty name; gun, model, caliber and position may remain.
    TTulosRivi &buffer = table[TulosTaulukko::BufferRow];
    buffer.Numero = buffer.Kana = buffer.Sika = buffer.Kalkkuna = buffer.Passi = 0;
    buffer.Yhteensa = 0;
    buffer.Nimi.clear();
    buffer.Seura.clear();
    buffer.Luokka.clear();
    for (Str2 &entry : buffer.f)
        entry.clear();
}

namespace {

// Writes the positions of a sorted discipline table and, when lines is given, the tab's lines.
void placeDiscipline(int d, TulosTaulukko &table, ListLines *lines)
{
    const ListColumns &columns = disciplineListColumns(d);
    if (lines)
        *lines = {heading(disciplineCode(d))};
    int overall = 1; // the overall first three are numbered 1, 2, 3 even when tied
    int c = 1;
    int q = 1;
    for (const ListStep &step : disciplineListWalk(table, classSections(d))) {
        if (step.isHeading()) {
            c = q = 1;
            if (lines)
                *lines << heading(step.section);
            continue;
        }
        TTulosRivi &row = table[step.row];
        if (step.section.isEmpty()) {
            row.Sijoitus = overall++;
        } else {
            row.Sijoitus = q;
            ++c;
            // Ties are judged against the next competitor of the same class, so a competitor of
            // another class standing between two tied ones does not split their position.
            const int next = nextRowOfClass(table, step.row);
            if (next == 0 || !tiedInSection(row, table[next]))
                q = c;
        }
        if (lines)
            *lines << competitorLine(row, columns);
    }
}

void collectAndSortDiscipline(const Kilpailu &kilpailu, int d, TulosTaulukko &table)
{
    collectDiscipline(kilpailu, d, table);
    classifyUnclassed(table, d, kilpailu.tiedot.shotCount(Group::BBP));
    sortDiscipline(table);
}

} // namespace

void rankDisciplineTable(const Kilpailu &kilpailu, int d, TulosTaulukko &table)
{
    collectAndSortDiscipline(kilpailu, d, table);
    placeDiscipline(d, table, nullptr);
}

ListLines rankDiscipline(const Kilpailu &kilpailu, int d, TulosTaulukko &table)
{
    collectAndSortDiscipline(kilpailu, d, table);
    ListLines lines;
    placeDiscipline(d, table, &lines);
    return lines;
}

// ---- aggregates ----

void collectAggregate(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table)
{
    for (int r = 1; r <= AggrTaulukko::RowCount; ++r) {
        TAggrKilpailija &row = table[r];
        const std::int32_t sijoitus = row.Sijoitus;
        row = TAggrKilpailija{};
        row.Sijoitus = sijoitus;
    }
    // All 500 slots, including slot 500, can take part.
    const int n = std::max(1, kilpailu.kilpailijat.highestOccupied());
    int next = 1;
    for (int slot = 1; slot <= n; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (!meetsEntryCondition(k, a))
            continue;
        TAggrKilpailija &row = table[slotIndexed(a) ? slot : next];
        if (buildAggregateRow(k, a, row) && !slotIndexed(a))
            ++next;
    }
}

void sortAggregate(AggrTaulukko &table)
{
    exchangeSort(
        table, [](const TAggrKilpailija &row) { return aggrKey(row); },
        [](const HitsKey &b, const HitsKey &a) { return moreHits(b, a); }, hitsWords);
    table[AggrTaulukko::BufferRow] = TAggrKilpailija{};
}

QStringList aggregateColumnCaptions(Aggregate a)
{
    QStringList captions;
    for (const ListColumn &column : aggregateListColumns(a))
        if (column.caption
            && (column.value == ColumnValue::DisciplineTotal
                || column.value == ColumnValue::ChosenTotal))
            captions << QString::fromUtf8(column.caption);
    return captions;
}

QList<std::int32_t> aggregateColumnValues(const TAggrKilpailija &row, Aggregate a)
{
    QList<std::int32_t> values;
    for (const ListColumn &column : aggregateListColumns(a))
        if (column.caption
            && (column.value == ColumnValue::DisciplineTotal
                || column.value == ColumnValue::ChosenTotal))
            values << aggregateFigure(column, row);
    return values;
}

namespace {

// Writes the positions of a sorted aggregate table and, when lines is given, the tab's lines.
void placeAggregate(Aggregate a, AggrTaulukko &table, ListLines *lines)
{
    const ListColumns &columns = aggregateListColumns(a);
    if (lines)
        *lines = {heading(QString::fromLatin1(aggregateInfo(a).listTitle))};
    int position = 1;
    for (int r : aggregateListRows(table)) {
        TAggrKilpailija &row = table[r];
        // Aggregate positions are consecutive: tied competitors get different positions.
        row.Sijoitus = position++;
        if (!lines)
            continue;
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(columns.size()));
        for (const ListColumn &column : columns)
            if (column.caption)
                cells << cellText(column, row, ListOutput::Tab);
        *lines << ListLine{false, cells};
    }
}

} // namespace

void rankAggregateTable(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table)
{
    collectAggregate(kilpailu, a, table);
    sortAggregate(table);
    placeAggregate(a, table, nullptr);
}

ListLines rankAggregate(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table)
{
    collectAggregate(kilpailu, a, table);
    sortAggregate(table);
    ListLines lines;
    placeAggregate(a, table, &lines);
    return lines;
}

// ---- team standings ----

QString typedTeamName(const Str10 &stored)
{
    const QString name = stored.text();
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return blank < 0 ? name : name.left(blank);
}

QStringList teamFigureColumns(TeamGroup g)
{
    QStringList captions;
    for (const ListColumn &column : teamListColumns(g))
        if (column.value == ColumnValue::TeamFigure)
            captions << QString::fromUtf8(column.caption);
    return captions;
}

void collectTeams(
    const Kilpailu &kilpailu, TeamGroup g, const AggrTaulukko &aggregate, JoukkueTaulukko &table)
{
    table.clear();
    const QString word = QString::fromLatin1(teamGroupInfo(g).code);
    int next = 1;
    for (int slot = 1; slot <= MaxJoukkueet; ++slot) {
        const TJoukkue &joukkue = kilpailu.joukkueet[slot];
        if (!(joukkue.Laji == word))
            continue;
        TJoukkueTulos &team = table[next++];
        team.Sijoitus = joukkue.Numero;
        team.Nimi = joukkue.Nimi;
        team.Laji = joukkue.Laji;
        team.Kilpailija = joukkue.Kilpailija;
        // Members are matched by exact name; the last matching row of the table wins.
        for (int r = 1; r <= AggrTaulukko::RowCount; ++r) {
            const TAggrKilpailija &row = aggregate[r];
            if (row.Nimi.isEmpty())
                continue;
            for (int m = 0; m < 3; ++m)
                if (row.Nimi.sameText(team.Kilpailija[m]))
                    copyMemberFigures(row, g, m, team);
        }
        for (auto *figures : {&team.Kana, &team.Sika, &team.Kalkkuna, &team.Passi, &team.Yhteensa})
            sumTeam(*figures);
    }
}

void sortTeams(JoukkueTaulukko &table)
{
    exchangeSort(
        table, [](const TJoukkueTulos &row) { return teamKey(row); },
        [](const HitsKey &b, const HitsKey &a) { return moreHits(b, a); }, hitsWords);
    table[JoukkueTaulukko::BufferRow] = TJoukkueTulos{};
    numberTeams(table);
}

void numberTeams(JoukkueTaulukko &table)
{
    for (int k = 1; k <= JoukkueTaulukko::LastRankedRow && !table[k].Nimi.isEmpty(); ++k)
        table[k].Sijoitus = k;
}

void refreshResults(const Kilpailu &kilpailu, Tulokset &tulokset, TabLines tabLines)
{
    tulokset.source = rankingSource(kilpailu);
    const bool withLines = tabLines == TabLines::Build;
    const auto showDiscipline = [&](Laji d) {
        ListLines &lines = tulokset.lajiLines[d];
        if (withLines) {
            lines = rankDiscipline(kilpailu, d, tulokset.laji(d));
        } else {
            rankDisciplineTable(kilpailu, d, tulokset.laji(d));
            lines.clear();
        }
    };
    const auto showAggregate = [&](Aggregate a) {
        ListLines &lines = tulokset.aggrLines[ix(a)];
        if (withLines) {
            lines = rankAggregate(kilpailu, a, tulokset.aggregate(a));
        } else {
            rankAggregateTable(kilpailu, a, tulokset.aggregate(a));
            lines.clear();
        }
    };
    for (Laji d : {BBPR, BBPP, BBPC, BBPS, BBPU, FPP, FPPAS, SBPR, SBPP, SBPC, SBPS, SBPU})
        showDiscipline(d);
    for (Aggregate a : {Aggregate::BBP, Aggregate::FP, Aggregate::SBP, Aggregate::Standing})
        showAggregate(a);
    for (Laji d : {SBRS, SBRL, BBRS, BBRH})
        showDiscipline(d);
    for (Aggregate a : {Aggregate::BBR, Aggregate::SBR})
        showAggregate(a);
    for (TeamGroup g : {TeamGroup::BBP, TeamGroup::FP, TeamGroup::SBP, TeamGroup::SBR,
             TeamGroup::BBR, TeamGroup::Stand}) {
        const TeamGroupInfo &info = teamGroupInfo(g);
        collectTeams(kilpailu, g, tulokset.aggregate(info.aggregate), tulokset.standings(g));
        sortTeams(tulokset.standings(g));
    }
}

std::size_t rankingSource(const Kilpailu &kilpailu)
{
    std::size_t seed = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot)
        seed = qHashMulti(seed, kilpailu.kilpailijat[slot].toBytes());
    for (int slot = 1; slot <= MaxJoukkueet; ++slot)
        seed = qHashMulti(seed, kilpailu.joukkueet[slot].toBytes());
    for (const std::int32_t shots : kilpailu.tiedot.Laukaukset)
        seed = qHashMulti(seed, shots);
    return seed;
}

bool tablesAreCurrent(const Kilpailu &kilpailu, const Tulokset &tulokset)
{
    return tulokset.source == rankingSource(kilpailu);
}

} // namespace marvola
