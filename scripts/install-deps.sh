#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs, and only those still missing, with sudo when not
# root. Usage: scripts/install-deps.sh run|test|bench|web (test takes in web)
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev libxcb1-dev qt6-translations-l10n fonts-crosextra-carlito)
# The web page: Emscripten, fast_float, the font tools, the three browser engines with their
# drivers (WebKit's on a virtual X server, in a language glibc makes for it), the web server that
# serves the page in the tests, and the image module that reads their screenshots.
web=(cmake ninja-build emscripten libfast-float-dev googletest python3-fonttools python3-brotli
     fonts-crosextra-carlito chromium chromium-driver firefox-esr webkit2gtk-driver xvfb xauth
     xdotool locales nginx-light python3-selenium python3-websocket python3-pil)
case "${1:-}" in
    run) packages=("${build[@]}") ;;
    test) packages=("${build[@]}" libgtest-dev googletest clang libclang-rt-14-dev clang-format
                     xvfb xauth weston qt6-wayland dbus-daemon at-spi2-core libatspi2.0-dev
                     desktop-file-utils appstream dpkg-dev file man-db reuse shellcheck
                     debhelper lintian devscripts libglib2.0-bin xdotool
                     g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 nsis
                     g++-mingw-w64-i686 binutils-mingw-w64-i686 wine32:i386 "${web[@]}") ;;
    web) packages=("${web[@]}") ;;
    bench) packages=("${build[@]}" libbenchmark-dev xvfb xauth xdotool bc
                      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64) ;;
    *) echo "usage: $0 run|test|bench|web" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
# npm comes with some builds of node; Debian's own node needs its package.
case "$1" in test|web) command -v npm >/dev/null || missing+=(npm) ;; esac

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# 32-bit Wine, for the 32-bit Windows program, is a package of Debian's i386 architecture.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# What Debian lacks, from npm at a fixed version, into the build folder: axe-core for the page's
# accessibility test.
axe_version=4.14.1
npm_root="$(cd "$(dirname "$0")/.." && pwd)/build/npm"
case "$1" in
    test|web)
        if ! grep -qs "\"version\": \"$axe_version\"" "$npm_root/node_modules/axe-core/package.json"; then
            mkdir -p "$npm_root"
            npm install --prefix "$npm_root" --no-save --no-audit --no-fund "axe-core@$axe_version"
        fi ;;
esac
