#!/usr/bin/env bash
# install_runs.sh BUILD_DIR install|deb
# Installs the build into a temporary prefix (cmake --install) or unpacks the
# .deb of dpkg-buildpackage, checks the files are in place, then starts the
# program from there under a private X server, up to its first window, and
# checks that its window class is the one its desktop entry announces.
# The installed tree is started through its desktop entry, as a menu does.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/../packaging/deb.sh"
build=$1 mode=$2
rel_setup

case $mode in
  install)
    # A blank in the prefix, as in "Mes programmes": the desktop entry's
    # Exec must quote it.
    root="$REL_TMP/mon prefix"
    cmake --install "$build" --prefix "$root" >/dev/null
    conf=$root/etc/montivant
    ;;
  deb)
    deb=$(pkg_build_deb "$build")
    field() { dpkg-deb --field "$deb" "$1"; }
    [ "$(field Package)" = montivant ] || rel_fail "wrong package name"
    [ "$(field Section)" = education ] || rel_fail "wrong section"
    depends=$(field Depends)
    for d in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-liberation qt6-translations-l10n; do
      [[ $depends == *"$d"* ]] || rel_fail "$d missing from Depends: $depends"
    done
    [[ $(field Recommends) == *qt6-wayland* ]] || rel_fail "qt6-wayland is not recommended"
    # The private sound module needs no ldconfig: no maintainer scripts at all.
    control=$REL_TMP/control
    dpkg-deb -e "$deb" "$control"
    for script in preinst postinst prerm postrm triggers; do
      [ ! -e "$control/$script" ] || rel_fail "the package has a $script: $(cat "$control/$script")"
    done
    [ "$(cat "$control/conffiles")" = /etc/montivant/TIPOFDAY.TXT ] \
      || rel_fail "conffiles: $(cat "$control/conffiles" 2>/dev/null)"
    unpacked=$REL_TMP/unpacked
    dpkg-deb -x "$deb" "$unpacked"
    root=$unpacked/usr
    conf=$unpacked/etc/montivant
    ;;
  *) rel_fail "usage: $0 BUILD_DIR install|deb" ;;
esac

entry=$root/share/applications/fr.montivant.montivant.desktop
files=(lib/montivant/montivant
       share/applications/fr.montivant.montivant.desktop
       share/metainfo/fr.montivant.montivant.metainfo.xml
       share/man/man6/montivant.6.gz)
# The copyright file and the changelog: in the .deb always, from an install
# unless the build leaves them to debhelper (the package's own build does).
if [ "$mode" = deb ] || ! grep -qx 'MONTIVANT_INSTALL_DOCS:BOOL=OFF' "$build/CMakeCache.txt"; then
  files+=(share/doc/montivant/copyright share/doc/montivant/changelog.gz)
fi
for f in "${files[@]}"; do
  [ -e "$root/$f" ] || rel_fail "$f is not installed"
done
# Sounds the program reads from its own folder, when the build made them.
for f in gagner.wav perdu.wav; do
  if [ -e "$build/$f" ]; then
    cmp -s "$build/$f" "$root/lib/montivant/$f" || rel_fail "$f is not beside the executable"
  fi
done
# The tips file in the configuration folder, reached from the program's
# folder through a link (absolute from /usr into /etc, relative otherwise).
if [ -e "$build/TIPOFDAY.TXT" ]; then
  cmp -s "$build/TIPOFDAY.TXT" "$conf/TIPOFDAY.TXT" || rel_fail "TIPOFDAY.TXT is not in $conf"
  link=$root/lib/montivant/TIPOFDAY.TXT
  [ -L "$link" ] || rel_fail "lib/montivant/TIPOFDAY.TXT is not a link"
  if [ "$mode" = deb ]; then
    [ "$(readlink "$link")" = /etc/montivant/TIPOFDAY.TXT ] || rel_fail "the link leads to $(readlink "$link")"
  else
    [ "$(readlink -f "$link")" = "$(readlink -f "$conf/TIPOFDAY.TXT")" ] || rel_fail "the link leads to $(readlink "$link")"
  fi
fi
# The sound module, loaded from the program's folder (a package strips it).
if [ -e "$build/libmontivant_sound.so" ]; then
  [ -e "$root/lib/montivant/libmontivant_sound.so" ] || rel_fail "the sound module is not beside the executable"
fi
[ -L "$root/bin/montivant" ] || rel_fail "bin/montivant is not a link"
[ "$(readlink -f "$root/bin/montivant")" = "$(readlink -f "$root/lib/montivant/montivant")" ] \
  || rel_fail "bin/montivant does not lead to the program"
ls "$root"/share/icons/hicolor/*/apps/montivant.png >/dev/null 2>&1 || rel_fail "no icon installed"

# The desktop entry as installed: valid, and its Exec the program's full path,
# so that a menu starts it whether or not <prefix>/bin is on PATH.
desktop-file-validate "$entry" || rel_fail "the installed desktop entry does not validate"
exec_line=$(grep '^Exec=' "$entry")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || rel_fail "the desktop entry has no StartupWMClass"
rel_xvfb
if [ "$mode" = deb ]; then
  [ "$exec_line" = "Exec=/usr/bin/montivant" ] || rel_fail "$exec_line"
  "$root/bin/montivant" >"$REL_TMP/out" 2>&1 &
  pid=$!
  REL_PIDS+=("$pid")
else
  [ "$exec_line" = "Exec=\"$root/bin/montivant\"" ] || rel_fail "$exec_line"
  # Started as a menu does, from the entry alone, with a PATH that does not
  # lead to it.
  PATH=/usr/bin:/bin gio launch "$entry" >"$REL_TMP/out" 2>&1 || rel_fail "gio launch failed: $(cat "$REL_TMP/out")"
  pid=
  for i in $(seq 600); do
    wid=$(xdotool search --onlyvisible --classname montivant 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && pid=$(xdotool getwindowpid "$wid") && break
    sleep 0.05
  done
  [ -n "$pid" ] || rel_fail "the desktop entry started no window"
  REL_PIDS+=("$pid")
  [ "$(readlink -f "/proc/$pid/exe")" = "$(readlink -f "$root/lib/montivant/montivant")" ] \
    || rel_fail "the desktop entry started $(readlink -f "/proc/$pid/exe")"
fi
rel_wait_window "$pid" 30
wid=$(rel_windows "$pid" | head -1)
echo "first window: $(xdotool getwindowname "$wid")"
# WM_CLASS(STRING) = "instance", "class": the class is what docks match
# against StartupWMClass.
class=$(xprop -id "$wid" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
echo "window class: $class; StartupWMClass: $wm_class"
[ "$class" = "$wm_class" ] || rel_fail "the window class is not the desktop entry's StartupWMClass"
kill "$pid"
echo "ok: the $mode tree starts the program"
