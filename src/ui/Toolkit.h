// The event rules of the windows: which handler runs when the program or the user changes controls.
#pragma once

#include <QString>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialog;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;

namespace marvola::toolkit {

// Use: toolkit::onToggle(box, this, [this] { storeEntry(d); }), never a Qt signal, for each
// handler; then the program's setChecked()/setText() run it as the user's input does (setEditText:
// none).

using Handler = std::function<void()>;

// A check box runs its handler on every change of state, by the user or the program.
void onToggle(QCheckBox *box, QObject *context, Handler handler);
// A radio button runs its handler when it becomes checked, by the user or the program.
void onToggle(QRadioButton *button, QObject *context, Handler handler);
// A text field runs its handler whenever its text changes; setting the same text runs nothing.
void onNewText(QLineEdit *field, QObject *context, Handler handler);
// A drop-down list runs its handler only on the user's choice or typing; read currentText().
void onNewText(QComboBox *list, QObject *context, Handler handler);

// The Escape key presses this button (as the user's click would) instead of closing the dialog.
void setCancelButton(QDialog *dialog, QAbstractButton *button);
// Runs the handler whenever the window becomes active again; open its sub-dialogs with execModal.
void onActivate(QWidget *window, QObject *context, Handler handler);
// Shows a sub-dialog modally and returns its result; when it closes, the window it belongs to is
// active again (on every platform), so that window's activate handler runs.
int execModal(QDialog *dialog);

// Makes a drop-down list editable the program's way: typed text is never added as an item and
// is not completed from the items.
void makeEditable(QComboBox *list);

// A field for a text stored in `capacity` characters: typing stops at the limit, and the tip says
// so, instead of the text being cut silently when stored.
void limitLength(QLineEdit *field, int capacity);
void limitLength(QComboBox *list, int capacity);
// Adds text in its place among items sorted by the locale's collation and returns its index.
// The list's text stays as it was and no handler runs.
int addSorted(QComboBox *list, const QString &text);

} // namespace marvola::toolkit
