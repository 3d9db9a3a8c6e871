# shellcheck shell=bash
# Sourced first by every script of the tools and the tests, and by every library here: names the
# checkout these scripts belong to, for them and for everything they start.

KESTRUNE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export KESTRUNE_ROOT
