#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Preferences dialog in the real window: every way out with it open (OK,
# Cancel, Escape and the close box keep the program; Ctrl+Q and SIGTERM end
# it with status 0 and kadrel.ini saved), only OK writing preferences.ini.
# With "a11y", inside a D-Bus session with the accessibility bridge on, the
# details window is read back over AT-SPI showing the chosen circle and
# units, and the panel's report is the same before and after.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
PREFS=$WORK/app/preferences.ini
passed=0

# Opens the dialog with Ctrl+, and, by keys alone, picks imperial and d/1500.
open_and_choose() {
    focus_panel
    xdotool key ctrl+comma
    # The window may be made again while it first shows: focus what is there.
    for _ in $(seq 50); do
        DIALOG=$(xdotool search --onlyvisible --name '^kadrel preferences$' | head -1 || true)
        [ -n "$DIALOG" ] && xdotool windowfocus --sync "$DIALOG" 2>/dev/null && break
        sleep 0.1
    done
    sleep 0.3
    xdotool key Down Tab ctrl+a
    xdotool type --delay 30 d/1500
    sleep 0.2
}

# Clicks Cancel, at the dialog's lower right.
click_cancel() {
    local width height
    read -r width height < <(xdotool getwindowgeometry "$DIALOG" |
        sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
    xdotool mousemove --window "$DIALOG" $((width - 50)) $((height - 22)) click 1
}

ok() { xdotool key Return; }
cancel() { click_cancel; }
escape() { xdotool key Escape; }
close_box() { "$BUILD_DIR/tests/x_close" "$DIALOG"; }
for way in ${WAYS:-ok cancel escape close_box}; do
    rm -f "$PREFS" "$WORK/app/kadrel.ini"
    start_program kadrel
    open_and_choose
    "$way"
    wait_gone 'kadrel preferences' || fail "$way: the dialog is still open"
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "$way: the program ended"
    if [ "$way" = ok ]; then
        grep -qx 'units = imperial' "$PREFS" && grep -qx 'coc = d/1500' "$PREFS" ||
            fail "OK did not save the choices: $(cat "$PREFS" 2>&1)"
    else
        [ ! -e "$PREFS" ] || fail "$way saved the preferences"
    fi
    focus_panel
    xdotool key ctrl+q
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$way, then Ctrl+Q: exit status $STATUS"
    echo "$way: the dialog closed, the program went on, then ended with status 0"
    passed=$((passed + 1))
done

ctrl_q() { xdotool key ctrl+q; }
sigterm() { kill -TERM "$PROGRAM_PID"; }
for way in ctrl_q sigterm; do
    rm -f "$PREFS" "$WORK/app/kadrel.ini"
    start_program kadrel
    open_and_choose
    "$way"
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$way with the dialog open: exit status $STATUS"
    grep -qx 'FOCAL = 24.0' "$WORK/app/kadrel.ini" || fail "$way: kadrel.ini not saved"
    [ ! -e "$PREFS" ] || fail "$way saved the preferences"
    echo "$way with the dialog open: exit status 0, kadrel.ini saved"
    passed=$((passed + 1))
done

if [ "${2:-}" = a11y ]; then
    details() { $TREE dump | grep -A1 "frame 'kadrel details'" | sed -n "2s/^ *label '\(.*\)' read-only$/\1/p"; }
    report() { $TREE get 'subject distance' | sed -n 's/^description=//p'; }
    rm -f "$PREFS" "$WORK/app/kadrel.ini"
    start_program kadrel
    focus_panel
    xdotool key ctrl+d
    sleep 0.5
    before=$(report)
    [[ "$(details)" == 'Subject at 10.00 m, f/3.50\nCoC 0.0064 mm = 1 px\n'* ]] ||
        fail "details before: $(details)"
    open_and_choose
    ok
    wait_gone 'kadrel preferences' || fail "the dialog is still open"
    sleep 0.5
    # Hand-worked: c = √(22.5² + 15²)/1500 mm; 10 m = 393.70″ = 32′ 10″;
    # near 4.7783 m = 188.12″, H = 9.1528 m = 360.35″, H/2 = 180.17″.
    want='Subject at 32′ 10″, f/3.50\nCoC 0.0180 mm = d/1500\nNear limit      15′ 8″\nFar limit       ∞\nDepth of field  ∞\nIf focused at the hyperfocal distance (30′ 0″): sharp from 15′ 0″ to ∞\nMagnification   1:415.7\nAiry disc       4.70 µm (λ 550 nm), 0.26 × the CoC\nFull-frame look 38.4 mm f/5.60, CoC 0.0288 mm (crop factor 1.60)'
    [ "$(details)" = "$want" ] || fail "details after: $(details)"
    [ "$(report)" = "$before" ] || fail "the report changed: $(report)"
    focus_panel
    xdotool key ctrl+q
    wait_program
    [ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
    echo "details read over AT-SPI in feet with d/1500; the report unchanged"
    passed=$((passed + 1))
fi
echo "preferences dialog${2:+ ($2)}: $passed passed, 0 failed"
