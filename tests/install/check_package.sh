#!/usr/bin/env bash
# Builds the Debian package and checks its control data and contents.
# Usage: check_package.sh BUILD_DIR EXPECTED_LIST VERSION
set -euo pipefail
build=$1 expected=$2 version=$3
cd "$build"
cpack -G DEB >/dev/null
deb=package/terne_${version}_amd64.deb
test -f "$deb"

info=$(dpkg-deb --info "$deb")
for field in 'Package: terne' "Version: $version" 'Architecture: amd64' 'Section: education' \
    'Recommends: qt6-wayland'; do
    grep -q "^ $field\$" <<<"$info" || { echo "control lacks '$field'"; exit 1; }
done
# shlibdeps must have found the Qt libraries, and the window-system plugins are named by hand.
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
    grep -q "^ Depends:.*\b$dependency\b" <<<"$info" || { echo "Depends lacks $dependency"; exit 1; }
done

diff -u <(sed 's|^|./|' "$expected") \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort)
echo "package: $deb has the expected control data and $(wc -l < "$expected") files"
