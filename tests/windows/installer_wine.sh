#!/usr/bin/env bash
# installer_wine.sh SETUP_EXE
# The whole path on Windows, under Wine on a private X server: the installer
# run silently for the user; the installed program started from where the
# installer put it (the tip window and its setting in the registry, a second
# copy that ends by itself, an exercise played with the real mouse); an
# install over the first; the silent uninstall, which keeps the settings; an
# install for all users and its uninstall.
# What the program shows is read from the screen: window titles by xdotool,
# texts by tesseract, colours from screenshots.
# Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing).
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 SETUP_EXE" >&2; exit 2; }
setup=$(realpath "$1")
for tool in wine wineboot wineserver Xvfb xdpyinfo xdotool import convert tesseract; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
rel_setup
export WINEPREFIX=$REL_TMP/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true; rel_cleanup' EXIT
rel_xvfb

user=$(id -un)
dir=$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/montivant
windir="C:\\users\\$user\\AppData\\Local\\Programs\\montivant"
link="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Montivant.lnk"
entry='Software\Microsoft\Windows\CurrentVersion\Uninstall\montivant'
options='HKCU\Software\montivant\montivant\Options'
form1='Range en ordre montivant ou démontivant'

# wait_until SECONDS COMMAND...: whether COMMAND succeeds within SECONDS.
wait_until() {
  local end=$((SECONDS + $1)); shift
  until "$@"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.2; done
}
# wait_for WHAT SECONDS COMMAND...: until COMMAND succeeds, at most SECONDS.
wait_for() {
  seen=
  wait_until "$2" "${@:3}" || rel_fail "no $1 after $2 s${seen:+ (last read: $seen)}"
}
# The registry value $2 of key $1, empty when absent.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
window() {
  xdotool search --onlyvisible --name "^$(sed 's/[][().*+?^$|\\]/\\&/g' <<<"$1")\$" 2>/dev/null | head -1
}
has_window() { [ -n "$(window "$1")" ]; }
ended() { ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1")" = Z ]; }
seconds_since() { awk -v a="$1" -v b="$(now_ms)" 'BEGIN { printf "%.1f", (b - a) / 1000 }'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Form1's geometry: the X window is its client area under its menu bar.
form1_origin() {
  local WINDOW X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$(window "$form1")")"
  fx=$X fy=$((Y + HEIGHT - 342))
}
# A point of Form1's client area, in twips (15 to the pixel).
click() { xdotool mousemove $((fx + $1 / 15)) $((fy + $2 / 15)) click 1; }
shot() { import -window root "$REL_TMP/shot.png"; }
# The text inside a box of Form1 (twips) on the last screenshot; the red
# channel holds black or blue text on every background the board uses. Read
# three ways, the answer two of them give (a lone reading may lose a digit
# of a bold pair like "94").
ocr_once() {
  convert "$REL_TMP/shot.png" -crop "$(($3 / 15 - 4))x$(($4 / 15 - 4))+$((fx + $1 / 15 + 2))+$((fy + $2 / 15 + 2))" \
    +repage -channel R -separate +channel -auto-level -resize "$5" -threshold "$6" \
    -bordercolor white -border 30 png:- |
    tesseract stdin stdout --psm "${7:-7}" -c tessedit_char_whitelist=0123456789? 2>/dev/null | tr -d ' \n'
}
ocr() {
  local a b c
  a=$(ocr_once "$@" 300% 50%) b=$(ocr_once "$@" 400% 65%)
  [ "$a" = "$b" ] && { echo "$a"; return; }
  c=$(ocr_once "$@" 400% 50%)
  if [ "$a" = "$c" ]; then a=$a; elif [ "$b" = "$c" ]; then a=$b; else a=; fi
  # A lone digit is often not seen as a line: read again as one character.
  [ -n "$a" ] || a=$(ocr_once "$@" 400% 50% 10)
  echo "$a"
}
pixel() { convert "$REL_TMP/shot.png" -format "%[pixel:p{$((fx + $1 / 15)),$((fy + $2 / 15))}]" info:; }
# The eight numbers of a row (top: 240 for the tiles, 1200 for the slots),
# when all eight read as distinct numbers of the first level (1 to 100, a
# little more where equal numbers were drawn and raised).
read_row() {
  local i v
  row=() seen=
  shot
  for i in 0 1 2 3 4 5 6 7; do
    v=$(ocr $((240 + 1080 * i)) $(($1 + 240)) 1050 340)
    seen+="[$v]"
    [[ $v =~ ^[1-9][0-9]?$|^10[0-7]$ ]] || return 1
    row+=("$v")
  done
  [ "$(printf '%s\n' "${row[@]}" | sort -u | wc -l)" -eq 8 ]
}
row_is() { read_row "$1" && [ "${row[*]}" = "$2" ]; }
# slot_is K V: the answer slot K (from 0) reads V.
slot_is() { shot; seen=$(ocr $((240 + 1080 * $1)) 1440 1050 340); [ "$seen" = "$2" ]; }
drag() { # drag X1 Y1 X2 Y2, in a few steps as a hand does
  xdotool mousemove $1 $2 mousedown 1 \
    sleep 0.05 mousemove $(((3 * $1 + $3) / 4)) $(((3 * $2 + $4) / 4)) \
    sleep 0.05 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) \
    sleep 0.05 mousemove $3 $4 sleep 0.05 mouseup 1
}
# The check's outcome: the errors' box, or the score label reading $1.
outcome=
check_outcome() {
  if has_window 'Erreur(s) !'; then outcome=errors; return 0; fi
  shot
  [ "$(ocr 1200 4230 495 480)" = "$1" ] && outcome=success
}
pink_row() {
  local i
  shot
  for i in 0 1 2 3 4 5 6 7; do
    [ "$(pixel $((240 + 1080 * i + 60)) 540)" = "srgb(255,128,128)" ] || return 1
  done
}

