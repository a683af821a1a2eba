#include "import/XlsxReader.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <cmath>
#include <zip.h>

namespace marvola {

namespace {

// The texts of this file, in the translations' context XlsxReader.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(XlsxReader)
};

// The workbook's zip, read with libzip. (libxlsxwriter, which writes the exported workbooks,
// brings minizip's zipOpen... functions; a zip library that exports the same names would take
// its calls in the same program.) Part names are found without case, as the package format says.
class ZipArchive
{
public:
    explicit ZipArchive(QString fileName)
        : m_fileName(std::move(fileName))
    { }
    ~ZipArchive()
    {
        if (m_zip)
            zip_discard(m_zip);
    }
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool open()
    {
        int error = 0;
        m_zip = zip_open(QFile::encodeName(m_fileName).constData(), ZIP_RDONLY, &error);
        return m_zip != nullptr;
    }
    QString fileName() const { return m_fileName; }
    bool setCurrentFile(const QString &name)
    {
        m_current = -1;
        if (!m_zip)
            return false;
        m_current = zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
        return m_current >= 0;
    }
    zip_file_t *openCurrent() const
    {
        return m_zip && m_current >= 0 ? zip_fopen_index(m_zip, zip_uint64_t(m_current), 0)
                                       : nullptr;
    }

private:
    QString m_fileName;
    zip_t *m_zip = nullptr;
    zip_int64_t m_current = -1;
};

// A part of the zip read through inflate up to a number of bytes: past it the reader sees the end,
// and the caller says the part is too large instead of unpacking it.
class BoundedPart : public QIODevice
{
public:
    BoundedPart(ZipArchive &zip, qint64 limit)
        : m_zip(zip)
        , m_limit(limit)
    { }
    ~BoundedPart() override
    {
        if (m_file)
            zip_fclose(m_file);
    }
    bool openPart()
    {
        m_file = m_zip.openCurrent();
        return m_file && open(QIODevice::ReadOnly);
    }
    bool overLimit() const { return m_overLimit; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 room = m_limit - m_read;
        if (room <= 0) {
            // One byte more tells a part exactly at the limit from one beyond it.
            char probe = 0;
            m_overLimit = m_overLimit || zip_fread(m_file, &probe, 1) == 1;
            return m_overLimit ? -1 : 0;
        }
        const zip_int64_t got = zip_fread(m_file, data, zip_uint64_t(std::min(maxSize, room)));
        if (got > 0)
            m_read += got;
        return got;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    ZipArchive &m_zip;
    zip_file_t *m_file = nullptr;
    qint64 m_limit;
    qint64 m_read = 0;
    bool m_overLimit = false;
};

struct NumberFormat
{
    enum Kind { General, Date } kind = General;
    QString dateFormat; // as QDate::toString reads it
};

// The date part of a spreadsheet's number format as Qt writes it, or empty when the format shows
// no date. Quoted texts and [colour] or [locale] parts are left out.
QString dateFormatOf(const QString &code)
{
    QString plain;
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (quoted) {
            quoted = c != u'"';
        } else if (bracket) {
            bracket = c != u']';
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'[') {
            bracket = true;
        } else if (c == u'\\') {
            if (++i < code.size())
                plain += code[i]; // an escaped character is shown as it is
        } else if (c == u'_' || c == u'*') {
            ++i;
        } else if (c == u';') {
            break;
        } else {
            plain += c.toLower();
        }
    }
    if (!plain.contains(u'y') && !plain.contains(u'd'))
        return {};
    QString format;
    bool timeSeen = false;
    for (qsizetype i = 0; i < plain.size();) {
        const QChar c = plain[i];
        qsizetype run = 1;
        while (i + run < plain.size() && plain[i + run] == c)
            ++run;
        if (c == u'h' || c == u's')
            timeSeen = true;
        if (timeSeen)
            break;
        if (c == u'y')
            format += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        else if (c == u'm')
            format += QString(std::min<qsizetype>(run, 4), u'M');
        else if (c == u'd')
            format += QString(std::min<qsizetype>(run, 4), u'd');
        else if (c.isLetterOrNumber())
            ; // am/pm, e, b and other codes of no date part
        else
            format += QString(run, c);
        i += run;
    }
    return format.trimmed();
}

NumberFormat builtInFormat(int id)
{
    // The date formats every workbook knows by number; the rest show the number itself.
    switch (id) {
    case 14:
    case 22: return {NumberFormat::Date, QStringLiteral("yyyy-MM-dd")};
    case 15: return {NumberFormat::Date, QStringLiteral("d-MMM-yy")};
    case 16: return {NumberFormat::Date, QStringLiteral("d-MMM")};
    case 17: return {NumberFormat::Date, QStringLiteral("MMM-yy")};
    default: return {};
    }
}

QString numberAsShown(const QString &value, const NumberFormat &format, bool date1904)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value;
    if (format.kind == NumberFormat::Date && number >= 0 && number < 2958466) {
        const QDate base = date1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
        return base.addDays(static_cast<qint64>(std::floor(number))).toString(format.dateFormat);
    }
    if (std::abs(number) < 1e15 && number == std::floor(number))
        return QString::number(static_cast<qint64>(number));
    return QString::number(number, 'g', 15);
}

