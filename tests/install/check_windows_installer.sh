#!/usr/bin/env bash
# The Windows installer under Wine, in the test session's prefix: "/S" installs terne.exe and
# its licences, the Start-menu shortcut and the uninstall entry; the uninstaller's "/S" then
# removes every one of them. Neither touches a copy of terne.exe that is running: with "/S" each
# fails with exit code 2 and changes nothing.
# Usage: check_windows_installer.sh WINE SETUP STAGE APP_ID VERSION   (TERNE_WINE_SESSION set)
set -euo pipefail
wine=$1 setup=$2 stage=$3 app_id=$4 version=$5
drive_c=$TERNE_WINE_SESSION/prefix/drive_c
folder="$drive_c/Program Files/Terne pitagoriche"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Terne pitagoriche.lnk"
desktop_shortcut="$drive_c/users/Public/Desktop/Terne pitagoriche.lnk"
key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id"
fail() { echo "FAIL: $*" >&2; exit 1; }

value() {  # the data of one value of the uninstall entry
    "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

rc=0; "$wine" "$setup" /S || rc=$?
[ "$rc" -eq 0 ] || fail "the installer exited with $rc"
for file in terne.exe LICENSE.txt MinGW-w64-runtime.txt; do
    cmp "$stage/$file" "$folder/$file" || fail "$file not installed"
done
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
strings -a "$shortcut" | grep -F 'C:\Program Files\Terne pitagoriche\terne.exe' >/dev/null ||
    fail "no Start-menu shortcut to terne.exe"
[ ! -e "$desktop_shortcut" ] || fail "a desktop shortcut, which is off unless chosen"

[ "$(value DisplayName)" = "Terne pitagoriche" ] || fail "DisplayName: $(value DisplayName)"
[ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion: $(value DisplayVersion)"
[ -n "$(value Publisher)" ] || fail "no Publisher"
[ "$(value DisplayIcon)" = 'C:\Program Files\Terne pitagoriche\terne.exe,0' ] ||
    fail "DisplayIcon: $(value DisplayIcon)"
size=$(($(value EstimatedSize)))  # KiB, written as 0x...
[ "$size" -ge $(($(stat -c %s "$folder/terne.exe") / 1024)) ] || fail "EstimatedSize: $size KiB"
[ "$(value QuietUninstallString)" = '"C:\Program Files\Terne pitagoriche\uninstall.exe" /S' ] ||
    fail "QuietUninstallString: $(value QuietUninstallString)"
echo "installed: $(cd "$folder" && echo *), entry with $size KiB"

uninstaller='C:\Program Files\Terne pitagoriche\uninstall.exe'
"$wine" 'C:\Program Files\Terne pitagoriche\terne.exe' &
running=$!
trap 'kill "$running" 2>/dev/null || true' EXIT
sleep 4  # its window is up
rc=0; "$wine" "$setup" /S || rc=$?
[ "$rc" -eq 2 ] || fail "the installer over a running copy exited with $rc"
# Run in place, the uninstaller returns its own exit code. "_?=" takes the rest of the command
# line unquoted, which only a batch file passes on as it stands.
printf '@"%s" /S _?=C:\\Program Files\\Terne pitagoriche\r\n@exit /b %%errorlevel%%\r\n' \
    "$uninstaller" >"$drive_c/uninstall-in-place.bat"
rc=0; "$wine" cmd /c 'C:\uninstall-in-place.bat' || rc=$?
[ "$rc" -eq 2 ] || fail "the uninstaller of a running copy exited with $rc"
"$wine" "$uninstaller" /S  # as Windows runs it: from a copy in the temporary folder
sleep 3
for file in terne.exe uninstall.exe LICENSE.txt; do
    [ -f "$folder/$file" ] || fail "$file removed while the program was running"
done
[ -e "$shortcut" ] || fail "shortcut removed while the program was running"
"$wine" reg query "$key" >/dev/null 2>&1 || fail "uninstall entry removed while the program was running"
"$wine" taskkill /IM terne.exe >/dev/null 2>&1 || kill "$running"
wait "$running" || true
echo "a running copy: installer and uninstaller refused, nothing changed"

# The uninstaller runs a copy of itself from the temporary folder, and returns at once.
"$wine" "$uninstaller" /S
for _ in $(seq 150); do
    [ -e "$folder" ] || break
    sleep 0.2
done
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "shortcut left behind"
if "$wine" reg query "$key" >/dev/null 2>&1; then
    fail "uninstall entry left behind"
fi
echo "uninstalled: nothing left"
