#!/usr/bin/env bash
# tools/test ends a lane at its first failed step and fails: run on a copy of the tools, with
# stand-ins on PATH for cmake, ctest, Xvfb and Wine, once with every step passing and once with
# each of two set-up steps failing.
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
# failing step, expected exit status of tools/test ("fails" or 0), whether the tests ran
cases=(
  none 0 ran
  Xvfb fails no
  wineboot fails no
)
for ((i = 0; i < ${#cases[@]}; i += 3)); do
  export failing_step=${cases[i]} ctest_marker="$work/ctest-ran"
  rm -rf "$ctest_marker" "$work/build"
  status=0
  PATH="$work/bin:$PATH" "$work/tools/test" windows >"$work/output" 2>&1 || status=$?
  outcome=0
  [ "$status" -eq 0 ] || outcome=fails
  tests_ran=no
  [ ! -e "$ctest_marker" ] || tests_ran=ran
  if [ "$outcome" != "${cases[i + 1]}" ] || [ "$tests_ran" != "${cases[i + 2]}" ]; then
    echo "with $failing_step failing: tools/test exited $status and the tests $tests_ran;" \
      "expected ${cases[i + 1]} and ${cases[i + 2]}" >&2
    cat "$work/output" >&2
    failures=$((failures + 1))
  fi
done
if [ "$failures" -gt 0 ]; then exit 1; fi
echo "a failed set-up step fails the lane, before its tests"
