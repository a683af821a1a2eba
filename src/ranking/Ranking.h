// The refresh of the derived tables: collect, class from score, sort and show, per discipline,
// aggregate and team group.
#pragma once

#include "ranking/Tables.h"

namespace marvola {

// Discipline ranking of discipline d: one routine for all sixteen disciplines.
void collectDiscipline(const Kilpailu &kilpailu, int d, TulosTaulukko &table);
void classifyUnclassed(TulosTaulukko &table, int d, std::int32_t bbpShots);
void sortDiscipline(TulosTaulukko &table);
// Whether row b ranks before row a in a discipline: the order the sort leaves the rows in. Two
// rows of which neither ranks before the other are tied as far as the results can tell.
bool disciplineRanksBefore(const TTulosRivi &b, const TTulosRivi &a);
// Runs collect, class from score and sort, writes the positions and returns the tab's lines.
ListLines rankDiscipline(const Kilpailu &kilpailu, int d, TulosTaulukko &table);
// The same ranking and positions without the tab's lines, for outputs that read only the table.
void rankDisciplineTable(const Kilpailu &kilpailu, int d, TulosTaulukko &table);

// Aggregates: one routine for all six.
void collectAggregate(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
void sortAggregate(AggrTaulukko &table);
ListLines rankAggregate(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
void rankAggregateTable(const Kilpailu &kilpailu, Aggregate a, AggrTaulukko &table);
// The discipline columns of an aggregate's tab ("P/C", "R", "S", "U" for BBP and SBP), and a
// row's values for them: "P/C" shows the P discipline's total when the P choice is set. Both are
// read off the aggregate list's description (ranking/ListColumns.h).
QStringList aggregateColumnCaptions(Aggregate a);
QList<std::int32_t> aggregateColumnValues(const TAggrKilpailija &row, Aggregate a);

// Team standings: one routine for all six team groups.
void collectTeams(
    const Kilpailu &kilpailu, TeamGroup g, const AggrTaulukko &aggregate, JoukkueTaulukko &table);
// Sorts the standings and numbers the teams in their new order.
void sortTeams(JoukkueTaulukko &table);
// A team's position is its row among the named rows up to the first nameless one: 1, 2, 3, ...
// in row order, so tied teams get different numbers. Written into Sijoitus, which the printed
// lists read.
void numberTeams(JoukkueTaulukko &table);
// Captions of a team group's member discipline figures, in the standings' order ("BBPR",
// "BBPPC", ...), from the team list's description.
QStringList teamFigureColumns(TeamGroup g);
// A stored team name is the typed name, a blank and the group word: the typed part.
QString typedTeamName(const Str10 &stored);

// Whether a refresh builds the tab lines of the main window. The files, the report and the
// upload read only the tables, so the batch mode skips the lines.
enum class TabLines { Build, Skip };

// Every discipline, aggregate and team standing, in the order of the main window's refresh.
// Skipping the tab lines leaves them empty; the tables and positions are the same.
void refreshResults(
    const Kilpailu &kilpailu, Tulokset &tulokset, TabLines tabLines = TabLines::Build);

// A fingerprint of everything the rankings are made from: every competitor and team record and
// the shots of the groups. Any change of a stored value changes it.
std::size_t rankingSource(const Kilpailu &kilpailu);
// True when the tables were ranked from the registers as they are now. An output made while this
// is false (a dialog still open, a path that skipped the refresh) refreshes first.
bool tablesAreCurrent(const Kilpailu &kilpailu, const Tulokset &tulokset);

} // namespace marvola
