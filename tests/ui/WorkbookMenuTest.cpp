// File > "Export workbook...": the workbook holds what the tabs show, also for a result stored
// since the last refresh.
#include "ProgramFixture.h"
#include "output/CsvExport.h"
#include "session/MatchSession.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>

using namespace marvola;
using namespace marvola::testing;

namespace {

// A sheet's rows as the texts of their cells ('' for an empty one), read by openpyxl.
QJsonArray sheetRows(const QString &path, const QString &sheet, std::string &failure)
{
    QString python3 = QStandardPaths::findExecutable(QStringLiteral("python3"), {"/usr/bin"});
    if (python3.isEmpty())
        python3 = QStringLiteral("python3");
    QProcess python;
    python.start(python3,
        {QStringLiteral("-c"),
            QStringLiteral("import json, sys, openpyxl\n"
                           "ws = openpyxl.load_workbook(sys.argv[1])[sys.argv[2]]\n"
                           "print(json.dumps([['' if c is None else str(c) for c in row]\n"
                           "    for row in ws.iter_rows(values_only=True)]))\n"),
            path, sheet});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        failure = python.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

class WorkbookMenuTest : public ProgramTest
{
protected:
    QAction *exportAction()
    {
        return form.findChild<QAction *>(QStringLiteral("exportWorkbookAction"));
    }
    QTemporaryDir m_dir;
};

TEST_F(WorkbookMenuTest, WorkbookHoldsTheTabsWithAResultStoredSinceTheRefresh)
{
    loadDemo();
    ASSERT_NE(exportAction(), nullptr);
    EXPECT_TRUE(exportAction()->text().contains(QLatin1Char('&'))) << "an access key";
    int slot = 1;
    while (!kilpailu().kilpailijat[slot].Osallistuu[BBPR])
        ++slot;
    // Stored as a station would store it: the tabs are not refreshed by it.
    form.session().edit([slot](Kilpailu &k) { k.kilpailijat[slot].Yhteensa[BBPR] = 987; },
        EditOrigin{QStringLiteral("station:ab12"), QString()});

    const QString path = m_dir.filePath(QStringLiteral("results.xlsx"));
    prompts.fileAnswers = {path};
    exportAction()->trigger();
    ASSERT_EQ(prompts.fileDialogs.size(), 1);
    EXPECT_EQ(prompts.fileDialogs[0].defaultSuffix, QStringLiteral("xlsx"));
    EXPECT_TRUE(form.statusBar()->currentMessage().contains(QStringLiteral("results.xlsx")));

    std::string failure;
    const QJsonArray rows = sheetRows(path, QStringLiteral("BBPR"), failure);
    ASSERT_FALSE(rows.isEmpty()) << failure;
    const ListLines &tab = linesOf(QStringLiteral("BBPRRuutu"));
    ASSERT_EQ(rows.size(), tab.size() + 1);
    for (qsizetype i = 0; i < tab.size(); ++i) {
        QStringList shown;
        for (const QString &cell : tab[i].columns)
            shown << cell.trimmed();
        QStringList read;
        for (const QJsonValue &cell : rows.at(i + 1).toArray())
            read << cell.toString();
        read.resize(shown.size());
        EXPECT_EQ(read, shown) << "line " << i;
    }
    // The stored total ranks first, in the tab and in the workbook.
    EXPECT_TRUE(rows.at(2).toArray().contains(QStringLiteral("987")))
        << QJsonDocument(rows.at(2).toArray()).toJson().toStdString();
}

TEST_F(WorkbookMenuTest, EmptyMatchHasNothingToExport)
{
    ASSERT_NE(exportAction(), nullptr);
    prompts.expectInformation(nothingToExportMessage());
    exportAction()->trigger();
    EXPECT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(prompts.fileDialogs.isEmpty()) << "no file is asked for";
}

} // namespace
