#!/usr/bin/env bash
# When no path to the settings file can be formed (the desktop's path is not valid UTF-8), the
# application says so before the window is shown; OK then writes nothing anywhere, says so in
# turn and keeps the window open.
source "$(dirname "$0")/lib.sh"
e2e_begin

# The user-dirs file names a desktop folder whose name is not valid UTF-8.
odd_desktop="$HOME/odd-"$'\xff'
mkdir -p "$odd_desktop" "$HOME/odd-config"
printf 'XDG_DESKTOP_DIR="%s"\n' "$odd_desktop" >"$HOME/odd-config/user-dirs.dirs"
app_launcher=(env "XDG_CONFIG_HOME=$HOME/odd-config")

launch_program
wait_until 30 "an alert is shown" alert_shown
[ -z "$(mac_window)" ] || fail "the window was shown before the alert"
dismiss_alert
await_window

click_control okButton
wait_until 10 "an alert is shown" alert_shown
dismiss_alert
expect_window_open
[ -z "$(ls -A "$odd_desktop")" ] || fail "something was written to the odd desktop"
[ -z "$(ls -A "$desktop")" ] || fail "something was written to $desktop"

click_control cancelButton
expect_program_ends
echo "e2e $e2e_name: passed"
