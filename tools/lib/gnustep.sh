# Sourced: a private GNUstep session for the application. GNUstep keeps per-user state under
# the passwd home (not $HOME) and in /tmp/GNUstepSecure<uid>; a session hides both behind
# throwaway folders in a mount namespace of its own, and runs the gdnc and gpbs daemons itself,
# so that nothing outlives it. Sessions take a lock, so two never overlap on one machine; a
# script that opens a session takes it itself, so don't wrap such a script (or ctest) in flock
# on the same file: it would wait for its own caller.

gnustep_lock=/tmp/kestrune-gnustep.lock
gnustep_scratch=""
gnustep_mounts=()
gnustep_gdnc_pid=""
gnustep_gpbs_pid=""

# Runs the calling script again under the lock and in a private mount namespace, unless it
# already runs so. Call it first, with the script's path and arguments.
gnustep_enter_private_namespace() {
  if [ -n "${KESTRUNE_GNUSTEP_NAMESPACE:-}" ]; then return 0; fi
  export KESTRUNE_GNUSTEP_NAMESPACE=1
  echo "gnustep: waiting for $gnustep_lock, then a private mount namespace"
  exec flock -w 300 "$gnustep_lock" unshare --mount --propagation private bash "$@"
}

# Polls a command every 50 ms for at most the given seconds.
gnustep_poll() {
  local seconds=$1 step
  shift
  for ((step = 0; step < seconds * 20; step++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.05
  done
  return 1
}

# The daemons announce themselves by a file named for their port name in base64.
gnustep_port_file() {
  echo "/tmp/GNUstepSecure$(id -u)/NSMessagePort/names/$(printf '%s' "$1" | base64)"
}
gnustep_port_named() { [ -e "$(gnustep_port_file "$1")" ]; }

# Mounts a throwaway home and state folder and starts the daemons; the log goes to the file.
gnustep_begin_session() {
  local log=$1 uid passwd_home
  uid=$(id -u)
  passwd_home=$(getent passwd "$uid" | cut -d: -f6)
  gnustep_scratch=$(mktemp -d /tmp/kestrune-gnustep-session.XXXXXX)
  mkdir -p "$gnustep_scratch/home" "$gnustep_scratch/state"
  chmod 700 "$gnustep_scratch/home" "$gnustep_scratch/state"
  mkdir -p -m 700 "/tmp/GNUstepSecure$uid"
  mount --bind "$gnustep_scratch/home" "$passwd_home"
  mount --bind "$gnustep_scratch/state" "/tmp/GNUstepSecure$uid"
  gnustep_mounts=("/tmp/GNUstepSecure$uid" "$passwd_home")
  export HOME=$passwd_home
  unset XDG_CONFIG_HOME TMPDIR
  echo "gnustep: private home $HOME"
  gnustep_start_daemons "$log"
}

# Starts gdnc and gpbs and waits until both answer by name.
gnustep_start_daemons() {
  local log=$1
  echo "gnustep: starting gdnc and gpbs"
  gdnc --no-fork >>"$log" 2>&1 &
  gnustep_gdnc_pid=$!
  gpbs --no-fork >>"$log" 2>&1 &
  gnustep_gpbs_pid=$!
  if ! gnustep_poll 20 gnustep_port_named GDNCServer ||
    ! gnustep_poll 20 gnustep_port_named GNUstepGSPasteboardServer; then
    echo "gnustep: the daemons did not start; see $log" >&2
    return 1
  fi
}

# Stops the daemons by PID, pasteboard first.
gnustep_stop_daemons() {
  local pid
  for pid in "$gnustep_gpbs_pid" "$gnustep_gdnc_pid"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  gnustep_gpbs_pid=""
  gnustep_gdnc_pid=""
  # The session's state folder is its own, so the names of the stopped daemons can go with them.
  rm -f "$(gnustep_port_file GDNCServer)" "$(gnustep_port_file GNUstepGSPasteboardServer)"
}

# Stops the daemons and removes the throwaway folders.
gnustep_end_session() {
  local mounted
  gnustep_stop_daemons
  for mounted in "${gnustep_mounts[@]}"; do umount "$mounted" 2>/dev/null || true; done
  gnustep_mounts=()
  if [ -n "$gnustep_scratch" ]; then
    rm -rf "$gnustep_scratch"
    gnustep_scratch=""
  fi
}
