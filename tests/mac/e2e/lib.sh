# Sourced by each end-to-end scenario: runs the real Kestrune.app in a private GNUstep session
# (its own home, state folder and daemons) on an X display, drives it with xdotool at places
# taken from the interface file, and keeps a screenshot of every failure.
# Arguments of a scenario: SOURCE_ROOT APPLICATION_EXECUTABLE SCREENSHOT_FOLDER.
set -euo pipefail

e2e_root=$1
e2e_shots=$3
e2e_name=$(basename "$0" .sh)

mac_root=$e2e_root
# shellcheck source=../../../tools/lib/gnustep.sh
source "$e2e_root/tools/lib/gnustep.sh"
gnustep_enter_private_namespace "$0" "$@"
# shellcheck source=../../../tools/lib/xvfb.sh
source "$e2e_root/tools/lib/xvfb.sh"
# shellcheck source=../../../tools/lib/mac-app.sh
source "$e2e_root/tools/lib/mac-app.sh"
mac_app=$2

step_seconds=0.05
# Clicks closer together than this are taken as one by GNUstep's tracking loops.
click_gap=0.3
press_gap=0.1

app_pid=""
app_status=""
own_display=no

#--- Set-up and clean-up

# Readies a display and a private session whose desktop folder exists and is empty.
e2e_begin() {
  mkdir -p "$e2e_shots"
  log="$e2e_shots/$e2e_name.log"
  : >"$log"
  if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    own_display=yes
  fi
  trap e2e_end EXIT
  gnustep_begin_session "$log"
  desktop="$HOME/Desktop"
  mkdir -p "$desktop"
  settings="$desktop/Kestrune.txt"
  echo "e2e $e2e_name: display $DISPLAY, desktop $desktop"
}

