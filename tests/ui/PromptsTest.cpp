// The real question before unsaved changes are given up: its buttons, its default and Escape.
#include "ui/Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marvola;

namespace {

enum class BoxPress { SaveButton, DontSaveButton, CancelButton, EnterKey, EscapeKey };

struct UnsavedBoxCase
{
    const char *name;
    BoxPress press;
    LeaveAnswer answer;
};

QAbstractButton *buttonCaptioned(QMessageBox *box, const QString &caption)
{
    for (QAbstractButton *button : box->buttons())
        if (button->text() == caption)
            return button;
    return nullptr;
}

void pressInBox(QMessageBox *box, BoxPress press)
{
    switch (press) {
    case BoxPress::SaveButton: buttonCaptioned(box, QStringLiteral("Save"))->click(); break;
    case BoxPress::DontSaveButton:
        buttonCaptioned(box, QStringLiteral("Don't Save"))->click();
        break;
    case BoxPress::CancelButton: buttonCaptioned(box, QStringLiteral("Cancel"))->click(); break;
    case BoxPress::EnterKey: QTest::keyClick(box, Qt::Key_Return); break;
    case BoxPress::EscapeKey: QTest::keyClick(box, Qt::Key_Escape); break;
    }
}

class UnsavedChangesBox : public ::testing::TestWithParam<UnsavedBoxCase>
{
};

// No answer may read as another: there is no Yes that leaves without saving, Save is the default
// and Escape stays with the match.
TEST_P(UnsavedChangesBox, EachButtonSaysWhatItDoes)
{
    const UnsavedBoxCase &c = GetParam();
    QStringList captions;
    QString defaultCaption;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton *button : box->buttons())
            captions << button->text();
        if (box->defaultButton())
            defaultCaption = box->defaultButton()->text();
        pressInBox(box, c.press);
    });

    const LeaveAnswer answer = prompts().askToLeave(nullptr, QStringLiteral("Unsaved?"));

    captions.sort();
    EXPECT_EQ(captions, (QStringList{"Cancel", "Don't Save", "Save"}));
    EXPECT_EQ(defaultCaption, QStringLiteral("Save"));
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(Prompts, UnsavedChangesBox,
    ::testing::Values(UnsavedBoxCase{"Save", BoxPress::SaveButton, LeaveAnswer::SaveFirst},
        UnsavedBoxCase{"DontSave", BoxPress::DontSaveButton, LeaveAnswer::Leave},
        UnsavedBoxCase{"Cancel", BoxPress::CancelButton, LeaveAnswer::Stay},
        UnsavedBoxCase{"Enter", BoxPress::EnterKey, LeaveAnswer::SaveFirst},
        UnsavedBoxCase{"Escape", BoxPress::EscapeKey, LeaveAnswer::Stay}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
