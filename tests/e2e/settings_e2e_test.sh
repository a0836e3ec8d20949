#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kadrel from a prepared kadrel.ini in its own directory: COPY puts the panel
# on the X clipboard while it runs, OK rewrites the file byte for byte.
source "$(dirname "$0")/x_session.sh"

mkdir -p "$WORK/app"
printf '# mine\nxsize = 36 # full frame\nYSIZE = 24\nXRESOL = 6000\nyresol = 4000\nFOCAL = 50\nDMAX = -5\n' \
    >"$WORK/app/kadrel.ini"
start_program kadrel
type_into 610 376 85                 # Focal length (mm)
click_at 592 537                     # COPY
xclip -selection clipboard -t image/png -o >"$WORK/copy.png" || fail "no image on the clipboard"
read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$WORK/copy.png")
width=$(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 ))
height=$(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 ))
[ "$width" -eq 672 ] && [ "$height" -eq 558 ] || fail "clipboard image is ${width}x${height}"
click_at 641 537                     # OK
wait_program
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"

expected=$(printf '%s\n' \
    '# -------------------------------------------------------' \
    '# kadrel.ini' \
    '# config file for the program kadrel' \
    '# kadrel contributors - kadrel project - 2005' \
    '# -------------------------------------------------------' \
    '#' \
    '# taille du capteur CMOS en mm' \
    "XSIZE = 36.0	# x" \
    "YSIZE = 24.0	# y" \
    '# resolution du capteur CMOS en pixel' \
    "XRESOL = 6000	# x" \
    "YRESOL = 4000	# y" \
    '# kadrel objectif (mm)' \
    'FOCAL = 85.0' \
    '# distance maxi (m)' \
    'DMAX = 1.0')
cmp <(printf '%s\n' "$expected") "$WORK/app/kadrel.ini" || fail "kadrel.ini differs: $(cat -A "$WORK/app/kadrel.ini")"
[ -z "$(ls "$WORK/app" | grep '^kadrel.ini.')" ] || fail "temporary file left behind"
echo "settings end to end: 1 passed, 0 failed"
