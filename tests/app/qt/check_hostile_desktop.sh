#!/usr/bin/env bash
# The real program against what a broken desktop does to it: no display, a compositor that is not
# there, a memory limit too tight for its threads (each: one line and exit code 1), the warning
# destroyed by another X client (the window takes input again), and the main window destroyed
# (the program ends). Usage: check_hostile_desktop.sh TERNE
set -euo pipefail
terne=$1
work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A failed start: exit code 1 and one line naming what is missing, in both languages.
expect_failed_start() {
    local what=$1 pattern=$2 rc=0
    shift 2
    timeout 20 "$@" >"$work/out" 2>"$work/err" || rc=$?
    [ "$rc" -eq 1 ] || fail "$what: exit code $rc: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: more than one line: $(cat "$work/err")"
    grep -q "$pattern" "$work/err" || fail "$what: $(cat "$work/err")"
    echo "$what: $(cat "$work/err")"
}

mkdir -m 700 "$work/runtime"
expect_failed_start "no display" "no display to connect to" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$terne"
expect_failed_start "Wayland without a compositor" "no display to connect to" \
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work/runtime" \
    "$terne"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    </dev/null >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
DISPLAY=:$(tr -d '\n' <"$work/display")
export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime

# AddressSanitizer reserves terabytes of address space: no memory limit can leave it room. (grep
# reads all of ldd's output: with -q it could stop early, ldd then die of SIGPIPE, and pipefail
# take the pipeline for a failure.)
if ! ldd "$terne" | grep libasan >/dev/null; then
    # shellcheck disable=SC2016  # "$0" is the inner shell's
    expect_failed_start "threads under a memory limit" "not enough system resources" \
        bash -c 'ulimit -v 100000 && exec "$0"' "$terne"
fi

"$terne" 2>"$work/err" &
program=$!
find_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
form=$(find_window '^Form1$') || fail "no window"
verifica() { xdotool mousemove --window "$form" 408 168 click 1; }  # empty entries: a warning
verifica
warning=$(find_window '^Terne pitagoriche$') || fail "no warning"
xdotool windowclose "$warning"
sleep 0.5
verifica
again=$(find_window '^Terne pitagoriche$') || fail "the window takes no input after the warning was destroyed"
[ "$again" != "$warning" ] || fail "the destroyed warning is still listed"
xdotool windowclose "$again"
echo "a destroyed warning: the window takes input again"

xdotool windowclose "$form"
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    fail "the program runs on with its window destroyed"
fi
rc=0
wait "$program" || rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc after its window was destroyed: $(cat "$work/err")"
echo "a destroyed main window: the program ended with exit code 0"
