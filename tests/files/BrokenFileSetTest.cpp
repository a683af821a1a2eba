// Broken file sets are refused whole, and a failed save keeps the old files.
#include "FileSetSupport.h"
#include "files/SafeFile.h"

#include <QBuffer>

#include <functional>
#include <sys/stat.h>

using namespace marvola;
using namespace marvola::testing;

namespace {

// One broken set: how a good set "b.mrv" is damaged, and the file and reason of the error.
// A case without a reason loads, and its check says what the load made of the damage.
struct BrokenCase
{
    const char *name;
    std::function<void(const MatchFileSet &)> damage;
    QString file; // file name in the message
    QString reason; // part of the message after the file name
    std::function<void(const Kilpailu &)> check = {};
};

// Test names say which case failed; the bytes of the case would not.
void PrintTo(const BrokenCase &c, std::ostream *os)
{
    *os << c.name;
}

void replaceLine(const QString &fileName, int line, const QString &text)
{
    QStringList lines = textFileLines(fileBytes(fileName));
    lines[line - 1] = text;
    writeBytes(fileName, crlfLines(lines));
}

void keepLines(const QString &fileName, int count)
{
    writeBytes(fileName, crlfLines(textFileLines(fileBytes(fileName)).mid(0, count)));
}

void repeatRecord(const QString &fileName, int recordSize, int count)
{
    writeBytes(fileName, fileBytes(fileName).left(recordSize).repeated(count));
}

class BrokenFileSetTest : public FileSetTest, public ::testing::WithParamInterface<BrokenCase>
{
};

} // namespace

TEST_P(BrokenFileSetTest, IsRefusedWholeOrCut)
{
    const BrokenCase &c = GetParam();
    ASSERT_TRUE(save(path("b.mrv"), *sampleMatch()));
    const MatchFileSet set = MatchFileSet::fromChosenName(path("b.mrv"));
    c.damage(set);

    // The program's match, which a refused load must leave exactly as it was.
    const auto current = sampleMatch();
    current->tiedot.Seura = QStringLiteral("Current match");
    current->Muutettu = true;
    const auto before = std::make_unique<Kilpailu>(*current);

    QString error;
    const LoadedMatch loaded = loadMatchFileSet(set.summary, false, *current, error);
    if (c.reason.isEmpty()) {
        ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
        c.check(*loaded.kilpailu);
        return;
    }
    EXPECT_FALSE(loaded.kilpailu);
    EXPECT_EQ(error, QStringLiteral("Cannot read %1: %2").arg(path(c.file), c.reason));
    ASSERT_TRUE(save(path("after.mrv"), *current));
    ASSERT_TRUE(save(path("before.mrv"), *before));
    EXPECT_EQ(setBytes(path("after.mrv")), setBytes(path("before.mrv")));
    EXPECT_EQ(current->Muutettu, true);
}

