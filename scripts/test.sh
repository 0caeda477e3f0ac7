#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing first): the release build,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, a fixed-seed run of each
# fuzz target, and the Windows program, cross-built with MinGW-w64 and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
for preset in default asan fuzz windows; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
