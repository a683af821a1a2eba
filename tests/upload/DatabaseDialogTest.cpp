// The dialog "Export to database" against a real MariaDB server.
#include "ui/DatabaseDialog.h"

#include "BatchRun.h"
#include "SampleMatch.h"
#include "TestServer.h"
#include "files/MatchFiles.h"
#include "ranking/Ranking.h"
#include "ui/DatabaseLoginDialog.h"
#include "ui/Prompts.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <memory>

using namespace marvola;
using namespace marvola::test;

namespace {

// Answers every modal question without a window and keeps the messages shown.
class RecordingPrompts : public Prompts
{
public:
    QStringList errors;
    QStringList informations;

    void information(QWidget *, const QString &text) override { informations << text; }
    void error(QWidget *, const QString &text) override { errors << text; }
    bool confirm(QWidget *, const QString &) override { return false; }
    GoOn askToContinue(QWidget *, const QString &, const QString &) override { return GoOn::Stop; }
    LeaveAnswer askToLeave(QWidget *, const QString &) override { return LeaveAnswer::Stay; }
    QString fileToOpen; // the answer of every open-file dialog

    QString openFileName(QWidget *, const FileDialogRequest &) override { return fileToOpen; }
    QString saveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
};

// Laji, Luokka, Positio, Nimi, Kansallisuus of every row the FP group sends, in order.
const QStringList FpRows = {
    "FPP| |1|Dahl Dan|FIN",
    "FPP| |2|Aalto Aki|FIN",
    "FPP| |3|Forsman Fia|FIN",
    "FPP|A|1|Berg Bo|SWE",
    "FPP|A|2|Ek Eva|EST",
    "FPP|B|1|Carlsson Cay|NOR",
    "FPPAS| |1|Aalto Aki|FIN",
    "FPPAS| |2|Berg Bo|SWE",
};

QString summary(const QVariantList &row)
{
    const QStringList columns = kilpailutColumns();
    QStringList parts;
    for (const char *column : {"Laji", "Luokka", "Positio", "Nimi", "Kansallisuus"})
        parts << row[columns.indexOf(QString::fromLatin1(column))].toString();
    return parts.join(QLatin1Char('|'));
}

// MARVOLA_SCREENSHOT_DIR keeps a picture of a window as the official sees it.
void saveScreenshot(QWidget *window, const QString &name)
{
    const QString dir = qEnvironmentVariable("MARVOLA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    window->show();
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

QStringList summaries(const QList<QVariantList> &rows)
{
    QStringList out;
    for (const QVariantList &row : rows)
        out << summary(row);
    return out;
}

class DatabaseDialogTest : public UploadDatabaseTest
{
protected:
    void SetUp() override
    {
        UploadDatabaseTest::SetUp();
        if (HasFatalFailure())
            return;
        installPrompts(&m_prompts);
        fillMatch();
        m_dialog = std::make_unique<DatabaseDialog>(*m_kilpailu, *m_tulokset);
    }
    void TearDown() override
    {
        m_dialog.reset();
        installPrompts(nullptr);
        UploadDatabaseTest::TearDown();
    }

    void fillMatch() { fillSampleMatch(*m_kilpailu, *m_tulokset); }

    template<typename T> T *child(const char *name)
    {
        T *found = m_dialog->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton *sendButton() { return child<QPushButton>("sendButton"); }
    QString sendLog() { return child<QPlainTextEdit>("sendLog")->toPlainText(); }
    QAbstractItemModel *checkQuery() { return child<QTableView>("checkQueryView")->model(); }

    void connectTo(const ConnectionSettings &settings)
    {
        m_dialog->setLoginPrompt([settings](ConnectionSettings &typed) {
            typed = settings;
            return true;
        });
        child<QPushButton>("connectButton")->click();
    }
    void send(std::initializer_list<const char *> boxes)
    {
        for (const char *box : boxes)
            child<QCheckBox>(box)->setChecked(true);
        sendButton()->click();
    }

    std::unique_ptr<Kilpailu> m_kilpailu = std::make_unique<Kilpailu>();
    std::unique_ptr<Tulokset> m_tulokset = std::make_unique<Tulokset>();
    std::unique_ptr<DatabaseDialog> m_dialog;
    RecordingPrompts m_prompts;
};

} // namespace

TEST_F(DatabaseDialogTest, ConnectShowsTheCheckQueryReadOnlyAndDisconnectEndsIt)
{
    exec(QStringLiteral("insert into Kilpailut(Alkupvm,Loppupvm,Paikka,JSeura,Level,Shots,Laji,"
                        "Luokka,Positio,Nimi,Seura,Kansallisuus,Kana,Sika,Kalkkuna,Pässi,Yhteensä,"
                        "f1,f2,f3,f4,f5,Kaliiperi,Malli) values ('2009-02-25','2009-02-25','','',"
                        "'',40,'FPP','A',1,'%1','','',0,0,0,0,0,'','','','','','','')"));
    exec(QStringLiteral("update Kilpailut set Nimi = 'Nimetön Ampuja'"));
    exec(QStringLiteral("insert into Kilpailut select null,Alkupvm,Loppupvm,Paikka,JSeura,Level,"
                        "Shots,Laji,Luokka,Positio,'Muu Ampuja',Seura,Kansallisuus,Kana,Sika,"
                        "Kalkkuna,Pässi,Yhteensä,f1,f2,f3,f4,f5,Kaliiperi,Malli from Kilpailut"));
    EXPECT_FALSE(sendButton()->isEnabled());

    connectTo(server().settings());
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    QAbstractItemModel *model = checkQuery();
    ASSERT_EQ(model->rowCount(), 1);
    const int nimi = static_cast<QSqlQueryModel *>(model)->record().indexOf(QStringLiteral("Nimi"));
    EXPECT_EQ(model->index(0, nimi).data().toString(), QStringLiteral("Nimetön Ampuja"));
    EXPECT_FALSE(model->flags(model->index(0, nimi)) & Qt::ItemIsEditable);
    EXPECT_EQ(
        child<QTableView>("checkQueryView")->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(sendButton()->isEnabled());

    child<QPushButton>("disconnectButton")->click();
    EXPECT_FALSE(sendButton()->isEnabled());
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_FALSE(QSqlDatabase::database(m_dialog->connectionName(), false).isOpen());
}

TEST_F(DatabaseDialogTest, LoginDialogAsksForUserAndPasswordAndConnects)
{
    const TestServer &s = server();
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto *login = m_dialog->findChild<DatabaseLoginDialog *>();
        ASSERT_NE(login, nullptr);
        EXPECT_TRUE(login->isVisible());
        EXPECT_EQ(login->windowTitle(), QStringLiteral("Database Login"));
        QStringList captions;
        for (QLabel *label : login->findChildren<QLabel *>())
            captions << label->text();
        EXPECT_TRUE(captions.contains(QStringLiteral("User Name:")));
        EXPECT_TRUE(captions.contains(QStringLiteral("Password:")));
        EXPECT_EQ(login->findChild<QLabel *>(QStringLiteral("DatabaseName"))->text(),
            QStringLiteral("Tulokset"));
        auto *host = login->findChild<QLineEdit *>(QStringLiteral("HostName"));
        auto *user = login->findChild<QLineEdit *>(QStringLiteral("UserName"));
        auto *password = login->findChild<QLineEdit *>(QStringLiteral("Password"));
        EXPECT_EQ(host->text(), QStringLiteral(MARVOLA_DB_HOST));
        EXPECT_EQ(user->text(), QStringLiteral(MARVOLA_DB_USER));
        EXPECT_TRUE(password->text().isEmpty());
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        host->setText(QStringLiteral("127.0.0.1:%1").arg(s.port));
        user->setText(s.user);
        password->setText(s.password);
        asked = true;
        login->accept();
    });
    child<QPushButton>("connectButton")->click();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    EXPECT_TRUE(sendButton()->isEnabled());

    // The next login offers the host and user typed last, never the password.
    child<QPushButton>("disconnectButton")->click();
    QTimer::singleShot(0, [&] {
        auto *login = m_dialog->findChild<DatabaseLoginDialog *>();
        EXPECT_EQ(login->findChild<QLineEdit *>(QStringLiteral("UserName"))->text(), s.user);
        EXPECT_TRUE(login->findChild<QLineEdit *>(QStringLiteral("Password"))->text().isEmpty());
        login->reject();
    });
    child<QPushButton>("connectButton")->click();
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << "Cancel is no error";
    EXPECT_FALSE(sendButton()->isEnabled());
}

TEST_F(DatabaseDialogTest, AWrongPasswordShowsTheServersMessageAndSendStaysDisabled)
{
    ConnectionSettings settings = server().settings();
    settings.Password += QStringLiteral("x");
    connectTo(settings);
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].startsWith(QStringLiteral("Access denied for user")))
        << m_prompts.errors[0].toStdString();
    EXPECT_FALSE(sendButton()->isEnabled());
    EXPECT_EQ(checkQuery()->rowCount(), 0);
}

