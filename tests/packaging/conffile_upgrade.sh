#!/usr/bin/env bash
# conffile_upgrade.sh BUILD_DIR
# The tips file is a configuration file of the package: a parent's edit of
# /etc/montivant/TIPOFDAY.TXT survives upgrades, whether the new version
# ships the same tips or new ones. The packages are installed with dpkg into a
# folder of the test's own (dpkg --root), never into the machine.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
source "$here/deb.sh"
build=$1
rel_setup

# dpkg unpacks as root only (it gives the files to root).
[ "$(id -u)" -eq 0 ] || { echo "skipped: dpkg --root needs root"; exit 77; }

deb=$(pkg_build_deb "$build")
version=$(dpkg-deb --field "$deb" Version)
same="$REL_TMP/same.deb" newer="$REL_TMP/newer.deb"
pkg_repack "$deb" "$same" "$version+1"
pkg_repack "$deb" "$newer" "$version+2" "Une astuce de la version suivante."

root=$REL_TMP/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers"
touch "$admin/status"
# The libraries the package depends on are the machine's, not the folder's.
install_deb() {
  dpkg --root="$root" --force-depends --force-confold -i "$1" >"$REL_TMP/dpkg.log" 2>&1 \
    || { cat "$REL_TMP/dpkg.log" >&2; rel_fail "dpkg -i $(basename "$1") failed"; }
}
tips=$root/etc/montivant/TIPOFDAY.TXT

install_deb "$deb"
[ -f "$tips" ] || rel_fail "no /etc/montivant/TIPOFDAY.TXT"
[ "$(readlink "$root/usr/lib/montivant/TIPOFDAY.TXT")" = /etc/montivant/TIPOFDAY.TXT ] \
  || rel_fail "the program's folder does not link to /etc/montivant/TIPOFDAY.TXT"
dpkg-query --admindir="$admin" -W -f='${Conffiles}\n' montivant | grep -q ' /etc/montivant/TIPOFDAY.TXT ' \
  || rel_fail "dpkg does not know TIPOFDAY.TXT as a configuration file"

# A parent adds a tip of their own.
own=$'Parents : une astuce \xE0 nous.'
printf '%s\r\n' "$own" >>"$tips"
edited=$(md5sum <"$tips")

install_deb "$same"
[ "$(md5sum <"$tips")" = "$edited" ] || rel_fail "an upgrade with the same tips lost the edit"
[ ! -e "$tips.dpkg-dist" ] || rel_fail "an upgrade with the same tips left a .dpkg-dist"
echo "upgrade to $version+1 (same tips): the edit is kept"

# New tips in the package and an edited file: dpkg keeps the parent's file
# (the default answer of its question) and puts the new one beside it.
install_deb "$newer"
[ "$(md5sum <"$tips")" = "$edited" ] || rel_fail "an upgrade with new tips lost the edit"
grep -q "de la version suivante" "$tips.dpkg-dist" || rel_fail "the new tips are not in TIPOFDAY.TXT.dpkg-dist"
echo "upgrade to $version+2 (new tips): the edit is kept, the new tips are in TIPOFDAY.TXT.dpkg-dist"
[ "$(dpkg-query --admindir="$admin" -W -f='${Version}' montivant)" = "$version+2" ] || rel_fail "wrong version installed"

# Purging the package removes the configuration file too.
dpkg --root="$root" --purge montivant >"$REL_TMP/dpkg.log" 2>&1 || { cat "$REL_TMP/dpkg.log" >&2; rel_fail "purge failed"; }
[ ! -e "$tips" ] || rel_fail "a purge left /etc/montivant/TIPOFDAY.TXT"
echo "ok: the tips file is a configuration file"
