#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, and only those still missing.
# Usage: scripts/install-deps.sh run|test
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n fonts-crosextra-carlito)
case "${1:-}" in
    run) packages=("${build[@]}") ;;
    test) packages=("${build[@]}" libgtest-dev xvfb xauth clang-14 libclang-rt-14-dev
                     desktop-file-utils appstream dpkg-dev file
                     g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest wine64 nsis) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
