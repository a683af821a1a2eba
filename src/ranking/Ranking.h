// The refresh of the derived tables: collect, class from score, sort and show, per discipline,
// aggregate and team group.
#pragma once

#include "ranking/Tables.h"

namespace marvola {

// Discipline ranking of discipline d (PlokkaaBBPC / JarjestaBBPC / UpdateBBPC and siblings).
void PlokkaaLaji(const Kilpailu &kilpailu, int d, TulosTaulukko &table);
void luokitaEiluok(TulosTaulukko &table, int d, std::int32_t bbpShots);
void JarjestaLaji(TulosTaulukko &table);
// Runs collect, class from score and sort, writes the positions and returns the tab's lines.
ListLines UpdateLaji(const Kilpailu &kilpailu, int d, TulosTaulukko &table);
// The same ranking and positions without the tab's lines, for outputs that read only the table.
void rankLaji(const Kilpailu &kilpailu, int d, TulosTaulukko &table);

// Aggregates (PlokkaaBBPAggr / JarjestaBBPAggr / UpdateBBPAggr and siblings).
void PlokkaaAggr(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
void JarjestaAggr(AggrTaulukko &table);
ListLines UpdateAggr(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
void rankAggr(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
// The discipline columns of an aggregate's tab ("P/C", "R", "S", "U" for BBP and SBP), and a
// row's values for them: "P/C" shows the P discipline's total when the P choice is set.
QStringList aggregateColumnCaptions(Aggregate a);
QList<std::int32_t> aggregateColumnValues(const TAggrKilpailija &row, Aggregate a);

// Team standings (PlokkaaBBPJoukkue / JarjestaBBPJoukkue and siblings).
void PlokkaaJoukkue(
    const Kilpailu &kilpailu, TeamGroup g, const AggrTaulukko &aggregate, JoukkueTaulukko &table);
void JarjestaJoukkue(JoukkueTaulukko &table);
// Captions of a team group's member discipline figures, in order ("BBPR", "BBPPC", ...).
QStringList teamFigureColumns(TeamGroup g);

// Whether a refresh builds the tab lines of the main window. The files, the report and the
// upload read only the tables, so the batch mode skips the lines.
enum class TabLines { Build, Skip };

// Every discipline, aggregate and team standing, in the order of the main window's refresh.
// Skipping the tab lines leaves them empty; the tables and positions are the same.
void refreshResults(
    const Kilpailu &kilpailu, Tulokset &tulokset, TabLines tabLines = TabLines::Build);

} // namespace marvola
