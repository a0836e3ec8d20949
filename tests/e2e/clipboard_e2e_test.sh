#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# In a real window: the context menu's "Subject distance..." puts the cursor at
# 10 m, COPY offers the panel's picture and its figures as text side by side,
# and the program still ends with status 0. With a second argument, pictures of
# the context menu and the details window (for 50 mm, f/8 at 1 m) go into
# that folder.
source "$(dirname "$0")/x_session.sh"
SHOTS=${2:-}

shot() {
    [ -n "$SHOTS" ] && "$BUILD_DIR/tests/x_shot" "$SHOTS/$1" "${@:2}"
    return 0
}

# Right click on the graph, "Subject distance...", and a distance in metres.
place_cursor() {
    xdotool mousemove --window "$WINDOW" 200 330 click 3
    sleep 0.5
    xdotool key Down Down Return
    local prompt
    prompt=$(xdotool search --sync --onlyvisible --name '^kadrel$' | head -1)
    xdotool windowfocus --sync "$prompt" key ctrl+a
    xdotool type --delay 30 "$1"
    xdotool key Return
    sleep 0.3
    focus_panel
}

start_program kadrel
place_cursor 10
click_at 592 537                                        # COPY

targets=$(xclip -selection clipboard -t TARGETS -o)
grep -qx 'image/png' <<<"$targets" || fail "no image/png among: $targets"
grep -qx 'text/plain' <<<"$targets" || fail "no text/plain among: $targets"
xclip -selection clipboard -t image/png -o >"$WORK/copy.png"
[ "$(head -c 8 "$WORK/copy.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "image/png is no PNG"
expected=$(printf '%s\n' \
    'Sensor 22.50 x 15.00 mm, 3504 x 2336 pixels; focal length 24.00 mm; f/3.50' \
    'Hyperfocal dist.25.63 m' \
    'Object distance 10.00 m' \
    'Scale           2.67 mm/pix' \
    'Field size WxH  9.35x6.24 m = 58.31 m²' \
    'Rear dof        6.40 m' \
    'Front dof       2.81 m' \
    'Depth Of Field  9.20 m' \
    'CoC 0.0064 mm = 1 px' \
    'Near limit      7.20 m' \
    'Far limit       16.37 m')
text=$(xclip -selection clipboard -t text/plain -o)
[ "$text" = "$expected" ] || fail "text/plain differs: $(diff <(echo "$expected") <(echo "$text"))"

if [ -n "$SHOTS" ]; then
    type_into 610 376 50                                # Focal length (mm)
    type_into 610 496 8                                 # Aperture F
    place_cursor 1
    xdotool key ctrl+d                                  # the details window
    sleep 0.5
    shot details.png 0 0 1260 580
    xdotool mousemove --window "$WINDOW" 200 330 click 3 key Down Right
    sleep 0.5
    shot context-menu.png 0 0 960 580
    xdotool key Escape Escape
    sleep 0.3
fi
click_at 641 537                                        # OK
wait_program
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
echo "clipboard end to end: 1 passed, 0 failed"
