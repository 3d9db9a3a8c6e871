#!/usr/bin/env bash
# With the camera's card in a reader, the card row picks it at start; a changed setting reaches
# both the desktop's settings file and the card's on OK, and the box names the card.
source "$(dirname "$0")/lib.sh"
e2e_begin
insert_card m CAMERA

start_program
wait_until 5 "the card row picks the card" \
  control_text_is 1032 "${card_root} CAMERA: no settings file yet"
expect_control_text 1034 "Kestrune text file will save to desktop and to the card ${card_root} CAMERA."

# Beep: open the list with a click on its arrow, one down to OFF, Enter.
open_drop_down 1013
press Down Return
wait_until 5 "the beep shows OFF" control_text_is 1013 "OFF"

click_control "$dialog_caption" 1005
wait_until 10 "the box names the card" box_says "Also saved to the card ${card_root} CAMERA."
box_says "Finish!" || fail "the box does not say Finish!"
click_control "$box_caption" 1
expect_program_ends

[ -f "$card_file" ] || fail "nothing was written to the card"
# Each file is checked in a subshell: the scenario's end puts the user's file back at $settings.
for file in "$settings" "$card_file"; do
  (
    settings=$file
    expect_sealed_record
    expect_choices "3 2 3 1 1 0 0 0 1 0 1"
    expect_schedule "$(repeat 2 168)"
  )
done
echo "e2e $e2e_name: passed"