TEST_F(DatabaseDialogTest, SendsTheTickedGroupInOrderWithClassesAndTheMatchDetails)
{
    connectTo(server().settings());
    send({"FPSendBox"});
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    EXPECT_EQ(
        sendLog(), QString(FpRows.size(), QLatin1Char('.')) + QStringLiteral("Siirto valmis!"));

    const QList<QVariantList> stored = rows();
    EXPECT_EQ(summaries(stored), FpRows);
    const QList<KilpailutRivi> expected
        = rowsToSend(*m_kilpailu, *m_tulokset, ChosenGroups{false, false, true, false, false});
    ASSERT_EQ(stored.size(), expected.size());
    for (int i = 0; i < stored.size(); ++i) {
        const QVariantList values = expected[i].values();
        for (int c = 0; c < KilpailutColumnCount; ++c)
            EXPECT_EQ(stored[i][c].toString(), values[c].toString())
                << "row " << i + 1 << " column " << kilpailutColumns()[c].toStdString();
    }
    child<QPushButton>("connectButton")->click();
    saveScreenshot(m_dialog.get(), QStringLiteral("database-sent"));
    const QStringList columns = kilpailutColumns();
    EXPECT_EQ(stored[0][columns.indexOf(QStringLiteral("Alkupvm"))].toString(),
        QStringLiteral("2026-06-13"));
    EXPECT_EQ(stored[0][columns.indexOf(QStringLiteral("Paikka"))].toString(),
        QStringLiteral("Hyvinkää"));
    EXPECT_EQ(stored[0][columns.indexOf(QStringLiteral("Shots"))].toInt(), 60);
    EXPECT_EQ(
        stored[0][columns.indexOf(QStringLiteral("Malli"))].toString(), QStringLiteral("Ruger"));
}

