#!/usr/bin/env bash
# Start-up of the web page against a floor page, in headless Chromium: medians, requests, sizes.
# Usage: bench/startup/run_web.sh [RUNS]   (builds the page first)
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target site
/usr/bin/python3 bench/startup/web_startup.py build/web/site "${1:-20}"
