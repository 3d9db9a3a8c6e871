#!/usr/bin/env bash
# The drop-downs are lists to pick from: a typed letter and an arrow key pick choices, and Enter
# on a drop-down saves what they show, as the OK button does.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
# The focus starts on OK; Tab passes Cancel and the resolution to reach the loop length, whose
# list stays closed. Typing "1" picks "1Min".
press Tab Tab Tab 1
wait_until 5 "the loop length shows the typed choice" control_text_is 1010 "1Min"

# Tab moves on to the exposure; Down picks the next choice.
press Tab Down
wait_until 5 "the exposure shows the next choice" control_text_is 1011 "EV:+1"

press Return
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
expect_choices "3 0 4 1 0 0 0 0 1 0 1"
echo "e2e $e2e_name: passed"
