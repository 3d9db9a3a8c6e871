# shellcheck shell=bash
# Sourced: finding the programs' windows on the X display.

# The id of a visible window whose title is exactly the given text; fails when there is none.
window_titled() {
  local found
  found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
  [ -n "$found" ] && echo "$found"
}
