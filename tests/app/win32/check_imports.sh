#!/bin/sh
# Passes when a Windows executable is of the format given, and imports system DLLs only, so that
# it runs on its own. Usage: check_imports.sh OBJDUMP EXE FORMAT   (FORMAT: as `file` says it)
set -eu
format=$(file -b "$2")
case $format in
"$3"*) echo "$format" ;;
*) echo "not a $3: $format" >&2; exit 1 ;;
esac
dlls=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort)
echo "$dlls"
[ -n "$dlls" ] || { echo "no imports found" >&2; exit 1; }
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleaut32.dll | oleacc.dll | \
        advapi32.dll | shell32.dll | version.dll | msvcrt.dll) ;;
    *) echo "not a system DLL: $dll" >&2; exit 1 ;;
    esac
done
