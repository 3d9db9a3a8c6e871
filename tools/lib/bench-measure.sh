# shellcheck shell=bash
# Sourced: measuring one program's start-up, memory and idle CPU on the current display with
# bench/x11's window-clock, and collecting the numbers as "key value" lines in $bench_results,
# which the caller sets.

# shellcheck source=root.sh
source "$(dirname "${BASH_SOURCE[0]}")/root.sh"
# shellcheck source=poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"

bench_results=${bench_results:?}
idle_seconds=${idle_seconds:?}
window_clock="$KESTRUNE_ROOT/build/bench-linux/bench/x11/window-clock"
bench_log="$KESTRUNE_ROOT/build/bench/programs.log"
clock_pid=""
program_pid=""
visible_ms=""

record() { echo "$1 $2" >>"$bench_results"; }

# True once the clock has said that the window shows, or has ended without saying so.
clock_has_answered() { grep -q '^visible ' "$1" || ! kill -0 "$clock_pid" 2>/dev/null; }

# Starts a program under the clock and waits (bounded) until its window with the given title is
# mapped; sets clock_pid, program_pid and visible_ms.
clock_start() {
  local title=$1 out
  shift
  out=$(mktemp)
  "$window_clock" "$title" 30 "$@" >"$out" 2>>"$bench_log" </dev/null &
  clock_pid=$!
  program_pid=""
  visible_ms=""
  poll_until 35 clock_has_answered "$out" || true
  program_pid=$(awk '$1 == "pid" { print $2 }' "$out")
  visible_ms=$(awk '$1 == "visible" { print $2 }' "$out")
  rm -f "$out"
  if [ -z "$visible_ms" ]; then
    echo "bench: \"$title\" did not show; see $bench_log" >&2
    clock_stop
    return 1
  fi
}

# Ends the program started by clock_start (the clock ends and reaps it).
clock_stop() {
  if [ -n "$clock_pid" ]; then
    kill -TERM "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
    clock_pid=""
  fi
}

# User plus system CPU time of a process so far, in clock ticks.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }

rss_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"; }

now_ns() { date +%s%N; }

# One start: the time until the window shows, and the resident memory one second later, when
# the start-up work has settled. Recorded as KEY.visible_ms and KEY.rss_kb.
measure_start() {
  local key=$1
  shift
  clock_start "$@" || return 1
  record "$key.visible_ms" "$visible_ms"
  sleep 1
  record "$key.rss_kb" "$(rss_kb "$program_pid")"
  clock_stop
}

# Idle CPU of an open program over $idle_seconds after a settling pause, as % of one core.
# Recorded as KEY.idle_cpu; with a helper process id (the wineserver) also KEY.idle_cpu_helper,
# that process's own share over the same span.
measure_idle() {
  local key=$1 helper=$2
  shift 2
  clock_start "$@" || return 1
  sleep 2
  local ticks_hz start_ns end_ns program_before helper_before=0 program_after helper_after=0
  ticks_hz=$(getconf CLK_TCK)
  start_ns=$(now_ns)
  program_before=$(cpu_ticks "$program_pid")
  [ -n "$helper" ] && helper_before=$(cpu_ticks "$helper")
  sleep "$idle_seconds"
  program_after=$(cpu_ticks "$program_pid")
  [ -n "$helper" ] && helper_after=$(cpu_ticks "$helper")
  end_ns=$(now_ns)
  clock_stop
  local span
  span=$(awk -v a="$start_ns" -v b="$end_ns" 'BEGIN { print (b - a) / 1e9 }')
  record "$key.idle_cpu" "$(awk -v t=$((program_after - program_before)) -v hz="$ticks_hz" -v s="$span" 'BEGIN { printf "%.3f", 100 * t / hz / s }')"
  if [ -n "$helper" ]; then
    record "$key.idle_cpu_helper" "$(awk -v t=$((helper_after - helper_before)) -v hz="$ticks_hz" -v s="$span" 'BEGIN { printf "%.3f", 100 * t / hz / s }')"
  fi
}

# One start of each group (named as for measure_starts_in_turn) that is not recorded: it
# brings the programs' files into the page cache and the platform's services up.
warm_up() {
  local name ref
  for name in "$@"; do
    ref="${name}[@]"
    local group=("${!ref}")
    echo "bench: warm-up start of ${group[0]}"
    clock_start "${group[@]:1}" && clock_stop
  done
}

# Starts programs in turn, runs times each, rotating which goes first so that drift in the
# machine's load falls on all alike. Arguments: runs, then the names of arrays that each hold
# one group "KEY TITLE PROGRAM...".
measure_starts_in_turn() {
  local runs=$1 run i group
  shift
  local groups=("$@")
  for ((run = 1; run <= runs; run++)); do
    for ((i = 0; i < ${#groups[@]}; i++)); do
      group="${groups[(run + i) % ${#groups[@]}]}[@]"
      measure_start "${!group}" || return 1
    done
    echo "bench: run $run of $runs"
  done
}
