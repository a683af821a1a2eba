#include "output/Barcode.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <memory>
#include <zint.h>

namespace marvola {

namespace {

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

std::optional<BarcodeBars> code128Bars(const QString &text, QString &error)
{
    const std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol) {
        error = QCoreApplication::translate("Barcode", "The barcode could not be made.");
        return std::nullopt;
    }
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0; // the card prints the text in its own font
    symbol->whitespace_width = 0;
    symbol->border_width = 0;
    symbol->scale = 1;
    const QByteArray data = text.toUtf8();
    const int status = ZBarcode_Encode_and_Buffer_Vector(symbol.get(),
        reinterpret_cast<const unsigned char *>(data.constData()), static_cast<int>(data.size()),
        0);
    if (status >= ZINT_ERROR || !symbol->vector) {
        error = QCoreApplication::translate("Barcode", "The barcode of %1 could not be made: %2")
                    .arg(text, QString::fromUtf8(symbol->errtxt));
        return std::nullopt;
    }
    // The vector's units are modules times the scale; the bars are read back in modules.
    const double unit = symbol->vector->width / std::max(1, symbol->width);
    BarcodeBars bars;
    bars.modules = symbol->width;
    for (const zint_vector_rect *rect = symbol->vector->rectangles; rect; rect = rect->next)
        bars.bars.append({rect->x / unit, rect->width / unit});
    std::sort(bars.bars.begin(), bars.bars.end(),
        [](const BarcodeBar &a, const BarcodeBar &b) { return a.x < b.x; });
    return bars;
}

} // namespace marvola
