#!/bin/sh
# A manual page that man formats without a warning, and whose NAME line whatis can read.
# Usage: check_man.sh PAGE...
set -eu
for page in "$@"; do
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings" >&2; exit 1; }
    lexgrog "$page"
done
