#!/usr/bin/env bash
# Builds the command-line program natively and runs it with the given arguments; the build talks on standard error, so the program's output stays clean.
set -euo pipefail
source "$(dirname "$0")/root.sh"
source "$KESTRUNE_ROOT/tools/lib/presets.sh"

build_preset linux -j2 --target kestrune >&2
exec "$KESTRUNE_ROOT/build/linux/cli/kestrune" "$@"
