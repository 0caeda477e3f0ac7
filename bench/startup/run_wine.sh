#!/usr/bin/env bash
# Start-up of terne.exe under Wine on a fresh Xvfb, alternating with its floors: a window of the
# same 26 controls as plain system child windows (floor_controls.exe), the floor of any window of
# 26 controls under Wine, and a bare window of the same size (floor_window.exe); both are built
# from bench/startup/win32/floor_window.cpp.
# Medians and ratios. Usage: bench/startup/run_wine.sh [RUNS]
#   (after: cmake --preset windows-bench && cmake --build --preset windows-bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-30}
build=build/windows-bench
session=$PWD/$build/wine-session
tests/wine/session.sh start "$session" >/dev/null
trap 'tests/wine/session.sh stop "$session" >/dev/null' EXIT
export TERNE_WINE_SESSION=$session

compare() {  # compare NAME_A PROGRAM_A NAME_B PROGRAM_B
    local out t_a m_a t_b m_b
    out=$(cmake/wine.sh "$build/bench/time_to_idle.exe" "$runs" "Z:$PWD/$2" "Z:$PWD/$4" | tr -d "\r")
    read -r _ t_a m_a <<<"$(sed -n 1p <<<"$out")"
    read -r _ t_b m_b <<<"$(sed -n 2p <<<"$out")"
    printf '%-34s %14s %14s %7s\n' "median of $runs runs, under Wine" "$1" "$3" ratio
    printf '%-34s %14.1f %14.1f %7.2f\n' "CreateProcess to idle (ms)" "$t_a" "$t_b" \
        "$(echo "$t_a / $t_b" | bc -l)"
    printf '%-34s %14d %14d %7.2f\n' "peak working set (KiB)" "$m_a" "$m_b" \
        "$(echo "$m_a / $m_b" | bc -l)"
}
compare terne.exe "$build/app/win32/terne.exe" "26 controls" "$build/bench/floor_controls.exe"
compare "26 controls" "$build/bench/floor_controls.exe" "bare window" "$build/bench/floor_window.exe"
