# The certificate's steps for the real-window tests: reading the window's pixels, the password
# prompt, dragging, storing, printing into a PDF file, changing the password and ending the
# program. Source it after xsession.sh.

# The printer dialog's file lands in the home folder.
export HOME="$session_dir/home"
mkdir -p "$HOME"

# How many pixels of the image have this colour.
colour_pixels() {
    convert "$1" -fuzz 5% -fill white +opaque "$2" -fill black -opaque "$2" \
        -format "%[fx:round((1-mean)*w*h)]" info:
}

# How many pixels of the last screenshot, in the box WxH+X+Y, are dark like the texts.
dark_pixels() {
    convert "$session_dir/shot.png" -crop "$1" +repage -colorspace Gray -threshold 30% -negate \
        -format "%[fx:round(mean*w*h)]" info:
}

# Runs the check until it holds, for up to five seconds.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Whether the certificate shows a text at the top-left corner, or under the pointer at 500, 300.
text_in_corner() { shot "$urkunde" && (($(dark_pixels 34x15+0+0) > 20)); }
corner_empty() { shot "$urkunde" && (($(dark_pixels 34x15+0+0) == 0)); }
text_at_pointer() { shot "$urkunde" && (($(dark_pixels 60x24+470+288) > 20)); }
heading_shown() { shot "$urkunde" && (($(colour_pixels "$session_dir/shot.png" "#FF6666") > 2000)); }

# Clicks a point given in twips of the window's client area. Unlike click_twips it does not
# wait for the pointer to move, as a second click on the same button would wait for ever.
press_twips() {
    local win=$1 x=$2 y=$3
    xdotool mousemove --window "$win" $((x / 15)) $((y / 15))
    sleep 0.1
    xdotool click 1
}

# Ends the program the regular way: "Beenden" on the certificate, "Ende" on the hub, Esc on the
# name screen and Enter on the thank-you box.
end_program() {
    press_twips "$urkunde" 10387 7507
    wait_gone "Zeigerdiplom Urkunde"
    focus "$hub"
    click_twips "$hub" 6000 8040
    wait_gone "S P I E L     A U S W A H L"
    local start box
    start=$(wait_window "Willkommen zum Zeigerdiplom!") || exit 1
    focus "$start"
    xdotool key Escape
    box=$(wait_window "Zeigerdiplom") || exit 1
    focus "$box"
    xdotool key Return
    wait_exit
    [[ "$exit_status" == "0" ]] || fail "exit status $exit_status"
}

open_certificate() {
    focus "$hub"
    # "Urkunde" lies at 6000, 1080 and is 2655 x 735 twips.
    click_twips "$hub" 7327 1447
    urkunde=$(wait_window "Zeigerdiplom Urkunde") || exit 1
    [[ $(client_size "$urkunde") == "794x575" ]] || fail "certificate client area is $(client_size "$urkunde")"
    focus "$urkunde"
}

# Types into the password prompt that "Editieren" opens and confirms with Enter; with
# "refused", the message "Passwort ist falsch!" is expected and confirmed first.
prompt_with() {
    press_twips "$urkunde" 1387 7507
    local prompt
    prompt=$(wait_window "Passworteingabe:") || exit 1
    focus "$prompt"
    xdotool type --delay 30 "$1"
    xdotool key Return
    [[ "${2:-}" == "refused" ]] && confirm_box "Zeigerdiplom"
    wait_gone "Passworteingabe:"
    focus "$urkunde"
}

# Dismisses the message box with this title.
confirm_box() {
    local box
    box=$(wait_window "$1") || exit 1
    focus "$box"
    xdotool key Return
    wait_gone "$1"
}

conf="$XDG_CONFIG_HOME/Zeigerdiplom/Zeigerdiplom.conf"

# Drags the selected text from an empty spot of the background at 400, 200 to 500, 300: its
# centre lands under the pointer and the top-left corner is empty.
drag_name_to_pointer() {
    xdotool mousemove --window "$urkunde" 400 200 mousedown 1
    xdotool mousemove --window "$urkunde" 450 250
    xdotool mousemove --window "$urkunde" 500 300
    xdotool mouseup 1
    eventually text_at_pointer || fail "the name is not under the pointer"
    corner_empty || fail "the name did not leave the corner"
}

# "Speichern", waiting until the stored layout passes the check given.
store_layout() {
    press_twips "$urkunde" 8227 7507
    eventually "$@" || fail "the layout was not stored as expected: $(cat "$conf" 2>/dev/null)"
}
name_stored_inside() { grep -q '^Urkunde0Y=[0-9]' "$conf" 2>/dev/null; }

# "Drucken": Qt's printer dialog in German, printing into a PDF file in the home folder; the
# page shows the picture and none of the buttons.
print_to_pdf() {
    press_twips "$urkunde" 5827 7507
    local printer pdf=""
    printer=$(wait_window "Drucken") || exit 1
    focus "$printer"
    sleep 0.5
    xdotool key Return
    wait_gone "Drucken"
    for _ in $(seq 50); do
        pdf=$(find "$HOME" "$PWD" -maxdepth 1 -name '*.pdf' -newer "$conf" 2>/dev/null | head -n1)
        [[ -n "$pdf" ]] && break
        sleep 0.1
    done
    [[ -n "$pdf" ]] || fail "no PDF was printed"
    pdfinfo "$pdf" | grep -Eq '^Pages: +1$' || fail "the PDF has not one page: $(pdfinfo "$pdf")"
    pdftoppm -r 96 -png -singlefile "$pdf" "$session_dir/page"
    (($(colour_pixels "$session_dir/page.png" "#FF6666") > 2000)) || fail "the print does not show the picture"
    for face in "#0000FF" "#00FFFF" "#FF0000"; do
        (($(colour_pixels "$session_dir/page.png" "$face") == 0)) || fail "the print shows the button of colour $face"
    done
    rm -f "$pdf"
}

# Outside edit mode: the master password is refused by the prompt itself, and opens the change
# dialog by "Ändern", which stores the new password given.
change_password() {
    prompt_with "Klassenlehrer" refused
    press_twips "$urkunde" 1387 7507
    local prompt change
    prompt=$(wait_window "Passworteingabe:") || exit 1
    focus "$prompt"
    click_twips "$prompt" 1987 1507
    change=$(wait_window "Ändern des Passwortes") || exit 1
    focus "$change"
    xdotool type --delay 30 "Klassenlehrer"
    xdotool key Tab
    xdotool type --delay 30 "$1"
    xdotool key Return
    wait_gone "Ändern des Passwortes"
    eventually grep -q "^Passwort=$1\$" "$conf" || fail "the new password was not stored"
    focus "$urkunde"
}
