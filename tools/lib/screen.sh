# shellcheck shell=bash
# Sourced: finding the programs' windows on the X display.

# The ids of the visible windows whose title is exactly the given text, one a line; fails when
# there is none.
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

# The id of one visible window whose title is exactly the given text; fails when there is none.
window_titled() {
  local found
  found=$(windows_titled "$1" | head -n1) || true
  [ -n "$found" ] && echo "$found"
}
