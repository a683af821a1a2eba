// The scoring station's page: what a phone at the firing line loads from the office's program.
#pragma once

#include <QByteArray>
#include <QString>

namespace marvola {

// The whole page, its style and its script inline: it needs nothing from the internet. Its texts
// are in the language given (one of the program's), or in the program's own when that is empty.
QByteArray stationPage(const QString &language);

} // namespace marvola
