#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Tilt window in the real program: opened from the context menu for the
# factory 24 mm at f/3.5, tilted 0.7°, then laid on the ground from 1.6 m,
# its figures read back over AT-SPI; then every way out with it open and
# active. With "a11y" the whole runs with the accessibility bridge on; the
# figures are read over AT-SPI only then.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
passed=0

# Within 5 s, the figures as AT-SPI gives them hold each line that follows:
# the bus may still be starting at the first read, and a change takes its
# time to reach it.
expect_lines() {
    [ -n "${KADREL_A11Y_SESSION:-}" ] || return 0
    local text= missing=
    for _ in $(seq 10); do
        text=$("$(dirname "$0")/a11y_tree.py" get Tilt 2>&1 | sed -n 's/^text=//p' | sed 's/\\n/\n/g') || true
        missing=
        for line in "$@"; do
            grep -qxF "$line" <<<"$text" || missing=$line
        done
        [ -z "$missing" ] && return 0
        sleep 0.5
    done
    fail "over AT-SPI, no line \"$missing\" in: $text"
}

start_program kadrel
xdotool mousemove --window "$WINDOW" 150 300 click 3   # the graph's context menu
sleep 0.5
xdotool key Up Up Up Up Up Up Up Up Up Up Return       # "Tilted lens…", 10th from the end
TILT=$(wait_window 'kadrel tilt' 100)
[ -n "$TILT" ] || fail "no tilt window"
xdotool windowfocus --sync "$TILT"
sleep 0.3
xdotool mousemove --window "$TILT" 50 40 click 1       # the tilt
xdotool key ctrl+a
xdotool type --delay 20 0.7
xdotool key Return
sleep 0.3
# J = 24 mm / sin 0.7° = 1.9645 m; H′ = 25.629 m; 10 m out, the cursor's
# distance, the zone spans J(1 ± 10/H′) below the axis: 2.731 to 1.198 m.
expect_lines "Tilt 0.70°, focal length 24.00 mm, f/3.50, CoC 0.0064 mm = 1 px" \
    "Hinge line      1.96 m below the lens" \
    "Near plane      85.62° from the sensor plane, crossing the axis at 25.63 m" \
    "Sharp zone      2.73 m below to 1.20 m below the axis (1.53 m)"
xdotool mousemove --window "$TILT" 100 225 click 1     # Lay focus on the ground
sleep 0.3
# asin(24 mm / 1.6 m) = 0.8595°.
expect_lines "Tilt 0.86°, focal length 24.00 mm, f/3.50, CoC 0.0064 mm = 1 px" \
    "Hinge line      1.60 m below the lens" "Focus there     1.60 m below the axis"
echo "tilt window: typed tilt and the ground from 1.6 m${KADREL_A11Y_SESSION:+, read over AT-SPI}"
passed=$((passed + 1))

focus_panel && xdotool key alt+o                       # OK ends the first run
wait_program
[ "$STATUS" -eq 0 ] || fail "OK after the tilt window: exit status $STATUS"
side_window_ways_out 'kadrel tilt' ctrl+g
echo "tilt window${2:+ ($2)}: $passed passed, 0 failed"
