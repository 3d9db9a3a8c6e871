#!/usr/bin/env bash
# Builds the command-line program natively and runs it with the given arguments; the build talks on standard error, so the program's output stays clean.
set -euo pipefail
cli_root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=presets.sh
source "$(dirname "${BASH_SOURCE[0]}")/presets.sh"

build_preset "$cli_root" linux -j2 --target kestrune >&2
exec "$cli_root/build/linux/cli/kestrune" "$@"