# Ends whatever still runs; the session's folders go with it.
e2e_end() {
  local status=$?
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  gnustep_end_session
  if [ "$own_display" = yes ]; then stop_xvfb; fi
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
  local steps step
  steps=$(awk -v s="$seconds" -v d="$step_seconds" 'BEGIN { printf "%d", s / d }')
  for ((step = 0; step < steps; step++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep "$step_seconds"
  done
  fail "timed out waiting until $what"
}

visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
alert_window() { xdotool search --onlyvisible --name '^Alert$' | head -n1; }
alert_shown() { [ -n "$(alert_window)" ]; }
no_alert_shown() { ! alert_shown; }
app_has_ended() { ! kill -0 "$app_pid" 2>/dev/null; }
focus_is_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

#--- The application

start_app() {
  echo "e2e $e2e_name: starting $(basename "$mac_app")"
  "$mac_app" "${mac_app_arguments[@]}" </dev/null >>"$log" 2>&1 &
  app_pid=$!
  wait_until 30 "the window is shown" mac_window
  # The window takes the keyboard once it is up; the first tick puts the time in the clock.
  wait_until 10 "the window has the keyboard" focus_is_on "$(mac_window)"
  wait_until 10 "the clock shows the time" control_shows_text timeLab
  # GNUstep spends the first click into a window that no window manager has activated on
  # activating it; a click on a label spends it harmlessly.
  click_control hint1
}

# Waits for the application to end and checks its exit status.
expect_app_ends() {
  wait_until 20 "the application ends" app_has_ended
  app_status=0
  wait "$app_pid" || app_status=$?
  app_pid=""
  [ "$app_status" -eq 0 ] || fail "the application ended with status $app_status"
}

expect_window_open() {
  kill -0 "$app_pid" 2>/dev/null || fail "the application has ended"
  [ -n "$(mac_window)" ] || fail "the window is not shown"
}

#--- Mouse and keys

pointer_is_at() { [ "$(xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/p')" = "$1 $2" ]; }

# Moves the pointer and waits until it is there.
move_pointer() {
  xdotool mousemove "$1" "$2"
  wait_until 5 "the pointer is at $1,$2" pointer_is_at "$1" "$2"
}

# Presses and releases the button apart: GNUstep can lose a release that comes with its press.
click_at() {
  move_pointer "$1" "$2"
  xdotool mousedown 1
  sleep "$press_gap"
  xdotool mouseup 1
  sleep "$click_gap"
}

# Clicks the middle of a control of the window.
click_control() {
  local x y w h
  read -r x y w h <<<"$(screen_rect "$1")"
  [ -n "${h:-}" ] || fail "control $1 not found"
  click_at $((x + w / 2)) $((y + h / 2))
}

press() {
  xdotool key "$@"
  sleep "$click_gap"
}

# Edits a schedule cell: a double click opens its editor, the text is typed there and the
# given key ends the edit: Tab moves on to the next cell, Return also presses OK.
edit_cell() {
  local day=$1 hour=$2 text=$3 end=$4 x y
  read -r x y <<<"$(cell_point "$day" "$hour")"
  [ -n "${y:-}" ] || fail "cell $day,$hour not found"
  move_pointer "$x" "$y"
  xdotool click --repeat 2 --delay 80 1
  sleep "$click_gap"
  xdotool type --delay 50 "$text"
  press "$end"
}

# Dismisses the alert with its default button and waits until it is gone.
dismiss_alert() {
  wait_until 10 "the alert has the keyboard" focus_is_on "$(alert_window)"
  press Return
  wait_until 10 "the alert is gone" no_alert_shown
}

#--- The settings file

# The bytes of a file from an offset, as decimal numbers separated by single blanks.
bytes_at() {
  od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

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
  local size byte year month
  size=$(stat -c %s "$settings")
  [ "$size" -eq 476 ] || fail "the settings file holds $size bytes"
  expect_bytes "opening tag" 128 8 "$(encoded_tag Tambrel 21)"
  expect_bytes "closing tag" 340 8 "$(encoded_tag Vorplex 13)"
  for byte in $(bytes_at "$settings" 0 128); do
    [ "$byte" -ge 86 ] && [ "$byte" -le 116 ] || fail "leading filler byte $byte out of range"
  done
  for byte in $(bytes_at "$settings" 348 128); do
    [ "$byte" -ge 51 ] && [ "$byte" -le 117 ] || fail "trailing filler byte $byte out of range"
  done
  year=$(word_at "$settings" 316)
  month=$(word_at "$settings" 320)
  [ "$year" -ge 2000 ] && [ "$year" -le 9999 ] || fail "stamped year $year"
  [ "$month" -ge 1 ] && [ "$month" -le 12 ] || fail "stamped month $month"
  expect_bytes "REC Audio" 143 1 0
}

# Writes a 476-byte file: the given filler byte, both tags as written or, with "foreign", as
# no program of ours writes them, eleven choices and 168 schedule values (decimal, negative
# values as their byte).
craft_record() {
  local tags=$1 choices=$2 schedule=$3 bytes=() value word
  bytes+=($(repeat 90 128))
  if [ "$tags" = foreign ]; then bytes+=($(repeat 65 8)); else bytes+=($(encoded_tag Tambrel 21)); fi
  for value in $choices $schedule; do bytes+=($(((value + 256) % 256))); done
  bytes+=(0)
  for word in 2025 6 15 12 30 45; do bytes+=($((word % 256)) $((word / 256 % 256)) 0 0); done
  if [ "$tags" = foreign ]; then bytes+=($(repeat 66 8)); else bytes+=($(encoded_tag Vorplex 13)); fi
  bytes+=($(repeat 60 128))
  [ "${#bytes[@]}" -eq 476 ] || fail "crafted record has ${#bytes[@]} bytes"
  local escaped=""
  for value in "${bytes[@]}"; do escaped+=$(printf '\\%03o' "$value"); done
  printf '%b' "$escaped" >"$settings"
}
