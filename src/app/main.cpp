// Marvola: results program for metallic silhouette matches.
#include "app/CommandLine.h"
#include "app/LiveBoard.h"
#include "model/Language.h"
#include "ui/Application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

// Without a display Qt would abort with a platform plugin error; say plainly what to do instead.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// Batch runs print only the program's own messages and real problems: the offscreen platform's
// notice about a missing runtime folder is no use to an official reading stderr.
QtMessageHandler defaultHandler = nullptr;

void batchMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    QString error;
    const auto arguments = marvola::decodeArguments(argc, argv, error);
    if (!arguments) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    const auto commandLine = marvola::parseCommandLine(*arguments, error);
    if (!commandLine) {
        QCoreApplication app(argc, argv);
        marvola::installTranslations();
        std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(marvola::usageText()));
        return 2;
    }

    if (commandLine->isBatch()) {
        defaultHandler = qInstallMessageHandler(batchMessageHandler);
        // Without printed lists no platform plugin and no font database are loaded.
        if (!commandLine->needsGuiApplication()) {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("Marvola"));
            marvola::installTranslations();
            return marvola::runBatch(*commandLine);
        }
        // Batch mode works without a display; fonts still need a GUI application.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Marvola"));
        marvola::installTranslations();
        return marvola::runBatch(*commandLine);
    }

    if (!displayAvailable()) {
        QCoreApplication app(argc, argv);
        marvola::installTranslations();
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("Main",
                "No display: use the batch mode (marvola MATCH.mrv --pdf OUT.pdf, see --help) "
                "or run under xvfb-run.")));
        return 1;
    }
    std::optional<marvola::LiveStart> live;
    if (!commandLine->live.isEmpty()) {
        const auto address = marvola::parseServeAddress(commandLine->live, error);
        if (!address) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 2;
        }
        live = marvola::LiveStart{address->host, address->port};
    }
    QApplication app(argc, argv);
    marvola::installTranslations();
    return marvola::runWindowedProgram(commandLine->matchFile, commandLine->oldLayout, live);
}
