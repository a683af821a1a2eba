// The refresh without the tab lines, as the batch outputs run it.
#include "ranking/Ranking.h"
#include "support/FullMatch.h"

#include <gtest/gtest.h>

using namespace marvola;

namespace {

// The figures an output reads from a row: who stands where, with which position and total.
template<typename Row> std::string placing(const Row &row)
{
    return std::to_string(row.Sijoitus) + ' ' + row.Nimi.bytes().toStdString() + ' '
        + std::to_string(row.Numero);
}
std::string placing(const TJoukkueTulos &row)
{
    return std::to_string(row.Sijoitus) + ' ' + row.Nimi.bytes().toStdString() + ' '
        + std::to_string(row.Yhteensa[3]);
}

template<typename Table> void expectSamePlacings(const Table &built, const Table &skipped)
{
    for (int r = 1; r <= Table::RowCount; ++r)
        ASSERT_EQ(placing(skipped[r]), placing(built[r])) << "row " << r;
}

} // namespace

// A full match has ties, shoot-off entries and unclassed competitors in every table, so any
// position the lines' pass alone wrote would show here.
TEST(RefreshWithoutTabLines, RanksAndPlacesLikeTheWindowsRefresh)
{
    const auto match = marvola::testing::fullMatch();
    auto built = std::make_unique<Tulokset>();
    refreshResults(*match, *built, TabLines::Build);
    // Lines of an earlier refresh must not outlive a refresh that skips them.
    auto skipped = std::make_unique<Tulokset>();
    refreshResults(*match, *skipped, TabLines::Build);
    refreshResults(*match, *skipped, TabLines::Skip);

    for (int d = 0; d < LajiCount; ++d) {
        SCOPED_TRACE(disciplineCode(d).toStdString());
        expectSamePlacings(built->laji(d), skipped->laji(d));
        EXPECT_FALSE(built->lajiLines[static_cast<size_t>(d)].isEmpty());
        EXPECT_TRUE(skipped->lajiLines[static_cast<size_t>(d)].isEmpty());
    }
    for (const AggregateInfo &info : Aggregates) {
        SCOPED_TRACE(info.code);
        expectSamePlacings(built->aggregate(info.aggregate), skipped->aggregate(info.aggregate));
        EXPECT_TRUE(skipped->aggrLines[static_cast<size_t>(ix(info.aggregate))].isEmpty());
    }
    for (const TeamGroupInfo &info : TeamGroups) {
        SCOPED_TRACE(info.code);
        expectSamePlacings(built->standings(info.group), skipped->standings(info.group));
    }
}
