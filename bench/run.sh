#!/usr/bin/env bash
# The benchmark table. The program and a bare Qt window of the same size run under one private
# X server; every figure is taken over several runs, and one table shows each figure's median
# and range (min-max over the runs, or over all samples where a run times many), the bare
# window's median where there is one, and the goal.
#
#   bench/run.sh BUILD_DIR [RUNS]      (RUNS at least 5, 5 by default)
set -uo pipefail
bench_dir=$(cd "$(dirname "$0")" && pwd)
source "$bench_dir/../tests/realwindow/xsession.sh"
build=$(cd "$1" && pwd)
runs=${2:-5}
((runs >= 5)) || fail "at least 5 runs"
program=$build/zeigerdiplom
bare=$build/zeigerdiplom-barewindow
fang=$build/zeigerdiplom-bench
# Every figure of every run, a "key value" line each.
results=$session_dir/results
: >"$results"

# Busy loops that keep both cores loaded; they end with the script whatever happens.
load_pids=()
stop_load() {
    for pid in "${load_pids[@]}"; do kill "$pid" 2>/dev/null; done
    load_pids=()
}
trap 'stop_load; cleanup' EXIT

# Runs a benchmark binary and keeps its "key value" lines under the prefix.
record() {
    local prefix=$1
    shift
    "$@" >"$session_dir/record.out" 2>"$session_dir/record.err" \
        || fail "$* ended with status $?: $(tail -n3 "$session_dir/record.err")"
    sed "s/^/$prefix./" "$session_dir/record.out" >>"$results"
}

# Milliseconds from the launch of the command to the server's mapping of its first window. Where
# other X servers come and go on the same machine, a launch now and then cannot connect to the
# display at all; such a launch fails here, and the caller leaves it out and counts it.
launch_to_map() {
    "$build/zeigerdiplom-launchtomap" "$@" 2>"$session_dir/launched.log" \
        || { echo "$1: $(head -n1 "$session_dir/launched.log")" >&2; return 1; }
}

window_shown() { xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1; }
tour_done() { grep -qx visited "$session_dir/launched.log"; }

# Peak resident memory (VmHWM) in MiB of the command once READY says it has shown what it
# shows and the figure has stayed the same for a quarter of a second.
peak_memory() {
    local ready=$1 pid now last=-1 same=0
    shift
    "$@" >"$session_dir/launched.log" 2>&1 &
    pid=$!
    until $ready "$pid"; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended early: $(tail -n1 "$session_dir/launched.log")" >&2; return 1; }
        sleep 0.05
    done
    while ((same < 5)); do
        now=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
        [[ "$now" == "$last" ]] && ((++same)) || same=0
        last=$now
        sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    awk -v kib="$now" 'BEGIN { printf "%.1f\n", kib / 1024 }'
}

startup_program() { launch_to_map "$program"; }
startup_bare() { launch_to_map "$bare"; }
memory_program() { peak_memory tour_done "$build/zeigerdiplom-bench-tour"; }
memory_bare() { peak_memory window_shown "$bare"; }

# Measures NAME_program and NAME_bare by turns until each has RUNS figures, kept under the keys
# NAME.program and NAME.bare. A launch that could not reach the display is left out and
# counted; too many end the bench.
alternate() {
    local name=$1 side value lost=0
    declare -A count=([program]=0 [bare]=0)
    while ((count[program] < runs || count[bare] < runs)); do
        ((lost > runs)) && fail "too many launches could not connect to the display"
        for side in bare program; do
            ((count[$side] < runs)) || continue
            if value=$("${name}_$side"); then
                echo "$name.$side $value" >>"$results"
                ((count[$side]++))
            else
                ((lost++))
            fi
        done
    done
}

# Runs a level-5 measurement RUNS times under the prefix while both cores are busy.
under_load() {
    local prefix=$1
    shift
    for _ in 1 2; do
        sh -c 'while :; do :; done' &
        load_pids+=($!)
    done
    for _ in $(seq "$runs"); do record "$prefix" "$@"; done
    stop_load
}

start_x
echo "Benchmarks under Xvfb on $DISPLAY, $runs runs each; this takes a few minutes." >&2

