#include "twips.h"

#include <QVariant>
#include <QWidget>

namespace twips {
namespace {
const char kProperty[] = "montivantTwips";
}

QRect toPixels(const QRectF& r)
{
    // Round the edges, not the size, so that neighbours stay flush.
    const int left = toPixels(r.left());
    const int top = toPixels(r.top());
    return QRect(left, top, toPixels(r.left() + r.width()) - left,
                 toPixels(r.top() + r.height()) - top);
}

void place(QWidget* control, const QRectF& rect)
{
    control->setProperty(kProperty, rect);
    control->setGeometry(toPixels(rect));
}

void place(QWidget* control, double left, double top, double width, double height)
{
    place(control, QRectF(left, top, width, height));
}

QRectF geometry(const QWidget* control)
{
    const QVariant stored = control->property(kProperty);
    if (stored.isValid())
        return stored.toRectF();
    const QRect g = control->geometry();
    return QRectF(fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()),
                  fromPixels(g.height()));
}

} // namespace twips
