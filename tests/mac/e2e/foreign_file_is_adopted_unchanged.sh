#!/usr/bin/env bash
# A 476-byte file that no program of ours wrote (wrong tags, a schedule byte that is no mode)
# is taken as it is; Return presses OK, which keeps its choices and the odd byte, forces REC
# Audio off and seals the file with our tags.
source "$(dirname "$0")/lib.sh"
e2e_begin

# Hour h of day d holds (d + h) mod 3, except Wednesday 5 o'clock, which holds 7.
schedule=()
for ((day = 0; day < 7; day++)); do
  for ((hour = 0; hour < 24; hour++)); do schedule+=($(((day + hour) % 3))); done
done
schedule[2 * 24 + 5]=7
craft_record foreign "5 0 6 0 1 1 1 1 4 2 2" "${schedule[*]}"

start_program
press Return
wait_until 10 "an alert is shown" alert_shown
dismiss_alert
expect_program_ends

expect_sealed_record
expect_choices "5 0 6 0 1 1 1 0 4 2 2"
expect_schedule "${schedule[*]}"
echo "e2e $e2e_name: passed"