TEST_F(DatabaseDialogTest, NoGroupTickedSendsNothingAndSaysDone)
{
    connectTo(server().settings());
    send({});
    EXPECT_TRUE(m_prompts.errors.isEmpty());
    EXPECT_EQ(sendLog(), QStringLiteral("Siirto valmis!"));
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(DatabaseDialogTest, SendingTwiceInsertsEveryRowTwice)
{
    connectTo(server().settings());
    send({"FPSendBox"});
    sendButton()->click();
    const QString once
        = QString(FpRows.size(), QLatin1Char('.')) + QStringLiteral("Siirto valmis!");
    EXPECT_EQ(sendLog(), once + once);
    EXPECT_EQ(summaries(rows()), FpRows + FpRows);
}

// A refused statement stops the send: the rows before it stay, the dots show how far it got.
TEST_F(DatabaseDialogTest, ARefusedStatementShowsTheServersMessageAndStops)
{
    exec(
        QStringLiteral("alter table Kilpailut add constraint Ei_Bergia check (Nimi <> 'Berg Bo')"));
    connectTo(server().settings());
    send({"FPSendBox", "BBPSendBox"});
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].contains(QStringLiteral("Ei_Bergia")))
        << m_prompts.errors[0].toStdString();
    EXPECT_EQ(sendLog(), QStringLiteral("...."));
    EXPECT_EQ(summaries(rows()), FpRows.mid(0, 3));
    EXPECT_TRUE(sendButton()->isEnabled());
}

