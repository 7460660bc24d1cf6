// The services whose implementation depends on the operating system, one file
// per service and system beside this header (settings_linux.cpp,
// settings_windows.cpp ...); the build picks the files of the system it
// builds for. realplatform.cpp installs them with the portable ones.
#pragma once

#include "platform.h"

namespace platform::system {

// The per-user settings store: an INI file under the user's configuration
// folder on Linux, the user's registry hive on Windows.
SettingsMedium& settings();
// One copy per user session: a lock file in a private folder on Linux, a
// named mutex of the session on Windows.
SingleCopy& singleCopy();
// Asynchronous WAV playback.
Sound& sound();
// The system's millisecond counter and a sleep that handles no event.
Clock& clock();
// The desktop's "open" and program starts.
Shell& shell();
// Whether the platform can tell which window is on top at a point.
bool windowSystemTellsStacking(const QString& platformName);

} // namespace platform::system
