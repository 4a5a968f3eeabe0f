#!/usr/bin/env bash
# The real program under Xvfb: past the splash screen by a key, a name, "Start", "Gelesen" by
# Enter, the hub, "Ende" back, Esc, Enter on the thank-you box, and the program ends with
# status 0 having written nothing. Under a window manager neither the hub nor the thank-you box
# can be minimised.
set -uo pipefail
source "$(dirname "$0")/xsession.sh"

start_x
start_program "$1"

reach_hub "Anna"
[[ $(client_size "$hub") == "794x575" ]] || fail "hub client area is $(client_size "$hub")"
check_no_minimise "$hub"
wait_gone "Willkommen zum Zeigerdiplom!"
# "Ende" lies at 5280, 7680 and is 1455 x 735 twips.
click_twips "$hub" 6000 8040
wait_gone "S P I E L     A U S W A H L"

start=$(wait_window "Willkommen zum Zeigerdiplom!") || exit 1
focus "$start"
xdotool key Escape
wait_gone "Willkommen zum Zeigerdiplom!"

box=$(wait_window "Zeigerdiplom") || exit 1
# Minimised for good, the box would leave the program waiting for it out of sight.
check_no_minimise "$box"
focus "$box"
xdotool key Return

wait_exit
[[ "$exit_status" == "0" ]] || fail "exit status $exit_status"
[[ -z "$(ls -A "$XDG_CONFIG_HOME")" ]] || fail "the settings store was written: $(ls -AR "$XDG_CONFIG_HOME")"
echo "1 passed, 0 failed"
