#!/usr/bin/env bash
# The Cancel button and Escape end the application without writing: an existing settings
# file keeps every byte, even after a cell was edited, and no temporary file is left.
source "$(dirname "$0")/lib.sh"
e2e_begin

craft_record ours "1 0 2 0 1 0 1 0 3 1 2" "$(repeat 1 168)"
reference="$HOME/reference"
cp "$settings" "$reference"

expect_file_untouched() {
  cmp -s "$settings" "$reference" || fail "the settings file changed after $1"
  # shellcheck disable=SC2012 # the names are our own
  [ "$(ls -A "$desktop")" = Kestrune.txt ] || fail "after $1 the desktop holds $(ls -A "$desktop" | tr '\n' ' ')"
}

start_app
edit_cell 0 0 O Tab
click_control cancelButton
expect_app_ends
expect_file_untouched "Cancel"

start_app
press Escape
expect_app_ends
expect_file_untouched "Escape"
echo "e2e $e2e_name: passed"
