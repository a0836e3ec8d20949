#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# kadrel installed, as a user meets it: with `cmake --install` into a prefix,
# or, as root, the Debian package built by CPack, installed with apt-get and
# run as an unprivileged user. Either way the program starts from its desktop
# entry's command with a fresh home, keeps a typed focal length in
# ~/.config/kadrel/kadrel.ini and nothing beside itself, and the package
# removes without a trace under /usr. The package is never left installed.
# Usage: install_e2e_test.sh BUILD_DIR VERSION APP_ID prefix|package
set -euo pipefail
VERSION=$2
APP_ID=$3
MODE=$4

if [ "$MODE" = package ]; then
    [ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
    if [[ "$(dpkg-query -W -f='${Status}' kadrel 2>/dev/null || true)" == *"ok installed" ]]; then
        echo "SKIP: a kadrel package is installed already; it is left alone"
        exit 77
    fi
fi
source "$(dirname "$0")/x_session.sh"

PACKAGED=
finish() {
    if [ -n "$PACKAGED" ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kadrel >/dev/null 2>&1 || true
    fi
    cleanup
}
trap finish EXIT

# The user's fresh home, reachable by an unprivileged user inside $WORK.
chmod 711 "$WORK"
HOME_DIR=$WORK/home
USER_RUN=$WORK/user-run
mkdir -m 700 "$HOME_DIR" "$USER_RUN"
AS_USER=()

if [ "$MODE" = package ]; then
    cpack --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$WORK/cpack.log")"
    deb=$WORK/pkg/kadrel_${VERSION}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$WORK/pkg")"
    find /usr -iname '*kadrel*' | sort >"$WORK/usr-before"
    PACKAGED=1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$WORK/apt.log" 2>&1 ||
        fail "apt-get install: $(cat "$WORK/apt.log")"
    ROOT=/usr
    chown nobody:nogroup "$HOME_DIR" "$USER_RUN"
    AS_USER=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    cmake --install "$BUILD_DIR" --prefix "$WORK/prefix" >"$WORK/install.log" ||
        fail "cmake --install: $(cat "$WORK/install.log")"
    ROOT=$WORK/prefix
fi

for file in bin/kadrel share/kadrel/kadrel.uir "share/applications/$APP_ID.desktop" \
    "share/icons/hicolor/scalable/apps/$APP_ID.svg" "share/metainfo/$APP_ID.metainfo.xml" \
    share/man/man1/kadrel.1.gz share/doc/kadrel/copyright; do
    [ -f "$ROOT/$file" ] || fail "$ROOT/$file is not installed"
done
[ -x "$ROOT/libexec/kadrel/kadrel-photo" ] || fail "the photo reader is not installed"

# The menu's command, as the desktop runs it: by name, from PATH; a file
# manager's "Open with" hands it one photo in place of %f.
exec_line=$(sed -n 's/^Exec=//p' "$ROOT/share/applications/$APP_ID.desktop")
[ "$exec_line" = "kadrel %f" ] || fail "the menu's command line is '$exec_line'"
command=${exec_line% %f}
as_user=("${AS_USER[@]}" env -u XDG_CONFIG_HOME "HOME=$HOME_DIR" "XDG_RUNTIME_DIR=$USER_RUN"
    "PATH=$ROOT/bin:/usr/bin:/bin")
[ "$("${as_user[@]}" sh -c "command -v $command")" = "$ROOT/bin/kadrel" ] ||
    fail "the menu's command '$command' is not $ROOT/bin/kadrel"
"${as_user[@]}" "$command" --version >"$WORK/version.txt" || fail "--version failed"
[[ "$(head -1 "$WORK/version.txt")" == "kadrel v$VERSION - "* ]] ||
    fail "version line: $(cat "$WORK/version.txt")"
"${as_user[@]}" env -u DISPLAY "$command" --help >"$WORK/help.txt" || fail "--help failed"
# The installed program finds its installed photo reader.
"$BUILD_DIR/tests/make_photo" "$WORK/d70.jpg" d70 && chmod 644 "$WORK/d70.jpg"
"${as_user[@]}" env -u DISPLAY "$command" photo "$WORK/d70.jpg" >"$WORK/photo.txt" ||
    fail "kadrel photo failed"
grep -qx "camera    Nikon D70" "$WORK/photo.txt" || fail "kadrel photo: $(cat "$WORK/photo.txt")"
grep -qx "  panel file   $ROOT/bin/../share/kadrel/kadrel.uir" "$WORK/help.txt" &&
    grep -qx "  settings     $HOME_DIR/.config/kadrel/kadrel.ini" "$WORK/help.txt" ||
    fail "--help names other files: $(tail -3 "$WORK/help.txt")"

launch "${as_user[@]}" "$command"
# The icon comes just after the first frame.
for _ in $(seq 50); do
    icon=$(xprop -id "$WINDOW" _NET_WM_ICON)
    [[ "$icon" == *"Icon (16 x 16)"* ]] && break
    sleep 0.1
done
[[ "$icon" == *"Icon (16 x 16)"* ]] || fail "the window has no icon"
type_into 610 376 85                 # Focal length (mm)
click_at 641 537                     # OK
wait_program
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"

ini=$HOME_DIR/.config/kadrel/kadrel.ini
grep -qx 'FOCAL = 85.0' "$ini" || fail "no focal length in $ini: $(cat "$ini" 2>&1)"
[ "$(stat -c %a "$HOME_DIR/.config/kadrel")" = 700 ] || fail "settings folder is not private"
[ ! -e "$ROOT/bin/kadrel.ini" ] || fail "kadrel.ini written beside the installed program"

# The command line answers for the camera the window saved, without a display.
"${as_user[@]}" env -u DISPLAY "$command" dof --distance 3 >"$WORK/dof.txt" ||
    fail "kadrel dof failed"
grep -q "focal length 85.00 mm" "$WORK/dof.txt" ||
    fail "kadrel dof is not for the saved camera: $(head -1 "$WORK/dof.txt")"
"$(dirname "$0")/cli_test.sh" "$ROOT/bin/kadrel" || fail "the installed program's command line"

if [ "$MODE" = package ]; then
    [ "$(stat -c %U "$ini")" = nobody ] || fail "kadrel.ini does not belong to the user"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq kadrel >"$WORK/apt.log" 2>&1 ||
        fail "apt-get purge: $(cat "$WORK/apt.log")"
    PACKAGED=
    find /usr -iname '*kadrel*' | sort >"$WORK/usr-after"
    diff "$WORK/usr-before" "$WORK/usr-after" >&2 || fail "the package left files under /usr"
fi
echo "$MODE end to end: 1 passed, 0 failed"
