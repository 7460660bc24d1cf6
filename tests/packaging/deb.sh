# Shared by the package tests: builds the .deb of a finished build folder.
# Source it after tests/reliability/lib.sh.

# pkg_build_deb BUILD_DIR OUT_DIR: runs cpack into OUT_DIR and prints the
# path of the .deb it made; fails with cpack's output otherwise.
pkg_build_deb() {
  local build=$1 out=$2
  mkdir -p "$out"
  if ! (cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1); then
    sed 's/^/  | /' "$out/cpack.log" >&2
    rel_fail "cpack failed"
  fi
  ls "$out"/montivant_*.deb
}

# pkg_repack DEB OUT_DEB VERSION [EXTRA_TIP]: the same package under another
# version, as an upgrade would bring it; with EXTRA_TIP, its tips file (and
# the md5sums entry of it) gains that line, as when a new version ships new
# tips.
pkg_repack() {
  local deb=$1 out=$2 version=$3 extra=${4:-} tree
  tree=$(mktemp -d "$REL_TMP/repack.XXXXXX")
  dpkg-deb -R "$deb" "$tree"
  sed -i "s/^Version: .*/Version: $version/" "$tree/DEBIAN/control"
  if [ -n "$extra" ]; then
    printf '%s\r\n' "$extra" >>"$tree/etc/montivant/TIPOFDAY.TXT"
    local sum
    sum=$(cd "$tree" && md5sum etc/montivant/TIPOFDAY.TXT)
    sed -i "s|^[0-9a-f]*  etc/montivant/TIPOFDAY.TXT\$|$sum|" "$tree/DEBIAN/md5sums"
  fi
  dpkg-deb --root-owner-group -b "$tree" "$out" >/dev/null
  rm -rf "$tree"
}
