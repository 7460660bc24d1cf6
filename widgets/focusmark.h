// A focus mark drawn beyond its control: by a transparent layer over the
// control and a few pixels round it, in the control's parent, that exists
// only while the control has the focus. For controls whose caption reaches
// (or nearly reaches) their own edges, such as the low level options and the
// links, so that the mark keeps a pixel of space from the caption.
#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace focusmark {

// How far beyond the control the mark may go.
inline constexpr int kRoom = 3;

// From now on `control`'s focus mark is drawn round `markRect()` (in the
// control's coordinates), clear of its caption's strokes, up to kRoom pixels
// beyond the control.
void drawBeyond(QWidget* control, std::function<QRect()> markRect);
// Whether `control`'s mark is drawn so (the control then draws none itself).
bool drawnBeyond(const QWidget* control);
// The control whose mark `layer` draws (the layer is named "focusMark"), or
// null when `layer` is no such layer.
QWidget* controlOf(const QWidget* layer);

} // namespace focusmark
