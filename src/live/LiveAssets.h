// The style sheet and the script that every live results page loads.
#pragma once

#include <QByteArray>

namespace marvola {

QByteArray liveStyleSheet();
// Polls the page's JSON (with its ETag) and replaces the table body in place when it changes.
QByteArray liveScript();

} // namespace marvola
