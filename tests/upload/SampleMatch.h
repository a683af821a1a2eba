// A small match for the upload tests: FP competitors in every class (an Eiluok row among them),
// two in FPPAS, and one BBPC competitor who stays behind when FP is sent.
#pragma once

#include "model/Registers.h"
#include "ranking/Ranking.h"
#include "ranking/Tables.h"

namespace marvola::test {

struct Competitor
{
    const char *nimi;
    const char *maa;
    Laji d;
    const char *luokka;
    int yhteensa;
};

// FP is the group the tests send; BBPC must stay behind.
inline constexpr Competitor Competitors[] = {
    {"Aalto Aki", "FIN", FPP, "Int", 35},
    {"Berg Bo", "SWE", FPP, "A", 30},
    {"Carlsson Cay", "NOR", FPP, "B", 20},
    {"Dahl Dan", "FIN", FPP, "A", 38},
    {"Ek Eva", "EST", FPP, "Eiluok", 25},
    {"Forsman Fia", "FIN", FPP, "Int", 31},
    {"Aalto Aki", "", FPPAS, "Int", 29},
    {"Berg Bo", "", FPPAS, "B", 10},
    {"Grön Gus", "ÅLA", BBPC, "A", 33},
};

inline void fillSampleMatch(Kilpailu &kilpailu, Tulokset &tulokset)
{
    TKilpailunTiedot &tiedot = kilpailu.tiedot;
    tiedot.Alkupvm = QDate(2026, 6, 13);
    tiedot.LoppuPvm = QDate(2026, 6, 14);
    tiedot.Paikka = QStringLiteral("Hyvinkää");
    tiedot.Seura = QStringLiteral("HyMAS");
    tiedot.Taso = QStringLiteral("SM");
    tiedot.Laukaukset[ix(Group::FP)] = 60;
    for (const Competitor &c : Competitors) {
        const QString nimi = QString::fromUtf8(c.nimi);
        int slot = kilpailu.kilpailijat.slotByName(nimi).value_or(0);
        if (slot == 0)
            slot
                = *kilpailu.addCompetitor(nimi, QStringLiteral("SeuraX"), QString::fromUtf8(c.maa));
        TKilpailija &k = kilpailu.kilpailijat[slot];
        k.Osallistuu[c.d] = true;
        k.Luokka[c.d] = QString::fromLatin1(c.luokka);
        k.Yhteensa[c.d] = c.yhteensa;
        k.Ase[c.d] = QStringLiteral("Ruger");
    }
    refreshResults(kilpailu, tulokset);
}

} // namespace marvola::test
