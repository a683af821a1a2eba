#include "output/CompetitorExport.h"

#include "model/Registers.h"
#include "output/XlsxFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    return xlsxBytes(
        [&kilpailu](lxw_workbook *workbook) {
            lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Competitors");
            if (!sheet)
                return LXW_ERROR_MEMORY_MALLOC_FAILED;
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
            return LXW_NO_ERROR;
        },
        error);
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
