#!/usr/bin/env bash
# With the camera's card in the reader, OK saves straight to it: the card row offers the card
# and picks it as the only one, and a changed cell reaches both the desktop's file and the
# card's, with no copying by hand.
source "$(dirname "$0")/lib.sh"
e2e_begin
mount_card CAMERA
desktop_settings=$settings

start_program
click_cell 2 7
press c
press_ok_and_finish

read -ra schedule <<<"$(repeat 2 168)"
schedule[2 * 24 + 7]=1
for settings in "$desktop_settings" "$card/Kestrune.txt"; do
  expect_sealed_record
  expect_schedule "${schedule[*]}"
done
echo "e2e $e2e_name: passed"