INSTANTIATE_TEST_SUITE_P(LoadFails, BrokenFileSetTest,
    ::testing::Values(BrokenCase{"MissingSummaryFile", [](auto &s) { QFile::remove(s.summary); },
                          "b.mrv", "No such file or directory"},
        BrokenCase{"MissingMatchFile", [](auto &s) { QFile::remove(s.match); }, "b.dat",
            "No such file or directory"},
        BrokenCase{"MissingResultsFile", [](auto &s) { QFile::remove(s.results); }, "bTulokset.dat",
            "No such file or directory"},
        BrokenCase{"MissingTeamsFile", [](auto &s) { QFile::remove(s.teams); }, "bJoukkueet.dat",
            "No such file or directory"},
        BrokenCase{"MatchFileIsAFolder",
            [](auto &s) {
                QFile::remove(s.match);
                QDir().mkdir(s.match);
            },
            "b.dat", "it is a folder"},
        BrokenCase{"TruncatedRecord",
            [](auto &s) { resizeFile(s.results, 2 * TKilpailija::RecordSize - 100); }, "bTulokset.dat",
            "its size of 2404 bytes is not a whole number of 1252-byte records"},
        BrokenCase{"TruncatedTeam", [](auto &s) { resizeFile(s.teams, 99 * TJoukkue::RecordSize + 1); },
            "bJoukkueet.dat", "its size of 11881 bytes is not a whole number of 120-byte records"},
        BrokenCase{"TextInTheNumberLine", [](auto &s) { replaceLine(s.match, 7, "abc"); }, "b.dat",
            "line 7 (\"abc\") is not a number"},
        BrokenCase{"TextInAShotCountLine", [](auto &s) { replaceLine(s.match, 17, "80abc"); },
            "b.dat", "line 17 (\"80abc\") is not a number"},
        BrokenCase{"EmptyNumberLine", [](auto &s) { replaceLine(s.match, 13, "  "); }, "b.dat",
            "line 13 (\"  \") is not a number"},
        BrokenCase{"NumberBeyondInt32", [](auto &s) { replaceLine(s.match, 7, "2147483648"); },
            "b.dat", "line 7 (\"2147483648\") is not a number"},
        BrokenCase{"UnreadableDate", [](auto &s) { replaceLine(s.match, 4, "31.2.2026"); }, "b.dat",
            "line 4 (\"31.2.2026\") is not a date"},
        BrokenCase{"TwoDigitYear", [](auto &s) { replaceLine(s.match, 3, "1.6.26"); }, "b.dat",
            "line 3 (\"1.6.26\") is not a date"},
        BrokenCase{"MatchFileEndsEarly", [](auto &s) { keepLines(s.match, 5); }, "b.dat",
            "it ends before line 6"},
        BrokenCase{"EmptyMatchFile", [](auto &s) { resizeFile(s.match, 0); }, "b.dat",
            "it ends before line 1"},
        BrokenCase{"FiveHundredAndOneRecords",
            [](auto &s) { repeatRecord(s.results, TKilpailija::RecordSize, 501); }, "bTulokset.dat",
            "it holds more than the 500 competitor records a match can have"},
        BrokenCase{"AHundredAndOneTeams",
            [](auto &s) { repeatRecord(s.teams, TJoukkue::RecordSize, 101); }, "bJoukkueet.dat",
            "it holds more than the 100 team records a match can have"},
        BrokenCase{"EmptyTeamsFile", [](auto &s) { resizeFile(s.teams, 0); }, "bJoukkueet.dat",
            "it holds no team records"},
        // A quoted line shows what a terminal would act on, and no more than fits a message.
        BrokenCase{"EscapesInADateLine",
            [](auto &s) {
                replaceLine(s.match, 3, QStringLiteral("\x1B[2J") + QChar(0) + QStringLiteral("x"));
            },
            "b.dat", "line 3 (\"\\x1B[2J\\x00x\") is not a date"},
        BrokenCase{"LongLineIsCut", [](auto &s) { replaceLine(s.match, 7, QString(500, 'a')); },
            "b.dat", QStringLiteral("line 7 (\"%1\u2026\") is not a number").arg(QString(60, 'a'))},
        BrokenCase{"OverlongText",
            [](auto &s) { replaceLine(s.match, 1, QString(MaxMatchTextLength + 1, 'c')); }, "b.dat",
            QStringLiteral("line 1 (\"%1\u2026\") is longer than 1000 characters")
                .arg(QString(60, 'c'))},
        // Only regular files are read, each within its bound.
        BrokenCase{"MatchFileIsAPipe",
            [](auto &s) {
                QFile::remove(s.match);
                ASSERT_EQ(::mkfifo(QFile::encodeName(s.match).constData(), 0600), 0);
            },
            "b.dat", "it is not a regular file"},
        BrokenCase{"ResultsFileLinksToADevice",
            [](auto &s) {
                QFile::remove(s.results);
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), s.results));
            },
            "bTulokset.dat", "it is not a regular file"},
        BrokenCase{"OversizedSummary",
            [](auto &s) { writeBytes(s.summary, QByteArray(MaxTextFileBytes + 1, 'x')); }, "b.mrv",
            "it is larger than the 65536 bytes a match file can have"},
        BrokenCase{"LinkToARegularFileLoads",
            [](auto &s) {
                QFile::rename(s.match, s.match + QStringLiteral(".real"));
                ASSERT_TRUE(QFile::link(s.match + QStringLiteral(".real"), s.match));
            },
            "", "", [](const Kilpailu &m) { EXPECT_EQ(m.tiedot.Paikka, QStringLiteral("?ód?")); }},
        // A length byte above the field's maximum is cut to the maximum.
        BrokenCase{"NameLengthAboveMaximum",
            [](auto &s) {
                QByteArray bytes = fileBytes(s.results);
                bytes[Layout::Nimi] = char(200);
                bytes[TKilpailija::RecordSize + Layout::Maa] = char(4);
                writeBytes(s.results, bytes);
            },
            "", "",
            [](const Kilpailu &m) {
                // The 25 bytes of the field: the name and what an earlier name left.
                EXPECT_EQ(m.kilpailijat[1].Nimi.text(),
                    QStringLiteral("Virtanen Matti Kalevi").leftJustified(25, '\0'));
                EXPECT_EQ(m.kilpailijat[2].Maa.text(), QStringLiteral("SWE"));
            }}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

