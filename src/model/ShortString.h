// string[N]: a length byte and N character bytes in Windows-1252, as the record files hold them.
#pragma once

#include "model/Cp1252.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace marvola {

template<int N> class ShortString
{
    static_assert(N > 0 && N < 256);

public:
    static constexpr int Capacity = N;
    static constexpr int ByteSize = N + 1;

    ShortString() = default;
    ShortString(const QString &text) { setText(text); } // NOLINT: reads like an assignment

    int length() const { return m_bytes[0]; }
    bool isEmpty() const { return m_bytes[0] == 0; }
    QByteArray bytes() const { return QByteArray(chars(), length()); }
    QString text() const { return fromCp1252(chars(), length()); }

    // Stores the text cut to N characters. Like the record files, the bytes after the new text
    // keep what they held, so a load and save gives the same bytes back.
    void setText(const QString &text) { setBytes(toCp1252(text)); }
    void setBytes(const QByteArray &bytes)
    {
        const int len = std::min<int>(N, static_cast<int>(bytes.size()));
        m_bytes[0] = static_cast<std::uint8_t>(len);
        std::memcpy(m_bytes.data() + 1, bytes.constData(), static_cast<size_t>(len));
    }
    // Emptying sets the length byte only.
    void clear() { m_bytes[0] = 0; }

    // Exactly N+1 bytes; a length byte above N is cut to N.
    void readFrom(const char *data)
    {
        std::memcpy(m_bytes.data(), data, ByteSize);
        m_bytes[0] = std::min<std::uint8_t>(m_bytes[0], N);
    }
    void writeTo(char *data) const { std::memcpy(data, m_bytes.data(), ByteSize); }

    // Names are compared exactly: same length, same bytes, case-sensitive.
    template<int M> bool sameText(const ShortString<M> &other) const
    {
        return length() == other.length() && std::memcmp(chars(), other.chars(), length()) == 0;
    }
    bool operator==(const ShortString &other) const { return sameText(other); }
    bool operator==(const QString &other) const { return bytes() == toCp1252(other); }

    const char *chars() const { return reinterpret_cast<const char *>(m_bytes.data() + 1); }

private:
    std::array<std::uint8_t, N + 1> m_bytes{};
};

} // namespace marvola
