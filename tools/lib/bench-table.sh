#!/usr/bin/env bash
# Prints the benchmark table (Markdown) from the "key value" lines that tools/bench collected.
set -euo pipefail
source "$(dirname "$0")/median.sh"
results=$1

# The median of every value under a key; empty when there is none.
med() { awk -v key="$1" '$1 == key { print $2 }' "$results" | median; }
# The median of the run-by-run ratios of two keys recorded in turn: it cancels drift in the
# machine's load better than the ratio of the medians.
paired() {
  paste <(awk -v key="$1" '$1 == key { print $2 }' "$results") \
    <(awk -v key="$2" '$1 == key { print $2 }' "$results") |
    awk -F'\t' '$1 != "" && $2 > 0 { print $1 / $2 }' | median |
    awk '{ printf " (paired %.2f)", $1 }'
}
count() { awk -v key="$1" '$1 == key { n++ } END { print n + 0 }' "$results"; }

# Formats with a unit, or a placeholder for a missing number.
num() {
  local value=$1 format=$2 unit=$3 missing=${4:-failed}
  if [ -z "$value" ]; then echo "$missing"; else awk -v v="$value" -v f="$format" -v u="$unit" 'BEGIN { printf f "%s", v, u }'; fi
}
ratio() { if [ -n "$1" ] && [ -n "$2" ]; then awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b }'; fi; }
# "yes" or "no" for a value against a limit; nothing when the value is missing.
met() { if [ -n "$1" ]; then awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "yes" : "**no**" }'; fi; }

row() { printf '| %s | %s | %s | %s | %s | %s |\n' "$@"; }

wp=$(med win.program.visible_ms) wb=$(med win.bare.visible_ms) wf=$(med win.floor.visible_ms)
wpr=$(med win.program.rss_kb) wbr=$(med win.bare.rss_kb) wfr=$(med win.floor.rss_kb)
mp=$(med mac.program.visible_ms) mb=$(med mac.bare.visible_ms) mf=$(med mac.floor.visible_ms)
mpr=$(med mac.program.rss_kb) mbr=$(med mac.bare.rss_kb) mfr=$(med mac.floor.rss_kb)
wic=$(med win.program.idle_cpu) wis=$(med win.program.idle_cpu_helper)
wbc=$(med win.bare.idle_cpu) wbs=$(med win.bare.idle_cpu_helper)
mic=$(med mac.program.idle_cpu) mbc=$(med mac.bare.idle_cpu)
wit=""
[ -n "$wic" ] && [ -n "$wis" ] && wit=$(awk -v a="$wic" -v b="$wis" 'BEGIN { printf "%.3f", a + b }')
wbt=""
[ -n "$wbc" ] && [ -n "$wbs" ] && wbt=$(awk -v a="$wbc" -v b="$wbs" 'BEGIN { printf "%.3f", a + b }')
cl=$(med core.LoadSettingsFile_ns) cr=$(med core.RawRead_ns)
cs=$(med core.SaveSettingsFile_ns) cd=$(med core.RawDurableSave_ns)
cc=$(med core.ListCards_ns) ci=$(med core.InspectCard_ns)
size=$(med win.size_bytes)
app_missing="not built"
[ "$(count mac.bare.visible_ms)" -gt 0 ] || app_missing="failed"

row "Measure" "Ours" "Baseline" "Ratio" "Target" "Met"
row "---" "---:" "---:" "---:" "---" "---"
r=$(ratio "$wp" "$wf")
row "Start → window visible: kestrune-win.exe vs its template alone (floor), Wine (n=$(count win.program.visible_ms))" \
  "$(num "$wp" %.0f " ms")" "$(num "$wf" %.0f " ms")" "$r$(paired win.program.visible_ms win.floor.visible_ms)" \
  "≤ 1.10" "$(met "$r" 1.10)"
r=$(ratio "$wpr" "$wfr")
row "Resident memory 1 s after visible: kestrune-win.exe vs its template alone (floor)" \
  "$(num "$wpr" %.0f " KB")" "$(num "$wfr" %.0f " KB")" "$r" "≤ 1.10" "$(met "$r" 1.10)"
