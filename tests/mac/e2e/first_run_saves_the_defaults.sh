#!/usr/bin/env bash
# With no settings file the application shows the macOS defaults; OK says "Finish", ends the
# application and writes them, sealed.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_program
click_control okButton
wait_until 10 "an alert is shown" alert_shown
expect_window_open
[ -f "$settings" ] || fail "the alert came before the file was written"
dismiss_alert
expect_program_ends

expect_sealed_record
expect_choices "3 1 3 1 0 0 0 0 1 0 1"
expect_schedule "$(repeat 2 168)"
echo "e2e $e2e_name: passed"
