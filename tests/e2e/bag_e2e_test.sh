#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The camera bag in the real program: a body from bag.ini put on the panel
# with "Use body" and saved by OK, the bag window's listing, then every way
# out with the bag window open and active. With "a11y" the whole runs with
# the accessibility bridge on, and the listing is read over AT-SPI.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
passed=0

mkdir -p "$WORK/app"
printf '%s\n' "[body]" "name = Sony A6000" "sensor = 23.5 x 15.6 mm" "resolution = 6000 x 4000" \
    "[lens]" "name = Sony E 18-55mm" "focal = 18-55 mm" "widest = 18 mm f/3.5, 24 mm f/4" \
    >"$WORK/app/bag.ini"

# The bag window once it shows; sets SIDE.
open_bag() {
    focus_panel
    xdotool key ctrl+b
    SIDE=$(wait_window 'kadrel camera bag' 100)
    [ -n "$SIDE" ] || fail "no camera bag window"
    xdotool windowfocus --sync "$SIDE"
    sleep 0.3
}

start_program kadrel
xdotool mousemove --window "$WINDOW" 150 300 click 3   # the graph's context menu
sleep 0.5
xdotool key Up Up Up Up Right Return                   # "Use body", its first body
sleep 0.5
open_bag
if [ -n "${KADREL_A11Y_SESSION:-}" ]; then
    listing=$("$(dirname "$0")/a11y_tree.py" dump | grep -F "Sony A6000" || true)
    [[ "$listing" == *"23.5 × 15.6 mm, 6000 × 4000 pixels"* ]] ||
        fail "over AT-SPI, the bag window lacks the body: $listing"
    echo "bag window over AT-SPI: the body and its sensor"
    passed=$((passed + 1))
fi
xdotool key Escape
focus_panel && xdotool key alt+o                       # OK saves the body's sensor
wait_program
[ "$STATUS" -eq 0 ] || fail "OK after Use body: exit status $STATUS"
grep -q '^XSIZE = 23.5[[:space:]]' "$WORK/app/kadrel.ini" && grep -q '^XRESOL = 6000[[:space:]]' "$WORK/app/kadrel.ini" ||
    fail "Use body did not reach the panel: $(cat "$WORK/app/kadrel.ini")"
echo "Use body: 23.5 mm and 6000 pixels on the panel, saved by OK"
passed=$((passed + 1))

side_window_ways_out 'kadrel camera bag' open_bag
echo "camera bag window${2:+ ($2)}: $passed passed, 0 failed"
