// The mouse pointer over the About window's mail link: a hand holding a
// letter, its index finger pointing up to the hot spot.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QPoint>
#include <QtGlobal>

namespace mailcursor {

// The pointer's size in logical pixels, whatever the screen's density.
inline constexpr int kSize = 32;

// The pointer's picture, kSize logical pixels square, drawn at `ratio` device
// pixels to a logical pixel (twice as many at 200 %) and marked with it.
QPixmap picture(qreal ratio);

// The hot spot in the picture's own pixels at that ratio: the top of the
// index finger's tip.
QPoint hotSpot(qreal ratio);

// The pointer for a screen of that pixel ratio.
QCursor cursor(qreal ratio);

} // namespace mailcursor
