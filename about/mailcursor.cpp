#include "mailcursor.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace mailcursor {

namespace {

// The shapes are given in logical pixels. Outlines are one logical pixel wide
// and run along the middle of pixels (x.5), so that straight edges cover whole
// pixels at 100 % and whole pairs of pixels at 200 %: crisp at both.

const QColor kOutline(Qt::black);
const QColor kPaper(255, 250, 230);
const QColor kStamp(220, 30, 40);

QPen outline(Qt::PenJoinStyle join = Qt::MiterJoin)
{
    return QPen(kOutline, 1.0, Qt::SolidLine, Qt::SquareCap, join);
}

// The hand behind the letter: the index finger up to the hot spot, the other
// fingers bent, their knuckles showing above the letter's top edge.
void drawHand(QPainter& p)
{
    QPainterPath hand;
    hand.moveTo(5.5, 3.5);
    hand.arcTo(QRectF(5.5, 1.5, 4.0, 4.0), 180.0, -180.0);   // fingertip
    hand.lineTo(9.5, 10.5);
    hand.arcTo(QRectF(9.5, 9.0, 3.0, 3.0), 180.0, -180.0);   // middle finger
    hand.arcTo(QRectF(12.5, 10.0, 3.0, 3.0), 180.0, -180.0); // ring finger
    hand.arcTo(QRectF(15.5, 11.0, 3.0, 3.0), 180.0, -180.0); // little finger
    hand.lineTo(18.5, 16.5);
    hand.lineTo(5.5, 16.5);
    hand.closeSubpath();
    p.setPen(outline(Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.drawLine(QPointF(12.5, 11.0), QPointF(12.5, 14.5));
    p.drawLine(QPointF(15.5, 12.0), QPointF(15.5, 14.5));
}

// The letter held in the hand: an envelope with its flap and a red stamp.
void drawLetter(QPainter& p)
{
    const QRectF envelope(7.5, 14.5, 21.0, 12.0);
    p.setPen(outline());
    p.setBrush(kPaper);
    p.drawRect(envelope);
    QPainterPath flap;
    flap.moveTo(envelope.topLeft());
    flap.lineTo(envelope.center().x(), envelope.top() + 7.0);
    flap.lineTo(envelope.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.fillRect(QRectF(24.0, 16.0, 3.0, 3.0), kStamp);
}

// The thumb, in front of the letter, pressing it against the fingers.
void drawThumb(QPainter& p)
{
    QPainterPath thumb;
    thumb.moveTo(5.5, 11.5);
    thumb.cubicTo(2.5, 11.5, 2.0, 15.0, 4.0, 16.5);
    thumb.lineTo(7.5, 19.0);
    thumb.cubicTo(10.0, 20.5, 12.0, 17.5, 10.0, 15.5);
    thumb.lineTo(8.5, 14.5);
    thumb.closeSubpath();
    p.setPen(outline(Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(thumb);
}

} // namespace

QPixmap picture(qreal ratio)
{
    const int device = int(std::lround(kSize * ratio));
    QPixmap pm(device, device);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        // At 100 % smoothed curves would only grey the outline: pixels are
        // either covered or not, as in the desktop's own pointers.
        p.setRenderHint(QPainter::Antialiasing, ratio > 1.0);
        p.scale(ratio, ratio);
        drawHand(p);
        drawLetter(p);
        drawThumb(p);
    }
    pm.setDevicePixelRatio(ratio);
    return pm;
}

QPoint hotSpot(qreal ratio)
{
    // The finger's tip, in logical pixels: the middle of the outline at the
    // top of its rounded end.
    const QPointF tip(7.5, 1.5);
    return QPoint(int(std::floor(tip.x() * ratio)), int(std::floor(tip.y() * ratio)));
}

QCursor cursor(qreal ratio)
{
    // The hot spot goes in the picture's own pixels: X11 under Qt 6.4 takes
    // it as given, so one in logical pixels would land at half the distance
    // from the corner at 200 % (measured under Xvfb).
    const QPoint spot = hotSpot(ratio);
    return QCursor(picture(ratio), spot.x(), spot.y());
}

} // namespace mailcursor
