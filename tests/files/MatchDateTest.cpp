// Dates of the match file: the locale's short format with a four-digit year, read back safely.
#include "files/MatchFiles.h"
#include "model/Cp1252.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

struct LocaleCase
{
    const char *locale;
    const char *written; // 24 December 2026 as the match file holds it
};

// Test names say which case failed; the bytes of the case would not.
void PrintTo(const LocaleCase &c, std::ostream *os)
{
    *os << c.locale;
}

class MatchDateTest : public ::testing::TestWithParam<LocaleCase>
{
};

} // namespace

// Every locale writes the year with four digits, in characters the file can hold, and reads its
// own text back.
TEST_P(MatchDateTest, WritesFourDigitYearsAndReadsThemBack)
{
    const LocaleScope scope{QLocale(QString::fromLatin1(GetParam().locale))};
    const QDate date(2026, 12, 24);
    const QString text = formatMatchDate(date);
    EXPECT_EQ(text, QString::fromUtf8(GetParam().written));
    EXPECT_EQ(fromCp1252(toCp1252(text)), text);
    EXPECT_EQ(parseMatchDate(text), date);
    // The dates the program's own files hold under other locales still load.
    EXPECT_EQ(parseMatchDate(QStringLiteral("24.12.2026")), date);
    EXPECT_EQ(parseMatchDate(QStringLiteral("2026-12-24")), date);
}

INSTANTIATE_TEST_SUITE_P(Locales, MatchDateTest,
    ::testing::Values(LocaleCase{"C", "24 Dec 2026"}, LocaleCase{"en_US", "12/24/2026"},
        LocaleCase{"de_DE", "24.12.2026"}, LocaleCase{"fi_FI", "24.12.2026"},
        LocaleCase{"en_GB", "24/12/2026"}, LocaleCase{"sv_SE", "2026-12-24"},
        LocaleCase{"hi_IN", "24/12/2026"},
        // Digits Windows-1252 cannot hold: the file gets "d.M.yyyy".
        LocaleCase{"ar_EG", "24.12.2026"}),
    [](const auto &info) { return std::string(info.param.locale); });

TEST(MatchDate, TwoDigitYearsAreNotGuessed)
{
    const LocaleScope scope{QLocale(QStringLiteral("en_US"))};
    EXPECT_EQ(matchDateFormat(), QStringLiteral("M/d/yyyy"));
    EXPECT_FALSE(parseMatchDate(QStringLiteral("12/24/26")).isValid());
    EXPECT_FALSE(parseMatchDate(QStringLiteral("24.12.26")).isValid());
    EXPECT_FALSE(parseMatchDate(QString()).isValid());
    EXPECT_FALSE(parseMatchDate(QStringLiteral("next Sunday")).isValid());
}
