#!/usr/bin/env bash
# Undo (Command+Z; GNUstep takes Alt as Command) takes back a change by a key and a typed cell
# edit: the table shows the cells as before, and OK writes the bytes as before the changes.
# Redo puts a change back before it is undone again.
source "$(dirname "$0")/lib.sh"
e2e_begin

schedule=()
for ((cell = 0; cell < 168; cell++)); do schedule+=($(((cell / 5) % 3))); done
craft_record ours "3 1 3 1 0 0 0 0 1 0 1" "${schedule[*]}"

start_program
drag_cells 1 2 3 9
before=$(control_picture scheduleScroll)
press m
wait_until 5 "the table shows the change" control_picture_changed scheduleScroll "$before"
changed=$(control_picture scheduleScroll)
press alt+z
wait_until 5 "Undo shows the cells as before" control_picture_is scheduleScroll "$before"
press alt+shift+z
wait_until 5 "Redo shows the change again" control_picture_is scheduleScroll "$changed"
press alt+z
wait_until 5 "Undo shows the cells as before again" control_picture_is scheduleScroll "$before"

# A typed edit: a double-click on a cell, a letter, and a click on the first cell again.
click_cell 1 2
before=$(control_picture scheduleScroll)
edit_cell 6 20 c Tab
click_cell 1 2
wait_until 5 "the table shows the typed edit" control_picture_changed scheduleScroll "$before"
press alt+z
wait_until 5 "Undo shows the cell as before" control_picture_is scheduleScroll "$before"
press_ok_and_finish

expect_sealed_record
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
