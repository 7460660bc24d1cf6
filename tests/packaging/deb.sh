# Shared by the package tests: the .deb that build_deb.sh made (the CTest
# fixture montivant_deb) from the source tree with dpkg-buildpackage.
# Source it after tests/reliability/lib.sh.

# pkg_build_deb BUILD_DIR: prints the path of the built .deb; fails when
# there is none.
pkg_build_deb() {
  local deb
  deb=$(ls "$1"/deb/montivant_*.deb 2>/dev/null | head -1)
  [ -n "$deb" ] || rel_fail "no .deb in $1/deb: the test packaging_deb builds it"
  echo "$deb"
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
