# shellcheck shell=bash
# Sourced: builds the application and finds its controls on the screen. The window carries no
# frame of its own here, so a control's place is the window's place plus the control's frame
# in the interface file (whose y axis points up from the window's bottom edge).

# shellcheck source=presets.sh
source "$(dirname "${BASH_SOURCE[0]}")/presets.sh"
# shellcheck source=poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"
# shellcheck source=screen.sh
source "$(dirname "${BASH_SOURCE[0]}")/screen.sh"
mac_app="$KESTRUNE_ROOT/build/linux/mac/Kestrune.app/Kestrune"
mac_xib="$KESTRUNE_ROOT/mac/MainMenu.xib"
# Without a window manager GNUstep shows an application icon window named like the main window.
mac_app_arguments=(-GSSuppressAppIcon YES)

build_mac_app() {
  echo "mac: building the linux preset's application"
  build_preset linux -j2 --target kestrune-mac
}

# The main window: GNUstep shows the main menu as a window of its own with the same name, so
# the main window is told by its width, the interface file's.
mac_window() {
  local id width
  width=$(sed -n 's/.*<rect key="contentRect" .* width="\([0-9]*\)".*/\1/p' "$mac_xib")
  for id in $(windows_titled Kestrune); do
    if [ "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | sed -n 's/^WIDTH=//p')" = "$width" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# "x y width height" of an element of the interface file, by its id, in the file's coordinates.
xib_frame() {
  grep -A1 -F "id=\"$1\">" "$mac_xib" | sed -n \
    's/.*<rect key="frame" x="\([-0-9.]*\)" y="\([-0-9.]*\)" width="\([0-9.]*\)" height="\([0-9.]*\)".*/\1 \2 \3 \4/p' |
    head -n1 | awk '{ printf "%d %d %d %d\n", $1, $2, $3, $4 }'
}

# An attribute of an element of the interface file, by the element's id.
xib_attribute() {
  grep -F "id=\"$1\"" "$mac_xib" | head -n1 | sed -n "s/.* $2=\"\\([^\"]*\\)\".*/\\1/p"
}

# "x y width height" of a control on the screen.
screen_rect() {
  local window x y w h wx wy wh
  window=$(mac_window)
  [ -n "$window" ] || return 1
  read -r wx wy < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
  wh=$(xdotool getwindowgeometry --shell "$window" | awk -F= '/^HEIGHT=/{print $2}')
  read -r x y w h <<<"$(xib_frame "$1")"
  [ -n "${h:-}" ] || return 1
  echo "$((wx + x)) $((wy + wh - y - h)) $w $h"
}

# "x y" of the middle of a schedule cell on the screen: below the table's header, rows of the
# table's row height, columns of their own width.
cell_point() {
  local day=$1 hour=$2 x y w h header row column
  read -r x y w h <<<"$(screen_rect scheduleScroll)"
  [ -n "${h:-}" ] || return 1
  read -r _ _ _ header <<<"$(xib_frame scheduleHeader)"
  row=$(xib_attribute mtableView rowHeight)
  column=$(xib_attribute "hour$hour" width)
  echo "$((x + 1 + hour * column + column / 2)) $((y + 1 + header + day * row + row / 2))"
}

# "x y" of the middle of an hour's title in the schedule table's header.
header_point() {
  local hour=$1 x y w h header column
  read -r x y w h <<<"$(screen_rect scheduleScroll)"
  [ -n "${h:-}" ] || return 1
  read -r _ _ _ header <<<"$(xib_frame scheduleHeader)"
  column=$(xib_attribute "hour$hour" width)
  echo "$((x + 1 + hour * column + column / 2)) $((y + 1 + header / 2))"
}

# The inside of a control as the screen shows it, as "colour-count signature".
control_picture() {
  local x y w h
  read -r x y w h <<<"$(screen_rect "$1")"
  [ -n "${h:-}" ] || return 1
  import -window root -crop "$((w - 8))x$((h - 8))+$((x + 4))+$((y + 4))" -format '%k %#' info: 2>/dev/null
}

# True when a control shows more than its background: some text has been drawn there.
control_shows_text() {
  local colours
  read -r colours _ <<<"$(control_picture "$1")"
  [ "${colours:-0}" -gt 2 ]
}

# True when a control shows the given picture.
control_picture_is() { [ "$(control_picture "$1")" = "$2" ]; }

# True when a control no longer shows the given picture.
control_picture_changed() {
  local now
  now=$(control_picture "$1") || return 1
  [ "$now" != "$2" ]
}

window_has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(mac_window)" ]; }

# Runs the application on the current display, saves a picture of its window to the PNG file
# once the clock shows the time, and closes it with Escape, which writes nothing. Needs a
# GNUstep session (tools/lib/gnustep.sh).
picture_mac_app() {
  local picture=$1 log=$2 pid
  echo "mac: starting Kestrune.app on display $DISPLAY"
  "$mac_app" "${mac_app_arguments[@]}" </dev/null >>"$log" 2>&1 &
  pid=$!
  if ! poll_until 30 mac_window || ! poll_until 10 control_shows_text timeLab; then
    echo "mac: the window did not appear; see $log" >&2
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 1
  fi
  mkdir -p "$(dirname "$picture")"
  import -window "$(mac_window)" "$picture"
  echo "mac: picture of the window saved to $picture"
  poll_until 10 window_has_focus || true
  xdotool key Escape
  if ! poll_until 20 eval "! kill -0 $pid"; then
    echo "mac: the application did not close; ending it" >&2
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}
