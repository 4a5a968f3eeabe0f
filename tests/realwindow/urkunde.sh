#!/usr/bin/env bash
# The certificate in the real program under Xvfb: "Urkunde" on the hub shows the name and the
# points on the picture; "731904" opens edit mode; a drag moves the name; "Speichern" keeps the
# layout; printing through Qt's German printer dialog gives a PDF of one page without buttons;
# "Klassenlehrer" opens only the change dialog, which sets a new password. After a restart the
# name is where it was stored and only the new password opens edit mode.
set -uo pipefail
source "$(dirname "$0")/xsession.sh"
program=$1

source "$(dirname "$0")/urkundesteps.sh"

start_x
start_program "$program"
reach_hub "Anna"
open_certificate
eventually heading_shown || fail "the certificate picture is not shown"
eventually text_in_corner || fail "no name at the top-left corner"
(($(dark_pixels 20x20+0+78) > 5)) || fail "no points under the name"

# Edit mode, then drag the name from an empty spot of the background.
prompt_with "731904"
drag_name_to_pointer
# The window keeps the pointer beyond its edge: dragged 40 pixels past the left edge, the
# name's centre lies there, as "Speichern" shows.
eval "$(xdotool getwindowgeometry --shell "$urkunde")"
xdotool mousemove --window "$urkunde" 400 200 mousedown 1
xdotool mousemove --window "$urkunde" 200 250
xdotool mousemove $((X - 40)) $((Y + 250))
xdotool mouseup 1
past_edge() { grep -q '^Urkunde0Y=-' "$conf" 2>/dev/null; }
store_layout past_edge
# Back to 500, 300, and stored there.
drag_name_to_pointer
store_layout name_stored_inside

print_to_pdf

press_twips "$urkunde" 1387 7507 # leave edit mode
change_password "Tafel 7"
end_program

# A second run: the name where it was stored, and only the new password opens edit mode.
start_program "$program"
reach_hub "Anna"
open_certificate
eventually text_at_pointer || fail "after the restart the name is not where it was stored"
corner_empty || fail "after the restart the name is back in the corner"
prompt_with "731904" refused
prompt_with "Tafel 7"
# Only in edit mode does "Speichern" store: it writes the name's Top over this mark.
sed -i 's/^Urkunde0X=.*/Urkunde0X=7/' "$conf"
press_twips "$urkunde" 8227 7507
stored_again() { ! grep -q '^Urkunde0X=7$' "$conf"; }
eventually stored_again || fail "the new password did not open edit mode"
end_program
echo "1 passed, 0 failed"
