#!/usr/bin/env bash
# A drag from Monday 8:00 to Friday 18:00 selects that rectangle, and typing "c" sets every
# cell of it: OK writes Continuous 8-18 on weekdays and leaves Motion everywhere else. A letter
# that is no mode is explained on the line under the table for a while.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
week_line=$(control_picture weekLine)
click_cell 0 8
press x
wait_until 5 "the line under the table says why the letter changed nothing" \
  control_picture_changed weekLine "$week_line"
wait_until 10 "the week comes back to the line under the table" \
  control_picture_is weekLine "$week_line"
drag_cells 0 8 4 18
press c
control_picture_changed weekLine "$week_line" || fail "the week line did not follow the change"
press_ok_and_finish

expect_sealed_record
read -ra schedule <<<"$(repeat 2 168)"
for ((day = 0; day <= 4; day++)); do
  for ((hour = 8; hour <= 18; hour++)); do schedule[day * 24 + hour]=1; done
done
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
