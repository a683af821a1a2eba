#include "model/Plausibility.h"

#include <QCoreApplication>

#include <algorithm>

namespace marvola {

namespace {

// Shot counts whose targets split evenly over the four animals; other counts are not checked.
bool standardShotCount(std::int32_t shots)
{
    return shots == 40 || shots == 60 || shots == 80;
}

ResultField fieldOf(Target t)
{
    return static_cast<ResultField>(ix(t));
}

QString ruleText(const char *source)
{
    return QCoreApplication::translate("Plausibility", source);
}

} // namespace

QList<ResultProblem> checkResult(const TKilpailija &k, int d, std::int32_t shots)
{
    QList<ResultProblem> problems;
    const bool checkRange = standardShotCount(shots);
    const std::int32_t perAnimal = shots / 4;
    // Wide enough for four hit counts of any size.
    std::int64_t sum = 0;
    bool anyHits = false;
    for (const TargetInfo &target : Targets) {
        const std::int32_t hits = k.hits(target.target, d);
        const QString animal = QCoreApplication::translate("Disciplines", target.caption);
        sum += hits;
        anyHits = anyHits || hits != 0;
        if (hits < 0)
            problems.append({fieldOf(target.target),
                ruleText(QT_TRANSLATE_NOOP("Plausibility", "%1 hits below 0")).arg(animal)});
        else if (checkRange && hits > perAnimal)
            problems.append({fieldOf(target.target),
                ruleText(QT_TRANSLATE_NOOP(
                             "Plausibility", "%1 hits above %2, the targets of one animal"))
                    .arg(animal)
                    .arg(perAnimal)});
    }
    const std::int32_t total = k.Yhteensa[d];
    if (checkRange && total > shots)
        problems.append({ResultField::Yhteensa,
            ruleText(QT_TRANSLATE_NOOP("Plausibility", "Total above %1, the shots")).arg(shots)});
    if (anyHits && total != sum)
        problems.append({ResultField::Yhteensa,
            ruleText(QT_TRANSLATE_NOOP("Plausibility", "Total %1 is not the sum of the hits, %2"))
                .arg(total)
                .arg(sum)});
    return problems;
}

bool hasResultsEntered(const TKilpailija &k)
{
    for (int d = 0; d < LajiCount; ++d) {
        if (k.Yhteensa[d] != 0)
            return true;
        for (const TargetInfo &target : Targets)
            if (k.hits(target.target, d) != 0)
                return true;
    }
    return false;
}

QList<ImplausibleResult> implausibleResults(const Kilpailu &kilpailu)
{
    QList<ImplausibleResult> found;
    for (int slot = 1; slot <= Kilpailijarekisteri::SlotCount; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        // The entry dialog shows the groups in this order, each with its disciplines.
        for (const GroupInfo &group : Groups) {
            for (const Laji d : group.members) {
                if (!k.Osallistuu[d])
                    continue;
                const auto problems = checkResult(k, d, kilpailu.tiedot.shotCount(group.group));
                if (problems.isEmpty())
                    continue;
                ImplausibleResult result{slot, k.Numero, k.Nimi.text(), d, {}};
                for (const ResultProblem &problem : problems)
                    result.rules << problem.rule;
                found << result;
            }
        }
    }
    std::stable_sort(found.begin(), found.end(),
        [](const ImplausibleResult &a, const ImplausibleResult &b) { return a.numero < b.numero; });
    return found;
}

} // namespace marvola
