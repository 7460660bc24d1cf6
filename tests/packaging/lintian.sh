#!/usr/bin/env bash
# lintian.sh BUILD_DIR
# Runs Debian's own checker on the .deb of dpkg-buildpackage. Every tag is
# printed, down to the pedantic and experimental ones, for whoever reads the
# log; an error or a warning fails the test.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../reliability/lib.sh"
source "$here/deb.sh"
build=$1
rel_setup

command -v lintian >/dev/null || rel_fail "lintian is not installed"
deb=$(pkg_build_deb "$build")
status=0
lintian --info --pedantic --display-experimental --fail-on error,warning "$deb" || status=$?
[ $status -eq 0 ] || rel_fail "lintian reports errors or warnings on $(basename "$deb")"
echo "ok: lintian finds no error and no warning in $(basename "$deb")"
