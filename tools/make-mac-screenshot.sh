#!/usr/bin/env bash
# Makes the README's picture of the application (docs/kestrune-mac.png) from the real Kestrune.app on GNUstep, on a private Xvfb.
set -euo pipefail
source "$(dirname "$0")/lib/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
source "$KESTRUNE_ROOT/tools/lib/mac-app.sh"

"$KESTRUNE_ROOT/tools/setup"
# Built before the session's lock is taken, so that other sessions don't wait for the compiler.
build_mac_app
# A private home, so the picture shows a first run: the defaults, with no settings file.
gnustep_enter_private_namespace "$0" "$@"

trap 'gnustep_end_session; stop_xvfb' EXIT
# A display of its own, so the picture never shows anything else on the screen.
unset DISPLAY
start_xvfb
gnustep_begin_session "$KESTRUNE_ROOT/build/mac-screenshot.log"
picture_mac_app "$KESTRUNE_ROOT/build/kestrune-mac-readme.png" "$KESTRUNE_ROOT/build/mac-screenshot.log"
mkdir -p "$KESTRUNE_ROOT/docs"
# Fewer colours keep the committed picture small; the window has few anyway.
convert "$KESTRUNE_ROOT/build/kestrune-mac-readme.png" -strip -colors 64 "PNG8:$KESTRUNE_ROOT/docs/kestrune-mac.png"
echo "screenshot: wrote docs/kestrune-mac.png"
