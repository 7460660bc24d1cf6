#include "application.h"

#include "widgets/fonts.h"
#include "widgets/programstyle.h"
#include "app/qttexts.h"

#include <QApplication>
#include <QGuiApplication>

namespace application {

void prepare()
{
    // The name of the desktop entry: the Wayland app id, and how desktops
    // match the windows to the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.montivant.montivant"));
    // The program decides itself when its last window has gone (see windows.h).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(fonts::dialogDefault());
    ProgramStyle::install();
    qttexts::installFrench();
}

} // namespace application
