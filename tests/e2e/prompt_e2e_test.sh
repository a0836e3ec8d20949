#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The context menu's subject distance and hyperfocal items in a real window:
# a distance beyond d max is taken whole and raises d max, one before the
# line is refused in the prompt with the range, and every way out of the
# prompt cancels it or ends kadrel with the settings saved. With "a11y" the
# same runs with the accessibility bridge on, and the refusal and the d max
# field are read back over AT-SPI.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
REFUSAL='A subject distance runs from 96.0 mm to 1000000000 m; beyond d max, d max follows it.'
passed=0

# Waits until N windows called "kadrel" (the prompt) are shown.
wait_popups() {
    local n=-1
    for _ in $(seq 100); do
        n=$(xdotool search --onlyvisible --name '^kadrel$' 2>/dev/null | wc -l || true)
        [ "$n" -eq "$1" ] && break
        sleep 0.1
    done
    [ "$n" -eq "$1" ] || fail "$n pop-ups shown, expected $1"
    sleep 0.2
}

# Chooses the context menu's item N (1: camera from a photo) with the keyboard.
choose_item() {
    xdotool mousemove --window "$WINDOW" 250 300 click 3
    sleep 0.4
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
}

ask_distance() {  # ask_distance TEXT: typed into the prompt and confirmed
    choose_item 4
    wait_popups 1
    PROMPT=$(xdotool search --onlyvisible --name '^kadrel$')
    xdotool key ctrl+a
    xdotool type --delay 30 "$1"
    xdotool key Return
}

expect_saved() {  # expect_saved STATUS DMAX ROW
    wait_program
    [ "$STATUS" -eq "$1" ] || fail "$3: exit status $STATUS, expected $1"
    grep -qx "DMAX = $2" "$WORK/app/kadrel.ini" 2>/dev/null || fail "$3: DMAX $2 not saved"
    passed=$((passed + 1))
    echo "$3: exit status $STATUS, DMAX = $2 saved"
}

# 30 m with d max 10: taken whole, d max 30; then 0.01 m is refused in the
# prompt, which stays open until Escape.
rm -f "$WORK/app/kadrel.ini"
start_program tests/kadrel_probe
ask_distance 30
wait_popups 0
if [ -n "${KADREL_A11Y_SESSION:-}" ]; then
    $TREE wait 'd max' text=30.00 || fail "d max does not read 30.00"
fi
ask_distance 0.01
sleep 0.5
wait_popups 1
if [ -n "${KADREL_A11Y_SESSION:-}" ]; then
    $TREE get "$REFUSAL" >/dev/null || fail "no refusal naming the range: $($TREE dump)"
fi
xdotool key Escape                   # the prompt cancelled: the cursor stays
wait_popups 0
click_at 641 537                     # OK
expect_saved 0 30.0 "30 typed, 0.01 refused, OK"
out=$(cat "$WORK/out.txt")
grep -qx 'cursor=30.000000,.*' <<<"$out" || fail "cursor not at 30 m: $out"
grep -qx 'Object distance 30.00 m' <<<"$out" || fail "report not at 30 m: $out"

# The hyperfocal distance of the factory camera, 25.63 m: d max 26.
rm -f "$WORK/app/kadrel.ini"
start_program tests/kadrel_probe
choose_item 5
sleep 0.5
click_at 641 537                     # OK
expect_saved 0 26.0 "focus at hyperfocal, OK"
grep -qx 'Object distance 25.63 m' "$WORK/out.txt" || fail "cursor not at 25.63 m: $(cat "$WORK/out.txt")"

# The prompt open and active with a refusal showing: its close box cancels
# it; Ctrl+Q and each quit signal end kadrel, saving the d max the prompt
# raised before.
for way in close_box ctrl_q TERM HUP INT; do
    rm -f "$WORK/app/kadrel.ini"
    if [ "$way" = INT ]; then
        start_program kadrel
    else
        start_program kadrel
    fi
    ask_distance 40.5
    wait_popups 0
    ask_distance abc
    sleep 0.5
    wait_popups 1
    case $way in
        close_box)
            "$BUILD_DIR/tests/x_close" "$PROMPT"
            wait_popups 0
            kill -0 "$PROGRAM_PID" || fail "the prompt's close box ended kadrel"
            click_at 641 537         # OK
            ;;
        ctrl_q) xdotool key ctrl+q ;;
        *) kill -s "$way" "$PROGRAM_PID" ;;
    esac
    expect_saved 0 41.0 "40.5 taken, abc refused, then $way"
done
echo "distance prompt${2:+ ($2)}: $passed passed, 0 failed"
