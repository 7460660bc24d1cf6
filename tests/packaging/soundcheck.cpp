// montivant_soundcheck SECONDS: plays the success sound of the program's
// folder through the program's own sound service (the module loaded at the
// first sound), lets the event loop run for SECONDS, then prints whether the
// variable that names the program in the sound server is still set. The
// calling script looks at the sound server meanwhile.
#include "platform/platform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installReal();
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 3;
    platform::sound().play(
        platform::joinPath(platform::environment().programFolder(), QStringLiteral("gagner.wav")));
    QTimer::singleShot(seconds * 1000, [] {
        std::printf("PULSE_PROP_OVERRIDE after the sound: %s\n",
                    qEnvironmentVariableIsSet("PULSE_PROP_OVERRIDE") ? "set" : "unset");
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
