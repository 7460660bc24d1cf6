#include "shape.h"

#include <QPainter>

Shape::Shape(Kind kind, const QColor& fill, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor outline = palette().color(QPalette::WindowText);
    if (m_kind == Kind::Filled) {
        // A one-pixel outline keeps a light colour visible on the window's background.
        p.fillRect(rect(), outline);
        p.fillRect(rect().adjusted(1, 1, -1, -1), m_fill);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::NoBrush);
    const qreal radius = qMin(width(), height()) / 10.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
