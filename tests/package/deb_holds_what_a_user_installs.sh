#!/usr/bin/env bash
# The Debian package, unpacked as dpkg would install it, holds the launcher and the application
# it starts, a desktop entry whose program and icon are there, all of one version; and Debian's
# own checkers pass it.
# Usage: deb_holds_what_a_user_installs.sh PACKAGE.deb
set -euo pipefail
deb=$1
name="package $(basename "$deb")"

fail() {
  echo "$name: FAILED: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "$name: unpacking into $scratch"
dpkg-deb -x "$deb" "$scratch"

version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "kestrune_${version}_amd64.deb" ] ||
  fail "the file's name does not carry the package's version $version"

echo "$name: the launcher starts the installed application"
launcher="$scratch/usr/bin/kestrune-editor"
[ -x "$launcher" ] || fail "no executable /usr/bin/kestrune-editor"
app=$(sed -n 's/^exec \([^ ]*\) .*/\1/p' "$launcher")
[ -n "$app" ] || fail "the launcher starts no program"
[ -x "$scratch$app" ] || fail "the launcher starts $app, which the package does not hold"
plist="$(dirname "$scratch$app")/Resources/Info-gnustep.plist"
[ -f "$plist" ] || fail "the application has no Info-gnustep.plist"
grep -A1 '<key>CFBundleShortVersionString</key>' "$plist" | grep -qF "<string>$version</string>" ||
  fail "the application's Info-gnustep.plist does not give version $version"

echo "$name: the desktop entry names a program and an icon of the package"
entry="$scratch/usr/share/applications/kestrune.desktop"
[ -f "$entry" ] || fail "no /usr/share/applications/kestrune.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$scratch/usr/bin/$program" ] || fail "the desktop entry starts '$program', not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
icons=("$scratch"/usr/share/icons/hicolor/*/apps/"$icon".png)
[ -f "${icons[0]}" ] || fail "no hicolor icon named '$icon'"

echo "$name: lintian"
lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings"
echo "$name: passed"
