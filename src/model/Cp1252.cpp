#include "model/Cp1252.h"

#include <QList>

#include <algorithm>
#include <array>

namespace marvola {

namespace {

// The bytes 0x80 to 0x9F; the five undefined ones map to the C1 control of the same value so
// that decoding and encoding a stored byte gives that byte back.
constexpr std::array<char16_t, 32> HighControls
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeChar(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

char *writeCp1252(QStringView text, char *out)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        // A character outside the basic plane is one '?', not one per half of its pair.
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            *out++ = '?';
            ++i;
            continue;
        }
        *out++ = encodeChar(c.unicode());
    }
    return out;
}

void appendCp1252(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *end = writeCp1252(text, out.data() + start);
    out.truncate(end - out.constData());
}

QByteArray toCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    appendCp1252(out, text);
    return out;
}

QString fromCp1252(const char *bytes, int length)
{
    // Outside 0x80..0x9F the code page is Latin-1, which Qt converts fast.
    const auto isHigh = [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 && b < 0xA0;
    };
    if (std::none_of(bytes, bytes + length, isHigh))
        return QString::fromLatin1(bytes, length);
    QString out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(HighControls[b - 0x80]) : QChar(b));
    }
    return out;
}

QString fromCp1252(const QByteArray &bytes)
{
    return fromCp1252(bytes.constData(), static_cast<int>(bytes.size()));
}

} // namespace marvola
