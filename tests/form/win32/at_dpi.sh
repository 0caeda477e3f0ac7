#!/usr/bin/env bash
# Runs a command with Wine's screen resolution (LogPixels) at DPI, then puts 96 back.
# Usage: at_dpi.sh DPI WINE PROGRAM [ARGS...]
set -euo pipefail
dpi=$1 wine=$2
shift 2
set_dpi() {
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
TERNE_EXPECTED_DPI=$dpi "$wine" "$@"
