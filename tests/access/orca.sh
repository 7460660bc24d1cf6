#!/usr/bin/env bash
# orca.sh PROGRAM [SCENARIO]
# A blind child's exercise with Debian's own screen reader: Orca runs headless
# on a private X server, with a French voice (speech-dispatcher and espeak-ng)
# into a private PulseAudio null sink, and the real program; the scenario
# (orca_play.py unless another script of this folder is named) plays from the
# keyboard and checks what Orca said (the "SPEECH OUTPUT" lines of its debug
# log). orca_play.py also holds the session and speech helpers of the others.
#
# Orca runs as an unprivileged account of its own (MONTIVANT_ORCA_ACCOUNT,
# montivant-orca unless set): it will not start while another Orca runs under
# the same uid, so runs side by side need an account each. As root the account is made when it is
# missing, and the French locale generated; without root the run is made as
# ourselves, and skipped (77) only when another Orca of ours is running.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
program=$1
scenario=$(basename "${2:-orca_play.py}")
[ -f "$here/$scenario" ] || rel_fail "no scenario $here/$scenario"
account=${MONTIVANT_ORCA_ACCOUNT:-montivant-orca}

for tool in orca Xvfb xdotool xdpyinfo dbus-run-session dbus-send pulseaudio speech-dispatcher; do
  command -v "$tool" >/dev/null || rel_fail "$tool is missing (scripts/dev test installs it)"
done
[ -x /usr/libexec/at-spi-bus-launcher ] && [ -x /usr/libexec/at-spi2-registryd ] \
  || rel_fail "at-spi2-core is missing (scripts/dev test installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || rel_fail "python3-pyatspi is missing (scripts/dev test installs it)"

if [ "$(id -u)" -eq 0 ]; then
  (
    flock 9
    if ! locale -a | grep -qix 'fr_FR.utf8'; then
      grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen && sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
      grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >>/etc/locale.gen
      locale-gen >/dev/null || rel_fail "locale-gen could not make fr_FR.UTF-8"
    fi
    getent passwd "$account" >/dev/null \
      || useradd --system --user-group --no-create-home --home-dir /nonexistent \
                 --shell /usr/sbin/nologin "$account" \
      || rel_fail "could not make the account $account"
  ) 9>/tmp/montivant-orca-setup.lock
  run_uid=$(id -u "$account") run_gid=$(id -g "$account")
  # Orca will not start while another Orca of the account runs: the one of
  # the test before this one may still be ending.
  for i in $(seq 600); do
    pgrep -u "$run_uid" -x orca >/dev/null || break
    sleep 0.05
  done
  ! pgrep -u "$run_uid" -x orca >/dev/null \
    || rel_fail "an Orca of $account still runs after 30 s: $(pgrep -a -u "$run_uid" -x orca)"
else
  if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "another Orca runs under this account and this is not root (no account of its own can be made); not run"
    exit 77
  fi
  run_uid=$(id -u) run_gid=$(id -g)
fi
locale -a | grep -qix 'fr_FR.utf8' || echo "note: no fr_FR.UTF-8 locale; Orca's own words will be English"

rel_setup
# A display of our own: the first free one from MONTIVANT_FIRST_DISPLAY on.
first=${MONTIVANT_FIRST_DISPLAY:-74}
for n in $(seq "$first" $((first + 60))); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  REL_XVFB_PID=$!
  for i in $(seq 100); do
    xdpyinfo -display ":$n" >/dev/null 2>&1 && break
    kill -0 "$REL_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  if xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; break; fi
  kill "$REL_XVFB_PID" 2>/dev/null || true
  REL_XVFB_PID=
done
[ -n "$REL_XVFB_PID" ] || rel_fail "no X display could be started"

# The program, its home (tips off, so that the first window is the main
# window) and the driver, where the account can read them.
h=$REL_TMP/orca
mkdir -p "$h/app" "$h/config/montivant" "$h/run" "$h/tmp" "$h/log"
cp "$program" "$h/app/montivant"
cp "$here/orca_play.py" "$h/app/"
[ "$scenario" = orca_play.py ] || cp "$here/$scenario" "$h/app/"
printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$h/config/montivant/montivant.ini"
chmod 700 "$h/run"
chown -R "$run_uid:$run_gid" "$h"

env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$h" XDG_CONFIG_HOME="$h/config" \
    XDG_DATA_HOME="$h/data" XDG_CACHE_HOME="$h/cache" XDG_RUNTIME_DIR="$h/run" TMPDIR="$h/tmp" \
    LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
    setpriv --reuid="$run_uid" --regid="$run_gid" --clear-groups -- \
    dbus-run-session -- /usr/bin/python3 "$h/app/$scenario" "$h/app/montivant" "$h/log" &
player=$!
REL_PIDS+=("$player")
status=0
wait "$player" || status=$?
REL_PIDS=()
# What Orca said, for whoever reads a failure.
if [ "$status" -ne 0 ]; then
  echo "--- what Orca said:"
  grep -a 'SPEECH OUTPUT' "$h/log/orca.log" 2>/dev/null | sed 's/^/  | /' | tail -120
fi
[ -n "${MONTIVANT_ORCA_KEEP_LOG:-}" ] && cp "$h/log/orca.log" "$MONTIVANT_ORCA_KEEP_LOG" 2>/dev/null
exit "$status"
