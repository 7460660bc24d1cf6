// The registry as the program sees it on Linux, where there is none: the
// location where Windows records the system information tool is answered with
// the first such tool found on the PATH, and every other key is absent.
#pragma once

#include "registry.h"

#include <string>
#include <vector>

namespace platform {

// The tools looked for, in this order: the GTK system profiler (under its new
// and its old name), KDE's Info Center, GNOME's system monitor.
const std::vector<std::string>& systemInfoTools();

// The full path of the first tool of systemInfoTools() that is an executable
// file in a folder of pathVariable (folders separated by ':'); empty when
// none is. Only absolute folders count: an empty or relative entry would
// start whatever lies in the current folder under one of those names.
std::string findSystemInfoTool(const std::string& pathVariable);

// A registry over the given PATH text (the process's PATH for the program).
Registry* makeLinuxRegistry(const std::string& pathVariable);

} // namespace platform
