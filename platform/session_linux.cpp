// The graphical session on Linux: an X or Wayland display, or a platform
// named by hand.
#include "platform.h"

namespace platform {

bool graphicalSessionPresent()
{
    // A platform named by hand (offscreen in tests) needs no display server.
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void prepareQt() {}

} // namespace platform
