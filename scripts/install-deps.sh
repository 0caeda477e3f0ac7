#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, and only those still missing, with sudo when not
# root. Usage: scripts/install-deps.sh run|test|bench
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev libxcb1-dev qt6-translations-l10n fonts-crosextra-carlito)
case "${1:-}" in
    run) packages=("${build[@]}") ;;
    test) packages=("${build[@]}" libgtest-dev googletest clang libclang-rt-14-dev clang-format
                     xvfb xauth weston qt6-wayland dbus-daemon at-spi2-core libatspi2.0-dev
                     desktop-file-utils appstream dpkg-dev file man-db reuse shellcheck
                     debhelper lintian devscripts libglib2.0-bin xdotool
                     g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 nsis) ;;
    bench) packages=("${build[@]}" libbenchmark-dev xvfb xauth xdotool bc
                      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64) ;;
    *) echo "usage: $0 run|test|bench" >&2; exit 2 ;;
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
