#include "picturebox.h"

#include "widgets/twips.h"

#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    // A single border; the background is the desktop's window colour.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::ensureImage()
{
    const QSize logical = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(logical) * ratio).toSize();
    if (!m_image.isNull() && m_image.size() == device)
        return;
    QImage fresh(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(palette().color(QPalette::Base));
    if (!m_image.isNull()) {
        // A new size keeps what was drawn at the same place.
        QPainter p(&fresh);
        p.drawImage(QPoint(0, 0), m_image);
    }
    m_image = fresh;
}

void PictureBox::fillTwips(const QRect& twipsRect, const QColor& colour)
{
    ensureImage();
    const QRect px = twips::toPixels(QRectF(twipsRect));
    {
        QPainter p(&m_image);
        p.fillRect(px, colour);
    }
    update(px.translated(contentsRect().topLeft()));
}

QColor PictureBox::colourAt(int xTwips, int yTwips)
{
    ensureImage();
    const qreal ratio = m_image.devicePixelRatio();
    const QPoint p(int(twips::toPixels(xTwips) * ratio), int(twips::toPixels(yTwips) * ratio));
    if (!m_image.rect().contains(p))
        return QColor();
    return m_image.pixelColor(p);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    ensureImage();
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), m_image);
    p.end();
    // The border last, over the picture's edge.
    QFrame::paintEvent(event);
}
