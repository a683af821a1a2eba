// Builds small matches in memory for the ranking and output tests.
#pragma once

#include "model/Registers.h"
#include "support/QtPrinters.h"

#include <memory>
#include <vector>

namespace marvola::testing {

struct Hits
{
    int kana = 0, sika = 0, kalkkuna = 0, passi = 0;
    int total() const { return kana + sika + kalkkuna + passi; }
};

class MatchBuilder
{
public:
    MatchBuilder()
        : m_match(std::make_unique<Kilpailu>())
    { }

    // Adds a competitor in the next free slot and returns the slot.
    int competitor(const QString &name, const QString &club = QStringLiteral("Club"))
    {
        return *m_match->addCompetitor(name, club, QStringLiteral("FIN"));
    }
    // Enters slot in discipline d with class and hits; the total is the sum unless given.
    MatchBuilder &enter(int slot, int d, const QString &luokka, Hits hits, int total = -1)
    {
        TKilpailija &k = m_match->kilpailijat[slot];
        k.Osallistuu[d] = true;
        k.Luokka[d].setText(luokka);
        k.Kana[d] = hits.kana;
        k.Sika[d] = hits.sika;
        k.Kalkkuna[d] = hits.kalkkuna;
        k.Passi[d] = hits.passi;
        k.Yhteensa[d] = total >= 0 ? total : hits.total();
        return *this;
    }
    MatchBuilder &finals(int slot, int d, const std::vector<const char *> &entries)
    {
        int n = 0;
        for (const char *entry : entries)
            m_match->kilpailijat[slot].f[n++][d].setText(QString::fromLatin1(entry));
        return *this;
    }
    MatchBuilder &team(const QString &storedName, const QString &laji, const QString &a,
        const QString &b, const QString &c)
    {
        const int slot = *m_match->joukkueet.freeSlot();
        TJoukkue &j = m_match->joukkueet[slot];
        j.Nimi.setText(storedName);
        j.Laji.setText(laji);
        j.Kilpailija[0].setText(a);
        j.Kilpailija[1].setText(b);
        j.Kilpailija[2].setText(c);
        return *this;
    }

    Kilpailu &match() { return *m_match; }
    TKilpailija &at(int slot) { return m_match->kilpailijat[slot]; }

private:
    std::unique_ptr<Kilpailu> m_match;
};

} // namespace marvola::testing
