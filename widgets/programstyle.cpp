#include "programstyle.h"

#include "focusmark.h"
#include "scheme.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QtMath>
#include <QStyleFactory>
#include <QStyleOption>

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("montivant"));
}

void ProgramStyle::install()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style()))
        QApplication::setStyle(new ProgramStyle);
}

QColor ProgramStyle::focusMarkColour(const QColor& background)
{
    // Black keeps at least 3:1 against every background lighter than a middle
    // grey, white against the darker ones.
    return background.isValid() && background.lightnessF() < 0.45 ? QColor(Qt::white)
                                                                   : QColor(Qt::black);
}

void ProgramStyle::drawFocusMark(QPainter* painter, const QRect& rect, const QColor& background,
                                 const QRect& clearOf, const QRect& bounds)
{
    const QColor colour = focusMarkColour(background);
    const int w = 2;
    int top = rect.top(), bottom = rect.bottom(), left = rect.left(), right = rect.right();
    int tw = w, bw = w, lw = w, rw = w;
    if (clearOf.isValid()) {
        const QRect room = bounds.isValid() ? bounds : rect;
        const int gap = 1;
        // Each side: its outer edge where it was or further out (never past
        // the room), its inner edge at least `gap` clear of the caption.
        auto side = [](int outer, int innerLimit, int roomEdge, int& width, bool low) {
            // A caption that reaches the control's edge leaves no room for
            // that side: it is left out rather than drawn on the strokes.
            if (low) { // top or left: the mark lies before innerLimit
                int start = qMax(roomEdge, qMin(outer, innerLimit - 2));
                width = qBound(0, innerLimit - start, 2);
                return start;
            }
            int end = qMin(roomEdge, qMax(outer, innerLimit + 2));
            width = qBound(0, end - innerLimit, 2);
            return end;
        };
        top = side(top, clearOf.top() - gap, room.top(), tw, true);
        left = side(left, clearOf.left() - gap, room.left(), lw, true);
        bottom = side(bottom, clearOf.bottom() + gap, room.bottom(), bw, false);
        right = side(right, clearOf.right() + gap, room.right(), rw, false);
    }
    const int width = right - left + 1, height = bottom - top + 1;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawRect(QRect(left, top, width, tw));
    painter->drawRect(QRect(left, bottom - bw + 1, width, bw));
    painter->drawRect(QRect(left, top, lw, height));
    painter->drawRect(QRect(right - rw + 1, top, rw, height));
    painter->restore();
}

QRect ProgramStyle::captionInk(const QWidget* widget)
{
    QString text;
    QRect area;
    int flags = Qt::TextShowMnemonic;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
        button && !qobject_cast<const QPushButton*>(button)) {
        QStyleOptionButton o;
        o.initFrom(button);
        const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
        area = button->style()->subElementRect(radio ? SE_RadioButtonContents : SE_CheckBoxContents, &o, button);
        text = button->text();
        flags |= Qt::AlignLeft | Qt::AlignVCenter;
    } else if (const auto* label = qobject_cast<const QLabel*>(widget);
               label && !label->text().isEmpty() && !label->wordWrap()) {
        area = label->contentsRect();
        text = label->text();
        flags = int(label->alignment());
    } else {
        return QRect();
    }
    const QFontMetrics metrics = widget->fontMetrics();
    const QRect box = widget->style()->itemTextRect(metrics, area, flags, true, text);
    const QString shown = (flags & Qt::TextShowMnemonic) ? QString(text).remove(QLatin1Char('&')) : text;
    // The strokes, one pixel wider each way for the anti-aliased edges.
    return metrics.tightBoundingRect(shown)
        .translated(box.left(), box.top() + metrics.ascent())
        .adjusted(-1, -1, 1, 1);
}

