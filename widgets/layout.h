// Windows laid out as data: a table of controls, one row each, walked by one
// function that creates them in the table's order (the order a screen reader
// lists them in, and the stacking order), names them, places them in twips and
// gives them their text and font. What is particular to one control
// (connections, pictures, colours, accessible names) follows as code.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>

#include <span>

namespace layout {

// How a control is created in its parent: by default `new Kind(parent)`.
using Create = QWidget* (*)(QWidget* parent);
template <typename Kind>
QWidget* create(QWidget* parent)
{
    return new Kind(parent);
}

// The member that receives a control, whatever its type.
class Slot {
public:
    template <typename Control>
    Slot(Control*& member) : m_member(&member), m_assign(&assign<Control>) {}
    void operator()(QWidget* control) const { m_assign(m_member, control); }

private:
    template <typename Control>
    static void assign(void* member, QWidget* control)
    {
        auto* typed = dynamic_cast<Control*>(control);
        Q_ASSERT(typed);
        *static_cast<Control**>(member) = typed;
    }
    void* m_member;
    void (*m_assign)(void*, QWidget*);
};

// A font of fonts::named; no family leaves the font the control inherits.
struct Font {
    const char* family = nullptr;
    double points = 0;
    bool bold = false;
};

struct Control {
    Slot member;
    Create kind;
    QString name;       // the object name
    const char* parent; // a control of an earlier row, by name; null for the root
    QRectF twips;       // left, top, width, height within the parent
    QString text = {};  // a label's or button's text, a frame's title; null for none
    Font font = {};
    Qt::Alignment alignment = {}; // a label's; none leaves Qt's
};

// Creates one control under root, in its parent.
void add(QWidget* root, const Control& row);
// Creates the table's controls in its order under root.
void build(QWidget* root, std::span<const Control> table);

} // namespace layout
