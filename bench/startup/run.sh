#!/usr/bin/env bash
# Start-up of terne against the floor window, alternating, on a fresh Xvfb: medians and ratios.
# Usage: bench/startup/run.sh [RUNS]   (after: cmake --preset bench && cmake --build --preset bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-30}
build=build/bench
probe=$build/bench/time_to_paint
terne=$build/app/qt/terne
floor=$build/bench/floor_window

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
server=$!
trap 'kill $server 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1
"$probe" "$terne" >/dev/null && "$probe" "$floor" >/dev/null  # warm the file cache

results=$(mktemp)
for ((i = 0; i < runs; ++i)); do
    echo "terne $("$probe" "$terne")" >>"$results"
    echo "floor $("$probe" "$floor")" >>"$results"
done

quantile() {  # quantile NAME COLUMN FRACTION: the value at that fraction of the sorted runs
    awk -v n="$1" -v c="$2" '$1 == n {print $c}' "$results" | sort -n |
        awk -v f="$3" '{v[NR] = $1} END {i = f * (NR - 1) + 1; j = int(i); print v[j] + (i - j) * (v[j + 1] - v[j])}'
}
row() {  # row LABEL COLUMN: medians, the middle half of the runs, and the ratio
    local a b
    a=$(quantile terne "$2" 0.5) b=$(quantile floor "$2" 0.5)
    printf '%-22s %8.1f (%.1f-%.1f) %8.1f (%.1f-%.1f) %6.3f\n' "$1" \
        "$a" "$(quantile terne "$2" 0.25)" "$(quantile terne "$2" 0.75)" \
        "$b" "$(quantile floor "$2" 0.25)" "$(quantile floor "$2" 0.75)" \
        "$(echo "$a / $b" | bc -l)"
}
echo "medians of $runs runs (the middle half), terne / floor / ratio"
row "exec to painted (ms)" 2
row "peak RSS (KiB)" 3
rm -f "$results"
