# shellcheck shell=bash
# Sourced by each end-to-end scenario: runs the real program under Wine in Xvfb, drives it with
# xdotool where kestrune-probe reports its controls, and keeps a screenshot of every failure.
# Arguments of a scenario: SOURCE_ROOT PROGRAM_EXE PROBE_EXE SCREENSHOT_FOLDER RECORD_TOOL_EXE;
# a script that neither reads nor crafts a settings file may leave out the last.
set -euo pipefail

e2e_program=$2
e2e_probe=$3
e2e_shots=$4
e2e_record_tool=${5:-}
e2e_name=$(basename "$0" .sh)

# shellcheck source=../../../tools/lib/root.sh
source "$1/tools/lib/root.sh"
# shellcheck source=../../../tools/lib/xvfb.sh
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
# shellcheck source=../../../tools/lib/wine.sh
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
# shellcheck source=../../../tools/lib/screen.sh
source "$KESTRUNE_ROOT/tools/lib/screen.sh"
# shellcheck source=../../e2e/scenario.sh
source "$KESTRUNE_ROOT/tests/e2e/scenario.sh"

dialog_caption=Kestrune
# Message boxes carry the program's name, which is its file's base name.
box_caption=$(basename "$e2e_program" .exe)

program_pid=""
program_status=""
holder_pid=""
holder_release=""
card_letter=""
own_display=no
stash=""

#--- Set-up and clean-up

# Readies the display and the private prefix, and moves any settings file aside for the run.
e2e_begin() {
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    own_display=yes
  fi
  prepare_wine_prefix
  desktop=$(wine_desktop)
  settings="$desktop/Kestrune.txt"
  log="$e2e_shots/$e2e_name.log"
  mkdir -p "$e2e_shots"
  : >"$log"
  stash="$WINEPREFIX/../e2e-stash-$e2e_name"
  rm -rf "$stash"
  mkdir -p "$stash"
  if [ -e "$settings" ]; then mv "$settings" "$stash/"; fi
  trap e2e_end EXIT
  echo "e2e $e2e_name: display $DISPLAY, desktop $desktop"
}

# Ends whatever still runs and puts the user's settings file back.
e2e_end() {
  local status=$?
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$holder_pid" ]; then
    kill "$holder_pid" 2>/dev/null || true
    wait "$holder_pid" 2>/dev/null || true
  fi
  [ -z "$holder_release" ] || rm -f "$holder_release"
  [ -z "$card_letter" ] || remove_removable_drive "$card_letter"
  rm -rf "$settings"
  if [ -e "$stash/Kestrune.txt" ]; then mv "$stash/Kestrune.txt" "$settings"; fi
  rm -rf "$stash"
  if [ "$own_display" = yes ]; then
    stop_wineserver
    stop_xvfb
  fi
  exit "$status"
}


no_window_titled() { ! window_titled "$1"; }
holder_has_ended() { ! kill -0 "$holder_pid" 2>/dev/null; }

#--- The program

dialog_shown_or_program_ended() { window_titled "$dialog_caption" || program_has_ended; }

# Wine closes its desktop a few seconds after the last program on it has ended. A program that
# starts just then gets no windows at all and ends at once, and Wine says why on its diagnostic
# channel; such a start is Wine's, not the program's, and is made once more.
wine_desktop_was_closing() {
  tail -n "+$1" "$log" | grep -qF "The explorer process failed to start"
}

start_program() {
  local attempt first_line
  for attempt in 1 2; do
    echo "e2e $e2e_name: starting $(basename "$e2e_program")"
    first_line=$(($(wc -l <"$log") + 1))
    WINEDEBUG=-all,err+winediag wine "$e2e_program" </dev/null >>"$log" 2>&1 &
    program_pid=$!
    wait_until 30 "the dialog is shown" dialog_shown_or_program_ended
    if window_titled "$dialog_caption" >/dev/null; then break; fi
    program_status=0
    wait "$program_pid" || program_status=$?
    program_pid=""
    if [ "$attempt" -eq 2 ] || ! wine_desktop_was_closing "$first_line"; then
      fail "the program ended with status $program_status without showing the dialog"
    fi
    echo "e2e $e2e_name: Wine's desktop was closing as the program started; starting it again"
  done
  # The dialog is shown once its set-up is done; the probe then finds its controls.
  wait_until 10 "the dialog's controls answer" probe rect "$dialog_caption" 1005
}

# Starts the program without waiting for its dialog, for a scenario in which a box comes first.
launch_program() {
  echo "e2e $e2e_name: starting $(basename "$e2e_program")"
  wine "$e2e_program" </dev/null >>"$log" 2>&1 &
  program_pid=$!
}

await_window() {
  wait_until 30 "the dialog is shown" window_titled "$dialog_caption"
  wait_until 10 "the dialog's controls answer" probe rect "$dialog_caption" 1005
}

expect_window_open() {
  kill -0 "$program_pid" 2>/dev/null || fail "the program has ended"
  window_titled "$dialog_caption" >/dev/null || fail "the dialog is not shown"
}

probe() { wine "$e2e_probe" "$@" 2>/dev/null | tr -d '\r'; }

