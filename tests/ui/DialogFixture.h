// The registration and result entry dialogs against a register in memory, with helpers that type
// and click as an official does.
#pragma once

#include "ScriptedPrompts.h"
#include "model/Registers.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/EditCompetitorDialog.h"
#include "ui/NewCompetitorDialog.h"
#include "ui/ResultEntryDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace marvola::testing {

class DialogTest : public ::testing::Test
{
protected:
    DialogTest()
    {
        entryDialog = new CompetitorEntryDialog(*session, *tulokset, &owner);
        newDialog = new NewCompetitorDialog(*session, *tulokset, &owner);
        resultEntry = new ResultEntryDialog(*session, *tulokset, &owner);
        editDialog = new EditCompetitorDialog(*session, *tulokset, &owner);
        connectCompetitorDialogs(entryDialog, newDialog, editDialog, resultEntry);
    }

    // A competitor as the new competitor dialog would add it; returns the slot.
    int add(const QString &nimi, const QString &seura = QStringLiteral("PSA"),
        const QString &maa = QStringLiteral("FIN"))
    {
        const int slot = kilpailu->addCompetitor(nimi, seura, maa).value();
        names << nimi;
        return slot;
    }
    TKilpailija &slot(int n) { return kilpailu->kilpailijat[n]; }
    // The name lists as the main window fills them after a load.
    void fillNameLists()
    {
        entryDialog->setCompetitorNames(names);
        resultEntry->setCompetitorNames(names);
    }
    static QStringList items(const QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }

    template<typename Widget> static Widget *child(const QWidget *window, const QString &name)
    {
        auto *found = window->findChild<Widget *>(name);
        EXPECT_NE(found, nullptr) << "no control " << name.toStdString();
        return found;
    }
    static void show(QWidget *window)
    {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // Key by key; letters beyond ASCII come as the keyboard's text, as Ä does on a Finnish one.
    static void typeText(QWidget *field, const QString &text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(field, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(
                    QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Types over the whole text of a field, as after Tab into it.
    static void typeInto(QWidget *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeText(field, text);
    }
    // Selects the text and deletes it in one keystroke.
    static void deleteText(QWidget *field)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
    }
    static void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Runs `inside` while the modal dialog that `open` starts is up.
    static void whileModal(const std::function<void()> &open, const std::function<void()> &inside)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            inside();
        });
        open();
        EXPECT_TRUE(ran) << "no modal dialog ran";
    }

    // Walks the Tab chain from the focused control and names each control it visits.
    static QStringList tabStops(QWidget *start, int count)
    {
        QStringList names;
        start->setFocus();
        for (int i = 0; i < count; ++i) {
            QWidget *focused = QApplication::focusWidget();
            if (!focused)
                break;
            QTest::keyClick(focused, Qt::Key_Tab);
            focused = QApplication::focusWidget();
            // An editable list's text field stands for the list.
            if (focused && qobject_cast<QComboBox *>(focused->parentWidget()))
                focused = focused->parentWidget();
            names << (focused ? focused->objectName() : QString());
        }
        return names;
    }

    // Saves the window as a PNG when MARVOLA_DIALOG_SNAPSHOTS names a folder.
    static void snapshot(QWidget *window, const QString &name)
    {
        const QString folder = qEnvironmentVariable("MARVOLA_DIALOG_SNAPSHOTS");
        if (folder.isEmpty())
            return;
        QApplication::processEvents();
        QDir().mkpath(folder);
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    ScriptedPrompts prompts;
    std::unique_ptr<Kilpailu> kilpailu = std::make_unique<Kilpailu>();
    std::unique_ptr<Tulokset> tulokset = std::make_unique<Tulokset>();
    std::unique_ptr<MatchSession> session = std::make_unique<MatchSession>(*kilpailu);
    QWidget owner;
    CompetitorEntryDialog *entryDialog = nullptr;
    NewCompetitorDialog *newDialog = nullptr;
    ResultEntryDialog *resultEntry = nullptr;
    EditCompetitorDialog *editDialog = nullptr;
    QStringList names;
};

} // namespace marvola::testing
