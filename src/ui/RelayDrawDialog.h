// The trial draw: the places a draw would give, the entries it could not place and why, and the
// hard rules the places would still break, shown before anything is applied.
#pragma once

#include "relays/RelayDraw.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace marvola {

class RelayPlacesView;

class RelayDrawDialog : public QDialog
{
    Q_OBJECT

public:
    // Draws at once with a new random seed; nothing of the match changes here.
    RelayDrawDialog(const Kilpailu &match, QWidget *parent = nullptr);

    std::uint64_t seed() const { return m_seed; }
    // Draws again with this seed, as the seed field does.
    void drawWith(std::uint64_t seed);
    // The trial to apply when the dialog is accepted.
    const DrawResult &trial() const { return m_trial; }

private:
    void drawTypedSeed();
    void showTrial();

    const Kilpailu &m_match;
    std::uint64_t m_seed = 0;
    DrawResult m_trial;
    QLineEdit *m_seedEdit = nullptr;
    QLabel *m_summary = nullptr;
    RelayPlacesView *m_places = nullptr;
    QTreeWidget *m_problems = nullptr;
};

} // namespace marvola
