// Keys that reach a window a second time, late.
//
// Under a screen reader Qt hands each key to the reader first, and to the
// window it was typed in only once the reader has answered. The shortcuts and
// the menu bar have already seen the key as the window system reported it;
// the widgets get it then. On a busy machine this goes wrong in two ways:
// - the Alt of an access key arrives after the menu that its letter opened,
//   and closes it, with the key the child types next lost;
// - the menu bar sees Alt a second time, without the access key's press (that
//   one went to its shortcut), takes it for Alt alone and selects itself; and
//   Alt typed alone selects the menu bar, then leaves it again.
#pragma once

class QMainWindow;

namespace latekeys {

// From now on a key handed late to `window` (not from the window system)
// while a menu is open goes to the control of `window` that has the focus, as
// it would have without a screen reader, and leaves the menu open; a late Alt
// is dropped, and the menu bar follows the window system's keys only.
// Call it before the menus are added: the window's menu bar is made here.
void guardMenus(QMainWindow* window);

} // namespace latekeys
