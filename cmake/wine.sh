#!/bin/sh
# Runs a Windows program under Wine (TERNE_WINE, Debian's wine64 by default): the test session's
# prefix and display when there is one (tests/wine/session.sh), quietly.
set -e
if [ -n "${TERNE_WINE_SESSION:-}" ] && [ -f "$TERNE_WINE_SESSION/display" ]; then
    WINEPREFIX=$TERNE_WINE_SESSION/prefix
    DISPLAY=:$(cat "$TERNE_WINE_SESSION/display")
    export WINEPREFIX DISPLAY
fi
export WINEDEBUG="${WINEDEBUG:--all}"
exec "${TERNE_WINE:-/usr/lib/wine/wine64}" "$@"