class Workbook
{
public:
    explicit Workbook(const QString &fileName)
        : m_zip(fileName)
        , m_name(QFileInfo(fileName).fileName())
    { }

    std::optional<ImportTable> read(const QString &sheet, QString &error)
    {
        if (QFileInfo(m_zip.fileName()).size() > ImportLimits::FileBytes) {
            error = Text::tr("The file is larger than %1 MB: this is not a list of competitors.")
                        .arg(ImportLimits::FileBytes / (1024 * 1024));
            return std::nullopt;
        }
        if (!m_zip.open()) {
            error = Text::tr("%1 is not an XLSX workbook that can be read.").arg(m_name);
            return std::nullopt;
        }
        QString sheetPart;
        if (!findSheet(sheet, sheetPart, error))
            return std::nullopt;
        if (!readStyles(error) || !readSharedStrings(error))
            return std::nullopt;
        return readSheet(sheetPart, error);
    }

private:
    // Opens a part; false with the error when the workbook lacks it (and the part is needed).
    bool openPart(BoundedPart &part, const QString &name, QString &error)
    {
        if (!m_zip.setCurrentFile(name) || !part.openPart()) {
            error = Text::tr("%1 is not an XLSX workbook that can be read: it has no %2.")
                        .arg(m_name, name);
            return false;
        }
        return true;
    }
    bool partError(const BoundedPart &part, const QXmlStreamReader &xml, const QString &name,
        QString &error) const
    {
        if (part.overLimit()) {
            error = Text::tr(
                "%1 unpacks to more than %2 MB in %3: this is not a list of competitors.")
                        .arg(m_name)
                        .arg(ImportLimits::UnpackedBytes / (1024 * 1024))
                        .arg(name);
            return true;
        }
        if (xml.hasError()) {
            error = Text::tr("%1 is not an XLSX workbook that can be read: %2 (%3).")
                        .arg(m_name, name, xml.errorString());
            return true;
        }
        return false;
    }

