# shellcheck shell=bash
# Sourced by the end-to-end scenarios of both programs through their own lib.sh, which sets
# e2e_name, e2e_shots, settings and program_pid and says how record_tool runs kestrune-record:
# failing with a picture, bounded waiting, the program's end, and reading and crafting the
# settings file.
# shellcheck disable=SC2154 # those come from the scenario's lib.sh

# shellcheck source=../../tools/lib/poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/poll.sh"

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

# Polls a command until it succeeds; fails the scenario after the given seconds.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  poll_until "$seconds" "$@" || fail "timed out waiting until $what"
}

#--- The program

program_has_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# Waits for the program to end and checks its exit status.
expect_program_ends() {
  wait_until 20 "the program ends" program_has_ended
  program_status=0
  wait "$program_pid" || program_status=$?
  program_pid=""
  [ "$program_status" -eq 0 ] || fail "the program ended with status $program_status"
}

#--- The settings file, read and written by kestrune-record through the core's own record

# The value, the given number of times.
repeat() {
  local value=$1 count=$2 out=() i
  for ((i = 0; i < count; i++)); do out+=("$value"); done
  echo "${out[*]}"
}

# What kestrune-record said of the settings file, and of which file as it then was: the checks
# of one check point share a reading, and a file that has changed since is read again.
record_reading=""
record_reading_of=""

read_settings() {
  [ -f "$settings" ] || fail "no settings file was written"
  local state
  state="$settings $(stat -c '%i %s %.9Y' "$settings")"
  [ "$state" = "$record_reading_of" ] && return
  record_reading=$(record_tool read "$settings") || fail "kestrune-record could not read $settings"
  record_reading_of=$state
}

# Checks that the file is a record as a save writes it: its size, both tags, the filler's
# ranges, a stamp that can be a date and time, and the choices a save always stores.
expect_sealed_record() {
  read_settings
  local status
  status=$(head -n 1 <<<"$record_reading")
  [ "$status" = sealed ] || fail "$settings is not sealed as a save seals it: $status"
}

# The eleven choices, as signed numbers (-1 is no choice).
expect_choices() { expect_reading choices "$1"; }

# The 168 hours, Monday 0:00 first.
expect_schedule() { expect_reading schedule "$1"; }

# Fails unless the values on the reading's line of that name are the expected ones.
expect_reading() {
  read_settings
  local actual
  actual=$(sed -n "s/^$1 //p" <<<"$record_reading")
  [ "$actual" = "$2" ] || fail "$1 of $settings: got '$actual', expected '$2'"
}

# Writes a settings file: both tags as a save writes them or, with "foreign", as no program of
# ours does, eleven choices and 168 hours (decimal, negative values as their byte).
craft_record() {
  record_tool write "$settings" "$@" || fail "kestrune-record could not write $settings"
}
