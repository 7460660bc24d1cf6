// A row of the answer board, for the keyboard and for screen readers: the
// framed strip of the eight tiles or of the eight slots.
//
// The row is one stop of the window's Tab chain. While it has the focus, one of
// its cells is the current cell and shows the focus mark; Left, Right, Home and
// End move it, Space uses it (the window decides what that does). A screen
// reader sees the two rows together as one list, the Board, whose rows hold
// their cells from left to right, each read as its name prefix followed by its
// text.
//
// A cell also shows the pick mark, a thick frame, when the window marks it
// picked: a tile chosen to be put into a slot without dragging it. The
// background colour of a cell is never used for that: it already tells
// whether the tile was used.
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

class BoardRow;

class BoardCell : public QLabel {
    Q_OBJECT
public:
    BoardCell(BoardRow* row, int index);

    BoardRow* row() const { return m_row; }
    int index() const { return m_index; }

    bool picked() const { return m_picked; }
    void setPicked(bool picked);
    // The palette colour of the text; the frame keeps the window-text colour.
    void setTextRole(QPalette::ColorRole role);
    // Whether the cell shows the keyboard's focus mark now.
    bool focusMarked() const;

    // The frame colour of a picked cell.
    static const QColor kPickColour;
    static constexpr int kPickWidth = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BoardRow* m_row;
    int m_index;
    bool m_picked = false;
    QPalette::ColorRole m_textRole = QPalette::WindowText;
};

class BoardRow : public QFrame {
    Q_OBJECT
public:
    static constexpr int kCells = 8;

    // `name` is the row's name for a screen reader; each cell i is read as
    // `cellPrefix` with i + 1 followed by its text, or by `whenEmpty`.
    BoardRow(QWidget* parent, const QString& name, const QString& cellPrefix,
             const QString& whenEmpty);

    BoardCell* cell(int index) const { return m_cells[std::size_t(index)]; }
    // Makes cell `index` (built by the caller, as the window's layout orders
    // its controls) a cell of this row.
    void adopt(BoardCell* cell);

    int current() const { return m_current; }
    // Makes `index` the current cell; it shows the focus mark while the row
    // has the focus.
    void setCurrent(int index);
    // Gives the focus to cell `index`, whose first words to a screen reader
    // are then `lead` (what has just happened, as "96 pris"), followed by its
    // name: one sentence read as the focus comes, rather than a notice and
    // the cell's name that a screen reader reads in an order of its own. The
    // lead goes as the focus leaves the cell or the cell's name changes.
    void focusCell(int index, const QString& lead);
    // The lead of cell `index` now; empty when it has none.
    QString lead(int index) const;

signals:
    // Space on the current cell, or a screen reader's press action on a cell.
    void activated(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void announceCurrent();
    void dropLead();

    std::array<BoardCell*, kCells> m_cells{};
    int m_current = 0;
    int m_leadCell = -1;
    QString m_lead;
    QString m_leadName; // the cell's name when the lead was given
    QString m_cellPrefix;
    QString m_whenEmpty;
};

// The two rows as one list for a screen reader, named `name`, in the widget
// that holds them: what was said of the list as the focus came in is not said
// again at each move from one row to the other.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int kRows = 2;
    Board(QWidget* host, const QString& name, BoardRow* first, BoardRow* second);

    QString name() const { return m_name; }
    BoardRow* row(int index) const { return m_rows[std::size_t(index)]; }

private:
    QString m_name;
    std::array<BoardRow*, kRows> m_rows;
};
