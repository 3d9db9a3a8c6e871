# shellcheck shell=bash
# Sourced by the end-to-end scenarios of both programs, after their own lib.sh has set
# e2e_name, e2e_shots and settings: failing with a picture, bounded waiting, and reading and
# crafting the settings file.
# shellcheck disable=SC2154 # those three come from the scenario's lib.sh

# shellcheck source=../../tools/lib/poll.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib/poll.sh"

# Keeps a picture of the screen, says what went wrong and ends the scenario.
fail() {
  local shot
  shot="$e2e_shots/$e2e_name-$(date +%Y%m%d-%H%M%S)-$$.png"
  import -window root "$shot" 2>/dev/null || true
  echo "e2e $e2e_name: FAILED: $*" >&2
  echo "e2e $e2e_name: screenshot $shot" >&2
  exit 1
}

#--- Waiting

# Polls a command until it succeeds; fails the scenario after the given seconds.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  poll_until "$seconds" "$@" || fail "timed out waiting until $what"
}

#--- The settings file

# The bytes of a file from an offset, as decimal numbers separated by single blanks.
bytes_at() {
  od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
}

# A 32-bit little-endian number of the file.
word_at() {
  od -An -v -tu4 -j "$2" -N 4 "$1" | tr -d ' '
}

# The value, the given number of times.
repeat() {
  local value=$1 count=$2 out=() i
  for ((i = 0; i < count; i++)); do out+=("$value"); done
  echo "${out[*]}"
}

# Fails unless the settings file holds the expected bytes at the offset.
expect_bytes() {
  local what=$1 offset=$2 count=$3 expected=$4 actual
  actual=$(bytes_at "$settings" "$offset" "$count")
  [ "$actual" = "$expected" ] || fail "$what at $offset: got '$actual', expected '$expected'"
}

# A tag's bytes: its seven letters and a zero, each raised by the shift.
encoded_tag() {
  local text=$1 shift=$2 out=() i code
  for ((i = 0; i < 7; i++)); do
    printf -v code '%d' "'${text:i:1}"
    out+=($(((code + shift) % 256)))
  done
  out+=($((shift % 256)))
  echo "${out[*]}"
}

# Checks that the file is a sealed record: size, tags, filler ranges, stamp and REC Audio 0 ("ON").
expect_sealed_record() {
  [ -f "$settings" ] || fail "no settings file was written"
  local size byte year month
  size=$(stat -c %s "$settings")
  [ "$size" -eq 476 ] || fail "the settings file holds $size bytes"
  expect_bytes "opening tag" 128 8 "$(encoded_tag Tambrel 21)"
  expect_bytes "closing tag" 340 8 "$(encoded_tag Vorplex 13)"
  for byte in $(bytes_at "$settings" 0 128); do
    ((byte >= 86 && byte <= 116)) || fail "leading filler byte $byte out of range"
  done
  for byte in $(bytes_at "$settings" 348 128); do
    ((byte >= 51 && byte <= 117)) || fail "trailing filler byte $byte out of range"
  done
  year=$(word_at "$settings" 316)
  month=$(word_at "$settings" 320)
  ((year >= 2000 && year <= 9999)) || fail "stamped year $year"
  ((month >= 1 && month <= 12)) || fail "stamped month $month"
  expect_bytes "REC Audio" 143 1 0
}

# Writes a 476-byte file: the given filler byte, both tags as written or, with "foreign", as
# no program of ours writes them, eleven choices and 168 schedule values (decimal, negative
# values as their byte).
craft_record() {
  local tags=$1 choices=$2 schedule=$3 words bytes value word
  words=$(repeat 90 128)
  if [ "$tags" = foreign ]; then words+=" $(repeat 65 8)"; else words+=" $(encoded_tag Tambrel 21)"; fi
  for value in $choices $schedule; do words+=" $(((value + 256) % 256))"; done
  words+=" 0"
  for word in 2025 6 15 12 30 45; do words+=" $((word % 256)) $((word / 256 % 256)) 0 0"; done
  if [ "$tags" = foreign ]; then words+=" $(repeat 66 8)"; else words+=" $(encoded_tag Vorplex 13)"; fi
  words+=" $(repeat 60 128)"
  read -ra bytes <<<"$words"
  [ "${#bytes[@]}" -eq 476 ] || fail "crafted record has ${#bytes[@]} bytes"
  local escaped=""
  for value in "${bytes[@]}"; do escaped+=$(printf '\\%03o' "$value"); done
  printf '%b' "$escaped" >"$settings"
}
