# shellcheck shell=bash
# Sourced: configures and builds a CMake preset of the checkout, keeping the configure step's
# output in build/<preset>-configure.log and showing it only when the step fails.

# shellcheck source=root.sh
source "$(dirname "${BASH_SOURCE[0]}")/root.sh"

# build_preset PRESET [arguments for cmake --build ...]
build_preset() {
  local preset=$1 log="$KESTRUNE_ROOT/build/$1-configure.log"
  shift
  mkdir -p "$KESTRUNE_ROOT/build"
  (cd "$KESTRUNE_ROOT" && cmake --preset "$preset" >"$log" 2>&1) || { cat "$log"; return 1; }
  (cd "$KESTRUNE_ROOT" && cmake --build --preset "$preset" "$@")
}

# What tools/bench measures with, built but not run: the bare Win32 dialog and the template
# floor cross-built, and the native benchmarks (the core's file cost, the start-up clock, the
# bare GNUstep applications) at Release.
build_bench_presets() {
  build_preset bench-windows "$@" --target benchmarks || return
  build_preset bench-linux "$@" --target benchmarks
}
