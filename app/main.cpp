#include "app/module1.h"
#include "platform/fonts.h"
#include "platform/platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    // Without a display Qt would abort with a long message: say it in one line.
    const QByteArray qpa = qgetenv("QT_QPA_PLATFORM");
    if (qpa.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "montivant: no display found (DISPLAY is not set); "
                             "start it from a graphical session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    // The program decides itself when its last window has gone (see windows.h).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(fonts::dialogDefault());
    platform::installReal();
    Module1::Main();
    const int code = QApplication::exec();
    // Windows still up after a quit: destroy those that no other window owns.
    QList<QPointer<QWidget>> remaining;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            remaining.append(w);
    for (const QPointer<QWidget>& w : remaining)
        delete w.data();
    return code;
}
