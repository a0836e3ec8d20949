#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display, or with a platform that cannot start, kadrel ends with
# status -1 (255), cleanly: no abort, no core, and one line on stderr that
# starts with the program's name, as a command-line tool's messages do.
# There -h answers as --help does, for kadrel and its commands: the same
# text, status 0.
set -u
failed=0
passed=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT
check() {  # check STATUS-OF-THE-CONDITION MESSAGE
    if [ "$1" -eq 0 ]; then
        passed=$((passed + 1))
    else
        echo "FAIL: $2" >&2
        failed=$((failed + 1))
    fi
}
for platform in "" wayland nosuch "nosuch;wayland"; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$1" >/dev/null 2>"$err" || status=$?
    [ "$status" -eq 255 ]
    check $? "QT_QPA_PLATFORM=$platform: exit status $status, expected 255"
    [ "$(wc -l <"$err")" -eq 1 ] && grep -q '^kadrel: .*(no display can be reached)$' "$err"
    check $? "QT_QPA_PLATFORM=$platform: said: $(cat "$err")"
done
short_status=0
long_status=0
short=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" -h 2>&1) || short_status=$?
long=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" --help 2>&1) || long_status=$?
[ "$short_status" -eq 0 ] && [ "$long_status" -eq 0 ]
check $? "-h, --help: exit status $short_status, $long_status, expected 0"
[ "${short%%$'\n'*}" = "Usage: kadrel [-h | --help | --version | PHOTO]" ] && [ "$short" = "$long" ]
check $? "-h printed: ${short%%$'\n'*}... (--help: ${long%%$'\n'*}...)"
short=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" dof -h 2>&1) || short_status=$?
long=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" dof --help 2>&1) || long_status=$?
[ "$short_status" -eq 0 ] && [ "$long_status" -eq 0 ] && [ -n "$short" ] && [ "$short" = "$long" ]
check $? "dof -h: status $short_status, printed ${short%%$'\n'*}... (dof --help: ${long%%$'\n'*}...)"
echo "no display: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
