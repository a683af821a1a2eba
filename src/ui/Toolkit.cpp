#include "ui/Toolkit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace marvola::toolkit {

namespace {

// Watches one window for one kind of event and runs a function for it.
class EventHook : public QObject
{
public:
    using Test = std::function<bool(QEvent *)>;
    using Action = std::function<bool()>; // true when the event is used up

    EventHook(QObject *watched, Test test, Action action)
        : QObject(watched)
        , m_test(std::move(test))
        , m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && m_test(event))
            return m_action();
        return false;
    }

private:
    Test m_test;
    Action m_action;
};

} // namespace

void onToggle(QCheckBox *box, QObject *context, Handler handler)
{
    // toggled, unlike clicked, is raised by setChecked() too, and only when the state changes.
    QObject::connect(box, &QCheckBox::toggled, context, [handler](bool) { handler(); });
}

void onToggle(QRadioButton *button, QObject *context, Handler handler)
{
    QObject::connect(button, &QRadioButton::toggled, context, [handler](bool checked) {
        if (checked)
            handler();
    });
}

void onNewText(QLineEdit *field, QObject *context, Handler handler)
{
    QObject::connect(field, &QLineEdit::textChanged, context, [handler] { handler(); });
}

void onNewText(QComboBox *list, QObject *context, Handler handler)
{
    // editTextChanged would also fire on setEditText() from the program; these two are the
    // user's own: typing into the field and choosing an item.
    if (QLineEdit *field = list->lineEdit())
        QObject::connect(field, &QLineEdit::textEdited, context, [handler] { handler(); });
    QObject::connect(list, &QComboBox::textActivated, context, [handler] { handler(); });
}

void setCancelButton(QDialog *dialog, QAbstractButton *button)
{
    // Key events the focused control leaves unused reach the dialog, where QDialog would close
    // it without running the button's handler.
    new EventHook(
        dialog,
        [](QEvent *event) {
            if (event->type() != QEvent::KeyPress)
                return false;
            const auto *key = static_cast<QKeyEvent *>(event);
            return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
        },
        [button] {
            if (button->isEnabled())
                button->click();
            return true;
        });
}

void onActivate(QWidget *window, QObject *context, Handler handler)
{
    auto *hook = new EventHook(
        window, [](QEvent *event) { return event->type() == QEvent::WindowActivate; },
        [handler] {
            handler();
            return false;
        });
    QObject::connect(context, &QObject::destroyed, hook, &QObject::deleteLater);
}

void makeEditable(QComboBox *list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
}

void limitLength(QLineEdit *field, int capacity)
{
    field->setMaxLength(capacity);
    field->setToolTip(
        QCoreApplication::translate("marvola::Toolkit", "At most %1 characters").arg(capacity));
}

void limitLength(QComboBox *list, int capacity)
{
    if (QLineEdit *field = list->lineEdit())
        limitLength(field, capacity);
    list->setToolTip(
        QCoreApplication::translate("marvola::Toolkit", "At most %1 characters").arg(capacity));
}

int execModal(QDialog *dialog)
{
    const int result = dialog->exec();
    // Window managers give the focus back to the owner; headless platforms leave it nowhere.
    QWidget *owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner && owner->isVisible() && !owner->isActiveWindow())
        owner->activateWindow();
    return result;
}

int addSorted(QComboBox *list, const QString &text)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    int index = 0;
    while (index < list->count() && collator.compare(list->itemText(index), text) <= 0)
        ++index;
    // Qt makes the first item of an empty list current, which would replace the typed text.
    const QString shown = list->currentText();
    const QSignalBlocker quiet(list);
    list->insertItem(index, text);
    if (list->isEditable() && list->currentText() != shown)
        list->setEditText(shown);
    return index;
}

} // namespace marvola::toolkit
