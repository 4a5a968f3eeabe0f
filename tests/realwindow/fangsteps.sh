# The number game's steps for the real-window tests: finding the buttons on screenshots,
# pressing them and leaving the level-finished dialog. Source it
# after xsession.sh, with the probe's path in probe.

Blue=0000ff
Green=00ff00
# Scattered buttons end above 7161 twips; the finished row starts at 7170.
Scattered=470

# Prints "index x y" for every scattered button of the face colour.
scattered() {
    shot "$1" && "$probe" buttons "$session_dir/shot.png" "$2" "$Scattered"
}

# Clicks button k where it stands now. A moving button may slip away from the click, so it is
# looked for again; once it has stayed away from the scattered buttons for a while after a
# click it has gone into the row (a moving button may also hide behind another for a moment).
press() {
    local win=$1 face=$2 k=$3 all at clicked=0 away=0
    for _ in $(seq 400); do
        all=$(scattered "$win" "$face") || return 0 # the level has closed
        at=$(awk -v k="$k" '$1 == k { print $2, $3 }' <<<"$all")
        if [[ -z "$at" ]]; then
            ((clicked && ++away >= 8)) && return 0
            sleep 0.1
            continue
        fi
        away=0
        xdotool mousemove --window "$win" $at click 1
        clicked=1
        sleep 0.05
    done
    fail "button $k could not be pressed; buttons seen last: $(tr '\n' ';' <<<"$all")"
}

wrong_press() {
    local win=$1 face=$2 k=$3 at
    at=$(scattered "$win" "$face" | awk -v k="$k" '$1 == k { print $2, $3 }')
    [[ -n "$at" ]] || fail "button $k not found"
    xdotool mousemove --window "$win" $at click 1
}

# Checks that all ten buttons are there; moving ones may overlap for a moment, so it looks
# again for a while.
check_board() {
    local lines
    for _ in $(seq 100); do
        lines=$(scattered "$1" "$2")
        [[ $(wc -l <<<"$lines") -eq 10 ]] && break
        sleep 0.1
    done
    [[ $(wc -l <<<"$lines") -eq 10 ]] || fail "expected ten buttons, found: $lines"
    [[ $(awk '{ print $1 }' <<<"$lines" | sort -n | tr '\n' ' ') == "1 2 3 4 5 6 7 8 9 10 " ]] \
        || fail "buttons are not 1 to 10: $lines"
}

check_columns() {
    # Reads the buttons' spans from the probe's middles and the known sides (97 - 8 (i - 1) px).
    scattered "$1" "$2" | awk '
        { side = 97 - 8 * ($1 - 1); left[NR] = $2 - side / 2; right[NR] = $2 + side / 2 }
        END {
            for (a = 1; a <= NR; a++) for (b = a + 1; b <= NR; b++)
                if (left[a] < right[b] - 1 && left[b] < right[a] - 1) { print "overlap"; exit 1 }
        }' >/dev/null || fail "two buttons share a column"
}

# Waits for "Glückwunsch" and leaves it by a key: Return for "Weiter", Escape for "Ende".
leave_winner() {
    local winner
    winner=$(wait_window "Glückwunsch") || exit 1
    focus "$winner"
    xdotool key "$1"
}

# Opens level 1 by the hub's left tile, which lies at 840, 2400 and is 4860 x 4800 twips;
# leaves the level's window id in level.
open_level1() {
    focus "$hub"
    click_twips "$hub" 3270 4800
    level=$(wait_window "Übung1") || exit 1
    sleep 0.3
}

# Level 1: ten blue buttons in columns of their own, pressed 1 to 10 with two wrong presses,
# 3 before 1 and 9 before 6.
play_level1_with_two_mistakes() {
    open_level1
    check_board "$level" "$Blue"
    check_columns "$level" "$Blue"
    wrong_press "$level" "$Blue" 3
    for k in 1 2 3 4 5; do press "$level" "$Blue" "$k"; done
    wrong_press "$level" "$Blue" 9
    for k in 6 7 8 9 10; do press "$level" "$Blue" "$k"; done
}
