#!/usr/bin/env bash
# Without a display, or with a platform that cannot start, kadrel ends with
# status -1 (255), cleanly: no abort, no core, and one line on stderr that
# starts with the program's name, as a command-line tool's messages do.
set -u
failed=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for platform in "" wayland nosuch "nosuch;wayland"; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" "$1" >/dev/null 2>"$err" || status=$?
    if [ "$status" -ne 255 ]; then
        echo "FAIL: QT_QPA_PLATFORM=$platform: exit status $status, expected 255" >&2
        failed=$((failed + 1))
    elif [ "$(wc -l <"$err")" -ne 1 ] || ! grep -q '^kadrel: .*(no display can be reached)$' "$err"; then
        echo "FAIL: QT_QPA_PLATFORM=$platform: said: $(cat "$err")" >&2
        failed=$((failed + 1))
    fi
done
echo "no display: $((4 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
