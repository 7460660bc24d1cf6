// The thin layer between the windows and the machine they run on.
//
// Every service that a test must control (the settings medium, sound, the clock,
// random numbers, the single-copy test, the shell and program launches, message
// boxes and the input box, the registry) is a small interface here. The program
// installs the real implementations at start; a test installs fakes instead, so
// that it runs headless, fast and with results it decides.
#pragma once

#include <QPointF>
#include <QString>
#include <QtGlobal>
#include <optional>

#include "registry.h"

class QWidget;

namespace platform {

// Per-user persistent map from (application, section, key) to a text.
class SettingsMedium {
public:
    virtual ~SettingsMedium() = default;
    // The stored text, or nothing when the key is absent or the store unreadable.
    virtual std::optional<QString> read(const QString& app, const QString& section,
                                        const QString& key) = 0;
    // Stores the text durably; returns false when the store refused it.
    virtual bool write(const QString& app, const QString& section, const QString& key,
                       const QString& value) = 0;
};

// Whether another copy of the program runs for the same user.
class SingleCopy {
public:
    virtual ~SingleCopy() = default;
    // The first call takes the copy's claim; later calls answer the same.
    virtual bool anotherCopyRunning() = 0;
};

// Asynchronous playback of a WAV file; every error is ignored.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& path) = 0;
};

// A monotonic millisecond counter (it never wraps around).
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 milliseconds() = 0;
    // Blocks the calling thread for about `ms` milliseconds without handling
    // any event and without using the processor. It may end a little early or
    // late: a caller that needs a length by the counter reads the counter again.
    virtual void sleep(qint64 ms) = 0;
};

// Uniform random numbers over [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
    // Mixes the time of day into the generator's state. Draws made within the
    // same clock tick still differ: the clock is mixed in, never substituted.
    virtual void mixInClock() = 0;
};

// Facts about the running program and the user's desktop.
class Environment {
public:
    virtual ~Environment() = default;
    virtual QString programFolder() = 0;
    // Base name of the running executable, without folder and extension.
    virtual QString executableBaseName() = 0;
    // The user's decimal separator ("," under French settings).
    virtual QString decimalSeparator() = 0;
};

// The shell's "open" of a target (a mail address, a web page) and program starts.
class Shell {
public:
    virtual ~Shell() = default;
    // The outcome is not reported: a failure shows nothing.
    virtual void open(const QString& target, QWidget* parent) = 0;
    // Starts a program in a normal window that takes the focus, without waiting
    // for it; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};

// Which window the user sees at a point of the screen.
class WindowStack {
public:
    virtual ~WindowStack() = default;
    // True when `window` is the window on top at the global point `globalPos`
    // (not covered there by another window), or when the desktop cannot tell.
    virtual bool showsAt(const QWidget* window, const QPointF& globalPos) = 0;
};

enum class MessageIcon { None, Information, Warning };

// The modal message box and the modal input box.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows an OK-only box and returns once it is closed.
    virtual void message(QWidget* parent, const QString& text, const QString& title,
                         MessageIcon icon) = 0;
    // Returns the text typed, or the empty text when cancelled.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
};

// How the program itself ends.
class Application {
public:
    virtual ~Application() = default;
    // Ends the program at once: windows close without any closing handler and
    // nothing is saved.
    virtual void quit() = 0;
    // Ends this copy silently before it has shown anything (a second copy).
    virtual void terminateSilently() = 0;
};

struct Services {
    SettingsMedium* settings = nullptr;
    SingleCopy* singleCopy = nullptr;
    Sound* sound = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    Environment* environment = nullptr;
    Shell* shell = nullptr;
    Dialogs* dialogs = nullptr;
    Application* application = nullptr;
    Registry* registry = nullptr;
    WindowStack* windowStack = nullptr;
};

// Installs the services that the windows use from now on. The caller keeps
// ownership; a null member keeps the one installed before.
void install(const Services& services);
// Installs the real implementations (once per process).
void installReal();
// The desktop's own window stack (for tests that drive real input).
WindowStack& desktopWindowStack();

SettingsMedium& settings();
SingleCopy& singleCopy();
Sound& sound();
Clock& clock();
Random& random();
Environment& environment();
Shell& shell();
Dialogs& dialogs();
Application& application();
Registry& registry();
WindowStack& windowStack();

// Joins a folder and a file name with the platform's separator.
QString joinPath(const QString& folder, const QString& fileName);

// Whether a graphical session is there to show windows in; asked before Qt
// starts, so that a start from a text console says so in one line.
bool graphicalSessionPresent();
// Sets up what Qt must know before it starts on this system.
void prepareQt();

} // namespace platform
