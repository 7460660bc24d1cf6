#!/usr/bin/env bash
# bench/run.sh BUILD_DIR: runs the benchmarks built in BUILD_DIR (Release, with
# -DMONTIVANT_BENCH=ON) under a private X server and prints one table, each
# figure of the program beside the same figure for a bare Qt Widgets window.
set -euo pipefail
build=$(cd "${1:-build-release}" && pwd)
source "$(dirname "$0")/../tests/reliability/lib.sh"
runs=${MONTIVANT_BENCH_RUNS:-21}
rel_setup
rel_xvfb

# The harness under the program's name beside the program's data files, so
# that it reads the same settings file and tips file as the program.
app=$REL_TMP/app
mkdir -p "$app"
cp "$build/bench/bench_montivant" "$app/montivant"
for f in TIPOFDAY.TXT gagner.wav perdu.wav libmontivant_sound.so; do [ -e "$build/$f" ] && cp "$build/$f" "$app/"; done
launch=$build/bench/bench_launch
bare=$build/bench/bench_bare

store=$XDG_CONFIG_HOME/montivant/montivant.ini
tips() { mkdir -p "${store%/*}"; rm -f "$store"; [ "$1" = on ] || printf '[Options]\nShow%%20Tips%%20at%%20Startup=0\n' >"$store"; }
field() { sed -n "s/.*\\b$1 \\([-0-9.]*\\).*/\\1/p"; }
median() { sort -g | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else printf "%.3f\n", (v[NR/2]+v[NR/2+1])/2}'; }
out=$REL_TMP/runs; mkdir -p "$out"

echo "Start-up, $runs runs of each, interleaved..." >&2
for i in $(seq "$runs"); do
  tips off; "$launch" "$app/montivant" startup >"$out/off.$i"
  tips on;  "$launch" "$app/montivant" startup >"$out/on.$i"
  "$launch" "$bare" startup >"$out/bare.$i"
done
med() { cat "$out"/$1.* | field "$2" | median; }
lowest() { cat "$out"/$1.* | field "$2" | sort -g | head -1; }
s_off=$(med off startup_ms) s_on=$(med on startup_ms) s_bare=$(med bare startup_ms)
m_off=$(med off maxrss_kb) m_on=$(med on maxrss_kb) m_bare=$(med bare maxrss_kb)

# Instructions to the first paint, counted by callgrind: the same count on
# every run, whatever else the machine is doing.
instr() {
  valgrind --tool=callgrind --callgrind-out-file="$out/cg.$1" "${@:2}" >/dev/null 2>&1 || true
  sed -n 's/^summary: //p' "$out/cg.$1"
}
if command -v valgrind >/dev/null; then
  echo "Instructions to the first paint, under callgrind..." >&2
  tips off; i_off=$(instr off "$app/montivant" startup)
  tips on; i_on=$(instr on "$app/montivant" startup)
  i_bare=$(instr bare "$bare" startup)
fi

echo "CPU time of a tick, a scan and a resize..." >&2
tips off
"$launch" "$app/montivant" micro >"$out/micro"
"$launch" "$bare" micro >"$out/bare-micro"

echo "CPU of a line found, its flash sleeping and spinning, and the flash's waits..." >&2
"$launch" "$app/montivant" flash >"$out/flash"

echo "Ten seconds each: idle main window, idle game window, game at speed 5, and the bare window..." >&2
"$launch" "$app/montivant" idle-main >"$out/idle-main"
"$launch" "$app/montivant" idle-game >"$out/idle-game"
"$launch" "$app/montivant" game5 >"$out/game5"
"$launch" "$bare" idle >"$out/bare-idle"
"$launch" "$bare" timer5 >"$out/bare-timer5"
for f in idle-main idle-game game5 flash; do
  grep -q "^status 0" "$out/$f" || { cat "$out/$f" >&2; rel_fail "$f did not end well"; }
done
grep -q 'game_running 1' "$out/game5" || echo "note: the game at speed 5 ended within the ten seconds" >&2

g() { field "$2" <"$out/$1" | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
row() { printf '| %s | %s | %s | %s | %s |\n' "$1" "$2" "$3" "$4" "$5"; }

echo
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB;" \
     "$(. /etc/os-release && echo "$PRETTY_NAME"); Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo 6); Xvfb 1024x768x24"
