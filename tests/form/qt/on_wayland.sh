#!/usr/bin/env bash
# Runs a program on Wayland: in a Weston of its own, headless, with a private runtime folder.
# Usage: on_wayland.sh PROGRAM [ARGS...]
set -euo pipefail
runtime=$(mktemp -d)  # mode 0700, as Wayland wants
socket=terne-$$
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
# Qt 6.4's Wayland input method reaches for the seat, which a headless Weston lacks, as soon as
# a line edit draws its cursor in an active window: it would crash, so it is left out.
export QT_IM_MODULE=none
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config \
    </dev/null >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log" >&2; exit 1; }
"$@"
