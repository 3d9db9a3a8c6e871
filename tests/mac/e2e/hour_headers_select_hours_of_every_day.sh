#!/usr/bin/env bash
# A click on hour 0's header and a Shift+click on hour 5's select those hours on every day, and
# typing "o" sets them Off.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
click_hour_header 0
click_with shift click_hour_header 5
press o
press_ok_and_finish

expect_sealed_record
read -ra schedule <<<"$(repeat 2 168)"
for ((day = 0; day < 7; day++)); do
  for ((hour = 0; hour <= 5; hour++)); do schedule[day * 24 + hour]=0; done
done
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
