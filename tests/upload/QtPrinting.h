// Readable failure messages for Qt texts in the upload tests.
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
