#!/usr/bin/env bash
# Start-up of terne.exe against a bare Win32 window of the same size, alternating, under Wine on a
# fresh Xvfb: medians and ratios.
# Usage: bench/startup/run_wine.sh [RUNS]
#   (after: cmake --preset windows-bench && cmake --build --preset windows-bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-30}
build=build/windows-bench
session=$PWD/$build/wine-session
tests/wine/session.sh start "$session" >/dev/null
trap 'tests/wine/session.sh stop "$session" >/dev/null' EXIT
export TERNE_WINE_SESSION=$session

out=$(cmake/wine.sh "$build/bench/time_to_idle.exe" "$runs" \
    "Z:$PWD/$build/app/win32/terne.exe" "Z:$PWD/$build/bench/floor_window.exe" | tr -d "\r")
read -r _ t_terne m_terne <<<"$(sed -n 1p <<<"$out")"
read -r _ t_floor m_floor <<<"$(sed -n 2p <<<"$out")"
printf '%-34s %10s %10s %7s\n' "median of $runs runs, under Wine" terne.exe floor ratio
printf '%-34s %10.1f %10.1f %7.2f\n' "CreateProcess to idle (ms)" "$t_terne" "$t_floor" \
    "$(echo "$t_terne / $t_floor" | bc -l)"
printf '%-34s %10d %10d %7.2f\n' "peak working set (KiB)" "$m_terne" "$m_floor" \
    "$(echo "$m_terne / $m_floor" | bc -l)"
