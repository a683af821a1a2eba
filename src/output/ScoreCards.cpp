#include "output/ScoreCards.h"

#include "model/Disciplines.h"
#include "output/Barcode.h"
#include "output/ReportEngine.h"

#include <QBuffer>
#include <QCollator>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace marvola {

namespace {

constexpr int PdfResolution = 1200;

// A card is an A6 sheet, and four of them make an A4 one.
constexpr double CardWidth = 105;
constexpr double CardHeight = 148;
constexpr double Margin = 6;
constexpr double Inner = CardWidth - 2 * Margin;

// The shot boxes: the targets stand in banks of five, ten boxes to a line.
constexpr int BankSize = 5;
constexpr int BoxesPerLine = 10;
constexpr double BoxHeight = 6;
constexpr double BankGap = 1.5;
constexpr double AnimalLabelWidth = 18;
constexpr double CountBoxWidth = 13;

// The barcode: bars no thinner than a scanner reads at arm's length, quiet zones of ten bars.
constexpr double MaxModule = 0.5;
constexpr double QuietModules = 10;
constexpr double BarHeight = 10;

QString tr(const char *text)
{
    // The context lupdate gives a tr() of this namespace, so the texts are found.
    return QCoreApplication::translate("marvola", text);
}

int shotsPerAnimal(const TKilpailunTiedot &tiedot, int d)
{
    const std::int32_t shots = tiedot.shotCount(discipline(d).group);
    // A match whose shot counts were never set is shot with 40, as the match information shows.
    const bool standard = shots == 40 || shots == 60 || shots == 80;
    return (standard ? shots : 40) / 4;
}

bool chosen(const CardChoice &choice, const TKilpailija &k, const ScoreCard &card)
{
    switch (choice.by) {
    case CardChoice::By::All: return true;
    case CardChoice::By::Relay: return card.isPlaced() && card.relay == choice.relay;
    case CardChoice::By::Club: return k.Seura.text() == choice.club;
    }
    return false;
}

ScoreCard cardOf(const Kilpailu &match, const TKilpailija &k, int d)
{
    ScoreCard card;
    card.numero = k.Numero;
    card.name = k.Nimi.text();
    card.club = k.Seura.text();
    card.classCode = k.Luokka[d].text();
    card.d = d;
    card.shotsPerAnimal = shotsPerAnimal(match.tiedot, d);
    const auto seat = match.assignments.find(EntryKey{k.Numero, d});
    if (seat != match.assignments.end()) {
        if (const Relay *relay = match.relayPlan.relay(seat->second.relay)) {
            card.relay = relay->number;
            card.point = seat->second.point;
            card.start = relay->startText();
        }
    }
    return card;
}

auto cardOrder(const ScoreCard &card)
{
    // The unplaced come after every relay.
    return std::make_tuple(!card.isPlaced(), card.relay, card.point, card.numero, card.d);
}

// Millimetres on the card to the device's pixels, from the card's corner on the sheet.
class CardPainter
{
public:
    CardPainter(QPainter &painter, QPagedPaintDevice &device)
        : m_painter(painter)
        , m_device(device)
        , m_scale(device.logicalDpiX() / 25.4)
        , m_origin(device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft())
    { }

    void setCorner(QPointF corner) { m_corner = corner; }
    QPointF at(double x, double y) const { return (QPointF(x, y) + m_corner - m_origin) * m_scale; }
    QRectF rect(double x, double y, double w, double h) const
    {
        return {at(x, y), QSizeF(w, h) * m_scale};
    }

    void setFont(double points, bool bold)
    {
        m_painter.setFont(toQFont(ReportFont{QStringLiteral("Arial"), points, bold}));
    }
    double width(const QString &text) const
    {
        return QFontMetricsF(m_painter.font(), &m_device).horizontalAdvance(text) / m_scale;
    }
    QString elided(const QString &text, double width) const
    {
        return QFontMetricsF(m_painter.font(), &m_device)
            .elidedText(text, Qt::ElideRight, width * m_scale);
    }

    // Texts by their baseline: at x, ending at x (right) or centred on x.
    void text(double x, double y, const QString &text) { m_painter.drawText(at(x, y), text); }
    void textRight(double x, double y, const QString &text)
    {
        this->text(x - width(text), y, text);
    }
    void textCentred(double x, double y, const QString &text)
    {
        this->text(x - width(text) / 2, y, text);
    }

