#include "ui/ChoiceLists.h"

namespace marvola {

QStringList clubChoices()
{
    return {QStringLiteral("BBC"), QStringLiteral("BS-PA"), QStringLiteral("HAUR"),
        QStringLiteral("HeiA"), QStringLiteral("HyMAS"), QStringLiteral("JuRy"),
        QStringLiteral("KajA"), QStringLiteral("KeSA"), QStringLiteral("KUa"),
        QStringLiteral("KuuA"), QStringLiteral("LaSa"), QStringLiteral("LS&PK"),
        QStringLiteral("OMAS"), QStringLiteral("PiSA"), QStringLiteral("PorkkA"),
        QStringLiteral("PSA"), QStringLiteral("RS"), QStringLiteral("SA"), QStringLiteral("SaSa"),
        QStringLiteral("SMAS"), QStringLiteral("SomAS"), QStringLiteral("SSG"),
        QStringLiteral("SWC"), QStringLiteral("TaSa"), QStringLiteral("TorSA"),
        QStringLiteral("VamSa"), QStringLiteral("YVA")};
}

QStringList nationalityChoices()
{
    return {QStringLiteral("FIN"), QStringLiteral("SWE"), QStringLiteral("NOR"),
        QStringLiteral("GER"), QStringLiteral("FRA"), QStringLiteral("RUS"), QStringLiteral("USA")};
}

QStringList levelChoices()
{
    return {QStringLiteral("Kans."), QStringLiteral("Enk."), QStringLiteral("SM"),
        QStringLiteral("PM"), QStringLiteral("EM"), QStringLiteral("MM")};
}

} // namespace marvola
