#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kadrel's sub-commands as a script meets them, without a display and under a
# decimal-comma locale: the output in full, the exit status, the one-line
# diagnostics, and the saved camera and preferences as the default.
# Usage: cli_test.sh PROGRAM [copy]
# With "copy" the program and its panel file are copied into a scratch
# folder first (a portable copy); otherwise PROGRAM runs where it is, as
# installed, with a scratch home.
set -u
# As root, in a mount namespace of its own: the PDF writer meets small file
# systems mounted there, which vanish with the test.
if [ "$(id -u)" = 0 ] && [ -z "${KADREL_OWN_MOUNTS:-}" ] && unshare -m true 2>/dev/null; then
    exec env KADREL_OWN_MOUNTS=1 unshare -m "$0" "$@"
fi
WORK=$(mktemp -d)
trap 'umount "$WORK"/full "$WORK"/read-only 2>/dev/null; rm -rf "$WORK"' EXIT
PROGRAM=$1
if [ "${2:-}" = copy ]; then
    mkdir "$WORK/app"
    cp "$PROGRAM" "$(dirname "$PROGRAM")/kadrel.uir" "$WORK/app/"
    PROGRAM=$WORK/app/kadrel
fi
mkdir "$WORK/home"
export HOME=$WORK/home LC_ALL=de_DE.UTF-8
unset XDG_CONFIG_HOME DISPLAY WAYLAND_DISPLAY
failed=0
passed=0
fail() {
    echo "FAIL: $*" >&2
    failed=$((failed + 1))
}

# Runs the program; STATUS, OUT and ERR hold what came back.
run() {
    STATUS=0
    "$PROGRAM" "$@" >"$WORK/out" 2>"$WORK/err" || STATUS=$?
    OUT=$(cat "$WORK/out")
    ERR=$(cat "$WORK/err")
}

# expect NAME STATUS STDOUT STDERR: the last run's results, byte for byte.
expect() {
    if [ "$STATUS" != "$2" ] || [ "$OUT" != "$3" ] || [ "$ERR" != "$4" ]; then
        fail "$1: status $STATUS, stdout:"$'\n'"$OUT"$'\n'"stderr:"$'\n'"$ERR"
        diff <(echo "$3") <(echo "$OUT") >&2
    else
        passed=$((passed + 1))
    fi
}

SETTINGS=$("$PROGRAM" --help | sed -n 's/^  settings     //p')
PREFERENCES=$("$PROGRAM" --help | sed -n 's/^  preferences  //p')
[ -n "$SETTINGS" ] && [ "$(dirname "$PREFERENCES")" = "$(dirname "$SETTINGS")" ] ||
    fail "--help names settings '$SETTINGS' and preferences '$PREFERENCES' in different folders"
mkdir -p "$(dirname "$SETTINGS")"

# The factory camera, nothing saved. Every figure worked out by hand from the
# thin-lens formulas: c = 22.5/3504 mm, H′ = f²/(Nc) = 25.629 m, near =
# H′s/(H′ + s − f) = 2.688 m, far = H′s/(H′ − s + f) = 3.394 m, H = H′ + f.
run dof --distance 3
expect "factory camera at 3 m" 0 "Sensor 22.50 x 15.00 mm, 3504 x 2336 pixels; focal length 24.00 mm; f/3.50
Hyperfocal dist.25.63 m
Object distance 3.00 m
Scale           0.80 mm/pix
Field size WxH  2.79x1.86 m = 5.19 m²
Rear dof        0.40 m
Front dof       0.31 m
Depth Of Field  0.71 m

Subject at 3.00 m, f/3.50
CoC 0.0064 mm = 1 px
Near limit      2.69 m
Far limit       3.39 m
Depth of field  706.2 mm
If focused at the hyperfocal distance (25.65 m): sharp from 12.83 m to ∞
Magnification   1:124.0
Airy disc       4.70 µm (λ 550 nm), 0.73 × the CoC
Diffraction     passes the CoC from f/4.8, two pixels from f/9.6" ""