echo
row "figure" "montivant" "bare Qt window" "ratio" "target"
row "---" "---" "---" "---" "---"
row "exec to first paint, tips off (median of $runs)" "$s_off ms" "$s_bare ms" "$(ratio "$s_off" "$s_bare")" "≤ 1.3"
row "exec to first paint, tips on (median of $runs)" "$s_on ms" "$s_bare ms" "$(ratio "$s_on" "$s_bare")" "≤ 1.3"
row "exec to first paint, fastest of $runs, tips off / on" "$(lowest off startup_ms) / $(lowest on startup_ms) ms" "$(lowest bare startup_ms) ms" "" ""
if [ -n "${i_bare:-}" ]; then
  mi() { awk -v n="$1" 'BEGIN { printf "%.1f M", n / 1e6 }'; }
  row "instructions to the first paint, tips off (callgrind)" "$(mi "$i_off")" "$(mi "$i_bare")" "$(ratio "$i_off" "$i_bare")" ""
  row "instructions to the first paint, tips on (callgrind)" "$(mi "$i_on")" "$(mi "$i_bare")" "$(ratio "$i_on" "$i_bare")" ""
fi
row "peak resident memory, tips off" "$((m_off / 1024)) MiB" "$((m_bare / 1024)) MiB" "$(ratio "$m_off" "$m_bare")" "≤ 1.3"
row "peak resident memory, tips on" "$((m_on / 1024)) MiB" "$((m_bare / 1024)) MiB" "$(ratio "$m_on" "$m_bare")" "≤ 1.3"
row "CPU of one game tick without a search (bare: one square painted)" "$(g micro tick_us) µs" "$(g bare-micro tick_us) µs" "$(ratio "$(g micro tick_us)" "$(g bare-micro tick_us)")" "< 100 µs"
row "CPU of one ChercheSol scan, full well, no flash (bare: plain loop)" "$(g micro scan_us) µs" "$(g bare-micro scan_us) µs" "$(ratio "$(g micro scan_us)" "$(g bare-micro scan_us)")" ""
row "CPU of one main window resize" "$(g micro resize_us) µs" "$(g bare-micro resize_us) µs" "$(ratio "$(g micro resize_us)" "$(g bare-micro resize_us)")" "< 2000 µs"
row "CPU of one line found (search, 16 flash waits, fall), before / after: waits spinning / sleeping" "$(g flash line_cpu_spin_ms) / $(g flash line_cpu_ms) ms" "" "" ""
row "the same, wall time, spinning / sleeping" "$(g flash line_wall_spin_ms) / $(g flash line_wall_ms) ms" "" "" "≥ 336 ms"
row "one flash wait (Attendre), 200 waits: length by the counter, min / max" "$(g flash wait_counter_min_ms) / $(g flash wait_counter_max_ms) ms" "" "" "≥ 21 ms"
row "the same: wall time median / max; CPU median" "$(g flash wait_wall_median_ms) / $(g flash wait_wall_max_ms) ms; $(g flash wait_cpu_median_us) µs" "" "" ""
for f in idle-main idle-game game5; do
  case $f in
    idle-main) name="10 s idle, main window"; b=bare-idle ;;
    idle-game) name="10 s idle, game window before a game"; b=bare-idle ;;
    game5) name="10 s of a game at speed 5 (bare: 100 ms timer)"; b=bare-timer5 ;;
  esac
  row "$name: CPU, all threads" "$(g $f idle_cpu_ms) ms" "$(g $b idle_cpu_ms) ms" "$(ratio "$(g $f idle_cpu_ms)" "$(g $b idle_cpu_ms)")" ""
  [ $f = game5 ] && row "$name: pieces, lines found (each with its flash), still running" "$(g $f pieces), $(g $f lines), $(g $f game_running)" "" "" ""
  row "$name: wake-ups of the UI thread / of all threads" "$(g $f main_wakeups) / $(g $f all_wakeups)" "$(g $b main_wakeups) / $(g $b all_wakeups)" "" "$([ $f = game5 ] || echo 0)"
done
