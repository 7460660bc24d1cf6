// The program-wide settings of Qt that every window relies on.
#pragma once

namespace application {

// Prepares the running QApplication as the program needs it, before any
// window exists: its desktop identity, its own rule for ending, the windows'
// font and style, and Qt's own texts in French. The program's entry calls it;
// so do the harnesses that start the program's windows as the program does.
void prepare();

} // namespace application
