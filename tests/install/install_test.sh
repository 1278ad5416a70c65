#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and starts both programs from an
# empty folder, as a desktop menu would start them: each must make the
# user's program folder from the installed data and run there.
#   install_test.sh BUILD_DIR
set -eu
build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -f "$prefix/share/boxmill/program/Newcab.dat" ] || fail "the program folder is not installed"
[ -f "$prefix/share/applications/boxmill.desktop" ] || fail "no desktop entry"
[ -f "$prefix/share/icons/hicolor/scalable/apps/boxmill.svg" ] || fail "no icon"
# The desktop entry opens the cabinet file type that is installed beside it.
mime="$prefix/share/mime/packages/boxmill.xml"
[ -f "$mime" ] || fail "no cabinet file type"
type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")"
[ "$type" = "application/x-boxmill-cabinet" ] || fail "the file type is '$type'"
grep -qx "MimeType=$type;" "$prefix/share/applications/boxmill.desktop" || fail "the desktop entry opens no $type"
grep -q '^Exec=boxmill %f$' "$prefix/share/applications/boxmill.desktop" || fail "the desktop entry passes no file"
if command -v update-mime-database >/dev/null 2>&1; then
    update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the file type"
    grep -q "^60:$type:\*\.cab$" "$prefix/share/mime/globs2" || fail "*.cab does not outweigh other types"
fi

mkdir "$scratch/empty" "$scratch/home"
cd "$scratch/empty"
export HOME="$scratch/home"
unset XDG_DATA_HOME
user="$HOME/.local/share/boxmill"

"$prefix/bin/boxmill-cli" layout >"$scratch/layout.txt" || fail "boxmill-cli did not run from an empty folder"
grep -q "Width" "$scratch/layout.txt" || fail "boxmill-cli printed no layout"
[ -f "$user/Newcab.dat" ] && [ -d "$user/Base" ] || fail "no user program folder after boxmill-cli"
[ -w "$user/Wood.dat" ] || fail "the user's Wood.dat is not writable"

# The desktop program keeps running once started; a start that fails ends.
rm -rf "$user"
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/boxmill" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "boxmill ended with status $status instead of running"
[ -f "$user/Newcab.dat" ] || fail "no user program folder after boxmill"

# A cabinet named after the program is opened: one that cannot be read
# stops the start with its message, where a good one lets it finish.
cp "$user/Newcab.dat" "$scratch/Good.cab"
printf 'not a cabinet' >"$scratch/Bad.cab"
QT_QPA_PLATFORM=offscreen BOXMILL_QUIT_WHEN_SHOWN=1 timeout 5 "$prefix/bin/boxmill" "$scratch/Good.cab" >/dev/null 2>&1 ||
    fail "boxmill did not start on a cabinet file"
status=0
QT_QPA_PLATFORM=offscreen BOXMILL_QUIT_WHEN_SHOWN=1 timeout 3 "$prefix/bin/boxmill" "$scratch/Bad.cab" >/dev/null 2>&1 ||
    status=$?
[ "$status" -eq 124 ] || fail "boxmill did not read the cabinet file it was given"
echo "installed and started from an empty folder"
