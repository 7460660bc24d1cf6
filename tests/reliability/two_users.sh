#!/usr/bin/env bash
# two_users.sh PROGRAM
# Two accounts on one computer: one cannot stop the other's program from
# starting. The "attacker" (uid 65534) runs the program itself, then plants
# copies of its live lock wherever it can write: the temporary folder where the
# lock used to be (/tmp and a shared folder like it), a shared folder given as
# the victim's runtime folder, folders of its own. The "victim" (uid 65533)
# must start and show its window in every case, while its own second copy
# still ends silently. Needs root, to act as the two users.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$1
if [ "$(id -u)" -ne 0 ]; then
  echo "two_users.sh needs root to run as two users; not run"
  exit 77
fi
victim=65533 attacker=65534
old_place=/tmp/montivant-$victim.lock
rel_setup
trap 'rm -f "$old_place"; rel_cleanup' EXIT
rel_xvfb

# The program where both users can read it.
app=$REL_TMP/app
mkdir -p "$app"
cp "$program" "$app/montivant"
chmod -R a+rX "$app"

# A home of its own for each user, tips off so that the first window is the
# main window; the runtime folder private (0700), as a session makes it.
for who in victim attacker; do
  uid=${!who}
  h=$REL_TMP/$who
  mkdir -p "$h/config/montivant" "$h/run" "$h/tmp"
  printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$h/config/montivant/montivant.ini"
  chmod 700 "$h" "$h/run"
  chown -R "$uid:$uid" "$h"
done
V=$REL_TMP/victim A=$REL_TMP/attacker
# A folder that every user can write, as /tmp.
shared=$REL_TMP/shared
mkdir -p "$shared" && chmod 1777 "$shared"

# as UID VAR=VALUE... -- COMMAND...: a command as that user, with only the
# variables given (and the display and a UTF-8 locale, as a session has them:
# without one Qt 6.8 warns about it on stderr, which would hide whether the
# program itself stays silent); `exec` keeps the program's pid.
as() {
  local uid=$1; shift
  local vars=(DISPLAY="$DISPLAY" PATH=/usr/bin:/bin LANG=C.UTF-8)
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  exec env -i "${vars[@]}" setpriv --reuid="$uid" --regid="$uid" --clear-groups -- "$@"
}
home_vars() { echo "HOME=$1 XDG_CONFIG_HOME=$1/config"; }

# The attacker's own copy, with a real live lock in its runtime folder.
(as $attacker $(home_vars "$A") XDG_RUNTIME_DIR="$A/run" TMPDIR="$A/tmp" -- "$app/montivant") \
  >"$REL_TMP/attacker.out" 2>&1 &
apid=$!
REL_PIDS+=("$apid")
rel_wait_window "$apid" 30 "$REL_TMP/attacker.out"
alock=
for f in "$A/run/montivant.lock" "$A/.cache/montivant/montivant.lock" "$A/tmp"/montivant*.lock; do
  [ -s "$f" ] && { alock=$f; break; }
done
[ -n "$alock" ] || rel_fail "the attacker's copy holds no lock"
head -1 "$alock" | grep -qx "$apid" || rel_fail "the attacker's lock does not name its copy"

# Copies of that live lock wherever the attacker can write. Each names a live
# process called montivant on this machine, so a program that read it would
# take it for a running copy.
plant() { as $attacker -- sh -c 'mkdir -p "$(dirname "$2")" && cat "$1" >"$2"' sh "$alock" "$1"; }
rm -f "$old_place"
for f in "$old_place" "$shared/montivant-$victim.lock" "$shared/montivant.lock" \
         "$shared/montivant/montivant.lock" "$A/open/montivant.lock" "$A/cache/montivant/montivant.lock"; do
  (plant "$f") || rel_fail "the attacker could not plant $f"
done
chmod 755 "$A" "$A/open" "$A/cache" "$A/cache/montivant"
# The victim's own folders are closed to the attacker.
for f in "$V/run/montivant.lock" "$V/.cache/montivant.lock" "$V/x"; do
  (as $attacker -- sh -c ': >"$1"' sh "$f") 2>/dev/null && rel_fail "the attacker could write $f"
done

# victim_starts NAME VAR=VALUE...: the victim's program started with these
# variables shows its window, even with the attacker's copy running.
victim_starts() {
  local name=$1; shift
  echo "victim starts: $name..."
  (as $victim $(home_vars "$V") "$@" -- "$app/montivant") >"$REL_TMP/victim.out" 2>&1 &
  local pid=$!
  REL_PIDS+=("$pid")
  rel_wait_window "$pid" 30 "$REL_TMP/victim.out"
  echo "  its window is up"
  vpid=$pid
}
victim_stops() { kill "$vpid"; wait "$vpid" 2>/dev/null || true; }

# 1. Runtime folder private, temporary folder /tmp (where the lock used to
#    be, planted there). While it runs, its own second copy ends silently.
victim_starts "private runtime folder, lock planted in /tmp" XDG_RUNTIME_DIR="$V/run"
[ -s "$V/run/montivant.lock" ] || rel_fail "no lock in the victim's runtime folder"
(as $victim $(home_vars "$V") XDG_RUNTIME_DIR="$V/run" -- "$app/montivant") >"$REL_TMP/second.out" 2>&1 &
second=$!
REL_PIDS+=("$second")
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || rel_fail "the victim's second copy ended with status $status"
[ ! -s "$REL_TMP/second.out" ] || rel_fail "the victim's second copy printed: $(head -c 300 "$REL_TMP/second.out")"
echo "victim's second copy: ended silently"
victim_stops

# 2. No runtime folder, temporary folder shared (planted there): the lock
#    goes to the victim's cache folder, made for the victim alone.
victim_starts "no runtime folder, shared temporary folder" TMPDIR="$shared"
[ -s "$V/.cache/montivant/montivant.lock" ] || rel_fail "no lock in the victim's cache folder"
[ "$(stat -c %a "$V/.cache/montivant")" = 700 ] || rel_fail "the victim's lock folder is not 0700"
victim_stops

# 3. A runtime folder that others can write (holding the planted locks).
victim_starts "runtime folder shared like /tmp" XDG_RUNTIME_DIR="$shared" TMPDIR="$shared"
victim_stops
# 4. The attacker's own runtime folder (0700, with its live lock), and one of
#    its folders open to reading (0755, with a planted lock).
victim_starts "the attacker's private runtime folder" XDG_RUNTIME_DIR="$A/run"
victim_stops
victim_starts "a runtime folder of the attacker's, open to reading" XDG_RUNTIME_DIR="$A/open"
victim_stops
# 5. No private folder at all (the cache folder is the attacker's): the
#    program starts, without the single-copy test.
victim_starts "no private folder anywhere" XDG_RUNTIME_DIR="$A/open" XDG_CACHE_HOME="$A/cache"
victim_stops

# The attacker's copy ran all along, undisturbed by the victim's.
kill -0 "$apid" 2>/dev/null || rel_fail "the attacker's copy has gone"
[ -n "$(rel_windows "$apid")" ] || rel_fail "the attacker's copy lost its window"
echo "ok: neither user stopped the other's program"
