// The language of the texts a person reads: the system's, or the official's own choice kept in
// the settings. The match files, the CSV files, the upload rows and the data words stay as they
// are in every language.
#pragma once

#include <QLocale>
#include <QString>

namespace marvola {

enum class LanguageChoice { System, English, Finnish, Swedish };

LanguageChoice savedLanguageChoice();
void saveLanguageChoice(LanguageChoice choice);

// The translation a choice gives: "en", "fi" or "sv", or empty for none, which leaves the
// program's own texts as they are (the C locale). The system's language decides for System:
// Finnish and Swedish locales get theirs, any other language English.
QString translationFor(LanguageChoice choice, const QLocale &system = QLocale::system());

// Installs the program's translation and Qt's own (file dialogs, message box buttons) for the
// language given by translationFor(); none for an empty one. Needs the application object.
void installTranslations(const QString &language);

} // namespace marvola
