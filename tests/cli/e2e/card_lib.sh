# shellcheck shell=bash
# Sourced by the card stories: checks that name what they expected and what came, and the story
# itself. The story's script sets kestrune (the program, as an array to run it with) and
# separator (the system's path separator).
# shellcheck disable=SC2154

failures=0

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() {
  if [ "$2" != "$3" ]; then
    printf 'FAILED: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3" >&2
    failures=$((failures + 1))
  fi
}

# expect_prefix WHAT PREFIX ACTUAL
expect_prefix() {
  expect_eq "$1" "$2" "${3:0:${#2}}"
}

# run_kestrune ARGUMENTS...: sets out, err and status of one run of the program.
run_kestrune() {
  local err_file
  err_file=$(mktemp)
  status=0
  out=$("${kestrune[@]}" "$@" 2>"$err_file") || status=$?
  err=$(cat "$err_file")
  rm -f "$err_file"
  # Wine's console ends lines in CR LF.
  out=${out//$'\r'/}
  err=${err//$'\r'/}
}

# The one byte of a file at an offset, as a number.
byte_at() {
  od -An -tu1 -j"$2" -N1 "$1" | tr -d ' '
}

# The story a user of a camera card goes through, on a card at CARD_FOLDER that the program lists
# as CARD_ROOT and LABEL and that SELECTOR names, with the desktop's file at DESKTOP_FILE.
card_story() {
  local card_folder=$1 card_root=$2 label=$3 selector=$4 desktop_file=$5 line before card_file
  card_file=$card_root
  [[ $card_root == *"$separator" ]] || card_file+=$separator
  card_file+=Kestrune.txt

  run_kestrune cards
  expect_eq "cards: status" 0 "$status"
  line=$(grep -F "$card_root " <<<"$out" || true)
  expect_eq "cards: a fresh card's line" "$card_root  $label  camera card   none" "$line"

  before=$(find "$card_folder" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)
  run_kestrune set --card beep=off record-led=off
  expect_eq "set --card: status" 0 "$status"
  expect_eq "set --card: no message" "" "$err"
  expect_eq "set --card: a whole record at the card's root" 476 \
    "$(stat -c %s "$card_folder/Kestrune.txt" 2>/dev/null || echo none)"
  expect_eq "set --card: beep and the record LED are OFF in the card's bytes" "1 1" \
    "$(byte_at "$card_folder/Kestrune.txt" 140) $(byte_at "$card_folder/Kestrune.txt" 141)"
  expect_eq "set --card: nothing else on the card" "$(sort <<<"$before"$'\n'Kestrune.txt)" \
    "$(find "$card_folder" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort)"
  expect_eq "set --card: the desktop is left alone" no "$([ -e "$desktop_file" ] && echo yes || echo no)"

  run_kestrune check --card
  expect_eq "check --card" "$card_file: ok" "$out"

  run_kestrune schedule --card sat-sun 8-18 off
  expect_eq "schedule --card: status" 0 "$status"
  run_kestrune cards
  line=$(grep -F "$card_root " <<<"$out" || true)
  expect_prefix "cards: the card now holds our file" "$card_root  $label  camera card   saved 20" "$line"

  run_kestrune set beep=on
  run_kestrune diff
  expect_eq "diff: status" 1 "$status"
  expect_eq "diff: the changed setting and hours" \
    "beep: ON → OFF"$'\n'"record-led: ON → OFF"$'\n'"Sat–Sun: 8–18 Motion → Off" "$out"

  run_kestrune show --card="$selector"
  expect_eq "show --card=$selector: the week" \
    "week             Mon–Fri: Motion all day · Sat–Sun: Motion 0–7, Off 8–18, Motion 19–23" \
    "$(grep '^week' <<<"$out")"

  run_kestrune diff "$card_file" "$card_file"
  expect_eq "diff of a file with itself" "same 0" "$out $status"
}