# A fresh 64-bit prefix whose Arial and MS Sans Serif are Liberation Sans,
# made as the unit tests' is.
bash "$here/wine-run.sh" cmd /c exit >/dev/null

t=$(now_ms)
wine "$setup" /S || rel_fail "setup.exe /S exited with $?"
echo "installed for the user in $(seconds_since "$t") s"
for f in montivant.exe TIPOFDAY.TXT gagner.wav perdu.wav Uninstall.exe; do
  [ -f "$dir/$f" ] || rel_fail "$f is not in $dir"
done
[ -f "$link" ] || rel_fail "no Start-menu shortcut $link"
[ "$(reg_value "HKCU\\$entry" DisplayName)" = Montivant ] || rel_fail "no entry HKCU\\$entry"
[ "$(reg_value "HKCU\\$entry" InstallLocation)" = "$windir" ] || rel_fail "the entry names another folder"

# The first start: the tip window with the file's first tip, its setting.
wine "$windir\\montivant.exe" >"$REL_TMP/first.log" 2>&1 &
first=$!
REL_PIDS+=("$first")
wait_for "tip window" 60 has_window "Astuce du jour"
tip=$(window "Astuce du jour")
word=$(iconv -f CP1252 -t UTF-8 "$dir/TIPOFDAY.TXT" | head -1 | grep -o '[A-Za-z]\{6,\}' | head -1)
tip_text() {
  import -window "$tip" "$REL_TMP/tip.png"
  convert "$REL_TMP/tip.png" -crop 217x109+20+64 +repage -resize 300% png:- | tesseract stdin stdout --psm 6 2>/dev/null | grep -q "$word"
}
wait_for "first tip (a text with \"$word\") in the tip window" 20 tip_text
wait_for "\"Show Tips at Startup\" = 1 in $options" 20 \
  eval '[ "$(reg_value "$options" "Show Tips at Startup")" = 1 ]'

# A second copy ends by itself; the first goes on.
wine "$windir\\montivant.exe" >"$REL_TMP/second.log" 2>&1 &
second=$!
REL_PIDS+=("$second")
wait_for "end of the second copy" 30 ended "$second"
kill -0 "$first" 2>/dev/null || rel_fail "the first copy ended with the second"

# The tip window's OK, then the exercise.
eval "$(xdotool getwindowgeometry --shell "$tip")"
xdotool mousemove $((X + 4747 / 15)) $((Y + 307 / 15)) click 1
wait_for "exercise window" 20 has_window "$form1"
wait_for "closing of the tip window" 20 eval '! has_window "Astuce du jour"'
form1_origin
# Vérifier with every slot empty: a message box, closed by its default button.
check_empty() {
  click 8455 3547
  wait_for '"Attention !" box' 20 has_window "Attention !"
  xdotool windowfocus "$(window "Attention !")" key Return
  wait_for 'closing of the "Attention !" box' 20 eval '! has_window "Attention !"'
}
check_empty

# draw WHAT: a new draw whose eight numbers read as eight distinct numbers.
# A draw the OCR cannot read (two "7" for "74" and "79") ends with the
# solution and is made again, three times at most.
draw() {
  local try
  for try in 1 2 3; do
    click 8425 2587  # Générer les nombres
    wait_until 10 read_row 240 && { drawn=("${row[@]}"); return 0; }
    echo "note: drawn again, unreadable: $seen"
    check_empty
    click 6985 4522  # Solution !
    wait_for "pink row of the solution after an unreadable draw" 20 pink_row
  done
  rel_fail "no $1 that reads as eight numbers in three draws (last read: $seen)"
}

