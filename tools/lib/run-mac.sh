#!/usr/bin/env bash
# Builds the application and opens it; with no DISPLAY it runs on a private Xvfb, saves a screenshot to build/ and closes the application.
set -euo pipefail
source "$(dirname "$0")/root.sh"
source "$KESTRUNE_ROOT/tools/lib/mac-app.sh"

# Built before the session's lock is taken, so that other sessions don't wait for the compiler.
build_mac_app
if [ -n "${DISPLAY:-}" ]; then
  echo "run: opening Kestrune.app; OK writes Kestrune.txt to your desktop"
  exec "$mac_app"
fi

source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
gnustep_enter_private_namespace "$0" "$@"
trap 'gnustep_end_session; stop_xvfb' EXIT
start_xvfb
gnustep_begin_session "$KESTRUNE_ROOT/build/mac-run.log"
picture="$KESTRUNE_ROOT/build/kestrune-mac.png"
picture_mac_app "$picture" "$KESTRUNE_ROOT/build/mac-run.log"
echo "run: no display here, so the application ran on a private one and was closed again."
echo "run: screenshot: $picture"
