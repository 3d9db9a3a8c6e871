#!/usr/bin/env bash
# The Windows zip, unpacked as a user would, holds its README and programs of the zip's
# version, and the settings dialog starts from that folder under Wine and closes again.
# Usage: zip_runs_from_its_folder.sh SOURCE_ROOT PACKAGE.zip PROBE_EXE SCREENSHOT_FOLDER
set -euo pipefail
zip=$2
version=$(basename "$zip" | sed -n 's/^kestrune-\(.*\)-windows-x64\.zip$/\1/p')

# shellcheck source=../win/e2e/lib.sh
source "$1/tests/win/e2e/lib.sh" "$1" kestrune-win.exe "$3" "$4"
e2e_begin
# The zip goes into the scenario's own stash folder, which the scenario's end removes; the
# program under test is the dialog as it comes out of the zip.
folder="$stash/kestrune-$version-windows-x64"
e2e_program="$folder/kestrune-win.exe"

# A string of a program's version resource, by its key.
resource_string() { strings -el "$1" | grep -A1 -xF "$2" | sed -n 2p; }

expect_version_resource() {
  local exe="$folder/$1" key actual
  [ -f "$exe" ] || fail "the zip has no $1 in its folder"
  for key in FileVersion ProductVersion; do
    actual=$(resource_string "$exe" "$key")
    [ "$actual" = "$version" ] || fail "$1's $key is '$actual', not $version"
  done
}

[ -n "$version" ] || fail "$(basename "$zip") does not name a version"
echo "e2e $e2e_name: unzipping into $stash"
unzip -q "$zip" -d "$stash"
[ -f "$folder/README.txt" ] || fail "the zip has no README.txt in its folder"
expect_version_resource kestrune-win.exe

start_program
wait_until 10 "the clock runs" clock_is_running
press Escape
expect_program_ends
echo "e2e $e2e_name: passed"
