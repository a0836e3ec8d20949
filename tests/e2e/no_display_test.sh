#!/usr/bin/env bash
# Without a display kadrel ends with status -1 (255), cleanly: no abort, no core.
set -u
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" >/dev/null 2>&1 || status=$?
if [ "$status" -ne 255 ]; then
    echo "FAIL: exit status $status, expected 255" >&2
    exit 1
fi
echo "no display: 1 passed, 0 failed"
