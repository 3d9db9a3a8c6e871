#!/usr/bin/env bash
# With no settings file the program shows the defaults; OK says "Finish!" and writes them.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
expect_control_text 1009 "1920*1080 60F"
expect_control_text 1010 "5Min"
expect_control_text 1020 "MM/DD/YYYY"
expect_cell_text 0 0 M
expect_cell_text 6 23 M
# The clock starts within a tick or two.
wait_until 5 "the clock shows the time" clock_is_running

click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
expect_choices "3 2 3 1 0 0 0 0 1 0 1"
expect_schedule "$(repeat 2 168)"
echo "e2e $e2e_name: passed"
