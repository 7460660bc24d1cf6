// Fakes of the platform services: each records what it was asked and answers
// what the test decides. A FakePlatform installs all of them at construction.
#pragma once

#include "platform/platform.h"

#include <QList>
#include <QRectF>
#include <QMap>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fake {

class Settings : public platform::SettingsMedium {
public:
    // Keyed by "app/section/key".
    QMap<QString, QString> values;
    QStringList reads;  // "app/section/key", in order
    QStringList writes; // "app/section/key=value", in order
    bool refuseWrites = false;
    static QString path(const QString& app, const QString& section, const QString& key)
    {
        return app + QLatin1Char('/') + section + QLatin1Char('/') + key;
    }
    std::optional<QString> read(const QString& app, const QString& section,
                                const QString& key) override;
    bool write(const QString& app, const QString& section, const QString& key,
               const QString& value) override;
};

class SingleCopy : public platform::SingleCopy {
public:
    bool another = false;
    int asked = 0;
    bool anotherCopyRunning() override
    {
        ++asked;
        return another;
    }
};

class Sound : public platform::Sound {
public:
    QStringList played;
    void play(const QString& path) override { played.append(path); }
};

// Each reading moves the counter on by `step` ms; a sleep moves it on by the
// time asked (or only by `sleepShare` of it, at least 1 ms, to stand for a
// sleep that ends early), so that waits end at once and always alike.
class Clock : public platform::Clock {
public:
    qint64 now = 1000;
    qint64 step = 1;
    QList<qint64> readings; // the values read, in order
    QList<qint64> sleeps;   // the lengths asked, in order
    double sleepShare = 1.0;
    qint64 milliseconds() override
    {
        const qint64 t = now;
        readings.append(t);
        now += step;
        return t;
    }
    void sleep(qint64 ms) override
    {
        sleeps.append(ms);
        now += qMax<qint64>(1, qint64(ms * sleepShare));
    }
};

// Gives the queued values first, then repeats `cycle` (or 0.5 when empty).
class Random : public platform::Random {
public:
    std::deque<double> queued;
    std::vector<double> cycle;
    std::size_t cycleAt = 0;
    int draws = 0;
    int reseeds = 0;
    double next() override;
    void mixInClock() override { ++reseeds; }
};

class Environment : public platform::Environment {
public:
    QString folder = QStringLiteral("/opt/montivant");
    QString baseName = QStringLiteral("montivant");
    QString separator = QStringLiteral(",");
    QString programFolder() override { return folder; }
    QString executableBaseName() override { return baseName; }
    QString decimalSeparator() override { return separator; }
};

class Shell : public platform::Shell {
public:
    QStringList opened;
    QStringList started;
    bool startSucceeds = true;
    void open(const QString& target, QWidget*) override { opened.append(target); }
    bool startProgram(const QString& path) override
    {
        started.append(path);
        return startSucceeds;
    }
};

class Dialogs : public platform::Dialogs {
public:
    struct Message {
        QString text, title;
        platform::MessageIcon icon;
    };
    struct Input {
        QString prompt, title, defaultText;
    };
    QList<Message> messages;
    QList<Input> inputs;
    // Answers of the input box, in order; the empty text (a cancel) when none is left.
    QStringList answers;
    // Runs while a message box would be open (to look at the state then).
    std::function<void(const Message&)> onMessage;
    void message(QWidget*, const QString& text, const QString& title,
                 platform::MessageIcon icon) override;
    QString input(QWidget*, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
};

class Application : public platform::Application {
public:
    int quits = 0;
    int terminations = 0;
    void quit() override { ++quits; }
    void terminateSilently() override { ++terminations; }
};

// A registry of keys (by root and path) holding typed byte values.
class Registry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> bytes;
    };
    // key path -> value name -> value, all under one root.
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;       // every key path asked for
    std::vector<std::uint32_t> accessMasks; // the rights asked at each open
    int closes = 0;
    void setText(const std::string& key, const std::string& name, const std::string& text);
    long openKey(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                 platform::RegKey* result) override;
    long queryValue(platform::RegKey key, const std::string& valueName, std::uint32_t* type,
                    unsigned char* data, std::uint32_t* size) override;
    long closeKey(platform::RegKey key) override;

private:
    std::vector<std::string> m_handles; // handle n is m_handles[n - 1]
};

// The screen: the rectangles (global coordinates) where another window covers
// the program's windows.
class WindowStack : public platform::WindowStack {
public:
    QList<QRectF> covered;
    int asked = 0;
    bool showsAt(const QWidget*, const QPointF& globalPos) override
    {
        ++asked;
        for (const QRectF& r : covered)
            if (r.contains(globalPos))
                return false;
        return true;
    }
};

struct Platform {
    Settings settings;
    SingleCopy singleCopy;
    Sound sound;
    Clock clock;
    Random random;
    Environment environment;
    Shell shell;
    Dialogs dialogs;
    Application application;
    Registry registry;
    WindowStack windowStack;
    // Installs every fake (done at construction).
    Platform();
    void install();
};

} // namespace fake
