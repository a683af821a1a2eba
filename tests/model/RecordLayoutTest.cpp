// Every field of the competitor and team records at its byte offset in the record files.
#include "model/Records.h"

#include <QtEndian>

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using namespace marvola;

namespace {

// One field: where the files hold it, how to set a distinctive value, and the bytes it gives.
template<typename Record> struct FieldCase
{
    std::string name;
    int offset;
    QByteArray expected; // its width is the field's width
    std::function<void(Record &)> set;
};

// Builds the cases with values distinct from field to field, so that a field landing on a
// neighbour's bytes shows.
template<typename Record> class FieldCases
{
public:
    template<typename Field> void integer(std::string name, int offset, Field field)
    {
        ++m_serial;
        const std::int32_t value = 0x01020304 * (m_serial % 50 + 1) + m_serial;
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        add(std::move(name), offset, bytes, [field, value](Record &r) { *field(r) = value; });
    }
    template<typename Field> void boolean(std::string name, int offset, Field field)
    {
        add(std::move(name), offset, QByteArray(1, '\1'), [field](Record &r) { *field(r) = true; });
    }
    // A full-length text: the length byte N and N characters, so every byte of the field is set.
    template<typename Field> void string(std::string name, int offset, Field field)
    {
        using String = std::remove_pointer_t<decltype(field(std::declval<Record &>()))>;
        QByteArray text;
        ++m_serial;
        for (int i = 0; i < String::Capacity; ++i)
            text += static_cast<char>('A' + (m_serial + i) % 26);
        add(std::move(name), offset, char(String::Capacity) + text,
            [field, text](Record &r) { field(r)->setBytes(text); });
    }
    void byte(std::string name, int offset, char value, std::function<void(Record &)> set)
    {
        add(std::move(name), offset, QByteArray(1, value), std::move(set));
    }

    const std::vector<FieldCase<Record>> &cases() const { return m_cases; }

private:
    void add(std::string name, int offset, QByteArray expected, std::function<void(Record &)> set)
    {
        m_cases.push_back({std::move(name), offset, std::move(expected), std::move(set)});
    }

    std::vector<FieldCase<Record>> m_cases;
    int m_serial = 0;
};

// The offsets as the file layout states them, written out here rather than computed.
struct EquipmentOffsets
{
    int ase, malli, kaliiperi; // kaliiperi 0: the discipline has no caliber field
};
constexpr EquipmentOffsets Equipment[LajiCount]
    = {{173, 184, 195}, {206, 217, 228}, {239, 250, 261}, {272, 283, 294}, {305, 316, 327},
        {338, 349, 0}, {360, 371, 0}, {382, 393, 0}, {404, 415, 0}, {426, 437, 0}, {448, 459, 470},
        {481, 492, 503}, {514, 525, 536}, {547, 558, 569}, {580, 591, 0}, {602, 613, 0}};
constexpr int FinalOffsets[FinaaliCount] = {1008, 1056, 1104, 1152, 1200};

std::vector<FieldCase<TKilpailija>> competitorCases()
{
    using K = TKilpailija;
    FieldCases<K> c;
    c.integer("Numero", 0, [](K &k) { return &k.Numero; });
    c.string("Nimi", 4, [](K &k) { return &k.Nimi; });
    c.string("Seura", 30, [](K &k) { return &k.Seura; });
    c.string("Maa", 41, [](K &k) { return &k.Maa; });
    for (int d = 0; d < LajiCount; ++d) {
        const std::string at = std::string("[") + discipline(d).code + "]";
        c.boolean("Osallistuu" + at, 45 + d, [d](K &k) { return &k.Osallistuu[d]; });
        c.string("Luokka" + at, 61 + 7 * d, [d](K &k) { return &k.Luokka[d]; });
        c.string("Ase" + at, Equipment[d].ase, [d](K &k) { return &k.Ase[d]; });
        c.string("Malli" + at, Equipment[d].malli, [d](K &k) { return &k.Malli[d]; });
        if (Equipment[d].kaliiperi != 0)
            c.string(
                "Kaliiperi" + at, Equipment[d].kaliiperi, [d](K &k) { return &k.Kaliiperi[d]; });
        c.integer("Sijoitus" + at, 624 + 4 * d, [d](K &k) { return &k.Sijoitus[d]; });
        c.integer("Kana" + at, 688 + 4 * d, [d](K &k) { return &k.Kana[d]; });
        c.integer("Sika" + at, 752 + 4 * d, [d](K &k) { return &k.Sika[d]; });
        c.integer("Kalkkuna" + at, 816 + 4 * d, [d](K &k) { return &k.Kalkkuna[d]; });
        c.integer("Passi" + at, 880 + 4 * d, [d](K &k) { return &k.Passi[d]; });
        c.integer("Yhteensa" + at, 944 + 4 * d, [d](K &k) { return &k.Yhteensa[d]; });
        for (int n = 0; n < FinaaliCount; ++n)
            c.string("f" + std::to_string(n + 1) + at, FinalOffsets[n] + 3 * d,
                [d, n](K &k) { return &k.f[n][d]; });
    }
    c.boolean("BBPPAggr", 1248, [](K &k) { return &k.BBPPAggr; });
    c.boolean("BBPCAggr", 1249, [](K &k) { return &k.BBPCAggr; });
    c.boolean("SBPPAggr", 1250, [](K &k) { return &k.SBPPAggr; });
    c.boolean("SBPCAggr", 1251, [](K &k) { return &k.SBPCAggr; });
    return c.cases();
}

std::vector<FieldCase<TJoukkue>> teamCases()
{
    using J = TJoukkue;
    FieldCases<J> c;
    c.integer("Numero", 0, [](J &j) { return &j.Numero; });
    c.string("Nimi", 4, [](J &j) { return &j.Nimi; });
    c.string("Laji", 15, [](J &j) { return &j.Laji; });
    for (int m = 0; m < 3; ++m)
        c.string("Kilpailija" + std::to_string(m + 1), 21 + 26 * m,
            [m](J &j) { return &j.Kilpailija[m]; });
    c.byte("unused", 99, '\x5A', [](J &j) { j.Unused = 0x5A; });
    for (int i = 0; i < 5; ++i)
        c.integer(
            "Varattu[" + std::to_string(i) + "]", 100 + 4 * i, [i](J &j) { return &j.Varattu[i]; });
    return c.cases();
}

// A default record is all zero bytes; setting one field changes exactly that field's bytes, and
// reading those bytes back gives a record that writes them again.
template<typename Record> void expectFieldAtItsOffset(const FieldCase<Record> &c)
{
    SCOPED_TRACE(c.name);
    Record record;
    c.set(record);
    const QByteArray bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), Record::RecordSize);

    QByteArray expected(Record::RecordSize, '\0');
    expected.replace(c.offset, c.expected.size(), c.expected);
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(Record::fromBytes(expected.constData()).toBytes(), expected);
}

