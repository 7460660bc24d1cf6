#include "app/application.h"
#include "app/module1.h"
#include "app/topwindows.h"
#include "platform/platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <cstdio>

namespace {
QtMessageHandler g_qtHandler = nullptr;

// Qt warns on every start of a session without a runtime folder (a root shell,
// a service); the warning tells the user nothing and would make a second copy
// print something although it ends silently.
void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context,
                              const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    g_qtHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    // Without a display Qt would abort with a long message: say it in one line.
    if (!platform::graphicalSessionPresent()) {
        std::fprintf(stderr, "montivant: no display found (DISPLAY is not set); "
                             "start it from a graphical session.\n");
        return 1;
    }
    g_qtHandler = qInstallMessageHandler(dropRuntimeFolderWarning);
    // The program takes no command line, and Qt's own options (-reverse,
    // -style, -platform ...) must not act on it either: Qt sees the program's
    // name alone.
    static char fallbackName[] = "montivant";
    static char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    static int qtArgc = 1;
    platform::prepareQt();
    QApplication app(qtArgc, qtArgv);
    application::prepare();
    platform::installReal();
    Module1::Main();
    const int code = QApplication::exec();
    topwindows::destroyRemaining();
    return code;
}