class SaveFailureTest : public FileSetTest
{
};

} // namespace

// The teams file cannot be replaced (its name is a folder): none of the four old files changes,
// although the teams file comes last.
TEST_F(SaveFailureTest, KeepsEveryOldFile)
{
    const MatchFileSet set = MatchFileSet::fromChosenName(path("s.mrv"));
    writeBytes(set.summary, "old summary\r\n");
    writeBytes(set.match, "old match\r\n");
    writeBytes(set.results, "old results");
    ASSERT_TRUE(QDir().mkdir(set.teams));
    const QStringList filesBefore = filesInFolder();

    QString error;
    EXPECT_FALSE(save(set.summary, *sampleMatch(), error));
    EXPECT_EQ(error, QStringLiteral("Cannot write %1: it is a folder").arg(set.teams));
    EXPECT_EQ(fileBytes(set.summary), "old summary\r\n");
    EXPECT_EQ(fileBytes(set.match), "old match\r\n");
    EXPECT_EQ(fileBytes(set.results), "old results");
    EXPECT_EQ(filesInFolder(), filesBefore); // no temporary file left behind
}

TEST_F(SaveFailureTest, MissingFolderWritesNothing)
{
    const QString chosen = path("gone/s.mrv");
    QString error;
    EXPECT_FALSE(save(chosen, *sampleMatch(), error));
    EXPECT_EQ(error,
        QStringLiteral("Cannot write %1: the folder %2 does not exist").arg(chosen, path("gone")));
    EXPECT_TRUE(filesInFolder().isEmpty());
}

TEST_F(SaveFailureTest, InvalidDateIsNotWritten)
{
    auto m = sampleMatch();
    m->tiedot.LoppuPvm = QDate();
    QString error;
    EXPECT_FALSE(save(path("d.mrv"), *m, error));
    EXPECT_EQ(
        error, QStringLiteral("Cannot write %1: the match has no valid date").arg(path("d.dat")));
    EXPECT_TRUE(filesInFolder().isEmpty());
}

namespace {

// A device that takes `room` bytes and then fails, like a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_room == 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = std::min(size, m_room);
        written.append(data, n);
        m_room -= n;
        return n;
    }

private:
    qint64 m_room;
};

} // namespace

TEST(WriteAll, ReportsADeviceThatFailsPartWay)
{
    FullDevice full(1000);
    QString error;
    EXPECT_FALSE(
        writeAllTo(full, QByteArray(1252, 'x'), QStringLiteral("/m/xTulokset.dat"), error));
    EXPECT_EQ(full.written.size(), 1000);
    EXPECT_EQ(error, QStringLiteral("Cannot write /m/xTulokset.dat: No space left on device"));

    FullDevice roomy(2000);
    EXPECT_TRUE(
        writeAllTo(roomy, QByteArray(1252, 'x'), QStringLiteral("/m/xTulokset.dat"), error));
    EXPECT_EQ(roomy.written, QByteArray(1252, 'x'));
}

TEST(TextFiles, Windows1252LinesEndedByCrLf)
{
    EXPECT_EQ(textFileBytes({QStringLiteral("Ähtäri"), QString(), QStringLiteral("€ Ω")}),
        QByteArray("\xC4ht\xE4ri\r\n\r\n\x80 ?\r\n"));
    EXPECT_EQ(textFileLines("\xC4ht\xE4ri\r\n\r\nlast"),
        (QStringList{QStringLiteral("Ähtäri"), QString(), QStringLiteral("last")}));
    EXPECT_EQ(textFileLines("a\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_TRUE(textFileLines("").isEmpty());
}