    void box(double x, double y, double w, double h) { m_painter.drawRect(rect(x, y, w, h)); }
    void line(double x1, double y1, double x2, double y2)
    {
        m_painter.drawLine(at(x1, y1), at(x2, y2));
    }
    void fill(double x, double y, double w, double h)
    {
        m_painter.fillRect(rect(x, y, w, h), Qt::black);
    }
    void setPen(double widthMm, Qt::PenStyle style = Qt::SolidLine)
    {
        QPen pen(Qt::black, widthMm * m_scale, style);
        m_painter.setPen(pen);
    }

private:
    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    double m_scale;
    QPointF m_origin;
    QPointF m_corner;
};

// Number, name, club and class on the left; the discipline on the right. Returns the y below.
double paintIdentity(CardPainter &p, const ScoreCard &card, const QString &heading, double y)
{
    p.setFont(7, false);
    p.text(Margin, y + 2.5, p.elided(heading, Inner));
    y += 4;
    const QString code = disciplineCode(card.d);
    p.setFont(18, true);
    p.text(Margin, y + 7, QString::number(card.numero));
    p.textRight(Margin + Inner, y + 7, code);
    const double codeWidth = p.width(code);
    p.setFont(7, false);
    const QString title = QCoreApplication::translate("Disciplines", discipline(card.d).title);
    p.textRight(Margin + Inner, y + 11, p.elided(title, Inner / 2));
    p.setFont(11, true);
    p.text(Margin + 24, y + 7, p.elided(card.name, Inner - 26 - codeWidth));
    p.setFont(9, false);
    p.text(Margin + 24, y + 12, p.elided(tr("Club: %1").arg(card.club), Inner / 2 - 8));
    p.text(Margin + 24, y + 16.5, tr("Class: %1").arg(classCaption(card.classCode)));
    return y + 19;
}

// Three labelled boxes: relay, point and start, empty when the entry has no place yet.
double paintPlace(CardPainter &p, const ScoreCard &card, double y)
{
    const QString captions[] = {tr("Relay"), tr("Point"), tr("Start")};
    const QString values[] = {card.isPlaced() ? QString::number(card.relay) : QString(),
        card.isPlaced() ? QString::number(card.point) : QString(), card.start};
    const double w = Inner / 3;
    for (int i = 0; i < 3; ++i) {
        const double x = Margin + i * w;
        p.setPen(0.25);
        p.box(x, y, w, 9);
        p.setFont(6.5, false);
        p.text(x + 1, y + 2.6, captions[i]);
        p.setFont(13, true);
        p.textCentred(x + w / 2, y + 7.8, values[i]);
    }
    return y + 12;
}

double paintBarcode(CardPainter &p, const ScoreCard &card, double y, QString &error)
{
    const QString text = card.barcodeText();
    const std::optional<BarcodeBars> bars = code128Bars(text, error);
    if (!bars)
        return -1;
    const double module = std::min(MaxModule, Inner / (bars->modules + 2 * QuietModules));
    const double left = Margin + (Inner - bars->modules * module) / 2;
    for (const BarcodeBar &bar : bars->bars)
        p.fill(left + bar.x * module, y, bar.width * module, BarHeight);
    p.setFont(9, false);
    p.textCentred(Margin + Inner / 2, y + BarHeight + 3.8, text);
    return y + BarHeight + 6;
}

// Each animal's bank: a box per shot in the order the discipline shoots them, and a box for
// the animal's count at the right.
double paintBanks(CardPainter &p, const ScoreCard &card, double y)
{
    const double boxesLeft = Margin + AnimalLabelWidth;
    const double boxesWidth = Inner - AnimalLabelWidth - CountBoxWidth - 3;
    const double boxWidth = (boxesWidth - (BoxesPerLine / BankSize - 1) * BankGap) / BoxesPerLine;
    const double countLeft = Margin + Inner - CountBoxWidth;
    p.setFont(6.5, false);
    p.textCentred(countLeft + CountBoxWidth / 2, y + 2.5, tr("Hits"));
    for (int shot = 0; shot < BoxesPerLine; ++shot) {
        const double x = boxesLeft + shot * boxWidth + (shot / BankSize) * BankGap;
        p.textCentred(x + boxWidth / 2, y + 2.5, QString::number(shot + 1));
    }
    y += 3.5;
    const int lines = (card.shotsPerAnimal + BoxesPerLine - 1) / BoxesPerLine;
    for (const TargetInfo &target : Targets) {
        p.setFont(9, true);
        p.text(Margin, y + 4.3, QCoreApplication::translate("Disciplines", target.caption));
        p.setPen(0.25);
        for (int shot = 0; shot < card.shotsPerAnimal; ++shot) {
            const int column = shot % BoxesPerLine;
            const double x = boxesLeft + column * boxWidth + (column / BankSize) * BankGap;
            p.box(x, y + (shot / BoxesPerLine) * BoxHeight, boxWidth, BoxHeight);
        }
        p.setPen(0.5);
        p.box(countLeft, y, CountBoxWidth, lines * BoxHeight);
        y += lines * BoxHeight + 2;
    }
    return y;
}

// The total under the counts, and the shoot-off entries f1 to f5.
void paintTotals(CardPainter &p, double y)
{
    const double countLeft = Margin + Inner - CountBoxWidth;
    p.setFont(9, true);
    p.textRight(countLeft - 2, y + 5.3, tr("Total"));
    p.setPen(0.6);
    p.box(countLeft, y, CountBoxWidth, 8);
    p.setFont(9, true);
    p.text(Margin, y + 5.3, tr("Shoot-off"));
    const double fLeft = Margin + AnimalLabelWidth;
    constexpr double FWidth = 6.5;
    for (int k = 0; k < FinaaliCount; ++k) {
        const double x = fLeft + k * (FWidth + 1);
        p.setFont(5.5, false);
        p.text(x + 0.5, y + 2.2, QStringLiteral("f%1").arg(k + 1));
        p.setPen(0.25);
        p.box(x, y, FWidth, 8);
    }
}

void paintSignatures(CardPainter &p)
{
    const double y = CardHeight - Margin - 4;
    const double w = Inner / 2 - 3;
    const QString captions[] = {tr("Competitor's signature"), tr("Scorer's signature")};
    for (int i = 0; i < 2; ++i) {
        const double x = Margin + i * (w + 6);
        p.setPen(0.25);
        p.line(x, y, x + w, y);
        p.setFont(6.5, false);
        p.text(x, y + 3, captions[i]);
    }
}

bool paintCard(CardPainter &p, const ScoreCard &card, const QString &heading, QString &error)
{
    double y = Margin;
    y = paintIdentity(p, card, heading, y);
    y = paintPlace(p, card, y);
    y = paintBarcode(p, card, y, error);
    if (y < 0)
        return false;
    y = paintBanks(p, card, y);
    paintTotals(p, y);
    paintSignatures(p);
    return true;
}

// Dashed lines between the four cards of an A4 sheet, edge to edge.
void paintCutLines(CardPainter &p)
{
    p.setCorner({});
    p.setPen(0.2, Qt::DashLine);
    p.line(CardWidth, 0, CardWidth, 2 * CardHeight + 1);
    p.line(0, CardHeight + 0.5, 2 * CardWidth, CardHeight + 0.5);
}

} // namespace

