// How the program's windows come and go.
#pragma once

class QWidget;

namespace topwindows {

// Closes a window and destroys it once control is back in the event loop, so
// that a handler of the window itself can go on to its end.
void closeAndDestroy(QWidget* window);

// Makes the program end when the last of its windows has been closed. Qt's own
// rule would also end it during a hand-over, when one window closes before the
// next is shown within the same handler; this one looks once that handler has
// returned.
void endWhenLastWindowCloses(QWidget* window);

// Places a window in the middle of the screen's available area.
void centreOnScreen(QWidget* window);
// Shows a window (again) and brings it in front of the others.
void showInFront(QWidget* window);

// Destroys the windows still up once the program's event loop has returned
// (after a quit), those that no other window owns.
void destroyRemaining();

} // namespace topwindows
