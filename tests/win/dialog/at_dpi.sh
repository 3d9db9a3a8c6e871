#!/usr/bin/env bash
# Runs a Windows test program under Wine in a private prefix whose screen is set to the given DPI.
# Usage: at_dpi.sh SOURCE_ROOT DPI PROGRAM [ARGUMENT...]   (needs DISPLAY, as the lane gives)
set -euo pipefail
# shellcheck source=../../../tools/lib/wine.sh
source "$1/tools/lib/wine.sh"
dpi=$2
shift 2

# A prefix of its own, so that every other test keeps the lane's prefix at 96 DPI.
export WINEPREFIX="$KESTRUNE_ROOT/build/wine/prefix-dpi$dpi"
prepare_wine_prefix

trap stop_wineserver EXIT
for key in 'HKCU\Control Panel\Desktop' \
  'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
done
# The prefix's wineserver takes the DPI when it starts.
stop_wineserver
start_wineserver
echo "at_dpi: $(basename "$1") at $dpi DPI in $WINEPREFIX"
wine "$@"
