// "Score cards": which cards to print (all, one relay's, one club's) and on which paper, then a
// preview, the printer or a PDF file.
#pragma once

#include "output/ScoreCards.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace marvola {

class ScoreCardsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScoreCardsDialog(const Kilpailu &kilpailu, QWidget *parent = nullptr);

    CardChoice choice() const;
    CardPaper paper() const;
    QList<ScoreCard> chosenCards() const;

    void preview();
    void print();
    // Asks for the file's name, then writes the chosen cards into it.
    void exportPdf();

private:
    QWidget *buildChoice();
    QWidget *buildPaper();
    void updateChoice();
    // A message instead of an empty print.
    bool haveCards(const QList<ScoreCard> &cards);

    const Kilpailu &m_kilpailu;
    QRadioButton *m_all = nullptr;
    QRadioButton *m_byRelay = nullptr;
    QRadioButton *m_byClub = nullptr;
    QComboBox *m_relays = nullptr;
    QComboBox *m_clubs = nullptr;
    QRadioButton *m_a4 = nullptr;
    QRadioButton *m_a6 = nullptr;
    QLabel *m_count = nullptr;
};

} // namespace marvola
