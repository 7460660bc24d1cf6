// What a screen reader hears of the program's own controls: labels read with
// what their number stands for, and short notices of what has just happened.
// Qt's own accessibility (AT-SPI on Linux) carries them; nothing is to switch on.
#pragma once

#include <QAccessibleWidget>
#include <QString>

class QLabel;
class QWidget;

namespace accessibility {

// A screen reader reads `label` as `prefix` followed by its text, or by
// `whenEmpty` while it shows nothing (an empty label would otherwise be read
// with the title of the frame around it). The name follows every new text.
void nameAfterText(QLabel* label, const QString& prefix, const QString& whenEmpty = QString());

// The name that nameAfterText gives to `label` with its present text.
QString labelName(const QLabel* label);

// Words said after the name of `label` (its state, as "déjà posé"), until
// another note replaces them; an empty note says nothing more. With `tell`
// false screen readers are not told of the new name at once: for a label that
// takes the focus next, whose name is read then (told as well, it would be
// read twice by a screen reader that hears of the focus first).
void setNameNote(QLabel* label, const QString& note, bool tell = true);

// Names `group`, a frame that holds a group of options: a screen reader reads
// the name once, with the option that takes the focus.
void nameGroup(QWidget* group, const QString& name);

// Says `text` to a screen reader, as a notice of the window `window`. The
// notice is heard even when the window closes at once.
void announce(QWidget* window, const QString& text);

// Drops the accessible side that Qt may already have made for `object` (a
// widget tells of itself as it is built) unless it is an `Ours`: the next
// question of a screen reader makes it again, through the program's own
// factories, which know what has been set on the object since.
template <typename Ours>
void remakeAccessible(QObject* object)
{
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        iface && !dynamic_cast<Ours*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

// The accessible side of a label named by nameAfterText: a static text whose
// name is its prefix and text. Subclasses give cells of a row their own role.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(QLabel* label, QAccessible::Role role = QAccessible::StaticText);
    QString text(QAccessible::Text t) const override;
    QLabel* label() const;
};

} // namespace accessibility
