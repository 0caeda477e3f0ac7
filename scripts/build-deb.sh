#!/usr/bin/env bash
# Builds the Debian package the Debian way, from the source tarball alone (scripts/dist.sh):
# unpacked into OUTPUT_DIR, then dpkg-buildpackage -us -uc -b. The packages land in OUTPUT_DIR.
# Usage: scripts/build-deb.sh OUTPUT_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "$1")
tarball=$(scripts/dist.sh)
rm -rf "$out"
mkdir -p "$out"
tar -xzf "$tarball" -C "$out"
if ! (cd "$out"/terne-*/ && dpkg-buildpackage -us -uc -b) >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log" >&2
    exit 1
fi
ls "$out"/*.deb
