#!/usr/bin/env bash
# under_x.sh COMMAND...
# Runs a command on a private X server (Xvfb), with a private home and
# temporary folder, on Qt's X11 platform.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
rel_setup
rel_xvfb
export QT_QPA_PLATFORM=xcb
"$@"
