#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Debian package as lintian reads it: a tag on its licence or copyright
# fails the test; every other tag is shown for the reader.
# Usage: package_lint_test.sh BUILD_DIR
set -euo pipefail
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

cpack --config "$1/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 || {
    cat "$WORK/cpack.log"
    exit 1
}
lintian --pedantic --display-info --fail-on none "$WORK"/kadrel_*.deb >"$WORK/lintian.log" 2>"$WORK/lintian.err" || {
    cat "$WORK/lintian.err"
    exit 1
}
cat "$WORK/lintian.log"
if grep -Ei '^[A-Z]: [^ ]+: [^ ]*(copyright|licen[cs]e)' "$WORK/lintian.log" >"$WORK/licence.log"; then
    echo "FAIL: lintian finds licence or copyright problems:"
    cat "$WORK/licence.log"
    exit 1
fi