# Full frame, 50 mm at f/8, 10 ft: c = √(36² + 24²)/1500 = 0.028844 mm,
# H′ = 10.834 m; near 93.99″ = 7′ 10″, far 165.91″ = 13′ 10″, depth 71.92″
# = 5′ 11⅞″ to the eighth, H = 428.50″ = 35′ 9″, half of it 214.25″ =
# 17′ 10″; the disc passes that circle from 0.028844/(2.44 × 0.00055) =
# f/21.49 and two 6 µm pixels from f/8.94. The report takes that circle too:
# H′ = 426.53″ = 35′ 7″; its depths 1.19320 m (375.8 eighths), 0.669231 m
# (210.8) and 1.86243 m (586.6); the field 2.15856 × 1.43904 m = 7.0819 ×
# 4.7213 ft.
run dof --sensor 36x24 --pixels 6000x4000 --focal 50 --aperture 8 --distance "10 ft" \
    --coc d/1500 --units imperial
expect "full frame at 10 ft" 0 "Sensor 36.00 x 24.00 mm, 6000 x 4000 pixels; focal length 50.00 mm; f/8.00
Hyperfocal dist.35′ 7″
Object distance 10′ 0″
Scale           0.36 mm/pix
Field size WxH  7.08x4.72 ft = 33.44 ft²
Rear dof        3′ 11″
Front dof       2′ 2⅜″
Depth Of Field  6′ 1⅜″
CoC 0.0288 mm = d/1500

Subject at 10′ 0″, f/8.00
CoC 0.0288 mm = d/1500
Near limit      7′ 10″
Far limit       13′ 10″
Depth of field  5′ 11⅞″
If focused at the hyperfocal distance (35′ 9″): sharp from 17′ 10″ to ∞
Magnification   1:60.0
Airy disc       10.74 µm (λ 550 nm), 0.37 × the CoC
Diffraction     passes the CoC from f/21.5, two pixels from f/8.9" ""

# With 0.030 mm: near 2.338 m and far 4.185 m at 3 m; 93.18″ (7′ 9⅛″ to the
# eighth) and 168.49″ at 10 ft.
limits() { printf '%s\n' "$OUT" | sed -n 's/^\(Near\|Far\) limit *//p' | paste -sd' '; }
run dof --sensor 36x24 --focal 50 --aperture 8 --distance 3 --coc "0.030 mm"
[ "$STATUS" = 0 ] && [ "$(limits)" = "2.34 m 4.19 m" ] && passed=$((passed + 1)) ||
    fail "0.030 mm at 3 m: $(limits)"
run dof --sensor=36x24 --focal=50 --aperture=8 --distance=10\' --coc=0.03mm --units=imperial
[ "$STATUS" = 0 ] && [ "$(limits)" = "7′ 9⅛″ 14′ 0″" ] && passed=$((passed + 1)) ||
    fail "0.030 mm at 10 ft: $(limits)"

# The saved camera and preferences are the defaults; options override them.
printf 'FOCAL = 50\nXSIZE = 36\nYSIZE = 24\nXRESOL = 6000\nYRESOL = 4000\n' >"$SETTINGS"
printf 'units = imperial\ncoc = 0.030 mm\n' >"$PREFERENCES"
run dof --aperture 8 --distance 10
[ "$STATUS" = 0 ] && [ "$(limits)" = "7′ 9⅛″ 14′ 0″" ] &&
    [[ "$OUT" == *"focal length 50.00 mm"* ]] && passed=$((passed + 1)) ||
    fail "saved camera, feet by default: $OUT"
run dof --aperture 8 --distance 3 --units metric
[ "$STATUS" = 0 ] && [ "$(limits)" = "2.34 m 4.19 m" ] && passed=$((passed + 1)) ||
    fail "--units over the saved preferences: $(limits)"
rm -f "$SETTINGS" "$PREFERENCES"

