# Shared set-up of the real-window tests: a private X server, fresh configuration and runtime
# folders, the program started in it, and helpers to wait for its windows. Source it.

session_dir=$(mktemp -d)
export XDG_CONFIG_HOME="$session_dir/config" XDG_RUNTIME_DIR="$session_dir/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The desktop's link opener is a stand-in that only writes down what it was given, so a click
# on a link never starts a browser or a mail program.
mkdir -p "$session_dir/bin"
opened="$session_dir/opened"
cat >"$session_dir/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$opened"
OPENER
chmod +x "$session_dir/bin/xdg-open"
export PATH="$session_dir/bin:$PATH"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

xvfb_pid=""
wm_pid=""
program_pid=""

cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$session_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" ]] && command -v import >/dev/null; then
        import -window root "/tmp/realwindow-failure.png" 2>/dev/null && echo "screen saved to /tmp/realwindow-failure.png" >&2
    fi
    exit 1
}

start_x() {
    exec 3>"$session_dir/display"
    # -noreset: without it the server resets when its last client leaves, and a program started
    # again right after the first one ended may find no display to connect to.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$session_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$session_dir/display" ]] && break
        sleep 0.05
    done
    exec 3>&-
    [[ -s "$session_dir/display" ]] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$session_dir/display")"
    [[ -n "${ZD_WM:-}" ]] && start_wm "$ZD_WM"
    return 0
}

# With ZD_WM set (openbox, icewm), the X server gets that window manager, so that the windows
# have frames and the manager decides about focus, as on a school's desktop.
start_wm() {
    command -v "$1" >/dev/null || fail "window manager $1 is not installed"
    "$1" >"$session_dir/wm.log" 2>&1 &
    wm_pid=$!
    # It is ready once it names itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "window manager $1 did not start"
}

start_program() {
    "$@" >"$session_dir/program.log" 2>&1 &
    program_pid=$!
}

# Prints the id of the visible window with exactly this title, waiting up to 15 seconds.
wait_window() {
    local title=$1 id=""
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled '$title'"
}

wait_gone() {
    local title=$1
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window '$title' is still there"
}

client_size() {
    xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'
}

focus() {
    xdotool windowfocus --sync "$1"
}

# Clicks at a point given in twips of the window's client area.
click_twips() {
    local win=$1 x=$2 y=$3
    xdotool mousemove --sync --window "$win" $((x / 15)) $((y / 15)) click 1
}

# Waits for the program to end; its exit status is left in exit_status.
wait_exit() {
    for _ in $(seq 150); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            wait "$program_pid"
            exit_status=$?
            program_pid=""
            return 0
        fi
        sleep 0.1
    done
    fail "the program did not end"
}

# The splash screen has no title text; the program gives it a single blank.
SplashTitle=" "

# Waits for the splash screen that opens the program and leaves it with a key, as a child
# would; the name screen opens.
pass_splash() {
    local splash
    splash=$(wait_window "$SplashTitle") || exit 1
    [[ $(client_size "$splash") == "656x475" ]] || fail "splash screen client area is $(client_size "$splash")"
    focus "$splash"
    xdotool key space
    wait_gone "$SplashTitle"
}

# From the start of the program to the hub: past the splash screen, a name, Enter, and
# "Gelesen" by Enter. Leaves the hub's window id in hub.
reach_hub() {
    local start instructions
    pass_splash
    start=$(wait_window "Willkommen zum Zeigerdiplom!") || exit 1
    [[ $(client_size "$start") == "794x575" ]] || fail "name screen client area is $(client_size "$start")"
    focus "$start"
    xdotool type --delay 30 "$1"
    xdotool key Return
    instructions=$(wait_window "Spielanleitung") || exit 1
    focus "$instructions"
    xdotool key Return
    wait_gone "Spielanleitung"
    hub=$(wait_window "S P I E L     A U S W A H L") || exit 1
}

# Under a window manager: the window's frame offers closing and moving but no minimising, and a
# request to minimise it all the same leaves it on screen (the window manager refuses it, or the
# program shows the window again at once). Without a window manager there is no frame to check.
check_no_minimise() {
    [[ -n "${ZD_WM:-}" ]] || return 0
    local win=$1 actions
    actions=$(xprop -id "$win" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
    [[ "$actions" == *_NET_WM_ACTION_CLOSE* ]] || fail "the frame under $ZD_WM offers no close box: $actions"
    [[ "$actions" != *_NET_WM_ACTION_MINIMIZE* ]] || fail "the frame under $ZD_WM offers a minimise box: $actions"
    xdotool windowminimize "$win"
    for _ in $(seq 30); do
        sleep 0.1
        xwininfo -id "$win" 2>/dev/null | grep -q IsViewable || continue
        xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'window state: Normal' && return 0
    done
    fail "the window stayed minimised under $ZD_WM"
}

# A screenshot of the window, while it is still on screen (import waits for ever on a window
# that has just been closed).
shot() {
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 1
    timeout 5 import -window "$1" "$session_dir/shot.png" 2>/dev/null
}

# The hub's score board as "points attempts errors", read by the probe (its path in probe).
hub_numbers() {
    shot "$1" && "$probe" hub "$session_dir/shot.png"
}

# Waits for the hub and for its score board to show "points attempts errors".
expect_hub_numbers() {
    local numbers
    hub=$(wait_window "S P I E L     A U S W A H L") || exit 1
    for _ in $(seq 30); do
        numbers=$(hub_numbers "$hub") && [[ "$numbers" == "$1 " ]] && return 0
        sleep 0.1
    done
    fail "hub shows '$numbers', expected $1"
}
