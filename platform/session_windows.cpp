// The graphical session on Windows, and Qt's text drawing there.
#include "platform.h"

namespace platform {

// Windows always has its desktop.
bool graphicalSessionPresent() { return true; }

void prepareQt()
{
    // The windows are laid out in twips for the metrics of Arial as Qt's
    // FreeType engine gives them on the other systems: the same engine here
    // keeps every caption whole (Qt 6.4's GDI engine left some out under Wine).
    // A platform named by the user (or a test) stays as it is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

} // namespace platform