# A settings file that cannot be read: said once, the factory camera used.
mkfifo "$SETTINGS"
run dof --distance 3
[ "$STATUS" = 0 ] && [[ "$OUT" == *"focal length 24.00 mm"* ]] &&
    [ "$ERR" = "kadrel: $SETTINGS: not a regular file; using the factory camera" ] &&
    passed=$((passed + 1)) || fail "unreadable kadrel.ini: $STATUS $ERR"
rm -f "$SETTINGS"

# Usage errors: status 2, one line on stderr, nothing on stdout.
while IFS='|' read -r message args; do
    eval "run $args"
    expect "$args" 2 "" "$message"
done <<'CASES'
kadrel dof: --distance: "3 furlongs" is not a distance|dof --distance "3 furlongs"
kadrel dof: --distance: "-2 m" is not a distance|dof --distance "-2 m"
kadrel dof: --distance: "ft" is not a distance|dof --distance ft
kadrel dof: --distance: "inf m" is not a distance|dof --distance "inf m"
kadrel dof: --distance is required (see kadrel dof --help)|dof --focal 50
kadrel dof: --distance needs a value|dof --distance
kadrel dof: --distance: the subject must be beyond the focal length|dof --focal 50 --distance 40mm
kadrel dof: --focal: "5" is not a focal length from 10 to 2000 mm|dof --focal 5 --distance 3
kadrel dof: --aperture: "f/8" is not an f-number from 1 to 50|dof --aperture f/8 --distance 3
kadrel dof: --sensor: "36" is not a sensor size in mm such as 36x24|dof --sensor 36 --distance 3
kadrel dof: --pixels: "6000.5x4000" is not a pixel count such as 6000x4000|dof --pixels 6000.5x4000 --distance 3
kadrel dof: --coc: "0.4 px" is not a circle of confusion|dof --coc "0.4 px" --distance 3
kadrel dof: --units: "furlongs" is not metric or imperial|dof --units furlongs --distance 3
kadrel dof: --sensor: "1e3x24" is not a sensor size in mm such as 36x24|dof --sensor 1e3x24 --distance 3
kadrel dof: --focal: "" is not a focal length from 10 to 2000 mm|dof --focal= --distance 3
kadrel dof: unknown option "--depth" (see kadrel dof --help)|dof --distance 3 --depth
kadrel dof: --distance: "1e39" is not a distance|dof --distance 1e39
kadrel: 'stak' is not a command (did you mean 'stack'?)|stak --near 1 --far 2
kadrel: 'dfo' is not a command (did you mean 'dof'?)|dfo --distance 3
kadrel: 'frobnicate' is not a command (see kadrel --help)|frobnicate --csv
kadrel stack: --overlap: "" is not a share from 0 to 50 per cent|stack --near 1 --far 2 --overlap ''
kadrel stack: --overlap: "" is not a share from 0 to 50 per cent|stack --near 1 --far 2 --overlap=
kadrel table: --aperture: not a table option (use --apertures LIST)|table --csv --aperture 8 --distance 3
kadrel table: --distance: not a table option (use --distances LIST)|table --csv --distance=3
kadrel table: --focal needs a value|table --csv --focal
kadrel table: --focal: "5,50" is not a list of focal lengths|table --csv --focal 5,50
CASES

big=1$(printf '0%.0s' $(seq 40))
run dof --sensor "${big}x24" --distance 3
expect "a sensor wider than a float holds" 2 "" "kadrel dof: --sensor: \"${big}x24\" is not a sensor size in mm such as 36x24"

# kadrel stack, 24 mm at f/8 from 1 m to infinity, shots just touching: each
# row rounded from the thin-lens limits worked out in python (focus s with
# near limit on the previous far: s = a(H′ − f)/(H′ − a); bracketing with far
# limit on the previous near: s = b(H′ + f)/(H′ + b)), and f/45.4 for one shot
# from H′ = 2A − f.
run stack --focal 24 --aperture 8 --near 1 --far inf --overlap 0
expect "landscape stack and bracketing" 0 "24 mm at f/8, CoC 0.0064 mm = 1 px; zone 1.00 m to ∞, overlap 0 %

