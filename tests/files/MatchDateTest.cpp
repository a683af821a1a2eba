// Dates of the match file: one fixed form in the file, the locale's short format on screen.
#include "files/FileSetSupport.h"
#include "files/MatchFiles.h"
#include "model/Cp1252.h"
#include "support/TestPaths.h"

#include <QLocale>
#include <QTemporaryDir>

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

// Every locale shows the year with four digits, in characters the file can hold, and reads its
// own text back.
TEST_P(MatchDateTest, ShowsFourDigitYearsAndReadsThemBack)
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
    // What a save under the C locale wrote, on any computer.
    EXPECT_EQ(parseMatchDate(QStringLiteral("24 Dec 2026")), date);
    EXPECT_EQ(formatMatchFileDate(date), QStringLiteral("24.12.2026"));
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

namespace {

const char *const SaveLocales[] = {"C", "en_US", "en_GB", "de_DE", "fi_FI", "sv_SE"};

struct LocalePair
{
    const char *savedUnder;
    const char *loadedUnder;
};

std::vector<LocalePair> allLocalePairs()
{
    std::vector<LocalePair> pairs;
    for (const char *saved : SaveLocales)
        for (const char *loaded : SaveLocales)
            pairs.push_back({saved, loaded});
    return pairs;
}

class MatchDateAcrossLocales : public ::testing::TestWithParam<LocalePair>
{
};

} // namespace

// A match saved on one computer opens on another whatever their locales, with the same dates;
// the day and month are chosen so that swapping them would show.
TEST_P(MatchDateAcrossLocales, SavedUnderOneLoadsUnderTheOther)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chosen = dir.filePath(QStringLiteral("m.mrv"));
    auto m = marvola::testing::sampleMatch();
    m->tiedot.Alkupvm = QDate(2026, 3, 4);
    m->tiedot.LoppuPvm = QDate(2026, 12, 24);
    {
        const LocaleScope scope{QLocale(QString::fromLatin1(GetParam().savedUnder))};
        QString error;
        ASSERT_TRUE(saveMatchFileSet(chosen, *m, matchSummaryLines(m->tiedot, false), error))
            << error.toStdString();
    }
    const QList<QByteArray> lines
        = marvola::testing::fileBytes(MatchFileSet::fromChosenName(chosen).match).split('\n');
    EXPECT_EQ(lines.value(2), QByteArray("4.3.2026\r"));

    const LocaleScope scope{QLocale(QString::fromLatin1(GetParam().loadedUnder))};
    QString error;
    const LoadedMatch loaded = loadMatchFileSet(chosen, false, Kilpailu(), error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    EXPECT_EQ(loaded.kilpailu->tiedot.Alkupvm, QDate(2026, 3, 4));
    EXPECT_EQ(loaded.kilpailu->tiedot.LoppuPvm, QDate(2026, 12, 24));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, MatchDateAcrossLocales, ::testing::ValuesIn(allLocalePairs()), [](const auto &info) {
        return std::string(info.param.savedUnder) + "_to_" + info.param.loadedUnder;
    });

// Files that older saves wrote in the English form of the C locale load under every locale.
TEST_P(MatchDateAcrossLocales, EnglishDatesOfOlderFilesLoadEverywhere)
{
    const LocaleScope scope{QLocale(QString::fromLatin1(GetParam().loadedUnder))};
    EXPECT_EQ(parseMatchDate(QStringLiteral("15 Jun 2024")), QDate(2024, 6, 15));
    EXPECT_EQ(parseMatchDate(QStringLiteral("4 Mar 2026")), QDate(2026, 3, 4));
}

// The demonstration match and the fixtures load under every locale.
TEST_P(MatchDateAcrossLocales, ShippedMatchesLoadEverywhere)
{
    const LocaleScope scope{QLocale(QString::fromLatin1(GetParam().loadedUnder))};
    for (const char *name : {"/../../examples/demo.mrv", "/match/kevat.mrv"}) {
        QString error;
        const LoadedMatch loaded
            = loadMatchFileSet(marvola::testing::testDataFolder() + QString::fromLatin1(name),
                false, Kilpailu(), error);
        EXPECT_TRUE(loaded.kilpailu) << name << ": " << error.toStdString();
    }
}
