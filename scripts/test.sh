#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing first): the formatting and
# the licence data, the core's tests unoptimised, the release build's tests, the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, a fixed-seed run of each fuzz target, the
# Windows program, cross-built with MinGW-w64 and tested under Wine, and the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
echo "== format"
find app bench check form fuzz tests -name '*.cpp' -o -name '*.h' | xargs clang-format --dry-run -Werror
echo "== source tarball and licences"
tests/debian/check_source.sh

# The core computes the same in an unoptimised build: no library call may stand in for the
# arithmetic the optimiser would do.
echo "== debug (the core)"
cmake --preset debug
cmake --build --preset debug --target check_tests
ctest --preset debug -R '^check\.'

for preset in default asan fuzz windows; do
    echo "== $preset"
    start=$SECONDS
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
    echo "-- $preset: $((SECONDS - start)) s"
done

echo "== debian"
start=$SECONDS
scripts/build-deb.sh build/debian/package
tests/debian/check_package.sh build/debian/package
echo "-- debian: $((SECONDS - start)) s"
