// The shell's "open" (the mail program for a mailto: address, the browser for
// a web page) and program starts on Windows, both through ShellExecute.
#include "system.h"

#include <QDir>
#include <QWidget>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <shellapi.h>

namespace platform {

namespace system {
namespace {

HWND windowOf(QWidget* widget)
{
    return widget ? reinterpret_cast<HWND>(widget->window()->winId()) : nullptr;
}

class WindowsShell final : public Shell {
public:
    void open(const QString& target, QWidget* parent) override
    {
        const std::wstring what = target.toStdWString();
        ::ShellExecuteW(windowOf(parent), L"open", what.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    bool startProgram(const QString& path) override
    {
        // A normal window that takes the focus; the program is not waited for.
        const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
        SHELLEXECUTEINFOW info {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = file.c_str();
        info.nShow = SW_SHOWNORMAL;
        return ::ShellExecuteExW(&info) != FALSE;
    }
};

} // namespace

Shell& shell()
{
    static WindowsShell windowsShell;
    return windowsShell;
}

bool windowSystemTellsStacking(const QString& platformName)
{
    return platformName == QLatin1String("windows");
}

} // namespace system
} // namespace platform
