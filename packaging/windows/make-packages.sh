#!/usr/bin/env bash
# make-packages.sh STAGE VERSION OUTDIR
# From a staged program folder, writes OUTDIR/montivant-VERSION-setup.exe (the
# installer, with NSIS) and OUTDIR/montivant-VERSION-windows.zip (the same
# folder as montivant/, for machines where nothing may be installed).
set -euo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 STAGE VERSION OUTDIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
stage=$(cd "$1" && pwd)
version=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)

[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "$0: version '$version' is not X.Y.Z" >&2; exit 2; }
for f in montivant.exe montivant.ico; do
  [ -f "$stage/$f" ] || { echo "$0: $stage/$f is missing" >&2; exit 1; }
done
command -v makensis >/dev/null || { echo "$0: makensis not found (apt-get install nsis)" >&2; exit 1; }
command -v zip >/dev/null || { echo "$0: zip not found (apt-get install zip)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# NSIS reads '$' as the start of a variable; a file name's own '$' is '$$'.
nsis_quote() { local s=${1//\$/\$\$}; printf '%s' "$s"; }

# The installer's list of files and the uninstaller's, both from the stage:
# the uninstaller removes exactly what this version installed.
files=$work/files.nsh
{
  echo '!macro InstallFiles'
  find "$stage" -type d -printf '%P\n' | LC_ALL=C sort | while IFS= read -r dir; do
    win=${dir//\//\\}
    echo "  SetOutPath \"\$INSTDIR${win:+\\$(nsis_quote "$win")}\""
    find "$stage/$dir" -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort | while IFS= read -r f; do
      echo "  File \"$(nsis_quote "$stage/${dir:+$dir/}$f")\""
    done
  done
  echo '!macroend'
  echo '!macro RemoveFiles'
  find "$stage" -type f -printf '%P\n' | LC_ALL=C sort | while IFS= read -r f; do
    echo "  Delete \"\$INSTDIR\\$(nsis_quote "${f//\//\\}")\""
  done
  # The deepest folders first; RMDir leaves a folder that is not empty.
  find "$stage" -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r | while IFS= read -r d; do
    echo "  RMDir \"\$INSTDIR\\$(nsis_quote "${d//\//\\}")\""
  done
  echo '!macroend'
} > "$files"

setup=$out/montivant-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DSTAGE=$stage" "-DFILES=$files" "-DOUTFILE=$setup" \
  "$here/montivant.nsi"

zipfile=$out/montivant-$version-windows.zip
rm -f "$zipfile"
mkdir "$work/zip"
cp -a "$stage" "$work/zip/montivant"
# The files' times of the stage, no Unix owners: the same stage gives the same zip.
(cd "$work/zip" && find montivant | LC_ALL=C sort | zip -q -X -9 "$zipfile" -@)

echo "$setup ($(stat -c %s "$setup") bytes)"
echo "$zipfile ($(stat -c %s "$zipfile") bytes)"
# A download for a family's connection: the installer stays under 15 MB (only
# the libraries and plugins the program loads, stripped of their symbols).
if [ "$(stat -c %s "$setup")" -ge $((15 * 1024 * 1024)) ]; then
  echo "$0: $setup is 15 MB or more: are the DLLs of $stage stripped?" >&2
  exit 1
fi
