#!/usr/bin/env bash
# The slowest actions on the boxes (settext, paste, type, VERIFICA, AZZERA), up to the boxes'
# limit and past it: the Qt window on a fresh Xvfb, and terne.exe under Wine where it is built.
# Usage: bench/actions/run.sh [RUNS]
#   (after: cmake --preset bench && cmake --build --preset bench, and for Windows
#    cmake --preset windows-bench && cmake --build --preset windows-bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-20}
lengths=(100 500 1000 100000)

echo "Qt window (Xvfb)"
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    build/bench/bench/worst_actions "$runs" "${lengths[@]}" 2>/dev/null

windows=build/windows-bench
if [ -x "$windows/bench/worst_actions.exe" ]; then
    session=$PWD/$windows/wine-session
    tests/wine/session.sh start "$session" >/dev/null
    trap 'tests/wine/session.sh stop "$session" >/dev/null' EXIT
    echo "terne.exe (Wine), driven from another process"
    TERNE_WINE_SESSION=$session cmake/wine.sh "$windows/bench/worst_actions.exe" "$runs" \
        "Z:$PWD/$windows/app/win32/terne.exe" "${lengths[@]}" | tr -d '\r'
fi
