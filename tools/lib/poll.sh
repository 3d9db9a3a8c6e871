# shellcheck shell=bash
# Sourced: bounded waiting for the tools' scripts.

# Polls a command every 50 ms for at most the given seconds.
poll_until() {
  local seconds=$1 step
  shift
  for ((step = 0; step < seconds * 20; step++)); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.05
  done
  return 1
}
