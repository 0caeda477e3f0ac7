#!/usr/bin/env bash
# Builds the files a user installs, with their SHA-256 sums, into build/release/: the Windows
# installer and the portable zips for 64- and 32-bit Windows, the Debian package and the web
# page's zip. Everything is dated by
# the last commit (SOURCE_DATE_EPOCH), so that one commit always gives the same files.
# Usage: scripts/release.sh [--reuse]   (--reuse: the builds scripts/test.sh has just made)
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(terne VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
if [ "${1:-}" != --reuse ]; then
    scripts/install-deps.sh test
    cmake --preset windows32 >/dev/null
    cmake --build --preset windows32 --target portable
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target installer portable
    cmake --preset web >/dev/null
    cmake --build --preset web --target site
    scripts/build-deb.sh build/debian/package >/dev/null
fi
files=("build/windows/dist/terne-$version-setup.exe" "build/windows/dist/terne-$version-win64.zip"
       "build/windows32/dist/terne-$version-win32.zip"
       "build/debian/package/terne_$version-1_$(dpkg --print-architecture).deb"
       "build/web/dist/terne-$version-web.zip")
rm -rf build/release
mkdir -p build/release
cp "${files[@]}" build/release/
cd build/release
sha256sum -- "${files[@]##*/}" >SHA256SUMS
cat SHA256SUMS
