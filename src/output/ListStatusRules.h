// The stages of a printed list: posted as provisional with a challenge window, declared official,
// reopened with a reason. What each status says under a list's heading, and which official lists
// a change of the match would alter (such a change is refused while they stay official).
#pragma once

#include "model/Registers.h"
#include "output/PrintLists.h"
#include "ranking/ShootOffs.h"

#include <QDateTime>
#include <QStringList>

namespace marvola {

// The line under a list's heading: "Provisional results, posted 14:05; challenges until 15:05",
// "Official results, 15:07"; empty for a list with no status. In the program's language, or in
// `language` when one is given (a page answered in its browser's language).
QString listStatusLine(const ListStatus &status, const QString &language = {});
// The status of the printed list with that caption; none for a list that has none.
ListStatus statusOfList(const Kilpailu &match, const QString &caption);

// The captions of a selection, in printing order.
QStringList selectedCaptions(const PrintSelection &selection);

// The lists posted as provisional at `now`, with a challenge window of that many minutes. An
// official list among them stays official.
void postLists(Kilpailu &match, const QStringList &captions, const QDateTime &now, int minutes);
// The lists declared official at `now`.
void declareOfficial(Kilpailu &match, const QStringList &captions, const QDateTime &now);
// The lists among them that are official, reopened with the reason: they have no status again
// until they are posted anew.
void reopenLists(Kilpailu &match, const QStringList &captions, const QString &reason);

// The lists among the captions whose challenge window has not ended at `now` (or that were never
// posted): declaring them official asks first.
QStringList listsStillOpenToChallenge(
    const Kilpailu &match, const QStringList &captions, const QDateTime &now);
// The undecided ties at prize places in the discipline lists among the captions.
UndecidedTies tiesInLists(const Kilpailu &match, const QStringList &captions);
// "Posted with a tie that needs a shoot-off: BBPR class A, places 2-3: 12 Aalto, 15 Berg."
QString postedTieWarning(const UndecidedTie &tie);

// The official lists (official before the change and still after it) whose content the change to
// `after` would alter: a result in them, a class, a name, a team or a shoot-off entry that moves a
// place. Empty when no list is official, at no cost.
QStringList alteredOfficialLists(const Kilpailu &before, const Kilpailu &after);
// What the official is told when such a change is refused.
QString officialRefusalMessage(const QStringList &captions);
// Both at once, as the match session's guard takes it: the refusal, or empty.
QString officialListsGuard(const Kilpailu &before, const Kilpailu &after);

} // namespace marvola
