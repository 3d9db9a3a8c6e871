#!/usr/bin/env bash
# Measures the Windows program against its template alone and the bare Win32 dialog under Wine, in the private prefix on a private Xvfb.
set -euo pipefail
source "$(dirname "$0")/root.sh"
bench_results=${bench_results:?}
runs=${runs:?}
idle_seconds=${idle_seconds:?}
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/wine.sh"
source "$KESTRUNE_ROOT/tools/lib/bench-measure.sh"

program="$KESTRUNE_ROOT/build/windows/win/kestrune-win.exe"
bare="$KESTRUNE_ROOT/build/bench-windows/bench/win/kestrune-bare-dialog.exe"
floor="$KESTRUNE_ROOT/build/bench-windows/bench/win/kestrune-template-floor.exe"

trap 'clock_stop; stop_wineserver; stop_xvfb' EXIT
trap 'exit 130' INT TERM

# The wineserver of our prefix: the one whose environment names it.
our_wineserver() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    case "$(cat "/proc/$pid/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
    if tr '\0' '\n' <"$environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}

start_xvfb
prepare_wine_prefix
start_wineserver
wineserver_pid=$(our_wineserver)
echo "wine: warm prefix $WINEPREFIX, wineserver pid ${wineserver_pid:-unknown}"

# shellcheck disable=SC2034 # passed by name
ours=(win.program Kestrune wine "$program")
# shellcheck disable=SC2034 # passed by name
floor=(win.floor Kestrune wine "$floor")
# shellcheck disable=SC2034 # passed by name
theirs=(win.bare "Bare dialog" wine "$bare")
warm_up ours floor theirs
echo "bench: $runs starts of each, in turn"
measure_starts_in_turn "$runs" ours floor theirs

echo "bench: idle CPU over ${idle_seconds}s, each open alone"
measure_idle win.program "$wineserver_pid" Kestrune wine "$program"
measure_idle win.bare "$wineserver_pid" "Bare dialog" wine "$bare"