// The fields cover the record exactly once: no gap, no overlap, no padding.
template<typename Record>
void expectFieldsTileTheRecord(const std::vector<FieldCase<Record>> &cases)
{
    std::vector<int> owners(Record::RecordSize, 0);
    for (const auto &c : cases)
        for (int i = 0; i < c.expected.size(); ++i)
            ++owners.at(static_cast<size_t>(c.offset + i));
    for (int i = 0; i < Record::RecordSize; ++i)
        EXPECT_EQ(owners[static_cast<size_t>(i)], 1) << "byte " << i;
}

} // namespace

TEST(RecordLayout, EveryCompetitorFieldAtItsOffset)
{
    EXPECT_EQ(TKilpailija().toBytes(), QByteArray(TKilpailija::RecordSize, '\0'));
    const auto cases = competitorCases();
    expectFieldsTileTheRecord(cases);
    for (const auto &c : cases)
        expectFieldAtItsOffset(c);
}

TEST(RecordLayout, EveryTeamFieldAtItsOffset)
{
    EXPECT_EQ(TJoukkue().toBytes(), QByteArray(TJoukkue::RecordSize, '\0'));
    const auto cases = teamCases();
    expectFieldsTileTheRecord(cases);
    for (const auto &c : cases)
        expectFieldAtItsOffset(c);
}

// The seven disciplines without a caliber field have no bytes for one.
TEST(RecordLayout, CaliberOnlyWhereTheDisciplineHasOne)
{
    TKilpailija k;
    for (int d = 0; d < LajiCount; ++d)
        if (!discipline(d).hasCaliber)
            k.Kaliiperi[d].setText(QStringLiteral("22 LR"));
    EXPECT_EQ(k.toBytes(), QByteArray(TKilpailija::RecordSize, '\0'));
}

// Booleans read any non-zero byte as true; the program itself writes 0 and 1, and a file's own
// byte goes back out as it came in.
TEST(RecordLayout, BooleanBytesReadAsTrueWhenNonZeroAndWrittenBackAsRead)
{
    QByteArray bytes(TKilpailija::RecordSize, '\0');
    bytes[45 + BBPS] = 1;
    bytes[1249] = 7;
    const TKilpailija k = TKilpailija::fromBytes(bytes.constData());
    EXPECT_TRUE(k.Osallistuu[BBPS]);
    EXPECT_FALSE(k.Osallistuu[BBPR]);
    EXPECT_TRUE(k.BBPCAggr);
    EXPECT_FALSE(k.BBPPAggr);
    EXPECT_EQ(k.toBytes(), bytes);

    TKilpailija changed = k;
    changed.BBPCAggr = false;
    changed.Osallistuu[BBPR] = true;
    const QByteArray written = changed.toBytes();
    EXPECT_EQ(written[1249], '\0');
    EXPECT_EQ(written[45 + BBPR], '\1');
}
