#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing first): the release build,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a fixed-seed run of
# each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
for preset in default asan fuzz; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
