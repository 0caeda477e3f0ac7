#!/usr/bin/env bash
# Makes the source tarball build/dist/terne-VERSION.tar.gz from the committed, tracked files only
# (git archive), and prints its path. Outside a git checkout it takes the tree without build/.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(terne VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
mkdir -p build/dist
tarball=$PWD/build/dist/terne-$version.tar.gz
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git archive --format=tar.gz --prefix="terne-$version/" -o "$tarball" HEAD
else
    tar --exclude=./build --exclude=./.git --transform="s|^\.|terne-$version|" -czf "$tarball" .
fi
echo "$tarball"
