#!/bin/sh
# Runs every libFuzzer target of a folder for a bounded time on its seed corpus.
# New inputs found go to a scratch corpus under the build folder, never into the committed seeds;
# crashes are written to fuzz-artifacts/.
set -e
dir=${1:-build-fuzz/fuzz}
seeds=${2:-fuzz/corpus}
seconds=${3:-30}
mkdir -p fuzz-artifacts
status=0
found=0
for prog in "$dir"/*; do
    [ -f "$prog" ] && [ -x "$prog" ] || continue
    found=1
    name=$(basename "$prog")
    work="$dir/../fuzz-work/$name"
    mkdir -p "$work"
    echo "== $name ($seconds s)"
    set -- "$work"
    [ -d "$seeds/$name" ] && set -- "$@" "$seeds/$name"
    if ! "$prog" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
            -artifact_prefix=fuzz-artifacts/"$name"- -print_final_stats=1 "$@" 2>"$work.log"; then
        tail -n 40 "$work.log"
        status=1
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work.log" || true
    fi
done
[ "$found" = 1 ] || echo "No fuzz targets in $dir yet."
exit $status
