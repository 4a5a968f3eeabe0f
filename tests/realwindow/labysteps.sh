# The labyrinth's steps for the real-window tests: pixels of screenshots, pointer walks along
# the corridors, a run into a wall and a run to the goal. Source it after xsession.sh.

# The colour of one pixel of the last screenshot, as RRGGBB.
pixel() {
    convert "$session_dir/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n1 \
        | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' | tr 'a-f' 'A-F'
}

# Waits up to five seconds for a pixel of the window to take a colour; leaves the screenshot.
wait_pixel() {
    local win=$1 x=$2 y=$3 colour=$4
    for _ in $(seq 50); do
        shot "$win" && [[ $(pixel "$x" "$y") == "$colour" ]] && return 0
        sleep 0.1
    done
    fail "$5: pixel $x,$y is $(pixel "$x" "$y"), expected $colour"
}

expect_pixel() {
    local got
    got=$(pixel "$1" "$2")
    [[ "$got" == "$3" ]] || fail "$4: pixel $1,$2 is $got, expected $3"
}

# Moves the pointer along points given in twips of the client area, in steps of 5 pixels, so
# that it is reported several times inside every corridor it passes.
walk() {
    local win=$1
    shift
    local moves
    moves=$(awk -v win="$win" '
        BEGIN {
            for (i = 1; i < ARGC; i++) { split(ARGV[i], p, ","); x[i] = p[1] / 15; y[i] = p[2] / 15 }
            for (i = 2; i < ARGC; i++) {
                dx = x[i] - x[i-1]; dy = y[i] - y[i-1]
                n = int((dx * dx > dy * dy ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy)) / 5) + 1
                for (k = 1; k <= n; k++)
                    printf "mousemove --window %s %d %d ", win, x[i-1] + dx * k / n, y[i-1] + dy * k / n
            }
        }' "$@")
    # shellcheck disable=SC2086
    xdotool $moves
}

# The faces' top-left corner lies at 4560, 2760 twips: pixel 304, 184.
Yellow=FFFF00
Black=000000

# Opens the labyrinth by the hub's right tile, which lies at 6240, 2400 and is 4905 x 4785
# twips; leaves the window id in laby.
open_laby() {
    focus "$hub"
    click_twips "$hub" 8692 4792
    laby=$(wait_window "Das Labyrinth") || exit 1
    [[ $(client_size "$laby") == "794x575" ]] || fail "labyrinth client area is $(client_size "$laby")"
    sleep 0.3
}

# Start, into corridor 1 and right on into divider 1: the sad face, 232 twips (15 pixels) wide,
# so it still covers its 13th column. The pointer stays at 2400, 1000.
run_into_wall() {
    click_twips "$laby" 700 1000
    walk "$laby" 700,1000 1807,1000 2400,1000
    wait_pixel "$laby" 311 191 "$Yellow" "sad face"
    expect_pixel 316 191 "$Yellow" "sad face's width"
}

# From the pointer's place (twips, given) back along corridor 1 to the start, then along the
# corridors to the goal: the smiling face, 182 twips (12 pixels) wide, so the 13th column is the
# wall again. A click on the goal closes the labyrinth.
run_to_goal() {
    # (click_twips waits for the pointer to move, so the walk stops short of the click.)
    walk "$laby" "$1" 1807,1000 760,1000
    click_twips "$laby" 700 1000
    wait_pixel "$laby" 311 191 "$Black" "sad face hidden by the start"
    walk "$laby" 700,1000 1807,1000 1807,5047 3967,5047 3967,3607 6127,3607 6127,847 8287,847 \
        8287,3487 10447,3487 10447,4447 11100,4447
    wait_pixel "$laby" 310 190 "$Yellow" "smiling face"
    expect_pixel 316 191 "$Black" "smiling face's width"
    click_twips "$laby" 11300 4480
    wait_gone "Das Labyrinth"
}
