#include "model/Records.h"

#include <QtEndian>

namespace marvola {

namespace {

std::int32_t readInt(const char *data, int offset)
{
    return qFromLittleEndian<std::int32_t>(data + offset);
}

void writeInt(char *data, int offset, std::int32_t value)
{
    qToLittleEndian<std::int32_t>(value, data + offset);
}

void readInts(const char *data, int offset, PerLaji<std::int32_t> &values)
{
    for (int d = 0; d < LajiCount; ++d)
        values[d] = readInt(data, offset + 4 * d);
}

void writeInts(char *data, int offset, const PerLaji<std::int32_t> &values)
{
    for (int d = 0; d < LajiCount; ++d)
        writeInt(data, offset + 4 * d, values[d]);
}

// One pass over the record's fields, shared by reading and writing so the two cannot disagree.
template<typename Record, typename Visitor> void visitCompetitorFields(Record &k, Visitor &&v)
{
    v.integer(Layout::Numero, k.Numero);
    v.string(Layout::Nimi, k.Nimi);
    v.string(Layout::Seura, k.Seura);
    v.string(Layout::Maa, k.Maa);
    for (int d = 0; d < LajiCount; ++d)
        v.boolean(Layout::Osallistuu + d, k.Osallistuu[d]);
    for (int d = 0; d < LajiCount; ++d)
        v.string(Layout::Luokka + 7 * d, k.Luokka[d]);
    for (int d = 0; d < LajiCount; ++d) {
        v.string(Layout::aseOffset(d), k.Ase[d]);
        v.string(Layout::malliOffset(d), k.Malli[d]);
        if (discipline(d).hasCaliber)
            v.string(Layout::kaliiperiOffset(d), k.Kaliiperi[d]);
    }
    v.integers(Layout::Sijoitus, k.Sijoitus);
    v.integers(Layout::Kana, k.Kana);
    v.integers(Layout::Sika, k.Sika);
    v.integers(Layout::Kalkkuna, k.Kalkkuna);
    v.integers(Layout::Passi, k.Passi);
    v.integers(Layout::Yhteensa, k.Yhteensa);
    for (int n = 0; n < FinaaliCount; ++n)
        for (int d = 0; d < LajiCount; ++d)
            v.string(Layout::F1 + 48 * n + 3 * d, k.f[n][d]);
    v.boolean(Layout::BBPPAggr, k.BBPPAggr);
    v.boolean(Layout::BBPCAggr, k.BBPCAggr);
    v.boolean(Layout::SBPPAggr, k.SBPPAggr);
    v.boolean(Layout::SBPCAggr, k.SBPCAggr);
}

struct Reader
{
    const char *data;
    void integer(int offset, std::int32_t &value) { value = readInt(data, offset); }
    void integers(int offset, PerLaji<std::int32_t> &values) { readInts(data, offset, values); }
    void boolean(int offset, Boolean &value)
    {
        value = Boolean::fromByte(static_cast<std::uint8_t>(data[offset]));
    }
    template<int N> void string(int offset, ShortString<N> &value)
    {
        value.readFrom(data + offset);
    }
};

struct Writer
{
    char *data;
    void integer(int offset, std::int32_t value) { writeInt(data, offset, value); }
    void integers(int offset, const PerLaji<std::int32_t> &values)
    {
        writeInts(data, offset, values);
    }
    void boolean(int offset, Boolean value) { data[offset] = static_cast<char>(value.byte()); }
    template<int N> void string(int offset, const ShortString<N> &value)
    {
        value.writeTo(data + offset);
    }
};

} // namespace

std::int32_t TKilpailija::hits(Target t, int d) const
{
    return const_cast<TKilpailija *>(this)->hits(t, d);
}

std::int32_t &TKilpailija::hits(Target t, int d)
{
    switch (t) {
    case Target::Kana: return Kana[d];
    case Target::Sika: return Sika[d];
    case Target::Kalkkuna: return Kalkkuna[d];
    case Target::Passi: break;
    }
    return Passi[d];
}

QByteArray TKilpailija::toBytes() const
{
    QByteArray bytes(RecordSize, '\0');
    visitCompetitorFields(*this, Writer{bytes.data()});
    return bytes;
}

TKilpailija TKilpailija::fromBytes(const char *data)
{
    TKilpailija k;
    visitCompetitorFields(k, Reader{data});
    return k;
}

QByteArray TJoukkue::toBytes() const
{
    QByteArray bytes(RecordSize, '\0');
    char *data = bytes.data();
    writeInt(data, Layout::Team::Numero, Numero);
    Nimi.writeTo(data + Layout::Team::Nimi);
    Laji.writeTo(data + Layout::Team::Laji);
    for (int m = 0; m < 3; ++m)
        Kilpailija[m].writeTo(data + Layout::Team::Kilpailija1 + 26 * m);
    data[Layout::Team::Unused] = static_cast<char>(Unused);
    for (int i = 0; i < 5; ++i)
        writeInt(data, Layout::Team::Varattu + 4 * i, Varattu[i]);
    return bytes;
}

TJoukkue TJoukkue::fromBytes(const char *data)
{
    TJoukkue j;
    j.Numero = readInt(data, Layout::Team::Numero);
    j.Nimi.readFrom(data + Layout::Team::Nimi);
    j.Laji.readFrom(data + Layout::Team::Laji);
    for (int m = 0; m < 3; ++m)
        j.Kilpailija[m].readFrom(data + Layout::Team::Kilpailija1 + 26 * m);
    j.Unused = static_cast<std::uint8_t>(data[Layout::Team::Unused]);
    for (int i = 0; i < 5; ++i)
        j.Varattu[i] = readInt(data, Layout::Team::Varattu + 4 * i);
    return j;
}

} // namespace marvola
