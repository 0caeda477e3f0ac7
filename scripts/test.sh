#!/usr/bin/env bash
# Builds everything and runs every test (installing what is missing first): the formatting, the
# shell scripts (shellcheck) and the licence data, the core's tests unoptimised, the release
# build's tests, the same under AddressSanitizer and UndefinedBehaviorSanitizer, a fixed-seed run
# of each fuzz target, the Windows programs (32- and 64-bit), cross-built with MinGW-w64 and
# tested under 32- and 64-bit Wine, the
# web page, built with Emscripten and tested under node and in Chromium, Firefox and WebKit, the
# Debian package, and the release made of those builds. Warnings are errors in every build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
# Built as a release is: dated by the last commit, so that the release step can take the builds.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 1767225600)}
export SOURCE_DATE_EPOCH
# Every test program that can run beside others does, on every core.
CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL
echo "== format"
git ls-files -z 'app/*' 'bench/*' 'check/*' 'form/*' 'fuzz/*' 'tests/*' | grep -z -E '\.(cpp|h)$' |
    xargs -0 clang-format --dry-run -Werror
echo "== shell scripts"
mapfile -t scripts < <(git ls-files | while read -r file; do
    [ -f "$file" ] && head -c 64 "$file" | grep -q '^#!.*sh' && echo "$file"; done)
shellcheck "${scripts[@]}"
echo "== source tarball and licences"
tests/debian/check_source.sh

# The core computes the same in an unoptimised build: no library call may stand in for the
# arithmetic the optimiser would do.
echo "== debug (the core)"
cmake --preset debug
cmake --build --preset debug --target check_tests
ctest --preset debug -R '^check\.'

# The 32-bit Windows build comes before the 64-bit one, whose installer carries its program.
for preset in default asan fuzz windows32 windows web; do
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

echo "== release"
scripts/release.sh --reuse >/dev/null
tests/release/check_release.sh
