#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGUMENT...]: runs a program built for Windows here,
# under Wine; CTest's emulator for the Windows build (scripts/windows).
#   MONTIVANT_WINE_DLLS  the folders of the DLLs it loads (Qt's, mingw's), ':'-separated
#   WINEPREFIX           the Wine prefix; made at the first run, one run at a time
# Wine hands a Unix variable named QT_* to a Windows program only as WINEQT_*:
# each QT_* of the caller is handed on that way (QT_QPA_PLATFORM=offscreen ...).
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
dlls=${MONTIVANT_WINE_DLLS:-}
export WINEPATH=${dlls//:/;}
while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_' || true)
if [ ! -e "$WINEPREFIX/.montivant-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.montivant-ready" ]; then
      wineboot --init >/dev/null 2>&1
      # Windows's fonts under their names, with Windows's widths: Liberation
      # Sans stands for Arial and MS Sans Serif, as on a free desktop.
      for face in Arial "MS Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" Tahoma; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Liberation Sans" /f >/dev/null 2>&1
      done
      wineserver -w
      touch "$WINEPREFIX/.montivant-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
