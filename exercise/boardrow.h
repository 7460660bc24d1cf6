// A row of the answer board, for the keyboard and for screen readers: the
// framed strip of the eight tiles or of the eight slots.
//
// The row is one stop of the window's Tab chain. While it has the focus, one of
// its cells is the current cell and shows the focus mark; Left, Right, Home and
// End move it, Space uses it (the window decides what that does). A screen
// reader sees the row as a list named after it, whose items are its cells from
// left to right, each read as its name prefix followed by its text.
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

signals:
    // Space on the current cell, or a screen reader's press action on a cell.
    void activated(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void announceCurrent();

    std::array<BoardCell*, kCells> m_cells{};
    int m_current = 0;
    QString m_cellPrefix;
    QString m_whenEmpty;
};
