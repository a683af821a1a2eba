// Every text of the windows and dialogs in Finnish and Swedish: none is left as its English
// text, apart from codes, numbers and the match's own names.
#include "ScriptedPrompts.h"
#include "files/MatchFiles.h"
#include "model/Disciplines.h"
#include "model/Registers.h"
#include "output/PrintLists.h"
#include "support/TestPaths.h"
#include "ui/Application.h"
#include "ui/CheckResultsDialog.h"
#include "ui/LiveResultsWindow.h"
#include "ui/ResultEntryDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <memory>

using namespace marvola;
using namespace marvola::testing;

namespace {

// A language's translations installed for the lifetime of the object, as the program installs
// them at its start.
class InstalledLanguage
{
public:
    explicit InstalledLanguage(const QString &language)
    {
        EXPECT_TRUE(m_own.load(QStringLiteral(":/i18n/marvola_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&m_own);
        if (m_qt.load(QStringLiteral("qt_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    ~InstalledLanguage()
    {
        QCoreApplication::removeTranslator(&m_qt);
        QCoreApplication::removeTranslator(&m_own);
    }

private:
    QTranslator m_own;
    QTranslator m_qt;
};

struct ShownText
{
    QString where;
    QString text;
};

using ShownTexts = QList<ShownText>;

QString whereIs(const QObject *object)
{
    QStringList path;
    for (const QObject *o = object; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className())
                                               : o->objectName());
    return path.join(u'/');
}

void addText(ShownTexts &texts, const QObject *object, const char *what, const QString &text)
{
    QString shown = text;
    shown.remove(QRegularExpression(QStringLiteral("&(?=[^&])"))).replace(u"&&"_qs, u"&"_qs);
    if (!shown.trimmed().isEmpty())
        texts.append({whereIs(object) + u':' + QLatin1String(what), shown});
}

void addActions(ShownTexts &texts, const QWidget *owner)
{
    for (const QAction *action : owner->actions()) {
        if (action->isSeparator())
            continue;
        addText(texts, owner, "action", action->text());
        if (action->menu())
            addText(texts, action->menu(), "menu", action->menu()->title());
    }
}

void addHeaders(ShownTexts &texts, const QAbstractItemView *view, const QHeaderView *header)
{
    if (!header || header->isHidden() || !view->model())
        return;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        addText(
            texts, view, "header", view->model()->headerData(column, Qt::Horizontal).toString());
}

// The cells that carry the program's own words: the reasons of the check, the log's sources,
// kinds and fields, the team list's group titles and the match summary.
void addWordCells(ShownTexts &texts, const QAbstractItemView *view)
{
    const QAbstractItemModel *model = view->model();
    QList<int> columns;
    if (view->objectName() == QLatin1String("checkResultsTable"))
        columns = {3};
    else if (view->objectName() == QLatin1String("entryLogView"))
        columns = {1, 2, 5};
    else if (qobject_cast<const QListWidget *>(view) || qobject_cast<const QTreeWidget *>(view))
        columns = {0};
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column : columns)
            addText(texts, view, "cell", model->index(row, column).data().toString());
}

void addWidgetTexts(ShownTexts &texts, const QWidget *w)
{
    if (w->isWindow())
        addText(texts, w, "title", w->windowTitle());
    addText(texts, w, "tooltip", w->toolTip());
    if (const auto *label = qobject_cast<const QLabel *>(w))
        addText(texts, w, "label", label->text());
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        addText(texts, w, "button", button->text());
    if (const auto *box = qobject_cast<const QGroupBox *>(w))
        addText(texts, w, "group", box->title());
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        addText(texts, w, "placeholder", edit->placeholderText());
    if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            addText(texts, w, "tab", tabs->tabText(i));
    if (qobject_cast<const QMenu *>(w) || qobject_cast<const QMenuBar *>(w))
        addActions(texts, w);
    if (const auto *status = qobject_cast<const QStatusBar *>(w))
        addText(texts, w, "status", status->currentMessage());
    if (const auto *table = qobject_cast<const QTableView *>(w)) {
        addHeaders(texts, table, table->horizontalHeader());
        addWordCells(texts, table);
    }
    if (const auto *tree = qobject_cast<const QTreeView *>(w)) {
        addHeaders(texts, tree, tree->header());
        addWordCells(texts, tree);
    }
    if (const auto *list = qobject_cast<const QListWidget *>(w))
        addWordCells(texts, list);
}

ShownTexts shownTexts(const QWidget *root)
{
    ShownTexts texts;
    addWidgetTexts(texts, root);
    for (const QWidget *w : root->findChildren<QWidget *>())
        if (w->isWindow() || !w->isHidden() || qobject_cast<const QMenu *>(w))
            addWidgetTexts(texts, w);
    return texts;
}

// Words of a language that are the same in English.
const QStringList &sameWordsIn(const QString &language)
{
    static const QStringList swedish{QStringLiteral("Port:"), QStringLiteral("Station"),
        QStringLiteral("Status"), QStringLiteral("Id"), QStringLiteral("Information"),
        QStringLiteral("Nat.")};
    static const QStringList none;
    return language == QLatin1String("sv") ? swedish : none;
}

// The codes of the lists, read the same in every language and taken by --lists.
bool isListCode(const QString &text)
{
    for (const PrintList &list : PrintLists)
        if (text == QLatin1String(list.caption))
            return true;
    for (const AggregateInfo &info : Aggregates)
        if (text == QLatin1String(info.tabCaption) || text == QLatin1String(info.listTitle))
            return true;
    static const QRegularExpression shootOff(QStringLiteral("^f[1-5]$"));
    return shootOff.match(text).hasMatch();
}

// Texts that read the same in every language: no letters, codes of disciplines, groups,
// aggregates, lists and classes, the languages' own names and the match's names.
bool sameInEveryLanguage(const QString &text, const QStringList &names)
{
    if (isListCode(text))
        return true;
    static const QStringList words = [] {
        QStringList all{QStringLiteral("OK"), QStringLiteral("Marvola"), QStringLiteral("English"),
            QStringLiteral("Suomi"), QStringLiteral("Svenska"), QStringLiteral("Agg"),
            QStringLiteral("Aggr"), QStringLiteral("Int"), QStringLiteral("Master"),
            QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("P"),
            QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("U"), QStringLiteral("PDF"),
            QStringLiteral("HTML"), QStringLiteral("CSV"), QStringLiteral("http"),
            QStringLiteral("Adobe"), QStringLiteral("Acrobat")};
        for (int d = 0; d < LajiCount; ++d)
            all << disciplineCode(d);
        for (const GroupInfo &group : Groups)
            all << QLatin1String(group.code);
        for (const TeamGroupInfo &team : TeamGroups)
            all << QLatin1String(team.code);
        return all;
    }();
    for (const QString &name : names)
        if (!name.isEmpty() && text.contains(name))
            return true;
    static const QRegularExpression wordPattern(QStringLiteral("\\p{L}+"));
    for (const auto &match : wordPattern.globalMatch(text))
        if (!words.contains(match.captured()))
            return false;
    return true;
}

class WindowLanguage : public ::testing::TestWithParam<const char *>
{
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        QStandardPaths::setTestModeEnabled(true);
    }

    // The program in the language, the demo loaded, with an implausible result, an entry log
    // with changes, the live results running, and every dialog shown once.
    ShownTexts textsIn(const QString &language)
    {
        const InstalledLanguage installed(language);
        QTemporaryDir dir;
        const MatchFileSet from
            = MatchFileSet::fromChosenName(examplesFolder() + QStringLiteral("/demo.mrv"));
        const MatchFileSet to = MatchFileSet::fromChosenName(dir.filePath(QStringLiteral("d.mrv")));
        for (qsizetype i = 0; i < from.asList().size(); ++i)
            QFile::copy(from.asList()[i], to.asList()[i]);
        ShownTexts texts;
        {
            Program program;
            MainWindow &form = program.mainWindow();
            form.show();
            EXPECT_TRUE(form.loadMatch(to.summary));
            names = matchNames(program.kilpailu());
            typeImplausibleResult(program);
            QString error;
            EXPECT_TRUE(
                program.liveResults().startOn(QHostAddress(QHostAddress::LocalHost), 0, error));
            form.findChild<QAction *>(QStringLiteral("checkResultsAction"))->trigger();
            form.findChild<QAction *>(QStringLiteral("entryLogAction"))->trigger();
            form.findChild<QAction *>(QStringLiteral("relaysAction"))->trigger();
            texts = shownTexts(&form);
            program.liveResults().stop();
        }
        return texts;
    }

    void typeImplausibleResult(Program &program)
    {
        Kilpailu &k = program.kilpailu();
        int slot = 1;
        while (slot < MaxKilpailijat && !k.kilpailijat[slot].Osallistuu[BBPR])
            ++slot;
        ResultEntryDialog *entry = program.dialogs().resultEntry;
        program.mainWindow().findChild<QAction *>(QStringLiteral("editResultsAction"))->trigger();
        entry->showCompetitor(slot, BBPR);
        auto *turkeys = entry->findChild<QLineEdit *>(QStringLiteral("BBPRKalkkuna"));
        QTest::keyClick(turkeys, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(turkeys, QStringLiteral("12"));
        QTest::keyClick(turkeys, Qt::Key_Return);
    }

    static QStringList matchNames(const Kilpailu &k)
    {
        QStringList found{k.tiedot.Seura, k.tiedot.Paikka, k.tiedot.KilpJohtaja,
            QStringLiteral("Tulokset"), QStringLiteral("d.mrv"), QStringLiteral("dLoki.db")};
        for (int slot = 1; slot <= MaxKilpailijat; ++slot)
            found << k.kilpailijat[slot].Nimi.text() << k.kilpailijat[slot].Seura.text();
        found.removeAll(QString());
        return found;
    }

    QStringList names;
    ScriptedPrompts prompts;
};

// Each text by its place: the widget's path, what it is, and its turn among the texts there.
QMap<QString, QString> byPlace(const ShownTexts &texts)
{
    QMap<QString, QString> places;
    QHash<QString, int> turns;
    for (const ShownText &shown : texts)
        places.insert(shown.where + u'#' + QString::number(turns[shown.where]++), shown.text);
    return places;
}

TEST_P(WindowLanguage, NoTextIsLeftInEnglish)
{
    const QMap<QString, QString> english = byPlace(textsIn(QStringLiteral("en")));
    const QMap<QString, QString> translated = byPlace(textsIn(QLatin1String(GetParam())));
    ASSERT_GT(english.size(), 300) << "every window was looked at";
    QStringList untranslated;
    for (auto shown = translated.cbegin(); shown != translated.cend(); ++shown)
        if (english.value(shown.key()) == shown.value()
            && !sameInEveryLanguage(shown.value(), names)
            && !sameWordsIn(QLatin1String(GetParam())).contains(shown.value()))
            untranslated << shown.key() + u' ' + shown.value();
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLanguage, ::testing::Values("fi", "sv"),
    [](const auto &info) { return std::string(info.param); });

} // namespace
