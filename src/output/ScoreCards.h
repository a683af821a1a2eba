// The score cards: one per entered discipline of each competitor, for the scorer at the firing
// point to mark every shot on, with a barcode the office scans when the card comes back.
#pragma once

#include "model/Registers.h"
#include "output/ReportRender.h"

#include <QByteArray>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>

class QPagedPaintDevice;

namespace marvola {

// Four cards on an A4 sheet, cut apart along the marked lines, or one card on an A6 sheet.
enum class CardPaper { A4FourUp, A6 };
QPageSize cardPageSize(CardPaper paper);

// Which cards to print: every card, those of one relay, or those of one club's competitors.
struct CardChoice
{
    enum class By { All, Relay, Club };
    By by = By::All;
    int relay = 0; // the relay's number, with By::Relay
    QString club; // Seura as the competitors have it, with By::Club
};

struct ScoreCard
{
    std::int32_t numero = 0;
    QString name;
    QString club;
    QString classCode; // Luokka of the discipline
    int d = 0;
    // Where and when the entry shoots; 0, 0 and empty when it has no place in the plan's relays.
    int relay = 0;
    int point = 0;
    QString start;
    int shotsPerAnimal = 10;

    bool isPlaced() const { return relay != 0; }
    // The barcode's text, "123/BBPR": what the scanner types into the result entry.
    QString barcodeText() const;
};

// The chosen cards: the placed ones by relay number and point, then those without a place by
// number. A place in a relay the plan does not have counts as none.
QList<ScoreCard> scoreCards(const Kilpailu &match, const CardChoice &choice);
// The clubs of the competitors who have at least one card, sorted, for choosing by club.
QStringList cardClubs(const Kilpailu &match);
// The line over every card: the match's place and dates.
QString cardHeading(const TKilpailunTiedot &tiedot);

// Paints the cards, a page per four (A4) or per card (A6); the device's page should be the
// paper's. On failure the error holds the message to show.
bool paintScoreCards(const QList<ScoreCard> &cards, CardPaper paper, const QString &heading,
    QPagedPaintDevice &device, QString &error);
// The same as a PDF file's bytes; no cards is an error.
ReportFileResult renderScoreCardsPdf(
    const QList<ScoreCard> &cards, CardPaper paper, const QString &heading, QByteArray *pdf);

} // namespace marvola
