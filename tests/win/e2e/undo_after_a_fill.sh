#!/usr/bin/env bash
# Filling the week from the context menu, opened with Shift+F10, and Ctrl+Z right after it
# bring back every cell as it was, and that is what OK writes.
source "$(dirname "$0")/lib.sh"
e2e_begin

# Hour h of day d holds (d + h) mod 3.
schedule=()
for ((day = 0; day < 7; day++)); do
  for ((hour = 0; hour < 24; hour++)); do schedule+=($(((day + hour) % 3))); done
done
craft_record ours "3 2 3 1 0 0 0 0 1 0 1" "${schedule[*]}"

start_program
click_cell 2 4
wait_until 5 "the cell's drop-down has the focus" focus_is ComboBox
press Escape
wait_until 5 "the grid has the focus" focus_is SysListView32
press shift+F10
wait_until 5 "the context menu opens" menu_is_open
# Fill the week with, Continuous.
press f c
wait_until 5 "the week is continuous" cell_text_is 6 23 C
expect_cell_text 0 0 C

press ctrl+z
wait_until 5 "Sunday 23:00 is back" cell_text_is 6 23 M
expect_cell_text 0 0 -
expect_cell_text 2 5 C

click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
