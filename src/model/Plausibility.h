// Plausibility of typed results: hit counts and totals that are probably typing mistakes.
#pragma once

#include "model/Registers.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace marvola {

// The fields of one discipline's result that a rule can point at.
enum class ResultField { Kana, Sika, Kalkkuna, Passi, Yhteensa };

struct ResultProblem
{
    ResultField field;
    QString rule; // the rule in words, as the official reads it
};

// The problems of competitor k's result in discipline d, whose group is shot with `shots` shots.
// Nothing is refused: these only point at entries worth a second look. The rules:
// - a hit count below 0;
// - with 40, 60 or 80 shots: a hit count above a quarter of the shots (the targets of one
//   animal), or a total above the shots;
// - a total other than the sum of the hits while any hit count is non-zero (a total typed alone,
//   every hit count 0, is fine).
QList<ResultProblem> checkResult(const TKilpailija &k, int d, std::int32_t shots);

// True when any hit count or total of any discipline is non-zero: removing the competitor would
// lose typed results.
bool hasResultsEntered(const TKilpailija &k);

// One competitor's discipline whose result breaks a rule.
struct ImplausibleResult
{
    int slot;
    std::int32_t numero;
    QString nimi;
    Laji d;
    QStringList rules; // in the order of the fields: the hit counts, then the total
};

// Every entered discipline of every competitor that breaks a rule, by competitor number and then
// in the order of the entry dialog's disciplines.
QList<ImplausibleResult> implausibleResults(const Kilpailu &kilpailu);

} // namespace marvola
