#include "boardrow.h"

#include "widgets/accessibility.h"
#include "widgets/programstyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QPointer>
#include <QTimer>

const QColor BoardCell::kPickColour(0, 0, 160);

// ---- Screen readers ---------------------------------------------------------

// A row: a list of its eight cells, left to right, whatever the order in which
// the window created them.
class BoardRowAccessible : public QAccessibleWidget {
public:
    explicit BoardRowAccessible(BoardRow* row) : QAccessibleWidget(row, QAccessible::List) {}
    BoardRow* row() const { return static_cast<BoardRow*>(widget()); }

    int childCount() const override { return BoardRow::kCells; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= BoardRow::kCells || !row()->cell(index))
            return nullptr;
        return QAccessible::queryAccessibleInterface(row()->cell(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < BoardRow::kCells; ++i)
            if (child && child->object() == row()->cell(i))
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return row()->hasFocus() ? child(row()->current()) : nullptr;
    }
};

// A cell: a list item named after its place and text, focused while it is the
// current cell of the focused row, selected while it is picked, and pressed
// as Space presses it.
class BoardCellAccessible : public accessibility::LabelAccessible {
public:
    explicit BoardCellAccessible(BoardCell* cell)
        : accessibility::LabelAccessible(cell, QAccessible::ListItem)
    {
    }
    BoardCell* cell() const { return static_cast<BoardCell*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = LabelAccessible::state();
        s.focusable = true;
        s.focused = cell()->focusMarked();
        s.selectable = true;
        s.selected = cell()->picked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && cell()->isEnabled())
            emit cell()->row()->activated(cell()->index());
    }
};

namespace {

QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardRow"))
        return new BoardRowAccessible(static_cast<BoardRow*>(object));
    if (className == QLatin1String("BoardCell"))
        return new BoardCellAccessible(static_cast<BoardCell*>(object));
    return nullptr;
}

} // namespace

// ---- Cells ------------------------------------------------------------------

BoardCell::BoardCell(BoardRow* row, int index) : QLabel(row), m_row(row), m_index(index) {}

void BoardCell::setPicked(bool picked)
{
    if (m_picked == picked)
        return;
    m_picked = picked;
    update();
    QAccessibleEvent event(this, QAccessible::Selection);
    QAccessible::updateAccessibility(&event);
}

bool BoardCell::focusMarked() const { return m_row->hasFocus() && m_row->current() == m_index; }

void BoardCell::setTextRole(QPalette::ColorRole role)
{
    m_textRole = role;
    update();
}

void BoardCell::paintEvent(QPaintEvent*)
{
    // The frame in the window-text colour, as for every cell, and the text in
    // the cell's own text colour. (QLabel would draw both in one colour.)
    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, contentsRect(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), text(), m_textRole);
    if (m_picked) {
        // A thick frame over the cell's own border.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPickColour);
        const QRect r = rect();
        const int w = kPickWidth;
        painter.drawRect(QRect(r.left(), r.top(), r.width(), w));
        painter.drawRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
        painter.drawRect(QRect(r.left(), r.top(), w, r.height()));
        painter.drawRect(QRect(r.right() - w + 1, r.top(), w, r.height()));
    }
    if (focusMarked()) {
        // Inside the border (and inside the pick frame when there is one).
        const int inset = m_picked ? kPickWidth + 1 : 2;
        ProgramStyle::drawFocusMark(&painter, rect().adjusted(inset, inset, -inset, -inset),
                                    palette().color(QPalette::Window));
    }
}

// ---- Rows -------------------------------------------------------------------

BoardRow::BoardRow(QWidget* parent, const QString& name, const QString& cellPrefix,
                   const QString& whenEmpty)
    : QFrame(parent), m_cellPrefix(cellPrefix), m_whenEmpty(whenEmpty)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // A stop of the Tab chain only: a click on a tile or a slot leaves the
    // focus where it was, so that Enter does what it did before the click.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(name);
}

void BoardRow::adopt(BoardCell* cell)
{
    m_cells[std::size_t(cell->index())] = cell;
    accessibility::nameAfterText(cell, m_cellPrefix.arg(cell->index() + 1), m_whenEmpty);
}

void BoardRow::setCurrent(int index)
{
    index = qBound(0, index, kCells - 1);
    if (index == m_current)
        return;
    const int old = m_current;
    m_current = index;
    if (hasFocus()) {
        cell(old)->update();
        cell(index)->update();
        announceCurrent();
    }
}

void BoardRow::announceCurrent()
{
    // Queued: Qt tells screen readers about the row's own focus after its
    // focus-in handler; the cell's focus must come last to be the one read.
    QPointer<BoardCell> c = cell(m_current);
    QTimer::singleShot(0, this, [this, c] {
        if (c && hasFocus() && c->index() == m_current) {
            QAccessibleEvent event(c.data(), QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    });
}

void BoardRow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QFrame::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: setCurrent(m_current - 1); break;
    case Qt::Key_Right: setCurrent(m_current + 1); break;
    case Qt::Key_Home: setCurrent(0); break;
    case Qt::Key_End: setCurrent(kCells - 1); break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit activated(m_current);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardRow::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    cell(m_current)->update();
    announceCurrent();
}

void BoardRow::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    cell(m_current)->update();
}
