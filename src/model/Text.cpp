#include "model/Text.h"

#include <algorithm>

namespace marvola {

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

constexpr qsizetype QuotedLength = 60;

QString escaped(char16_t c)
{
    const bool latin1 = c <= 0xFF;
    return (latin1 ? QStringLiteral("\\x") : QStringLiteral("\\u"))
        + QString::number(c, 16).toUpper().rightJustified(latin1 ? 2 : 4, QLatin1Char('0'));
}

} // namespace

QString singleLine(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            continue; // the LF that follows gives the one blank
        out += isControl(c) ? QChar(u' ') : text[i];
    }
    return out;
}

QString quotedForMessage(const QString &text)
{
    QString out;
    const qsizetype shown = std::min(text.size(), QuotedLength);
    for (qsizetype i = 0; i < shown; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (isControl(c.unicode()) || (!c.isPrint() && c != QLatin1Char(' ')))
            out += escaped(c.unicode());
        else
            out += c;
    }
    if (text.size() > QuotedLength)
        out += QChar(0x2026);
    return out;
}

} // namespace marvola
