// One row of Kilpailut for the upload tests: a shoot-off, Finnish letters and a quote in the name.
#pragma once

#include "upload/Statements.h"

namespace marvola::test {

inline KilpailutRivi sampleRivi()
{
    KilpailutRivi r;
    r.Alkupvm = QStringLiteral("2026-12-09");
    r.Loppupvm = QStringLiteral("2026-12-10");
    r.Paikka = QStringLiteral("Hämeenlinna");
    r.JSeura = QStringLiteral("HAUR");
    r.Level = QStringLiteral("SM");
    r.Shots = 40;
    r.Laji = QStringLiteral("SBPC");
    r.Luokka = QStringLiteral(" ");
    r.Positio = 1;
    r.Nimi = QStringLiteral("O'Neill Pärttyli");
    r.Seura = QStringLiteral("PSA");
    r.Kansallisuus = QStringLiteral("FIN");
    r.Kana = 10;
    r.Sika = 9;
    r.Kalkkuna = 8;
    r.Passi = 7;
    r.Yhteensa = 34;
    r.f = {QStringLiteral("10"), QStringLiteral("9"), QString(), QString(), QString()};
    r.Kaliiperi = QStringLiteral(".22");
    r.Malli = QStringLiteral("Ruger");
    return r;
}

} // namespace marvola::test
