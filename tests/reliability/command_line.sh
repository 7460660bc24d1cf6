#!/usr/bin/env bash
# command_line.sh PROGRAM
# The program reads no command line: whatever arguments it is given, Qt's own
# options included (-reverse mirrors a window, -style changes its look,
# -platform another display), it shows the same main window as without any.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$1
rel_setup
rel_xvfb
mkdir -p "$XDG_CONFIG_HOME/montivant"
printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$XDG_CONFIG_HOME/montivant/$(basename "$program").ini"

# shot NAME ARGS...: starts the program, saves its first window as NAME.png.
shot() {
  local name=$1; shift
  "$program" "$@" >"$REL_TMP/$name.out" 2>&1 & local pid=$!
  REL_PIDS+=("$pid")
  rel_wait_window "$pid" 30 "$REL_TMP/$name.out"
  # The window once drawn: not of one colour, and two pictures in a row the same.
  local wid i
  wid=$(rel_windows "$pid" | head -n 1)
  import -window "$wid" "$REL_TMP/$name.png"
  for i in $(seq 60); do
    import -window "$wid" "$REL_TMP/$name.next.png"
    [ "$(compare -metric AE "$REL_TMP/$name.png" "$REL_TMP/$name.next.png" null: 2>&1 || true)" = 0 ] \
      && [ "$(identify -format %k "$REL_TMP/$name.png")" -gt 1 ] && break
    mv "$REL_TMP/$name.next.png" "$REL_TMP/$name.png"
    [ "$i" -lt 60 ] || rel_fail "the window of '$name' was not drawn, or still changing, after 60 pictures"
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

shot plain
for args in "-reverse" "-style windows" "-platform offscreen" "-stylesheet /nonexistent" \
            "--help" "un argument quelconque"; do
  # shellcheck disable=SC2086
  shot other $args
  differ=$(compare -metric AE "$REL_TMP/plain.png" "$REL_TMP/other.png" null: 2>&1 || true)
  [ "$differ" = "0" ] || rel_fail "with '$args' the window differs in $differ pixels"
  echo "'$args': the same window"
done