    // The part of the sheet asked for, or of the first sheet, through the workbook's relations.
    bool findSheet(const QString &wanted, QString &sheetPart, QString &error)
    {
        QString relationId;
        QStringList names;
        {
            BoundedPart part(m_zip, ImportLimits::UnpackedBytes);
            if (!openPart(part, QStringLiteral("xl/workbook.xml"), error))
                return false;
            QXmlStreamReader xml(&part);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"workbookPr") {
                    const auto v = xml.attributes().value(QLatin1String("date1904"));
                    m_date1904 = v == u"1" || v == u"true";
                } else if (xml.name() == u"sheet") {
                    const QString name = xml.attributes().value(QLatin1String("name")).toString();
                    names << name;
                    if (relationId.isEmpty() && (wanted.isEmpty() || name == wanted)) {
                        for (const auto &a : xml.attributes())
                            if (a.name() == u"id")
                                relationId = a.value().toString();
                    }
                }
            }
            if (partError(part, xml, QStringLiteral("xl/workbook.xml"), error))
                return false;
        }
        if (relationId.isEmpty()) {
            error = wanted.isEmpty() ? Text::tr("%1 has no sheet.").arg(m_name)
                                     : Text::tr("%1 has no sheet named \"%2\"; its sheets are: %3.")
                                           .arg(m_name, wanted, names.join(QStringLiteral(", ")));
            return false;
        }
        BoundedPart part(m_zip, ImportLimits::UnpackedBytes);
        if (!openPart(part, QStringLiteral("xl/_rels/workbook.xml.rels"), error))
            return false;
        QXmlStreamReader xml(&part);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"Relationship"
                && xml.attributes().value(QLatin1String("Id")) == relationId) {
                const QString target = xml.attributes().value(QLatin1String("Target")).toString();
                sheetPart
                    = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            }
        }
        if (partError(part, xml, QStringLiteral("xl/_rels/workbook.xml.rels"), error))
            return false;
        if (sheetPart.isEmpty()) {
            error = Text::tr("%1 is not an XLSX workbook that can be read: its sheet has no part.")
                        .arg(m_name);
            return false;
        }
        return true;
    }

    // The number formats of the cell styles; a workbook without styles shows plain numbers.
    bool readStyles(QString &error)
    {
        const QString name = QStringLiteral("xl/styles.xml");
        if (!m_zip.setCurrentFile(name))
            return true;
        BoundedPart part(m_zip, ImportLimits::UnpackedBytes);
        if (!openPart(part, name, error))
            return false;
        QHash<int, QString> customCodes;
        QXmlStreamReader xml(&part);
        int depthInCellXfs = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == u"numFmt") {
                    customCodes.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                        xml.attributes().value(QLatin1String("formatCode")).toString());
                } else if (xml.name() == u"cellXfs") {
                    depthInCellXfs = 1;
                } else if (depthInCellXfs > 0 && xml.name() == u"xf") {
                    if (m_formats.size() >= ImportLimits::Rows)
                        break;
                    const int id = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                    NumberFormat format = builtInFormat(id);
                    if (const auto code = customCodes.constFind(id); code != customCodes.cend()) {
                        const QString dateFormat = dateFormatOf(*code);
                        format = dateFormat.isEmpty()
                            ? NumberFormat{}
                            : NumberFormat{NumberFormat::Date, dateFormat};
                    }
                    m_formats << format;
                }
            } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
                depthInCellXfs = 0;
            }
        }
        return !partError(part, xml, name, error);
    }

    // The texts of the shared strings table, rich text runs joined and phonetic hints left out.
    bool readSharedStrings(QString &error)
    {
        const QString name = QStringLiteral("xl/sharedStrings.xml");
        if (!m_zip.setCurrentFile(name))
            return true;
        BoundedPart part(m_zip, ImportLimits::UnpackedBytes);
        if (!openPart(part, name, error))
            return false;
        QXmlStreamReader xml(&part);
        QString current;
        int phonetic = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                if (xml.name() == u"si")
                    current.clear();
                else if (xml.name() == u"rPh")
                    ++phonetic;
                else if (xml.name() == u"t" && phonetic == 0)
                    current += xml.readElementText().left(ImportLimits::CellChars);
            } else if (xml.isEndElement()) {
                if (xml.name() == u"si") {
                    if (m_strings.size() >= MaxCells) {
                        error = tooManyCellsMessage();
                        return false;
                    }
                    m_strings << current;
                } else if (xml.name() == u"rPh") {
                    --phonetic;
                }
            }
        }
        return !partError(part, xml, name, error);
    }

    static constexpr int MaxCells = 500000;
    QString tooManyCellsMessage() const
    {
        return Text::tr("%1 has more than %2 filled cells: this is not a list of competitors.")
            .arg(m_name)
            .arg(MaxCells);
    }

    // "BC12" -> column 55 (from 1); 0 for no column letters.
    static int columnOf(QStringView reference)
    {
        int column = 0;
        for (const QChar c : reference) {
            if (c < u'A' || c > u'Z')
                break;
            column = column * 26 + (c.unicode() - u'A' + 1);
            if (column > 100000)
                break;
        }
        return column;
    }

    QString cellText(
        const QString &type, const QString &value, const QString &inlineText, int style) const
    {
        if (type == u"s") {
            const int index = value.toInt();
            return index >= 0 && index < m_strings.size() ? m_strings[index] : QString();
        }
        if (type == u"inlineStr")
            return inlineText;
        if (type == u"b")
            return value == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == u"str" || type == u"e")
            return value;
        const NumberFormat format
            = style >= 0 && style < m_formats.size() ? m_formats[style] : NumberFormat{};
        return numberAsShown(value, format, m_date1904);
    }

    std::optional<ImportTable> readSheet(const QString &name, QString &error)
    {
        BoundedPart part(m_zip, ImportLimits::UnpackedBytes);
        if (!openPart(part, name, error))
            return std::nullopt;
        QXmlStreamReader xml(&part);
        ImportTable table;
        bool headingFound = false;
        int cells = 0;
        int rowNumber = 0;
        QStringList row;
        // The cell being read.
        int column = 0;
        QString type, value, inlineText;
        int style = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const auto tag = xml.name();
                if (tag == u"row") {
                    const int r = xml.attributes().value(QLatin1String("r")).toInt();
                    rowNumber = r > 0 ? r : rowNumber + 1;
                    row.clear();
                    column = 0;
                } else if (tag == u"c") {
                    const auto attributes = xml.attributes();
                    const int c = columnOf(attributes.value(QLatin1String("r")));
                    column = c > 0 ? c : column + 1;
                    type = attributes.value(QLatin1String("t")).toString();
                    style = attributes.value(QLatin1String("s")).toInt();
                    value.clear();
                    inlineText.clear();
                } else if (tag == u"v") {
                    value = xml.readElementText().left(ImportLimits::CellChars);
                } else if (tag == u"t") {
                    inlineText += xml.readElementText().left(ImportLimits::CellChars);
                }
            } else if (xml.isEndElement()) {
                const auto tag = xml.name();
                if (tag == u"c") {
                    const QString text = cellText(type, value, inlineText, style);
                    if (text.isEmpty())
                        continue;
                    if (column > ImportLimits::Columns) {
                        error = Text::tr("Row %1 of the sheet has a value in column %2; a list of "
                                         "competitors has at most %3 columns.")
                                    .arg(rowNumber)
                                    .arg(column)
                                    .arg(ImportLimits::Columns);
                        return std::nullopt;
                    }
                    if (++cells > MaxCells) {
                        error = tooManyCellsMessage();
                        return std::nullopt;
                    }
                    while (row.size() < column)
                        row << QString();
                    row[column - 1] = text;
                } else if (tag == u"row" && !row.isEmpty()) {
                    if (!headingFound) {
                        table.headings = row;
                        headingFound = true;
                    } else if (table.rows.size() >= ImportLimits::Rows) {
                        error = Text::tr("The sheet has more than %1 rows: this is not a list of "
                                         "competitors.")
                                    .arg(ImportLimits::Rows);
                        return std::nullopt;
                    } else {
                        table.rows.append({rowNumber, row});
                    }
                }
            }
        }
        if (partError(part, xml, name, error))
            return std::nullopt;
        if (!headingFound) {
            error = Text::tr("The sheet is empty.");
            return std::nullopt;
        }
        return table;
    }

    ZipArchive m_zip;
    QString m_name;
    bool m_date1904 = false;
    QStringList m_strings;
    QList<NumberFormat> m_formats;
};

} // namespace

std::optional<ImportTable> readXlsx(const QString &fileName, const QString &sheet, QString &error)
{
    Workbook workbook(fileName);
    return workbook.read(sheet, error);
}

} // namespace marvola
