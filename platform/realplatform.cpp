// The real services: those of the operating system (system.h) and the
// portable ones, Qt's random generator, locale, dialogs and window stack.
#include "platform.h"
#include "system.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTime>
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <memory>

namespace platform {
namespace {

class SeededRandom final : public Random {
public:
    SeededRandom() : m_generator(QRandomGenerator::securelySeeded()) {}
    double next() override { return m_generator.generateDouble(); }
    void mixInClock() override
    {
        // Moving the running state on by a clock-dependent amount keeps every
        // draw fresh, also for draws within one tick of the clock.
        m_generator.discard(quint64(QTime::currentTime().msecsSinceStartOfDay() % 1009));
    }

private:
    QRandomGenerator m_generator;
};

class ProcessEnvironment final : public Environment {
public:
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    QString executableBaseName() override
    {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    }
    QString decimalSeparator() override { return QLocale::system().decimalPoint(); }
};

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

class ModalDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon) override
    {
        QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
    }
};

class QtApplication final : public Application {
public:
    // exit() leaves every event loop without sending close events, unlike quit().
    void quit() override { QCoreApplication::exit(0); }
    void terminateSilently() override { std::_Exit(0); }
};

class DesktopWindowStack final : public WindowStack {
public:
    bool showsAt(const QWidget* window, const QPointF& globalPos) override
    {
        // Where the window system cannot tell which window lies on top at a
        // point (in the events' global coordinates), the window's own
        // geometry decides.
        if (!system::windowSystemTellsStacking(QGuiApplication::platformName()))
            return true;
        const QWindow* top = QGuiApplication::topLevelAt(globalPos.toPoint());
        return top && top == window->window()->windowHandle();
    }
};

} // namespace

WindowStack& desktopWindowStack()
{
    static DesktopWindowStack stack;
    return stack;
}

void installReal()
{
    static SeededRandom seeded;
    static ProcessEnvironment env;
    static ModalDialogs modal;
    static QtApplication app;
    static std::unique_ptr<Registry> systemRegistry(makeSystemRegistry());
    Services s;
    s.settings = &system::settings();
    s.singleCopy = &system::singleCopy();
    s.sound = &system::sound();
    s.clock = &system::clock();
    s.random = &seeded;
    s.environment = &env;
    s.shell = &system::shell();
    s.dialogs = &modal;
    s.application = &app;
    s.registry = systemRegistry.get();
    s.windowStack = &desktopWindowStack();
    install(s);
}

} // namespace platform
