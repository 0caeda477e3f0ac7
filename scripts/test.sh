#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing first).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset default
cmake --build --preset default
ctest --preset default
