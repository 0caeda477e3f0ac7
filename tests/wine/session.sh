#!/usr/bin/env bash
# The Wine session of the Windows tests. start: a private Wine prefix (made once, 64-bit or, with
# WINEARCH=win32, 32-bit), one virtual X server that outlives every program (-noreset), and a
# wineserver with its system processes; stop: ends them. Usage: session.sh start|stop SESSION_DIR
set -euo pipefail
action=$1
mkdir -p "$2"
session=$(realpath "$2")
export WINEPREFIX=$session/prefix WINEDEBUG=-all WINEARCH=${WINEARCH:-win64}
wine=${TERNE_WINE:-/usr/lib/wine/wine64}
wineserver=$(dirname "$wine")/wineserver

stop() {
    "$wineserver" -k 2>/dev/null || true
    if [ -f "$session/xvfb.pid" ]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$session/display" "$session/xvfb.pid"
}

case $action in
start)
    stop  # what a killed run left behind
    # Every process started here lets go of the test's output, or ctest would wait for it.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$session/display.new" \
        </dev/null >/dev/null 2>&1 &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$session/display.new" ] && break
        sleep 0.1
    done
    tr -d '\n' <"$session/display.new" >"$session/display"
    rm -f "$session/display.new"
    DISPLAY=:$(cat "$session/display")
    export DISPLAY
    if [ ! -f "$session/prefix.made" ]; then
        echo "making the Wine prefix (about 15 s)"
        rm -rf "$WINEPREFIX"
        # A 64-bit prefix takes 32-bit programs (the installer) when wine32 is installed too.
        "$wine" wineboot -i </dev/null >/dev/null 2>&1 || true
        "$wineserver" -w  # the registry is on disk once the server has gone
        [ -d "$WINEPREFIX/drive_c/windows/Fonts" ] || { echo "wineboot made no prefix" >&2; exit 1; }
        # Wine's own desktop, with window frames drawn by Wine: without a window manager, Wine
        # waits two seconds for the X server's focus each time an active window goes away.
        "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
            >/dev/null 2>&1
        "$wineserver" -w
        touch "$session/prefix.made"
    fi
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" wineboot </dev/null >/dev/null 2>&1
    echo "Wine session on display $DISPLAY, prefix $WINEPREFIX"
    ;;
stop)
    stop
    echo "Wine session ended"
    ;;
*)
    echo "usage: $0 start|stop SESSION_DIR" >&2
    exit 2
    ;;
esac
