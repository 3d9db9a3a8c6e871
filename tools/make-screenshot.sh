#!/usr/bin/env bash
# Makes the README's picture of the Windows program (docs/kestrune-win.png) from the real program under Wine on a private Xvfb.
set -euo pipefail
source "$(dirname "$0")/lib/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
source "$KESTRUNE_ROOT/tools/lib/windows-program.sh"

"$KESTRUNE_ROOT/tools/setup"
build_windows_program
build_preset windows -j2 --target kestrune
kestrune=(wine "$windows_build/cli/kestrune.exe")

trap 'stop_wineserver; stop_xvfb' EXIT
# A display of its own, so the picture never shows anything else on the screen.
unset DISPLAY
start_xvfb
prepare_wine_prefix

# A working week on the desktop, and the camera's card in a reader still holding the week before.
settings="$(wine_desktop)/Kestrune.txt"
aside="$KESTRUNE_ROOT/build/wine/screenshot-aside"
card_letter=m
rm -rf "$aside"
mkdir -p "$aside/card/DCIM"
if [ -e "$settings" ]; then mv "$settings" "$aside/"; fi
put_back() {
  remove_removable_drive "$card_letter"
  rm -f "$settings"
  if [ -e "$aside/Kestrune.txt" ]; then mv "$aside/Kestrune.txt" "$settings"; fi
  rm -rf "$aside"
  stop_wineserver
  stop_xvfb
}
trap put_back EXIT
add_removable_drive "$card_letter" "$aside/card" CAMERA

echo "screenshot: a week on the desktop and an older one on the card ${card_letter^^}:"
"${kestrune[@]}" schedule -f "${card_letter^^}:\\Kestrune.txt" all 22-6 off >/dev/null
"${kestrune[@]}" schedule all 22-6 off >/dev/null
"${kestrune[@]}" schedule mon-fri 8-18 continuous >/dev/null
"${kestrune[@]}" set beep=off >/dev/null

picture_windows_program "$KESTRUNE_ROOT/build/kestrune-win-readme.png"
mkdir -p "$KESTRUNE_ROOT/docs"
# Fewer colours keep the committed picture small; the dialog has few anyway.
convert "$KESTRUNE_ROOT/build/kestrune-win-readme.png" -strip -colors 64 "PNG8:$KESTRUNE_ROOT/docs/kestrune-win.png"
echo "screenshot: wrote docs/kestrune-win.png"
