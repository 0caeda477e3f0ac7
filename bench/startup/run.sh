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

median() {  # median NAME COLUMN
    awk -v n="$1" -v c="$2" '$1 == n {print $c}' "$results" | sort -n |
        awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
t_terne=$(median terne 2) t_floor=$(median floor 2)
m_terne=$(median terne 3) m_floor=$(median floor 3)
printf '%-28s %10s %10s %7s\n' "median of $runs runs" terne floor ratio
printf '%-28s %10.1f %10.1f %7.2f\n' "exec to painted (ms)" "$t_terne" "$t_floor" \
    "$(echo "$t_terne / $t_floor" | bc -l)"
printf '%-28s %10d %10d %7.2f\n' "peak RSS (KiB)" "$m_terne" "$m_floor" \
    "$(echo "$m_terne / $m_floor" | bc -l)"
rm -f "$results"
