// Marvola: results program for metallic silhouette matches.
#include "app/CommandLine.h"
#include "ui/Application.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QString error;
    const auto commandLine = marvola::parseCommandLine(arguments, &error);
    if (!commandLine) {
        std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(marvola::usageText()));
        return 2;
    }

    if (commandLine->isBatch()) {
        // Batch mode works without a display; fonts still need a GUI application.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Marvola"));
        return marvola::runBatch(*commandLine);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marvola"));
    return marvola::runWindowedProgram(commandLine->matchFile);
}
