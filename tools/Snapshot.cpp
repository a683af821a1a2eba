// Grabs the main window on a match to PNG files, one per tab named, and the match info dialog.
#include "ToolArguments.h"
#include "ui/Application.h"
#include "ui/MatchInfoDialog.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>

using namespace marvola;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (const auto status = answerToolArguments(args, 2, args.size(),
            "Usage: snapshot MATCH.mrv OUTDIR [TAB CAPTION...]\n"
            "Loads the match and saves the main window, one PNG file per tab named (default:\n"
            "Competitors), and the match info dialog into OUTDIR.\n"))
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
    return 0;
}
