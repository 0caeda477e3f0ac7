#!/usr/bin/env bash
# The source as it is published: the tarball holds the tracked files and nothing else, and every
# file has its copyright and licence in the REUSE format.
set -euo pipefail
cd "$(dirname "$0")/../.."
tarball=$(scripts/dist.sh)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    diff -u <(git ls-files | LC_ALL=C sort) \
        <(tar -tzf "$tarball" | sed 's|^[^/]*/||' | grep -v -e '/$' -e '^$' | LC_ALL=C sort)
fi
echo "$(basename "$tarball"): $(tar -tzf "$tarball" | grep -c -v '/$') files, $(stat -c %s "$tarball") bytes"
reuse lint
