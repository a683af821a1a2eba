// The import window against a match in memory: a column assigned by keyboard and remembered, the
// preview of every row, a suspected duplicate ticked in, texts shortened, and one edit on Import.
#include "ui/ImportDialog.h"

#include "ProgramFixture.h"
#include "register/ShooterRegister.h"
#include "session/MatchSession.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

class ImportDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    }
    void SetUp() override
    {
        const int slot = match
                             ->addCompetitor(QStringLiteral("Virtanen Matti"),
                                 QStringLiteral("HAUR"), QStringLiteral("FIN"))
                             .value();
        match->kilpailijat[slot].Yhteensa[BBPR] = 14;
    }
    std::unique_ptr<ImportDialog> open(const QByteArray &csv)
    {
        QString error;
        const auto table = readCsv(csv, error);
        EXPECT_TRUE(table) << error.toStdString();
        auto dialog = std::make_unique<ImportDialog>(
            session, QStringLiteral("entries.csv"), table.value_or(ImportTable{}));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    template<typename Widget> static Widget *child(const QWidget *window, const QString &name)
    {
        auto *found = window->findChild<Widget *>(name);
        EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
        return found;
    }
    static QString cell(const ImportDialog &d, int row, int column)
    {
        const QTableWidgetItem *item
            = child<QTableWidget>(&d, QStringLiteral("previewTable"))->item(row, column);
        return item ? item->text() : QString();
    }
    static QAbstractButton *importButton(const ImportDialog &d)
    {
        return child<QAbstractButton>(&d, QStringLiteral("importButton"));
    }

    std::unique_ptr<Kilpailu> match = std::make_unique<Kilpailu>();
    MatchSession session{*match};
};

constexpr int StatusColumn = 5;
constexpr int ReasonColumn = 6;

TEST_F(ImportDialogTest, AColumnAssignedByKeyboardIsImportedAndRememberedForTheSameHeadings)
{
    const QByteArray csv = "Sukunimi;Etunimi;Seuran lyhenne;BBPR\n"
                           "Ahola;Aino;KUa;x\n";
    {
        const auto dialog = open(csv);
        auto *clubColumn = child<QComboBox>(dialog.get(), QStringLiteral("column2"));
        EXPECT_EQ(QApplication::focusWidget(), clubColumn);
        EXPECT_EQ(clubColumn->currentText(), QStringLiteral("(not imported)"));
        QTest::keyClicks(clubColumn, QStringLiteral("Cl"));
        EXPECT_EQ(clubColumn->currentText(), QStringLiteral("Club"));
        EXPECT_EQ(cell(*dialog, 0, 3), QStringLiteral("KUa"));
        EXPECT_EQ(cell(*dialog, 0, 4), QStringLiteral("BBPR"));
        EXPECT_EQ(cell(*dialog, 0, StatusColumn), QStringLiteral("new"));
        QTest::mouseClick(importButton(*dialog), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
    EXPECT_EQ(match->kilpailijat[2].Nimi.text(), QStringLiteral("Ahola Aino"));
    EXPECT_EQ(match->kilpailijat[2].Seura.text(), QStringLiteral("KUa"));
    EXPECT_TRUE(match->kilpailijat[2].Osallistuu[BBPR]);

    const auto again = open(csv);
    EXPECT_EQ(child<QComboBox>(again.get(), QStringLiteral("column2"))->currentText(),
        QStringLiteral("Club"));
    EXPECT_EQ(cell(*again, 0, StatusColumn), QStringLiteral("update"));
}

TEST_F(ImportDialogTest, ASuspectedDuplicateGoesInOnlyWhenTicked)
{
    const auto dialog = open("name;club\n"
                             "Uusi Kalle;SA\n"
                             "Virtanen Mati;HAUR\n"
                             "Virtanen Matti;HAUR\n"
                             ";SA\n");
    EXPECT_EQ(cell(*dialog, 0, StatusColumn), QStringLiteral("new"));
    EXPECT_EQ(cell(*dialog, 1, StatusColumn), QStringLiteral("suspected duplicate"));
    EXPECT_EQ(cell(*dialog, 1, ReasonColumn),
        QStringLiteral("Suspected duplicate of 1 Virtanen Matti (HAUR)."));
    EXPECT_EQ(cell(*dialog, 2, StatusColumn), QStringLiteral("update"));
    EXPECT_EQ(cell(*dialog, 3, StatusColumn), QStringLiteral("refused"));
    EXPECT_EQ(cell(*dialog, 3, ReasonColumn), QStringLiteral("The name is empty."));

    auto *preview = child<QTableWidget>(dialog.get(), QStringLiteral("previewTable"));
    preview->setFocus();
    preview->setCurrentCell(1, 0);
    QTest::keyClick(preview, Qt::Key_Space);
    EXPECT_EQ(preview->item(1, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog->plan().added(), 2);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(match->kilpailijat.highestOccupied(), 3);
    EXPECT_EQ(match->kilpailijat[3].Nimi.text(), QStringLiteral("Virtanen Mati"));
    EXPECT_EQ(match->kilpailijat[1].Yhteensa[BBPR], 14);
}

TEST_F(ImportDialogTest, TooLongTextsAreShortenedWhenAskedAndNothingChangesOnCancel)
{
    const auto dialog = open("name;club\nAhola Aino;Kuopion Ampujat\n");
    EXPECT_EQ(cell(*dialog, 0, StatusColumn), QStringLiteral("refused"));
    EXPECT_FALSE(importButton(*dialog)->isEnabled());
    auto *shorten = child<QCheckBox>(dialog.get(), QStringLiteral("shortenCheck"));
    ASSERT_TRUE(shorten->isVisible());
    shorten->setFocus();
    QTest::keyClick(shorten, Qt::Key_Space);
    EXPECT_EQ(cell(*dialog, 0, StatusColumn), QStringLiteral("new"));
    EXPECT_EQ(cell(*dialog, 0, 3), QStringLiteral("Kuopion Am"));
    EXPECT_TRUE(importButton(*dialog)->isEnabled());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(match->kilpailijat.highestOccupied(), 1);
}

// Asked for, the competitors added and updated go into the shooter register too, with what the
// match now holds of them (the update's member number included); unasked, the register is not
// touched.
TEST_F(ImportDialogTest, TheImportedCompetitorsGoIntoTheRegisterWhenAsked)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("shooters.sqlite"));
    setRegisterFile(file);
    const QByteArray csv = "name;club;member number;BBPR\n"
                           "Virtanen Matti;HAUR;FIN-1;A\n"
                           "Ahola Aino;HAUR;FIN-2;B\n";
    {
        const auto dialog = open(csv);
        EXPECT_FALSE(
            child<QCheckBox>(dialog.get(), QStringLiteral("toRegisterCheck"))->isChecked());
        importButton(*dialog)->click();
    }
    EXPECT_FALSE(QFileInfo::exists(file));
    ASSERT_TRUE(session.undo());

    const auto dialog = open(csv);
    child<QCheckBox>(dialog.get(), QStringLiteral("toRegisterCheck"))->setChecked(true);
    importButton(*dialog)->click();
    QString error;
    const auto shooters = ShooterRegister::open(file, ShooterRegister::Mode::ExistingOnly, error);
    ASSERT_TRUE(shooters) << error.toStdString();
    EXPECT_EQ(shooters->shooterCount(error), 2);
    const QList<ShooterMatch> found = shooters->search(QStringLiteral("FIN-1"), 5, error);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().nimi, QStringLiteral("Virtanen Matti"));
    setRegisterFile({});
}

