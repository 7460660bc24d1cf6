#!/usr/bin/env bash
# sound_name.sh SOUNDCHECK BUILD_DIR
# The program's sounds appear in the sound server under its name and icon,
# not as "QtPulseAudio:<pid>": a private PulseAudio with a null sink, the
# program's sound module playing through it, and pactl reading the client
# and the stream it makes.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
soundcheck=$1 build=$2
rel_setup

for tool in pulseaudio pactl; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -e "$build/libmontivant_sound.so" ] || rel_fail "no sound module in $build"

# The program's folder: the checker under the program's name, its sound
# module and the sound.
app=$REL_TMP/app
mkdir -p "$app"
cp "$soundcheck" "$app/montivant"
cp "$build/libmontivant_sound.so" "$build/gagner.wav" "$app/"

# A private sound server (its socket in our XDG_RUNTIME_DIR) whose only sink
# plays into nothing.
pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --disable-shm \
  -L module-null-sink -L module-native-protocol-unix >"$REL_TMP/pulse.log" 2>&1 &
REL_PIDS+=($!)
for i in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$REL_TMP/pulse.log" >&2; rel_fail "the sound server did not start"; }

QT_QPA_PLATFORM=offscreen "$app/montivant" 4 >"$REL_TMP/out" 2>"$REL_TMP/err" &
pid=$!
REL_PIDS+=("$pid")
# The entries of `pactl list KIND` (clients, sink-inputs) made by process PID.
entries_of() {
  pactl list "$1" | awk -v pid="$2" '
    /^[A-Z].* #[0-9]+$/ { if (mine) print entry; entry = ""; mine = 0 }
    { entry = entry "\n" $0 }
    index($0, "application.process.id = \"" pid "\"") { mine = 1 }
    END { if (mine) print entry }'
}
# The checker's clients and streams, while it plays.
clients= streams=
for i in $(seq 60); do
  clients+=$(entries_of clients "$pid")
  streams+=$(entries_of sink-inputs "$pid")
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
wait "$pid" || { cat "$REL_TMP/err" >&2; rel_fail "the checker failed"; }

client_names=$(grep -o 'application.name = "[^"]*"' <<<"$clients" | sort -u)
stream_names=$(grep -o 'application.name = "[^"]*"' <<<"$streams" | sort -u)
echo "clients: ${client_names:-none}; streams: ${stream_names:-none}"
[ -n "$client_names" ] || rel_fail "the checker never connected to the sound server"
[ -n "$stream_names" ] || rel_fail "the checker played no stream"
[ "$client_names" = 'application.name = "Montivant"' ] || rel_fail "a client is not named Montivant"
[ "$stream_names" = 'application.name = "Montivant"' ] || rel_fail "a stream is not named Montivant"
grep -q 'application.icon_name = "montivant"' <<<"$streams" || rel_fail "the stream has no icon name"
# The name does not pass on to programs started later.
grep -q "after the sound: unset" "$REL_TMP/out" || rel_fail "$(cat "$REL_TMP/out")"
echo "ok: the sounds are named after the program"
