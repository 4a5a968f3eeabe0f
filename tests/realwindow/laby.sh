#!/usr/bin/env bash
# The labyrinth in the real program under Xvfb, driven by real pointer moves and clicks: the
# hub's tile shows the maze; a run into a wall shows the sad face; moving with a held button
# warns, and warns again while the button stays held; a run along the corridors to the goal
# shows the smiling face, and the goal click brings the hub back with the score.
set -uo pipefail
source "$(dirname "$0")/xsession.sh"
program=$1
probe=$2

source "$(dirname "$0")/labysteps.sh"

start_x
start_program "$program"
reach_hub "Lea"

# The right tile is drawn from the real labyrinth: corridor 1 white, divider 1 black.
wait_pixel "$hub" 467 331 FFFFFF "corridor 1 in the tile"
expect_pixel 495 331 000000 "divider 1 in the tile"

open_laby
run_into_wall

# A held button over the corridors warns, and warns again while it stays held.
walk "$laby" 2400,1000 1807,1000 1807,3000
xdotool mousedown 1
walk "$laby" 1807,3000 1807,3200
box=$(wait_window "Zeigerdiplom") || exit 1
focus "$box"
xdotool key Return
wait_gone "Zeigerdiplom"
walk "$laby" 1807,3200 1807,3400
box=$(wait_window "Zeigerdiplom") || exit 1
focus "$box"
xdotool key Return
wait_gone "Zeigerdiplom"
xdotool mouseup 1

run_to_goal 1807,3400
expect_hub_numbers "50 2 1"
echo "1 passed, 0 failed"
