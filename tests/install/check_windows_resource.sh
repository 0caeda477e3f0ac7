#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's windres and reads the version record back.
# Usage: check_windows_resource.sh WINDRES RESOURCE_SCRIPT
set -euo pipefail
windres=$1 script=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$windres" --preprocessor=cpp -i "$script" -o "$out/terne.o" -O coff  # what a link takes
"$windres" --preprocessor=cpp -i "$script" -o "$out/terne.res" -O res
"$windres" -J res -i "$out/terne.res" -O rc -o "$out/decompiled.rc"
for expected in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'BLOCK "041004b0"' \
                'VALUE "FileVersion", "1.00' 'VALUE "ProductVersion", "1.00' \
                'VALUE "Translation", 0x410, 1200' 'RT_GROUP_ICON' 'LANGUAGE 16, 1'; do
    grep -qiF "$expected" "$out/decompiled.rc" || { echo "resource lacks: $expected"; cat "$out/decompiled.rc"; exit 1; }
done
echo "resource script compiles; version 1.00, Italian (0x0410, code page 1200), with the icon"
