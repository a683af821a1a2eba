// The language of the texts a person reads: chosen in the settings or taken from the locale.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace marvola {

// The languages the program speaks, by their two-letter codes.
inline const QStringList &programLanguages()
{
    static const QStringList languages{
        QStringLiteral("en"), QStringLiteral("fi"), QStringLiteral("sv")};
    return languages;
}

// The language of a locale name (fi_FI.UTF-8, sv, en_US...): "fi", "sv", "en" for any other
// language, and empty for the C/POSIX locale, which keeps the program's own source texts.
QString languageOfLocale(const QString &localeName);

// The language the system's locale asks for messages in (LC_ALL, LC_MESSAGES, LANG).
QString systemLanguage();

// The choice stored in the settings: "en", "fi", "sv" or empty for the system's language.
QString chosenLanguage();
void setChosenLanguage(const QString &language);

// The language in use: the stored choice, otherwise the system's.
QString programLanguage();

// Installs the program's translation and Qt's own (dialog buttons, file dialogs) for the
// program's language; nothing for the C locale. Call once after the application exists.
void installTranslations();

// The translation of one language for threads that must not share the installed one (the live
// pages answer each browser in its own language); null for a language without one.
const QTranslator *translatorFor(const QString &language);

// context/source translated into language; the source itself when there is no translation.
QString translateInto(const QString &language, const char *context, const char *source, int n = -1);

// The best of the program's languages for an HTTP Accept-Language header, by its q-values;
// empty when none of them is accepted.
QString languageOfAcceptHeader(const QString &header);

} // namespace marvola
