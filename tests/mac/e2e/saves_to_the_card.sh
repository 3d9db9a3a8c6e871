#!/usr/bin/env bash
# With the camera's card in the reader, OK saves straight to it: the card row offers the card,
# picks it as the only one, and a changed cell reaches both the desktop's file and the card's.
# A card that cannot take the file is named and the window stays open; Load from Card brings
# the card's settings back into the window; a file that changed while the window was open is
# replaced only when the user says so.
source "$(dirname "$0")/lib.sh"
e2e_begin
mount_card CAMERA
desktop_settings=$settings
card_settings="$card/Kestrune.txt"

# A folder in the card file's place: the card cannot take the file.
mkdir "$card_settings"
start_app
click_cell 2 7
press c
click_control okButton
wait_until 10 "the card's failure is shown" alert_has_focus
dismiss_alert
expect_window_open
[ -f "$desktop_settings" ] || fail "the desktop's file was not written before the card's"
rmdir "$card_settings"
press_ok_and_finish
read -ra schedule <<<"$(repeat 2 168)"
schedule[2 * 24 + 7]=1
for settings in "$desktop_settings" "$card_settings"; do
  expect_sealed_record
  expect_bytes "schedule" 147 168 "${schedule[*]}"
done

# The card's settings come back into a window that starts from other ones.
rm "$desktop_settings"
start_app
click_control loadFromCard
# Someone else writes the desktop file while the window is open.
settings=$desktop_settings
craft_record ours "1 0 2 0 1 0 1 0 3 1 2" "$(repeat 0 168)"
cp "$desktop_settings" "$HOME/theirs"
click_control okButton
wait_until 10 "OK asks before replacing the changed file" alert_has_focus
press Escape
wait_until 10 "the question is gone" no_alert_shown
expect_window_open
cmp -s "$desktop_settings" "$HOME/theirs" || fail "the changed file was replaced unasked"
click_control okButton
wait_until 10 "OK asks again" alert_has_focus
question=$(alert_window)
press Return
# Finish comes in an alert of its own once the files are written.
finish_shown() { [ "$(alert_window)" != "$question" ] && alert_has_focus; }
wait_until 10 "Finish is shown" finish_shown
dismiss_alert
expect_app_ends
for settings in "$desktop_settings" "$card_settings"; do
  expect_sealed_record
  expect_bytes "schedule" 147 168 "${schedule[*]}"
done
echo "e2e $e2e_name: passed"
