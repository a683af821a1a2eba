// The competitor and team records, with their byte layouts in the results and teams files.
#pragma once

#include "model/Disciplines.h"
#include "model/ShortString.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace marvola {

using Str25 = ShortString<25>;
using Str10 = ShortString<10>;
using Str6 = ShortString<6>;
using Str5 = ShortString<5>;
using Str3 = ShortString<3>;
using Str2 = ShortString<2>;

template<typename T> using PerLaji = std::array<T, LajiCount>;

// A Boolean of the record files: one byte, 0 for false. The program writes 1 for true; a file's own
// non-zero byte is kept as it was, so a record reads and writes exactly its bytes.
class Boolean
{
public:
    Boolean() = default;
    Boolean(bool value)
        : m_byte(value ? 1 : 0)
    { } // NOLINT: reads like a bool
    operator bool() const { return m_byte != 0; } // NOLINT

    static Boolean fromByte(std::uint8_t byte)
    {
        Boolean b;
        b.m_byte = byte;
        return b;
    }
    std::uint8_t byte() const { return m_byte; }

private:
    std::uint8_t m_byte = 0;
};

constexpr int FinaaliCount = 5;

// One competitor; also the 1252-byte record of the results file.
struct TKilpailija
{
    static constexpr int RecordSize = 1252;

    std::int32_t Numero = 0;
    Str25 Nimi;
    Str10 Seura;
    Str3 Maa;
    PerLaji<Boolean> Osallistuu{};
    PerLaji<Str6> Luokka;
    PerLaji<Str10> Ase;
    PerLaji<Str10> Malli;
    PerLaji<Str10> Kaliiperi; // stored only for the disciplines with a caliber field
    PerLaji<std::int32_t> Sijoitus{};
    PerLaji<std::int32_t> Kana{};
    PerLaji<std::int32_t> Sika{};
    PerLaji<std::int32_t> Kalkkuna{};
    PerLaji<std::int32_t> Passi{};
    PerLaji<std::int32_t> Yhteensa{};
    // Shoot-off entries: f[0] is f1, ..., f[4] is f5.
    std::array<PerLaji<Str2>, FinaaliCount> f;
    Boolean BBPPAggr = false;
    Boolean BBPCAggr = false;
    Boolean SBPPAggr = false;
    Boolean SBPCAggr = false;

    std::int32_t hits(Target t, int d) const;
    std::int32_t &hits(Target t, int d);

    QByteArray toBytes() const;
    // data must hold RecordSize bytes.
    static TKilpailija fromBytes(const char *data);
};

// One team of three; also the 120-byte record of the teams file.
struct TJoukkue
{
    static constexpr int RecordSize = 120;

    std::int32_t Numero = 0;
    Str10 Nimi;
    Str5 Laji;
    std::array<Str25, 3> Kilpailija; // Kilpailija1..3, by competitor name
    std::uint8_t Unused = 0; // alignment byte, kept as read
    std::array<std::int32_t, 5> Varattu{};

    QByteArray toBytes() const;
    static TJoukkue fromBytes(const char *data);
};

// Byte offsets of the record fields.
namespace Layout {
constexpr int Numero = 0;
constexpr int Nimi = 4;
constexpr int Seura = 30;
constexpr int Maa = 41;
constexpr int Osallistuu = 45;
constexpr int Luokka = 61;
constexpr int Equipment = 173;
constexpr int Sijoitus = 624;
constexpr int Kana = 688;
constexpr int Sika = 752;
constexpr int Kalkkuna = 816;
constexpr int Passi = 880;
constexpr int Yhteensa = 944;
constexpr int F1 = 1008; // f2..f5 follow at steps of 48 bytes
constexpr int BBPPAggr = 1248;
constexpr int BBPCAggr = 1249;
constexpr int SBPPAggr = 1250;
constexpr int SBPCAggr = 1251;

// Gun, model and (where the discipline has one) caliber, 11 bytes each, discipline by discipline.
constexpr int aseOffset(int d)
{
    int offset = Equipment;
    for (int i = 0; i < d; ++i)
        offset += (i <= BBPU || i == FPP || i == FPPAS || i == BBRS || i == BBRH) ? 33 : 22;
    return offset;
}
constexpr int malliOffset(int d)
{
    return aseOffset(d) + 11;
}
constexpr int kaliiperiOffset(int d)
{
    return aseOffset(d) + 22;
}

namespace Team {
constexpr int Numero = 0;
constexpr int Nimi = 4;
constexpr int Laji = 15;
constexpr int Kilpailija1 = 21;
constexpr int Unused = 99;
constexpr int Varattu = 100;
} // namespace Team
} // namespace Layout

} // namespace marvola