TEST_F(DatabaseDialogTest, AServerStoppedDuringTheSendEndsItWithTheError)
{
    TestServer own = startServer();
    ASSERT_TRUE(own.error.isEmpty()) << own.error.toStdString();
    connectTo(own.settings());
    ASSERT_TRUE(sendButton()->isEnabled()) << m_prompts.errors.join(' ').toStdString();

    // The server goes away as the third statement is about to run.
    bool killed = false;
    QObject::connect(child<QPlainTextEdit>("sendLog"), &QPlainTextEdit::textChanged, [&] {
        if (!killed && sendLog() == QStringLiteral("...")) {
            killed = true;
            EXPECT_TRUE(killServer(own));
        }
    });
    send({"FPSendBox"});
    EXPECT_TRUE(killed);
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_FALSE(m_prompts.errors[0].isEmpty());
    EXPECT_EQ(sendLog(), QStringLiteral("..."));
    std::cout << "Message shown: " << m_prompts.errors[0].toStdString() << '\n';

    // The two rows sent before stay on the server.
    ASSERT_TRUE(relaunchServer(own));
    QString error;
    {
        QSqlDatabase db = openAdmin(own, QStringLiteral("relaunched"), error);
        ASSERT_TRUE(db.isOpen()) << error.toStdString();
        EXPECT_EQ(summaries(rows(db)), FpRows.mid(0, 2));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("relaunched"));
    m_dialog.reset();
    stopServer(own);
}

TEST(DatabaseDialog, ShowsEveryControlWithItsCaptionAndTheInstructions)
{
    auto kilpailu = std::make_unique<Kilpailu>();
    auto tulokset = std::make_unique<Tulokset>();
    DatabaseDialog dialog(*kilpailu, *tulokset);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export to database"));
    const struct
    {
        const char *name;
        const char *caption;
    } buttons[] = {
        {"connectButton", "Connnect"},
        {"disconnectButton", "Disconnect"},
        {"sendButton", "Send Results"},
    };
    for (const auto &b : buttons) {
        auto *button = dialog.findChild<QPushButton *>(QString::fromLatin1(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(b.caption));
    }
    EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("sendButton"))->isEnabled());
    // Every box starts unticked: the groups, replacing and (in the login) unencrypted.
    QStringList boxes;
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>()) {
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
        if (box->window() != &dialog || box->objectName() == QStringLiteral("replaceRowsBox"))
            continue;
        EXPECT_EQ(box->objectName(), box->text() + QStringLiteral("SendBox"));
        boxes << box->text();
    }
    EXPECT_EQ(boxes, (QStringList{"FP", "BBP", "SBP", "SBR", "BBR"}));
    auto *replace = dialog.findChild<QCheckBox *>(QStringLiteral("replaceRowsBox"));
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(replace->text(), QStringLiteral("Replace the rows sent earlier for this match"));
    auto *unencrypted = dialog.findChild<QCheckBox *>(QStringLiteral("allowUnencryptedBox"));
    ASSERT_NE(unencrypted, nullptr);
    EXPECT_EQ(unencrypted->text(), QStringLiteral("Allow unencrypted connection"));
    ASSERT_NE(dialog.findChild<QPlainTextEdit *>(QStringLiteral("sendLog")), nullptr);
    ASSERT_NE(dialog.findChild<QTableView *>(QStringLiteral("checkQueryView")), nullptr);

    QString instructions;
    for (QLabel *label : dialog.findChildren<QLabel *>())
        if (label->window() == &dialog)
            instructions += label->text() + QLatin1Char('\n');
    EXPECT_TRUE(instructions.contains(QStringLiteral(MARVOLA_SUPPORT_ADDRESS)));
    EXPECT_TRUE(instructions.contains(QStringLiteral(MARVOLA_RESULTS_PAGES)));
    EXPECT_TRUE(instructions.contains(QStringLiteral("\"Send Results\"")));

    saveScreenshot(&dialog, QStringLiteral("database"));
    auto *login = dialog.findChild<DatabaseLoginDialog *>();
    login->showSettings(ConnectionSettings{});
    saveScreenshot(login, QStringLiteral("database-login"));
}

