#include "latekeys.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace latekeys {
namespace {

bool isKey(const QEvent* event)
{
    return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
}

bool isAlt(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// Qt's menu bar watches the whole application between a press of Alt and the
// next key, and selects itself when Alt comes up alone. It is given only the
// keys of the window system, which it has whether a screen reader is there or
// not; a late key neither completes nor ends an Alt typed since.
class MenuBar final : public QMenuBar
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (isKey(event) && !event->spontaneous())
            return false;
        return QMenuBar::eventFilter(watched, event);
    }
};

class Guard final : public QObject
{
public:
    explicit Guard(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isKey(event))
            return false;
        // Keys from the window system go to the open menu's own window; only
        // a key handed on afterwards arrives at the window it was typed in.
        if (event->spontaneous() || !m_window || !m_window->isVisible()
            || watched != m_window->windowHandle())
            return false;
        // Handed to the widgets, a late Alt would make the menu bar watch
        // for Alt alone again (its press is tried as a shortcut first).
        if (isAlt(event))
            return true;
        if (!QApplication::activePopupWidget())
            return false;
        QWidget* focus = m_window->focusWidget();
        QCoreApplication::sendEvent(focus ? focus : m_window.data(), event);
        return true;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void guardMenus(QMainWindow* window)
{
    window->setMenuBar(new MenuBar);
    new Guard(window);
}

} // namespace latekeys
