// The new competitor dialog's search of the shooter register: found as the name or member number
// is typed, chosen from the popup, and what the register knows filled into the new competitor.
#include "DialogFixture.h"

#include <QStandardItemModel>
#include <QTemporaryDir>

using namespace marvola;
using namespace marvola::testing;

namespace {

class NewCompetitorRegisterTest : public DialogTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QString error;
        auto reg = ShooterRegister::open(m_file, ShooterRegister::Mode::CreateIfMissing, error);
        ASSERT_TRUE(reg) << error.toStdString();
        Shooter matti;
        matti.nimi = QStringLiteral("Virtanen Matti");
        matti.seura = QStringLiteral("HyMAS");
        matti.maa = QStringLiteral("FIN");
        matti.extras = {QStringLiteral("F-7"), QStringLiteral("matti@example.org"),
            QStringLiteral("F-8"), true};
        matti.lajit[BBPR] = ShooterDiscipline{"A", "Ruger", "Blackhawk", ".44"};
        matti.lajit[SBRS] = ShooterDiscipline{"Master", "Anschütz", "1712", ".22"};
        Shooter other;
        other.nimi = QStringLiteral("Virta Ville");
        other.seura = QStringLiteral("SA");
        ASSERT_TRUE(reg->storeShooters({matti, other}, error)) << error.toStdString();
        reg.reset();

        newDialog->useRegisterFile(m_file);
        show(entryDialog);
        click(child<QAbstractButton>(entryDialog, QStringLiteral("newCompetitorButton")));
        ASSERT_TRUE(newDialog->isVisible());
    }
    QLineEdit *nameField() { return child<QLineEdit>(newDialog, "newCompetitorName"); }
    QAbstractItemView *popup() { return newDialog->registerCompleter()->popup(); }
    QStringList offered()
    {
        QStringList lines;
        const QAbstractItemModel *model = popup()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString();
        return lines;
    }
    // Types into the name field and picks the line of the popup with the keyboard.
    void typeAndChoose(const QString &typed, int line)
    {
        typeText(nameField(), typed);
        QTRY_VERIFY(popup()->isVisible());
        for (int i = 0; i <= line; ++i)
            QTest::keyClick(popup(), Qt::Key_Down);
        QTest::keyClick(popup(), Qt::Key_Return);
        QTRY_VERIFY(!popup()->isVisible());
    }
    void pressOk() { click(child<QAbstractButton>(newDialog, "OK")); }

    QTemporaryDir m_dir;
    QString m_file = m_dir.filePath(QStringLiteral("shooters.sqlite"));
};

TEST_F(NewCompetitorRegisterTest, ShooterChosenWhileTypingFillsTheNewCompetitor)
{
    typeText(nameField(), QStringLiteral("vir"));
    QTRY_VERIFY(popup()->isVisible());
    EXPECT_EQ(offered(),
        (QStringList{QStringLiteral("Virta Ville  (SA)"),
            QStringLiteral("Virtanen Matti  (HyMAS, FIN, F-7)")}));
    QTest::keyClick(popup(), Qt::Key_Down);
    QTest::keyClick(popup(), Qt::Key_Down);
    QTest::keyClick(popup(), Qt::Key_Return);
    QTRY_VERIFY(!popup()->isVisible());
    EXPECT_EQ(nameField()->text(), QStringLiteral("Virtanen Matti"));
    EXPECT_EQ(child<QComboBox>(newDialog, "Seura")->currentText(), QStringLiteral("HyMAS"));
    EXPECT_EQ(child<QComboBox>(newDialog, "Kansallisuus")->currentText(), QStringLiteral("FIN"));

    pressOk();
    const std::optional<int> added = kilpailu->kilpailijat.slotByName("Virtanen Matti");
    ASSERT_TRUE(added);
    const TKilpailija &k = slot(*added);
    EXPECT_EQ(k.Seura.text(), QStringLiteral("HyMAS"));
    EXPECT_EQ(
        kilpailu->extras[*added], (CompetitorExtras{"F-7", "matti@example.org", "F-8", true}));
    EXPECT_EQ(k.Luokka[BBPR].text(), QStringLiteral("A"));
    EXPECT_EQ(k.Ase[BBPR].text(), QStringLiteral("Ruger"));
    EXPECT_EQ(k.Malli[BBPR].text(), QStringLiteral("Blackhawk"));
    EXPECT_EQ(k.Kaliiperi[BBPR].text(), QStringLiteral(".44"));
    EXPECT_EQ(k.Luokka[SBRS].text(), QStringLiteral("Master"));
    EXPECT_EQ(k.Ase[SBRS].text(), QStringLiteral("Anschütz"));
    // The official ticks the disciplines.
    for (int d = 0; d < LajiCount; ++d)
        EXPECT_FALSE(k.Osallistuu[d]) << d;
}

TEST_F(NewCompetitorRegisterTest, MemberNumberFindsTheShooter)
{
    typeAndChoose(QStringLiteral("f-7"), 0);
    EXPECT_EQ(nameField()->text(), QStringLiteral("Virtanen Matti"));
}

TEST_F(NewCompetitorRegisterTest, NameChangedAfterTheChoiceTakesNothingFromTheRegister)
{
    typeAndChoose(QStringLiteral("virtan"), 0);
    typeInto(nameField(), QStringLiteral("Virtanen Mikko"));
    pressOk();
    const std::optional<int> added = kilpailu->kilpailijat.slotByName("Virtanen Mikko");
    ASSERT_TRUE(added);
    EXPECT_TRUE(kilpailu->extras[*added].isEmpty());
    EXPECT_TRUE(slot(*added).Ase[BBPR].isEmpty());
}

TEST_F(NewCompetitorRegisterTest, WithoutARegisterTheDialogAddsAsBefore)
{
    newDialog->useRegisterFile(m_dir.filePath(QStringLiteral("missing.sqlite")));
    typeText(nameField(), QStringLiteral("Virtanen Matti"));
    QApplication::processEvents();
    EXPECT_FALSE(popup()->isVisible());
    pressOk();
    EXPECT_TRUE(kilpailu->kilpailijat.slotByName("Virtanen Matti"));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("missing.sqlite"))));
}

} // namespace