Focus stack, near to far: 6 shots, sharp from 1.00 m to ∞
shot  focus       from sensor near        far         depth       step
    1 1.10 m      1.12 m      1.00 m      1.21 m      211.3 mm
    2 1.36 m      1.38 m      1.21 m      1.54 m      326.3 mm    259.6 mm
    3 1.78 m      1.80 m      1.54 m      2.11 m      570.4 mm    423.1 mm
    4 2.59 m      2.61 m      2.11 m      3.36 m      1.25 m      812.3 mm
    5 4.79 m      4.81 m      3.36 m      8.32 m      4.96 m      2.20 m
    6 32.19 m     32.21 m     8.32 m      ∞           ∞           27.40 m

Hyperfocal bracketing, from infinity: 6 shots, sharp from 946.4 mm to ∞
shot  focus       from sensor near        far         depth       step
    1 11.24 m     11.26 m     5.62 m      ∞           ∞
    2 3.75 m      3.78 m      2.82 m      5.62 m      2.80 m      7.49 m
    3 2.26 m      2.28 m      1.88 m      2.82 m      934.4 mm    1.50 m
    4 1.61 m      1.64 m      1.41 m      1.88 m      467.2 mm    641.0 mm
    5 1.26 m      1.28 m      1.13 m      1.41 m      280.3 mm    356.0 mm
    6 1.03 m      1.06 m      0.946 m     1.13 m      186.9 mm    226.6 mm

One shot instead: focus at 2.00 m (2.02 m from the sensor) at f/45.4, marked f/51.
Its Airy disc, 69.3 µm, is wider than the 0.0064 mm circle: take the stack instead." ""

# 100 mm at f/2.8 from 0.40 to 0.42 m: 44 shots, as CSV in metres; the first
# at 400.216 mm (533.525 mm from the sensor), the last at 419.857 mm, sharp to
# 420.099 mm.
run stack --focal 100 --aperture 2.8 --near 0.40 --far 0.42 --overlap 0 --csv
[ "$STATUS" = 0 ] && [ "$(wc -l <"$WORK/out")" = 45 ] &&
    [ "$(sed -n 2p "$WORK/out")" = $'stack,1,0.400216,0.533525,0.400000,0.400432,0.000432,\r' ] &&
    [ "$(tail -1 "$WORK/out")" = $'stack,44,0.419857,0.551121,0.419616,0.420099,0.000483,0.000482\r' ] &&
    passed=$((passed + 1)) || fail "macro stack as CSV: status $STATUS, $OUT"

# Zones that cannot be planned: a message and status 2 for what was typed,
# status 1 for a zone that would take more than 10,000 shots.
while IFS='|' read -r status message args; do
    eval "run $args"
    expect "$args" "$status" "" "$message"
