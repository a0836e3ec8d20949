#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every way out of the shipped program ends with status 0 and the settings
# saved, whatever the user did before: {OK, the close box, Alt+O, Ctrl+Q,
# SIGTERM, SIGHUP, SIGINT, two SIGTERMs back to back} x {nothing, HELP, COPY,
# a typed value, RESET, a typed value and the details window active}. A
# signal while a message shows (the save's failure, the start-up notice) ends
# the program at once. With "a11y" the same runs inside a D-Bus session with
# the accessibility bridge on, as screen-reader users run it.
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
before_details() {
    type_into 610 376 85
    focus_panel
    xdotool key ctrl+d
    xdotool search --sync --onlyvisible --name '^kadrel details$' >/dev/null
    sleep 0.3
    [ "$(xdotool getwindowfocus getwindowname)" = "kadrel details" ] || fail "details window not active"
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
exit_term() { kill -s TERM "$PROGRAM_PID"; }
exit_hup() { kill -s HUP "$PROGRAM_PID"; }
exit_int() { kill -s INT "$PROGRAM_PID"; }
exit_term_twice() { kill -s TERM "$PROGRAM_PID" && kill -s TERM "$PROGRAM_PID"; }

passed=0
for before in nothing help copy typing reset details; do
    for way in ok close_box alt_o ctrl_q term hup int term_twice; do
        rm -f "$WORK/app/kadrel.ini"
        start_program kadrel
        "before_$before"
        "exit_$way"
        wait_program
        row="after $before, by $way"
        [ "$STATUS" -eq 0 ] || fail "$row: exit status $STATUS"
        focal=24.0
        case $before in typing | details) focal=85.0 ;; esac
        grep -qx "FOCAL = $focal" "$WORK/app/kadrel.ini" 2>/dev/null || fail "$row: FOCAL $focal not saved"
        echo "$row: exit status 0, FOCAL = $focal saved"
        passed=$((passed + 1))
    done
done

# Waits for the one message, sends the signal and expects the end at once,
# with status 0, no OK pressed.
signal_at_message() {
    xdotool search --sync --onlyvisible --name '^kadrel$' >/dev/null
    sleep 0.3
    [ "$(xdotool search --onlyvisible --name '^kadrel$' | wc -l)" -eq 1 ] || fail "$2: not one message"
    kill -s "$1" "$PROGRAM_PID"
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$2: exit status $STATUS"
    passed=$((passed + 1))
}

for signal in TERM HUP INT; do
    # Saving fails (no byte may be written); the message about it is showing.
    rm -rf "$WORK/app"
    mkdir -p "$WORK/app"
    cp "$BUILD_DIR/kadrel" "$BUILD_DIR/kadrel.uir" "$WORK/app/"
    launch bash -c 'trap "" XFSZ; ulimit -f 0; exec "$0"' "$WORK/app/kadrel"
    type_into 610 376 85
    click_at 641 537                 # OK
    signal_at_message "$signal" "SIG$signal during the failed save's message"
    [ -z "$(ls "$WORK/app" | grep -v '^kadrel$\|^kadrel.uir$')" ] || fail "files left: $(ls "$WORK/app")"
    echo "SIG$signal while saving failed: exit status 0, one message, nothing written"

    # kadrel.ini cannot be read: the start-up notice is showing.
    rm -f "$WORK/app/kadrel.ini"
    mkfifo "$WORK/app/kadrel.ini"
    start_program kadrel
    signal_at_message "$signal" "SIG$signal during the start-up notice"
    [ -p "$WORK/app/kadrel.ini" ] || fail "SIG$signal during the start-up notice: the FIFO was replaced"
    echo "SIG$signal during the start-up notice: exit status 0, kadrel.ini left alone"
    rm -f "$WORK/app/kadrel.ini"
done
echo "exit paths${2:+ ($2)}: $passed passed, 0 failed"
