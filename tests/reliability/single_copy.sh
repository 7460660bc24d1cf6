#!/usr/bin/env bash
# single_copy.sh PROGRAM runtime|none
# Two copies started at the same moment, twenty times: exactly one of them shows
# a window, the other ends at once with status 0 and prints nothing. Then the
# copy that won is killed with SIGKILL, and its stale lock must not stop the
# next start. With "runtime" the session has a runtime folder (the lock lives
# there); with "none" it has none (the lock lives in the user's cache folder).
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
program=$1 runtime=${2:-runtime}
rel_setup
rel_xvfb
# A UTF-8 locale, as every session has: without one Qt 6.8 warns on stderr
# about it, which would hide whether the program itself stays silent.
export LC_ALL=C.UTF-8
if [ "$runtime" = none ]; then
  unset XDG_RUNTIME_DIR
  lock=$HOME/.cache/montivant/montivant.lock
else
  lock=$XDG_RUNTIME_DIR/montivant.lock
fi
# Tips off, so that each copy's first window is the main window.
mkdir -p "$XDG_CONFIG_HOME/montivant"
printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$XDG_CONFIG_HOME/montivant/$(basename "$program").ini"

survivor=
for round in $(seq 20); do
  "$program" >"$REL_TMP/a.out" 2>&1 & a=$!
  "$program" >"$REL_TMP/b.out" 2>&1 & b=$!
  REL_PIDS+=("$a" "$b")
  # One of the two ends by itself; wait for that, at most 30 s.
  ended=
  for i in $(seq 600); do
    if ! kill -0 "$a" 2>/dev/null; then ended=a; break; fi
    if ! kill -0 "$b" 2>/dev/null; then ended=b; break; fi
    sleep 0.05
  done
  [ -n "$ended" ] || rel_fail "round $round: both copies still run after 30 s"
  if [ $ended = a ]; then loser=$a winner=$b out=$REL_TMP/a.out; else loser=$b winner=$a out=$REL_TMP/b.out; fi
  status=0; wait "$loser" || status=$?
  [ "$status" -eq 0 ] || rel_fail "round $round: the second copy ended with status $status"
  [ ! -s "$out" ] || rel_fail "round $round: the second copy printed: $(head -c 500 "$out")"
  if [ $ended = a ]; then wlog=$REL_TMP/b.out; else wlog=$REL_TMP/a.out; fi
  rel_wait_window "$winner" 30 "$wlog"
  sleep 0.2
  kill -0 "$loser" 2>/dev/null && rel_fail "round $round: the second copy is back"
  [ -z "$(rel_windows "$loser")" ] || rel_fail "round $round: the second copy has a window"
  n=$(rel_windows "$winner" | wc -l)
  [ "$n" -eq 1 ] || rel_fail "round $round: the running copy shows $n windows"
  if [ "$round" -lt 20 ]; then
    kill "$winner"; wait "$winner" 2>/dev/null || true
  else
    survivor=$winner
  fi
done
echo "20 rounds: one window each time, the second copy silent"

# A copy killed with SIGKILL leaves its lock file behind.
kill -9 "$survivor"; wait "$survivor" 2>/dev/null || true
[ -s "$lock" ] || rel_fail "no lock file left by the killed copy in $lock"
head -1 "$lock" | grep -qx "$survivor" || rel_fail "the lock left does not name the killed copy"
"$program" >"$REL_TMP/c.out" 2>&1 & c=$!
REL_PIDS+=("$c")
rel_wait_window "$c" 30 "$REL_TMP/c.out"
head -1 "$lock" | grep -qx "$c" || rel_fail "the next start did not take the lock over"
echo "a stale lock did not stop the next start"
