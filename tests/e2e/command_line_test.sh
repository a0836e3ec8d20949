#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kadrel --help and --version answer as coreutils' tools do: the text on
# stdout and status 0, or, when it cannot be written (a full disk, a closed
# stdout), status 1 and one line on stderr. The manual page lists the keys
# --help lists, row for row.
# Usage: command_line_test.sh PROGRAM MANUAL-PAGE
set -u
program=$1
manual=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

# expect WHAT STATUS STDERR: the last run's status and what it said.
expect() {
    if [ "$status" -eq "$2" ] && [ "$(cat "$work/err")" = "$3" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL: $1: status $status, said: $(cat "$work/err")" >&2
        failed=$((failed + 1))
    fi
}

for option in --version --help; do
    status=0
    "$program" "$option" >"$work/out" 2>"$work/err" || status=$?
    expect "$option" 0 ""
    status=0
    "$program" "$option" >/dev/full 2>"$work/err" || status=$?
    expect "$option >/dev/full" 1 "kadrel: write error: No space left on device"
    status=0
    "$program" "$option" >&- 2>"$work/err" || status=$?
    expect "$option >&-" 1 "kadrel: write error: Bad file descriptor"
done

# The keys: --help's column beside the manual page's tags.
"$program" --help | sed -n '/^Keys in the window:$/,/^$/p' | sed -n 's/^  \([^ ].\{0,18\}[^ ]\)  *[A-Z].*/\1/p' >"$work/help_keys"
sed -n '/^\.SH KEYS$/,/^\.SH /{s/^\.B "\(.*\)"$/\1/p}' "$manual" >"$work/manual_keys"
if [ -s "$work/help_keys" ] && diff "$work/help_keys" "$work/manual_keys" >&2; then
    passed=$((passed + 1))
else
    echo "FAIL: the keys of --help and of the manual page differ" >&2
    failed=$((failed + 1))
fi
for key in F1 Ctrl+C Ctrl+Q Ctrl+D 'Menu, Shift+F10' Escape 'Home, End' 'Page Up, Page Down'; do
    if grep -qxF "$key" "$work/manual_keys"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $key is not in the manual page" >&2
        failed=$((failed + 1))
    fi
done
echo "command line: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