done <<'CASES'
2|kadrel stack: the near end must be closer than the far end|stack --near 2 --far 1
2|kadrel stack: the near end must lie beyond the focal length|stack --focal 50 --near 40mm --far 1
2|kadrel stack: --near and --far are required (see kadrel stack --help)|stack --near 1
2|kadrel stack: --far: "far" is not a distance or inf|stack --near 1 --far far
2|kadrel stack: --overlap: "60" is not a share from 0 to 50 per cent|stack --near 1 --far 2 --overlap 60
2|kadrel stack: --near needs a value|stack --far 2 --near
2|kadrel stack: unknown option "--width" (see kadrel stack --help)|stack --near 1 --far 2 --width
2|kadrel stack: --depth: "deep" is not geometric or wave|stack --near 1 --far 2 --depth deep
2|kadrel dof: --pupil: "0" is not a pupil magnification from 0.1 to 10|dof --distance 1 --pupil 0
2|kadrel stack: --rail needs --magnification and --subject|stack --rail --subject 10mm
2|kadrel stack: --magnification: "1:0" is not a magnification such as 0.5 or 1:2|stack --rail --subject 10mm --magnification 1:0
2|kadrel stack: --rail does not take "--near" (see kadrel stack --help)|stack --rail --subject 10mm --magnification 1 --near 1
1|kadrel stack: planning by wave optics needs a far end short of infinity|stack --near 1 --far inf --depth wave
2|kadrel tilt: give one of --tilt, --height or --through (see kadrel tilt --help)|tilt --focal 24
2|kadrel tilt: --distance goes with --tilt only|tilt --height 1.6 --distance 3
2|kadrel tilt: --through: "2,1.5,10" is not two points as D,H,D,H|tilt --through 2,1.5,10
2|kadrel tilt: --through: "2,1,10,1.5" is not two points a tilted plane of focus can reach|tilt --through 2,1,10,1.5
2|kadrel tilt: --tilt: "0" is not a tilt from -15 to 15 degrees, not 0|tilt --tilt 0
2|kadrel tilt: --height: "0.05" is not a height the tilt can reach (15 degrees at most)|tilt --focal 24 --height 0.05
1|kadrel stack: the zone needs more than 10000 shots|stack --focal 2000 --aperture 1 --coc "0.001 mm" --near 3 --far inf
CASES

# Tilted 0.7°, 24 mm: J = f / sin θ = 1.9645 m; focused at infinity the near
# plane meets the axis at H′ = 25.629 m, atan(H′/J) = 85.617° from upright;
# at H = 25.653 m out the zone spans J(H/H′ − 1) = 1.84 mm above the axis
# to J(1 + H/H′) = 3.931 m below. At 1.6 m, asin(24 mm / 1.6 m) = 0.8595°.
run tilt --focal 24 --tilt 0.7
expect "tilt" 0 "Tilt 0.70°, focal length 24.00 mm, f/3.50, CoC 0.0064 mm = 1 px
Hinge line      1.96 m below the lens
Plane of focus  90.00° from the sensor plane, never crossing the axis
Near plane      85.62° from the sensor plane, crossing the axis at 25.63 m
Far plane       94.38° from the sensor plane, never crossing the axis
Out at          25.65 m
Sharp zone      3.93 m below to 1.8 mm above the axis (3.93 m)
Focus there     1.96 m below the axis" ""
run tilt --focal 24 --height 1.6
[ "$STATUS" = 0 ] && [[ "$OUT" == "A tilt of 0.86° lays the plane of focus on the ground 1.60 m below the lens."* ]] &&
    passed=$((passed + 1)) || fail "tilt for a height: status $STATUS, $OUT"
# Through 1.5 m below at 2 m and 1 m below at 10 m: the line meets the lens
# plane 1.625 m below (asin(24 mm / 1.625 m) = 0.846°) and the axis at 26 m.
run tilt --focal 24 --through 2,1.5,10,1
[ "$STATUS" = 0 ] && [[ "$OUT" == "A tilt of 0.85° lays the plane of focus through 1.50 m below the axis at 2.00 m and 1.00 m below at 10.00 m."* ]] &&
    [[ "$OUT" == *"Plane of focus  86.42° from the sensor plane, crossing the axis at 26.00 m"* ]] &&
    passed=$((passed + 1)) || fail "tilt through two points: status $STATUS, $OUT"
# On a rail, 60 mm f/4 at 1:2, Micro Four Thirds with d/1500 = 0.014427 mm:
# 2Nc(1 + m)/m² = 0.6925 mm, 4λN_eff²/m² = 0.3168 mm, the step 90 % of the
# first, 1 + ⌈(10 − 0.6925)/0.6232⌉ = 16 shots, f(1/m + 1) = 180 mm away.
run stack --sensor 17.3x13 --focal 60 --aperture 4 --coc d/1500 --rail --magnification 1:2 --subject 10mm
expect "rail" 0 "Rail stack      magnification 1:2.0, the subject 180.0 mm from the entrance pupil
Effective       f/6.00
Depth           0.7 mm geometric, 0.3 mm by wave optics; planned by geometry
Rail step       0.6 mm (10 % overlap)
Shots           16 for a subject 10.0 mm deep (15 steps)" ""

