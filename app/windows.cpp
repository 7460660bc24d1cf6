#include "windows.h"

#include "platform/platform.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace windows {

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

} // namespace windows
