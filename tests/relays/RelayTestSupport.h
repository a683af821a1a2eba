// Plans and matches for the relay tests: plans written as their CSV lines, entries by code.
#pragma once

#include "model/Disciplines.h"
#include "relays/RelayPlan.h"
#include "support/MatchBuilder.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace marvola::testing {

// A plan from its relay lines, the heading added; a line it refuses fails the test.
inline RelayPlan planOf(const QStringList &relayLines)
{
    const ParsedRelayPlan parsed = parseRelayPlan(
        (QStringLiteral("disciplines;relay;start;minutes;points\n") + relayLines.join(u'\n'))
            .toUtf8());
    EXPECT_TRUE(parsed.ok()) << parsed.errors.join(u'\n').toStdString();
    return parsed.plan;
}

inline int codeIndex(const QString &code)
{
    for (const DisciplineInfo &info : Disciplines)
        if (code == QLatin1String(info.code))
            return info.d;
    ADD_FAILURE() << "no discipline " << code.toStdString();
    return 0;
}

// A competitor entered in the disciplines of a blank-separated list; returns the slot, whose
// number is the slot's in a match built from empty.
inline int entrant(MatchBuilder &b, const QString &name, const QString &codes,
    const QString &club = QStringLiteral("Club"))
{
    const int slot = b.competitor(name, club);
    for (const QString &code : codes.split(u' ', Qt::SkipEmptyParts))
        b.at(slot).Osallistuu[codeIndex(code)] = true;
    return slot;
}

} // namespace marvola::testing
