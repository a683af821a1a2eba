// The event rules of the windows: which programmatic and user changes run a control's handler.
#include "ui/Toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

class ToolkitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    template<typename Control> Control *add(Control *control)
    {
        layout->addWidget(control);
        QApplication::processEvents(); // shown and laid out, so clicks land on it
        return control;
    }
    toolkit::Handler counter(int &count)
    {
        return [&count] { ++count; };
    }

    QDialog window;
    QVBoxLayout *layout = new QVBoxLayout(&window);
};

TEST_F(ToolkitTest, CheckBoxRunsItsHandlerOnEveryChangeOfState)
{
    auto *box = add(new QCheckBox(QStringLiteral("BBPR")));
    int clicks = 0;
    toolkit::onToggle(box, &window, counter(clicks));

    box->setChecked(true);
    EXPECT_EQ(clicks, 1) << "a program's change raises the click";
    box->setChecked(true);
    EXPECT_EQ(clicks, 1) << "the same state raises nothing";
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(clicks, 2) << "the user's click runs the handler once";
}

TEST_F(ToolkitTest, RadioButtonRunsItsHandlerWhenItBecomesChecked)
{
    auto *group = new QWidget;
    auto *groupLayout = new QVBoxLayout(group);
    auto *a = new QRadioButton(QStringLiteral("A"), group);
    auto *b = new QRadioButton(QStringLiteral("B"), group);
    groupLayout->addWidget(a);
    groupLayout->addWidget(b);
    add(group);
    int aClicks = 0;
    int bClicks = 0;
    toolkit::onToggle(a, &window, counter(aClicks));
    toolkit::onToggle(b, &window, counter(bClicks));

    a->setChecked(true);
    EXPECT_EQ(aClicks, 1);
    b->setChecked(true);
    EXPECT_FALSE(a->isChecked()) << "the other buttons of the group are unchecked";
    EXPECT_EQ(aClicks, 1) << "being unchecked runs nothing";
    EXPECT_EQ(bClicks, 1);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_EQ(aClicks, 2);
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_EQ(aClicks, 2) << "clicking the checked button changes nothing";
}

TEST_F(ToolkitTest, TextFieldRunsItsHandlerWhenTheTextChanges)
{
    auto *field = add(new QLineEdit);
    QStringList seen;
    toolkit::onNewText(field, &window, [&] { seen << field->text(); });

    field->setText(QStringLiteral("Ruger"));
    field->setText(QStringLiteral("Ruger"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("Ruger")}) << "the same text raises nothing";
    EXPECT_FALSE(field->isModified());

    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("S&"));
    EXPECT_EQ(
        seen, (QStringList{QStringLiteral("Ruger"), QStringLiteral("S"), QStringLiteral("S&")}));
    EXPECT_TRUE(field->isModified()) << "typing sets the user-modified flag";
    field->setText(QStringLiteral("629"));
    EXPECT_FALSE(field->isModified()) << "the program's text clears it";
}

TEST_F(ToolkitTest, EditableListRunsItsHandlerOnlyOnTheUsersChoiceOrTyping)
{
    auto *list = add(new QComboBox);
    toolkit::makeEditable(list);
    list->addItems({QStringLiteral("Aalto Matti"), QStringLiteral("Virtanen Jukka")});
    list->setEditText(QString());
    QStringList seen;
    toolkit::onNewText(list, &window, [&] { seen << list->currentText(); });

    list->setEditText(QStringLiteral("Aalto Matti"));
    list->setCurrentIndex(1);
    EXPECT_TRUE(seen.isEmpty()) << "the program's changes run nothing";

    list->lineEdit()->setFocus();
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("Aa"));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("A"), QStringLiteral("Aa")}))
        << "every keystroke counts, and nothing is completed";

    seen.clear();
    list->setCurrentIndex(0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(seen, QStringList{QStringLiteral("Virtanen Jukka")}) << "choosing an item";
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list->count(), 2) << "typed text is never added as an item";
}

TEST_F(ToolkitTest, EscapePressesTheCancelButtonEvenFromATextField)
{
    auto *field = add(new QLineEdit);
    auto *cancel = add(new QPushButton(QStringLiteral("Cancel")));
    int presses = 0;
    QObject::connect(cancel, &QPushButton::clicked, [&] { ++presses; });
    toolkit::setCancelButton(&window, cancel);

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(window.isVisible()) << "only the button's handler decides whether to close";

    cancel->setEnabled(false);
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(presses, 1) << "a disabled button takes no input";
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ToolkitTest, WindowActivatesAgainWhenItsModalSubDialogCloses)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int activations = 0;
    toolkit::onActivate(&window, &window, counter(activations));

    QDialog sub(&window);
    QTimer::singleShot(0, &sub, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&sub));
        sub.accept();
    });
    EXPECT_EQ(toolkit::execModal(&sub), QDialog::Accepted);
    EXPECT_TRUE(QTest::qWaitFor([&] { return activations > 0; }));
    EXPECT_TRUE(window.isActiveWindow());
}

TEST(ToolkitLists, AddSortedKeepsLocaleOrderAndTheTypedText)
{
    QComboBox list;
    toolkit::makeEditable(&list);
    int changes = 0;
    QObject::connect(&list, &QComboBox::editTextChanged, [&] { ++changes; });
    list.setEditText(QString());
    changes = 0;

    EXPECT_EQ(toolkit::addSorted(&list, QStringLiteral("Virtanen Jukka")), 0);
    EXPECT_EQ(list.currentText(), QString()) << "the first item does not become the text";
    EXPECT_EQ(toolkit::addSorted(&list, QStringLiteral("Aalto Matti")), 0);
    EXPECT_EQ(toolkit::addSorted(&list, QStringLiteral("Korhonen Pekka")), 1);
    EXPECT_EQ(list.itemText(2), QStringLiteral("Virtanen Jukka"));
    EXPECT_EQ(changes, 0) << "adding an item runs no handler";
}

} // namespace
