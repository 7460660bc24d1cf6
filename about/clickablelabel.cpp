#include "clickablelabel.h"

#include "widgets/focusmark.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// What assistive technologies see of a ClickableLabel: a link whose name is
// its text (the address), with the press action that a click stands for.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            label()->activate();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* linkFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClickableLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<ClickableLabel*>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::TabFocus);
    // The text starts at the label's edge: the mark goes round it outside.
    focusmark::drawBeyond(this, [this] { return focusMarkRect(); });
}

void ClickableLabel::activate() { emit clicked(); }

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        // A press that slides off the label before its release is no click.
        if (rect().contains(event->position().toPoint()))
            activate();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            break;
        // Accepted, so that the window's default button does not take Enter.
        // A held key opens the link once.
        event->accept();
        if (!event->isAutoRepeat())
            activate();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

QRect ClickableLabel::focusMarkRect() const
{
    const QRect text = fontMetrics().boundingRect(contentsRect(), int(alignment()), this->text());
    const int room = focusmark::kRoom;
    return QRect(text.left() - 4, 0, text.width() + 8, height())
        .intersected(rect().adjusted(-room, -room, room, room));
}