r=$(ratio "$mp" "$mf")
row "Start → window visible: Kestrune.app vs its interface file alone (floor), GNUstep (n=$(count mac.program.visible_ms))" \
  "$(num "$mp" %.0f " ms" "$app_missing")" "$(num "$mf" %.0f " ms")" "$r$(paired mac.program.visible_ms mac.floor.visible_ms)" \
  "≤ 1.10" "$(met "$r" 1.10)"
r=$(ratio "$mpr" "$mfr")
row "Resident memory 1 s after visible: Kestrune.app vs its interface file alone (floor)" \
  "$(num "$mpr" %.0f " KB" "$app_missing")" "$(num "$mfr" %.0f " KB")" "$r" "≤ 1.10" "$(met "$r" 1.10)"
r=$(ratio "$wp" "$wb")
row "Start → window visible: kestrune-win.exe vs bare dialog, Wine (n=$(count win.program.visible_ms))" \
  "$(num "$wp" %.0f " ms")" "$(num "$wb" %.0f " ms")" "$r$(paired win.program.visible_ms win.bare.visible_ms)" \
  "≤ 1.15" "$(met "$r" 1.15)"
r=$(ratio "$mp" "$mb")
row "Start → window visible: Kestrune.app vs BareApp, GNUstep (n=$(count mac.program.visible_ms))" \
  "$(num "$mp" %.0f " ms" "$app_missing")" "$(num "$mb" %.0f " ms")" "$r$(paired mac.program.visible_ms mac.bare.visible_ms)" \
  "≤ 1.15" "$(met "$r" 1.15)"
r=$(ratio "$mpr" "$mbr")
row "Resident memory 1 s after visible: Kestrune.app vs BareApp" \
  "$(num "$mpr" "%.0f" " KB" "$app_missing")" "$(num "$mbr" %.0f " KB")" "$r" "≤ 1.10" "$(met "$r" 1.10)"
row "Resident memory 1 s after visible: kestrune-win.exe vs bare dialog (no target)" \
  "$(num "$wpr" %.0f " KB")" "$(num "$wbr" %.0f " KB")" "$(ratio "$wpr" "$wbr")" "—" "—"
row "Idle CPU over the span, kestrune-win.exe: program + wineserver (program alone)" \
  "$(num "$wit" %.2f " %")$([ -n "$wic" ] && echo " ($wic %)")" \
  "$(num "$wbt" %.2f " %")$([ -n "$wbc" ] && echo " ($wbc %)")" "—" "≤ 0.5 %" "$(met "$wit" 0.5)"
row "Idle CPU over the span, Kestrune.app" \
  "$(num "$mic" %.2f " %" "$app_missing")" "$(num "$mbc" %.2f " %")" "—" "≤ 0.5 %" "$(met "$mic" 0.5)"
r=$(ratio "$cl" "$cr")
row "Core: load a 476-byte file vs open/read/close" \
  "$(num "$cl" %.0f " ns")" "$(num "$cr" %.0f " ns")" "$r" "≤ 1.10" "$(met "$r" 1.10)"
r=$(ratio "$cs" "$cd")
row "Core: durable save vs write/fsync/rename/fsync folder" \
  "$(num "$cs" %.0f " ns")" "$(num "$cd" %.0f " ns")" "$r" "≤ 1.10" "$(met "$r" 1.10)"
row "Core: list the cards (the mount table and every card on it) + each card inspected" \
  "$(num "$cc" %.0f " ns") + $(num "$ci" %.0f " ns")" "—" "—" "≪ 5 ms" "$(met "$cc" 1000000)"
kb=""
[ -n "$size" ] && kb=$(awk -v s="$size" 'BEGIN { printf "%.1f", s / 1024 }')
row "kestrune-win.exe stripped" "$(num "$kb" %.1f " KB")" "—" "—" "≤ 300 KB" "$(met "$kb" 300)"
