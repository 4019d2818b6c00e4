#!/usr/bin/env bash
# Usage: start_libraries_test.sh PROGRAM SOUND_MODULE
# The libraries the program needs at its start, and those its sound module needs at the first
# sound: CUPS is loaded when printing, Qt Multimedia by the module only, and Qt Network never.
set -euo pipefail
needed() { readelf --dynamic "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
status=0
for library in libcups libQt6Multimedia libpulse libQt6Network; do
    if needed "$1" | grep -q "^$library"; then
        echo "$1 loads $library at its start" >&2
        status=1
    fi
done
needed "$2" | grep -q '^libQt6Multimedia' || { echo "$2 does not bring Qt Multimedia" >&2; status=1; }
exit $status