# One launch of each first, not counted: it fills the disk cache for both.
launch_to_map "$bare" >/dev/null
launch_to_map "$program" >/dev/null
alternate startup
alternate memory
for _ in $(seq "$runs"); do
    record idle "$fang" run 5
    record cpu "$fang" run 10 "$xvfb_pid"
    record fang "$fang" tick 1000
    record fang "$fang" setups 2000
    record laby "$build/zeigerdiplom-bench-laby"
    record cert "$build/zeigerdiplom-bench-urkunde"
done
under_load loaded "$fang" run 5

# Prints "n median min max" of the values under the key.
summary() {
    awk -v key="$1" '$1 == key { print $2 }' "$results" | sort -g | awk '
        { v[NR] = $1 }
        END { if (NR) print NR, (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[1], v[NR] }'
}

# Three significant figures at most, no exponent.
fmt() {
    awk -v v="$1" 'BEGIN { if (v == "") print "-"; else if (v >= 100 || v <= -100) printf "%.0f\n", v; else if (v >= 10 || v <= -10) printf "%.1f\n", v; else printf "%.2f\n", v }'
}

row_format="%-46s %-4s %6s %8s %-17s %8s  %-16s %s\n"
# One row: what, unit, key, the bare window's key or -, and the goal: "ratio LIMIT" (program
# median over bare median at most LIMIT), "within LOW HIGH" (every run), "below LIMIT" (the
# median) or "-" where the figure has no goal.
row() {
    local what=$1 unit=$2 key=$3 bare_key=$4 goal=$5 n median min max bare_median="" goal_text=- verdict=""
    read -r n median min max <<<"$(summary "$key")"
    [[ -n "${n:-}" ]] || fail "no figures under $key"
    [[ "$bare_key" != - ]] && read -r _ bare_median _ _ <<<"$(summary "$bare_key")"
    read -r kind a b <<<"$goal"
    case $kind in
        ratio)
            local ratio
            ratio=$(awk -v p="$median" -v q="$bare_median" 'BEGIN { printf "%.2f", p / q }')
            goal_text="$ratio (<= $a)"
            verdict=$(awk -v r="$ratio" -v l="$a" 'BEGIN { print (r <= l) ? "pass" : "MISS" }')
            ;;
        within)
            goal_text="$a..$b"
            verdict=$(awk -v lo="$min" -v hi="$max" -v a="$a" -v b="$b" 'BEGIN { print (lo >= a && hi <= b) ? "pass" : "MISS" }')
            ;;
        below)
            goal_text="< $a"
            verdict=$(awk -v m="$median" -v l="$a" 'BEGIN { print (m < l) ? "pass" : "MISS" }')
            ;;
    esac
    # shellcheck disable=SC2059
    printf "$row_format" "$what" "$unit" "$n" "$(fmt "$median")" "$(fmt "$min")-$(fmt "$max")" \
        "$(fmt "$bare_median")" "$goal_text" "$verdict"
}

echo
# shellcheck disable=SC2059
printf "$row_format" "figure" "unit" "n" "median" "range" "bare" "ratio/goal" "result"
row "start-up: launch to first window mapped" ms startup.program startup.bare "ratio 1.5"
row "peak memory (VmHWM) after every screen" MiB memory.program memory.bare "ratio 1.5"
row "level 5: ticks in 5 s" - idle.ticks - "within 498 502"
row "level 5: ticks in 5 s, both cores busy" - loaded.ticks - "within 498 502"
row "level 5: one tick with its repaint" us fang.tick_us - -
row "level 5 for 10 s: CPU of the program" % cpu.cpu_program_pct - -
row "level 5 for 10 s: CPU of the X server" % cpu.cpu_xserver_pct - -
row "level 5 for 10 s: CPU of both together" % cpu.cpu_both_pct - "below 10"
row "board set-up" us fang.setup_us - -
row "labyrinth: pointer movement, no attempt" us laby.laby_move_us - -
row "labyrinth: pointer movement in an attempt" us laby.laby_move_attempt_us - -
row "labyrinth: wall contact, to handler return" us laby.laby_wall_us - -
row "labyrinth: wall contact with repaint" us laby.laby_wall_paint_us - -
row "certificate: load and first paint" ms cert.cert_load_ms - -
row "certificate: drag step with repaint" us cert.cert_drag_us - -
row "certificate: print into a PDF file" ms cert.cert_print_ms - -
echo "n: runs, or samples where a run times many. A ratio goal compares the medians, a range goal"
echo "holds for every run, a limit for the median."
