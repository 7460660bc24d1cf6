// Module1: the start-up procedure.
#pragma once

namespace Module1 {
// Loads the main window (a second copy ends there), shows the tip of the day
// modally when the setting asks for it, then shows the main window and returns.
void Main();
} // namespace Module1
