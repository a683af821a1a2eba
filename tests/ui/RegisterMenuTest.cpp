// The File menu's shooter register and competitor list: the register's file chosen, the match's
// results added, the competitor list exported.
#include "ProgramFixture.h"
#include "output/CompetitorExport.h"
#include "register/ShooterRegister.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

using namespace marvola;
using namespace marvola::testing;

namespace {

class RegisterMenuTest : public ProgramTest
{
protected:
    void trigger(const char *action)
    {
        QAction *found = form.findChild<QAction *>(QLatin1String(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
    // Types the file into the register dialog and presses OK; then cancels what is still open.
    void chooseRegister(const QString &typed)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("registerFileField"));
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(dialog->focusWidget(), field) << "the file can be typed at once";
            field->setText(typed);
            QTest::keyClick(field, Qt::Key_Return);
            if (dialog->isVisible())
                dialog->findChild<QPushButton *>(QStringLiteral("Cancel"))->click();
        });
        trigger("registerFileAction");
        EXPECT_TRUE(ran);
    }
    QString statusLine() const { return form.statusBar()->currentMessage(); }

    QTemporaryDir m_dir;
};

TEST_F(RegisterMenuTest, RegisterFileIsChosenAndAFileThatIsNoRegisterRefused)
{
    const QString shared = m_dir.filePath(QStringLiteral("club/shooters.sqlite"));
    chooseRegister(shared);
    EXPECT_EQ(registerFile(), shared);
    QString error;
    EXPECT_TRUE(ShooterRegister::open(shared, ShooterRegister::Mode::ExistingOnly, error));

    const QString text = m_dir.filePath(QStringLiteral("notes.txt"));
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a register\n");
    notes.close();
    prompts.expectAnyError();
    chooseRegister(text);
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("not a shooter register")));
    EXPECT_EQ(registerFile(), shared) << "the choice stays as it was";
}

TEST_F(RegisterMenuTest, ResultsAddedTwiceAreKeptOnce)
{
    loadDemo();
    const QString file = m_dir.filePath(QStringLiteral("shooters.sqlite"));
    setRegisterFile(file);
    trigger("addToRegisterAction");
    EXPECT_TRUE(statusLine().contains(QStringLiteral("40 shooters added")))
        << statusLine().toStdString();
    trigger("addToRegisterAction");
    EXPECT_TRUE(statusLine().contains(QStringLiteral("replaced"))) << statusLine().toStdString();
    QString error;
    auto reg = ShooterRegister::open(file, ShooterRegister::Mode::ExistingOnly, error);
    ASSERT_TRUE(reg) << error.toStdString();
    EXPECT_EQ(reg->shooterCount(error), 40);
}

TEST_F(RegisterMenuTest, CompetitorListIsWrittenInTheChosenFormat)
{
    loadDemo();
    const QString csv = m_dir.filePath(QStringLiteral("competitors.csv"));
    const QString xlsx = m_dir.filePath(QStringLiteral("competitors.xlsx"));
    prompts.fileAnswers = {csv, xlsx};
    trigger("exportCompetitorsAction");
    trigger("exportCompetitorsAction");
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), competitorListCsv(kilpailu()));
    QFile workbook(xlsx);
    ASSERT_TRUE(workbook.open(QIODevice::ReadOnly));
    EXPECT_TRUE(workbook.read(2) == "PK") << "a zip, as every workbook is";
    EXPECT_TRUE(statusLine().contains(QStringLiteral("competitors.xlsx")));
}

} // namespace
