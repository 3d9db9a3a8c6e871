# Sourced by each end-to-end scenario: runs the real program under Wine in Xvfb, drives it with
# xdotool where kestrune-probe reports its controls, and keeps a screenshot of every failure.
# Arguments of a scenario: SOURCE_ROOT PROGRAM_EXE PROBE_EXE SCREENSHOT_FOLDER.
set -euo pipefail

e2e_root=$1
e2e_program=$2
e2e_probe=$3
e2e_shots=$4
e2e_name=$(basename "$0" .sh)

wine_root=$e2e_root
# shellcheck source=../../../tools/lib/xvfb.sh
source "$e2e_root/tools/lib/xvfb.sh"
# shellcheck source=../../../tools/lib/wine.sh
source "$e2e_root/tools/lib/wine.sh"

dialog_caption=Kestrune
# Message boxes carry the program's name, which is its file's base name.
box_caption=$(basename "$e2e_program" .exe)
step_seconds=0.05

program_pid=""
program_status=""
own_display=no
stash=""

#--- Set-up and clean-up

# Readies the display and the private prefix, and moves any settings file aside for the run.
e2e_begin() {
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    own_display=yes
  fi
  prepare_wine_prefix
  desktop=$(wine_desktop)
  settings="$desktop/Kestrune.txt"
  log="$e2e_shots/$e2e_name.log"
  mkdir -p "$e2e_shots"
  : >"$log"
  stash="$WINEPREFIX/../e2e-stash-$e2e_name"
  rm -rf "$stash"
  mkdir -p "$stash"
  if [ -e "$settings" ]; then mv "$settings" "$stash/"; fi
  trap e2e_end EXIT
  echo "e2e $e2e_name: display $DISPLAY, desktop $desktop"
}

# Ends whatever still runs and puts the user's settings file back.
e2e_end() {
  local status=$?
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$settings" "$settings.tmp"
  if [ -e "$stash/Kestrune.txt" ]; then mv "$stash/Kestrune.txt" "$settings"; fi
  rm -rf "$stash"
  if [ "$own_display" = yes ]; then
    stop_wineserver
    stop_xvfb
  fi
  exit "$status"
}

# Keeps a picture of the screen, says what went wrong and ends the scenario.
fail() {
  local shot
  shot="$e2e_shots/$e2e_name-$(date +%Y%m%d-%H%M%S)-$$.png"
  import -window root "$shot" 2>/dev/null || true
  echo "e2e $e2e_name: FAILED: $*" >&2
  echo "e2e $e2e_name: screenshot $shot" >&2
  exit 1
}

#--- Waiting

