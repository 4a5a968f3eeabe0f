#!/usr/bin/env bash
# Builds the fuzz targets with clang in a folder of their own and runs the settings target for
# a bounded time, starting from the corpus kept in the tree. New inputs it finds go to a
# temporary folder; `scripts/fuzz.sh --merge` folds them into the tree's corpus.
#
#   scripts/fuzz.sh BUILD_DIR SECONDS [--merge]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
seconds=$2
merge=${3:-}
corpus="$root/tests/fuzz/corpus/settings"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -DZD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DCMAKE_CXX_COMPILER=clang++ >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
fi
cmake --build "$build" --target fuzz_settings >"$build.build.log" 2>&1 || { cat "$build.build.log"; exit 1; }

found=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$found" "$work"' EXIT
cd "$work"
status=0
QT_QPA_PLATFORM=offscreen "$build/tests/fuzz/fuzz_settings" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 "$found" "$corpus" >"$work/fuzz.log" 2>&1 || status=$?
grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$work/fuzz.log" || true
if [[ $status -ne 0 ]]; then
    cat "$work/fuzz.log"
    ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null && cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* /tmp/ 2>/dev/null
    echo "fuzz_settings: 0 passed, 1 failed"
    exit 1
fi
if [[ "$merge" == "--merge" ]]; then
    "$build/tests/fuzz/fuzz_settings" -merge=1 "$corpus" "$found" >/dev/null 2>&1
    echo "corpus now holds $(ls "$corpus" | wc -l) inputs"
fi
echo "fuzz_settings: 1 passed, 0 failed"