# Help on stdout with status 0; a failed write is a failure.
run --help
[ "$STATUS" = 0 ] && grep -q '^  dof  ' "$WORK/out" && passed=$((passed + 1)) ||
    fail "kadrel --help does not list dof: $OUT"
run dof --help
[ "$STATUS" = 0 ] && [[ "$OUT" == "Usage: kadrel dof --distance D [options]"* ]] &&
    [[ "$OUT" == *"--coc C"* ]] && passed=$((passed + 1)) || fail "kadrel dof --help: $OUT"
run stack --help
[ "$STATUS" = 0 ] && [[ "$OUT" == "Usage: kadrel stack --near D --far D"* ]] &&
    [[ "$OUT" == *"--coc C"* ]] && grep -q '^  stack  ' <("$PROGRAM" --help) &&
    passed=$((passed + 1)) || fail "kadrel stack --help: $OUT"
# kadrel table: the cards as CSV, byte for byte (CRLF line ends). Full frame,
# c = 0.030 mm, 50 mm: H′ = f²/(Nc) = 10.4167 m at f/8, 3.7879 m at f/22;
# near = H′s/(H′ + s − f), far = H′s/(H′ − s + f); at 5 m f/22 is past H.
CR=$'\r'
CAMERA='"Full frame, 36 × 24 mm, 6000 × 4000 pixels",50,0.03'
run table --csv --focal 50 --sensor 36x24 --pixels 6000x4000 --coc "0.030 mm" \
    --apertures f/8,22 --distances 3,5
expect "table as CSV" 0 "camera,focal_mm,coc_mm,aperture,focus_m,near_m,far_m,hyperfocal_m,hyperfocal_near_m$CR
$CAMERA,8,3.000,2.338,4.185,10.467,5.233$CR
$CAMERA,22,3.000,1.687,13.562,3.838,1.919$CR
$CAMERA,8,5.000,3.389,9.527,10.467,5.233$CR
$CAMERA,22,5.000,2.168,inf,3.838,1.919$CR" ""
# In feet: focused at 10 ft = 3.048 m, near 7.765 ft, far 14.041 ft; H =
# 10.4667 m = 34.339 ft.
run table --csv --focal=50 --sensor 36x24 --pixels 6000x4000 --coc "0.030 mm" \
    --apertures 8 --distances "10" --units imperial
expect "table in feet" 0 "camera,focal_mm,coc_mm,aperture,focus_ft,near_ft,far_ft,hyperfocal_ft,hyperfocal_near_ft$CR
$CAMERA,8,10.000,7.765,14.041,34.339,17.170$CR" ""
run table
expect "table without an output" 2 "" "kadrel table: give one of --csv or --pdf FILE (see kadrel table --help)"
run table --csv --pdf "$WORK/cards.pdf"
expect "table with two outputs" 2 "" "kadrel table: give one of --csv or --pdf FILE (see kadrel table --help)"
run table --csv --apertures 2,x
expect "table with a bad list" 2 "" 'kadrel table: --apertures: "2,x" is not a list of f-numbers'
run table --csv --focal 24,,50
expect "table with an empty item" 2 "" 'kadrel table: --focal: "24,,50" is not a list of focal lengths'
run table --csv --distances "1, inf"
expect "table to infinity" 2 "" 'kadrel table: --distances: "1, inf" is not a list of distances'
run table --csv --bogus
expect "table with an unknown option" 2 "" 'kadrel table: unknown option "--bogus" (see kadrel table --help)'
# As a PDF, without a display: one page per focal length, each with its
# header, made by kadrel and its version, and not a word on stderr.
run table --pdf "$WORK/cards.pdf" --focal 24,35,50 --sensor 36x24 --pixels 6000x4000 --coc "0.030 mm"
info=$(pdfinfo "$WORK/cards.pdf" 2>/dev/null)
third=$(pdftotext -f 3 -l 3 -layout "$WORK/cards.pdf" - 2>/dev/null)
creator=$("$PROGRAM" --version | sed -n 's/^kadrel v\([0-9.]*\) .*/kadrel \1/p')
[ "$STATUS" = 0 ] && [ -z "$OUT$ERR" ] && [[ "$info" == *$'\nPages:           3\n'* ]] &&
    [[ "$info" == *$'\nCreator:         '"$creator"$'\n'* ]] &&
    [[ "$third" == *"Depth of field, 50 mm lens"* ]] &&
    [[ "$third" == *"Circle of confusion: CoC 0.0300 mm"* ]] && passed=$((passed + 1)) ||
    fail "table as PDF: status $STATUS, $ERR, $info"

