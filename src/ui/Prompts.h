// The modal questions of the program: message boxes, the Yes/No question and the file dialogs.
#pragma once

#include <QString>

class QWidget;

namespace marvola {

struct FileDialogRequest
{
    QString title;
    QString filter; // Qt form: "Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)"
    QString defaultSuffix;
    QString folder; // where the dialog starts; empty for the working folder
};

// The answers to a question that offers a look first: go on, look at something, or stop.
enum class GoOn { Continue, Look, Stop };
// The answers to the question before the match with unsaved changes is closed or replaced:
// save first, go on without saving, or stay with the match.
enum class LeaveAnswer { SaveFirst, Leave, Stay };

// Every modal message box, Yes/No question and file dialog goes through the installed Prompts,
// so a test installs its own answers and never blocks on a window.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // An information box with one OK button.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // A failed command: the error's own message in a message box.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // Yes/No; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &question) = 0;
    // "Continue", a button that shows something first (lookCaption), or "Cancel".
    virtual GoOn askToContinue(QWidget *parent, const QString &question, const QString &lookCaption)
        = 0;
    // "Save" (the default), "Don't Save" or "Cancel" (also Escape).
    virtual LeaveAnswer askToLeave(QWidget *parent, const QString &question) = 0;
    // The chosen file name, or an empty text when the dialog was cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;
};

// The installed prompts; the real windows unless a test installed others.
Prompts &prompts();
// Installs prompts (not owned); nullptr puts the real windows back.
void installPrompts(Prompts *replacement);

} // namespace marvola
