// Reading an XLSX list of competitors: what the cells show, the sheet chosen by name, and
// workbooks built to unpack to more than a list can be.
#include "import/XlsxReader.h"

#include "import/WorkbookWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

class XlsxReaderTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(XlsxReaderTest, CellsHoldWhatTheSheetShows)
{
    // Styles: 0 general, 1 the built-in date, 2 a custom day.month.year date.
    const QByteArray styles = "<numFmts count=\"1\"><numFmt numFmtId=\"164\" "
                              "formatCode=\"d\\.m\\.yyyy;@\"/></numFmts>"
                              "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
                              "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/>"
                              "<xf numFmtId=\"164\"/></cellXfs>";
    const QStringList shared{QStringLiteral("name"), QStringLiteral("member number"),
        QStringLiteral("<si><r><t>Mäkelä </t></r><r><t>Åsa</t></r><rPh><t>x</t></rPh></si>"),
        QStringLiteral("born"), QStringLiteral("score")};
    const QByteArray cells
        = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
          "<c r=\"C1\" t=\"s\"><v>3</v></c><c r=\"D1\" t=\"s\"><v>4</v></c>"
          "<c r=\"E1\" t=\"inlineStr\"><is><t>club</t></is></c></row>"
          "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>2</v></c><c r=\"B4\"><v>12345.0</v></c>"
          "<c r=\"C4\" s=\"2\"><v>45658</v></c><c r=\"D4\"><f>1/4</f><v>0.25</v></c>"
          "<c r=\"E4\" t=\"str\"><f>\"S\"&amp;\"A\"</f><v>SA</v></c></row>"
          "<row r=\"5\"><c r=\"A5\" t=\"inlineStr\"><is><t>Berg Britt</t></is></c>"
          "<c r=\"C5\" s=\"1\"><v>45658.75</v></c><c r=\"E5\" t=\"b\"><v>1</v></c></row>";
    ASSERT_TRUE(writeWorkbook(path("list.xlsx"), {{"Entries", cells}}, shared, styles));
    QString error;
    const auto table = readXlsx(path("list.xlsx"), {}, error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->headings, (QStringList{"name", "member number", "born", "score", "club"}));
    ASSERT_EQ(table->rows.size(), 2);
    EXPECT_EQ(table->rows[0].line, 4);
    EXPECT_EQ(table->rows[0].cells, (QStringList{"Mäkelä Åsa", "12345", "1.1.2025", "0.25", "SA"}));
    EXPECT_EQ(table->rows[1].line, 5);
    EXPECT_EQ(table->rows[1].cells, (QStringList{"Berg Britt", "", "2025-01-01", "", "TRUE"}));
}

TEST_F(XlsxReaderTest, ReadsTheSheetNamedOrTheFirst)
{
    ASSERT_TRUE(writeWorkbook(path("two.xlsx"),
        {{"Sheet1", inlineRow(1, {"name"}) + inlineRow(2, {"First"})},
            {"Ilmoittautuneet", inlineRow(1, {"nimi"}) + inlineRow(2, {"Second"})}}));
    QString error;
    const auto first = readXlsx(path("two.xlsx"), {}, error);
    ASSERT_TRUE(first) << error.toStdString();
    EXPECT_EQ(first->rows.value(0).cells, QStringList{"First"});
    const auto named = readXlsx(path("two.xlsx"), QStringLiteral("Ilmoittautuneet"), error);
    ASSERT_TRUE(named) << error.toStdString();
    EXPECT_EQ(named->rows.value(0).cells, QStringList{"Second"});
    EXPECT_FALSE(readXlsx(path("two.xlsx"), QStringLiteral("Results"), error));
    EXPECT_TRUE(error.contains(QLatin1String("no sheet named \"Results\"")));
    EXPECT_TRUE(error.contains(QLatin1String("Sheet1, Ilmoittautuneet")));
}

TEST_F(XlsxReaderTest, ASheetThatUnpacksBeyondTheLimitIsRefusedWithoutUnpackingIt)
{
    // Zeros compress a thousand to one: past the limit in a few tens of kilobytes of zip.
    constexpr qint64 size = ImportLimits::UnpackedBytes + 4 * 1024 * 1024;
    const PartWriter zeros = [](QIODevice &d) {
        const QByteArray chunk(1024 * 1024, '0');
        if (d.write("<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>") < 0)
            return false;
        for (qint64 written = 0; written < size; written += chunk.size())
            if (d.write(chunk) != chunk.size())
                return false;
        return d.write("</v></c></row></sheetData></worksheet>") > 0;
    };
    ASSERT_TRUE(writeWorkbook(path("bomb.xlsx"), {{"Sheet1", {}}}, {}, {}, zeros));
    QString error;
    EXPECT_FALSE(readXlsx(path("bomb.xlsx"), {}, error));
    EXPECT_TRUE(error.contains(QLatin1String("unpacks to more than 32 MB"))) << error.toStdString();
}

TEST_F(XlsxReaderTest, RefusesWhatIsNoListWithAClearMessage)
{
    QByteArray wide = "<row r=\"1\">";
    for (int column = 1; column <= 16000; ++column) {
        QByteArray reference;
        for (int c = column; c > 0; c = (c - 1) / 26)
            reference.prepend(static_cast<char>('A' + (c - 1) % 26));
        wide += "<c r=\"" + reference + "1\"><v>1</v></c>";
    }
    wide += "</row>";
    ASSERT_TRUE(writeWorkbook(path("wide.xlsx"), {{"Sheet1", wide}}));
    QFile garbage(path("garbage.xlsx"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("PK\x03\x04", 4) + QByteArray(5000, '\xA5'));
    garbage.close();
    const struct
    {
        const char *file;
        const char *said;
    } cases[] = {
        {"wide.xlsx", "at most 1024 columns"},
        {"garbage.xlsx", "not an XLSX workbook that can be read"},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_FALSE(readImportFile(path(QString::fromLatin1(c.file)), {}, error)) << c.file;
        EXPECT_TRUE(error.contains(QLatin1String(c.said))) << c.file << ": " << error.toStdString();
    }
}

} // namespace
