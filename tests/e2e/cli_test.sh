#!/usr/bin/env bash
# kadrel's sub-commands as a script meets them, without a display and under a
# decimal-comma locale: the output in full, the exit status, the one-line
# diagnostics, and the saved camera and preferences as the default.
# Usage: cli_test.sh PROGRAM [copy]
# With "copy" the program and its panel file are copied into a scratch
# folder first (a portable copy); otherwise PROGRAM runs where it is, as
# installed, with a scratch home.
set -u
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
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
Airy disc       4.70 µm (λ 550 nm), 0.73 × the CoC" ""

# Full frame, 50 mm at f/8, 10 ft: c = √(36² + 24²)/1500 = 0.028844 mm,
# H′ = 10.834 m; near 93.99″ = 7′ 10″, far 165.91″ = 13′ 10″, depth 71.92″,
# H = 428.50″ = 35′ 9″, half of it 214.25″ = 17′ 10″.
run dof --sensor 36x24 --pixels 6000x4000 --focal 50 --aperture 8 --distance "10 ft" \
    --coc d/1500 --units imperial
expect "full frame at 10 ft" 0 "Sensor 36.00 x 24.00 mm, 6000 x 4000 pixels; focal length 50.00 mm; f/8.00
Hyperfocal dist.52.08 m
Object distance 3.05 m
Scale           0.36 mm/pix
Field size WxH  2.16x1.44 m = 3.11 m²
Rear dof        0.19 m
Front dof       0.17 m
Depth Of Field  0.36 m

Subject at 10′ 0″, f/8.00
CoC 0.0288 mm = d/1500
Near limit      7′ 10″
Far limit       13′ 10″
Depth of field  6′ 0″
If focused at the hyperfocal distance (35′ 9″): sharp from 17′ 10″ to ∞
Magnification   1:60.0
Airy disc       10.74 µm (λ 550 nm), 0.37 × the CoC" ""

# With 0.030 mm: near 2.338 m and far 4.185 m at 3 m; 93.18″ and 168.49″ at 10 ft.
limits() { printf '%s\n' "$OUT" | sed -n 's/^\(Near\|Far\) limit *//p' | paste -sd' '; }
run dof --sensor 36x24 --focal 50 --aperture 8 --distance 3 --coc "0.030 mm"
[ "$STATUS" = 0 ] && [ "$(limits)" = "2.34 m 4.19 m" ] && passed=$((passed + 1)) ||
    fail "0.030 mm at 3 m: $(limits)"
run dof --sensor=36x24 --focal=50 --aperture=8 --distance=10\' --coc=0.03mm --units=imperial
[ "$STATUS" = 0 ] && [ "$(limits)" = "7′ 9″ 14′ 0″" ] && passed=$((passed + 1)) ||
    fail "0.030 mm at 10 ft: $(limits)"

# The saved camera and preferences are the defaults; options override them.
printf 'FOCAL = 50\nXSIZE = 36\nYSIZE = 24\nXRESOL = 6000\nYRESOL = 4000\n' >"$SETTINGS"
printf 'units = imperial\ncoc = 0.030 mm\n' >"$PREFERENCES"
run dof --aperture 8 --distance 10
[ "$STATUS" = 0 ] && [ "$(limits)" = "7′ 9″ 14′ 0″" ] &&
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
kadrel: --distance: "3 furlongs" is not a distance|dof --distance "3 furlongs"
kadrel: --distance: "-2 m" is not a distance|dof --distance "-2 m"
kadrel: --distance: "ft" is not a distance|dof --distance ft
kadrel: --distance: "inf m" is not a distance|dof --distance "inf m"
kadrel: dof: --distance is required (see kadrel dof --help)|dof --focal 50
kadrel: --distance needs a value|dof --distance
kadrel: --distance: the subject must be beyond the focal length|dof --focal 50 --distance 40mm
kadrel: --focal: "5" is not a focal length from 10 to 2000 mm|dof --focal 5 --distance 3
kadrel: --aperture: "f/8" is not an f-number from 1 to 50|dof --aperture f/8 --distance 3
kadrel: --sensor: "36" is not a sensor size in mm such as 36x24|dof --sensor 36 --distance 3
kadrel: --pixels: "6000.5x4000" is not a pixel count such as 6000x4000|dof --pixels 6000.5x4000 --distance 3
kadrel: --coc: "0.4 px" is not a circle of confusion|dof --coc "0.4 px" --distance 3
kadrel: --units: "furlongs" is not metric or imperial|dof --units furlongs --distance 3
kadrel: --sensor: "1e3x24" is not a sensor size in mm such as 36x24|dof --sensor 1e3x24 --distance 3
kadrel: --focal: "" is not a focal length from 10 to 2000 mm|dof --focal= --distance 3
kadrel: dof: unknown argument "--depth" (see kadrel dof --help)|dof --distance 3 --depth
CASES

