#!/usr/bin/env bash
# build_deb.sh SOURCE_DIR BUILD_DIR
# Builds the binary package as a distribution does, with dpkg-buildpackage
# from debian/, out of a copy of the source tree in BUILD_DIR/deb/montivant;
# the .deb lands in BUILD_DIR/deb. The copy and its build folder stay between
# runs, so that a second run only rebuilds what changed. The package's own
# tests are left out here (nocheck): this suite runs them itself.
set -euo pipefail
source=$(cd "$1" && pwd) build=$(cd "$2" && pwd)
out=$build/deb copy=$build/deb/montivant
mkdir -p "$out"

# The files of the source tree: git's list when it is a git checkout (build
# folders inside it are ignored there), every file but build folders otherwise.
list=$out/files.new
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
  git -C "$source" ls-files -co --exclude-standard | while IFS= read -r f; do
    [ -e "$source/$f" ] && printf '%s\n' "$f"
  done
else
  (cd "$source" && find . -type f ! -path './.git/*' ! -path './build*' ! -path './obj-*' -printf '%P\n')
fi | grep -v '^debian/\(montivant\|tmp\|\.debhelper\)/' | LC_ALL=C sort >"$list"
# A file gone or added since the last run: start from a fresh copy.
if ! cmp -s "$list" "$out/files"; then
  rm -rf "$copy"
fi
mv "$list" "$out/files"
mkdir -p "$copy"
# tar keeps the times of the files, so make rebuilds only what changed.
tar -C "$source" -cf - -T "$out/files" | tar -C "$copy" -xf -

# What a previous run of debhelper left, apart from the build folder.
rm -rf "$copy"/debian/{.debhelper,montivant,tmp} "$copy"/debian/{files,debhelper-build-stamp} \
  "$copy"/debian/*.substvars "$copy"/debian/*.debhelper.log
rm -f "$out"/*.deb "$out"/*.ddeb "$out"/*.changes "$out"/*.buildinfo

start=$SECONDS
log=$out/dpkg-buildpackage.log
if ! (cd "$copy" && DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(nproc)" \
        dpkg-buildpackage -us -uc -b -nc -Pnocheck >"$log" 2>&1); then
  tail -40 "$log" | sed 's/^/  | /' >&2
  echo "FAIL: dpkg-buildpackage failed (the whole log: $log)" >&2
  exit 1
fi
echo "built in $((SECONDS - start)) s: $(cd "$out" && ls montivant_*.deb)"
