// The desktop's "open" (xdg-open, through Qt) and program starts on Linux.
#include "system.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace system {
namespace {

class DesktopShell final : public Shell {
public:
    void open(const QString& target, QWidget*) override
    {
        QDesktopServices::openUrl(QUrl(target));
    }
    bool startProgram(const QString& path) override { return QProcess::startDetached(path, {}); }
};

} // namespace

Shell& shell()
{
    static DesktopShell desktop;
    return desktop;
}

bool windowSystemTellsStacking(const QString& platformName)
{
    // Only the X server tells which window lies on top at a point; a Wayland
    // compositor keeps the stacking to itself, and a headless platform has none.
    return platformName == QLatin1String("xcb");
}

} // namespace system
} // namespace platform
