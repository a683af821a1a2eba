// The scoring station's page: what a phone at the firing line loads from the office's program.
#pragma once

#include <QByteArray>

namespace marvola {

// The whole page, its style and its script inline: it needs nothing from the internet.
QByteArray stationPage();

} // namespace marvola
