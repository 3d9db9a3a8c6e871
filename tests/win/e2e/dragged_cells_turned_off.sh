#!/usr/bin/env bash
# A drag from Tuesday 2:00 to Thursday 5:00 selects that rectangle without opening an editor;
# the context menu's Off, chosen over it, turns those twelve hours off.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
drag_cells 1 2 3 5
wait_until 5 "the grid has the focus" focus_is SysListView32
right_click_cell 2 3
wait_until 5 "the context menu opens" menu_is_open
# The menu's first item is Off.
press Down Return
wait_until 5 "Thursday 5:00 is off" cell_text_is 3 5 -
expect_cell_text 1 2 -
expect_cell_text 1 6 M
expect_cell_text 4 5 M

click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
read -ra schedule <<<"$(repeat 2 168)"
for ((day = 1; day <= 3; day++)); do
  for ((hour = 2; hour <= 5; hour++)); do schedule[day * 24 + hour]=0; done
done
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
