#!/usr/bin/env bash
# wayland_app_id.sh PROGRAM DESKTOP_ENTRY
# Under a Wayland compositor (weston, headless) the program's windows carry
# the app id of its desktop entry, so that the dock shows its icon and name.
# The id is read from the client's own protocol log (WAYLAND_DEBUG).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
program=$1 entry=$2
rel_setup

command -v weston >/dev/null || { echo "skipped: weston is not installed"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
  || { echo "skipped: the Qt Wayland plugin (qt6-wayland) is not installed"; exit 77; }

socket=wayland-montivant-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$REL_TMP/weston.log" 2>&1 &
REL_PIDS+=($!)
for i in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$REL_TMP/weston.log" >&2; rel_fail "weston did not start"; }

unset DISPLAY
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" >"$REL_TMP/log" 2>&1 &
pid=$!
REL_PIDS+=("$pid")
app_id=
for i in $(seq 200); do
  app_id=$(sed -n 's/.*xdg_toplevel[@#][0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$REL_TMP/log" | head -1)
  [ -n "$app_id" ] && break
  kill -0 "$pid" 2>/dev/null || { tail -20 "$REL_TMP/log" >&2; rel_fail "the program ended before its first window"; }
  sleep 0.1
done
kill "$pid"
echo "app id: ${app_id:-none}; desktop entry: $(basename "$entry")"
[ -n "$app_id" ] || rel_fail "no window was given an app id"
[ "$app_id.desktop" = "$(basename "$entry")" ] || rel_fail "the app id does not name the desktop entry"
echo "ok: the Wayland app id is the desktop entry's"
