// A workbook made with libxlsxwriter, as bytes: the library writes to a file only, so it is made
// in a private folder and read back, and the chosen file is written once, whole, by the
// program's safe writing.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <xlsxwriter.h>

namespace marvola {

// `fill` writes the sheets into the new workbook and says whether that failed; the bytes of the
// closed workbook, or nothing with the error.
std::optional<QByteArray> xlsxBytes(
    const std::function<lxw_error(lxw_workbook *)> &fill, QString &error);

} // namespace marvola
