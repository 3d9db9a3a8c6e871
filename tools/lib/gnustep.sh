# shellcheck shell=bash
# Sourced: a private GNUstep session for the application. GNUstep keeps per-user state under
# the passwd home (not $HOME) and in /tmp/GNUstepSecure<uid>; a session hides both behind
# throwaway folders in a mount namespace of its own, and runs the gdnc and gpbs daemons itself,
# so that nothing outlives it. Sessions take a lock, so two never overlap on one machine; a
# script that opens a session takes it itself, so don't wrap such a script (or ctest) in flock
# on the same file: it would wait for its own caller.
#
# Root gets the mount namespace directly. Anyone else gets it inside a user namespace that maps
# them to root, which may bind-mount there; GNUstep then runs as uid 0 and takes root's home and
# state folder, which the session hides the same way. Files made there belong to the user.

# shellcheck source=poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"

gnustep_lock=/tmp/kestrune-gnustep.lock
gnustep_scratch=""
gnustep_mounts=()
gnustep_made_state_folder=""
gnustep_gdnc_pid=""
gnustep_gpbs_pid=""

# Runs the calling script again under the lock and in a private mount namespace, unless it
# already runs so. Call it first, with the script's path and arguments.
gnustep_enter_private_namespace() {
  if [ -n "${KESTRUNE_GNUSTEP_NAMESPACE:-}" ]; then return 0; fi
  export KESTRUNE_GNUSTEP_NAMESPACE=1
  local namespace=(unshare --mount --propagation private)
  [ "$(id -u)" -eq 0 ] || namespace=(unshare --user --map-root-user --mount --propagation private)
  echo "gnustep: waiting for $gnustep_lock, then a private mount namespace"
  # An existing lock file is opened for reading only: in /tmp, creating over a file of another
  # user is refused (fs.protected_regular), even to root.
  [ -e "$gnustep_lock" ] || : >>"$gnustep_lock"
  exec 9<"$gnustep_lock"
  if ! flock -w 300 9; then
    echo "gnustep: another session kept $gnustep_lock for 300 s" >&2
    exit 1
  fi
  exec "${namespace[@]}" bash "$@"
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
  if [ ! -d "/tmp/GNUstepSecure$uid" ]; then
    mkdir -m 700 "/tmp/GNUstepSecure$uid"
    gnustep_made_state_folder="/tmp/GNUstepSecure$uid"
  fi
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
  if ! poll_until 20 gnustep_port_named GDNCServer ||
    ! poll_until 20 gnustep_port_named GNUstepGSPasteboardServer; then
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
  # A state folder this session had to make belongs to whoever ran it: left behind, it would
  # stand in the way of GNUstep programs of the real root.
  if [ -n "$gnustep_made_state_folder" ]; then
    rmdir "$gnustep_made_state_folder" 2>/dev/null || true
    gnustep_made_state_folder=""
  fi
  if [ -n "$gnustep_scratch" ]; then
    rm -rf "$gnustep_scratch"
    gnustep_scratch=""
  fi
}
