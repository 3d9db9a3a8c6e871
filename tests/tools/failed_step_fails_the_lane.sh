#!/usr/bin/env bash
# tools/test ends a lane at its first failed step and fails: run on a copy of the tools, with
# stand-ins on PATH for cmake, ctest, Xvfb and Wine, once with every set-up step passing and once
# with each of two of them failing.
# Arguments: SOURCE_ROOT.
set -euo pipefail
source_root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$source_root/tools" "$work/tools"
mkdir "$work/bin"
cat >"$work/bin/stand-in" <<'STAND_IN'
#!/usr/bin/env bash
# Does what the lane needs of the program it stands in for, or fails when named in $failing_step.
name=$(basename "$0")
[ "$name" != "$failing_step" ] || exit 1
case $name in
  Xvfb) echo 99 >&3; exec sleep 60 ;;
  wineboot) mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" "$WINEPREFIX/drive_c/users/tester" ;;
  ctest) echo "ran" >"$ctest_marker" ;;
esac
STAND_IN
chmod +x "$work/bin/stand-in"
for name in cmake ctest Xvfb wineboot wineserver wine; do ln -s stand-in "$work/bin/$name"; done

failures=0
# The failing step, and whether the lane gets as far as its tests. With no step failing it does:
# the stand-ins are all the lane needs up to there. (Past the tests it packages the program,
# which this copy cannot.)
cases=(
  none yes
  Xvfb no
  wineboot no
)
for ((i = 0; i < ${#cases[@]}; i += 2)); do
  export failing_step=${cases[i]} ctest_marker="$work/ctest-ran"
  rm -rf "$ctest_marker" "$work/build"
  status=0
  PATH="$work/bin:$PATH" "$work/tools/test" windows >"$work/output" 2>&1 || status=$?
  tests_ran=no
  [ ! -e "$ctest_marker" ] || tests_ran=yes
  if [ "$tests_ran" != "${cases[i + 1]}" ] || { [ "$failing_step" != none ] && [ "$status" -eq 0 ]; }; then
    echo "with $failing_step failing: tools/test exited $status and ran the tests: $tests_ran" >&2
    cat "$work/output" >&2
    failures=$((failures + 1))
  fi
done
if [ "$failures" -gt 0 ]; then exit 1; fi
echo "a failed set-up step fails the lane, before its tests"
