// Form1: the answer board. A press on a tile starts a drag of it at once; an
// outline of the tile's size follows the pointer while the tile stays put; the
// release over a slot drops the tile there, anywhere else it does nothing.
//
// The drag is the window's own rather than the toolkit's: the tile that took
// the press keeps the mouse (the implicit grab) until the release, so its
// moves and its release reach the tile's event filter wherever the pointer is.
// Only this window's tiles can therefore ever reach a slot, and the drag works
// the same on every platform, headless ones included.
#include "form1.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

int indexOf(const std::array<QLabel*, 8>& labels, const QObject* object)
{
    for (int i = 0; i < int(labels.size()); ++i) {
        if (labels[i] == object)
            return i;
    }
    return -1;
}

} // namespace

void Form1::Label1_MouseDown(int index)
{
    if (index < 0 || index >= int(Label1.size()))
        return;
    QLabel* tile = Label1[index];
    dragSource = tile;

    if (!dragOutline) {
        auto* outline = new QFrame(this);
        outline->setObjectName(QStringLiteral("dragOutline"));
        outline->setFrameShape(QFrame::Box);
        outline->setLineWidth(2);
        // Only the rectangle is drawn: the board shows through it, and the
        // pointer's widget is found past it.
        outline->setAttribute(Qt::WA_TransparentForMouseEvents);
        outline->setAttribute(Qt::WA_NoSystemBackground);
        outline->setAutoFillBackground(false);
        dragOutline = outline;
    }
    dragOutline->setGeometry(QRect(tile->mapTo(this, QPoint(0, 0)), tile->size()));
    dragOutline->raise();
    dragOutline->show();
}

void Form1::moveDragOutline(const QPoint& globalPos)
{
    if (!dragSource || !dragOutline)
        return;
    // The outline keeps the place where the tile was taken under the pointer.
    dragOutline->move(mapFromGlobal(globalPos) - dragGrabOffset);
}

void Form1::endDrag(const QPoint& globalPos)
{
    QLabel* source = dragSource;
    dragSource = nullptr;
    if (dragOutline)
        dragOutline->hide();
    if (!source)
        return;
    const int slot = indexOf(Label5, childAt(mapFromGlobal(globalPos)));
    if (slot >= 0)
        Label5_DragDrop(slot, source);
}

void Form1::Label5_DragDrop(int index, QLabel* source)
{
    if (index < 0 || index >= int(Label5.size()) || !source)
        return;
    Label5[index]->setText(source->text());
    setBackground(source, kLightOrange);
}

bool Form1::boardEvent(QObject* watched, QEvent* event)
{
    const int tile = indexOf(Label1, watched);
    if (tile < 0)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A quick second press on a tile comes as a double click: it starts
        // a drag like any press.
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The point of the tile under the pointer: the outline keeps it there.
        dragGrabOffset = mouse->position().toPoint();
        Label1_MouseDown(tile);
        return true;
    }
    case QEvent::MouseMove:
        if (!dragSource)
            return false;
        moveDragOutline(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        if (!dragSource)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // With several buttons held, the drag ends with the last release.
        if (mouse->buttons() != Qt::NoButton)
            return true;
        endDrag(mouse->globalPosition().toPoint());
        return true;
    }
    default:
        return false;
    }
}
