#!/usr/bin/env bash
# Start-up of the web page on a slow phone against a one-line page (web_startup.py): first paint
# and the first click answered, medians with their spread, and the bytes sent.
# Usage: bench/startup/run_web.sh [RUNS]   (builds the page first)
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target site
/usr/bin/python3 bench/startup/web_startup.py build/web/site "${1:-20}"
