// Positions and sizes in twips (1/1440 inch, 15 to a logical pixel), and the
// placing of controls from them.
#pragma once

#include <QRectF>
#include <QRect>

class QWidget;

namespace twips {

inline constexpr double kPerPixel = 15.0;

constexpr int toPixels(double twips)
{
    const double px = twips / kPerPixel;
    return int(px < 0 ? px - 0.5 : px + 0.5);
}
constexpr double fromPixels(int pixels) { return pixels * kPerPixel; }

// Places a control at left, top, width and height in twips within its parent,
// and remembers that unrounded geometry so that later scaling starts from it.
void place(QWidget* control, double left, double top, double width, double height);
void place(QWidget* control, const QRectF& rect);
// The unrounded twip geometry last given to place(), or the control's pixel
// geometry in twips when it was never placed.
QRectF geometry(const QWidget* control);
// Pixel rectangle of a twip rectangle.
QRect toPixels(const QRectF& rect);

} // namespace twips
