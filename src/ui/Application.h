// Starting the windowed program.
#pragma once

#include <QString>

namespace marvola {

// Creates the windows, loads matchFile when one is given, and runs the event loop.
int runWindowedProgram(const QString &matchFile);

} // namespace marvola
