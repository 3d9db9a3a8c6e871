#!/usr/bin/env bash
# When the settings file cannot be written (its path is a folder), OK shows an error box that
# names the file, and the dialog stays open with the user's choice; once the cause is gone, OK
# saves that choice.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
# Blocked once the dialog is up: a folder there at the start would be named at the start.
mkdir -p "$settings"
open_drop_down 1020
press Down Return
wait_until 5 "the date format changed" control_text_is 1020 "DD/MM/YYYY"

click_control "$dialog_caption" 1005
wait_until 10 "an error box names the settings file" box_mentions "Kestrune.txt"
[ "$(probe icon "$box_caption")" = icon ] || fail "the error box shows no icon"
box_says "Finish!" && fail "the box says Finish! although nothing was written"
click_control "$box_caption" 1
wait_until 10 "the error box is gone" no_window_titled "$box_caption"

expect_window_open
expect_control_text 1020 "DD/MM/YYYY"
[ -d "$settings" ] || fail "the folder in the file's place was touched"

rmdir "$settings"
click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends
expect_sealed_record
expect_choices "3 2 3 1 0 0 0 0 1 0 2"
echo "e2e $e2e_name: passed"
