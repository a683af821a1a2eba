// Test answers for the program's modal questions: records what was asked, answers from a script.
#pragma once

#include "ui/Prompts.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

namespace marvola::testing {

// Installed for its lifetime. A question or file dialog without a scripted answer fails the test
// and is answered No / cancelled.
class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts() { installPrompts(this); }
    ~ScriptedPrompts() override { installPrompts(nullptr); }

    QStringList informations;
    QStringList errors;
    QStringList questions;
    QList<FileDialogRequest> fileDialogs;

    QList<bool> confirmAnswers;
    QStringList fileAnswers; // an empty text cancels the dialog

    void information(QWidget *, const QString &text) override { informations << text; }
    void error(QWidget *, const QString &text) override { errors << text; }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        if (confirmAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return false;
        }
        return confirmAnswers.takeFirst();
    }
    QString openFileName(QWidget *, const FileDialogRequest &request) override
    {
        return answerFile(request);
    }
    QString saveFileName(QWidget *, const FileDialogRequest &request) override
    {
        return answerFile(request);
    }

private:
    QString answerFile(const FileDialogRequest &request)
    {
        fileDialogs << request;
        if (fileAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
            return {};
        }
        return fileAnswers.takeFirst();
    }
};

} // namespace marvola::testing
