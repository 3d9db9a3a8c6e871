#!/usr/bin/env bash
# Makes the README's picture of the application (docs/kestrune-mac.png) from the real Kestrune.app on GNUstep, on a private Xvfb.
set -euo pipefail
mac_root=$(cd "$(dirname "$0")/.." && pwd)
source "$mac_root/tools/lib/xvfb.sh"
source "$mac_root/tools/lib/gnustep.sh"
source "$mac_root/tools/lib/mac-app.sh"

"$mac_root/tools/setup"
# A private home, so the picture shows a first run: the defaults, with no settings file.
gnustep_enter_private_namespace "$0" "$@"
build_mac_app

trap 'gnustep_end_session; stop_xvfb' EXIT
# A display of its own, so the picture never shows anything else on the screen.
unset DISPLAY
start_xvfb
gnustep_begin_session "$mac_root/build/mac-screenshot.log"
picture_mac_app "$mac_root/build/kestrune-mac-readme.png" "$mac_root/build/mac-screenshot.log"
mkdir -p "$mac_root/docs"
# Fewer colours keep the committed picture small; the window has few anyway.
convert "$mac_root/build/kestrune-mac-readme.png" -strip -colors 64 "PNG8:$mac_root/docs/kestrune-mac.png"
echo "screenshot: wrote docs/kestrune-mac.png"
