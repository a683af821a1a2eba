// The result entry dialog: hits, totals and shoot-off entries per discipline.
#pragma once

#include "model/Disciplines.h"
#include "model/Records.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marvola {

struct Kilpailu;
struct Tulokset;

// A hit or total text read as a 32-bit integer: leading blanks, a sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Any other text, the empty one and
// trailing blanks included, is not a number.
std::optional<std::int32_t> textToInt(const QString &text);

class TTulostenLisays : public QDialog
{
    Q_OBJECT

public:
    TTulostenLisays(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent = nullptr);

    // Replaces the competitor name lists (TaytakilpailijaCombo1).
    void setCompetitorNames(const QStringList &names);
    // TulostenLisaysComboBox1, kept in step by the new and edit competitor dialogs.
    QComboBox *nameList() const { return m_comboBox; }
    // The slot shown and written to (TulosPaikka), 1 to 500.
    int tulosPaikka() const { return m_tulosPaikka; }

    // Shows the lowest slot that has a number.
    void FormShow();
    void TulostenLisaysComboBox1Change();
    // Shows slot TulosPaikka in every field.
    void NaytaTulokset();
    // BBPRKanaChange and its 63 kin: stores the hit and follows the total.
    void TargetChange(int d, Target target);
    // BBPRf1Change and its 79 kin; k is 0 for f1.
    void FinalChange(int d, int k);
    // ClearFinalsBBPRClick and its 15 kin (ClarFinalsBBPSClick for BBPS).
    void ClearFinalsClick(int d);
    void ExitClick();

signals:
    // The main window's refresh (UpdateClick) is wanted.
    void updateRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Row
    {
        int d = 0;
        std::array<QLineEdit *, 4> hits{}; // by Target
        QLineEdit *yhteensa = nullptr;
        std::array<QLineEdit *, FinaaliCount> f{};
        QPushButton *clearFinals = nullptr;
    };

    void buildControls();
    int buildBlock(Group g, QGridLayout *grid, int line);
    void buildRow(int d, QGridLayout *grid, int line);
    // The field's number; nothing, after the conversion error has been shown, when it has none.
    std::optional<std::int32_t> number(const QLineEdit *field);
    void fillRow(const Row &row);
    void enableRow(const Row &row, bool enabled);
    TKilpailija &shown();

    Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    int m_tulosPaikka = 1;
    // Set while NaytaTulokset fills the fields: their handlers then store nothing.
    bool m_filling = false;

    QComboBox *m_comboBox = nullptr;
    QLabel *m_kilpNumeroLabel = nullptr;
    QLineEdit *m_kilpNumero = nullptr;
    QLabel *m_label2 = nullptr;
    QPushButton *m_exit = nullptr;
    std::array<Row, LajiCount> m_rows{};
};

} // namespace marvola
