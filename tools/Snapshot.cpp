// Grabs the main window on a match to PNG files, one per tab named, and the match info dialog.
#include "ToolArguments.h"
#include "model/Language.h"
#include "ui/Application.h"
#include "ui/CheckResultsDialog.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/DatabaseDialog.h"
#include "ui/DatabaseLoginDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/EditTeamDialog.h"
#include "ui/EntryLogWindow.h"
#include "ui/ImportDialog.h"
#include "ui/LiveResultsWindow.h"
#include "ui/MatchInfoDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/NewTeamDialog.h"
#include "ui/PrintDialog.h"
#include "ui/RelayDrawDialog.h"
#include "ui/RelaysWindow.h"
#include "ui/ResultEntryDialog.h"
#include "ui/ShootOffsWindow.h"
#include "ui/TeamsDialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <utility>

using namespace marvola;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installTranslations();
    const QStringList args = QApplication::arguments();
    if (const auto status = answerToolArguments(args, 2, args.size(),
            "Usage: snapshot MATCH.mrv OUTDIR [TAB CAPTION...]\n"
            "Loads the match and saves the main window, one PNG file per tab named (default:\n"
            "Competitors), every dialog and window and the unsaved changes question into\n"
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

    const Dialogs &dialogs = program.dialogs();
    QString error;
    program.liveResults().startOn(QHostAddress(QHostAddress::LocalHost), 0, error);
    mainWindow.findChild<QAction *>(QStringLiteral("checkResultsAction"))->trigger();
    mainWindow.findChild<QAction *>(QStringLiteral("entryLogAction"))->trigger();
    mainWindow.findChild<QAction *>(QStringLiteral("shootOffsAction"))->trigger();
    // The import's preview of a small list: a new competitor, an update, a suspected duplicate
    // and refused rows, with a column the program does not know.
    const std::optional<ImportTable> entries
        = readCsv("name;club;member number;birth year;BBPR;SBRL\n"
                  "Uusi Ulla;HAUR;FIN-901;1990;x;\n"
                  "Aalto Matti;HyMAS;FIN-902;1970;A;B\n"
                  "Matti Aalto;OMAS;;;x;\n"
                  ";HAUR;;;x;\n"
                  "Pitkanimi Pekka;Kuopion Ampujat;;;;x\n",
            error);
    ImportDialog importDialog(program.session(), QStringLiteral("entries.csv"),
        entries.value_or(ImportTable{}), &mainWindow);
    const std::pair<const char *, QWidget *> windows[] = {{"match-info", dialogs.matchInfo},
        {"result-entry", dialogs.resultEntry}, {"competitor-entry", dialogs.competitorEntry},
        {"new-competitor", dialogs.newCompetitor}, {"edit-competitor", dialogs.editCompetitor},
        {"print", dialogs.print}, {"teams", dialogs.teams}, {"new-team", dialogs.newTeam},
        {"edit-team", dialogs.editTeam}, {"database", dialogs.database},
        {"database-login", dialogs.database->findChild<DatabaseLoginDialog *>()},
        {"live-results", &program.liveResults()},
        {"check-results", mainWindow.findChild<CheckResultsDialog *>()},
        {"entry-log", mainWindow.findChild<EntryLogWindow *>()},
        {"shoot-offs", mainWindow.findChild<ShootOffsWindow *>()}, {"import", &importDialog}};
    for (const auto &[name, window] : windows) {
        if (!window)
            continue;
        window->show();
        QApplication::processEvents();
        window->grab().save(out.filePath(QStringLiteral("%1.png").arg(QLatin1String(name))));
        window->hide();
    }
    program.liveResults().stop();

    // The relays window, each of its pages, and a trial draw over the match's plan.
    mainWindow.findChild<QAction *>(QStringLiteral("relaysAction"))->trigger();
    if (auto *relays = mainWindow.findChild<RelaysWindow *>()) {
        auto *pages = relays->findChild<QTabWidget *>(QStringLiteral("relaysTabs"));
        const char *pageNames[] = {"relays-places", "relays-plan", "relays-cards"};
        for (int i = 0; i < pages->count() && i < 3; ++i) {
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            relays->grab().save(
                out.filePath(QStringLiteral("%1.png").arg(QLatin1String(pageNames[i]))));
        }
        pages->setCurrentIndex(0);
        if (auto *draw = relays->findChild<QPushButton *>(QStringLiteral("drawButton")))
            draw->click();
        if (RelayDrawDialog *trial = relays->trialDraw()) {
            trial->drawWith(7);
            QApplication::processEvents();
            trial->grab().save(out.filePath(QStringLiteral("relay-draw.png")));
            trial->reject();
        }
        relays->hide();
    }

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
