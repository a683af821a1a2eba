// A full register for benchmarks: 500 competitors in all 16 disciplines and 100 teams.
#pragma once

#include "model/Registers.h"

#include <memory>

namespace marvola::testing {

inline std::unique_ptr<Kilpailu> fullMatch()
{
    auto match = std::make_unique<Kilpailu>();
    match->tiedot.Laukaukset.fill(40);
    match->tiedot.Mukana.fill(true);
    const QString classes[] = {Luokat::Int, Luokat::A, Luokat::B, Luokat::Eiluok};
    for (int i = 1; i <= MaxKilpailijat; ++i) {
        const int slot
            = *match->addCompetitor(QStringLiteral("Shooter %1").arg(i, 3, 10, QLatin1Char('0')),
                QStringLiteral("Club %1").arg(i % 37), QStringLiteral("FIN"));
        TKilpailija &k = match->kilpailijat[slot];
        for (int d = 0; d < LajiCount; ++d) {
            // Scores spread over the whole range with plenty of ties.
            const int seed = (i * 7 + d * 13) % 41;
            k.Osallistuu[d] = true;
            k.Luokka[d].setText(classes[(i + d) % 4]);
            k.Kana[d] = seed % 11;
            k.Sika[d] = (seed / 2) % 11;
            k.Kalkkuna[d] = (seed / 3) % 11;
            k.Passi[d] = (seed / 4) % 11;
            k.Yhteensa[d] = k.Kana[d] + k.Sika[d] + k.Kalkkuna[d] + k.Passi[d];
            if (i % 50 == 0)
                k.f[0][d].setText(QString::number(i % 10));
        }
        k.BBPPAggr = i % 2 == 0;
        k.BBPCAggr = !k.BBPPAggr;
    }
    const char *groups[] = {"BBP", "SBP", "FP", "SBR", "BBR", "Stand"};
    for (int t = 1; t <= MaxJoukkueet; ++t) {
        TJoukkue &j = match->joukkueet[t];
        const QString group = QString::fromLatin1(groups[t % 6]);
        j.Nimi.setText(QStringLiteral("T%1 %2").arg(t).arg(group));
        j.Laji.setText(group);
        for (int m = 0; m < 3; ++m)
            j.Kilpailija[m] = match->kilpailijat[(t * 3 + m) % MaxKilpailijat + 1].Nimi;
    }
    return match;
}

} // namespace marvola::testing
