#!/usr/bin/env bash
# When the settings file cannot be written (its path is a folder), OK shows an alert and the
# application keeps running with the user's edits; once the cause is gone, OK saves them. Text
# typed into a combo box that names none of its choices is refused the same way.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
# Blocked once the window is up: a folder there at the start would be named at the start.
mkdir -p "$settings"
# Return ends the edit and presses OK.
edit_cell 1 3 C Return
wait_until 10 "an alert is shown" alert_shown
dismiss_alert
expect_window_open
[ -d "$settings" ] || fail "the folder in the file's place was touched"
[ -z "$(ls -A "$settings")" ] || fail "something was written into the folder"
# shellcheck disable=SC2012 # the names are our own
[ "$(ls -A "$desktop")" = Kestrune.txt ] || fail "the desktop holds $(ls -A "$desktop" | tr '\n' ' ')"

rmdir "$settings"
click_control com2
press alt+a
xdotool type --delay 50 4K
click_control okButton
wait_until 10 "an alert is shown" alert_shown
dismiss_alert
expect_window_open
[ ! -e "$settings" ] || fail "a choice that is no choice was saved"
click_control com2
press alt+a
xdotool type --delay 50 5Min
click_control okButton
dismiss_alert
expect_program_ends
expect_sealed_record
expect_choices "3 2 3 1 0 0 0 0 1 0 1"
read -ra schedule <<<"$(repeat 2 168)"
schedule[1 * 24 + 3]=1
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
