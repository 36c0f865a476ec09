#!/bin/sh
# Runs every benchmark program of a folder, one after another, printing their usual tables.
set -e
dir=${1:-build-bench/bench}
found=0
for prog in "$dir"/*; do
    [ -f "$prog" ] && [ -x "$prog" ] || continue
    found=1
    echo "== $(basename "$prog")"
    "$(readlink -f "$prog")"
done
[ "$found" = 1 ] || echo "No benchmark programs in $dir yet."
