#include "fakeplatform.h"

#include "widgets/programstyle.h"

#include <QApplication>

#include <cstring>

namespace fake {

std::optional<QString> Settings::read(const QString& app, const QString& section,
                                      const QString& key)
{
    reads.append(path(app, section, key));
    const auto it = values.constFind(path(app, section, key));
    if (it == values.constEnd())
        return std::nullopt;
    return *it;
}

bool Settings::write(const QString& app, const QString& section, const QString& key,
                     const QString& value)
{
    writes.append(path(app, section, key) + QLatin1Char('=') + value);
    if (refuseWrites)
        return false;
    values.insert(path(app, section, key), value);
    return true;
}

double Random::next()
{
    ++draws;
    if (!queued.empty()) {
        const double v = queued.front();
        queued.pop_front();
        return v;
    }
    if (cycle.empty())
        return 0.5;
    const double v = cycle[cycleAt % cycle.size()];
    ++cycleAt;
    return v;
}

void Dialogs::message(QWidget*, const QString& text, const QString& title,
                      platform::MessageIcon icon)
{
    messages.append({text, title, icon});
    if (onMessage)
        onMessage(messages.last());
}

QString Dialogs::input(QWidget*, const QString& prompt, const QString& title,
                       const QString& defaultText)
{
    inputs.append({prompt, title, defaultText});
    return answers.isEmpty() ? QString() : answers.takeFirst();
}

void Registry::setText(const std::string& key, const std::string& name, const std::string& text)
{
    Value v{platform::kRegSz, std::vector<unsigned char>(text.begin(), text.end())};
    v.bytes.push_back(0);
    keys[key][name] = v;
}

long Registry::openKey(platform::RegKey, const std::string& subKey, std::uint32_t access,
                       platform::RegKey* result)
{
    opened.push_back(subKey);
    accessMasks.push_back(access);
    if (!keys.count(subKey)) {
        *result = 0;
        return platform::kErrorFileNotFound;
    }
    m_handles.push_back(subKey);
    *result = m_handles.size();
    return platform::kErrorSuccess;
}

long Registry::queryValue(platform::RegKey key, const std::string& valueName,
                          std::uint32_t* type, unsigned char* data, std::uint32_t* size)
{
    if (key == 0 || key > m_handles.size())
        return 6; // invalid handle
    const auto& values = keys[m_handles[key - 1]];
    const auto it = values.find(valueName);
    if (it == values.end())
        return platform::kErrorFileNotFound;
    const Value& v = it->second;
    if (v.bytes.size() > *size)
        return platform::kErrorMoreData;
    if (!v.bytes.empty())
        std::memcpy(data, v.bytes.data(), v.bytes.size());
    *size = std::uint32_t(v.bytes.size());
    *type = v.type;
    return platform::kErrorSuccess;
}

long Registry::closeKey(platform::RegKey key)
{
    if (key != 0)
        ++closes;
    return platform::kErrorSuccess;
}

Platform::Platform() { install(); }

void Platform::install()
{
    platform::Services s;
    s.settings = &settings;
    s.singleCopy = &singleCopy;
    s.sound = &sound;
    s.clock = &clock;
    s.random = &random;
    s.environment = &environment;
    s.shell = &shell;
    s.dialogs = &dialogs;
    s.application = &application;
    s.registry = &registry;
    s.windowStack = &windowStack;
    platform::install(s);
    // The program's style, as the program's start installs it before any window.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        ProgramStyle::install();
}

} // namespace fake
