# shellcheck shell=bash
# Sourced by the benchmark scripts.

# The median of the numbers on standard input; nothing when there are none.
median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit; if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