void ProgramStyle::drawWholeFrame(QPainter* painter, const QRect& rect, int lineWidth,
                                  const QColor& topLeft, const QColor& bottomRight)
{
    const QTransform toDevice = painter->deviceTransform();
    const qreal scale = toDevice.m22();
    if (!toDevice.isScaling() || scale == qFloor(scale) || toDevice.isRotating()) {
        // Logical pixels are whole device pixels: lines as Qt draws them.
        painter->save();
        painter->setPen(Qt::NoPen);
        const int w = lineWidth;
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), w), topLeft);
        painter->fillRect(QRect(rect.left(), rect.top(), w, rect.height()), topLeft);
        painter->fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), bottomRight);
        painter->fillRect(QRect(rect.right() - w + 1, rect.top(), w, rect.height()), bottomRight);
        painter->restore();
        return;
    }
    // In device pixels: the rows and columns that a fill of `rect` covers
    // (its edges rounded to the nearest pixel boundary), the lines on the
    // outermost of them.
    const QRectF d = toDevice.mapRect(QRectF(rect));
    const int left = qRound(d.left()), top = qRound(d.top());
    const int right = qRound(d.right()), bottom = qRound(d.bottom()); // exclusive
    const int w = qMax(1, qRound(lineWidth * scale));
    painter->save();
    painter->setWorldTransform(toDevice.inverted() * painter->worldTransform());
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(left, top, right - left, w), topLeft);
    painter->fillRect(QRect(left, top, w, bottom - top), topLeft);
    painter->fillRect(QRect(left, bottom - w, right - left, w), bottomRight);
    painter->fillRect(QRect(right - w, top, w, bottom - top), bottomRight);
    painter->restore();
}

void ProgramStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    scheme::adjust(widget);
    // Option buttons and check boxes: a caption as high as the control, or
    // reaching its end, leaves the mark no room inside it.
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button))) {
        focusmark::drawBeyond(button, [button] {
            QStyleOptionButton o;
            o.initFrom(button);
            o.text = button->text();
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            return button->style()->subElementRect(radio ? SE_RadioButtonFocusRect : SE_CheckBoxFocusRect,
                                                   &o, button);
        });
    }
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    if (metric == PM_RadioButtonLabelSpacing)
        return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

namespace {

// The round mark of an option button, made smaller where the button is lower
// than it: whole rather than cut. At a fractional screen scale the last row of
// device pixels of the button is only partly its own, so the mark keeps one
// logical pixel clear of it.
QRect wholeRoundMark(const QRect& mark, const QWidget* widget)
{
    if (!widget)
        return mark;
    const qreal ratio = widget->devicePixelRatioF();
    const int room = widget->height() - (ratio == qFloor(ratio) ? 0 : 1);
    if (mark.height() <= room || room <= 0)
        return mark;
    return QRect(mark.left(), (widget->height() - room) / 2, room, room);
}

} // namespace

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        if (focusmark::drawnBeyond(widget))
            return; // drawn over the control and round it
        QColor background;
        if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option))
            background = focus->backgroundColor;
        if (!background.isValid())
            background = option->palette.color(widget ? widget->backgroundRole() : QPalette::Window);
        // The mark stays inside the control, where nothing of its neighbours
        // can cover it.
        QRect r = option->rect;
        if (widget)
            r = r.intersected(widget->rect());
        QRect ink = captionInk(widget);
        if (const QWidget* control = focusmark::controlOf(widget))
            ink = captionInk(control).translated(control->pos() - widget->pos());
        drawFocusMark(painter, r, background, ink, widget ? widget->rect() : r);
        return;
    }
    if (element == PE_IndicatorRadioButton) {
        QStyleOption whole(*option);
        whole.rect = wholeRoundMark(option->rect, widget);
        QProxyStyle::drawPrimitive(element, &whole, painter, widget);
        const QColor window = option->palette.color(QPalette::Window);
        if (scheme::isDark(option->palette)) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(QPen(scheme::readableOn(window, window, 4.5), 1));
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(QRectF(whole.rect).adjusted(0.5, 0.5, -0.5, -0.5));
            painter->restore();
        }
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == CE_ShapedFrame) {
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            const bool box = frame->frameShape == QFrame::Box;
            const bool panel = frame->frameShape == QFrame::Panel;
            const bool plain = !(frame->state & (State_Sunken | State_Raised));
            const qreal scale = painter->deviceTransform().m22();
            if ((box || panel) && frame->midLineWidth == 0 && frame->lineWidth > 0
                && (plain || panel) && scale != qFloor(scale)) {
                const QPalette& pal = frame->palette;
                const QColor plainColour = pal.color(widget ? widget->foregroundRole() : QPalette::WindowText);
                const bool sunken = frame->state & State_Sunken;
                const QColor tl = plain ? plainColour : (sunken ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
                const QColor br = plain ? plainColour : (sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
                drawWholeFrame(painter, frame->rect, frame->lineWidth, tl, br);
                return;
            }
        }
    }
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            if (item->checkType != QStyleOptionMenuItem::NotCheckable && !item->checked) {
                QStyleOptionMenuItem unmarked = *item;
                unmarked.checkType = QStyleOptionMenuItem::NotCheckable;
                QProxyStyle::drawControl(element, &unmarked, painter, widget);
                return;
            }
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion marks a focused push button by a pale outline only.
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        focus.backgroundColor = option->palette.color(QPalette::Button);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}
