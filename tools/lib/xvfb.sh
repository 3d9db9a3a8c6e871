# shellcheck shell=bash
# Sourced: starts a private X server on a free display and remembers its PID for stop_xvfb.

xvfb_pid=""

start_xvfb() {
  local fdfile
  fdfile=$(mktemp)
  rm -f "$fdfile"
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1600x1000x24 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  local tries=0
  until [ -s "$fdfile" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "xvfb: the X server did not start" >&2
      return 1
    fi
    sleep 0.05
  done
  DISPLAY=":$(head -n1 "$fdfile")"
  export DISPLAY
  rm -f "$fdfile"
  echo "xvfb: display $DISPLAY (pid $xvfb_pid)"
}

stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
}
