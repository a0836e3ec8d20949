#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen-reader user meets, read over AT-SPI in a real window: every
# input's name, value and range and every result's value, and names and
# descriptions without markup; the graph cursor
# moved by keys, its new distance and report read back and announced; and a
# walk with the keyboard alone: Tab through the panel, F1 and its pop-up,
# Ctrl+C and Return on COPY with the clipboard read back, Escape dropping an
# edit, and Ctrl+Q ending with status 0 and the settings saved.
if [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"

start_program kadrel
focus_panel
checks=0

# expect NAME KEY=VALUE...: the object's properties as read over AT-SPI.
expect() {
    local name=$1 props
    shift
    props=$($TREE get "$name") || fail "$name not in the accessibility tree"
    for pair in "$@"; do
        grep -qxF "$pair" <<<"$props" || fail "$name: wanted $pair, read: $(tr '\n' ' ' <<<"$props")"
    done
    checks=$((checks + 1))
}

key() {
    xdotool key "$@"
    sleep 0.3
}

# Inputs: the panel's values, ranges and steps; units where the label has none.
expect 'X size (mm)' role='spin button' value=22.5 min=1 max=inf step=1 text=22.50 readonly=0 editable=1
expect 'Y size (mm)' value=15 min=1 max=inf step=1 text=15.00 readonly=0
expect 'Xresol' value=3504 min=100 max=2.14748e+09 step=1 text=3504 description=pixels
expect 'Yresol' value=2336 min=100 max=2.14748e+09 step=1 text=2336 description=pixels
expect 'Focal length (mm)' value=24 min=10 max=2000 step=1 text=24.00
expect 'Aperture F' value=3.5 min=1 max=50 step=1 text=3.50 description=f-number
expect 'd max' value=10 min=1 max=1e+09 step=1 text=10.00 description=metres
# Results: read-only, with the values the panel shows.
expect 'ratio X/Y' role='spin button' value=1.5 text=1.50 readonly=1 editable=0
expect 'diagonal' value=27.0416 text=27.04 readonly=1 description=millimetres
expect 'Pixel size (µm)' value=6.42123 text=6.42 readonly=1
expect 'Angle of view (degree)' value=58.791 text=58.8 readonly=1
expect 'vertical (degree)' value=34.708 text=34.7 readonly=1
expect 'horizontal (degree)' value=50.2297 text=50.2 readonly=1

# Names and descriptions are plain text; the markup that lays a tooltip out
# stays in the tooltip.
expect 'X size (mm)' 'description=Sensor width, in millimetres'
expect 'ratio X/Y' 'description=Sensor width over height'
expect OK 'description=Save the settings and quit'
marked=$($TREE markup)
[ -z "$marked" ] || fail "markup a screen reader would speak: $marked"

# The graph is a slider over the cursor's distance; the report is its description.
# The slider's description, with its lines.
description() {
    local props
    props=$($TREE get 'subject distance')
    sed -n 's/^description=//p' <<<"$props" | sed 's/\\n/\n/g'
}

report=$($TREE get 'subject distance' | sed -n 's/^description=//p')
[ "$report" = 'Hyperfocal dist.25.63 m\nObject distance 10.00 m\nScale           2.67 mm/pix\nField size WxH  9.35x6.24 m = 58.31 m²\nRear dof        6.40 m\nFront dof       2.81 m\nDepth Of Field  9.20 m' ] ||
    fail "graph description: $report"
expect 'subject distance' role=slider value=10 min=0 max=10 step=0.1

# Tab reaches every input and button and the graph, in the panel's order.
walk=()
for _ in $(seq 11); do
    key Tab
    walk+=("$($TREE focused)")
done
printf -v order '%s|' "${walk[@]}"
[ "$order" = 'Y size (mm)|Xresol|Yresol|Focal length (mm)|Aperture F|d max|RESET|HELP|COPY|subject distance|OK|' ] ||
    fail "Tab order: $order"
checks=$((checks + 1))

# Keys on the graph, with the events a screen reader speaks from.
key shift+Tab
[ "$($TREE focused)" = 'subject distance' ] || fail "Shift+Tab did not come back to the graph"
$TREE listen 6 >"$WORK/events.txt" &
LISTENER=$!
for _ in $(seq 50); do grep -q listening "$WORK/events.txt" 2>/dev/null && break; sleep 0.1; done
key Home
expect 'subject distance' value=0.096
report=$(description)
grep -qx 'Object distance 0.10 m' <<<"$report" || fail "report after Home: $report"
key End
key Page_Down
key Left
expect 'subject distance' value=8.9
report=$(description)
grep -qx 'Object distance 8.90 m' <<<"$report" || fail "report after the keys: $report"
$TREE get 'Hyperfocal dist.25.63 m' >/dev/null 2>&1 && fail "the report did not change"
wait $LISTENER
grep -c '^object:property-change:accessible-value subject distance$\|^object:value-changed subject distance$' "$WORK/events.txt" >"$WORK/n_value" || true
grep -c '^object:property-change:accessible-description subject distance$' "$WORK/events.txt" >"$WORK/n_desc" || true
grep -c '^object:text-changed:insert Hyperfocal' "$WORK/events.txt" >"$WORK/n_text" || true
[ "$(cat "$WORK/n_value")" -ge 4 ] && [ "$(cat "$WORK/n_desc")" -eq 4 ] && [ "$(cat "$WORK/n_text")" -ge 4 ] ||
    fail "events for 4 moves: $(cat "$WORK/n_value") value, $(cat "$WORK/n_desc") description, $(cat "$WORK/n_text") text: $(cat "$WORK/events.txt")"
grep -v '^listening$\|subject distance$\|^object:text-changed:insert Hyperfocal' "$WORK/events.txt" &&
    fail "events about other objects"
checks=$((checks + 3))

# F1 opens the help pop-up; Return dismisses it.
key F1
popup=$(xdotool search --sync --onlyvisible --name '^kadrel$' | head -1)
[ -n "$popup" ] || fail "F1 showed no help"
dismiss_popup
focus_panel
checks=$((checks + 1))

# Ctrl+C on the graph puts the panel's picture on the clipboard.
key ctrl+c
xclip -selection clipboard -t TARGETS -o | grep -qx 'image/png' || fail "no picture after Ctrl+C"
size=$(xclip -selection clipboard -t image/png -o | wc -c)
[ "$size" -gt 1000 ] || fail "picture of $size bytes"
checks=$((checks + 1))

# Return on COPY presses it, and the keyboard stays on COPY.
xclip -selection clipboard -i <<<"text before"
key shift+Tab            # RESET HELP COPY graph: back to COPY
[ "$($TREE focused)" = COPY ] || fail "not on COPY: $($TREE focused)"
key Return
xclip -selection clipboard -t TARGETS -o | grep -qx 'image/png' || fail "Return on COPY made no picture"
[ "$($TREE focused)" = COPY ] || fail "after COPY the keyboard is on $($TREE focused)"
checks=$((checks + 1))

# In a field Ctrl+C copies the selected text; Escape drops an edit.
for _ in 1 2 3 4 5; do key shift+Tab; done   # COPY HELP RESET d max Aperture F Focal
[ "$($TREE focused)" = 'Focal length (mm)' ] || fail "not on Focal: $($TREE focused)"
key ctrl+c
[ "$(xclip -selection clipboard -o)" = 24.00 ] || fail "Ctrl+C in a field copied: $(xclip -selection clipboard -o)"
xdotool type --delay 30 85
sleep 0.3
expect 'Focal length (mm)' text=85 value=24
key Escape
expect 'Focal length (mm)' text=24.00 value=24
key Tab
expect 'Focal length (mm)' text=24.00 value=24
expect 'diagonal' value=27.0416
checks=$((checks + 1))

# Ctrl+Q saves and ends.
key ctrl+q
wait_program
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS after Ctrl+Q"
grep -qx 'FOCAL = 24.0' "$WORK/app/kadrel.ini" || fail "settings not saved: $(cat "$WORK/app/kadrel.ini" 2>&1)"
checks=$((checks + 1))
echo "accessibility end to end: $checks passed, 0 failed"
