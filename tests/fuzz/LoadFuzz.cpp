// libFuzzer target of the match file loader: the input is the four files of a set, read from
// memory. A crash, a hang or a sanitizer report is a fault; a refusal is the expected answer.
//
// Framing: the first byte chooses the old layout (its lowest bit), the rest is the summary, match,
// results and teams file, in this order, separated by the five bytes "\x1F" "next"; missing files
// are empty.
#include "files/MatchFiles.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace marvola;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool oldLayout = (data[0] & 1) != 0;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QList<QByteArray> parts = input.split('\x1F');
    QList<QByteArray> files{QByteArray()};
    // Each separator is "\x1F" followed by "next"; any other "\x1F" is part of a file.
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && parts[i].startsWith("next"))
            files.append(parts[i].mid(4));
        else
            files.last() += (i > 0 ? QByteArray("\x1F") : QByteArray()) + parts[i];
    }
    const MatchFileBytes bytes{files.value(0), files.value(1), files.value(2), files.value(3), {}};

    static const auto current = std::make_unique<Kilpailu>();
    QString error;
    const LoadedMatch loaded = loadMatchFileSet(
        MatchFileSet::fromChosenName(QStringLiteral("f.mrv")), bytes, oldLayout, *current, error);
    // A refused set always says why; a loaded one saves again without trouble.
    if (!loaded.kilpailu && error.isEmpty())
        __builtin_trap();
    if (loaded.kilpailu) {
        WriteGroup saved;
        if (!matchFileSetContents(
                QStringLiteral("f.mrv"), *loaded.kilpailu, loaded.summaryLines, &saved, error)
            && !oldLayout)
            __builtin_trap();
    }
    return 0;
}
