// The result sheets' windows: whose sheets go to the PDF, and the mail sent with each outcome
// listed, to a mail server on 127.0.0.1.
#include "ui/SheetsDialog.h"

#include "ProgramFixture.h"
#include "log/MailStore.h"
#include "session/MatchSession.h"
#include "support/SmtpSink.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace marvola::testing {
namespace {

class SheetsDialogTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        loadDemo();
    }
    QList<int> slotsOfClub(const QString &club)
    {
        QList<int> found;
        for (int slot : competitorSlotsByNumber(kilpailu()))
            if (kilpailu().kilpailijat[slot].Seura.text() == club)
                found << slot;
        return found;
    }
    static int pageCount(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdf});
        p.waitForFinished(30000);
        for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
            if (line.startsWith("Pages:"))
                return line.mid(6).trimmed().toInt();
        return -1;
    }
};

TEST_F(SheetsDialogTest, ClubOrChosenCompetitorsGoToThePdfAPageEach)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    SheetsDialog dialog(kilpailu(), program.tulokset(), &form);
    const QString pdf = demoDir.filePath(QStringLiteral("sheets.pdf"));
    dialog.reportSystem().setChooser([&](QWidget *) {
        ReportOutputChoice choice;
        choice.destination = ReportDestination::File;
        choice.fileName = pdf;
        return std::optional(choice);
    });
    const QList<int> club = slotsOfClub(QStringLiteral("HyMAS"));
    ASSERT_GT(club.size(), 1);
    dialog.choice().chooseClub(QStringLiteral("HyMAS"));
    EXPECT_EQ(dialog.choice().chosenSlots(), club);
    dialog.printChosen();
    EXPECT_EQ(pageCount(pdf), club.size());

    const QList<int> two{club.first(), club.last()};
    dialog.choice().chooseCompetitors(two);
    EXPECT_EQ(dialog.choice().chosenSlots(), two);
    dialog.printChosen();
    EXPECT_EQ(pageCount(pdf), 2);

    dialog.choice().chooseAll();
    EXPECT_EQ(dialog.choice().chosenSlots().size(), competitorSlotsByNumber(kilpailu()).size());
}

TEST_F(SheetsDialogTest, MailSendsToEachAddressAndListsEveryOutcome)
{
    if (!sinkAvailable())
        GTEST_SKIP() << "python3-aiosmtpd or pdftotext is not installed";
    SmtpSink sink;
    ASSERT_GT(sink.port(), 0);
    const QList<int> club = slotsOfClub(QStringLiteral("HyMAS"));
    ASSERT_GE(club.size(), 2);
    program.session().edit([&](Kilpailu &k) {
        k.extras[club[0]].email = QStringLiteral("a@example.org");
        k.extras[club[1]].email = QStringLiteral("refuse@example.org");
    });

    MailSheetsDialog dialog(program.session(), program.tulokset(), &form);
    dialog.findChild<QLineEdit *>(QStringLiteral("serverEdit"))->setText(sink.address());
    dialog.findChild<QLineEdit *>(QStringLiteral("fromEdit"))
        ->setText(QStringLiteral("office@example.org"));
    dialog.choice().chooseClub(QStringLiteral("HyMAS"));
    dialog.findChild<QPushButton *>(QStringLiteral("sendButton"))->click();

    EXPECT_EQ(sink.messages().size(), 1);
    const QString outcomes = dialog.outcomeText();
    EXPECT_TRUE(outcomes.contains(QStringLiteral("<a@example.org>: sent"))) << qPrintable(outcomes);
    EXPECT_TRUE(outcomes.contains(QStringLiteral("<refuse@example.org>: NOT sent")))
        << qPrintable(outcomes);
    EXPECT_TRUE(outcomes.contains(QStringLiteral("Done: 1 sent, 1 failed.")))
        << qPrintable(outcomes);
    const auto *progress = dialog.findChild<QProgressBar *>(QStringLiteral("mailProgress"));
    EXPECT_EQ(progress->value(), club.size());
    EXPECT_EQ(progress->maximum(), club.size());
    QString error;
    EXPECT_EQ(sheetMailRecords(program.session().log(), error).size(), 2);
    // The password is never kept; the server and sender are, for the next time.
    EXPECT_FALSE(QSettings(QStringLiteral("Marvola"), QStringLiteral("Marvola"))
                     .allKeys()
                     .join(QLatin1Char(' '))
                     .contains(QStringLiteral("password"), Qt::CaseInsensitive));
}

} // namespace
} // namespace marvola::testing
