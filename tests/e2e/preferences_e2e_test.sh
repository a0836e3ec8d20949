#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Preferences dialog in the real window: every way out with it open (OK,
# Cancel, Escape and the close box keep the program; Ctrl+Q and SIGTERM end
# it with status 0 and kadrel.ini saved), only OK writing preferences.ini.
# With "a11y", inside a D-Bus session with the accessibility bridge on, for
# 85 mm f/1.8 on full frame at 2.91 m: 0.030 mm and imperial chosen, the
# report, d max, the graph's axis and the details read over AT-SPI in feet,
# focus at the hyperfocal distance, the plan's one shot; then back to 1 px
# and metres, the report and COPY's text as on a fresh start.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    # A runtime folder of its own, where the accessibility bus puts its
    # socket: another session ending elsewhere cannot take it away.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
PREFS=$WORK/app/preferences.ini
passed=0

# Opens the dialog with Ctrl+, and, by keys alone, moves the units (Down:
# imperial, Up: metric) and types the circle (d/1500 unless given).
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
    xdotool key "${1:-Down}" Tab ctrl+a
    xdotool type --delay 30 "${2:-d/1500}"
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
    field() { $TREE get "$1" | sed -n "s/^$2=//p"; }
    copied() { click_at 592 537 && xclip -selection clipboard -t text/plain -o; }
    item() {  # item N: the context menu's Nth item (4: distance, 5: hyperfocal, 7: details)
        focus_panel
        xdotool mousemove --window "$WINDOW" 250 300 click 3
        sleep 0.4
        for _ in $(seq "$1"); do xdotool key Down; done
        xdotool key Return
        sleep 0.5
    }
    at() {  # at DISTANCE: typed into the subject distance prompt
        item 4
        xdotool search --sync --onlyvisible --name '^kadrel$' >/dev/null
        xdotool key ctrl+a
        xdotool type --delay 30 "$1"
        xdotool key Return
        sleep 0.5
        focus_panel
    }
    full_frame_at_2_91() {
        rm -f "$PREFS"
        printf 'XSIZE = 36\nYSIZE = 24\nXRESOL = 6000\nYRESOL = 4000\nFOCAL = 85\nDMAX = 10\n' \
            >"$WORK/app/kadrel.ini"
        start_program kadrel
        type_into 610 496 1.8
        at "2.91 m"
    }
    # A fresh start, read from COPY alone: the accessibility bus lives for
    # one program only. Its second to eighth lines are the report.
    full_frame_at_2_91
    fresh_copy=$(copied)
    fresh_report=$(sed -n 2,8p <<<"$fresh_copy" | sed ':a;N;$!ba;s/\n/\\n/g')
    focus_panel
    xdotool key ctrl+q
    wait_program

    full_frame_at_2_91
    open_and_choose Down "0.030 mm"
    ok
    wait_gone 'kadrel preferences' || fail "the dialog is still open"
    sleep 0.5
    # By hand: H = 0.085²/(1.8 × 0.00003) = 133.796 m = 438.96 ft; 2.91 m =
    # 114.57″ = 916.5 eighths; the field 1.19647 × 0.79765 m = 3.9254 ×
    # 2.6170 ft; depths 0.064698 m (20.38 eighths), 0.061944 m (19.51) and
    # 0.126642 m (39.89). Exact limits 2.849828 m (897.6 eighths) and
    # 2.972768 m (936.3), depth 38.7 eighths, H 439.24 ft, H/2 219.6 ft; the
    # disc passes 0.030 mm from f/22.35 and two 6 µm pixels from f/8.94.
    want='Hyperfocal dist.439′\nObject distance 9′ 6⅝″\nScale           0.20 mm/pix\nField size WxH  3.93x2.62 ft = 10.27 ft²\nRear dof        2½″\nFront dof       2½″\nDepth Of Field  5″\nCoC 0.0300 mm'
    [ "$(report)" = "$want" ] || fail "report in feet: $(report)"
    [ "$(field 'd max' text)" = 32.81 ] && [ "$(field 'd max' description)" = feet ] ||
        fail "d max: $($TREE get 'd max')"
    # The axis of 0.34 to 10 m in round feet: 0 to 35.
    [ "$(field 'subject distance' max)" = 35 ] || fail "axis: $($TREE get 'subject distance')"
    item 7                              # Details…
    want='Subject at 9′ 6⅝″, f/1.80\nCoC 0.0300 mm\nNear limit      9′ 4¼″\nFar limit       9′ 9″\nDepth of field  4⅞″\nIf focused at the hyperfocal distance (439′): sharp from 220′ to ∞\nMagnification   1:33.2\nAiry disc       2.42 µm (λ 550 nm), 0.08 × the CoC\nDiffraction     passes the CoC from f/22.4, two pixels from f/8.9\nFull-frame look 85.0 mm f/1.80, CoC 0.0300 mm (crop factor 1.00)'
    [ "$(details)" = "$want" ] || fail "details in feet: $(details)"
    focus_panel
    item 5
    [[ "$(report)" == 'Hyperfocal dist.439′\nObject distance 439′\n'* ]] ||
        fail "focus at the hyperfocal distance: $(report)"
    at "2.91 m"
    xdotool key ctrl+l
    PLAN=$(wait_window 'kadrel plan' 100)
    sleep 0.5
    plan=$($TREE get Plan | sed -n 's/^text=//p')
    [[ "$plan" == *'zone 9′ 4¼″ to 9′ 9″'*'near to far: 1 shot, '*'at f/1.8, marked f/1.8.'* ]] ||
        fail "plan: $plan"
    echo "0.030 mm in feet: report, d max, axis and details over AT-SPI; one shot at f/1.8"
    passed=$((passed + 1))
    # Closed, so that nothing lies over COPY.
    for side in "$PLAN" "$(wait_window 'kadrel details')"; do
        xdotool windowfocus --sync "$side" key Escape
    done
    wait_gone 'kadrel plan' && wait_gone 'kadrel details' || fail "a side window stays open"

    focus_panel
    open_and_choose Up "1 px"
    ok
    wait_gone 'kadrel preferences' || fail "the dialog is still open"
    sleep 0.5
    [ "$(report)" = "$fresh_report" ] || fail "report after the reset: $(report)"
    [ "$(copied)" = "$fresh_copy" ] || fail "copy after the reset: $(copied)"
    focus_panel
    xdotool key ctrl+q
    wait_program
    [ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
    echo "back to 1 px and metres: the report and the copy as on a fresh start"
    passed=$((passed + 1))
    rm -rf "$XDG_RUNTIME_DIR"
fi
echo "preferences dialog${2:+ ($2)}: $passed passed, 0 failed"
