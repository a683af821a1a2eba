// The relays of the match: the plan (relays, their disciplines, times and firing points), the
// draw, the places by hand, and the score cards not yet returned.
#pragma once

#include "relays/RelayDraw.h"

#include <QDialog>
#include <QTime>
#include <QTimer>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QTreeWidget;

namespace marvola {

class MatchSession;
class RelayDrawDialog;
class RelayPlacesView;

class RelaysWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RelaysWindow(MatchSession &session, QWidget *parent = nullptr);

    // Fills every part from the match as it is now.
    void refresh();
    // The time of day the cards not returned are counted at (the clock, unless a test sets one).
    void setClock(std::function<QTime()> clock) { m_clock = std::move(clock); }
    // The draw being tried, while its dialog is open.
    RelayDrawDialog *trialDraw() const { return m_draw; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildPlanPart();
    QWidget *buildPlacesPart();
    QWidget *buildMissingCardsPart();

    // Changes arrive together (a draw, results typed key by key): one refresh for them.
    void refreshSoon();
    void fillPlan();
    void fillMoveTargets();
    void fillMissingCards();
    void armCardsTimer();

    // Each change is one edit of the office and one undo step.
    void editRelays(const std::function<void(Kilpailu &)> &change);
    void commitPlanRow(int row);
    void addRelay();
    void removeRelay();
    void readPlan();

    void openDraw();
    void applyDraw();
    void followCurrentPlace();
    void moveEntry();
    void swapPlaces();
    void toggleLock();
    void showStatus(const QString &text);

    MatchSession &m_session;
    const Kilpailu &m_match;
    std::function<QTime()> m_clock = [] { return QTime::currentTime(); };
    bool m_refreshQueued = false;
    bool m_filling = false;

    QTabWidget *m_tabs = nullptr;
    QTableWidget *m_planTable = nullptr;
    RelayPlacesView *m_places = nullptr;
    QLabel *m_placesSummary = nullptr;
    QLabel *m_status = nullptr;
    QComboBox *m_moveRelay = nullptr;
    QSpinBox *m_movePoint = nullptr;
    QPushButton *m_lockButton = nullptr;
    QLabel *m_cardsSummary = nullptr;
    QTreeWidget *m_cards = nullptr;
    QTimer m_cardsTimer; // once, at the end of the next relay
    RelayDrawDialog *m_draw = nullptr;
};

} // namespace marvola