click 847 3367   # Montivant: smallest first
# A success by drags. A digit that the OCR drops in both rows alike orders the
# numbers wrongly, and the check rightly finds errors: such a round ends with
# the solution and is played again with a new draw, three times at most; a
# check that never says success fails the test.
misread=()
for try in 1 2 3; do
  draw "draw to play"
  sorted=($(printf '%s\n' "${drawn[@]}" | sort -n))
  k=0
  for v in "${sorted[@]}"; do
    for i in 0 1 2 3 4 5 6 7; do [ "${drawn[$i]}" = "$v" ] && break; done
    ax=$((fx + (765 + 1080 * i) / 15)) ay=$((fy + 650 / 15))
    bx=$((fx + (765 + 1080 * k) / 15)) by=$((fy + 1610 / 15))
    # A drag that a busy machine lost (the slot still empty) is made again.
    for attempt in 1 2 3; do
      drag $ax $ay $bx $by
      wait_until 5 slot_is $k "$v" && break
    done
    wait_for "slot $((k + 1)) holding $v" 10 slot_is $k "$v"
    k=$((k + 1))
  done
  wait_for "slots holding ${sorted[*]} (drawn: ${drawn[*]})" 20 row_is 1200 "${sorted[*]}"
  click 8455 3547 # Vérifier
  wait_for "the check's outcome (a success, score 1) for ${sorted[*]}" 20 check_outcome 1
  [ "$outcome" = success ] && break
  misread+=("${sorted[*]}")
  xdotool windowfocus "$(window 'Erreur(s) !')" key Return
  wait_for 'closing of the "Erreur(s) !" box' 20 eval '! has_window "Erreur(s) !"'
  # The board waits for a correction: the solution ends the round.
  click 6985 4522
  wait_for "pink row of the solution after a misreading" 20 pink_row
done
[ "$outcome" = success ] || rel_fail "three checks found errors, in: ${misread[*]/%/;}"
[ ${#misread[@]} -eq 0 ] || echo "note: read wrongly and played again: ${misread[*]/%/;}"

# The solution, on a new draw. A number misread alike before and after (a
# "75" read as "5") moves in the sorted reading and not on the tiles: such a
# draw is made again, three times at most; a solution never in order fails.
misread=()
for try in 1 2 3; do
  draw "draw for the solution"
  check_empty      # the solution is offered after a check
  click 6985 4522  # Solution !
  wait_for "pink row of the solution" 20 pink_row
  sorted=($(printf '%s\n' "${drawn[@]}" | sort -n))
  wait_until 20 row_is 240 "${sorted[*]}" && break
  misread+=("${row[*]} (drawn: ${drawn[*]})")
done
[ ${#misread[@]} -lt 3 ] || rel_fail "three solutions not in order: ${misread[*]/%/;}"
[ ${#misread[@]} -eq 0 ] || echo "note: read wrongly and drawn again: ${misread[*]/%/;}"
import -window root "$REL_TMP/exercise.png"
if [ -n "${SHOTS_DIR:-}" ]; then cp "$REL_TMP/exercise.png" "$REL_TMP/tip.png" "$SHOTS_DIR/"; fi

click 8425 4507  # Quitter
wait_for "end of the program after Quitter" 30 ended "$first"

# An install over the first replaces its files in the same folder.
touch -d '2000-01-01' "$dir/montivant.exe"
wine "$setup" /S || rel_fail "the install over the first exited with $?"
[ "$(stat -c %Y "$dir/montivant.exe")" -gt 946684800 ] || rel_fail "the install over the first left the old montivant.exe"
[ "$(reg_value "HKCU\\$entry" InstallLocation)" = "$windir" ] || rel_fail "the second install moved"

# The silent uninstall copies itself away and returns at once.
t=$(now_ms)
wine "$windir\\Uninstall.exe" /S
wait_for "removal of $dir" 30 eval '[ ! -e "$dir" ]'
echo "uninstalled in $(seconds_since "$t") s"
[ ! -e "$link" ] || rel_fail "the shortcut is still there"
! has_key "HKCU\\$entry" || rel_fail "the entry HKCU\\$entry is still there"
has_key "$options" || rel_fail "the uninstall removed the settings $options"

# For all users: Program Files, the common Start menu, an entry under HKLM.
wine "$setup" /S /AllUsers || rel_fail "setup.exe /S /AllUsers exited with $?"
all="$WINEPREFIX/drive_c/Program Files/montivant"
common="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Montivant.lnk"
[ -f "$all/montivant.exe" ] || rel_fail "no montivant.exe in $all"
[ -f "$common" ] || rel_fail "no shortcut for all users"
has_key "HKLM\\$entry" || rel_fail "no entry HKLM\\$entry"
wine 'C:\Program Files\montivant\Uninstall.exe' /S
wait_for "removal of $all" 30 eval '[ ! -e "$all" ]'
[ ! -e "$common" ] || rel_fail "the shortcut for all users is still there"
! has_key "HKLM\\$entry" || rel_fail "the entry HKLM\\$entry is still there"
echo "PASS"
