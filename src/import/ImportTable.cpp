#include "import/ImportTable.h"

#include "import/XlsxReader.h"
#include "model/Cp1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace marvola {

namespace {

// The texts of this file, in the translations' context ImportTable.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ImportTable)
};

// UTF-8 when the bytes decode as UTF-8 (with or without the byte order mark); otherwise the
// Windows-1252 of older spreadsheet programs, where every byte is a character.
QString decodeText(const QByteArray &bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

// The separator the heading line uses most, outside quotes: ';', tab or ','.
QChar detectSeparator(QStringView text)
{
    int semicolons = 0, tabs = 0, commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u'\t')
            ++tabs;
        else if (!quoted && c == u',')
            ++commas;
    }
    if (semicolons >= tabs && semicolons >= commas && semicolons > 0)
        return u';';
    if (tabs >= commas && tabs > 0)
        return u'\t';
    if (commas > 0)
        return u',';
    // A heading of one column: the file has one column, whatever commas its names hold.
    return QChar(0x1F);
}

class CsvParser
{
public:
    CsvParser(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    { }

    // The next record and the line it starts on; false at the end or on an error.
    bool next(QStringList &cells, int &line, QString &error)
    {
        cells.clear();
        if (m_pos >= m_text.size())
            return false;
        line = m_recordLine = m_line;
        QString cell;
        bool quoted = false;
        bool wasQuoted = false;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos++];
            if (quoted) {
                if (c == u'"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                        cell += u'"';
                        ++m_pos;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == u'\n')
                        ++m_line;
                    if (c != u'\r')
                        cell += c;
                }
            } else if (c == u'"' && cell.isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == m_separator) {
                if (!addCell(cells, cell, wasQuoted, error))
                    return false;
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
                    ++m_pos;
                ++m_line;
                return addCell(cells, cell, wasQuoted, error);
            } else {
                cell += c;
            }
            if (cell.size() > ImportLimits::CellChars) {
                error
                    = Text::tr("Line %1 has a field longer than %2 characters: this is not a list "
                               "of competitors.")
                          .arg(line)
                          .arg(ImportLimits::CellChars);
                return false;
            }
        }
        if (quoted) {
            error = Text::tr("The quotes opened on line %1 are never closed.").arg(line);
            return false;
        }
        return addCell(cells, cell, wasQuoted, error);
    }

private:
    bool addCell(QStringList &cells, QString &cell, bool &wasQuoted, QString &error)
    {
        if (cells.size() >= ImportLimits::Columns) {
            error = Text::tr("Line %1 has more than %2 columns: this is not a list of competitors.")
                        .arg(m_recordLine)
                        .arg(ImportLimits::Columns);
            return false;
        }
        cells << (wasQuoted ? cell : cell.trimmed());
        cell.clear();
        wasQuoted = false;
        return true;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_recordLine = 1;
};

bool isBlank(const QStringList &cells)
{
    for (const QString &cell : cells)
        if (!cell.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

std::optional<ImportTable> readCsv(const QByteArray &bytes, QString &error)
{
    if (bytes.size() > ImportLimits::FileBytes) {
        error = Text::tr("The file is larger than %1 MB: this is not a list of competitors.")
                    .arg(ImportLimits::FileBytes / (1024 * 1024));
        return std::nullopt;
    }
    if (bytes.contains('\0')) {
        error = Text::tr("The file is not text: save the list as CSV or XLSX.");
        return std::nullopt;
    }
    const QString text = decodeText(bytes);
    CsvParser parser(text, detectSeparator(text));
    ImportTable table;
    QStringList cells;
    int line = 0;
    bool headingFound = false;
    while (parser.next(cells, line, error)) {
        if (isBlank(cells))
            continue;
        if (!headingFound) {
            table.headings = cells;
            headingFound = true;
            continue;
        }
        if (table.rows.size() >= ImportLimits::Rows) {
            error = Text::tr("The file has more than %1 rows: this is not a list of competitors.")
                        .arg(ImportLimits::Rows);
            return std::nullopt;
        }
        table.rows.append({line, cells});
    }
    if (!error.isEmpty())
        return std::nullopt;
    if (!headingFound) {
        error = Text::tr("The file is empty.");
        return std::nullopt;
    }
    return table;
}

std::optional<ImportTable> readImportFile(
    const QString &fileName, const QString &sheet, QString &error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = Text::tr("Cannot read %1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    const QByteArray start = file.peek(4);
    if (start == QByteArrayLiteral("PK\x03\x04")) {
        file.close();
        return readXlsx(fileName, sheet, error);
    }
    if (!sheet.isEmpty()) {
        error = Text::tr("%1 is not an XLSX workbook: it has no sheets to choose from.")
                    .arg(QFileInfo(fileName).fileName());
        return std::nullopt;
    }
    if (file.size() > ImportLimits::FileBytes) {
        error = Text::tr("The file is larger than %1 MB: this is not a list of competitors.")
                    .arg(ImportLimits::FileBytes / (1024 * 1024));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(ImportLimits::FileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = Text::tr("Cannot read %1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    return readCsv(bytes, error);
}

} // namespace marvola
