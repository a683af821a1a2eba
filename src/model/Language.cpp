#include "model/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <map>
#include <memory>

namespace marvola {

namespace {

const QString LanguageKey = QStringLiteral("language");

QSettings programSettings()
{
    return QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
}

QString translationFile(const QString &language)
{
    return QStringLiteral(":/i18n/marvola_%1.qm").arg(language);
}

// Loaded once, before any thread asks: the translators are only read afterwards.
const std::map<QString, std::unique_ptr<QTranslator>> &allTranslators()
{
    static const auto translators = [] {
        std::map<QString, std::unique_ptr<QTranslator>> loaded;
        for (const QString &language : programLanguages()) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(translationFile(language)))
                loaded.emplace(language, std::move(translator));
        }
        return loaded;
    }();
    return translators;
}

// The standard buttons of Qt's message boxes and dialogs. Qt ships them translated for Finnish
// but not for Swedish, so the program's own translations carry them under Qt's context.
[[maybe_unused]] const char *const StandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

} // namespace

QString languageOfLocale(const QString &localeName)
{
    const QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return {};
    const QString code
        = name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("fi") || code == QLatin1String("sv"))
        return code;
    return QStringLiteral("en");
}

QString systemLanguage()
{
    // The language of messages by the POSIX order, read from the environment as Qt does, so a
    // locale that is not generated on the machine still names its language; the dates and
    // numbers (LC_TIME, LC_NUMERIC) may follow another locale.
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return languageOfLocale(value);
    }
    return {};
}

QString chosenLanguage()
{
    const QString stored = programSettings().value(LanguageKey).toString();
    return programLanguages().contains(stored) ? stored : QString();
}

void setChosenLanguage(const QString &language)
{
    QSettings settings = programSettings();
    if (programLanguages().contains(language))
        settings.setValue(LanguageKey, language);
    else
        settings.remove(LanguageKey);
}

QString programLanguage()
{
    const QString chosen = chosenLanguage();
    return chosen.isEmpty() ? systemLanguage() : chosen;
}

void installTranslations()
{
    const QString language = programLanguage();
    if (language.isEmpty())
        return;
    auto *app = QCoreApplication::instance();
    auto *own = new QTranslator(app);
    if (own->load(translationFile(language)))
        QCoreApplication::installTranslator(own);
    // qt_XX follows its parts (qtbase_XX...); English needs none.
    if (language != QLatin1String("en")) {
        auto *qt = new QTranslator(app);
        if (qt->load(QStringLiteral("qt_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
}

const QTranslator *translatorFor(const QString &language)
{
    const auto &translators = allTranslators();
    const auto found = translators.find(language);
    return found == translators.end() ? nullptr : found->second.get();
}

QString translateInto(const QString &language, const char *context, const char *source, int n)
{
    QString text;
    if (const QTranslator *translator = translatorFor(language))
        text = translator->translate(context, source, nullptr, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    // As QCoreApplication::translate does for the installed translation.
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

QString languageOfAcceptHeader(const QString &header)
{
    QString best;
    double bestQuality = 0.0;
    for (const QString &part : header.left(1000).split(QLatin1Char(','))) {
        const QStringList fields = part.split(QLatin1Char(';'));
        const QString tag = fields.first().trimmed().section(QLatin1Char('-'), 0, 0).toLower();
        double quality = 1.0;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const QString field = fields[i].trimmed();
            if (field.startsWith(QLatin1String("q="))) {
                bool ok = false;
                quality = field.mid(2).toDouble(&ok);
                if (!ok)
                    quality = 0.0;
            }
        }
        if (programLanguages().contains(tag) && quality > bestQuality) {
            best = tag;
            bestQuality = quality;
        }
    }
    return best;
}

} // namespace marvola
