#!/usr/bin/env bash
# Measures Kestrune.app against the bare GNUstep application on a private Xvfb, with a private home and our own gdnc and gpbs.
set -euo pipefail
bench_root=$(cd "$(dirname "$0")/../.." && pwd)
bench_results=${bench_results:?}
runs=${runs:?}
idle_seconds=${idle_seconds:?}
app=${app:-}
app_title=${app_title:?}
source "$bench_root/tools/lib/xvfb.sh"
source "$bench_root/tools/lib/bench-measure.sh"

bare="$bench_root/build/bench-linux/bench/gnustep/BareApp.app/BareApp"

if [ "${KESTRUNE_BENCH_PRIVATE_HOME:-}" != yes ]; then
  # GNUstep takes the home folder from the passwd entry: run again in a mount namespace of our
  # own with a throwaway folder over it, holding the lock that keeps GNUstep runs apart.
  echo "gnustep: waiting for /tmp/kestrune-gnustep.lock"
  export KESTRUNE_BENCH_PRIVATE_HOME=yes bench_results runs idle_seconds app app_title
  exec flock -w 300 /tmp/kestrune-gnustep.lock unshare --mount "$0"
fi

home=$(mktemp -d /tmp/kestrune-bench-home.XXXXXX)
passwd_home=$(getent passwd "$(id -u)" | cut -d: -f6)
mount --bind "$home" "$passwd_home"
export HOME=$passwd_home

gdnc_pid=""
gpbs_pid=""
stop_all() {
  clock_stop
  local pid
  for pid in $gpbs_pid $gdnc_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  stop_xvfb
  umount "$passwd_home" 2>/dev/null || true
  rm -rf "$home"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

# Waits (bounded) until a daemon has registered its name, so that no application starts a copy
# of its own; fails when the daemon ends first, as it does when another copy holds the name.
daemon_ready() {
  local name=$1 pid=$2 file step
  file="/tmp/GNUstepSecure$(id -u)/NSMessagePort/names/$(printf %s "$name" | base64)"
  for ((step = 0; step < 200; step++)); do
    if [ -f "$file" ] && [ "$(tail -n1 "$file")" = "$pid" ]; then return 0; fi
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.05
  done
  echo "gnustep: $name did not register (it is held by pid $(tail -n1 "$file" 2>/dev/null))" >&2
  return 1
}

start_xvfb
gdnc --no-fork >>"$bench_log" 2>&1 &
gdnc_pid=$!
daemon_ready GDNCServer "$gdnc_pid"
gpbs --no-fork >>"$bench_log" 2>&1 &
gpbs_pid=$!
daemon_ready GNUstepGSPasteboardServer "$gpbs_pid"
echo "gnustep: gdnc pid $gdnc_pid, gpbs pid $gpbs_pid, home $home"

theirs=(mac.bare "Bare window" "$bare")
echo "bench: one warm-up start of the bare application"
clock_start "Bare window" "$bare" && clock_stop

if [ -n "$app" ]; then
  ours=(mac.program "$app_title" "$app")
  echo "bench: one warm-up start of $(basename "$app")"
  clock_start "$app_title" "$app" && clock_stop
  echo "bench: $runs starts of each, alternating"
  measure_starts_alternating "$runs" ours theirs
  echo "bench: idle CPU over ${idle_seconds}s, each open alone"
  measure_idle mac.program "" "$app_title" "$app"
else
  echo "bench: Kestrune.app is not built; $runs starts of the bare application alone"
  for ((run = 1; run <= runs; run++)); do measure_start "${theirs[@]}"; done
  echo "bench: idle CPU over ${idle_seconds}s"
fi
measure_idle mac.bare "" "Bare window" "$bare"