big=1$(printf '0%.0s' $(seq 40))
run dof --sensor "${big}x24" --distance 3
expect "a sensor wider than a float holds" 2 "" "kadrel: --sensor: \"${big}x24\" is not a sensor size in mm such as 36x24"

# Help on stdout with status 0; a failed write is a failure.
run --help
[ "$STATUS" = 0 ] && grep -q '^  dof  ' "$WORK/out" && passed=$((passed + 1)) ||
    fail "kadrel --help does not list dof: $OUT"
run dof --help
[ "$STATUS" = 0 ] && [[ "$OUT" == "Usage: kadrel dof --distance D [options]"* ]] &&
    [[ "$OUT" == *"--coc C"* ]] && passed=$((passed + 1)) || fail "kadrel dof --help: $OUT"
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
expect "table without an output" 2 "" "kadrel: table: give one of --csv or --pdf FILE (see kadrel table --help)"
run table --csv --pdf "$WORK/cards.pdf"
expect "table with two outputs" 2 "" "kadrel: table: give one of --csv or --pdf FILE (see kadrel table --help)"
run table --csv --apertures 2,x
expect "table with a bad list" 2 "" 'kadrel: --apertures: "2,x" is not a list of f-numbers'
run table --csv --focal 24,,50
expect "table with an empty item" 2 "" 'kadrel: --focal: "24,,50" is not a list of focal lengths'
run table --csv --distances "1, inf"
expect "table to infinity" 2 "" 'kadrel: --distances: "1, inf" is not a list of distances'
run table --csv --bogus
expect "table with an unknown option" 2 "" 'kadrel: table: unknown argument "--bogus" (see kadrel table --help)'
# As a PDF, without a display: one page per focal length, each with its header.
run table --pdf "$WORK/cards.pdf" --focal 24,35,50 --sensor 36x24 --pixels 6000x4000 --coc "0.030 mm"
pages=$(pdfinfo "$WORK/cards.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
third=$(pdftotext -f 3 -l 3 -layout "$WORK/cards.pdf" - 2>/dev/null)
[ "$STATUS" = 0 ] && [ -z "$OUT" ] && [ "$pages" = 3 ] && [[ "$third" == *"Depth of field, 50 mm lens"* ]] &&
    [[ "$third" == *"Circle of confusion: CoC 0.0300 mm"* ]] && passed=$((passed + 1)) ||
    fail "table as PDF: status $STATUS, $pages pages, $ERR"
run table --pdf "$WORK/no/such/folder.pdf"
[ "$STATUS" = 1 ] && [[ "$ERR" == *"kadrel: $WORK/no/such/folder.pdf: No such file or directory" ]] &&
    passed=$((passed + 1)) || fail "table to an unwritable PDF: status $STATUS, $ERR"
run --help
[[ "$OUT" == *"  table "* ]] && passed=$((passed + 1)) || fail "kadrel --help does not list table"

for args in "dof --distance 3" "dof --help" "table --csv"; do
    status=0
    "$PROGRAM" $args >/dev/full 2>"$WORK/err" || status=$?
    [ "$status" = 1 ] && [ "$(cat "$WORK/err")" = "kadrel: write error: No space left on device" ] &&
        passed=$((passed + 1)) || fail "$args > /dev/full: status $status, $(cat "$WORK/err")"
done
[ ! -e "$SETTINGS" ] && [ ! -e "$PREFERENCES" ] || fail "a sub-command wrote a file"

echo "command line: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
