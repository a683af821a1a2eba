// Writes small XLSX workbooks for the import tests: the parts a spreadsheet program writes, with
// the cells given as the sheet's XML.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <functional>

namespace marvola::testing {

struct SheetPart
{
    QString name;
    QByteArray cellsXml; // the rows inside <sheetData>
};

// Streams a part's content in pieces, so a test can write a part much larger than its memory.
using PartWriter = std::function<bool(QIODevice &)>;

inline bool writeZipPart(QuaZip &zip, const QString &name, const PartWriter &write)
{
    QuaZipFile file(&zip);
    return file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) && write(file)
        && (file.close(), file.getZipError() == 0);
}

inline bool writeZipPart(QuaZip &zip, const QString &name, const QByteArray &content)
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
    QuaZip zip(fileName);
    if (!zip.open(QuaZip::mdCreate))
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
    zip.close();
    return ok && zip.getZipError() == 0;
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
