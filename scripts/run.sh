#!/usr/bin/env bash
# Builds the program and starts it (installing what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake --preset app
cmake --build --preset app
exec build/app/app/qt/terne
