// Test answers for the program's modal questions: records what was asked, answers from a script.
#pragma once

#include "ui/Prompts.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

namespace marvola::testing {

inline const QString UnsavedChangesQuestion
    = QStringLiteral("The match has unsaved changes. Save them before closing?");

// Installed for its lifetime. A question or file dialog without a scripted answer fails the test
// and is answered No / cancelled. An information or error box fails the test unless the test
// declared it, so a message nobody expected never passes unseen; declared boxes are recorded
// for the test to check.
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
    QList<GoOn> goOnAnswers;
    // Answers to the question before the match with unsaved changes is closed or replaced.
    QList<LeaveAnswer> leaveAnswers;
    QStringList fileAnswers; // an empty text cancels the dialog

    // An information box with this text may come, any number of times.
    void expectInformation(const QString &text) { m_expectedInformations << text; }
    // An error box with this text may come, any number of times.
    void expectError(const QString &text) { m_expectedErrors << text; }
    // Error boxes whose text the test checks itself (a system's or a server's own message).
    void expectAnyError() { m_anyError = true; }

    void information(QWidget *, const QString &text) override
    {
        informations << text;
        if (!m_expectedInformations.contains(text))
            ADD_FAILURE() << "unexpected information box: " << text.toStdString();
    }
    void error(QWidget *, const QString &text) override
    {
        errors << text;
        if (!m_anyError && !m_expectedErrors.contains(text))
            ADD_FAILURE() << "unexpected error box: " << text.toStdString();
    }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        if (confirmAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return false;
        }
        return confirmAnswers.takeFirst();
    }
    GoOn askToContinue(QWidget *, const QString &question, const QString &) override
    {
        questions << question;
        if (goOnAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return GoOn::Stop;
        }
        return goOnAnswers.takeFirst();
    }
    LeaveAnswer askToLeave(QWidget *, const QString &question) override
    {
        questions << question;
        if (leaveAnswers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return LeaveAnswer::Stay;
        }
        return leaveAnswers.takeFirst();
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

    QStringList m_expectedInformations;
    QStringList m_expectedErrors;
    bool m_anyError = false;
};

} // namespace marvola::testing
