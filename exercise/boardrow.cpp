#include "boardrow.h"

#include "widgets/accessibility.h"
#include "widgets/programstyle.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QPointer>
#include <QTimer>

const QColor BoardCell::kPickColour(0, 0, 160);

// ---- Screen readers ---------------------------------------------------------

namespace {

// The children of the board and of a row: a fixed number of objects, the
// index-th given by `at`.
template <typename At>
QAccessibleInterface* nthChild(int index, int count, At at)
{
    QObject* object = index >= 0 && index < count ? at(index) : nullptr;
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

template <typename At>
int indexAmong(const QAccessibleInterface* child, int count, At at)
{
    for (int i = 0; i < count; ++i)
        if (child && child->object() == at(i))
            return i;
    return -1;
}

// The board in `host`, if the widget holds one.
Board* boardIn(QWidget* host)
{
    return host ? host->findChild<Board*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

// The board as a screen reader sees it: one list, the tiles' row then the
// slots' row. A row is a mere container there, so that a move from a tile to a
// slot (a pick, a drop, Tab) is read as the cell alone ("Case 1 : vide"): the
// list around both is read once, as the focus comes in from another control.
class BoardAccessible : public QAccessibleObject {
public:
    explicit BoardAccessible(Board* board) : QAccessibleObject(board) {}
    Board* board() const { return static_cast<Board*>(object()); }

    QAccessible::Role role() const override { return QAccessible::List; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? board()->name() : QString();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !board()->row(0)->isVisible();
        return s;
    }
    QRect rect() const override
    {
        QRect r;
        for (int i = 0; i < Board::kRows; ++i)
            if (QAccessibleInterface* row = child(i))
                r |= row->rect();
        return r;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(board()->parent());
    }
    int childCount() const override { return Board::kRows; }
    QAccessibleInterface* child(int index) const override
    {
        return nthChild(index, Board::kRows, [this](int i) { return board()->row(i); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return indexAmong(child, Board::kRows, [this](int i) { return board()->row(i); });
    }
    QAccessibleInterface* focusChild() const override
    {
        for (int i = 0; i < Board::kRows; ++i)
            if (board()->row(i)->hasFocus())
                return child(i)->focusChild();
        return nullptr;
    }
};

// The widget that holds the rows: its children as Qt lists them, with the
// board in the place of its first row and without the second.
class BoardHostAccessible : public QAccessibleWidget {
public:
    explicit BoardHostAccessible(QWidget* host) : QAccessibleWidget(host, QAccessible::Client) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> all = children();
        return index >= 0 && index < all.size() ? all[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return children().indexOf(const_cast<QAccessibleInterface*>(child));
    }

private:
    QList<QAccessibleInterface*> children() const
    {
        Board* board = boardIn(widget());
        QList<QAccessibleInterface*> out;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i) {
            QAccessibleInterface* c = QAccessibleWidget::child(i);
            if (board && c && qobject_cast<BoardRow*>(c->object())) {
                QAccessibleInterface* b = QAccessible::queryAccessibleInterface(board);
                if (!out.contains(b))
                    out << b;
            } else {
                out << c;
            }
        }
        return out;
    }
};

// A row: a container of its eight cells, left to right, whatever the order in
// which the window created them.
class BoardRowAccessible : public QAccessibleWidget {
public:
    explicit BoardRowAccessible(BoardRow* row) : QAccessibleWidget(row, QAccessible::Client) {}
    BoardRow* row() const { return static_cast<BoardRow*>(widget()); }

    QAccessibleInterface* parent() const override
    {
        if (Board* board = boardIn(row()->parentWidget()))
            return QAccessible::queryAccessibleInterface(board);
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return BoardRow::kCells; }
    QAccessibleInterface* child(int index) const override
    {
        return nthChild(index, BoardRow::kCells, [this](int i) { return row()->cell(i); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return indexAmong(child, BoardRow::kCells, [this](int i) { return row()->cell(i); });
    }
    QAccessibleInterface* focusChild() const override
    {
        return row()->hasFocus() ? child(row()->current()) : nullptr;
    }
};

// A cell: a list item named after its place and text, focused while it is the
// current cell of the focused row, selected while it is picked (and only then
// selectable: a screen reader would say "not selected" of every other cell),
// and pressed as Space presses it.
class BoardCellAccessible : public accessibility::LabelAccessible {
public:
    explicit BoardCellAccessible(BoardCell* cell)
        : accessibility::LabelAccessible(cell, QAccessible::ListItem)
    {
    }
    BoardCell* cell() const { return static_cast<BoardCell*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString name = LabelAccessible::text(t);
        if (t != QAccessible::Name)
            return name;
        const QString lead = cell()->row()->lead(cell()->index());
        return lead.isEmpty() ? name : lead + QStringLiteral(". ") + name;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = LabelAccessible::state();
        s.focusable = true;
        s.focused = cell()->focusMarked();
        s.selectable = cell()->picked();
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
    if (className == QLatin1String("Board"))
        return new BoardAccessible(static_cast<Board*>(object));
    if (object->isWidgetType() && boardIn(static_cast<QWidget*>(object)))
        return new BoardHostAccessible(static_cast<QWidget*>(object));
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
    dropLead();
}

void BoardRow::focusCell(int index, const QString& lead)
{
    setCurrent(index);
    m_leadCell = m_current;
    m_lead = lead;
    m_leadName = accessibility::labelName(cell(m_current));
    if (hasFocus()) {
        // Already here: the focus does not come again, the name changes.
        QAccessibleEvent event(cell(m_current), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

QString BoardRow::lead(int index) const
{
    if (index != m_leadCell || accessibility::labelName(cell(index)) != m_leadName)
        return QString();
    return m_lead;
}

void BoardRow::dropLead()
{
    if (m_leadCell < 0)
        return;
    QPointer<BoardCell> c = cell(m_leadCell);
    m_leadCell = -1;
    m_lead.clear();
    // Told after the focus's new place (queued behind it): a screen reader
    // reads again the changed name of the cell that it is on.
    QTimer::singleShot(0, this, [c] {
        if (c) {
            QAccessibleEvent event(c.data(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    });
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
    dropLead();
    cell(m_current)->update();
}

// ---- The board ----------------------------------------------------------------

Board::Board(QWidget* host, const QString& name, BoardRow* first, BoardRow* second)
    : QObject(host), m_name(name), m_rows{first, second}
{
    setObjectName(QStringLiteral("board"));
    // Made again, the host's accessible side lists the board.
    accessibility::remakeAccessible<BoardHostAccessible>(host);
}
