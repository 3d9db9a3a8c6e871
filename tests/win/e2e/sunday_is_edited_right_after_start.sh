#!/usr/bin/env bash
# Right after start-up the whole week shows: Sunday's row is in sight without scrolling, and a
# click on one of its cells edits Sunday.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
read -r _ grid_y _ grid_h <<<"$(probe rect "$dialog_caption" 1019)"
read -r _ cell_y _ cell_h <<<"$(probe cell "$dialog_caption" 1019 6 2)"
[ $((cell_y + cell_h)) -le $((grid_y + grid_h)) ] ||
  fail "Sunday's row (y $cell_y, height $cell_h) is not inside the grid (y $grid_y, height $grid_h)"

# Sunday, 2 o'clock: a click opens the cell's drop-down; "c" picks Continuous; Enter ends the
# edit and leaves the dialog open.
click_cell 6 2
press c Return
wait_until 5 "Sunday's cell shows its new letter" cell_text_is 6 2 "C"
expect_window_open
expect_cell_text 5 2 "M"

click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
read -ra schedule <<<"$(repeat 2 168)"
schedule[6 * 24 + 2]=1
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
