#!/usr/bin/env bash
# Launch to first window under Xvfb: the program against a bare Qt window, alternating, median
# of several runs each. The time runs from the launch until the X server reports a window of
# the process as viewable.
#
#   bench/startup.sh PROGRAM BAREWINDOW [RUNS]
set -uo pipefail
source "$(dirname "$0")/../tests/realwindow/xsession.sh"
program=$1
bare=$2
runs=${3:-15}

start_x

# Milliseconds from the launch of the command to its first window being viewable, looked for
# about every 12 milliseconds.
launch_to_map() {
    local pid t0 t1
    t0=$(date +%s%N)
    "$@" >"$session_dir/launched.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        # Where other X servers come and go on the same machine, a launch now and then cannot
        # connect to the display at all; such a run is left out and counted.
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "$1 could not show a window: $(head -n1 "$session_dir/launched.log")" >&2
            return 1
        fi
        # Connecting without a pause fills the server's queue of new connections, and then the
        # program itself cannot connect.
        sleep 0.01
    done
    t1=$(date +%s%N)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
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
lost=0
while [[ ${#program_ms[@]} -lt $runs || ${#bare_ms[@]} -lt $runs ]]; do
    ((lost > runs)) && fail "too many launches could not connect to the display"
    if [[ ${#bare_ms[@]} -lt $runs ]]; then
        ms=$(launch_to_map "$bare") && bare_ms+=("$ms") || ((lost++))
    fi
    if [[ ${#program_ms[@]} -lt $runs ]]; then
        ms=$(launch_to_map "$program") && program_ms+=("$ms") || ((lost++))
    fi
done
p=$(printf '%s\n' "${program_ms[@]}" | median)
b=$(printf '%s\n' "${bare_ms[@]}" | median)
echo "launch to first window, median of $runs runs: program ${p} ms, bare Qt window ${b} ms, ratio $(awk -v p="$p" -v b="$b" 'BEGIN { printf "%.2f", p / b }')"
echo "program runs: ${program_ms[*]}"
echo "bare runs:    ${bare_ms[*]}"
echo "launches that could not connect to the display: $lost"