# kestrune-record COMMAND FILE ...: reads or writes a settings file for the checks, under Wine,
# with the file named as Windows names it.
record_tool() {
  [ -n "$e2e_record_tool" ] || fail "no kestrune-record was given to $e2e_name"
  local command=$1 file=$2
  shift 2
  wine "$e2e_record_tool" "$command" "$(windows_path "$file")" "$@" </dev/null | tr -d '\r'
}

#--- Mouse and keys, at positions read from the running windows

click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
}

# Clicks the middle of a rectangle "x y width height".
click_middle() {
  local x y w h
  read -r x y w h <<<"$1"
  [ -n "${h:-}" ] || fail "no rectangle to click: '$1'"
  click_at $((x + w / 2)) $((y + h / 2))
}

click_control() {
  local caption=$1 id=$2
  click_middle "$(probe rect "$caption" "$id")"
}

# Opens a drop-down's list with a click on its arrow, at the right end of the control.
open_drop_down() {
  local x y w h
  read -r x y w h <<<"$(probe rect "$dialog_caption" "$1")"
  [ -n "${h:-}" ] || fail "drop-down $1 not found"
  click_at $((x + w - h / 2)) $((y + h / 2))
}

click_cell() {
  click_middle "$(probe cell "$dialog_caption" 1019 "$1" "$2")"
}

# Presses a mouse button on one cell, moves over to another and lets go there.
drag_cells() {
  local x y w h x2 y2 w2 h2
  read -r x y w h <<<"$(probe cell "$dialog_caption" 1019 "$1" "$2")"
  read -r x2 y2 w2 h2 <<<"$(probe cell "$dialog_caption" 1019 "$3" "$4")"
  if [ -z "${h:-}" ] || [ -z "${h2:-}" ]; then fail "no cells to drag between"; fi
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) mousedown 1 \
    mousemove --sync $((x2 + w2 / 2)) $((y2 + h2 / 2)) mouseup 1
}

right_click_cell() {
  local x y w h
  read -r x y w h <<<"$(probe cell "$dialog_caption" 1019 "$1" "$2")"
  [ -n "${h:-}" ] || fail "no cell $1,$2"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 3
}

press() { xdotool key "$@"; }

# The class of the dialog's focused window: ComboBox for an open cell editor, SysListView32
# for the grid itself.
focus_is() { [ "$(probe focus "$dialog_caption")" = "$1" ]; }
menu_is_open() { [ "$(probe menu)" = open ]; }

control_text_is() { [ "$(probe text "$dialog_caption" "$1")" = "$2" ]; }
cell_text_is() { [ "$(probe celltext "$dialog_caption" 1019 "$1" "$2")" = "$3" ]; }
box_says() { probe texts "$box_caption" | grep -qxF -- "$1"; }
box_mentions() { probe texts "$box_caption" | grep -qF -- "$1"; }

expect_control_text() {
  local actual
  actual=$(probe text "$dialog_caption" "$1")
  [ "$actual" = "$2" ] || fail "control $1 shows '$actual', not '$2'"
}

expect_cell_text() {
  local actual
  actual=$(probe celltext "$dialog_caption" 1019 "$1" "$2")
  [ "$actual" = "$3" ] || fail "cell $1,$2 shows '$actual', not '$3'"
}

# Dismisses the message box that says the given text with a click on its OK button.
dismiss_box_saying() {
  wait_until 10 "a box says '$1'" box_says "$1"
  click_control "$box_caption" 1
  wait_until 10 "the box is gone" no_window_titled "$box_caption"
}


# The clock shows "MM/DD/YYYY, hh:mm:ss" or another order of the same parts.
clock_is_running() {
  [[ "$(probe text "$dialog_caption" 1004)" =~ ^[0-9/]{10},\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]]
}

#--- The camera's card in a reader

# Puts a camera card labelled LABEL in reader LETTER: a folder holding the camera's DCIM folder.
# Sets card_root and card_file for the scenario.
# shellcheck disable=SC2034 # the scenarios read them
insert_card() {
  card_folder="$stash/card"
  mkdir -p "$card_folder/DCIM"
  add_removable_drive "$1" "$card_folder" "$2" || fail "no drive $1: for the card"
  card_letter=$1
  card_root="${1^^}:\\"
  card_file="$card_folder/Kestrune.txt"
}

#--- Another program holding the settings file

# Windows' name for a file on the Unix side: Wine shows the root as drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }

# Another program opens the settings file sharing nothing, so no one else can open it.
hold_settings() {
  local said="$e2e_shots/$e2e_name.holder"
  holder_release="$e2e_shots/$e2e_name.release"
  rm -f "$holder_release"
  wine "$e2e_probe" hold "$(windows_path "$settings")" "$(windows_path "$holder_release")" \
    </dev/null >"$said" 2>>"$log" &
  holder_pid=$!
  wait_until 30 "the other program holds the settings file" grep -q holding "$said"
}

# The other program lets go of the settings file and ends.
release_settings() {
  touch "$holder_release"
  wait_until 10 "the other program lets go" holder_has_ended
  wait "$holder_pid" || fail "the other program ended with status $?"
  holder_pid=""
}