# The PDF is written whole or not at all: a failure is one line, a signal
# ends the command as a shell expects, and the file there before is kept byte
# for byte, with nothing left beside it. Rows: status, the failure, the
# target, and how it fails: a full or read-only file system (mounted only as
# root), a file size limit, INT, TERM or HUP a second into 32 cards of 32 × 32.
printf 'an older PDF\n' >"$WORK/old.pdf"
mkfifo "$WORK/fifo"
mkdir "$WORK/full" "$WORK/read-only" "$WORK/limited" "$WORK/signalled"
mounted=no
if [ -n "${KADREL_OWN_MOUNTS:-}" ] && mount -t tmpfs -o size=64k tmpfs "$WORK/full" &&
    mount -t tmpfs -o size=64k tmpfs "$WORK/read-only"; then
    cp "$WORK/old.pdf" "$WORK/full/cards.pdf"
    head -c 100k /dev/zero >"$WORK/full/filler" 2>/dev/null
    cp "$WORK/old.pdf" "$WORK/read-only/cards.pdf"
    mount -o remount,ro "$WORK/read-only" && mounted=yes
fi
cp "$WORK/old.pdf" "$WORK/limited/cards.pdf"
cp "$WORK/old.pdf" "$WORK/signalled/cards.pdf"
export LC_ALL=C.UTF-8  # the system's reasons in English
while IFS='|' read -r status reason target how; do
    target=${target//WORK/$WORK}
    if [ "$how" = mount ] && [ "$mounted" = no ]; then
        echo "skipped: $target needs root and a mount namespace" >&2
        continue
    fi
    STATUS=0
    case $how in
    INT | TERM | HUP)
        timeout --preserve-status -s "$how" 1 "$PROGRAM" table --pdf "$target" \
            --focal "$(seq -s, 10 5 165)" --apertures "$(seq -s, 1 0.5 16.5)" \
            --distances "$(seq -s, 1 32)"
        ;;
    limit) (ulimit -f 4 && trap '' XFSZ && exec "$PROGRAM" table --pdf "$target") ;;
    *) "$PROGRAM" table --pdf "$target" ;;
    esac >"$WORK/out" 2>"$WORK/err" || STATUS=$?
    OUT=$(cat "$WORK/out")
    ERR=$(cat "$WORK/err")
    expect "PDF to $target ($how)" "$status" "" "${reason:+kadrel table: $target: $reason}"
    if [ -f "$target" ] && ! cmp -s "$WORK/old.pdf" "$target"; then
        fail "PDF to $target ($how): the older file was not kept"
    fi
    ls "$target".* >/dev/null 2>&1 && fail "PDF to $target ($how): a partial file was left"
done <<'CASES'
1|not a regular file|/dev/full|
1|not a regular file|WORK/fifo|
1|No such file or directory|WORK/no/such/folder.pdf|
1|No space left on device|WORK/full/cards.pdf|mount
1|Read-only file system|WORK/read-only/cards.pdf|mount
1|File too large|WORK/limited/cards.pdf|limit
130||WORK/signalled/cards.pdf|INT
143||WORK/signalled/cards.pdf|TERM
129||WORK/signalled/cards.pdf|HUP
CASES
export LC_ALL=de_DE.UTF-8
run --help
[[ "$OUT" == *"  table "* ]] && passed=$((passed + 1)) || fail "kadrel --help does not list table"

