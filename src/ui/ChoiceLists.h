// The fixed suggestions of the free-text lists: clubs, nationalities and match levels.
#pragma once

#include <QStringList>

namespace marvola {

// Offered by the club lists of the competitor and match info dialogs; any text can be typed.
QStringList clubChoices();
// Offered by the nationality lists of the competitor dialogs.
QStringList nationalityChoices();
// Match levels of the match info dialog, national first.
QStringList levelChoices();

} // namespace marvola
