#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How often an idle program wakes: starts it on the display in $DISPLAY (e.g. a fresh Xvfb),
# lets it settle, then counts its voluntary context switches over a span of idling, for its
# main thread and for all its threads together.
#   DISPLAY=:57 bench/idle_wakeups.sh build/bin/lumaro [SECONDS]
set -eu
program=$1
span=${2:-10}
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
sleep 3

switches() {
    total=0
    for status in /proc/"$pid"/task/*/status; do
        count=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$status")
        total=$((total + count))
    done
    echo "$total $(awk '/^voluntary_ctxt_switches/ {print $2}' /proc/"$pid"/status)"
}

set -- $(switches)
all_before=$1 main_before=$2
sleep "$span"
set -- $(switches)
echo "wake-ups per second over ${span} s: main thread" \
    "$(awk "BEGIN {printf \"%.1f\", ($2 - $main_before) / $span}")," \
    "all threads $(awk "BEGIN {printf \"%.1f\", ($1 - $all_before) / $span}")"
