#!/usr/bin/env bash
# Measures Kestrune.app against its interface file alone and the bare GNUstep application on a private Xvfb, with a private home and our own gdnc and gpbs.
set -euo pipefail
source "$(dirname "$0")/root.sh"
bench_results=${bench_results:?}
runs=${runs:?}
idle_seconds=${idle_seconds:?}
app=${app:?}
app_title=${app_title:?}
source "$KESTRUNE_ROOT/tools/lib/xvfb.sh"
source "$KESTRUNE_ROOT/tools/lib/gnustep.sh"
source "$KESTRUNE_ROOT/tools/lib/bench-measure.sh"

bare="$KESTRUNE_ROOT/build/bench-linux/bench/gnustep/BareApp.app/BareApp"
floor="$KESTRUNE_ROOT/build/bench-linux/bench/gnustep/InterfaceFloor.app/InterfaceFloor"

# Under the GNUstep lock, in a mount namespace with a throwaway home and state folder.
gnustep_enter_private_namespace "$0"
trap 'clock_stop; gnustep_end_session; stop_xvfb' EXIT
trap 'exit 130' INT TERM
start_xvfb
gnustep_begin_session "$bench_log"
echo "gnustep: gdnc pid $gnustep_gdnc_pid, gpbs pid $gnustep_gpbs_pid"

# shellcheck disable=SC2034 # passed by name
ours=(mac.program "$app_title" "$app")
# shellcheck disable=SC2034 # passed by name
floor=(mac.floor "$app_title" "$floor")
# shellcheck disable=SC2034 # passed by name
theirs=(mac.bare "Bare window" "$bare")
warm_up ours floor theirs
echo "bench: $runs starts of each, in turn"
measure_starts_in_turn "$runs" ours floor theirs
echo "bench: idle CPU over ${idle_seconds}s, each open alone"
measure_idle mac.program "" "$app_title" "$app"
measure_idle mac.bare "" "Bare window" "$bare"
