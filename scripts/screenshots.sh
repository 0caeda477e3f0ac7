#!/usr/bin/env bash
# Takes the README's screenshots: the window after 3/4/5 and after 2/3/4, typed and clicked on
# a virtual X server. Needs xvfb, xdotool and imagemagick. Usage: scripts/screenshots.sh [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
program=build/default/app/qt/terne
[ -x "$program" ] || { echo "build first: scripts/test.sh" >&2; exit 1; }

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
server=$!
trap 'kill $server 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LANG=it_IT.UTF-8
sleep 1

shoot() {  # shoot A B C NAME
    "$program" &
    local app=$!
    local window
    window=$(xdotool search --sync --name '^Form1$' | head -n 1)
    sleep 0.5
    xdotool mousemove --window "$window" 5 5
    xdotool type --delay 20 "$1"; xdotool key Tab
    xdotool type --delay 20 "$2"; xdotool key Tab
    xdotool type --delay 20 "$3"; xdotool key Tab   # focus on VERIFICA
    xdotool key space
    sleep 0.5
    import -window "$window" "docs/$4$suffix.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

shoot 3 4 5 window-3-4-5
shoot 2 3 4 window-2-3-4
ls -l docs/*"$suffix".png
