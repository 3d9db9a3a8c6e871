#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine in the private prefix; with no DISPLAY it runs on a private Xvfb, saves a screenshot to build/ and closes the program.
set -euo pipefail
source "$(dirname "$0")/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
source "$KESTRUNE_ROOT/tools/lib/windows-program.sh"

build_windows_program

if [ -n "${DISPLAY:-}" ]; then
  prepare_wine_prefix
  echo "run: opening the settings dialog; OK writes $(wine_desktop)/Kestrune.txt"
  exec wine "$windows_program"
fi

trap 'stop_wineserver; stop_xvfb' EXIT
start_xvfb
prepare_wine_prefix
picture="$KESTRUNE_ROOT/build/kestrune-win.png"
picture_windows_program "$picture"
echo "run: no display here, so the program ran on a private one and was closed again."
echo "run: screenshot: $picture"
