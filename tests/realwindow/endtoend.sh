#!/usr/bin/env bash
# The whole program as a child and a teacher meet it, in one run under Xvfb with real pointer
# and key events: the splash screen, a name, the instructions, level 1 with two wrong presses
# and the level-finished dialog, the labyrinth into a wall and on to the goal, the certificate
# with edit mode, a drag, "Speichern", a print into a PDF file and a password change, then the
# thank-you box and a clean exit. A second run finds the stored layout and password again.
set -uo pipefail
source "$(dirname "$0")/xsession.sh"
program=$1
probe=$2

source "$(dirname "$0")/fangsteps.sh"
source "$(dirname "$0")/labysteps.sh"
source "$(dirname "$0")/urkundesteps.sh"

start_x
start_program "$program"
reach_hub "Jonas"
expect_hub_numbers "0 0 0"

play_level1_with_two_mistakes
leave_winner Escape
expect_hub_numbers "10 1 2"

open_laby
run_into_wall
run_to_goal 2400,1000
expect_hub_numbers "60 3 3"

open_certificate
eventually heading_shown || fail "the certificate picture is not shown"
eventually text_in_corner || fail "no name at the top-left corner"
prompt_with "731904"
drag_name_to_pointer
store_layout name_stored_inside
print_to_pdf
press_twips "$urkunde" 1387 7507 # leave edit mode
change_password "Pause 10"
end_program

start_program "$program"
reach_hub "Jonas"
expect_hub_numbers "0 0 0"
open_certificate
eventually text_at_pointer || fail "after the restart the name is not where it was stored"
corner_empty || fail "after the restart the name is back in the corner"
prompt_with "Pause 10"
end_program
echo "1 passed, 0 failed"
