#!/usr/bin/env bash
# Launch to first window under Xvfb: the program against a bare Qt window, alternating, median
# of several runs each. The time runs from the launch to the MapNotify of the first top-level
# window, as the X server reports it.
#
#   bench/startup.sh PROGRAM BAREWINDOW [RUNS]
set -uo pipefail
source "$(dirname "$0")/../tests/realwindow/xsession.sh"
program=$1
bare=$2
runs=${3:-15}

start_x

# Milliseconds from the launch of the command to the first window mapped on the root window.
launch_to_map() {
    local events="$session_dir/events" ms pid xev_pid
    : >"$events"
    stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    xev_pid=$!
    sleep 0.3
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    while ! grep -q '^MapNotify' "$events"; do
        sleep 0.002
    done
    t1=$(date +%s%N)
    kill "$pid" "$xev_pid" 2>/dev/null
    wait "$pid" "$xev_pid" 2>/dev/null
    echo $(((t1 - t0) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

program_ms=()
bare_ms=()
# One run of each first, not counted: it fills the disk cache for both.
launch_to_map "$bare" >/dev/null
launch_to_map "$program" >/dev/null
for _ in $(seq "$runs"); do
    bare_ms+=("$(launch_to_map "$bare")")
    program_ms+=("$(launch_to_map "$program")")
done
p=$(printf '%s\n' "${program_ms[@]}" | median)
b=$(printf '%s\n' "${bare_ms[@]}" | median)
echo "launch to first window, median of $runs runs: program ${p} ms, bare Qt window ${b} ms, ratio $(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.2f", p / b }')"
echo "program runs: ${program_ms[*]}"
echo "bare runs:    ${bare_ms[*]}"
