#include "captionframe.h"

#include <QPainter>
#include <QStyle>

CaptionFrame::CaptionFrame(QWidget* parent) : QGroupBox(parent) {}

UnseenCaptionFrame::UnseenCaptionFrame(QWidget* parent) : QGroupBox(parent) {}

// Drawn by hand rather than through a style sheet: a style sheet on the window
// would restyle every control in it and cost a noticeable part of the start.
void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(QRect(0, lineY, width() - 1, height() - 1 - lineY));
    const QString caption = title();
    if (caption.isEmpty())
        return;
    int flags = Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this))
        flags |= Qt::TextHideMnemonic;
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(text.adjusted(2, 0, 0, 0), flags, caption);
}
