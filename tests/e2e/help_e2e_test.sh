#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# HELP in a real window: wherever the panel sits on a 1600 x 1200 screen, at
# the scale factors 1 and 2 (where the panel all but fills the screen), the
# message covers nothing of the diagram it explains and lies on the screen.
# With the message open and active, its OK and its close box leave the panel
# running, and each quit signal ends kadrel with the settings saved. With
# "a11y" the same runs with the accessibility bridge on, and the message's
# text is read back over AT-SPI.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
XVFB_SCREEN=1600x1200x24
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
passed=0

px() { awk -v v="$1" -v s="$SCALE" 'BEGIN { printf "%d", v * s }'; }

# The shown window called "kadrel", if any (a search that meets a window
# being destroyed fails with BadWindow: the callers ask again).
shown_popup() {
    xdotool search --onlyvisible --name '^kadrel$' 2>/dev/null | head -1 || true
}

# Opens HELP and sets POPUP and its X, Y, WIDTH, HEIGHT.
open_help() {
    focus_panel
    click_at "$(px 543)" "$(px 537)"
    POPUP=
    for _ in $(seq 50); do
        POPUP=$(shown_popup)
        [ -n "$POPUP" ] && break
        sleep 0.1
    done
    [ -n "$POPUP" ] || fail "HELP showed no message"
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$POPUP" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}

# Waits until no message is shown.
wait_closed() {
    for _ in $(seq 50); do
        [ -z "$(shown_popup)" ] && break
        sleep 0.1
    done
    [ -z "$(shown_popup)" ] || fail "the message stays after $1"
    sleep 0.3
}

# The message against the diagram (60, 60, 501 x 345 in the panel) and the screen.
check_place() {  # check_place PANEL-X PANEL-Y
    local row="scale $SCALE, panel at $1,$2: message at $X,$Y, $WIDTH x $HEIGHT"
    awk -v x="$X" -v y="$Y" -v w="$WIDTH" -v h="$HEIGHT" -v px="$1" -v py="$2" -v s="$SCALE" 'BEGIN {
        dx = px + 60 * s; dy = py + 60 * s; dw = 501 * s; dh = 345 * s
        apart = x + w <= dx || dx + dw <= x || y + h <= dy || dy + dh <= y
        on_screen = x >= 0 && y >= 0 && x + w <= 1600 && y + h <= 1200
        exit !(apart && on_screen) }' || fail "$row: over the diagram or off the screen"
    passed=$((passed + 1))
    echo "$row: clear of the diagram"
}

expect_saved() {  # expect_saved ROW
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$1: exit status $STATUS"
    grep -qx "FOCAL = 85.0" "$WORK/app/kadrel.ini" 2>/dev/null || fail "$1: FOCAL 85.0 not saved"
    passed=$((passed + 1))
    echo "$1: exit status 0, FOCAL = 85.0 saved"
}

# Panel positions, in screen pixels: the corners, the middle and the edges'
# middles of the room the panel has (928 x 642 at scale 1, 256 x 84 at 2).
for SCALE in 1 2; do
    export QT_SCALE_FACTOR=$SCALE
    rm -f "$WORK/app/kadrel.ini"
    start_program kadrel
    type_into "$(px 610)" "$(px 376)" 85        # Focal length (mm)
    room_x=$((1600 - $(px 672)))
    room_y=$((1200 - $(px 558)))
    for at in 0,0 $room_x,0 0,$room_y $room_x,$room_y $((room_x / 2)),$((room_y / 2)) \
              $((room_x / 2)),0 0,$((room_y / 2)) $room_x,$((room_y / 2)); do
        xdotool windowmove --sync "$WINDOW" "${at%,*}" "${at#*,}"
        sleep 0.3
        open_help
        check_place "${at%,*}" "${at#*,}"
        if [ -n "${KADREL_A11Y_SESSION:-}" ] && [ "$at" = 0,0 ]; then
            tree=$($TREE dump)
            grep -qF '1) set the sensor size of your digital camera' <<<"$tree" ||
                fail "the help text is not read over AT-SPI: $tree"
        fi
        xdotool windowfocus --sync "$POPUP" key Return   # the message's OK
        wait_closed OK
    done
    open_help
    "$BUILD_DIR/tests/x_close" "$POPUP"        # the message's close box
    wait_closed "its close box"
    kill -0 "$PROGRAM_PID" || fail "the close box ended kadrel"
    open_help
    kill -s TERM "$PROGRAM_PID"
    expect_saved "scale $SCALE, help open, TERM"
done

# HUP and INT with the message open.
export QT_SCALE_FACTOR=1 SCALE=1
for signal in HUP INT; do
    rm -f "$WORK/app/kadrel.ini"
    if [ "$signal" = INT ]; then
        start_program kadrel
    else
        start_program kadrel
    fi
    type_into 610 376 85
    open_help
    kill -s "$signal" "$PROGRAM_PID"
    expect_saved "help open, $signal"
done
echo "help beside its diagram${2:+ ($2)}: $passed passed, 0 failed"
