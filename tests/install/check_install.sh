#!/usr/bin/env bash
# Installs the build into a staging folder and compares the file list with the expected one.
# Usage: check_install.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build=$1 expected=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort)
test -x "$stage/usr/bin/terne"
echo "staged install: $(wc -l < "$expected") files as expected"
