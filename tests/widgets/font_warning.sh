#!/usr/bin/env bash
# font_warning.sh SOURCE_DIR
# Configuring on a machine without the windows' font warns that texts will be
# cut and names the package to install; with the font, it says nothing.
set -euo pipefail
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/CMakeLists.txt" <<EOT
cmake_minimum_required(VERSION 3.25)
project(fontcheck NONE)
include("$src/cmake/fonts.cmake")
montivant_check_fonts()
EOT
absent=$(cmake -S "$tmp" -B "$tmp/absent" -DMONTIVANT_FONT_QUERY="Montivant Absent Sans" 2>&1)
grep -q "texts are cut" <<<"$absent" || { echo "FAIL: no warning without the font"; echo "$absent"; exit 1; }
grep -q "fonts-liberation" <<<"$absent" || { echo "FAIL: the warning names no package"; exit 1; }
present=$(cmake -S "$tmp" -B "$tmp/present" 2>&1)
if grep -q "CMake Warning" <<<"$present"; then
  echo "FAIL: a warning although Liberation Sans is installed"; echo "$present"; exit 1
fi
echo PASS
