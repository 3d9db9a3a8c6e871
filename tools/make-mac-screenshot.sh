#!/usr/bin/env bash
# Makes the README's picture of the application (docs/kestrune-mac.png) from the real Kestrune.app on GNUstep, on a private Xvfb: a week of
# continuous working hours and quiet weekend nights, with a camera card in the reader.
set -euo pipefail
source "$(dirname "$0")/lib/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
source "$KESTRUNE_ROOT/tools/lib/mac-app.sh"

"$KESTRUNE_ROOT/tools/setup"
# Built before the session's lock is taken, so that other sessions don't wait for the compiler.
build_mac_app
build_preset linux -j2 --target kestrune
kestrune="$KESTRUNE_ROOT/build/linux/cli/kestrune"
# A private home and mount namespace, so the picture shows only the settings made here.
gnustep_enter_private_namespace "$0" "$@"

card_mount=""
end_picture_session() {
  if [ -n "$card_mount" ]; then umount "$card_mount" /media || true; fi
  gnustep_end_session
  stop_xvfb
}
trap end_picture_session EXIT
# A display of its own, so the picture never shows anything else on the screen.
unset DISPLAY
start_xvfb
gnustep_begin_session "$KESTRUNE_ROOT/build/mac-screenshot.log"
settings="$HOME/Desktop/Kestrune.txt"
"$kestrune" schedule -f "$settings" mon-fri 8-18 continuous >/dev/null
"$kestrune" schedule -f "$settings" sat,sun 0-6 off >/dev/null
# A card as a Linux desktop mounts one, seen only in this namespace.
mount -t tmpfs screenshot-media /media
card_mount="/media/$(id -un)/CAMERA"
mkdir -p "$card_mount"
mount -t tmpfs CAMERA "$card_mount"
mkdir "$card_mount/DCIM"
picture_mac_app "$KESTRUNE_ROOT/build/kestrune-mac-readme.png" "$KESTRUNE_ROOT/build/mac-screenshot.log"
mkdir -p "$KESTRUNE_ROOT/docs"
# Fewer colours keep the committed picture small; the window has few anyway.
convert "$KESTRUNE_ROOT/build/kestrune-mac-readme.png" -strip +dither -colors 64 "PNG8:$KESTRUNE_ROOT/docs/kestrune-mac.png"
echo "screenshot: wrote docs/kestrune-mac.png"
