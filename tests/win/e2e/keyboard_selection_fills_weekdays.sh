#!/usr/bin/env bash
# Weekdays 8:00 to 18:59 continuous, motion otherwise, with the keys: a click on Monday 8:00,
# Escape closes its drop-down, Shift+arrows grow the selection to Friday 18:00 and C fills it.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
click_cell 0 8
wait_until 5 "the cell's drop-down has the focus" focus_is ComboBox
press Escape
wait_until 5 "the grid has the focus" focus_is SysListView32
xdotool key --delay 30 --repeat 10 shift+Right
xdotool key --delay 30 --repeat 4 shift+Down
press c
wait_until 5 "Friday 18:00 is continuous" cell_text_is 4 18 C
expect_cell_text 0 7 M
expect_cell_text 5 8 M

click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
schedule=()
for ((day = 0; day < 7; day++)); do
  for ((hour = 0; hour < 24; hour++)); do
    if ((day < 5 && hour >= 8 && hour <= 18)); then schedule+=(1); else schedule+=(2); fi
  done
done
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
