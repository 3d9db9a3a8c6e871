#!/usr/bin/env bash
# Escape asks before it throws changes away, and No keeps them; Yes, and the Cancel button, end
# the program without writing: the settings file keeps every byte, and nothing else is left on
# the desktop.
source "$(dirname "$0")/lib.sh"
e2e_begin

craft_record ours "1 0 2 0 1 0 1 0 3 1 2" "$(repeat 1 168)"
reference="$stash/reference"
cp "$settings" "$reference"

expect_file_untouched() {
  cmp -s "$settings" "$reference" || fail "the settings file changed after $1"
  # shellcheck disable=SC2012 # the names are our own
  [ "$(ls -A "$desktop")" = Kestrune.txt ] || fail "after $1 the desktop holds $(ls -A "$desktop" | tr '\n' ' ')"
}

start_program
open_drop_down 1009
press Down Return
wait_until 5 "the resolution changed" control_text_is 1009 "2304*1296 30F"
press Escape
wait_until 10 "a box asks before discarding" box_says "Discard your changes?"
click_control "$box_caption" 7
wait_until 10 "the box is gone" no_window_titled "$box_caption"
expect_dialog_open
expect_control_text 1009 "2304*1296 30F"
press Escape
wait_until 10 "a box asks again" box_says "Discard your changes?"
click_control "$box_caption" 6
expect_program_ends
expect_file_untouched "Escape"

start_program
click_cell 0 0
press minus Return
wait_until 5 "the cell changed" cell_text_is 0 0 "-"
click_control "$dialog_caption" 1006
expect_program_ends
expect_file_untouched "Cancel"
echo "e2e $e2e_name: passed"
