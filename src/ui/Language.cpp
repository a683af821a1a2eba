#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace marvola {

namespace {

const QString LanguageKey = QStringLiteral("language");

struct ChoiceName
{
    LanguageChoice choice;
    const char *name; // as kept in the settings
};

constexpr ChoiceName ChoiceNames[]
    = {{LanguageChoice::System, "system"}, {LanguageChoice::English, "en"},
        {LanguageChoice::Finnish, "fi"}, {LanguageChoice::Swedish, "sv"}};

QSettings programSettings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

// A translator that lives as long as the application object.
void installTranslator(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

LanguageChoice savedLanguageChoice()
{
    const QString saved = programSettings().value(LanguageKey).toString();
    for (const ChoiceName &c : ChoiceNames) {
        if (saved == QLatin1String(c.name))
            return c.choice;
    }
    return LanguageChoice::System;
}

void saveLanguageChoice(LanguageChoice choice)
{
    for (const ChoiceName &c : ChoiceNames) {
        if (c.choice == choice)
            programSettings().setValue(LanguageKey, QLatin1String(c.name));
    }
}

QString translationFor(LanguageChoice choice, const QLocale &system)
{
    switch (choice) {
    case LanguageChoice::English: return QStringLiteral("en");
    case LanguageChoice::Finnish: return QStringLiteral("fi");
    case LanguageChoice::Swedish: return QStringLiteral("sv");
    case LanguageChoice::System: break;
    }
    switch (system.language()) {
    case QLocale::C:
    case QLocale::AnyLanguage: return {};
    case QLocale::Finnish: return QStringLiteral("fi");
    case QLocale::Swedish: return QStringLiteral("sv");
    default: return QStringLiteral("en");
    }
}

void installTranslations(const QString &language)
{
    if (language.isEmpty())
        return;
    installTranslator(QStringLiteral("marvola_") + language, QStringLiteral(":/i18n"));
    installTranslator(
        QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace marvola
