#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The details window in a real window, on the screen the test runs on
# (XVFB_SCREEN) at the scales 1, 1.5 and 2 where the panel fits: beside the
# panel on the side with room and wholly on the screen, from where the panel
# is now, and where the user put it once they have; a screenshot of each
# scale in $KADREL_SHOTS when set. Then the ways out with it open and active:
# Escape and its close box hide it, Ctrl+Q ends kadrel with status 0 and the
# settings saved. With "a11y" the same at scale 1, inside a D-Bus session with
# the accessibility bridge on, and the window's names and descriptions read
# back free of markup, and the side view walked with the keys.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
read -r SW SH < <(xdotool getdisplaygeometry)
checks=0

# geometry WINDOW: sets X Y WIDTH HEIGHT, in the screen's pixels.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
}

# Opens the details window from the panel; sets DETAILS, DX DY DW DH.
open_details() {
    focus_panel
    xdotool key ctrl+d
    DETAILS=$(wait_window 'kadrel details')
    [ -n "$DETAILS" ] || fail "$row: Ctrl+D opened no details window"
    sleep 0.3
    geometry "$DETAILS"
    DX=$X DY=$Y DW=$WIDTH DH=$HEIGHT
}

# Beside the panel on a side with room (the right first), else anywhere;
# always wholly on the screen.
expect_beside_panel() {
    geometry "$WINDOW"
    local gap right left
    gap=$(awk "BEGIN { print int(16 * $scale) }")
    right=$((SW - (X + WIDTH) - gap))
    left=$((X - gap))
    [ "$DX" -ge 0 ] && [ "$DY" -ge 0 ] && [ $((DX + DW)) -le "$SW" ] && [ $((DY + DH)) -le "$SH" ] ||
        fail "$row: details at $DX,$DY ${DW}x$DH leave the ${SW}x$SH screen"
    if [ "$DW" -le "$right" ]; then
        [ "$DX" -ge $((X + WIDTH)) ] || fail "$row: room on the right, details at $DX over the panel ending at $((X + WIDTH))"
    elif [ "$DW" -le "$left" ]; then
        [ $((DX + DW)) -le "$X" ] || fail "$row: room on the left, details end at $((DX + DW)) over the panel at $X"
    fi
    checks=$((checks + 1))
}

# focused_is NAME: the object with the keyboard is NAME, within a few seconds.
focused_is() {
    local seen=
    for _ in $(seq 30); do
        seen=$($TREE focused)
        [ "$seen" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$row: focused $seen, not $1"
}

# The side view (factory camera, subject at 10 m) is reached with Tab, says
# what it shows, and Left and Right walk its marks, each named as reached.
walk_side_view() {
    xdotool windowfocus --sync "$DETAILS"
    for _ in $(seq 8); do
        [ "$($TREE focused)" = "Side view" ] && break
        xdotool key Tab
        sleep 0.2
    done
    focused_is "Side view"
    # Read whole first: grep -q stops early, and the reader's broken pipe would fail the pipeline.
    grep -qF 'description=Side view, from the lens on the left to ∞ on the right\nHyperfocal distance 25.65 m, half of it 12.83 m\nLive: focused at 10.00 m, Near limit 7.20 m, Far limit 16.37 m' \
        <<<"$($TREE get "Side view")" ||
        fail "$row: the side view's description: $($TREE get "Side view")"
    local step
    for step in "Right|Camera: distances from the lens" "Right|Near limit 7.20 m" \
        "Right|Subject at 10.00 m" "End|Hyperfocal distance 25.65 m" \
        "Left|Far limit 16.37 m" "Left|Half the hyperfocal distance 12.83 m"; do
        xdotool key "${step%%|*}"
        focused_is "Side view: ${step#*|}"
    done
    checks=$((checks + 1))
}

scales="1 1.5 2"
[ "${2:-}" = a11y ] && scales=1
for scale in $scales; do
    export QT_SCALE_FACTOR=$scale
    rm -f "$WORK/app/kadrel.ini"
    start_program kadrel
    geometry "$WINDOW"
    if [ $((X + WIDTH)) -gt "$SW" ] || [ $((Y + HEIGHT)) -gt "$SH" ]; then
        echo "scale $scale: the ${WIDTH}x$HEIGHT panel does not fit the ${SW}x$SH screen; skipped"
        kill "$PROGRAM_PID"
        wait_program
        continue
    fi
    PY=$Y
    row="${SW}x$SH at scale $scale, as started"
    open_details
    expect_beside_panel
    [ "$DY" -eq "$PY" ] || fail "$row: details top $DY, the panel's $PY"
    [ -n "${KADREL_SHOTS:-}" ] && "$BUILD_DIR/tests/x_shot" "$KADREL_SHOTS/details-${SW}x$SH-$scale.png"
    if [ "${2:-}" = a11y ]; then
        marked=$($TREE markup)
        [ -z "$marked" ] || fail "markup a screen reader would speak: $marked"
        checks=$((checks + 1))
        walk_side_view
    fi

    # Escape, with the details window active, hides it; kadrel goes on.
    xdotool windowfocus --sync "$DETAILS" key Escape
    wait_gone 'kadrel details' 30 || fail "$row: Escape left the details window open"
    kill -0 "$PROGRAM_PID" || fail "$row: Escape ended kadrel"

    # The panel moved to the screen's right edge: the details follow it.
    row="${SW}x$SH at scale $scale, the panel at the right"
    xdotool windowmove --sync "$WINDOW" $((SW - WIDTH)) 0
    sleep 0.3
    open_details
    expect_beside_panel

    # Put somewhere by the user, closed with its close box, opened again: there.
    row="${SW}x$SH at scale $scale, placed by the user"
    xdotool windowmove --sync "$DETAILS" 3 $((SH - DH - 3))
    sleep 0.3
    geometry "$DETAILS"
    put="$X,$Y"
    "$BUILD_DIR/tests/x_close" "$DETAILS"
    wait_gone 'kadrel details' 30 || fail "$row: the close box left the details window open"
    xdotool windowmove --sync "$WINDOW" 0 0
    sleep 0.3
    open_details
    [ "$DX,$DY" = "$put" ] || fail "$row: details at $DX,$DY, put at $put"
    checks=$((checks + 1))

    # A step up of X size, then Ctrl+Q in the active details window: saved, status 0.
    focus_panel
    xdotool key Up
    sleep 0.3
    xdotool windowfocus --sync "$DETAILS" key ctrl+q
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$row: exit status $STATUS after Ctrl+Q in the details window"
    grep -q '^XSIZE = 23.5[[:space:]]' "$WORK/app/kadrel.ini" 2>/dev/null ||
        fail "$row: settings not saved: $(cat "$WORK/app/kadrel.ini" 2>&1)"
    checks=$((checks + 1))
    echo "${SW}x$SH at scale $scale: beside the panel, kept where put, Escape, close box, Ctrl+Q"
done
echo "details window${2:+ ($2)}: $checks passed, 0 failed"