QPageSize cardPageSize(CardPaper paper)
{
    return QPageSize(paper == CardPaper::A6 ? QPageSize::A6 : QPageSize::A4);
}

QString ScoreCard::barcodeText() const
{
    return QStringLiteral("%1/%2").arg(numero).arg(disciplineCode(d));
}

QList<ScoreCard> scoreCards(const Kilpailu &match, const CardChoice &choice)
{
    QList<ScoreCard> cards;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        const TKilpailija &k = match.kilpailijat[slot];
        if (k.Nimi.isEmpty())
            continue;
        for (int d = 0; d < LajiCount; ++d) {
            if (!k.Osallistuu[d])
                continue;
            ScoreCard card = cardOf(match, k, d);
            if (chosen(choice, k, card))
                cards.append(std::move(card));
        }
    }
    std::stable_sort(cards.begin(), cards.end(),
        [](const ScoreCard &a, const ScoreCard &b) { return cardOrder(a) < cardOrder(b); });
    return cards;
}

QStringList cardClubs(const Kilpailu &match)
{
    QSet<QString> clubs;
    for (const ScoreCard &card : scoreCards(match, {}))
        clubs.insert(card.club);
    QStringList sorted(clubs.begin(), clubs.end());
    QCollator collator;
    std::sort(sorted.begin(), sorted.end(),
        [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return sorted;
}

QString cardHeading(const TKilpailunTiedot &tiedot)
{
    const QString format = QStringLiteral("d.M.yyyy");
    QString dates = tiedot.Alkupvm.toString(format);
    if (tiedot.LoppuPvm.isValid() && tiedot.LoppuPvm != tiedot.Alkupvm)
        dates += QStringLiteral(" - ") + tiedot.LoppuPvm.toString(format);
    QStringList parts;
    for (const QString &part : {tiedot.Seura, tiedot.Paikka, dates})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral("  "));
}

bool paintScoreCards(const QList<ScoreCard> &cards, CardPaper paper, const QString &heading,
    QPagedPaintDevice &device, QString &error)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        error = QCoreApplication::translate(
            "ReportRender", "The report could not be sent to its destination.");
        return false;
    }
    CardPainter p(painter, device);
    const int perPage = paper == CardPaper::A6 ? 1 : 4;
    for (int i = 0; i < cards.size(); ++i) {
        const int place = i % perPage;
        if (place == 0) {
            if (i > 0 && !device.newPage()) {
                error = QCoreApplication::translate(
                    "ReportRender", "The report could not be sent to its destination.");
                return false;
            }
            if (paper == CardPaper::A4FourUp)
                paintCutLines(p);
        }
        p.setCorner(QPointF((place % 2) * CardWidth, (place / 2) * (CardHeight + 1)));
        if (!paintCard(p, cards.at(i), heading, error))
            return false;
    }
    return painter.end();
}

ReportFileResult renderScoreCardsPdf(
    const QList<ScoreCard> &cards, CardPaper paper, const QString &heading, QByteArray *pdf)
{
    ReportFileResult result;
    if (cards.isEmpty()) {
        result.error = tr("There are no score cards to print.");
        return result;
    }
    QBuffer buffer(pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(cardPageSize(paper), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(PdfResolution);
    writer.setTitle(tr("Score cards"));
    writer.setCreator(QStringLiteral("Marvola"));
    result.ok = paintScoreCards(cards, paper, heading, writer, result.error);
    result.pageCount = paper == CardPaper::A6 ? static_cast<int>(cards.size())
                                              : static_cast<int>((cards.size() + 3) / 4);
    return result;
}

} // namespace marvola
