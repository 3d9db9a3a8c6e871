#!/usr/bin/env bash
# A file from an earlier save is shown; a drop-down and a grid cell changed with real clicks and
# keys reach the file written on OK, with values that were out of range lowered or made Motion.
source "$(dirname "$0")/lib.sh"
e2e_begin

# Hour h of day d holds (d + h) mod 3, except two values that are no mode on Wednesday.
schedule=()
for ((day = 0; day < 7; day++)); do
  for ((hour = 0; hour < 24; hour++)); do schedule+=($(((day + hour) % 3))); done
done
schedule[2 * 24 + 0]=7
schedule[2 * 24 + 5]=7
craft_record ours "5 9 6 0 1 1 1 1 4 2 -1" "${schedule[*]}"

start_program
expect_control_text 1009 "1280*720 120F"
expect_control_text 1010 "5Min"
expect_control_text 1020 ""
expect_cell_text 1 3 "C"
expect_cell_text 2 0 "3"
expect_cell_text 2 5 ""

# Resolution: open the list with a click on its arrow, one down, Enter.
open_drop_down 1009
press Down Return
wait_until 5 "the resolution shows the next choice" control_text_is 1009 "1280*720 60F"

# Tuesday, 3 o'clock: a click opens the cell's drop-down; "-" picks Off; Enter ends the edit.
click_cell 1 3
press minus Return
wait_until 5 "the cell shows its new letter" cell_text_is 1 3 "-"

# Friday, 10 o'clock: "c" picks Continuous and the drop-down stays open; clicking OK ends the
# edit first, so the cell is written before the grid is read.
click_cell 4 10
press c
click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
expect_choices "6 2 6 0 1 1 1 0 4 2 -1"
schedule[1 * 24 + 3]=0
schedule[4 * 24 + 10]=1
schedule[2 * 24 + 0]=2
schedule[2 * 24 + 5]=2
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
