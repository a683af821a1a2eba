// The tools' command lines: --help prints the usage and any other option is refused, so that an
// option is never taken for the name of a file to write.
#pragma once

#include <QStringList>

#include <cstdio>
#include <optional>

namespace marvola {

// The exit status when the command line is answered here (help, an unknown option, too few or too
// many names), or nothing when the tool goes on with its names.
inline std::optional<int> answerToolArguments(
    const QStringList &arguments, qsizetype minimum, qsizetype maximum, const char *usage)
{
    const QStringList names = arguments.mid(1);
    for (const QString &name : names)
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
    for (const QString &name : names)
        if (name.startsWith(QLatin1Char('-')) && name.size() > 1) {
            std::fprintf(stderr, "Unknown option %s.\n%s", qPrintable(name), usage);
            return 2;
        }
    if (names.size() < minimum || names.size() > maximum) {
        std::fputs(usage, stderr);
        return 2;
    }
    return std::nullopt;
}

} // namespace marvola
