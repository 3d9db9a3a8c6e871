#!/usr/bin/env bash
# While another program holds the settings file so that it cannot be read, the program names
# the file, the system's reason and that saving will replace it, before its dialog appears;
# the dialog then shows the defaults, and once the other program lets go, OK saves them.
source "$(dirname "$0")/lib.sh"
e2e_begin

craft_record ours "5 0 6 0 1 1 1 0 4 2 2" "$(repeat 1 168)"
hold_settings

launch_program
wait_until 30 "a box says the file cannot be read" box_mentions "Saving will replace it."
box_mentions 'Desktop\Kestrune.txt' || fail "the box does not name the settings file"
box_mentions "Could not read" || fail "the box does not say what went wrong"
[ "$(probe icon "$box_caption")" = icon ] || fail "the box shows no icon"
no_window_titled "$dialog_caption" || fail "the dialog appeared before the box was dismissed"
click_control "$box_caption" 1
wait_until 10 "the box is gone" no_window_titled "$box_caption"

await_window
expect_control_text 1009 "1920*1080 60F"
expect_control_text 1010 "5Min"
expect_control_text 1020 "MM/DD/YYYY"
expect_cell_text 0 0 M
expect_cell_text 6 23 M

release_settings
click_control "$dialog_caption" 1005
dismiss_box_saying "Finish!"
expect_program_ends

expect_sealed_record
expect_choices "3 2 3 1 0 0 0 0 1 0 1"
expect_schedule "$(repeat 2 168)"
echo "e2e $e2e_name: passed"
