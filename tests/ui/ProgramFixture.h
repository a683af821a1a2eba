// The whole windowed program on the offscreen platform, with scripted answers to its questions.
#pragma once

#include "ScriptedPrompts.h"
#include "files/MatchFiles.h"
#include "model/Registers.h"
#include "ranking/Tables.h"
#include "support/TestPaths.h"
#include "ui/Application.h"
#include "ui/ReportList.h"

#include <QFile>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace marvola {

inline bool operator==(const ListLine &a, const ListLine &b)
{
    return a.heading == b.heading && a.columns == b.columns;
}

} // namespace marvola

namespace marvola::testing {

inline QString demoMatch()
{
    return examplesFolder() + QStringLiteral("/demo.mrv");
}

class ProgramTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // The recent matches list goes to a settings folder of the test's own.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    Kilpailu &kilpailu() { return program.kilpailu(); }
    QTabWidget *pageControl() { return form.findChild<QTabWidget *>(QStringLiteral("resultTabs")); }
    QTreeView *view(const QString &name)
    {
        auto *found = form.findChild<QTreeView *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    const ListLines &linesOf(const QString &viewName)
    {
        return reportModel(view(viewName))->lines();
    }
    QStringList visibleTabs()
    {
        QStringList captions;
        for (int i = 0; i < pageControl()->count(); ++i)
            if (pageControl()->isTabVisible(i))
                captions << pageControl()->tabText(i);
        return captions;
    }
    QStringList allTabs()
    {
        QStringList captions;
        for (int i = 0; i < pageControl()->count(); ++i)
            captions << pageControl()->tabText(i);
        return captions;
    }
    // The names of the competitor list, top to bottom.
    QStringList listedNames()
    {
        QStringList names;
        for (const ListLine &line : linesOf(QStringLiteral("KilpailijaView")))
            names << line.columns.value(0);
        return names;
    }
    // Loads a copy of the demo: the changes a test makes go to the copy's entry log, never to
    // one beside the demo that the next test would be offered to restore.
    void loadDemo()
    {
        ASSERT_TRUE(demoDir.isValid());
        const MatchFileSet from = MatchFileSet::fromChosenName(demoMatch());
        const MatchFileSet to
            = MatchFileSet::fromChosenName(demoDir.filePath(QStringLiteral("demo.mrv")));
        for (qsizetype i = 0; i < from.asList().size(); ++i)
            QFile::copy(from.asList()[i], to.asList()[i]);
        ASSERT_TRUE(form.loadMatch(to.summary)) << prompts.errors.join(' ').toStdString();
    }

    QTemporaryDir demoDir;

    ScriptedPrompts prompts; // outlives the windows
    Program program;
    MainWindow &form = program.mainWindow();
};

} // namespace marvola::testing
