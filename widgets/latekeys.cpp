#include "latekeys.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace latekeys {
namespace {

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
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        // Keys from the window system go to the open menu's own window; only
        // a key handed on afterwards arrives at the window it was typed in.
        if (event->spontaneous() || !m_window || !m_window->isVisible()
            || watched != m_window->windowHandle() || !QApplication::activePopupWidget())
            return false;
        QWidget* focus = m_window->focusWidget();
        QCoreApplication::sendEvent(focus ? focus : m_window.data(), event);
        return true;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void keepMenusOpen(QWidget* window) { new Guard(window); }

} // namespace latekeys