namespace {

// Rows that share all but one of the match's values (start date, place, organising club,
// discipline) with the FP rows, and so must outlive a replacing send of FP.
QList<KilpailutRivi> neighbourRows()
{
    KilpailutRivi base;
    base.Alkupvm = QStringLiteral("2026-06-13");
    base.Loppupvm = QStringLiteral("2026-06-14");
    base.Paikka = QStringLiteral("Hyvinkää");
    base.JSeura = QStringLiteral("HyMAS");
    base.Level = QStringLiteral("SM");
    base.Laji = QStringLiteral("FPP");
    base.Luokka = QStringLiteral(" ");
    base.Positio = 1;
    base.Nimi = QStringLiteral("Naapuri Nea");
    base.Yhteensa = 33;
    QList<KilpailutRivi> rows(4, base);
    rows[0].Alkupvm = QStringLiteral("2025-06-13");
    rows[1].Paikka = QStringLiteral("Hyvinkää 2");
    rows[2].JSeura = QStringLiteral("HyMAS2");
    rows[3].Laji = QStringLiteral("BBPC");
    return rows;
}

// Every column of each row as text, for comparing whole rows.
QStringList columnTexts(const QList<QVariantList> &rows)
{
    QStringList out;
    for (const QVariantList &row : rows) {
        QStringList values;
        for (const QVariant &value : row)
            values << value.toString();
        out << values.join(QLatin1Char('|'));
    }
    return out;
}

QStringList columnTexts(const QList<KilpailutRivi> &rivit)
{
    QList<QVariantList> rows;
    for (const KilpailutRivi &rivi : rivit)
        rows << rivi.values();
    return columnTexts(rows);
}

class ReplaceTest : public DatabaseDialogTest
{
protected:
    void SetUp() override
    {
        DatabaseDialogTest::SetUp();
        if (HasFatalFailure())
            return;
        for (const KilpailutRivi &rivi : neighbourRows())
            exec(statementText(rivi));
        child<QCheckBox>("FPSendBox")->setChecked(true);
    }

    void setReplace(bool on) { child<QCheckBox>("replaceRowsBox")->setChecked(on); }

    // A competitor's FPP total changes and the tables are refreshed, as the main window does.
    void changeFppTotal(const char *nimi, int yhteensa)
    {
        const int slot = *m_kilpailu->kilpailijat.slotByName(QString::fromUtf8(nimi));
        m_kilpailu->kilpailijat[slot].Yhteensa[FPP] = yhteensa;
        refreshResults(*m_kilpailu, *m_tulokset);
    }

    QList<KilpailutRivi> fpRows() const
    {
        return rowsToSend(*m_kilpailu, *m_tulokset, ChosenGroups{false, false, true, false, false});
    }

    static QString sent(int rows) { return QString(rows, QLatin1Char('.')); }
    static inline const QString Done = QStringLiteral("Siirto valmis!");
};

} // namespace

TEST_F(ReplaceTest, TwoSendsLeaveEachRowOnceWithTheSecondSendsValues)
{
    connectTo(server().settings());
    setReplace(true);
    sendButton()->click();
    changeFppTotal("Forsman Fia", 40);
    const QList<KilpailutRivi> second = fpRows();
    ASSERT_EQ(summary(second[0].values()), QStringLiteral("FPP| |1|Forsman Fia|FIN"));
    sendButton()->click();

    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    EXPECT_EQ(sendLog(), sent(FpRows.size()) + Done + sent(second.size()) + Done);
    // The neighbours first, as they arrived; then the second send alone.
    EXPECT_EQ(columnTexts(rows()), columnTexts(neighbourRows()) + columnTexts(second));
}

TEST_F(ReplaceTest, WithoutTheBoxTwoSendsInsertTwice)
{
    connectTo(server().settings());
    sendButton()->click();
    const QList<KilpailutRivi> first = fpRows();
    changeFppTotal("Forsman Fia", 40);
    sendButton()->click();
    EXPECT_EQ(columnTexts(rows()),
        columnTexts(neighbourRows()) + columnTexts(first) + columnTexts(fpRows()));
}

// The server refuses the sixth row of the second send: the deletion and the five rows before
// it are undone.
TEST_F(ReplaceTest, ARefusedRowUndoesTheWholeSend)
{
    connectTo(server().settings());
    setReplace(true);
    sendButton()->click();
    const QStringList before = columnTexts(rows());
    exec(QStringLiteral("alter table Kilpailut add constraint Ei_13 check (Yhteensä <> 13)"));
    changeFppTotal("Carlsson Cay", 13);
    sendButton()->click();

    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].contains(QStringLiteral("Ei_13")))
        << m_prompts.errors[0].toStdString();
    EXPECT_TRUE(m_prompts.errors[0].endsWith(nothingChangedMessage()));
    EXPECT_EQ(sendLog(), sent(FpRows.size()) + Done + sent(6));
    EXPECT_EQ(columnTexts(rows()), before);
}

