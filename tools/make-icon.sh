#!/usr/bin/env bash
# Draws the programs' icon (a camera with its record light, 16 colours): win/res/Kestrune.ico (32x32 and 16x16) and the Debian package's menu icons packaging/linux/icons/kestrune-{16,32,48}.png.
set -euo pipefail
source "$(dirname "$0")/lib/root.sh"
out="$KESTRUNE_ROOT/win/res/Kestrune.ico"
menu_icons="$KESTRUNE_ROOT/packaging/linux/icons"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One camera drawn on a canvas of the given size; the coordinates scale with it.
draw_camera() {
  local size=$1 file=$2
  local s=$((size))
  convert -size "${s}x${s}" xc:none \
    -fill '#1f3a5f' -stroke '#0b1626' -strokewidth 1 \
    -draw "roundrectangle $((s * 2 / 32)),$((s * 9 / 32)) $((s * 29 / 32)),$((s * 28 / 32)) $((s * 3 / 32)),$((s * 3 / 32))" \
    -draw "rectangle $((s * 9 / 32)),$((s * 5 / 32)) $((s * 18 / 32)),$((s * 9 / 32))" \
    -fill '#c0c0c0' -stroke '#0b1626' \
    -draw "circle $((s * 15 / 32)),$((s * 18 / 32)) $((s * 15 / 32)),$((s * 12 / 32))" \
    -fill '#000080' -stroke none \
    -draw "circle $((s * 15 / 32)),$((s * 18 / 32)) $((s * 15 / 32)),$((s * 15 / 32))" \
    -fill '#ff0000' \
    -draw "circle $((s * 25 / 32)),$((s * 13 / 32)) $((s * 25 / 32)),$((s * 11 / 32))" \
    -colors 15 "PNG8:$file"
}

echo "make-icon: drawing 32x32 and 16x16"
draw_camera 32 "$work/32.png"
draw_camera 16 "$work/16.png"
mkdir -p "$(dirname "$out")"
convert "$work/32.png" "$work/16.png" "$out"
echo "make-icon: wrote $out"
identify "$out"

echo "make-icon: drawing the menu icons 16x16, 32x32 and 48x48"
draw_camera 48 "$work/48.png"
mkdir -p "$menu_icons"
for size in 16 32 48; do
  # Without the time stamps PNG files otherwise carry, the same drawing gives the same bytes.
  convert "$work/$size.png" -define png:exclude-chunks=date,time "$menu_icons/kestrune-$size.png"
  echo "make-icon: wrote $menu_icons/kestrune-$size.png"
done
