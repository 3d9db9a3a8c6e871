#!/usr/bin/env bash
# Schedule cells edited in the table reach the file that OK writes: a mode's letter in either
# case ("o" is stored as 0, "m" as 2), and any other text is refused, so that the cell keeps
# its byte; an edit that Return ends is taken too. Tab goes on to edit the next cell with its
# letter selected, so that a typed letter replaces it. Choices that name no item are shown as no
# selection and saved as -1, no choice. The file goes to the desktop that the user-dirs file names.
source "$(dirname "$0")/lib.sh"
e2e_begin

mkdir -p "$HOME/.config" "$HOME/Bureau"
# shellcheck disable=SC2016 # the file names $HOME itself, as XDG's own files do
echo 'XDG_DESKTOP_DIR="$HOME/Bureau"' >"$HOME/.config/user-dirs.dirs"
settings="$HOME/Bureau/Kestrune.txt"
read -ra schedule <<<"$(repeat 1 168)"
# Two choices name no item of their lists: their combo boxes show no selection.
craft_record ours "-56 1 9 1 0 0 0 0 1 0 1" "${schedule[*]}"

start_program
edit_cell 2 5 o Tab
edit_cell 4 10 m Tab
xdotool type --delay 50 c
press Tab
# Return ends the last edit and presses OK, which takes the edit before it saves.
edit_cell 6 23 x Return
dismiss_alert
expect_program_ends

expect_sealed_record
expect_choices "-1 1 -1 1 0 0 0 0 1 0 1"
schedule[2 * 24 + 5]=0
schedule[4 * 24 + 10]=2
schedule[4 * 24 + 11]=1
expect_schedule "${schedule[*]}"
[ ! -e "$desktop/Kestrune.txt" ] || fail "the file went to ~/Desktop, not to the user's desktop"
echo "e2e $e2e_name: passed"
