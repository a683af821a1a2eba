#include "output/CompetitorExport.h"

#include "model/Registers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace marvola {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("CompetitorExport", source);
}

QString csvField(const QString &value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"'))
        && !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList competitorCells(const Kilpailu &kilpailu, int slot)
{
    const TKilpailija &k = kilpailu.kilpailijat[slot];
    const CompetitorExtras &extras = kilpailu.extras[slot];
    return {k.Nimi.text(), k.Seura.text(), k.Maa.text(), extras.memberNumber, extras.email,
        extras.sharesGunWith, extras.leftHanded ? QStringLiteral("yes") : QString()};
}

QStringList disciplineCells(const TKilpailija &k, int d)
{
    return {disciplineCode(d), k.Luokka[d].text(), k.Ase[d].text(), k.Malli[d].text(),
        discipline(d).hasCaliber ? k.Kaliiperi[d].text() : QString()};
}

} // namespace

QStringList competitorListHeadings()
{
    // Data words of a file others read: never translated.
    return {QStringLiteral("name"), QStringLiteral("club"), QStringLiteral("nationality"),
        QStringLiteral("member number"), QStringLiteral("e-mail"),
        QStringLiteral("shares gun with"), QStringLiteral("left-handed"),
        QStringLiteral("discipline"), QStringLiteral("class"), QStringLiteral("gun"),
        QStringLiteral("model"), QStringLiteral("caliber")};
}

QList<QStringList> competitorListRows(const Kilpailu &kilpailu)
{
    QList<QStringList> rows;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = kilpailu.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        const QStringList competitor = competitorCells(kilpailu, slot);
        bool entered = false;
        for (int d = 0; d < LajiCount; ++d) {
            if (!k.Osallistuu[d])
                continue;
            rows.append(competitor + disciplineCells(k, d));
            entered = true;
        }
        if (!entered)
            rows.append(competitor + QStringList(5, QString()));
    }
    return rows;
}

QByteArray competitorListCsv(const Kilpailu &kilpailu)
{
    QString out;
    const auto line = [&out](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields << csvField(cell);
        out += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    };
    line(competitorListHeadings());
    for (const QStringList &row : competitorListRows(kilpailu))
        line(row);
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

std::optional<QByteArray> competitorListXlsx(const Kilpailu &kilpailu, QString &error)
{
    // This libxlsxwriter writes a workbook to a file only: it is made in a private folder and
    // read back, so the chosen file is written once, whole, by the program's safe writing.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        error = text("The workbook cannot be made: %1").arg(dir.errorString());
        return std::nullopt;
    }
    const QString path = dir.filePath(QStringLiteral("competitors.xlsx"));
    const QByteArray encodedPath = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(encodedPath.constData());
    if (!workbook) {
        error = text("The workbook cannot be made: %1").arg(QDir::toNativeSeparators(path));
        return std::nullopt;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Competitors");
    const auto writeRow = [sheet](lxw_row_t row, const QStringList &cells) {
        for (qsizetype column = 0; column < cells.size(); ++column) {
            if (cells[column].isEmpty())
                continue;
            worksheet_write_string(sheet, row, static_cast<lxw_col_t>(column),
                cells[column].toUtf8().constData(), nullptr);
        }
    };
    writeRow(0, competitorListHeadings());
    lxw_row_t row = 1;
    for (const QStringList &cells : competitorListRows(kilpailu))
        writeRow(row++, cells);
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        error
            = text("The workbook cannot be made: %1").arg(QString::fromUtf8(lxw_strerror(closed)));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = text("The workbook cannot be made: %1").arg(file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<CompetitorListFormat> competitorListFormat(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return CompetitorListFormat::Csv;
    if (suffix == QLatin1String("xlsx"))
        return CompetitorListFormat::Xlsx;
    return std::nullopt;
}

std::optional<QByteArray> competitorListFile(
    const Kilpailu &kilpailu, const QString &fileName, QString &error)
{
    const std::optional<CompetitorListFormat> format = competitorListFormat(fileName);
    if (!format) {
        error = text("The competitor list is written as .csv or .xlsx, not as %1.")
                    .arg(QDir::toNativeSeparators(fileName));
        return std::nullopt;
    }
    if (*format == CompetitorListFormat::Csv)
        return competitorListCsv(kilpailu);
    return competitorListXlsx(kilpailu, error);
}

} // namespace marvola
