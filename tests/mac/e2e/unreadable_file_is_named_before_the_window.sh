#!/usr/bin/env bash
# A settings file the application cannot read (its permissions shut everyone out, and the
# application runs without the privilege to pass over them) is named in an alert before the
# window is shown; the window then shows the defaults, and once the file is readable again,
# OK replaces it with them.
source "$(dirname "$0")/lib.sh"
e2e_begin

craft_record ours "5 0 6 0 1 1 1 0 4 2 2" "$(repeat 1 168)"
chmod 000 "$settings"
app_launcher=(setpriv --inh-caps=-all --bounding-set=-all --)

launch_program
wait_until 30 "an alert is shown" alert_shown
[ -z "$(mac_window)" ] || fail "the window was shown before the alert"
dismiss_alert
await_window

chmod 644 "$settings"
click_control okButton
wait_until 10 "an alert is shown" alert_shown
dismiss_alert
expect_program_ends

expect_sealed_record
expect_choices "3 1 3 1 0 0 0 0 1 0 1"
expect_schedule "$(repeat 2 168)"
echo "e2e $e2e_name: passed"
