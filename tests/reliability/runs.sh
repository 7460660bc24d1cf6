#!/usr/bin/env bash
# runs.sh CASE DRIVER BUILD_DIR
# One reliability case: the program (montivant_drive, copied under the
# program's own name beside its data files) run as an unprivileged user in a
# home folder of its own. See runs.cmake for the list of cases.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
case_name=${1#reliability_} driver=$2 build=$3
rel_setup

# The program folder: an unprivileged user must reach it (a CI clone may lie
# under root's home).
app=$REL_TMP/app
mkdir -p "$app"
cp "$driver" "$app/montivant"
for f in TIPOFDAY.TXT gagner.wav perdu.wav libmontivant_sound.so; do
  [ -e "$build/$f" ] && cp "$build/$f" "$app/"
done
chmod -R a+rX "$app"
# The sanitizers' suppression file, where that user can read it.
if [[ ${LSAN_OPTIONS:-} == *suppressions=* ]]; then
  supp=$(sed -E 's/(^|.*:)suppressions=([^:]*).*/\2/' <<<"$LSAN_OPTIONS")
  cp "$supp" "$REL_TMP/lsan.supp" && chmod a+r "$REL_TMP/lsan.supp"
  export LSAN_OPTIONS=${LSAN_OPTIONS/$supp/$REL_TMP/lsan.supp}
fi

# A fresh home owned by the user that runs the program.
home_for_user() {
  rel_home "$REL_TMP/$1"
  [ "$(id -u)" -eq 0 ] && chown -R nobody:nogroup "$REL_TMP/$1"
  store_dir=$XDG_CONFIG_HOME/montivant
  store=$store_dir/montivant.ini
}
# As that user, with stdout kept in $out; fails unless the run ends with 0.
out=$REL_TMP/out
run() {
  local status=0
  rel_as_user "$app/montivant" "$@" >"$out" 2>"$REL_TMP/err" || status=$?
  if [ $status -ne 0 ]; then
    cat "$out" "$REL_TMP/err" >&2
    rel_fail "'montivant_drive $*' ended with status $status"
  fi
  # A sanitizer report fails the case even if the status did not tell.
  if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$REL_TMP/err"; then
    cat "$REL_TMP/err" >&2
    rel_fail "sanitizer report"
  fi
  sed 's/^/  | /' "$out" | head -20
}
expect() { grep -qxF "$1" "$out" || { cat "$out" >&2; rel_fail "expected the line: $1"; }; }
as_owner() { if [ "$(id -u)" -eq 0 ]; then chown -R nobody:nogroup "$@"; fi; }
# Writes a store file by hand, as the program's INI medium would.
write_store() { mkdir -p "$store_dir"; printf "$1" >"$store"; as_owner "$store_dir"; }

case $case_name in
  store_garbage)
    home_for_user h
    mkdir -p "$store_dir"
    { printf '[Options\n=\n\x00\x01[[[Meilleur Score]]]\nScore=\xff\xfe\n'; head -c 8192 /dev/urandom; } >"$store"
    as_owner "$store_dir"
    run play
    expect "tips window shown: 1"
    expect "rounds: 1"
    ;;
  store_readonly_file)
    home_for_user h
    write_store '[Options]\nShow%%20Tips%%20at%%20Startup=1\n'
    chmod 444 "$store"
    before=$(sha256sum <"$store")
    run play
    expect "tips window shown: 1"
    expect "names asked: 1"
    expect "rounds: 1"
    [ "$(sha256sum <"$store")" = "$before" ] || rel_fail "a read-only store file changed"
    ;;
  store_readonly_folder)
    home_for_user h
    write_store '[Options]\nShow%%20Tips%%20at%%20Startup=1\n'
    chmod 555 "$store_dir"
    before=$(sha256sum <"$store")
    run play
    expect "tips window shown: 1"
    expect "rounds: 1"
    [ "$(sha256sum <"$store")" = "$before" ] || rel_fail "a read-only folder's store changed"
    ;;
  store_uncreatable)
    home_for_user h
    chmod 555 "$XDG_CONFIG_HOME"
    run play
    expect "tips window shown: 1"
    expect "names asked: 1"
    expect "rounds: 1"
    [ ! -e "$store_dir" ] || rel_fail "a store folder appeared where none can be made"
    ;;
  save_then_sigkill)
    home_for_user h
    for value in Zoé 1 "Léa Martin" 42 Anonyme; do
      # Made before the run starts, so that the loop below never reads a file
      # that the background shell has not opened yet.
      : >"$out"
      rel_as_user "$app/montivant" save "Meilleur Score" Nom "$value" >"$out" 2>/dev/null &
      wrapper=$!
      REL_PIDS+=("$wrapper")
      # The program says its own pid once the value is saved: that process is
      # killed, not the shell that started it.
      pid=
      for i in $(seq 600); do
        pid=$(sed -n 's/^saved \([0-9][0-9]*\)$/\1/p' "$out")
        [ -n "$pid" ] && break
        kill -0 "$wrapper" 2>/dev/null || rel_fail "the saving run ended by itself"
        sleep 0.01
      done
      [ -n "$pid" ] || rel_fail "the saving run did not say it saved"
      REL_PIDS+=("$pid") # killed at the end even if this case fails first
      tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q "montivant save Meilleur Score Nom" \
        || rel_fail "process $pid is not the saving program"
      kill -9 "$pid"
      wait "$wrapper" 2>/dev/null || true
      for i in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.01; done
      kill -0 "$pid" 2>/dev/null && rel_fail "the saving program $pid outlived its SIGKILL"
      run read "Meilleur Score" Nom
      expect "$value"
    done
    echo "five values saved, each program killed with SIGKILL at once: each value read back"
    ;;
  tips_huge)
    home_for_user h
    # 10 MB of tips, about 160 000 lines.
    line="Astuce : range les nombres du plus petit au plus grand, puis vérifie ta réponse."
    (set +o pipefail; yes "$line" | head -c $((10 * 1024 * 1024))) >"$app/TIPOFDAY.TXT"
    chmod a+r "$app/TIPOFDAY.TXT"
    run play
    expect "tips window shown: 1"
    expect "rounds: 1"
    ;;
  tips_random)
    home_for_user h
    head -c 65536 /dev/urandom >"$app/TIPOFDAY.TXT"
    chmod a+r "$app/TIPOFDAY.TXT"
    cp "$app/TIPOFDAY.TXT" "$REL_TMP/../montivant-random-tips.last" 2>/dev/null || true
    run play
    expect "tips window shown: 1"
    expect "rounds: 1"
    ;;
  long_name)
    home_for_user h
    run play 10000
    expect "names asked: 1"
    run read "Meilleur Score" Nom
    n=$(LC_ALL=C.UTF-8 head -1 "$out" | LC_ALL=C.UTF-8 wc -m)
    [ "$n" -eq 10001 ] || rel_fail "the stored name has $((n - 1)) characters, not 10000"
    # The next run shows the long name in the game window and plays on.
    run play
    expect "rounds: 1"
    ;;
  stored_scores)
    for score in abc 99999999999 -5; do
      home_for_user "h$score"
      write_store "[Meilleur%%20Score]\nNom=Zoé\nScore=$score\n[Options]\nShow%%20Tips%%20at%%20Startup=0\n"
      run play
      expect "tips window shown: 0"
      expect "rounds: 1"
      run read "Meilleur Score" Score
      echo "stored score \"$score\": the game ran; the store now holds \"$(head -1 "$out")\""
    done
    ;;
  handovers)
    home_for_user h
    write_store '[Options]\nShow%%20Tips%%20at%%20Startup=0\n'
    run handovers 50
    expect "rounds: 50"
    [ "$(grep -c '^game window opened$' "$out")" -eq 50 ] || rel_fail "not fifty games"
    ;;
  *) rel_fail "unknown case $case_name" ;;
esac
echo "ok: $case_name"
