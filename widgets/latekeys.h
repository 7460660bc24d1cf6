// Keys that reach a window after one of its menus opened.
//
// Under a screen reader Qt hands each key to the reader first, and to the
// window it was typed in only once the reader has answered; the window then
// gives it to whatever menu is open. On a busy machine the Alt of an access
// key can so arrive after the menu that its letter opened, and close it at
// once, with the key the child types next lost.
#pragma once

class QWidget;

namespace latekeys {

// From now on a key handed late to `window` (not from the window system)
// while a menu is open goes to the control of `window` that has the focus, as
// it would have without a screen reader, and leaves the menu open.
void keepMenusOpen(QWidget* window);

} // namespace latekeys
