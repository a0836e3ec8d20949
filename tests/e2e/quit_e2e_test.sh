#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every way out saves the value still being typed; odd files in place of
# kadrel.ini or kadrel.uir never hold up the start; any folder the system can
# open holds the program, whatever its name's bytes and length.
source "$(dirname "$0")/x_session.sh"
passed=0

# Types 85 into the focal length and does not confirm it.
type_unconfirmed() {
    click_at 610 376
    xdotool key ctrl+a
    xdotool type --delay 30 85
    sleep 0.3
}

expect_exit() {
    wait_program
    [ "$STATUS" -eq "$1" ] || fail "$2: exit status $STATUS, expected $1"
    passed=$((passed + 1))
}

for way in close_box alt_o TERM HUP INT; do
    rm -f "$WORK/app/kadrel.ini"
    start_program kadrel
    type_unconfirmed
    case $way in
        close_box) "$BUILD_DIR/tests/x_close" "$WINDOW" ;;
        alt_o) focus_panel && xdotool key alt+o ;;
        *) kill -s "$way" "$PROGRAM_PID" ;;
    esac
    expect_exit 0 "typed, then $way"
    grep -qx "FOCAL = 85.0" "$WORK/app/kadrel.ini" || fail "typed, then $way: 85 not saved"
    echo "typed 85, then $way: exit status 0, FOCAL = 85.0 saved"
done

# A FIFO or an endless device as kadrel.ini: the window comes with a notice,
# and OK leaves the thing as it was.
for odd in fifo /dev/zero; do
    rm -f "$WORK/app/kadrel.ini"
    mkdir -p "$WORK/app"
    if [ "$odd" = fifo ]; then mkfifo "$WORK/app/kadrel.ini"; else ln -s "$odd" "$WORK/app/kadrel.ini"; fi
    start_program kadrel
    dismiss_popup
    click_at 641 537                 # OK
    expect_exit 0 "$odd as kadrel.ini"
    if [ "$odd" = fifo ]; then
        [ -p "$WORK/app/kadrel.ini" ] || fail "the FIFO was replaced"
    else
        [ "$(readlink "$WORK/app/kadrel.ini")" = "$odd" ] || fail "the link to $odd was replaced"
    fi
    echo "$odd as kadrel.ini: started with a notice, exit status 0, left as it was"
done

# A FIFO or an endless device as kadrel.uir: refused at once with -1.
for odd in fifo /dev/zero; do
    rm -rf "$WORK/odd" && mkdir -p "$WORK/odd"
    cp "$BUILD_DIR/kadrel" "$WORK/odd/"
    if [ "$odd" = fifo ]; then mkfifo "$WORK/odd/kadrel.uir"; else ln -s "$odd" "$WORK/odd/kadrel.uir"; fi
    STATUS=0
    timeout 30 "$WORK/odd/kadrel" >/dev/null 2>"$WORK/err.txt" || STATUS=$?
    [ "$STATUS" -eq 255 ] || fail "$odd as kadrel.uir: exit status $STATUS, expected 255"
    passed=$((passed + 1))
    echo "$odd as kadrel.uir: exit status 255"
done

# A folder whose name is no UTF-8, and one of 84 CJK characters (252 bytes)
# that takes the whole path past 260 bytes.
long=$(printf '\xe5\xad\x97%.0s' $(seq 84))
for folder in "$WORK/latin1-$(printf '\xe9')" "$WORK/$long"; do
    mkdir -p "$folder"
    cp "$BUILD_DIR/kadrel" "$BUILD_DIR/kadrel.uir" "$folder/"
    "$folder/kadrel" >"$WORK/out.txt" 2>"$WORK/err.txt" &
    PROGRAM_PID=$!
    WINDOW=$(xdotool search --sync --name '^K A D R E L$' | head -1)
    sleep 0.5
    click_at 641 537                 # OK
    expect_exit 0 "program in a folder of ${#folder} characters"
    grep -qx "FOCAL = 24.0" "$folder/kadrel.ini" || fail "nothing saved beside the program"
    echo "program in $(printf '%s' "$folder" | wc -c) bytes of folder name: exit status 0, saved"
done
# Losing the X server (a logout, a dropped forwarded session) ends the
# program as Qt ends it, with status 1, and without a crash. Last: no X after.
start_program kadrel
type_into 610 376 85
kill "$XVFB_PID"
XVFB_PID=
expect_exit 1 "the X server gone"
echo "the X server gone: exit status 1, no crash"
echo "ways out and odd files: $passed passed, 0 failed"
