// Conversion between Unicode text and the Windows-1252 code page of the match files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace marvola {

// Characters that Windows-1252 cannot represent become '?'.
QByteArray toCp1252(const QString &text);
// Appends the encoded text to out, character by character, without an intermediate copy.
void appendCp1252(QByteArray &out, QStringView text);
// Writes the encoded text at out, which has room for text.size() bytes; returns the end.
char *writeCp1252(QStringView text, char *out);
QString fromCp1252(const QByteArray &bytes);
QString fromCp1252(const char *bytes, int length);

} // namespace marvola
