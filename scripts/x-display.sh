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
