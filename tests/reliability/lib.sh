# Shared by the shell tests of this folder: a private X server, a private
# temporary folder and settings store, waiting for a program's first window.
# Source it, then call rel_setup.
set -euo pipefail

REL_XVFB_PID=
REL_PIDS=()

rel_fail() { echo "FAIL: $*" >&2; exit 1; }

# Kills a process and everything it started (a wrapper's program too).
rel_kill_tree() {
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do rel_kill_tree "$child"; done
  kill -9 "$1" 2>/dev/null || true
}

rel_cleanup() {
  local p
  for p in "${REL_PIDS[@]}"; do rel_kill_tree "$p"; done
  for p in "${REL_PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  [ -n "$REL_XVFB_PID" ] && kill "$REL_XVFB_PID" 2>/dev/null || true
  # Folders that a test made read-only: an unprivileged user (a package
  # build) could not empty them otherwise.
  if [ -n "${REL_TMP:-}" ]; then
    chmod -R u+rwX "$REL_TMP" 2>/dev/null || true
    rm -rf "$REL_TMP"
  fi
  return 0
}

# A folder of its own under /tmp that an unprivileged user can enter: TMPDIR
# (the single-copy lock lives there, so runs never meet another program's
# lock), HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR all point into it.
rel_setup() {
  REL_TMP=$(mktemp -d /tmp/montivant-test.XXXXXX)
  chmod 755 "$REL_TMP"
  trap rel_cleanup EXIT
  rel_home "$REL_TMP/home"
}

# Points the environment at a fresh home folder.
rel_home() {
  mkdir -p "$1/config" "$1/run" "$1/tmp"
  chmod 700 "$1/run"
  export HOME=$1 XDG_CONFIG_HOME=$1/config XDG_RUNTIME_DIR=$1/run TMPDIR=$1/tmp
}

# Starts Xvfb on the first free display from 74 on and exports DISPLAY.
rel_xvfb() {
  local n
  for n in $(seq 74 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset: the server would otherwise reset when its last client goes,
    # and a program starting during the reset could not connect.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    REL_XVFB_PID=$!
    local i
    for i in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1 && break
      kill -0 "$REL_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if kill -0 "$REL_XVFB_PID" 2>/dev/null && xdpyinfo -display ":$n" >/dev/null 2>&1; then
      export DISPLAY=":$n"
      unset QT_QPA_PLATFORM
      return 0
    fi
    kill "$REL_XVFB_PID" 2>/dev/null || true
  done
  rel_fail "no X display could be started"
}

# The visible windows of a process, one id per line.
rel_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# Waits until process $1 shows a window (at most $2 seconds, 30 by default);
# fails when the process ends first or nothing shows, with what it printed
# (file $3) if given.
rel_wait_window() {
  local pid=$1 limit=$(( ${2:-30} * 20 )) log=${3:-} i
  for i in $(seq "$limit"); do
    [ -n "$(rel_windows "$pid")" ] && return 0
    if ! kill -0 "$pid" 2>/dev/null; then
      [ -n "$log" ] && sed 's/^/  | /' "$log" >&2
      rel_fail "process $pid ended before showing a window"
    fi
    sleep 0.05
  done
  [ -n "$log" ] && sed 's/^/  | /' "$log" >&2
  rel_fail "process $pid showed no window"
}

# Runs a command as an unprivileged user when we are root (root ignores
# permission bits), as ourselves otherwise; the environment is kept.
rel_as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
  else
    "$@"
  fi
}
