#include "model/Registers.h"

#include <limits>

namespace marvola {

void Kilpailu::clearCompetitorRegister()
{
    ViimeNumero = 0;
    extras.clear();
    assignments.clear();
    // Converted once: the register has 8000 class fields.
    static const QByteArray intClass = toCp1252(Luokat::Int);
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        TKilpailija &k = kilpailijat[slot];
        k.Numero = 0;
        k.Nimi.clear();
        k.Seura.clear();
        k.Maa.clear();
        for (int d = 0; d < LajiCount; ++d) {
            k.Osallistuu[d] = false;
            k.Luokka[d].setBytes(intClass);
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

std::optional<std::int32_t> Kilpailu::takeNextNumber(QString &error)
{
    if (ViimeNumero >= std::numeric_limits<std::int32_t>::max()) {
        error = QStringLiteral("No competitor or team number is left: the last number given is "
                               "%1, the largest there is.")
                    .arg(ViimeNumero);
        return std::nullopt;
    }
    return ++ViimeNumero;
}

std::optional<int> Kilpailu::addCompetitor(
    const QString &nimi, const QString &seura, const QString &maa, QString &error)
{
    const auto slot = kilpailijat.freeSlot();
    if (!slot) {
        error = QStringLiteral("The register is full: a match can have %1 competitors.")
                    .arg(MaxKilpailijat);
        return std::nullopt;
    }
    const auto number = takeNextNumber(error);
    if (!number)
        return std::nullopt;
    TKilpailija &k = kilpailijat[*slot];
    k.Numero = *number;
    k.Nimi.setText(nimi);
    k.Seura.setText(seura);
    k.Maa.setText(maa);
    return slot;
}

std::optional<int> Kilpailu::addCompetitor(
    const QString &nimi, const QString &seura, const QString &maa)
{
    QString ignored;
    return addCompetitor(nimi, seura, maa, ignored);
}

void Kilpailu::removeCompetitor(int slot)
{
    TKilpailija &k = kilpailijat[slot];
    k.Nimi.clear();
    k.Seura.clear();
    k.Maa.clear();
    k.Osallistuu.fill(false);
    k.BBPPAggr = k.BBPCAggr = k.SBPPAggr = k.SBPCAggr = false;
    extras[slot] = CompetitorExtras{};
}

} // namespace marvola
