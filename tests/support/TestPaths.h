#pragma once
// Where the tests find their data, the demonstration match, the scripts and the built program.
// Only TestPaths.cpp is compiled with these folders, so that the compile flags of every other
// test file are the same in any checkout and a second clone reuses the compiler cache.

#include <QString>

namespace marvola::testing {

QString testDataFolder(); // tests/data
QString examplesFolder(); // examples
QString sourceFolder(); // the top of the checkout
QString programPath(); // the built marvola; empty in a build without the window

} // namespace marvola::testing
