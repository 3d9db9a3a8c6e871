#!/usr/bin/env bash
# A drag from Monday 8:00 to Friday 18:00 selects that rectangle, and typing "c" sets every
# cell of it: OK writes Continuous 8-18 on weekdays and leaves Motion everywhere else.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_app
drag_cells 0 8 4 18
press c
press_ok_and_finish

expect_sealed_record
read -ra schedule <<<"$(repeat 2 168)"
for ((day = 0; day <= 4; day++)); do
  for ((hour = 8; hour <= 18; hour++)); do schedule[day * 24 + hour]=1; done
done
expect_bytes "schedule" 147 168 "${schedule[*]}"
echo "e2e $e2e_name: passed"
