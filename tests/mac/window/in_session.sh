#!/usr/bin/env bash
# Runs the window's in-process tests in a private GNUstep session on an X display, with a camera
# card (a tmpfs holding a DCIM folder) at /media/<user>/CAMERA, seen only by this session.
# Arguments: SOURCE_ROOT TEST_EXECUTABLE LOG_FOLDER.
set -euo pipefail
source "$1/tools/lib/root.sh"
# shellcheck source=../../../tools/lib/gnustep.sh
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
gnustep_enter_private_namespace "$0" "$@"
# shellcheck source=../../../tools/lib/xvfb.sh
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
tests=$2
mkdir -p "$3"
log="$3/mac_window_tests.log"
: >"$log"

own_display=no
card=""
end_session() {
  if [ -n "$card" ]; then umount "$card" /media || true; fi
  gnustep_end_session
  if [ "$own_display" = yes ]; then stop_xvfb; fi
}
trap end_session EXIT
if [ -z "${DISPLAY:-}" ]; then
  start_xvfb
  own_display=yes
fi
gnustep_begin_session "$log"
mount -t tmpfs window-test-media /media
card="/media/$(id -un)/CAMERA"
mkdir -p "$card"
mount -t tmpfs CAMERA "$card"
mkdir "$card/DCIM"

KESTRUNE_TEST_CARD=$card "$tests" -GSSuppressAppIcon YES
