# shellcheck shell=bash
# Sourced by the checks that drive the program on an X display of their own: Xvfb without a window
# manager, and xdotool to find the program's windows by their titles.

# Starts Xvfb on a free display, exports DISPLAY and sets xvfb_pid; FOLDER keeps the display's number and
# the server's log.
start_xvfb() {
    local folder=$1
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
    # shellcheck disable=SC2034 # the caller stops it
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$folder/display" ] && break
        sleep 0.1
    done
    [ -s "$folder/display" ] || { cat "$folder/xvfb.log"; echo "Xvfb did not start"; return 1; }
    DISPLAY=:$(cat "$folder/display")
    export DISPLAY
}

# Makes a fresh working folder, sets work to it and starts Xvfb there (start_xvfb). However the check
# ends, even interrupted, it then cleans up after itself: stops the processes whose pids the variables
# PID_VARIABLE hold at that moment (set empty here; a check empties one again once it has waited for its
# process), then Xvfb, runs the command CLEAN_UP for what else the check leaves running, and removes the
# folder.
# Usage: set_up_display [--clean-up CLEAN_UP] [PID_VARIABLE...]
set_up_display() {
    display_clean_up=
    if [ "${1:-}" = --clean-up ]; then
        display_clean_up=$2
        shift 2
    fi
    display_pid_variables=("$@" xvfb_pid)
    local variable
    for variable in "${display_pid_variables[@]}"; do
        printf -v "$variable" ''
    done
    work=$(mktemp -d)
    trap finish_display EXIT
    trap 'exit 1' INT TERM
    start_xvfb "$work"
}

# The clean-up set_up_display promises, run when the check ends.
finish_display() {
    local variable pids=()
    for variable in "${display_pid_variables[@]}"; do
        if [ -n "${!variable}" ]; then
            pids+=("${!variable}")
        fi
    done
    stop_processes "${pids[@]}"
    if [ -n "$display_clean_up" ]; then
        "$display_clean_up"
    fi
    rm -rf "$work"
}

# The ids of the visible windows titled TITLE, one a line; nothing when there is none. xdotool walks the
# whole window tree, and a window destroyed meanwhile makes the X server answer BadWindow, upon which
# xdotool gives up with an X error: that lookup is no answer, and it is made again.
visible_windows() {
    local title=$1 out
    for _ in $(seq 50); do
        out=$(xdotool search --onlyvisible --name "^$title\$" 2>&1) || true
        if ! grep -q 'X Error' <<<"$out"; then
            grep -E '^[0-9]+$' <<<"$out" || true
            return 0
        fi
        sleep 0.05
    done
    echo "xdotool kept failing: $out" >&2
    return 1
}

# Prints the id of a visible window titled TITLE once there is one, waiting up to SECONDS (20); prints
# nothing when none came.
wait_window() {
    local title=$1 ids
    for _ in $(seq $((${2:-20} * 10))); do
        ids=$(visible_windows "$title") || true
        [ -n "$ids" ] && { head -n 1 <<<"$ids"; return 0; }
        sleep 0.1
    done
    return 0
}

# Waits up to SECONDS (20) until no visible window is titled TITLE; fails when one still is.
wait_gone() {
    local title=$1 ids
    for _ in $(seq $((${2:-20} * 10))); do
        ids=$(visible_windows "$title") && [ -z "$ids" ] && return 0
        sleep 0.1
    done
    echo "the window \"$title\" is still there"
    return 1
}

# Sends keys to the window ID; without a window manager it takes the focus itself.
keys() {
    local id=$1
    shift
    timeout 10 xdotool windowfocus --sync "$id" key --delay 50 "$@"
}

# Types TEXT into the window ID, which takes the focus.
type_into() {
    timeout 10 xdotool windowfocus --sync "$1" type --delay 50 "$2"
}

# Stops the processes of the PIDs given that still run, and waits for them.
stop_processes() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# From the main window MAIN, as a user would: Ctrl+D opens the LOTO6 card window, whose entry box has the
# focus; ENTRY is typed and registered with the button next in the tab order, and must then be all that
# FILE holds, with CR LF. Prints the card window's id; says what went wrong on stderr and fails.
register_loto6_entry() {
    local main=$1 file=$2 entry=$3 card
    keys "$main" ctrl+d
    card=$(wait_window "ＬＯＴＯ６カード印刷")
    [ -n "$card" ] || { echo "Ctrl+D did not open the LOTO6 card window" >&2; return 1; }
    type_into "$card" "$entry"
    keys "$card" Tab space
    for _ in $(seq 200); do
        [ -s "$file" ] && break
        sleep 0.1
    done
    printf '%s\r\n' "$entry" | cmp -s - "$file" || { echo "$file does not hold the entry as registered" >&2; return 1; }
    echo "$card"
}
