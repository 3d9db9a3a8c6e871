# shellcheck shell=bash
# Sourced: starts the built Windows program under Wine on the current display, takes a picture of
# its dialog and closes it again. Needs tools/lib/xvfb.sh and tools/lib/wine.sh set up first.

# shellcheck source=poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"
# shellcheck source=presets.sh
source "$(dirname "${BASH_SOURCE[0]}")/presets.sh"
# shellcheck source=screen.sh
source "$(dirname "${BASH_SOURCE[0]}")/screen.sh"

windows_build="$KESTRUNE_ROOT/build/windows"
windows_program="$windows_build/win/kestrune-win.exe"
windows_probe="$windows_build/tests/win/e2e/kestrune-probe.exe"

build_windows_program() {
  echo "windows: building the windows preset"
  build_preset windows -j2 --target kestrune-win kestrune-probe
}

dialog_window() { window_titled Kestrune; }
clock_shows_time() { [ -n "$(wine "$windows_probe" text Kestrune 1004 2>/dev/null | tr -d '\r')" ]; }

# Runs the program, saves a picture of its dialog to the given PNG file and closes the program
# with Escape, which writes nothing.
picture_windows_program() {
  local picture=$1 pid window
  echo "windows: starting $(basename "$windows_program") on display $DISPLAY"
  wine "$windows_program" </dev/null >"$KESTRUNE_ROOT/build/windows-program.log" 2>&1 &
  pid=$!
  if ! poll_until 30 dialog_window || ! poll_until 10 clock_shows_time; then
    echo "windows: the dialog did not appear; see build/windows-program.log" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  window=$(dialog_window)
  mkdir -p "$(dirname "$picture")"
  import -window "$window" "$picture"
  echo "windows: picture of the dialog saved to $picture"
  xdotool key Escape
  if ! poll_until 20 eval "! kill -0 $pid"; then
    echo "windows: the program did not close; ending it" >&2
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}
