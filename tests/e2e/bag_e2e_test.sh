#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The camera bag in the real program: the factory camera and lensfun's
# E 18-55mm added through the bag window, kept across a restart, then put
# back on the panel with "Use body" and "Use lens" (f/4 at 24 mm), read over
# AT-SPI in the a11y twin; a photo's body added from its summary; then every
# way out with the Lens details form, and with the bag window, open and active.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
passed=0

# The bag window once it shows; sets SIDE.
open_bag() {
    focus_panel
    xdotool key ctrl+b
    SIDE=$(wait_window 'kadrel camera bag' 100)
    [ -n "$SIDE" ] || fail "no camera bag window"
    xdotool windowfocus --sync "$SIDE"
    sleep 0.3
}

# Chooses the context menu's item COUNT from the end, then in its submenu
# the item DOWN places below the first.
choose_from_end() {
    focus_panel
    xdotool mousemove --window "$WINDOW" 150 300 click 3
    sleep 0.5
    for _ in $(seq "$1"); do xdotool key Up; done
    xdotool key Right
    for _ in $(seq "$2"); do xdotool key Down; done
    xdotool key Return
    sleep 0.5
}

mkdir -p "$WORK/app/libexec/kadrel"                      # lensfun is read by the helper
cp "$BUILD_DIR/libexec/kadrel/kadrel-photo" "$WORK/app/libexec/kadrel/"
start_program kadrel
open_bag
xdotool mousemove --window "$SIDE" 80 336 click 1      # Add this camera…
PROMPT=$(wait_window kadrel 100)
[ -n "$PROMPT" ] || fail "no name prompt"
xdotool windowfocus --sync "$PROMPT" key ctrl+a
xdotool type --delay 20 "Factory body"
xdotool key Return
sleep 0.5
xdotool mousemove --window "$SIDE" 234 336 click 1     # Add a lens…
CHOICE=$(wait_window 'Add a lens' 100)
[ -n "$CHOICE" ] || fail "no lens search"
xdotool windowfocus --sync "$CHOICE"
xdotool type --delay 20 "e 18-55mm oss"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$SIDE" key Escape
focus_panel && xdotool key alt+o
wait_program
[ "$STATUS" -eq 0 ] || fail "OK after adding to the bag: exit status $STATUS"
grep -qx 'name = Factory body' "$WORK/app/bag.ini" &&
    grep -q '^widest = 18 mm f/3.5, 24 mm f/4,' "$WORK/app/bag.ini" ||
    fail "the bag lacks the body or the lens: $(cat "$WORK/app/bag.ini")"
echo "bag window: a body and a lensfun lens added and saved"
passed=$((passed + 1))

launch "$WORK/app/kadrel"
type_into 610 107 36                                   # X size, away from the body's
type_into 610 496 2                                    # aperture f/2, wider than the lens
choose_from_end 4 0                                    # Use body, the first
choose_from_end 3 1                                    # Use lens, the first after "No lens"
if [ -n "${KADREL_A11Y_SESSION:-}" ]; then
    TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
    for field in "X size (mm)=22.50" "Focal length (mm)=24.00" "Aperture F=4.00"; do
        # grep -q stops reading early; under pipefail the reader's broken pipe would fail it
        grep -qx "text=${field#*=}" <<<"$($TREE get "${field%=*}")" ||
            fail "over AT-SPI, ${field%=*} is not ${field#*=}: $($TREE get "${field%=*}")"
    done
    echo "over AT-SPI: 22.50 mm, 24 mm at f/4 after Use body and Use lens"
    passed=$((passed + 1))
fi
focus_panel && xdotool key alt+o
wait_program
[ "$STATUS" -eq 0 ] || fail "OK after Use body: exit status $STATUS"
grep -q '^XSIZE = 22.5[[:space:]]' "$WORK/app/kadrel.ini" ||
    fail "Use body did not reach the panel: $(cat "$WORK/app/kadrel.ini")"
echo "after a restart, Use body: 22.5 mm on the panel, saved by OK"
passed=$((passed + 1))

# A photo's camera into the bag from its summary (Alt+B), kept for the next run.
"$BUILD_DIR/tests/make_photo" "$WORK/d70.jpg" d70 || fail "no test photo"
start_program kadrel "$WORK/d70.jpg"
xdotool windowfocus --sync "$(xdotool search --sync --onlyvisible --name '^kadrel$' | head -1)"
xdotool key alt+b
sleep 0.5
dismiss_popup                                          # "Added to the camera bag: …"
focus_panel && xdotool key alt+o
wait_program
[ "$STATUS" -eq 0 ] || fail "OK after Add to bag: exit status $STATUS"
grep -qx 'name = Nikon D70' "$WORK/app/bag.ini" &&
    grep -qx 'resolution = 3008 x 2000' "$WORK/app/bag.ini" ||
    fail "Add to bag did not keep the photo's body: $(cat "$WORK/app/bag.ini")"
echo "photo summary, Add to bag: Nikon D70, 3008 x 2000, in bag.ini"
passed=$((passed + 1))

# Every way out with the Lens details form open and active over the bag window.
for way in escape ctrl_q TERM HUP; do
    start_program kadrel
    open_bag
    xdotool mousemove --window "$SIDE" 538 336 click 1  # Lens details…
    FORM=$(wait_window 'Lens details' 100)
    [ -n "$FORM" ] || fail "no Lens details form"
    xdotool windowfocus --sync "$FORM"
    sleep 0.3
    case $way in
        escape) xdotool key Escape ;;
        ctrl_q) xdotool key ctrl+q ;;
        *) kill -s "$way" "$PROGRAM_PID" ;;
    esac
    sleep 0.5
    if [ "$way" = escape ]; then
        wait_gone 'Lens details' || fail "Escape left the Lens details form open"
        focus_panel && xdotool key alt+o
    fi
    wait_program
    [ "$STATUS" -eq 0 ] || fail "Lens details open, then $way: exit status $STATUS"
    echo "Lens details open and active, then $way: exit status 0"
    passed=$((passed + 1))
done

side_window_ways_out 'kadrel camera bag' ctrl+b
echo "camera bag window${2:+ ($2)}: $passed passed, 0 failed"
