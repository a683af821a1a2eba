// Plain-text helpers of the core: one-line field texts and line quotes for messages.
#pragma once

#include <QString>

namespace marvola {

// The text with every line break (CR LF counting as one) and every other control character
// replaced by one blank: what a one-line field or a line of a text file may hold.
QString singleLine(const QString &text);

// A line of a file as a message quotes it: unprintable characters shown as \xHH (\uHHHH beyond
// Latin-1) and the text cut to 60 characters followed by "…".
QString quotedForMessage(const QString &text);

} // namespace marvola