// A table that cannot roll back is not touched at all by a replacing send.
TEST_F(ReplaceTest, IsRefusedOnATableWithoutTransactions)
{
    exec(QStringLiteral("alter table Kilpailut engine=MyISAM"));
    connectTo(server().settings());
    setReplace(true);
    sendButton()->click();
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].contains(QStringLiteral("MyISAM")))
        << m_prompts.errors[0].toStdString();
    EXPECT_TRUE(m_prompts.errors[0].endsWith(nothingChangedMessage()));
    EXPECT_EQ(sendLog(), QString());
    EXPECT_EQ(columnTexts(rows()), columnTexts(neighbourRows()));
}

TEST_F(ReplaceTest, AServerKilledDuringTheSendLeavesTheTableAsItWas)
{
    TestServer own = startServer();
    ASSERT_TRUE(own.error.isEmpty()) << own.error.toStdString();
    connectTo(own.settings());
    ASSERT_TRUE(sendButton()->isEnabled()) << m_prompts.errors.join(' ').toStdString();
    setReplace(true);
    sendButton()->click();
    ASSERT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    const QStringList first = columnTexts(fpRows());

    // The server dies as the third row of the second send is about to go: FPP's earlier rows
    // are deleted and two new ones inserted by then, none of it committed.
    changeFppTotal("Forsman Fia", 40);
    const QString killAt = sent(FpRows.size()) + Done + sent(3);
    bool killed = false;
    QObject::connect(child<QPlainTextEdit>("sendLog"), &QPlainTextEdit::textChanged, [&] {
        if (!killed && sendLog() == killAt) {
            killed = true;
            EXPECT_TRUE(killServer(own));
        }
    });
    sendButton()->click();
    EXPECT_TRUE(killed);
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].endsWith(nothingChangedMessage()))
        << m_prompts.errors[0].toStdString();
    std::cout << "Message shown: " << m_prompts.errors[0].toStdString() << '\n';

    ASSERT_TRUE(relaunchServer(own));
    QString error;
    {
        QSqlDatabase db = openAdmin(own, QStringLiteral("relaunched"), error);
        ASSERT_TRUE(db.isOpen()) << error.toStdString();
        EXPECT_EQ(columnTexts(rows(db)), first);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("relaunched"));
    m_dialog.reset();
    stopServer(own);
}

// An official who opens the match files and sends FP, and a results computer that runs the batch
// upload on the same files, put the same rows on the server.
TEST_F(DatabaseDialogTest, TheBatchUploadOfOneGroupGivesTheSameRowsAsTheDialog)
{
    QTemporaryDir dir;
    const QString match = dir.filePath(QStringLiteral("kisa.mrv"));
    QString error;
    ASSERT_TRUE(
        saveMatchFileSet(match, *m_kilpailu, matchSummaryLines(m_kilpailu->tiedot, false), error))
        << error.toStdString();
    const BatchRun batch
        = runMarvola(uploadArguments(match, QStringLiteral("FP"), server()), server().password);
    ASSERT_EQ(batch.exitCode, 0) << batch.err.toStdString();
    const QStringList fromBatch = columnTexts(rows());
    EXPECT_EQ(summaries(rows()), FpRows);
    exec(QStringLiteral("delete from Kilpailut"));

    LoadedMatch loaded = loadMatchFileSet(match, false, *m_kilpailu, error);
    ASSERT_TRUE(loaded.kilpailu) << error.toStdString();
    m_dialog.reset();
    m_kilpailu = std::move(loaded.kilpailu);
    m_tulokset = std::make_unique<Tulokset>();
    refreshResults(*m_kilpailu, *m_tulokset);
    m_dialog = std::make_unique<DatabaseDialog>(*m_kilpailu, *m_tulokset);
    connectTo(server().settings());
    send({"FPSendBox"});
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    EXPECT_EQ(columnTexts(rows()), fromBatch);
}

