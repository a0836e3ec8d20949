#!/usr/bin/env bash
# Every way out of the shipped program ends with status 0 and the settings
# saved, whatever the user did before: {OK, the close box, Alt+O, Ctrl+Q} x
# {nothing, HELP, COPY, a typed value, RESET}. With "a11y" the same table runs inside a
# D-Bus session with the accessibility bridge on, as screen-reader users run it.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"

before_nothing() { :; }
before_help() {
    click_at 543 537                 # HELP
    dismiss_popup
}
before_copy() { click_at 592 537; }  # COPY
before_typing() { type_into 610 376 85; }
before_reset() {
    type_into 610 376 85
    click_at 494 537                 # RESET
}

exit_ok() { click_at 641 537; }
exit_close_box() { "$BUILD_DIR/tests/x_close" "$WINDOW"; }
exit_alt_o() {
    focus_panel
    xdotool key alt+o
}
exit_ctrl_q() {
    focus_panel
    xdotool key ctrl+q
}

passed=0
for before in nothing help copy typing reset; do
    for way in ok close_box alt_o ctrl_q; do
        rm -f "$WORK/app/kadrel.ini"
        start_program kadrel
        "before_$before"
        "exit_$way"
        wait_program
        row="after $before, by $way"
        [ "$STATUS" -eq 0 ] || fail "$row: exit status $STATUS"
        focal=24.0
        [ "$before" = typing ] && focal=85.0
        grep -qx "FOCAL = $focal" "$WORK/app/kadrel.ini" 2>/dev/null || fail "$row: FOCAL $focal not saved"
        echo "$row: exit status 0, FOCAL = $focal saved"
        passed=$((passed + 1))
    done
done
echo "exit paths${2:+ ($2)}: $passed passed, 0 failed"
