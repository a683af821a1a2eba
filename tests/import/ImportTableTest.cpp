// Reading a CSV list of competitors: separators and encodings found by themselves, quoted fields,
// the file's line numbers, and files that are no list at all.
#include "import/ImportTable.h"

#include "model/Cp1252.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

struct SeparatorCase
{
    const char *name;
    QByteArray bytes;
};

class CsvSeparatorTest : public ::testing::TestWithParam<SeparatorCase>
{
};

TEST_P(CsvSeparatorTest, FindsTheSeparatorAndSplitsTheRows)
{
    QString error;
    const auto table = readCsv(GetParam().bytes, error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->headings, (QStringList{"name", "club", "BBPR"}));
    ASSERT_EQ(table->rows.size(), 2);
    EXPECT_EQ(table->rows[0].cells, (QStringList{"Ahola Aino", "HAUR", "x"}));
    EXPECT_EQ(table->rows[1].cells, (QStringList{"Virtanen, Matti", "SA", ""}));
    EXPECT_EQ(table->rows[1].line, 3);
}

INSTANTIATE_TEST_SUITE_P(Separators, CsvSeparatorTest,
    ::testing::Values(
        SeparatorCase{"Semicolon", "name;club;BBPR\nAhola Aino;HAUR;x\nVirtanen, Matti;SA;\n"},
        SeparatorCase{
            "Comma", "name,club,BBPR\r\nAhola Aino,HAUR,x\r\n\"Virtanen, Matti\",SA,\r\n"},
        SeparatorCase{"Tab", "name\tclub\tBBPR\nAhola Aino\tHAUR\tx\nVirtanen, Matti\tSA\t"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CsvReaderTest, FindsTheEncoding)
{
    const QString name = QStringLiteral("Mäkelä Åsa");
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBFnimi\n" + name.toUtf8()},
        {"UTF-8", "nimi\n" + name.toUtf8()},
        {"Windows-1252", "nimi\n" + toCp1252(name)},
    };
    for (const auto &c : cases) {
        QString error;
        const auto table = readCsv(c.bytes, error);
        ASSERT_TRUE(table) << c.what;
        EXPECT_EQ(table->headings, QStringList{"nimi"}) << c.what;
        ASSERT_EQ(table->rows.size(), 1) << c.what;
        EXPECT_EQ(table->rows[0].cells[0], name) << c.what;
    }
}

TEST(CsvReaderTest, AListOfNamesAloneKeepsTheCommasOfTheNames)
{
    QString error;
    const auto table = readCsv("name\nVirtanen, Matti\n", error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->rows.value(0).cells, QStringList{"Virtanen, Matti"});
}

TEST(CsvReaderTest, QuotedFieldsKeepSeparatorsLineBreaksAndQuotesAndTheLinesAreTheFiles)
{
    const QByteArray csv = "name;club;e-mail\n"
                           "\n"
                           "\"Ahola; Aino\";\"HA\"\"UR\";a@x.fi\n"
                           "\"Berg\nBritt\";SA;\"b@x.se\r\n\"\n"
                           "Carlsson Carl;;c@x.se\n";
    QString error;
    const auto table = readCsv(csv, error);
    ASSERT_TRUE(table) << error.toStdString();
    ASSERT_EQ(table->rows.size(), 3);
    EXPECT_EQ(table->rows[0].cells, (QStringList{"Ahola; Aino", "HA\"UR", "a@x.fi"}));
    EXPECT_EQ(table->rows[0].line, 3);
    EXPECT_EQ(table->rows[1].cells, (QStringList{"Berg\nBritt", "SA", "b@x.se\n"}));
    EXPECT_EQ(table->rows[1].line, 4);
    EXPECT_EQ(table->rows[2].line, 7);
}

TEST(CsvReaderTest, RefusesWhatIsNoListWithAClearMessage)
{
    QByteArray manyColumns = "name";
    for (int i = 0; i < 16000; ++i)
        manyColumns += ";c";
    QByteArray manyRows = "name\n";
    for (int i = 0; i <= ImportLimits::Rows; ++i)
        manyRows += "Row " + QByteArray::number(i) + "\n";
    const struct
    {
        const char *what;
        QByteArray bytes;
        const char *said;
    } cases[] = {
        {"binary garbage", QByteArray("PK\x01\x02\x00\xFF\xFE", 7).repeated(1000), "not text"},
        {"16,000 columns", manyColumns, "more than 1024 columns"},
        {"too many rows", manyRows, "more than 20000 rows"},
        {"open quote", "name\n\"Ahola Aino\n", "never closed"},
        {"empty", "\n\n", "empty"},
    };
    for (const auto &c : cases) {
        QString error;
        EXPECT_FALSE(readCsv(c.bytes, error)) << c.what;
        EXPECT_TRUE(error.contains(QLatin1String(c.said))) << c.what << ": " << error.toStdString();
    }
}

TEST(CsvReaderTest, AFileOfAHundredMegabytesIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("huge.csv"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write("name\n") == 5 && file.resize(100LL * 1024 * 1024)); // sparse
    file.close();
    QString error;
    EXPECT_FALSE(readImportFile(name, {}, error));
    EXPECT_TRUE(error.contains(QLatin1String("larger than 16 MB"))) << error.toStdString();
}

TEST(CsvReaderTest, TenThousandRowsAreRead)
{
    QByteArray csv = "name;club\n";
    for (int i = 0; i < 10000; ++i)
        csv += "Competitor " + QByteArray::number(i) + ";SA\n";
    QString error;
    const auto table = readCsv(csv, error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->rows.size(), 10000);
    EXPECT_EQ(table->rows.last().line, 10001);
}

} // namespace
