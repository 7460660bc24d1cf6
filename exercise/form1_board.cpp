// Form1: the answer board. A press on a tile starts a drag of it at once; an
// outline of the tile's size follows the pointer while the tile stays put; the
// release over a slot drops the tile there, anywhere else it does nothing.
//
// The drag is the window's own rather than the toolkit's: the tile that took
// the press keeps the mouse (the implicit grab) until the release, so its
// moves and its release reach the tile's event filter wherever the pointer is.
// Only this window's tiles can therefore ever reach a slot, and the drag works
// the same on every platform, headless ones included.
//
// A child who cannot drag picks a tile instead, and then a slot: with a click
// (a press and release on the tile without moving), or from the keyboard
// (Space on the tile row, then Space on the slot row). The drop that follows is
// the same as a mouse drop.
#include "form1.h"

#include "widgets/announcements.h"
#include "boardrow.h"
#include "widgets/accessibility.h"
#include "platform/platform.h"

#include <QApplication>
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

void Form1::moveDragOutline(const QPoint& inWindow)
{
    if (!dragSource || !dragOutline)
        return;
    // The outline keeps the place where the tile was taken under the pointer.
    dragOutline->move(inWindow - dragGrabOffset);
}

void Form1::endDrag(const QPoint& inWindow, const QPointF& globalPos)
{
    QLabel* source = dragSource;
    dragSource = nullptr;
    if (dragOutline)
        dragOutline->hide();
    if (!source)
        return;
    const int tile = indexOf(Label1, source);
    // A press and release on the tile that was pressed, without moving: a
    // click, which picks the tile (or lets go of it) instead of dragging it.
    if ((inWindow - dragPressedAt).manhattanLength() < QApplication::startDragDistance()
        && childAt(inWindow) == source) {
        pickTile(pickedTile == tile ? -1 : tile);
        return;
    }
    // The slot under the pointer, found from the pointer's place in this
    // window (global positions are not to be trusted under every desktop),
    // and only where no other window covers this one.
    const int slot = indexOf(Label5, childAt(inWindow));
    if (slot >= 0 && platform::windowStack().showsAt(this, globalPos))
        Label5_DragDrop(slot, source);
}

void Form1::Label5_DragDrop(int index, QLabel* source)
{
    if (index < 0 || index >= int(Label5.size()) || !source)
        return;
    placeTile(index, source);
    accessibility::announce(this, announcements::dropped(source->text(), index));
}

void Form1::placeTile(int index, QLabel* source)
{
    Label5[index]->setText(source->text());
    setBackground(source, kLightOrange);
    // Whatever was picked has now been placed, or the child went on by dragging.
    pickTile(-1);
}

void Form1::pickTile(int index)
{
    pickedTile = index >= 0 && index < int(Label1.size()) ? index : -1;
    for (int i = 0; i < int(Label1.size()); ++i)
        Frame1->cell(i)->setPicked(i == pickedTile);
    if (pickedTile >= 0)
        Frame1->setCurrent(pickedTile);
}

void Form1::Frame1_Activated(int index)
{
    pickTile(index);
    // On to the slots: the first empty one, or the first when all are filled;
    // a screen reader hears the pick, then that slot.
    int target = 0;
    for (int k = 0; k < int(Label5.size()); ++k) {
        if (Label5[k]->text().isEmpty()) {
            target = k;
            break;
        }
    }
    Frame2->focusCell(target, pickedTile >= 0 ? announcements::picked(Label1[pickedTile]->text())
                                              : QString());
}

void Form1::Frame2_Activated(int index)
{
    if (pickedTile < 0)
        return;
    const int tile = pickedTile;
    tileTakingFocus = Label1[tile];
    placeTile(index, Label1[tile]);
    tileTakingFocus = nullptr;
    // Back to the tile: a screen reader hears the drop, then the tile.
    Frame1->focusCell(tile, announcements::dropped(Label1[tile]->text(), index));
}

bool Form1::boardEvent(QObject* watched, QEvent* event)
{
    const int slot = indexOf(Label5, watched);
    if (slot >= 0) {
        // A click on a slot, once a tile is picked, drops the tile there.
        if (event->type() == QEvent::MouseButtonRelease && pickedTile >= 0) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() == Qt::NoButton
                && Label5[slot]->rect().contains(mouse->position().toPoint())) {
                Frame2->setCurrent(slot);
                Label5_DragDrop(slot, Label1[pickedTile]);
                return true;
            }
        }
        return false;
    }

    const int tile = indexOf(Label1, watched);
    if (tile < 0)
        return false;
    auto* tileWidget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A quick second press on a tile comes as a double click: it starts
        // a drag like any press.
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The point of the tile under the pointer: the outline keeps it there.
        dragGrabOffset = mouse->position().toPoint();
        dragPressedAt = tileWidget->mapTo(this, dragGrabOffset);
        Label1_MouseDown(tile);
        return true;
    }
    case QEvent::MouseMove:
        if (!dragSource)
            return false;
        moveDragOutline(tileWidget->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;
    case QEvent::MouseButtonRelease: {
        if (!dragSource)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // With several buttons held, the drag ends with the last release.
        if (mouse->buttons() != Qt::NoButton)
            return true;
        endDrag(tileWidget->mapTo(this, mouse->position().toPoint()), mouse->globalPosition());
        return true;
    }
    default:
        return false;
    }
}
