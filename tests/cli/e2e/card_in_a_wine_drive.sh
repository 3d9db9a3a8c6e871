#!/usr/bin/env bash
# A card in a reader under Wine, a drive letter of type floppy over a folder, is found, written
# and compared by kestrune.exe. The drive exists only while the story runs.
# Arguments: SOURCE_ROOT KESTRUNE_EXE.
set -euo pipefail
source "$1/tools/lib/root.sh"
# shellcheck source=../../../tools/lib/wine.sh
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
# shellcheck source=card_lib.sh
source "$(dirname "$0")/card_lib.sh"
kestrune=(wine "$2")
separator=\\
letter=k
work=$(mktemp -d)
prepare_wine_prefix
desktop_file="$(wine_desktop)/Kestrune.txt"
drive_link="$WINEPREFIX/dosdevices/$letter:"
[ ! -e "$drive_link" ] || { echo "drive $letter: is taken in the prefix" >&2; exit 1; }

# Wine reads its drives' types when its server starts. The services it starts then inherit the
# first program's output, which must not be the test runner's.
restart_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

clean_up() {
  rm -f "$drive_link"
  wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f </dev/null >/dev/null 2>&1 || true
  restart_wine
  rm -f "$desktop_file"
  [ ! -e "$work/kept-desktop-file" ] || mv "$work/kept-desktop-file" "$desktop_file"
  rm -rf "$work"
}
trap clean_up EXIT
[ ! -e "$desktop_file" ] || mv "$desktop_file" "$work/kept-desktop-file"

mkdir -p "$work/card/DCIM"
ln -s "$work/card" "$drive_link"
wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d floppy /f </dev/null >/dev/null 2>&1
restart_wine

card_story "$work/card" "${letter^^}:\\" "(no label)" "$letter:" "$desktop_file"

[ "$failures" -eq 0 ] || { echo "$failures checks failed" >&2; exit 1; }
echo "the card story passed"
