// The entry log beside a saved set: its file name, a read-only open, and the CSV form.
#include "log/EntryLog.h"

#include "files/MatchFiles.h"
#include "support/MatchBuilder.h"
#include "support/ParamName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace marvola;
using marvola::testing::MatchBuilder;

namespace {

class EntryLogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const int slot = m_builder.competitor(QStringLiteral("Aino Ahola"));
        m_builder.enter(slot, BBPR, QStringLiteral("A"), {5, 4, 3, 2});
        save(m_set);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    Kilpailu &match() { return m_builder.match(); }
    void save(const QString &chosen)
    {
        QString error;
        ASSERT_TRUE(saveMatchFileSet(chosen, match(), {}, error)) << error.toStdString();
    }

    QTemporaryDir m_dir;
    MatchBuilder m_builder;
    QString m_set = path(QStringLiteral("kisa.mrv"));
};

TEST_F(EntryLogTest, LogIsTheFifthFileOfTheSet)
{
    EXPECT_EQ(entryLogFileName(m_set), path(QStringLiteral("kisaLoki.db")));
}

TEST_F(EntryLogTest, ReadOnlyOpenOfAMissingLogCreatesNothing)
{
    EntryLog log;
    QString error;
    EXPECT_FALSE(log.open(path(QStringLiteral("eiLoki.db")), EntryLog::Access::ReadOnly, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("eiLoki.db"))));
}

// Only a regular file that is this program's log is opened: a pipe would hang the program, a
// link could lead it to write outside the folder, and another program's database is not ours.
struct NotALogCase
{
    const char *name;
    std::function<bool(const QString &)> make;
    EntryLog::Access access;
    const char *said;
};

class NotALogTest : public EntryLogTest, public ::testing::WithParamInterface<NotALogCase>
{
};

TEST_P(NotALogTest, IsRefusedWithAMessageAndLeftAsItWas)
{
    const NotALogCase &c = GetParam();
    const QString logName = entryLogFileName(m_set);
    ASSERT_TRUE(c.make(logName));
    const QFileInfo before(logName);
    EntryLog log;
    QString error;
    EXPECT_FALSE(log.open(logName, c.access, error));
    EXPECT_TRUE(error.contains(QLatin1String(c.said))) << error.toStdString();
    EXPECT_FALSE(log.isOpen());
    const QFileInfo after(logName);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
}

bool makeFifo(const QString &name)
{
    return ::mkfifo(QFile::encodeName(name).constData(), 0600) == 0;
}

bool makeLinkOutside(const QString &name)
{
    static QTemporaryDir elsewhere;
    return QFile::link(elsewhere.filePath(QStringLiteral("target.db")), name);
}

bool makeForeignDatabase(const QString &name)
{
    const QString connection = QStringLiteral("foreign");
    bool made = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(name);
        made = db.open()
            && QSqlQuery(db).exec(QStringLiteral("CREATE TABLE accounts (id INTEGER, owner TEXT)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return made;
}

bool makeEmptyFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly);
}

const NotALogCase NotALogCases[] = {
    {"pipe", makeFifo, EntryLog::Access::ReadOnly, "not a plain file"},
    {"pipe written", makeFifo, EntryLog::Access::ReadWrite, "not a plain file"},
    {"link outside the folder", makeLinkOutside, EntryLog::Access::ReadWrite, "not a plain file"},
    {"folder", [](const QString &name) { return QDir().mkpath(name); }, EntryLog::Access::ReadWrite,
        "not a plain file"},
    {"another program's database", makeForeignDatabase, EntryLog::Access::ReadWrite,
        "not an entry log"},
    {"empty file read", makeEmptyFile, EntryLog::Access::ReadOnly, "not an entry log"},
};

INSTANTIATE_TEST_SUITE_P(Files, NotALogTest, ::testing::ValuesIn(NotALogCases),
    [](const auto &info) { return marvola::testing::paramName(info.param.name); });

TEST_F(EntryLogTest, NewLogIsReadableByItsOwnerOnly)
{
    EntryLog log;
    QString error;
    ASSERT_TRUE(log.open(entryLogFileName(m_set), EntryLog::Access::ReadWrite, error))
        << error.toStdString();
    ASSERT_TRUE(log.appendSetEvent(ChangeKind::Open, QStringLiteral("office"), m_set, "0", error));
    ASSERT_TRUE(log.commit(error)) << error.toStdString();
    for (const QString &name : {entryLogFileName(m_set), entryLogFileName(m_set) + "-wal"}) {
        const QFileDevice::Permissions shown = QFileInfo(name).permissions()
            & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                | QFileDevice::WriteOther | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(shown, QFileDevice::ReadOwner | QFileDevice::WriteOwner) << name.toStdString();
    }
}

TEST(EntryLogCsvTest, QuotesFieldsThatHoldSeparatorsAndKeepsUtf8)
{
    FieldEdit change{QDateTime(QDate(2026, 6, 13), QTime(14, 32, 5, 120)), QStringLiteral("office"),
        ChangeKind::Match, 0, 0, QString(), QStringLiteral("Paikka"), QStringLiteral("Kotka"),
        QStringLiteral("Hämeenlinna, \"rata\"")};
    FieldEdit hit{change.time, QStringLiteral("office"), ChangeKind::Competitor, 3, 12,
        QStringLiteral("BBPR"), QStringLiteral("Kana"), QStringLiteral("5"), QStringLiteral("6")};
    EXPECT_EQ(entryLogCsv({change, hit}),
        QByteArray("time,source,kind,number,discipline,field,old,new\n"
                   "2026-06-13 14:32:05.120,office,match,,,Paikka,Kotka,"
                   "\"H\xC3\xA4meenlinna, \"\"rata\"\"\"\n"
                   "2026-06-13 14:32:05.120,office,competitor,12,BBPR,Kana,5,6\n"));
}

struct FormulaCase
{
    const char *name;
    const char *typed;
    const char *written;
};

class EntryLogCsvFormula : public ::testing::TestWithParam<FormulaCase>
{
};

// A typed name or value that a spreadsheet would run is written as text.
TEST_P(EntryLogCsvFormula, ValueThatStartsAFormulaIsWrittenAsText)
{
    const FormulaCase &c = GetParam();
    const FieldEdit typed{QDateTime(QDate(2026, 6, 13), QTime(14, 32, 5, 120)),
        QStringLiteral("office"), ChangeKind::Competitor, 3, 12, QString(), QStringLiteral("Nimi"),
        QStringLiteral("Aalto"), QString::fromUtf8(c.typed)};
    EXPECT_EQ(entryLogCsv({typed}),
        QByteArray("time,source,kind,number,discipline,field,old,new\n"
                   "2026-06-13 14:32:05.120,office,competitor,12,,Nimi,Aalto,")
            + c.written + '\n');
}

INSTANTIATE_TEST_SUITE_P(EntryLogCsv, EntryLogCsvFormula,
    ::testing::Values(FormulaCase{"Equals", "=1+1", "'=1+1"},
        FormulaCase{"At", "@SUM(A1)", "'@SUM(A1)"}, FormulaCase{"Plus", "+1", "'+1"},
        FormulaCase{"Minus", "-2", "'-2"}, FormulaCase{"Tab", "\tx", "'\tx"},
        FormulaCase{"CarriageReturn", "\rx", "\"'\rx\""},
        FormulaCase{"QuotedComma", "=A1,B1", "\"'=A1,B1\""},
        FormulaCase{"PlainName", "Aalto Matti", "Aalto Matti"},
        FormulaCase{"InnerEquals", "a=b", "a=b"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
