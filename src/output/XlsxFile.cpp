#include "output/XlsxFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace marvola {

namespace {

QString cannotMake(const QString &reason)
{
    return QCoreApplication::translate("CompetitorExport", "The workbook cannot be made: %1")
        .arg(reason);
}

} // namespace

std::optional<QByteArray> xlsxBytes(
    const std::function<lxw_error(lxw_workbook *)> &fill, QString &error)
{
    QTemporaryDir dir;
    if (!dir.isValid()) {
        error = cannotMake(dir.errorString());
        return std::nullopt;
    }
    const QString path = dir.filePath(QStringLiteral("workbook.xlsx"));
    lxw_workbook *workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook) {
        error = cannotMake(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    lxw_error failed = fill(workbook);
    // Closed whatever happened: the library frees the workbook only here.
    const lxw_error closed = workbook_close(workbook);
    if (failed == LXW_NO_ERROR)
        failed = closed;
    if (failed != LXW_NO_ERROR) {
        error = cannotMake(QString::fromUtf8(lxw_strerror(failed)));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = cannotMake(file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace marvola
