#!/usr/bin/env bash
# install_runs.sh BUILD_DIR install|deb
# Installs the build into a temporary prefix (cmake --install) or builds the
# .deb with CPack and unpacks it, checks the files are in place, then starts the
# program from there under a private X server, up to its first window.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
build=$1 mode=$2
rel_setup

case $mode in
  install)
    root=$REL_TMP/prefix
    cmake --install "$build" --prefix "$root" >/dev/null
    ;;
  deb)
    out=$REL_TMP/cpack
    (cd "$build" && cpack -G DEB -B "$out" >/dev/null) || rel_fail "cpack failed"
    deb=$(ls "$out"/montivant_*.deb)
    [ "$(dpkg-deb --field "$deb" Package)" = montivant ] || rel_fail "wrong package name"
    [ "$(dpkg-deb --field "$deb" Section)" = education ] || rel_fail "wrong section"
    depends=$(dpkg-deb --field "$deb" Depends)
    for d in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
      [[ $depends == *"$d"* ]] || rel_fail "$d missing from Depends: $depends"
    done
    root=$REL_TMP/unpacked
    dpkg-deb -x "$deb" "$root"
    root=$root/usr
    ;;
  *) rel_fail "usage: $0 BUILD_DIR install|deb" ;;
esac

for f in lib/montivant/montivant \
         share/applications/fr.montivant.montivant.desktop \
         share/metainfo/fr.montivant.montivant.metainfo.xml; do
  [ -e "$root/$f" ] || rel_fail "$f is not installed"
done
# Data files the program reads from its own folder, when the build made them.
for f in TIPOFDAY.TXT gagner.wav perdu.wav; do
  if [ -e "$build/$f" ]; then
    cmp -s "$build/$f" "$root/lib/montivant/$f" || rel_fail "$f is not beside the executable"
  fi
done
# The sound module, loaded from the program's folder (a package strips it).
if [ -e "$build/libmontivant_sound.so" ]; then
  [ -e "$root/lib/montivant/libmontivant_sound.so" ] || rel_fail "the sound module is not beside the executable"
fi
[ -L "$root/bin/montivant" ] || rel_fail "bin/montivant is not a link"
[ "$(readlink -f "$root/bin/montivant")" = "$(readlink -f "$root/lib/montivant/montivant")" ] \
  || rel_fail "bin/montivant does not lead to the program"
ls "$root"/share/icons/hicolor/*/apps/montivant.png >/dev/null 2>&1 || rel_fail "no icon installed"

rel_xvfb
"$root/bin/montivant" >"$REL_TMP/out" 2>&1 &
pid=$!
REL_PIDS+=("$pid")
rel_wait_window "$pid" 30
echo "first window: $(xdotool getwindowname "$(rel_windows "$pid" | head -1)")"
kill "$pid"
echo "ok: the $mode tree starts the program"
