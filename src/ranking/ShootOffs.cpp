#include "ranking/ShootOffs.h"

#include "ranking/ListColumns.h"
#include "ranking/Ranking.h"

#include <iterator>
#include <memory>

namespace marvola {

namespace {

bool tied(const TTulosRivi &a, const TTulosRivi &b)
{
    return !disciplineRanksBefore(a, b) && !disciplineRanksBefore(b, a);
}

// Zero everywhere is a competitor still to shoot, not a result tied with others still to shoot.
bool hasResult(const TTulosRivi &row)
{
    return row.Yhteensa != 0 || row.Kana != 0 || row.Sika != 0 || row.Kalkkuna != 0
        || row.Passi != 0;
}

// The ties among one list of rows in ranking order (the overall list, or a class section), where
// rows[i] stands on place i + 1; only those whose first place takes a prize.
void findTies(const TulosTaulukko &table, int d, const QString &luokka,
    const std::vector<int> &rows, UndecidedTies &found)
{
    size_t first = 0;
    while (first < rows.size() && static_cast<int>(first) < PrizePlaces) {
        size_t end = first + 1;
        while (end < rows.size() && tied(table[rows[first]], table[rows[end]]))
            ++end;
        UndecidedTie tie{d, luokka, 0, 0, {}};
        for (size_t i = first; i < end; ++i) {
            const TTulosRivi &row = table[rows[i]];
            if (!hasResult(row))
                continue;
            if (tie.competitors.empty())
                tie.firstPlace = static_cast<int>(i) + 1;
            tie.lastPlace = static_cast<int>(i) + 1;
            tie.competitors.push_back({rows[i], row.Numero, row.Nimi.text()});
        }
        if (tie.competitors.size() > 1 && tie.firstPlace <= PrizePlaces)
            found.push_back(std::move(tie));
        first = end;
    }
}

} // namespace

QString UndecidedTie::places() const
{
    return firstPlace == lastPlace ? QString::number(firstPlace)
                                   : QStringLiteral("%1-%2").arg(firstPlace).arg(lastPlace);
}

UndecidedTies undecidedTies(const TulosTaulukko &table, int d)
{
    UndecidedTies found;
    // The overall list goes on below its first three, so that a tie for third place takes in
    // every competitor of that tie.
    std::vector<int> overall;
    for (int r = 1; r <= TulosTaulukko::LastRankedRow && !table[r].Nimi.isEmpty(); ++r)
        overall.push_back(r);
    findTies(table, d, QString(), overall, found);
    // The class sections as the list walks them: from row 4 on, by class.
    std::vector<int> section;
    QString luokka;
    const auto flush = [&] {
        findTies(table, d, luokka, section, found);
        section.clear();
    };
    for (const ListStep &step : disciplineListWalk(table, classSections(d))) {
        if (step.isHeading()) {
            flush();
            luokka = step.section;
        } else if (!step.section.isEmpty()) {
            section.push_back(step.row);
        }
    }
    flush();
    return found;
}

UndecidedTies undecidedTies(const Tulokset &tulokset)
{
    UndecidedTies found;
    for (const Laji d : Orders::Tabs) {
        UndecidedTies ties = undecidedTies(tulokset.laji(d), d);
        std::move(ties.begin(), ties.end(), std::back_inserter(found));
    }
    return found;
}

UndecidedTies undecidedTies(const Kilpailu &kilpailu)
{
    UndecidedTies found;
    const auto table = std::make_unique<TulosTaulukko>();
    for (const Laji d : Orders::Tabs) {
        rankDisciplineTable(kilpailu, d, *table);
        UndecidedTies ties = undecidedTies(*table, d);
        std::move(ties.begin(), ties.end(), std::back_inserter(found));
    }
    return found;
}

} // namespace marvola
