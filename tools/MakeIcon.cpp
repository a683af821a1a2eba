// Draws the program icon, a ram silhouette on a steel disc, and writes it as a PNG.
#include "ToolArguments.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The ram on a 100 x 100 canvas, standing on its stand.
QPainterPath ram()
{
    QPainterPath body;
    body.addRoundedRect(QRectF(22, 40, 50, 24), 11, 11);
    QPainterPath head;
    head.moveTo(66, 44);
    head.lineTo(78, 30);
    head.lineTo(88, 33);
    head.lineTo(90, 40);
    head.lineTo(80, 46);
    head.lineTo(72, 56);
    head.closeSubpath();
    QPainterPath horn;
    horn.addEllipse(QPointF(75, 31), 8, 8);
    QPainterPath hornHole;
    hornHole.addEllipse(QPointF(75, 32), 3.2, 3.2);
    QPainterPath legs;
    for (qreal x : {26.0, 34.0, 58.0, 65.0})
        legs.addRect(QRectF(x, 60, 5, 16));
    QPainterPath tail;
    tail.addEllipse(QPointF(22, 46), 4, 5);
    QPainterPath stand;
    stand.addRect(QRectF(18, 76, 60, 5));
    return body.united(head).united(horn).subtracted(hornHole).united(legs).united(tail).united(
        stand);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (const auto status = marvola::answerToolArguments(QGuiApplication::arguments(), 1, 1,
            "Usage: make_icon OUT.png\n"
            "Draws the program's icon, 256 x 256 pixels, into OUT.png.\n"))
        return *status;
    constexpr int size = 256;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    QRadialGradient steel(QPointF(40, 35), 70);
    steel.setColorAt(0, QColor(0xf4, 0xd0, 0x8a));
    steel.setColorAt(1, QColor(0xc9, 0x7b, 0x2a));
    painter.setPen(QPen(QColor(0x4a, 0x2c, 0x0e), 3));
    painter.setBrush(steel);
    painter.drawEllipse(QRectF(3, 3, 94, 94));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x1c, 0x1c));
    painter.drawPath(ram());
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
