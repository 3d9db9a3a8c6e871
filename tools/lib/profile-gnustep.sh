#!/usr/bin/env bash
# Counts the instructions each GNUstep program given runs from its start until its window shows,
# under callgrind, in the bench's private session: unlike the clock, the count hardly moves with
# the machine's load. Usage: profile-gnustep.sh OUT_DIR TITLE PROGRAM...; each PROGRAM's profile
# is OUT_DIR/NAME.callgrind and its total "NAME INSTRUCTIONS" is printed.
set -euo pipefail
source "$(dirname "$0")/root.sh"
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
source "$KESTRUNE_ROOT/tools/lib/poll.sh"

gnustep_enter_private_namespace "$0" "$@"
out_dir=$1 title=$2
shift 2
mkdir -p "$out_dir"
log="$out_dir/programs.log"
window_clock="$KESTRUNE_ROOT/build/bench-linux/bench/x11/window-clock"
clock_pid=""

stop_clock() {
  if [ -n "$clock_pid" ]; then
    kill -TERM "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
    clock_pid=""
  fi
}

trap 'stop_clock; gnustep_end_session; stop_xvfb' EXIT
trap 'exit 130' INT TERM
start_xvfb
gnustep_begin_session "$log"

seen() { grep -q '^visible ' "$1" || ! kill -0 "$clock_pid" 2>/dev/null; }
dumped() { [ -s "$1" ]; }

for program in "$@"; do
  name=$(basename "$program")
  profile="$out_dir/$name.callgrind"
  rm -f "$profile"*
  said=$(mktemp)
  # The program runs under callgrind some fifty times slower than alone.
  "$window_clock" "$title" 300 valgrind --tool=callgrind --callgrind-out-file="$profile" \
    "$program" >"$said" 2>>"$log" </dev/null &
  clock_pid=$!
  poll_until 310 seen "$said" || true
  if ! grep -q '^visible ' "$said"; then
    echo "profile: \"$title\" of $program did not show; see $log" >&2
    exit 1
  fi
  # The counts so far, dumped as soon as the window has shown.
  callgrind_control -d "$(awk '$1 == "pid" { print $2 }' "$said")" >>"$log" 2>&1
  poll_until 60 dumped "$profile.1"
  stop_clock
  rm -f "$said"
  echo "$name $(awk '/^summary:/ { print $2 }' "$profile.1")"
done
