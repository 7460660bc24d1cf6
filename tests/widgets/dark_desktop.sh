#!/usr/bin/env bash
# dark_desktop.sh SCHEMESHOTS
# The program on a dark GNOME-like desktop: Qt's gtk3 platform theme with
# Adwaita:dark on a private X server. The numbers placed in the slots and the
# tip's text, both on fixed light backgrounds, stand at least 4.5:1 against
# them in the pixels that the X server holds.
here=$(cd "$(dirname "$0")/../reliability" && pwd)
source "$here/lib.sh"
rel_setup
rel_xvfb
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
out=$REL_TMP/shots
code=0
"$1" "$out" desktop Form1/Label5_0 frmTip/lblTipText frmTip/Label1 >"$REL_TMP/table" 2>"$REL_TMP/err" || code=$?
cat "$REL_TMP/table"
# The theme must have made the desktop dark, or the run proves nothing.
window=$(sed -n 's/^palette: window #\([0-9a-f]*\).*/\1/p' "$REL_TMP/table")
[ -n "$window" ] || rel_fail "no palette reported"
[ $((16#${window:0:2})) -lt 128 ] \
  || rel_fail "the gtk3 platform theme gave no dark window (#$window): qt6-gtk-platformtheme and gnome-themes-extra installed?"
[ "$code" -eq 0 ] || rel_fail "a slot's number or the tip's text is under 4.5:1 on the dark desktop"
echo "PASS"
