# shellcheck shell=bash
# Sourced by each end-to-end scenario: runs the real Kestrune.app in a private GNUstep session
# (its own home, state folder and daemons) on an X display, drives it with xdotool at places
# taken from the interface file, and keeps a screenshot of every failure.
# Arguments of a scenario: SOURCE_ROOT APPLICATION_EXECUTABLE SCREENSHOT_FOLDER RECORD_TOOL.
set -euo pipefail

e2e_shots=$3
e2e_record_tool=$4
e2e_name=$(basename "$0" .sh)

# shellcheck source=../../../tools/lib/root.sh
source "$1/tools/lib/root.sh"
# shellcheck source=../../../tools/lib/gnustep.sh
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
gnustep_enter_private_namespace "$0" "$@"
# shellcheck source=../../../tools/lib/xvfb.sh
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
# shellcheck source=../../../tools/lib/mac-app.sh
source "$KESTRUNE_ROOT/tools/lib/mac-app.sh"
# shellcheck source=../../e2e/scenario.sh
source "$KESTRUNE_ROOT/tests/e2e/scenario.sh"
mac_app=$2

# Clicks closer together than this are taken as one by GNUstep's tracking loops.
click_gap=0.3
press_gap=0.1

program_pid=""
program_status=""
# The camera card's mount, while one is mounted.
card=""
card_image=""
# What the application is started through, if anything.
app_launcher=()
own_display=no

#--- Set-up and clean-up

# Readies a display and a private session whose desktop folder exists and is empty.
e2e_begin() {
  mkdir -p "$e2e_shots"
  log="$e2e_shots/$e2e_name.log"
  : >"$log"
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    own_display=yes
  fi
  trap e2e_end EXIT
  gnustep_begin_session "$log"
  desktop="$HOME/Desktop"
  mkdir -p "$desktop"
  settings="$desktop/Kestrune.txt"
  echo "e2e $e2e_name: display $DISPLAY, desktop $desktop"
}

# Ends whatever still runs; the session's folders go with it.
e2e_end() {
  local status=$?
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    # GNUstep answers the signal as Quit, which asks first when there are unsaved changes.
    kill "$program_pid" 2>/dev/null || true
    poll_until 5 program_has_ended || kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  unmount_card
  gnustep_end_session
  if [ "$own_display" = yes ]; then stop_xvfb; fi
  exit "$status"
}


#--- A camera card in the reader

# True for the machine's real root, which may use FUSE; a user namespace's root may not.
real_root() { [ "$(awk '$1 == 0 { print $2 }' /proc/self/uid_map)" = 0 ]; }

# Mounts a camera card (a DCIM folder at its root) where a Linux desktop mounts one,
# /media/<user>/<label>, in this session's private mount namespace, under a /media of its own:
# as root a FAT image through fusefat, for anyone else a tmpfs. Sets card to its root.
mount_card() {
  local label=$1
  mount -t tmpfs e2e-media /media
  card="/media/$(id -un)/$label"
  mkdir -p "$card"
  if real_root; then
    card_image="$HOME/card.img"
    truncate -s 32M "$card_image"
    mkfs.vfat -n "$label" "$card_image" >/dev/null
    fusefat -o rw+ "$card_image" "$card"
  else
    mount -t tmpfs "$label" "$card"
  fi
  mkdir "$card/DCIM"
  echo "e2e $e2e_name: card $label mounted at $card ($(findmnt -no FSTYPE "$card"))"
}

unmount_card() {
  [ -n "$card" ] || return 0
  if [ -n "$card_image" ]; then fusermount -u "$card" || true; else umount "$card" || true; fi
  umount /media || true
  card=""
}

visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
alert_window() { window_titled Alert; }
alert_shown() { [ -n "$(alert_window)" ]; }
no_alert_shown() { ! alert_shown; }
# The alert is looked for at each poll: a save can take longer than the step that led to it.
alert_has_focus() {
  local alert
  alert=$(alert_window)
  [ -n "$alert" ] && focus_is_on "$alert"
}
focus_is_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

#--- The application

start_program() {
  launch_program
  await_window
}

