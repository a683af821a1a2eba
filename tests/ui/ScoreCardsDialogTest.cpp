// "Score cards": the cards chosen by relay, by club or all, on A4 or A6, from the keyboard, and
// written to a PDF file.
#include "ui/ScoreCardsDialog.h"

#include "ScriptedPrompts.h"
#include "model/Registers.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace marvola;
using marvola::testing::ScriptedPrompts;

namespace {

class ScoreCardsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Three shooters of two clubs in BBPR; relay 1 holds two of them, Oulu's has no place.
        for (const auto &[name, club] : {std::pair{"Aalto Matti", "Kaarina"},
                 std::pair{"Berg Anna", "Porvoo"}, std::pair{"Nieminen Timo", "Oulu"}}) {
            const int slot = *match.addCompetitor(
                QLatin1String(name), QLatin1String(club), QStringLiteral("FIN"));
            match.kilpailijat[slot].Osallistuu[BBPR] = true;
        }
        match.kilpailijat[1].Osallistuu[BBPC] = true;
        match.relayPlan.relays = {{1, {BBPR}, 8 * 60, 45, 4}, {2, {BBPC}, 9 * 60, 45, 4}};
        match.assignments
            = {{{1, BBPR}, {1, 2, false}}, {{2, BBPR}, {1, 1, false}}, {{1, BBPC}, {2, 1, false}}};
    }

    // An access key, typed where the cursor is.
    static void alt(Qt::Key key)
    {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, Qt::AltModifier);
    }

    static int pageCount(const QByteArray &pdf)
    {
        return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "));
    }

    static QStringList texts(const QList<ScoreCard> &cards)
    {
        QStringList result;
        for (const ScoreCard &card : cards)
            result << card.barcodeText();
        return result;
    }

    Kilpailu match;
    ScriptedPrompts prompts;
    QTemporaryDir m_dir;
};

TEST_F(ScoreCardsDialogTest, KeyboardChoosesTheCardsAndThePaperOfThePdf)
{
    ScoreCardsDialog dialog(match);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *count = dialog.findChild<QLabel *>(QStringLiteral("cardCount"));
    EXPECT_EQ(count->text(), QStringLiteral("4 card(s)"));

    // An access key clicks its button after the button's short press animation.
    alt(Qt::Key_R);
    QTRY_VERIFY(dialog.findChild<QRadioButton *>(QStringLiteral("cardsByRelay"))->isChecked());
    EXPECT_EQ(texts(dialog.chosenCards()), QStringList({"2/BBPR", "1/BBPR"}));
    auto *relays = dialog.findChild<QComboBox *>(QStringLiteral("cardRelays"));
    relays->setFocus();
    QTest::keyClick(relays, Qt::Key_Down);
    EXPECT_EQ(texts(dialog.chosenCards()), QStringList({"1/BBPC"}));

    alt(Qt::Key_L);
    auto *clubs = dialog.findChild<QComboBox *>(QStringLiteral("cardClubs"));
    QTRY_VERIFY(clubs->isEnabled());
    EXPECT_FALSE(relays->isEnabled());
    clubs->setFocus();
    QTest::keyClick(clubs, Qt::Key_End); // Kaarina, Oulu, Porvoo
    EXPECT_EQ(texts(dialog.chosenCards()), QStringList({"2/BBPR"}));
    alt(Qt::Key_A);
    QTRY_COMPARE(count->text(), QStringLiteral("4 card(s)"));

    // Four cards: one A4 sheet, or four A6 ones.
    for (const auto &[key, pages] : {std::pair{Qt::Key_4, 1}, std::pair{Qt::Key_6, 4}}) {
        alt(key);
        QTRY_VERIFY(dialog.paper() == (pages == 1 ? CardPaper::A4FourUp : CardPaper::A6));
        const QString name = m_dir.filePath(QStringLiteral("cards%1.pdf").arg(pages));
        prompts.fileAnswers << name;
        alt(Qt::Key_D);
        QTRY_VERIFY(QFile::exists(name));
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(pageCount(file.readAll()), pages);
    }
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(ScoreCardsDialogTest, PreviewShowsTheChosenCardsOnTheirPaper)
{
    ScoreCardsDialog dialog(match);
    dialog.findChild<QRadioButton *>(QStringLiteral("paperA6"))->setChecked(true);
    int pages = 0;
    QPageSize paper;
    // The preview opens modally: a poll finds it there.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview)
            return;
        poll.stop();
        auto *widget = preview->findChild<QPrintPreviewWidget *>();
        widget->updatePreview();
        pages = widget->pageCount();
        if (auto *printer = preview->printer())
            paper = printer->pageLayout().pageSize();
        preview->reject();
    });
    poll.start();
    dialog.preview();
    EXPECT_FALSE(poll.isActive()) << "no preview opened";
    poll.stop();
    EXPECT_EQ(pages, 4);
    EXPECT_EQ(paper.id(), QPageSize::A6);
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(QLatin1Char('|')).toStdString();
}

TEST_F(ScoreCardsDialogTest, NoPlanNoCardsNoFile)
{
    match.relayPlan.relays.clear();
    for (int slot = 1; slot <= 3; ++slot)
        match.kilpailijat[slot].Osallistuu.fill(false);
    ScoreCardsDialog dialog(match);
    EXPECT_FALSE(dialog.findChild<QRadioButton *>(QStringLiteral("cardsByRelay"))->isEnabled());
    prompts.expectInformation(QStringLiteral("There are no score cards to print."));
    dialog.exportPdf();
    EXPECT_EQ(prompts.informations.size(), 1);
    EXPECT_TRUE(prompts.fileDialogs.isEmpty()) << "no file is asked for";
}

} // namespace
