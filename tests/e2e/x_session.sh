# SPDX-License-Identifier: MIT
# Sourced by the end-to-end tests: a private X server, a program directory in
# a temporary folder, and helpers to find and drive the kadrel window.
set -euo pipefail

BUILD_DIR=$1
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
PROGRAM_PID=
XVFB_PID=

cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts
# clients. It never resets: helpers such as the accessibility bus come and go
# between the program's runs, and a reset would refuse the next start.
Xvfb -displayfd 3 -noreset -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -1 "$WORK/display")"

fail() {
    echo "FAIL: $*" >&2
    [ -s "$WORK/err.txt" ] && sed 's/^/program: /' "$WORK/err.txt" >&2
    exit 1
}

# Starts a program of the build in $WORK/app beside kadrel.uir, with the
# arguments that follow its name.
start_program() {
    mkdir -p "$WORK/app"
    cp "$BUILD_DIR/$1" "$BUILD_DIR/kadrel.uir" "$WORK/app/"
    launch "$WORK/app/$(basename "$1")" "${@:2}"
}

# Runs a command in the background and waits for its kadrel window. A
# script's background job starts with Ctrl+C ignored; a desktop's does not.
launch() {
    env --default-signal=INT "$@" >"$WORK/out.txt" 2>"$WORK/err.txt" &
    PROGRAM_PID=$!
    # A sanitizer build on a busy machine takes its time to start.
    for _ in $(seq 300); do
        WINDOW=$(xdotool search --name '^K A D R E L$' 2>/dev/null | head -1 || true)
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "no kadrel window"
    sleep 0.5
}

# Prints the id of the visible window titled exactly NAME once it shows, or
# nothing after TRIES tenths of a second (50 unless given).
wait_window() {
    local id=
    for _ in $(seq "${2:-50}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# Succeeds once no visible window is titled exactly NAME; fails after TRIES
# tenths of a second (50 unless given).
wait_gone() {
    for _ in $(seq "${2:-50}"); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Gives the panel the keyboard, as a window manager does when a pop-up closes.
focus_panel() {
    xdotool windowfocus --sync "$WINDOW"
}

# Dismisses the message pop-up with Return.
dismiss_popup() {
    local popup
    popup=$(xdotool search --sync --onlyvisible --name '^kadrel$' | head -1)
    xdotool windowfocus --sync "$popup" key Return
    # The panel takes no input, its close box included, until the pop-up is gone.
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^kadrel$' >/dev/null 2>&1 || break
        sleep 0.1
    done
    sleep 0.2
}

# Clicks at a point of the panel, in panel coordinates.
click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
    sleep 0.2
}

# Replaces a field's text as a user would, and confirms with Return.
type_into() {
    click_at "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 30 "$3"
    xdotool key Return
    sleep 0.3
}

# Waits up to 30 s for the program to end; sets STATUS.
wait_program() {
    for _ in $(seq 300); do
        kill -0 "$PROGRAM_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end"
    STATUS=0
    wait "$PROGRAM_PID" || STATUS=$?
    PROGRAM_PID=
}

# Each way out with a side window titled TITLE open and active, opened by the
# function OPEN, which sets SIDE to its window: the close box and Escape only
# close it (the program goes on to quit by OK, Alt+O, as the window may cover
# the button); Ctrl+Q and the signals end the program with status 0.
side_window_ways_out() {
    local title=$1 open=$2 way
    for way in close_box escape ctrl_q TERM HUP INT; do
        start_program kadrel
        $open
        case $way in
            close_box) "$BUILD_DIR/tests/x_close" "$SIDE" ;;
            escape) xdotool key Escape ;;
            ctrl_q) xdotool key ctrl+q ;;
            *) kill -s "$way" "$PROGRAM_PID" ;;
        esac
        sleep 0.5
        if [ "$way" = close_box ] || [ "$way" = escape ]; then
            xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 &&
                fail "$way left the window $title open"
            kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$way ended the program"
            focus_panel && xdotool key alt+o
        fi
        wait_program
        [ "$STATUS" -eq 0 ] || fail "$title open, then $way: exit status $STATUS"
        echo "$title open and active, then $way: exit status 0"
        passed=$((passed + 1))
    done
}
