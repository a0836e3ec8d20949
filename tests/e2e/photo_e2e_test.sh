#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `kadrel PHOTO` in a real window: the camera's values on the panel and the
# summary in a message box; every way out with that box open and active ends
# with status 0 and the photo's camera saved. A file that is no photo gives
# its message and changes nothing. With "a11y" the run is repeated inside a
# D-Bus session with the accessibility bridge on, and the summary is read
# back over AT-SPI.
if [ "${2:-}" = a11y ] && [ -z "${KADREL_A11Y_SESSION:-}" ]; then
    export KADREL_A11Y_SESSION=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/x_session.sh"
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"
passed=0

"$BUILD_DIR/tests/make_photo" "$WORK/d70.jpg" d70 || fail "no test photo"
printf 'not a photo\n' >"$WORK/text.jpg"
mkdir -p "$WORK/app/libexec/kadrel"
cp "$BUILD_DIR/libexec/kadrel/kadrel-photo" "$WORK/app/libexec/kadrel/"

popup() { xdotool search --sync --onlyvisible --name '^kadrel$' | head -1; }

# Starts kadrel on a photo and waits for its summary; leaves the box active.
start_on() {
    rm -f "$WORK/app/kadrel.ini"
    start_program kadrel "$1"
    POPUP=$(popup)
    xdotool windowfocus --sync "$POPUP"
}

expect_saved() {
    wait_program
    [ "$STATUS" -eq 0 ] || fail "$1: exit status $STATUS"
    grep -qx "FOCAL = $2" "$WORK/app/kadrel.ini" || fail "$1: FOCAL $2 not saved"
    grep -q "^XRESOL = $3	" "$WORK/app/kadrel.ini" || fail "$1: XRESOL $3 not saved"
    passed=$((passed + 1))
    echo "$1: exit status 0, FOCAL = $2 and XRESOL = $3 saved"
}

# The summary as a screen reader reads it.
if [ -n "${KADREL_A11Y_SESSION:-}" ]; then
    start_on "$WORK/d70.jpg"
    $TREE dump >"$WORK/tree.txt" || fail "no accessibility tree"
    # The dump writes the no-break spaces that keep "23.63 × 15.71 mm" on one line as \xa0.
    grep -qF 'Nikon D70 · sensor 23.63\xa0×\xa015.71\xa0mm from the camera database (crop 1.525)' \
        "$WORK/tree.txt" || fail "the summary is not on the accessibility bus"
    dismiss_popup
    click_at 641 537 # OK
    expect_saved "summary read over AT-SPI, then OK" 50.0 3008
fi

# A reader that takes its time (it sleeps past the 5 s limit): the panel takes
# a typed focal length meanwhile and the ways out end the program as usual;
# Escape stops the read, and the ways out of its message (box_*) do too.
printf '#!/bin/sh\nexec sleep 30\n' >"$WORK/slow-photo"
chmod +x "$WORK/slow-photo"
for way in box_return box_close_box box_TERM box_HUP box_INT ctrl_q TERM HUP INT; do
    cp "$WORK/slow-photo" "$WORK/app/libexec/kadrel/kadrel-photo"
    rm -f "$WORK/app/kadrel.ini"
    start_program kadrel "$WORK/d70.jpg"
    focus_panel
    type_into 610 376 50 # Focal length (mm)
    case $way in
        ctrl_q) xdotool key ctrl+q ;;
        TERM | HUP | INT) kill -s "$way" "$PROGRAM_PID" ;;
        *)
            xdotool key Escape
            POPUP=$(popup)
            # The message as a screen reader reads it, once.
            if [ -n "${KADREL_A11Y_SESSION:-}" ] && [ "$way" = box_return ]; then
                $TREE dump >"$WORK/tree.txt" || fail "no accessibility tree"
                grep -qF 'Reading the photo was cancelled. Nothing was changed.' "$WORK/tree.txt" ||
                    fail "Escape did not stop the read"
            fi
            xdotool windowfocus --sync "$POPUP"
            case $way in
                box_return) xdotool key Return ;;
                box_close_box) "$BUILD_DIR/tests/x_close" "$POPUP" ;;
                *) kill -s "${way#box_}" "$PROGRAM_PID" ;;
            esac
            if [ "$way" = box_return ] || [ "$way" = box_close_box ]; then
                wait_gone kadrel 100 || fail "$way left the box open"
                sleep 0.2
                click_at 641 537 # OK
            fi
            ;;
    esac
    expect_saved "a slow reader, a focal length typed, then $way" 50.0 3504
done
cp "$BUILD_DIR/libexec/kadrel/kadrel-photo" "$WORK/app/libexec/kadrel/"

# The box's own ways out, then the panel's OK.
for way in return close_box; do
    start_on "$WORK/d70.jpg"
    case $way in
        return) xdotool key Return ;;
        close_box) "$BUILD_DIR/tests/x_close" "$POPUP" ;;
    esac
    wait_gone kadrel 100 || fail "$way left the box open"
    sleep 0.2
    click_at 641 537 # OK
    expect_saved "summary closed by $way, then OK" 50.0 3008
done

# Ctrl+Q belongs to the panel, which the box blocks: kadrel stays until the
# box is gone, then Ctrl+Q ends it.
start_on "$WORK/d70.jpg"
xdotool key ctrl+q
sleep 0.5
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "Ctrl+Q over the box ended kadrel"
dismiss_popup
focus_panel
xdotool key ctrl+q
expect_saved "Ctrl+Q over the box, then after it" 50.0 3008

# Signals end it with the box open, saving as always.
# (SIGINT is covered in app_tests: a script's background job starts with it ignored.)
for signal in TERM HUP; do
    start_on "$WORK/d70.jpg"
    kill -s "$signal" "$PROGRAM_PID"
    expect_saved "SIG$signal with the box open" 50.0 3008
done

# No photo: the message says why, the factory camera stays.
start_on "$WORK/text.jpg"
dismiss_popup
click_at 641 537 # OK
expect_saved "a text file as the photo" 24.0 3504

echo "photo in the window${2:+ ($2)}: $passed passed, 0 failed"
