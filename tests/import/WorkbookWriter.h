// Writes small XLSX workbooks for the import tests: the parts a spreadsheet program writes, with
// the cells given as the sheet's XML.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>
#include <zip.h>

namespace marvola::testing {

struct SheetPart
{
    QString name;
    QByteArray cellsXml; // the rows inside <sheetData>
};

// Streams a part's content in pieces, so a test can write a part much larger than its memory.
using PartWriter = std::function<bool(QIODevice &)>;

// A zip being written with libzip; the parts' bytes stay here until the zip is closed.
class ZipWriter
{
public:
    explicit ZipWriter(const QString &fileName)
    {
        int error = 0;
        m_zip
            = zip_open(QFile::encodeName(fileName).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    }
    ~ZipWriter()
    {
        if (m_zip)
            zip_discard(m_zip);
    }
    bool isOpen() const { return m_zip != nullptr; }
    bool add(const QString &name, const PartWriter &write)
    {
        auto bytes = std::make_unique<QByteArray>();
        QBuffer buffer(bytes.get());
        if (!m_zip || !buffer.open(QIODevice::WriteOnly) || !write(buffer))
            return false;
        zip_source_t *source
            = zip_source_buffer(m_zip, bytes->constData(), zip_uint64_t(bytes->size()), 0);
        if (!source)
            return false;
        if (zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            return false;
        }
        m_parts.push_back(std::move(bytes));
        return true;
    }
    bool close()
    {
        const bool ok = m_zip && zip_close(m_zip) == 0;
        if (ok)
            m_zip = nullptr;
        return ok;
    }

private:
    zip_t *m_zip = nullptr;
    std::vector<std::unique_ptr<QByteArray>> m_parts;
};

inline bool writeZipPart(ZipWriter &zip, const QString &name, const PartWriter &write)
{
    return zip.add(name, write);
}

inline bool writeZipPart(ZipWriter &zip, const QString &name, const QByteArray &content)
{
    return writeZipPart(
        zip, name, [&content](QIODevice &d) { return d.write(content) == content.size(); });
}

inline QByteArray xmlText(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// A workbook of the sheets, with the shared strings and the number formats (styles.xml's
// <numFmts> and <cellXfs> content) given; the first sheet's part may be streamed instead.
inline bool writeWorkbook(const QString &fileName, const QList<SheetPart> &sheets,
    const QStringList &sharedStrings = {}, const QByteArray &stylesXml = {},
    const PartWriter &firstSheet = {})
{
    ZipWriter zip(fileName);
    if (!zip.isOpen())
        return false;
    QByteArray workbook = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                          "main\" xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships\"><sheets>";
    QByteArray rels = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
                      "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (int i = 0; i < sheets.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        workbook += "<sheet name=\"" + xmlText(sheets[i].name) + "\" sheetId=\"" + n
            + "\" r:id=\"rId" + n + "\"/>";
        rels += "<Relationship Id=\"rId" + n
            + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
              "worksheet\" Target=\"worksheets/sheet"
            + n + ".xml\"/>";
    }
    workbook += "</sheets></workbook>";
    rels += "</Relationships>";
    bool ok = writeZipPart(zip, QStringLiteral("xl/workbook.xml"), workbook)
        && writeZipPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), rels);
    if (!sharedStrings.isEmpty()) {
        QByteArray sst = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst xmlns=\"http://"
                         "schemas.openxmlformats.org/spreadsheetml/2006/main\">";
        for (const QString &s : sharedStrings)
            sst += s.startsWith(u'<') ? s.toUtf8() : "<si><t>" + xmlText(s) + "</t></si>";
        sst += "</sst>";
        ok = ok && writeZipPart(zip, QStringLiteral("xl/sharedStrings.xml"), sst);
    }
    if (!stylesXml.isEmpty())
        ok = ok
            && writeZipPart(zip, QStringLiteral("xl/styles.xml"),
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet xmlns=\"http://"
                "schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                    + stylesXml + "</styleSheet>");
    for (int i = 0; i < sheets.size(); ++i) {
        const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1);
        if (i == 0 && firstSheet) {
            ok = ok && writeZipPart(zip, part, firstSheet);
            continue;
        }
        ok = ok
            && writeZipPart(zip, part,
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"http://"
                "schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
                    + sheets[i].cellsXml + "</sheetData></worksheet>");
    }
    return zip.close() && ok;
}

// A row of inline texts in columns A, B, C...
inline QByteArray inlineRow(int row, const QStringList &texts)
{
    QByteArray xml = "<row r=\"" + QByteArray::number(row) + "\">";
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].isEmpty())
            continue;
        QByteArray column;
        for (int c = i + 1; c > 0; c = (c - 1) / 26)
            column.prepend(static_cast<char>('A' + (c - 1) % 26));
        xml += "<c r=\"" + column + QByteArray::number(row) + "\" t=\"inlineStr\"><is><t>"
            + xmlText(texts[i]) + "</t></is></c>";
    }
    return xml + "</row>";
}

} // namespace marvola::testing
