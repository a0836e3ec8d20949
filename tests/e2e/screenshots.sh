#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Screenshots of the real window at the scale factors 1, 1.5 and 2, with the
# factory values, with the help illustration shown, then with a large "d max"
# and the cursor dragged.
# Usage: screenshots.sh BUILD-DIR OUT-DIR PREFIX  (writes PREFIX-1.png ...).
XVFB_SCREEN=1600x1200x24  # the window at scale 2 is 1344 x 1116
source "$(dirname "$0")/x_session.sh"
OUT=$2
PREFIX=$3
SHOT=${X_SHOT:-$BUILD_DIR/tests/x_shot}  # another build's, to shoot a build without tests
mkdir -p "$OUT"

px() { awk -v v="$1" -v s="$SCALE" 'BEGIN { printf "%d", v * s }'; }

for SCALE in 1 1.5 2; do
    export QT_SCALE_FACTOR=$SCALE
    rm -f "$WORK/app/kadrel.ini"  # each scale starts from the factory values
    start_program kadrel
    "$SHOT" "$WINDOW" "$OUT/$PREFIX-$SCALE.png" || fail "no shot at $SCALE"
    click_at "$(px 544)" "$(px 537)"                      # HELP: the illustration
    sleep 0.5
    "$SHOT" "$WINDOW" "$OUT/$PREFIX-$SCALE-help.png" || fail "no shot"
    dismiss_popup
    focus_panel
    type_into "$(px 420)" "$(px 537)" 123456              # d max
    xdotool mousemove --window "$WINDOW" "$(px 150)" "$(px 300)" mousedown 1
    xdotool mousemove --window "$WINDOW" "$(px 170)" "$(px 200)"
    sleep 0.3
    "$SHOT" "$WINDOW" "$OUT/$PREFIX-$SCALE-drag.png" || fail "no shot"
    xdotool mouseup 1
    sleep 0.2
    click_at "$(px 641)" "$(px 537)"                      # OK
    wait_program
    [ "$STATUS" -eq 0 ] || fail "exit status $STATUS at scale $SCALE"
done
echo "screenshots in $OUT"