launch_program() {
  echo "e2e $e2e_name: starting $(basename "$mac_app")"
  "${app_launcher[@]}" "$mac_app" "${mac_app_arguments[@]}" </dev/null >>"$log" 2>&1 &
  program_pid=$!
}

await_window() {
  wait_until 30 "the window is shown" mac_window
  # The window takes the keyboard once it is up; the first tick puts the time in the clock.
  wait_until 10 "the window has the keyboard" focus_is_on "$(mac_window)"
  wait_until 10 "the clock shows the time" control_shows_text timeLab
  # GNUstep spends the first click into a window that no window manager has activated on
  # activating it; a click on a label spends it harmlessly.
  click_control hint1
}

expect_window_open() {
  kill -0 "$program_pid" 2>/dev/null || fail "the application has ended"
  [ -n "$(mac_window)" ] || fail "the window is not shown"
}

# kestrune-record, which reads and writes settings files for the checks, runs natively.
record_tool() { "$e2e_record_tool" "$@"; }

#--- Mouse and keys

pointer_is_at() { [ "$(xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/p')" = "$1 $2" ]; }

# Moves the pointer and waits until it is there.
move_pointer() {
  xdotool mousemove "$1" "$2"
  wait_until 5 "the pointer is at $1,$2" pointer_is_at "$1" "$2"
}

# Presses and releases the button apart: GNUstep can lose a release that comes with its press.
click_at() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  sleep "$press_gap"
  xdotool mouseup 1
  sleep "$click_gap"
}

# Clicks the middle of a control of the window.
click_control() {
  local x y w h
  read -r x y w h <<<"$(screen_rect "$1")"
  [ -n "${h:-}" ] || fail "control $1 not found"
  click_at $((x + w / 2)) $((y + h / 2))
}

press() {
  xdotool key "$@"
  sleep "$click_gap"
}

# Edits a schedule cell: a double click opens its editor, the text is typed there and the
# given key ends the edit: Tab moves on to the next cell, Return also presses OK.
edit_cell() {
  local day=$1 hour=$2 text=$3 end=$4 x y
  read -r x y <<<"$(cell_point "$day" "$hour")"
  [ -n "${y:-}" ] || fail "cell $day,$hour not found"
  move_pointer "$x" "$y"
  xdotool click --repeat 2 --delay 80 1
  sleep "$click_gap"
  xdotool type --delay 50 "$text"
  press "$end"
}

# Clicks with a modifier key held: shift, or alt, which GNUstep takes as Command.
click_with() {
  local key=$1
  shift
  xdotool keydown "$key"
  "$@"
  xdotool keyup "$key"
  sleep "$click_gap"
}

click_cell() {
  local x y
  read -r x y <<<"$(cell_point "$1" "$2")"
  [ -n "${y:-}" ] || fail "cell $1,$2 not found"
  click_at "$x" "$y"
}

click_hour_header() {
  local x y
  read -r x y <<<"$(header_point "$1")"
  [ -n "${y:-}" ] || fail "the header of hour $1 not found"
  click_at "$x" "$y"
}

# Drags with the button held from one schedule cell to another, through a point between them,
# so that GNUstep's tracking loop sees the pointer move.
drag_cells() {
  local x1 y1 x2 y2
  read -r x1 y1 <<<"$(cell_point "$1" "$2")"
  read -r x2 y2 <<<"$(cell_point "$3" "$4")"
  [[ -n ${y1:-} && -n ${y2:-} ]] || fail "cells $1,$2 or $3,$4 not found"
  move_pointer "$x1" "$y1"
  xdotool mousedown 1
  sleep "$press_gap"
  move_pointer $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
  move_pointer "$x2" "$y2"
  sleep "$press_gap"
  xdotool mouseup 1
  sleep "$click_gap"
}

# Presses OK, dismisses "Finish" and waits for the application to end.
press_ok_and_finish() {
  click_control okButton
  wait_until 10 "an alert is shown" alert_shown
  dismiss_alert
  expect_program_ends
}

# Dismisses the alert with its default button and waits until it is gone.
dismiss_alert() {
  wait_until 10 "the alert has the keyboard" alert_has_focus
  press Return
  wait_until 10 "the alert is gone" no_alert_shown
}

