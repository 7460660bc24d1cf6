// The real services: Qt's settings, lock file, sound effects, clock, random
// generator, locale, desktop services and dialogs.
#include "platform.h"
#include "lockfolder.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QInputDialog>
#include <QLocale>
#include <QLibrary>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTime>
#include <QUrl>
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace platform {
namespace {

// The organisation folder of the INI files; the file itself is named after the
// running executable, so a renamed copy keeps its own values.
const char kOrganisation[] = "montivant";

class IniSettings final : public SettingsMedium {
public:
    std::optional<QString> read(const QString& app, const QString& section,
                                const QString& key) override
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, kOrganisation, app);
        store.beginGroup(section);
        const bool present = store.contains(key);
        if (store.status() != QSettings::NoError || !present)
            return std::nullopt;
        const QVariant value = store.value(key);
        if (store.status() != QSettings::NoError)
            return std::nullopt;
        // A hand-edited value with a comma comes back as a list of texts.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1String(", "));
        return value.toString();
    }

    bool write(const QString& app, const QString& section, const QString& key,
               const QString& value) override
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, kOrganisation, app);
        // The file is parsed at the first access: a store that cannot be read is
        // never overwritten, so a damaged file stays for the user to look at.
        store.contains(QStringLiteral("-"));
        if (store.status() != QSettings::NoError)
            return false;
        store.beginGroup(section);
        store.setValue(key, value);
        store.endGroup();
        store.sync(); // atomic: temporary file, flush, rename
        return store.status() == QSettings::NoError;
    }
};

class LockFileSingleCopy final : public SingleCopy {
public:
    bool anotherCopyRunning() override
    {
        if (!m_decided) {
            m_decided = true;
            // A folder that only this user can write: a lock in a shared folder
            // could be planted by another account and stop every start. When
            // there is none, the program runs without the test rather than not
            // at all.
            const QString folder = userLockFolder();
            if (!folder.isEmpty()) {
                m_lock = std::make_unique<QLockFile>(folder + QLatin1String("/montivant.lock"));
                // A lock left by a crashed or killed copy is recognised as stale
                // (its process is gone) and taken over at once.
                const bool locked = m_lock->tryLock(0);
                m_another = !locked && m_lock->error() == QLockFile::LockFailedError;
            }
        }
        return m_another;
    }

private:
    bool m_decided = false;
    bool m_another = false;
    std::unique_ptr<QLockFile> m_lock; // held for the whole run
};

class SoundEffects final : public Sound {
public:
    void play(const QString& path) override
    {
        using Player = void (*)(const QString&);
        if (!m_tried) {
            m_tried = true;
            QLibrary module(platform::joinPath(QCoreApplication::applicationDirPath(),
                                               QStringLiteral("montivant_sound")));
            m_player = module.resolve("montivant_play_sound");
        }
        // A missing file, or no sound module, gives the desktop's short beep.
        if (!m_player || !QFileInfo::exists(path)) {
            QApplication::beep();
            return;
        }
        reinterpret_cast<Player>(m_player)(path);
    }

private:
    bool m_tried = false;
    QFunctionPointer m_player = nullptr;
};

class MonotonicClock final : public Clock {
public:
    MonotonicClock() { m_timer.start(); }
    qint64 milliseconds() override { return m_timer.elapsed(); }
    void sleep(qint64 ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

private:
    QElapsedTimer m_timer;
};

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

class DesktopShell final : public Shell {
public:
    void open(const QString& target, QWidget*) override
    {
        QDesktopServices::openUrl(QUrl(target));
    }
    bool startProgram(const QString& path) override { return QProcess::startDetached(path, {}); }
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
        // Only the X server tells which window lies on top at a point (from its
        // own coordinates, which are also the events' global positions). A
        // Wayland compositor keeps the stacking to itself, and a headless
        // platform has none: there the window's own geometry decides.
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
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
    static IniSettings settingsMedium;
    static LockFileSingleCopy single;
    static SoundEffects soundEffects;
    static MonotonicClock monotonic;
    static SeededRandom seeded;
    static ProcessEnvironment env;
    static DesktopShell desktopShell;
    static ModalDialogs modal;
    static QtApplication app;
    static std::unique_ptr<Registry> systemRegistry(makeSystemRegistry());
    Services s;
    s.settings = &settingsMedium;
    s.singleCopy = &single;
    s.sound = &soundEffects;
    s.clock = &monotonic;
    s.random = &seeded;
    s.environment = &env;
    s.shell = &desktopShell;
    s.dialogs = &modal;
    s.application = &app;
    s.registry = systemRegistry.get();
    s.windowStack = &desktopWindowStack();
    install(s);
}

} // namespace platform
