// The main window's refresh on a full match fills every tab with its ranking table's lines.
// (window_benchmark times the same refresh.)
#include "ProgramFixture.h"
#include "support/FullMatch.h"

#include <QApplication>

using namespace marvola;
using namespace marvola::testing;

namespace {

using FullMatchRefresh = ProgramTest;

TEST_F(FullMatchRefresh, FillsEveryTab)
{
    kilpailu() = std::move(*fullMatch());
    form.refresh();
    QApplication::processEvents();

    EXPECT_EQ(listedNames().size(), 500);
    const Tulokset &tulokset = program.tulokset();
    for (int d = 0; d < LajiCount; ++d)
        EXPECT_EQ(linesOf(disciplineCode(d) + QStringLiteral("Ruutu")),
            tulokset.lajiLines[static_cast<size_t>(d)]);
    for (const AggregateInfo &info : Aggregates)
        EXPECT_EQ(linesOf(QLatin1String(info.code) + QStringLiteral("AggrRuutu")),
            tulokset.aggrLines[static_cast<size_t>(ix(info.aggregate))]);
    EXPECT_GT(linesOf(QStringLiteral("BBPRRuutu")).size(), 300);
}

} // namespace