TEST_F(ImportDialogTest, AListWithoutNamesCannotBeImported)
{
    const auto dialog = open("seura;BBPR\nHAUR;x\n");
    EXPECT_FALSE(importButton(*dialog)->isEnabled());
    EXPECT_TRUE(child<QLabel>(dialog.get(), QStringLiteral("importSummary"))
                    ->text()
                    .startsWith(QStringLiteral("No column holds the names")));
}

class MainWindowImportTest : public marvola::testing::ProgramTest
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    void importFile(const QString &fileName)
    {
        prompts.fileAnswers << fileName;
        form.findChild<QAction *>(QStringLiteral("importCompetitorsAction"))->trigger();
    }
    QTemporaryDir m_dir;
};

TEST_F(MainWindowImportTest, FileImportShowsThePreviewAndTheMatchChangesOnlyOnImport)
{
    importFile(write(QStringLiteral("entries.csv"), "name;club\nAhola Aino;KUa\nBerg Britt;SA\n"));
    auto *dialog = form.findChild<ImportDialog *>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 0);
    QTest::mouseClick(
        dialog->findChild<QAbstractButton *>(QStringLiteral("importButton")), Qt::LeftButton);
    EXPECT_EQ(kilpailu().kilpailijat.highestOccupied(), 2);
    EXPECT_EQ(kilpailu().kilpailijat[2].Nimi.text(), QStringLiteral("Berg Britt"));
    EXPECT_TRUE(form.session().isModified());
    auto *names = form.findChild<QComboBox *>(QStringLiteral("competitorNameList"));
    ASSERT_NE(names, nullptr);
    EXPECT_NE(names->findText(QStringLiteral("Berg Britt")), -1);
    EXPECT_TRUE(QTest::qWaitFor([this] { return form.findChild<ImportDialog *>() == nullptr; }));
}

TEST_F(MainWindowImportTest, AFileThatIsNoListIsSaidAndNothingOpens)
{
    prompts.expectAnyError();
    importFile(write(QStringLiteral("garbage.csv"), QByteArray("\x00\x01\x02", 3).repeated(50)));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains(QStringLiteral("not text")));
    EXPECT_EQ(form.findChild<ImportDialog *>(), nullptr);
}

} // namespace
