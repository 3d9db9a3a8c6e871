#!/usr/bin/env bash
# The Cancel button and Escape end the application without writing: an existing settings
# file keeps every byte, even after a cell was edited, and no temporary file is left. With
# changes made, Escape and Quit ask "Discard your changes?" first, and the window stays open
# unless the user agrees.
source "$(dirname "$0")/lib.sh"
e2e_begin

craft_record ours "1 0 2 0 1 0 1 0 3 1 2" "$(repeat 1 168)"
reference="$HOME/reference"
cp "$settings" "$reference"

expect_file_untouched() {
  cmp -s "$settings" "$reference" || fail "the settings file changed after $1"
  # shellcheck disable=SC2012 # the names are our own
  [ "$(ls -A "$desktop")" = Kestrune.txt ] || fail "after $1 the desktop holds $(ls -A "$desktop" | tr '\n' ' ')"
}

# Clicks a button, letting go only once the window shows it pressed. The press on Cancel first
# ends the cell editor; a release that reaches GNUstep while it is still busy with the press can
# sit unread until the next input arrives, and here no more input comes.
click_button_once_pressed() {
  local x y w h unpressed
  read -r x y w h <<<"$(screen_rect "$1")"
  [ -n "${h:-}" ] || fail "control $1 not found"
  move_pointer $((x + w / 2)) $((y + h / 2))
  unpressed=$(control_picture "$1")
  xdotool mousedown 1
  wait_until 10 "$1 shows it is pressed" control_picture_changed "$1" "$unpressed"
  xdotool mouseup 1
}

start_program
edit_cell 0 0 O Tab
click_button_once_pressed cancelButton
expect_program_ends
expect_file_untouched "Cancel"

start_program
press Escape
expect_program_ends
expect_file_untouched "Escape"

start_program
edit_cell 0 0 O Tab
# The cell editor that Tab opened keeps Escape; a click elsewhere ends it.
click_cell 3 3
press Escape
wait_until 10 "the question is asked" alert_has_focus
press Escape
wait_until 10 "the question is gone" no_alert_shown
expect_window_open
# Alt is GNUstep's Command key: Alt+Q is Quit.
press alt+q
wait_until 10 "the question is asked at Quit" alert_has_focus
press Return
expect_program_ends
expect_file_untouched "discarding the changes"
echo "e2e $e2e_name: passed"
