#include "ui/Prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace marvola {

namespace {

const QString BoxTitle = QStringLiteral("Marvola");

QString runFileDialog(QWidget *parent, const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

class WindowPrompts : public Prompts
{
public:
    void information(QWidget *parent, const QString &text) override
    {
        QMessageBox::information(parent, BoxTitle, text);
    }
    void error(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, BoxTitle, text);
    }
    bool confirm(QWidget *parent, const QString &question) override
    {
        // No is the default, so a stray Enter never leaves unsaved work behind.
        return QMessageBox::question(
                   parent, BoxTitle, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    }
    GoOn askToContinue(
        QWidget *parent, const QString &question, const QString &lookCaption) override
    {
        QMessageBox box(QMessageBox::Question, BoxTitle, question, QMessageBox::NoButton, parent);
        QPushButton *goOn = box.addButton(
            QCoreApplication::translate("marvola::Prompts", "Continue"), QMessageBox::AcceptRole);
        QPushButton *look = box.addButton(lookCaption, QMessageBox::ActionRole);
        QPushButton *stop = box.addButton(QMessageBox::Cancel);
        // Looking first is the safe default; Escape cancels.
        box.setDefaultButton(look);
        box.setEscapeButton(stop);
        box.exec();
        if (box.clickedButton() == goOn)
            return GoOn::Continue;
        return box.clickedButton() == look ? GoOn::Look : GoOn::Stop;
    }
    LeaveAnswer askToLeave(QWidget *parent, const QString &question) override
    {
        QMessageBox box(QMessageBox::Warning, BoxTitle, question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setObjectName(QStringLiteral("unsavedChangesBox"));
        // Each button says what it does, so no answer reads as another (a "Yes" that drops
        // the results).
        box.button(QMessageBox::Save)
            ->setText(QCoreApplication::translate("marvola::Prompts", "Save"));
        box.button(QMessageBox::Discard)
            ->setText(QCoreApplication::translate("marvola::Prompts", "Don't Save"));
        box.button(QMessageBox::Cancel)
            ->setText(QCoreApplication::translate("marvola::Prompts", "Cancel"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save: return LeaveAnswer::SaveFirst;
        case QMessageBox::Discard: return LeaveAnswer::Leave;
        default: return LeaveAnswer::Stay;
        }
    }
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        return runFileDialog(parent, request, false);
    }
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        return runFileDialog(parent, request, true);
    }
};

WindowPrompts windowPrompts;
Prompts *installed = nullptr;

} // namespace

Prompts &prompts()
{
    return installed ? *installed : windowPrompts;
}

void installPrompts(Prompts *replacement)
{
    installed = replacement;
}

} // namespace marvola
