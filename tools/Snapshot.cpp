// Grabs the main window on a match to PNG files, one per tab named, and the match info dialog.
#include "ToolArguments.h"
#include "model/Language.h"
#include "ui/Application.h"
#include "ui/MatchInfoDialog.h"
#include "ui/ResultEntryDialog.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

using namespace marvola;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installTranslations();
    const QStringList args = QApplication::arguments();
    if (const auto status = answerToolArguments(args, 2, args.size(),
            "Usage: snapshot MATCH.mrv OUTDIR [TAB CAPTION...]\n"
            "Loads the match and saves the main window, one PNG file per tab named (default:\n"
            "Competitors), the match info and result entry dialogs and the exit question into\n"
            "OUTDIR, in the program's language.\n"))
        return *status;
    const QDir out(args[2]);
    Program program;
    MainWindow &mainWindow = program.mainWindow();
    mainWindow.show();
    if (!mainWindow.loadMatch(args[1]))
        return 1;

    auto *tabs = mainWindow.findChild<QTabWidget *>(QStringLiteral("resultTabs"));
    QStringList captions = args.mid(3);
    if (captions.isEmpty())
        captions << QStringLiteral("Competitors");
    for (const QString &caption : captions) {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                tabs->setCurrentIndex(i);
        QApplication::processEvents();
        QString file = caption;
        file.replace(QLatin1Char(' '), QLatin1Char('_'));
        mainWindow.grab().save(out.filePath(QStringLiteral("main-%1.png").arg(file)));
    }

    MatchInfoDialog *matchInfo = program.dialogs().matchInfo;
    matchInfo->show();
    QApplication::processEvents();
    matchInfo->grab().save(out.filePath(QStringLiteral("match-info.png")));
    matchInfo->hide();

    ResultEntryDialog *resultEntry = program.dialogs().resultEntry;
    resultEntry->show();
    QApplication::processEvents();
    resultEntry->grab().save(out.filePath(QStringLiteral("result-entry.png")));
    resultEntry->hide();

    // The exit question with unsaved changes: grabbed while it waits, then answered "stay".
    program.kilpailu().Muutettu = true;
    QTimer::singleShot(500, [&out] {
        if (QWidget *question = QApplication::activeModalWidget()) {
            question->grab().save(out.filePath(QStringLiteral("exit-question.png")));
            question->close();
        }
    });
    mainWindow.close();
    program.kilpailu().Muutettu = false;
    return 0;
}
