#include "topwindows.h"

#include "platform/platform.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace topwindows {

void closeAndDestroy(QWidget* window)
{
    if (!window)
        return;
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->close();
    window->deleteLater();
}

void endWhenLastWindowCloses(QWidget* window)
{
    QObject::connect(window, &QObject::destroyed, qApp, [] {
        QTimer::singleShot(0, qApp, [] {
            const auto all = QApplication::topLevelWidgets();
            for (QWidget* w : all) {
                if (w->isVisible())
                    return;
            }
            platform::application().quit();
        });
    });
}

void centreOnScreen(QWidget* window)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void destroyRemaining()
{
    QList<QPointer<QWidget>> remaining;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            remaining.append(w);
    for (const QPointer<QWidget>& w : remaining)
        delete w.data();
}

} // namespace topwindows
