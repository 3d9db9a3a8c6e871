# Sourced: configures and builds a CMake preset, keeping the configure step's output in
# build/<preset>-configure.log and showing it only when the step fails.

# build_preset SOURCE_ROOT PRESET [arguments for cmake --build ...]
build_preset() {
  local root=$1 preset=$2
  shift 2
  mkdir -p "$root/build"
  (cd "$root" && cmake --preset "$preset" >"$root/build/$preset-configure.log" 2>&1) ||
    { cat "$root/build/$preset-configure.log"; return 1; }
  (cd "$root" && cmake --build --preset "$preset" "$@")
}
