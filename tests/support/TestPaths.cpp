#include "support/TestPaths.h"

namespace marvola::testing {

QString testDataFolder()
{
    return QStringLiteral(MARVOLA_TEST_DATA);
}

QString examplesFolder()
{
    return QStringLiteral(MARVOLA_EXAMPLES);
}

QString sourceFolder()
{
    return QStringLiteral(MARVOLA_SOURCE_DIR);
}

QString programPath()
{
#ifdef MARVOLA_BINARY
    return QStringLiteral(MARVOLA_BINARY);
#else
    return {};
#endif
}

} // namespace marvola::testing
