#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A user types a focal length, drags the graph cursor and presses OK, in a
# real window: the program must hold the typed value, a report for the
# dragged distance, and a cursor on the scale line.
source "$(dirname "$0")/x_session.sh"

# The command line is ignored: Qt's own -platform must not take the window away.
start_program tests/kadrel_probe -platform offscreen
type_into 610 376 50                 # Focal length (mm)
xdotool mousemove --window "$WINDOW" 150 300 mousedown 1
for x in 170 200 230 260; do
    xdotool mousemove --window "$WINDOW" "$x" 300
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
click_at 641 537                     # OK
wait_program

[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
out=$(cat "$WORK/out.txt")
grep -qx 'focal=50.00' <<<"$out" || fail "focal not 50: $out"
cursor=$(sed -n 's/^cursor=\([^,]*\),\(.*\)$/\1 \2/p' <<<"$out")
line=$(sed -n 's/^line=//p' <<<"$out")
read -r d s <<<"$cursor"
awk -v d="$d" 'BEGIN { exit !(d > 0.5 && d < 9.5) }' || fail "cursor not dragged: $d"
awk -v s="$s" -v l="$line" 'BEGIN { exit !((s - l) ^ 2 < 1e-18) }' || fail "cursor off the line: $s vs $l"
expected=$(printf 'Object distance %.2f m' "$d")
grep -qx "$expected" <<<"$out" || fail "report does not follow the cursor: $out"
grep -qx 'FOCAL = 50.0' "$WORK/app/kadrel.ini" || fail "focal not saved"
echo "panel end to end: 1 passed, 0 failed"