# The camera bag beside the settings: listed, and its names taken by a unique
# start; the lens keeps the factory 24 mm and opens no wider than its f/4
# there. An unknown or ambiguous name lists the candidates.
BAG=$(dirname "$SETTINGS")/bag.ini
printf '%s\n' "[body]" "name = Sony A6000" "sensor = 23.5 x 15.6 mm" "resolution = 6000 x 4000" \
    "[lens]" "name = Sony E 18-55mm f/3.5-5.6 OSS" "mount = Sony E" "focal = 18-55 mm" \
    "widest = 18 mm f/3.5, 24 mm f/4" "[lens]" "name = Sony FE 85mm f/1.8" "focal = 85-85 mm" \
    "widest = 85 mm f/1.8" "minimum focus = 0.8 m" "pupil magnification = 0.9" "[pin]" "name = portrait" "lens = Sony FE 85mm f/1.8" "focal = 85 mm" "aperture = f/1.8" \
    "distance = 2.5 m" "sensor width = 23.5 mm" "coc = 0.004 mm" >"$BAG"
run bag
expect "the bag listed" 0 "Bag file: $BAG
Bodies:
  Sony A6000                     23.5 × 15.6 mm, 6000 × 4000 pixels
Lenses:
  Sony E 18-55mm f/3.5-5.6 OSS   18-55 mm, widest f/3.5 at 18 mm, f/4 at 24 mm; Sony E
  Sony FE 85mm f/1.8             85-85 mm, widest f/1.8 at 85 mm, focuses to 800.0 mm, pupil magnification 0.9
Pinned setups:
  portrait                       85 mm f/1.8 at 2.50 m, Sony FE 85mm f/1.8" ""
run dof --body sony --lens "SONY E" --distance 3
[ "$STATUS" = 0 ] && [ "${OUT%%$'\n'*}" = "Sensor 23.50 x 15.60 mm, 6000 x 4000 pixels; focal length 24.00 mm; f/4.00" ] &&
    passed=$((passed + 1)) || fail "dof with a body and a lens: status $STATUS, $OUT $ERR"
# The table's stops are the lens's: it opens to f/3.67 at 20 mm, so f/4 first.
run table --csv --lens "sony e" --focal 20
apertures=$(printf '%s\n' "$OUT" | python3 -c 'import csv, sys
print(*sorted({row[3] for row in list(csv.reader(sys.stdin))[1:]}, key=float))')
[ "$STATUS" = 0 ] && [ "$apertures" = "4 5.6 8 11 16 22" ] &&
    passed=$((passed + 1)) || fail "table with a lens: status $STATUS, apertures $apertures $ERR"
run dof --lens "sony" --distance 3
expect "an ambiguous lens" 2 "" 'kadrel dof: --lens: "sony" could be any of:
  Sony E 18-55mm f/3.5-5.6 OSS
  Sony FE 85mm f/1.8'
run dof --body canon --distance 3
expect "an unknown body" 2 "" 'kadrel dof: --body: "canon" is not in the bag; it has:
  Sony A6000'
rm -f "$BAG"

for args in "dof --distance 3" "dof --help" "table --csv" "stack --near 1 --far inf"; do
    status=0
    "$PROGRAM" $args >/dev/full 2>"$WORK/err" || status=$?
    [ "$status" = 1 ] && [ "$(cat "$WORK/err")" = "kadrel: write error: No space left on device" ] &&
        passed=$((passed + 1)) || fail "$args > /dev/full: status $status, $(cat "$WORK/err")"
done
[ ! -e "$SETTINGS" ] && [ ! -e "$PREFERENCES" ] || fail "a sub-command wrote a file"

echo "command line: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
