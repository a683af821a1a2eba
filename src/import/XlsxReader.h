// The first sheet (or a named one) of an XLSX workbook as a table of the texts its cells show.
#pragma once

#include "import/ImportTable.h"

namespace marvola {

// Reads the zip with libzip and its parts as XML, each part bounded (ImportLimits): a sheet that
// unpacks to more, or has more columns or rows than a list of competitors can, is refused with
// the error. A cell holds what the sheet shows: a formula's cached result, a shared or inline
// text, an integer without decimals, a date in its format.
std::optional<ImportTable> readXlsx(const QString &fileName, const QString &sheet, QString &error);

} // namespace marvola
