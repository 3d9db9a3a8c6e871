#!/usr/bin/env bash
# Makes the README's picture of the Windows program (docs/kestrune-win.png) from the real program under Wine on a private Xvfb.
set -euo pipefail
source "$(dirname "$0")/lib/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
source "$KESTRUNE_ROOT/tools/lib/windows-program.sh"

"$KESTRUNE_ROOT/tools/setup"
build_windows_program

trap 'stop_wineserver; stop_xvfb' EXIT
# A display of its own, so the picture never shows anything else on the screen.
unset DISPLAY
start_xvfb
prepare_wine_prefix

# The dialog as a first run shows it: the defaults, with no settings file on the desktop.
settings="$(wine_desktop)/Kestrune.txt"
aside="$KESTRUNE_ROOT/build/wine/screenshot-aside"
rm -rf "$aside"
mkdir -p "$aside"
if [ -e "$settings" ]; then mv "$settings" "$aside/"; fi
trap 'if [ -e "$aside/Kestrune.txt" ]; then mv "$aside/Kestrune.txt" "$settings"; fi; rm -rf "$aside"; stop_wineserver; stop_xvfb' EXIT

picture_windows_program "$KESTRUNE_ROOT/build/kestrune-win-readme.png"
mkdir -p "$KESTRUNE_ROOT/docs"
# Fewer colours keep the committed picture small; the dialog has few anyway.
convert "$KESTRUNE_ROOT/build/kestrune-win-readme.png" -strip -colors 64 "PNG8:$KESTRUNE_ROOT/docs/kestrune-win.png"
echo "screenshot: wrote docs/kestrune-win.png"
