// Barcodes for the printed cards: the bars of a Code 128 symbol, made by libzint.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace marvola {

// One dark bar: its left edge and width, in modules (the narrowest bar's width).
struct BarcodeBar
{
    double x = 0;
    double width = 0;
};

// A symbol without its quiet zones: the bars from left to right and the width they span.
struct BarcodeBars
{
    double modules = 0;
    QList<BarcodeBar> bars;
};

// The Code 128 bars of the text; nothing, with the library's message in error, when the text
// cannot be encoded (empty, too long).
std::optional<BarcodeBars> code128Bars(const QString &text, QString &error);

} // namespace marvola
