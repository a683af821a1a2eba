// The result entry dialog: hits, totals and shoot-off entries per discipline.
#pragma once

#include "model/Disciplines.h"
#include "model/Plausibility.h"
#include "model/Records.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marvola {

struct Kilpailu;
struct Tulokset;
class MatchSession;

// A hit or total text read as a 32-bit integer: leading blanks, a sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Any other text, the empty one and
// trailing blanks included, is not a number.
std::optional<std::int32_t> textToInt(const QString &text);

class ResultEntryDialog : public QDialog
{
    Q_OBJECT

public:
    ResultEntryDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent = nullptr);

    // Replaces the competitor name lists (fillCompetitorNameLists).
    void setCompetitorNames(const QStringList &names);
    // The competitor name list, kept in step by the new and edit competitor dialogs.
    QComboBox *nameList() const { return m_nameList; }
    // The slot shown and written to, 1 to 500.
    int shownSlot() const { return m_shownSlot; }

    // Shows the lowest slot that has a number.
    void showFirstNumbered();
    // Shows the competitor whose name, or else whose number, the list's text is.
    void showNamedCompetitor();
    // Shows the competitor of the slot, as picking the name would, with the cursor in the first
    // field of discipline d that breaks a plausibility rule, else in its first hit field.
    void showCompetitor(int slot, Laji d);
    // A score card's barcode typed by a scanner, "123/BBPR" and Enter: shows competitor 123 with
    // the cursor in the first hit field of BBPR. An unknown number or discipline, or one the
    // competitor does not shoot, is told in a message and nothing is shown anew.
    void enterScannedCard(const QString &text);
    // Shows the competitor of the slot with the cursor in the first empty shoot-off field of
    // discipline d (the next round), f1 when all are filled.
    void showShootOff(int slot, Laji d);
    // Shows slot TulosPaikka in every field; stores nothing.
    void showResults();
    // A typed hit field: stores the hit (an empty field is 0) and the sum of the hits as total.
    void storeHit(int d, Target target);
    // A typed total field: stores the total as typed.
    void storeTotal(int d);
    // A typed shoot-off field; k is 0 for f1.
    void storeFinal(int d, int k);
    // A row's "Clear Finals": empties its shoot-off fields and entries.
    void clearFinals(int d);
    void closeAndRefresh();
    // Every way of leaving: the standing small bore pistol "p" rule, then the refresh.
    void done(int result) override;

signals:
    // The main window should rebuild its rankings and lists.
    void updateRequested();
    // A value in the register changed.
    void resultStored();

protected:
    void showEvent(QShowEvent *event) override;
    // Ctrl+Z and Ctrl+Shift+Z undo and redo the official's result entries, before a field's own
    // undo of its text.
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    QHBoxLayout *buildNameRow();
    QGridLayout *buildGrid();
    QHBoxLayout *buildExitRow();
    int buildBlock(Group g, QGridLayout *grid, int line);
    void buildRow(int d, QGridLayout *grid, int line);
    int slotOfTypedText(const QString &typed) const;
    // Shows the slot as picking its name would.
    void showSlot(int slot);
    std::int32_t number(const QLineEdit *field);
    // The one place a result goes into the register: an edit of the session, part of the
    // field's undo step.
    void storeEntry(int d, const QString &field, const std::function<void(TKilpailija &)> &write);
    void storeFinalValue(int d, int k, const QString &entry);
    void closeStepOnCommit(QLineEdit *field);
    void watchHistoryKeys();
    // A card scanned with the cursor in a hit field: gives the field back what it held before
    // the scanner's digits and takes the card in the competitor field. True when it took the key.
    bool catchCardInHitField(QObject *watched, QEvent *event);
    // Undoes (or redoes) the last result entry and shows it.
    void undoEntry(bool redo);
    void moveToNextField(const QLineEdit *from);
    void moveToFirstField();
    static QLineEdit *inputOf(const Row &row, ResultField field);
    void fillRow(const Row &row);
    // Tints the fields of the shown result that break a plausibility rule, with the rule as tip.
    void markImplausible(const Row &row);
    void enableRow(const Row &row, bool enabled);
    const TKilpailija &shown() const;

    MatchSession &m_session;
    const Kilpailu &m_kilpailu;
    Tulokset &m_tulokset;
    int m_shownSlot = 1;
    // Set while showResults fills the fields: their handlers then store nothing.
    bool m_filling = false;

    QComboBox *m_nameList = nullptr;
    QLabel *m_kilpNumeroLabel = nullptr;
    QLineEdit *m_kilpNumero = nullptr;
    QLabel *m_shownName = nullptr;
    QPushButton *m_exitButton = nullptr;
    std::array<Row, LajiCount> m_rows{};
    std::vector<int> m_screenOrder; // the disciplines top to bottom
    // The digits typed into a hit field at a scanner's pace, and what the field held before.
    struct KeyBurst
    {
        const QLineEdit *field = nullptr;
        QString textBefore;
        QString digits;
        QElapsedTimer lastKey;
    };
    KeyBurst m_burst;
};

} // namespace marvola
