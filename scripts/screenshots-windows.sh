#!/usr/bin/env bash
# Takes the README's screenshots of the Windows program: terne.exe under Wine after 3/4/5, typed
# and clicked on a virtual X server, at 100 % or at another scale (150 for 150 %). Needs the
# windows build, xdotool, imagemagick and fonts-wine.
# Usage: scripts/screenshots-windows.sh [percent]
set -euo pipefail
cd "$(dirname "$0")/.."
percent=${1:-100}
suffix=$([ "$percent" = 100 ] && echo "" || echo "@${percent}")
program=build/windows/app/win32/terne.exe
[ -f "$program" ] || { echo "build first: cmake --preset windows && cmake --build --preset windows" >&2; exit 1; }

session=$PWD/build/screenshots-wine
export TERNE_WINE_SESSION=$session
trap 'tests/wine/session.sh stop "$session" >/dev/null' EXIT
tests/wine/session.sh start "$session" >/dev/null
cmake/wine.sh reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d $((96 * percent / 100)) /f >/dev/null
# Wine draws the frame's buttons with Marlett, which this Wine does not find on its own.
cp /usr/share/wine/fonts/marlett.ttf "$session/prefix/drive_c/windows/Fonts/"
tests/wine/session.sh start "$session" >/dev/null  # again: the desktop takes the new scale
DISPLAY=:$(cat "$session/display")
export DISPLAY

cmake/wine.sh "$program" &
sleep 3
xdotool type --delay 50 3; xdotool key Tab
xdotool type --delay 50 4; xdotool key Tab
xdotool type --delay 50 5; xdotool key Tab   # focus on VERIFICA
xdotool key space
sleep 1
# The window sits at the desktop's top-left corner: cut away the desktop around it.
screen=$session/screen.png
import -window root "$screen"
background=$(convert-im6.q16 "$screen" -crop 1x1+1279+1023 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1)
convert-im6.q16 "$screen" -crop 1000x800+0+0 +repage -bordercolor "$background" -border 1 -trim \
    +repage "docs/window-windows-3-4-5$suffix.png"
cmake/wine.sh reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null
ls -l "docs/window-windows-3-4-5$suffix.png"
