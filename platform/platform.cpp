#include "platform.h"

#include <QDir>

namespace platform {
namespace {
Services g_services;

template <typename T>
T& need(T* service, const char* name)
{
    if (!service)
        qFatal("platform: no %s service installed", name);
    return *service;
}
} // namespace

void install(const Services& s)
{
    if (s.settings) g_services.settings = s.settings;
    if (s.singleCopy) g_services.singleCopy = s.singleCopy;
    if (s.sound) g_services.sound = s.sound;
    if (s.clock) g_services.clock = s.clock;
    if (s.random) g_services.random = s.random;
    if (s.environment) g_services.environment = s.environment;
    if (s.shell) g_services.shell = s.shell;
    if (s.dialogs) g_services.dialogs = s.dialogs;
    if (s.application) g_services.application = s.application;
    if (s.registry) g_services.registry = s.registry;
    if (s.windowStack) g_services.windowStack = s.windowStack;
}

SettingsMedium& settings() { return need(g_services.settings, "settings"); }
SingleCopy& singleCopy() { return need(g_services.singleCopy, "single-copy"); }
Sound& sound() { return need(g_services.sound, "sound"); }
Clock& clock() { return need(g_services.clock, "clock"); }
Random& random() { return need(g_services.random, "random"); }
Environment& environment() { return need(g_services.environment, "environment"); }
Shell& shell() { return need(g_services.shell, "shell"); }
Dialogs& dialogs() { return need(g_services.dialogs, "dialogs"); }
Application& application() { return need(g_services.application, "application"); }
Registry& registry() { return need(g_services.registry, "registry"); }
WindowStack& windowStack() { return need(g_services.windowStack, "window-stack"); }

QString joinPath(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty())
        return fileName;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

} // namespace platform
