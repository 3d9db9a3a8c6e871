#!/usr/bin/env bash
# A click on Saturday and a Shift+click on Sunday select the weekend, and typing "O" sets it
# Off; a file's other cells keep their bytes, even those that are no mode.
source "$(dirname "$0")/lib.sh"
e2e_begin

schedule=()
for ((cell = 0; cell < 168; cell++)); do schedule+=($((cell % 3))); done
schedule[3]=7
craft_record ours "3 1 3 1 0 0 0 0 1 0 1" "${schedule[*]}"

start_program
click_control day5
click_with shift click_control day6
press shift+o
press_ok_and_finish

expect_sealed_record
for ((cell = 5 * 24; cell < 168; cell++)); do schedule[cell]=0; done
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
