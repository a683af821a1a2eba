#include "model/Registers.h"

namespace marvola {

void Kilpailu::clearCompetitorRegister()
{
    ViimeNumero = 0;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        TKilpailija &k = kilpailijat[slot];
        k.Numero = 0;
        k.Nimi.clear();
        k.Seura.clear();
        k.Maa.clear();
        for (int d = 0; d < LajiCount; ++d) {
            k.Osallistuu[d] = false;
            k.Luokka[d].setText(Luokat::Int);
            k.Ase[d].clear();
            k.Malli[d].clear();
            k.Kaliiperi[d].clear();
            k.Sijoitus[d] = k.Kana[d] = k.Sika[d] = k.Kalkkuna[d] = k.Passi[d] = k.Yhteensa[d] = 0;
            for (auto &finaali : k.f)
                finaali[d].clear();
        }
        k.BBPPAggr = true;
        k.BBPCAggr = false;
        k.SBPPAggr = true;
        k.SBPCAggr = false;
    }
}

std::optional<int> Kilpailu::addCompetitor(
    const QString &nimi, const QString &seura, const QString &maa)
{
    const auto slot = kilpailijat.freeSlot();
    if (!slot)
        return std::nullopt;
    TKilpailija &k = kilpailijat[*slot];
    k.Numero = ++ViimeNumero;
    k.Nimi.setText(nimi);
    k.Seura.setText(seura);
    k.Maa.setText(maa);
    return slot;
}

void Kilpailu::removeCompetitor(int slot)
{
    TKilpailija &k = kilpailijat[slot];
    k.Nimi.clear();
    k.Seura.clear();
    k.Maa.clear();
    k.Osallistuu.fill(false);
    k.BBPPAggr = k.BBPCAggr = k.SBPPAggr = k.SBPCAggr = false;
}

} // namespace marvola
