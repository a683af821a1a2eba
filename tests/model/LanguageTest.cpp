// The language of the program: from the locale, from a browser's Accept-Language, and the
// translations compiled into the program.
#include "model/Language.h"

#include <gtest/gtest.h>

using namespace marvola;

namespace {

struct LocaleCase
{
    const char *name;
    const char *locale;
    const char *language;
};

const LocaleCase LocaleCases[] = {
    {"Finnish", "fi_FI.UTF-8", "fi"},
    {"FinnishWithoutCountry", "fi", "fi"},
    {"Swedish", "sv_SE.UTF-8", "sv"},
    {"SwedishInFinland", "sv_FI@euro", "sv"},
    {"American", "en_US.UTF-8", "en"},
    {"GermanSpeaksEnglish", "de_DE.UTF-8", "en"},
    {"CKeepsSourceTexts", "C", ""},
    {"CUtf8KeepsSourceTexts", "C.UTF-8", ""},
    {"PosixKeepsSourceTexts", "POSIX", ""},
    {"NothingKeepsSourceTexts", "", ""},
};

class LocaleLanguage : public ::testing::TestWithParam<LocaleCase>
{
};

TEST_P(LocaleLanguage, NamesTheProgramsLanguage)
{
    EXPECT_EQ(languageOfLocale(QString::fromLatin1(GetParam().locale)),
        QString::fromLatin1(GetParam().language));
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleLanguage, ::testing::ValuesIn(LocaleCases),
    [](const auto &info) { return std::string(info.param.name); });

struct AcceptCase
{
    const char *name;
    const char *header;
    const char *language;
};

const AcceptCase AcceptCases[] = {
    {"Finnish", "fi-FI,fi;q=0.9,en;q=0.8", "fi"},
    {"Swedish", "sv", "sv"},
    {"QualityDecides", "en;q=0.3, sv;q=0.7, fi;q=0.5", "sv"},
    {"UnknownFirstThenKnown", "de-DE,de;q=0.9,fi;q=0.4", "fi"},
    {"OnlyUnknown", "de-DE,de;q=0.9", ""},
    {"RefusedLanguage", "fi;q=0", ""},
    {"Empty", "", ""},
    {"Garbage", ";;;,q=x,,", ""},
};

class AcceptLanguage : public ::testing::TestWithParam<AcceptCase>
{
};

TEST_P(AcceptLanguage, ChoosesTheBestOfTheProgramsLanguages)
{
    EXPECT_EQ(languageOfAcceptHeader(QString::fromLatin1(GetParam().header)),
        QString::fromLatin1(GetParam().language));
}

INSTANTIATE_TEST_SUITE_P(Headers, AcceptLanguage, ::testing::ValuesIn(AcceptCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Translations, EachLanguageIsCompiledIntoTheProgram)
{
    const char *context = "marvola::MainWindow";
    const char *source = "The match has unsaved changes. Save them before closing?";
    EXPECT_EQ(translateInto(QStringLiteral("en"), context, source), QString::fromUtf8(source));
    EXPECT_EQ(translateInto(QStringLiteral("fi"), context, source),
        QStringLiteral("Kilpailussa on tallentamattomia muutoksia. Tallennetaanko ne ennen "
                       "sulkemista?"));
    EXPECT_EQ(translateInto(QStringLiteral("sv"), context, source),
        QStringLiteral("Tävlingen har osparade ändringar. Spara dem innan den stängs?"));
    EXPECT_EQ(translateInto(QString(), context, source), QString::fromUtf8(source));
}

TEST(Translations, PluralsFollowTheCount)
{
    const char *context = "marvola::MainWindow";
    const char *source = "%n entries look wrong. Continue?";
    EXPECT_EQ(translateInto(QStringLiteral("en"), context, source, 1),
        QStringLiteral("1 entry looks wrong. Continue?"));
    EXPECT_EQ(translateInto(QStringLiteral("en"), context, source, 3),
        QStringLiteral("3 entries look wrong. Continue?"));
    EXPECT_EQ(translateInto(QStringLiteral("fi"), context, source, 1),
        QStringLiteral("1 tulos näyttää virheelliseltä. Jatketaanko?"));
    EXPECT_EQ(translateInto(QStringLiteral("fi"), context, source, 3),
        QStringLiteral("3 tulosta näyttää virheelliseltä. Jatketaanko?"));
    EXPECT_EQ(translateInto(QString(), context, source, 3),
        QStringLiteral("3 entries look wrong. Continue?"));
}

} // namespace