TEST_F(DatabaseDialogTest, ShowsWhetherTheConnectionIsEncrypted)
{
    auto *label = child<QLabel>("encryptionLabel");
    connectTo(server().settings());
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("The connection is encrypted (")))
        << label->text().toStdString();
    child<QPushButton>("disconnectButton")->click();
    EXPECT_TRUE(label->text().isEmpty());

    // A certificate that cannot be checked, on a host played as remote: refused, unless the
    // official allowed an unencrypted connection for it.
    ConnectionSettings remote = server().settings();
    remote.security.caFile
        = QFileInfo(server().caFile).dir().filePath(QStringLiteral("other-ca.pem"));
    remote.security.isLoopback = [](const QString &) { return false; };
    connectTo(remote);
    ASSERT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(m_prompts.errors[0].contains(QStringLiteral("certificate")))
        << m_prompts.errors[0].toStdString();
    EXPECT_FALSE(sendButton()->isEnabled());
    EXPECT_TRUE(label->text().isEmpty());

    remote.security.allowUnencrypted = true;
    connectTo(remote);
    EXPECT_EQ(m_prompts.errors.size(), 1);
    EXPECT_TRUE(sendButton()->isEnabled());
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("The connection is NOT encrypted")))
        << label->text().toStdString();
}

// The login keeps the CA file and the unencrypted tick for each host, and never the password.
TEST_F(DatabaseDialogTest, LoginRemembersTheCaFileAndTheTickPerHostButNeverThePassword)
{
    const TestServer &s = server();
    const QString host = QStringLiteral("127.0.0.1:%1").arg(s.port);
    m_prompts.fileToOpen = s.caFile;
    QTimer::singleShot(0, [&] {
        auto *login = m_dialog->findChild<DatabaseLoginDialog *>();
        login->findChild<QLineEdit *>(QStringLiteral("HostName"))->setText(host);
        EXPECT_TRUE(login->findChild<QLineEdit *>(QStringLiteral("caFile"))->text().isEmpty());
        login->findChild<QLineEdit *>(QStringLiteral("UserName"))->setText(s.user);
        login->findChild<QLineEdit *>(QStringLiteral("Password"))->setText(s.password);
        login->findChild<QPushButton *>(QStringLiteral("chooseCaFileButton"))->click();
        login->findChild<QCheckBox *>(QStringLiteral("allowUnencryptedBox"))->setChecked(true);
        login->accept();
    });
    child<QPushButton>("connectButton")->click();
    EXPECT_TRUE(m_prompts.errors.isEmpty()) << m_prompts.errors.join(' ').toStdString();
    // The chosen CA file checked the server's certificate.
    EXPECT_TRUE(child<QLabel>("encryptionLabel")
                    ->text()
                    .startsWith(QStringLiteral("The connection is encrypted (")));
    child<QPushButton>("disconnectButton")->click();

    QTimer::singleShot(0, [&] {
        auto *login = m_dialog->findChild<DatabaseLoginDialog *>();
        auto *hostName = login->findChild<QLineEdit *>(QStringLiteral("HostName"));
        auto *caFile = login->findChild<QLineEdit *>(QStringLiteral("caFile"));
        auto *tick = login->findChild<QCheckBox *>(QStringLiteral("allowUnencryptedBox"));
        EXPECT_EQ(hostName->text(), host);
        EXPECT_EQ(caFile->text(), s.caFile);
        EXPECT_TRUE(tick->isChecked());
        hostName->setText(QStringLiteral("results.example.org"));
        EXPECT_TRUE(caFile->text().isEmpty());
        EXPECT_FALSE(tick->isChecked());
        hostName->setText(host);
        EXPECT_TRUE(tick->isChecked());
        login->reject();
    });
    child<QPushButton>("connectButton")->click();

    QSettings settings(QStringLiteral("Marvola"), QStringLiteral("Marvola"));
    QFile file(settings.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << settings.fileName().toStdString();
    const QByteArray stored = file.readAll();
    EXPECT_TRUE(stored.contains(s.caFile.toUtf8())) << stored.toStdString();
    EXPECT_FALSE(stored.contains(s.password.toUtf8())) << stored.toStdString();
    for (const QString &key : settings.allKeys())
        EXPECT_NE(settings.value(key).toString(), s.password) << key.toStdString();
}
