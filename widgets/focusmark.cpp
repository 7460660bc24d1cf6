#include "focusmark.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace focusmark {

namespace {

const char kProperty[] = "montivantFocusMarkBeyond";

class Layer : public QWidget {
public:
    Layer(QWidget* control, const std::function<QRect()>& markRect)
        : QWidget(control->parentWidget()), m_control(control), m_markRect(markRect)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusMark"));
    }

    QWidget* control() const { return m_control; }

    void place()
    {
        const QRect around = m_control->geometry().adjusted(-kRoom, -kRoom, kRoom, kRoom);
        setGeometry(around.intersected(parentWidget()->rect()));
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_control)
            return;
        QPainter painter(this);
        // Asked of the control's style, as the control would ask for it.
        QStyleOptionFocusRect option;
        option.initFrom(m_control);
        option.rect = m_markRect().translated(m_control->pos() - pos());
        option.backgroundColor = m_control->palette().color(m_control->backgroundRole());
        m_control->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }

private:
    QPointer<QWidget> m_control;
    std::function<QRect()> m_markRect;
};

class Watcher : public QObject {
public:
    Watcher(QWidget* control, std::function<QRect()> markRect)
        : QObject(control), m_control(control), m_markRect(std::move(markRect))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (!m_layer && m_control->parentWidget())
                m_layer = new Layer(m_control, m_markRect);
            if (m_layer) {
                m_layer->place();
                m_layer->show();
            }
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            // Hidden at once, destroyed later: a Hide comes while Qt walks the
            // parent's children (a window minimized or hidden), and deleting
            // one of them there would pull the list from under that walk.
            if (m_layer) {
                m_layer->hide();
                m_layer->deleteLater();
                m_layer.clear();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_layer)
                m_layer->place();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_control;
    std::function<QRect()> m_markRect;
    QPointer<Layer> m_layer;
};

} // namespace

void drawBeyond(QWidget* control, std::function<QRect()> markRect)
{
    if (drawnBeyond(control))
        return;
    control->setProperty(kProperty, true);
    control->installEventFilter(new Watcher(control, std::move(markRect)));
}

bool drawnBeyond(const QWidget* control) { return control && control->property(kProperty).toBool(); }

QWidget* controlOf(const QWidget* layer)
{
    if (!layer || layer->objectName() != QLatin1String("focusMark"))
        return nullptr;
    const auto* l = dynamic_cast<const Layer*>(layer);
    return l ? l->control() : nullptr;
}

} // namespace focusmark