# Runs a command every step until it succeeds; fails the scenario after the given seconds.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local steps
  steps=$(awk -v s="$seconds" -v d="$step_seconds" 'BEGIN { printf "%d", s / d }')
  local step
  for ((step = 0; step < steps; step++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep "$step_seconds"
  done
  fail "timed out waiting until $what"
}

visible_window() { xdotool search --onlyvisible --name "^$1\$"; }
no_visible_window() { ! visible_window "$1"; }
program_has_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

#--- The program

start_program() {
  echo "e2e $e2e_name: starting $(basename "$e2e_program")"
  wine "$e2e_program" </dev/null >>"$log" 2>&1 &
  program_pid=$!
  wait_until 30 "the dialog is shown" visible_window "$dialog_caption"
  # The dialog is shown once its set-up is done; the probe then finds its controls.
  wait_until 10 "the dialog's controls answer" probe rect "$dialog_caption" 1005
}

# Waits for the program to end and checks its exit status.
expect_program_ends() {
  wait_until 20 "the program ends" program_has_ended
  program_status=0
  wait "$program_pid" || program_status=$?
  program_pid=""
  [ "$program_status" -eq 0 ] || fail "the program ended with status $program_status"
}

expect_dialog_open() {
  kill -0 "$program_pid" 2>/dev/null || fail "the program has ended"
  visible_window "$dialog_caption" >/dev/null || fail "the dialog is not shown"
}

probe() { wine "$e2e_probe" "$@" 2>/dev/null | tr -d '\r'; }

#--- Mouse and keys, at positions read from the running windows

click_at() {
  xdotool mousemove --sync "$1" "$2" click 1
}

# Clicks the middle of a rectangle "x y width height".
click_middle() {
  local x y w h
  read -r x y w h <<<"$1"
  [ -n "${h:-}" ] || fail "no rectangle to click: '$1'"
  click_at $((x + w / 2)) $((y + h / 2))
}

click_control() {
  local caption=$1 id=$2
  click_middle "$(probe rect "$caption" "$id")"
}

# Opens a drop-down's list with a click on its arrow, at the right end of the control.
open_drop_down() {
  local x y w h
  read -r x y w h <<<"$(probe rect "$dialog_caption" "$1")"
  [ -n "${h:-}" ] || fail "drop-down $1 not found"
  click_at $((x + w - h / 2)) $((y + h / 2))
}

click_cell() {
  click_middle "$(probe cell "$dialog_caption" 1019 "$1" "$2")"
}

press() { xdotool key "$@"; }

control_text_is() { [ "$(probe text "$dialog_caption" "$1")" = "$2" ]; }
cell_text_is() { [ "$(probe celltext "$dialog_caption" 1019 "$1" "$2")" = "$3" ]; }
box_says() { probe texts "$box_caption" | grep -qxF -- "$1"; }
box_mentions() { probe texts "$box_caption" | grep -qF -- "$1"; }

expect_control_text() {
  local actual
  actual=$(probe text "$dialog_caption" "$1")
  [ "$actual" = "$2" ] || fail "control $1 shows '$actual', not '$2'"
}

expect_cell_text() {
  local actual
  actual=$(probe celltext "$dialog_caption" 1019 "$1" "$2")
  [ "$actual" = "$3" ] || fail "cell $1,$2 shows '$actual', not '$3'"
}

# Dismisses the message box that says the given text with a click on its OK button.
dismiss_box_saying() {
  wait_until 10 "a box says '$1'" box_says "$1"
  click_control "$box_caption" 1
  wait_until 10 "the box is gone" no_visible_window "$box_caption"
}

#--- The settings file

# The bytes of a file from an offset, as decimal numbers separated by single blanks.
bytes_at() {
  od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

# A 32-bit little-endian number of the file.
word_at() {
  od -An -v -tu4 -j "$2" -N 4 "$1" | tr -d ' '
}

repeat() {
  local value=$1 count=$2 out=() i
  for ((i = 0; i < count; i++)); do out+=("$value"); done
  echo "${out[*]}"
}

expect_bytes() {
  local what=$1 offset=$2 count=$3 expected=$4 actual
  actual=$(bytes_at "$settings" "$offset" "$count")
  [ "$actual" = "$expected" ] || fail "$what at $offset: got '$actual', expected '$expected'"
}

# A tag's bytes: its seven letters and a zero, each raised by the shift.
encoded_tag() {
  local text=$1 shift=$2 out=() i code
  for ((i = 0; i < 7; i++)); do
    printf -v code '%d' "'${text:i:1}"
    out+=($(((code + shift) % 256)))
  done
  out+=($((shift % 256)))
  echo "${out[*]}"
}

# Checks that the file is a sealed record: size, tags, filler ranges, stamp and no audio.
expect_sealed_record() {
  [ -f "$settings" ] || fail "no settings file was written"
  local size
  size=$(stat -c %s "$settings")
  [ "$size" -eq 476 ] || fail "the settings file holds $size bytes"
  expect_bytes "opening tag" 128 8 "$(encoded_tag Tambrel 21)"
  expect_bytes "closing tag" 340 8 "$(encoded_tag Vorplex 13)"
  local byte
  for byte in $(bytes_at "$settings" 0 128); do
    [ "$byte" -ge 86 ] && [ "$byte" -le 116 ] || fail "leading filler byte $byte out of range"
  done
  for byte in $(bytes_at "$settings" 348 128); do
    [ "$byte" -ge 51 ] && [ "$byte" -le 117 ] || fail "trailing filler byte $byte out of range"
  done
  local year month
  year=$(word_at "$settings" 316)
  month=$(word_at "$settings" 320)
  [ "$year" -ge 2000 ] && [ "$year" -le 9999 ] || fail "stamped year $year"
  [ "$month" -ge 1 ] && [ "$month" -le 12 ] || fail "stamped month $month"
  expect_bytes "REC Audio" 143 1 0
}

# Writes a sealed record with the given eleven choices and 168 schedule values (decimal,
# negative values as their byte), so that the program adopts it.
craft_record() {
  local choices=$1 schedule=$2 bytes=() value
  bytes+=($(repeat 90 128))
  bytes+=($(encoded_tag Tambrel 21))
  for value in $choices $schedule; do bytes+=($(((value + 256) % 256))); done
  bytes+=(0)
  local word
  for word in 2025 6 15 12 30 45; do
    bytes+=($((word % 256)) $((word / 256 % 256)) 0 0)
  done
  bytes+=($(encoded_tag Vorplex 13))
  bytes+=($(repeat 60 128))
  [ "${#bytes[@]}" -eq 476 ] || fail "crafted record has ${#bytes[@]} bytes"
  local escaped=""
  for value in "${bytes[@]}"; do escaped+=$(printf '\\%03o' "$value"); done
  printf '%b' "$escaped" >"$settings"
}

# The clock shows "MM/DD/YYYY, hh:mm:ss" or another order of the same parts.
clock_is_running() {
  [[ "$(probe text "$dialog_caption" 1004)" =~ ^[0-9/]{10},\ [0-9]{2}:[0-9]{2}:[0-9]{2}$ ]]
}
