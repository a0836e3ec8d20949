#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The table window on a 1024 x 768 screen: it opens wholly on the screen, its
# Close button pressed where it shows hides it, so does its close box; made
# smaller by hand, its Close button follows its corner. SHOT=file.png keeps
# a picture of the screen with the window open.
export XVFB_SCREEN=${XVFB_SCREEN:-1024x768x24}
source "$(dirname "$0")/x_session.sh"

open_table() {
    focus_panel
    xdotool key ctrl+t
    TABLE=$(wait_window 'kadrel depth-of-field table')
    [ -n "$TABLE" ] || fail "Ctrl+T showed no table window"
    sleep 0.3
}

# Clicks the Close button, 72 px from the window's right edge and 35 from its
# bottom, 60 x 23, and expects the window hidden while the program runs on.
click_close() {
    local x y w h
    eval "$(xdotool getwindowgeometry --shell "$TABLE" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/&/p' |
        sed 's/^X=/x=/; s/^Y=/y=/; s/^WIDTH=/w=/; s/^HEIGHT=/h=/')"
    read -r screen_w screen_h < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] ||
        fail "$1: the window at ${x},${y} ${w}x${h} leaves the ${screen_w}x${screen_h} screen"
    xdotool mousemove --window "$TABLE" $((w - 42)) $((h - 23)) click 1
    wait_gone 'kadrel depth-of-field table' || fail "$1: Close did not hide the window"
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$1: the program ended"
    echo "$1: ${w}x${h} at ${x},${y} on the screen; Close hid it"
}

start_program kadrel
open_table
[ -n "${SHOT:-}" ] && "$BUILD_DIR/tests/x_shot" "$SHOT"
click_close "opened"
open_table
"$BUILD_DIR/tests/x_close" "$TABLE"
wait_gone 'kadrel depth-of-field table' || fail "the close box did not hide the window"
echo "close box: hidden, the program runs on"
open_table
xdotool windowsize --sync "$TABLE" 760 420
sleep 0.5
click_close "made smaller"
focus_panel
xdotool key ctrl+q
wait_program
[ "$STATUS" -eq 0 ] || fail "Ctrl+Q: exit status $STATUS"
echo "table window on a small screen: passed"
