// Windows-1252 texts and the short strings of the records.
#include "model/Text.h"

#include "model/Cp1252.h"
#include "model/ShortString.h"

#include <gtest/gtest.h>

using namespace marvola;

namespace {

struct Cp1252Case
{
    const char *name;
    QString text;
    QByteArray bytes;
};

const Cp1252Case Cp1252Cases[] = {
    {"ascii", QStringLiteral("Aho Ari 123"), QByteArray("Aho Ari 123")},
    {"latin1 letters", QStringLiteral("ÄäÖöÅåü"), QByteArray("\xC4\xE4\xD6\xF6\xC5\xE5\xFC")},
    {"the 0x80 row", QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ"),
        QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E")},
    {"the 0x90 row", QStringLiteral("‘’“”•–—˜™š›œžŸ"),
        QByteArray("\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F")},
    {"nbsp and y-diaeresis", QStringLiteral("\u00A0ÿ"), QByteArray("\xA0\xFF")},
};

} // namespace

TEST(Cp1252, ConvertsBothWays)
{
    for (const Cp1252Case &c : Cp1252Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toCp1252(c.text).toHex(' '), c.bytes.toHex(' '));
        EXPECT_EQ(fromCp1252(c.bytes), c.text);
        // Appending keeps what the buffer held.
        QByteArray buffer("x;");
        appendCp1252(buffer, c.text);
        EXPECT_EQ(buffer.toHex(' '), ("x;" + c.bytes).toHex(' '));
    }
}

TEST(Cp1252, UnrepresentableCharactersBecomeQuestionMarks)
{
    // One '?' per character, also for a character outside the basic plane (a surrogate pair).
    EXPECT_EQ(toCp1252(QStringLiteral("Łódź")),
        QByteArray("?\xF3"
                   "d?"));
    EXPECT_EQ(toCp1252(QStringLiteral("Ωmega 中")), QByteArray("?mega ?"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("a\xF0\x9F\x8E\xAF"
                                         "b")),
        QByteArray("a?b"));
    QByteArray appended("x");
    appendCp1252(appended, QString::fromUtf8("\xF0\x9F\x8E\xAF"));
    EXPECT_EQ(appended, QByteArray("x?"));
}

TEST(Cp1252, EveryByteSurvivesDecodingAndEncoding)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(ShortString, StoresTextCutToItsLength)
{
    ShortString<10> s;
    s.setText(QStringLiteral("Smith & Wesson"));
    EXPECT_EQ(s.length(), 10);
    EXPECT_EQ(s.text(), QStringLiteral("Smith & We"));
    s.setText(QStringLiteral("Äänekoski"));
    EXPECT_EQ(s.bytes(), QByteArray("\xC4\xE4nekoski"));
}

// The bytes after the text keep what was there before, as the files hold them.
TEST(ShortString, KeepsTheBytesAfterTheText)
{
    ShortString<10> s;
    s.setText(QStringLiteral("Virtanen M"));
    s.setText(QStringLiteral("Aho"));
    char raw[11];
    s.writeTo(raw);
    EXPECT_EQ(QByteArray(raw, 11),
        QByteArray("\x03"
                   "Ahotanen M"));
    EXPECT_EQ(s.text(), QStringLiteral("Aho"));

    s.clear();
    s.writeTo(raw);
    EXPECT_EQ(QByteArray(raw, 11),
        QByteArray("\x00"
                   "Ahotanen M",
            11));
    EXPECT_TRUE(s.isEmpty());
}

TEST(ShortString, ReadsOnlyTheFirstLengthCharacters)
{
    ShortString<6> s;
    s.readFrom("\x01"
               "Aaster");
    EXPECT_EQ(s.text(), QStringLiteral("A"));
    char raw[7];
    s.writeTo(raw);
    EXPECT_EQ(QByteArray(raw, 7),
        QByteArray("\x01"
                   "Aaster"));
}

TEST(ShortString, LengthByteAboveTheMaximumIsCut)
{
    ShortString<3> s;
    s.readFrom("\xC8"
               "FINX");
    EXPECT_EQ(s.length(), 3);
    EXPECT_EQ(s.text(), QStringLiteral("FIN"));
}

TEST(ShortString, ComparesExactly)
{
    const ShortString<25> name(QStringLiteral("Aho Ari"));
    EXPECT_TRUE(name == QStringLiteral("Aho Ari"));
    EXPECT_FALSE(name == QStringLiteral("aho ari"));
    EXPECT_FALSE(name == QStringLiteral("Aho Ari "));
    EXPECT_TRUE(name.sameText(ShortString<10>(QStringLiteral("Aho Ari"))));
    EXPECT_FALSE(name.sameText(ShortString<3>(QStringLiteral("Aho Ari"))));
}

namespace {

struct TextCase
{
    const char *name;
    QString text;
    QString expected;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

class SingleLineTest : public ::testing::TestWithParam<TextCase>
{
};

class QuotedForMessageTest : public ::testing::TestWithParam<TextCase>
{
};

} // namespace

TEST_P(SingleLineTest, ReplacesBreaksAndControlsByABlank)
{
    EXPECT_EQ(singleLine(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, SingleLineTest,
    ::testing::Values(
        TextCase{"Plain", QStringLiteral("Hämeen Ampujat"), QStringLiteral("Hämeen Ampujat")},
        TextCase{"LineFeed", QStringLiteral("Range 1\nRange 2"), QStringLiteral("Range 1 Range 2")},
        TextCase{"CrLfIsOneBreak", QStringLiteral("Range 1\r\nRange 2"),
            QStringLiteral("Range 1 Range 2")},
        TextCase{"LoneCarriageReturn", QStringLiteral("a\rb"), QStringLiteral("a b")},
        TextCase{"TabEscapeAndNul", QStringLiteral("a\tb\x1B") + QChar(0) + QStringLiteral("c"),
            QStringLiteral("a b  c")},
        TextCase{"UnicodeSeparatorsAndC1", QStringLiteral("a\u2028b\u0085c\u2029"),
            QStringLiteral("a b c ")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(QuotedForMessageTest, EscapesAndCuts)
{
    EXPECT_EQ(quotedForMessage(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, QuotedForMessageTest,
    ::testing::Values(TextCase{"Plain", QStringLiteral("31.2.2026"), QStringLiteral("31.2.2026")},
        TextCase{"TerminalEscape", QStringLiteral("\x1B[2Jred"), QStringLiteral("\\x1B[2Jred")},
        TextCase{"NulDoesNotEndIt", QStringLiteral("a") + QChar(0) + QStringLiteral("b"),
            QStringLiteral("a\\x00b")},
        TextCase{"BackslashIsDoubled", QStringLiteral("a\\x1B"), QStringLiteral("a\\\\x1B")},
        TextCase{"BeyondLatin1", QStringLiteral("a\u2028b"), QStringLiteral("a\\u2028b")},
        TextCase{
            "SixtyCharactersStay", QString(60, QLatin1Char('x')), QString(60, QLatin1Char('x'))},
        TextCase{"LongerIsCut", QString(61, QLatin1Char('x')),
            QString(60, QLatin1Char('x')) + QChar(0x2026)}),
    [](const auto &info) { return std::string(info.param.name); });
