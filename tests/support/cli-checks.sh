# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that hold boxmill-cli to its outputs. Before it the
# script sets $cli (the boxmill-cli to run) and $program (the program folder
# the build laid out); it gives a scratch folder $work removed at exit, a
# private copy of the program folder in $folder (the listing rewrites its
# Cutlist.txt), and the helpers below. The listing's date is the day of
# SOURCE_DATE_EPOCH (2026-03-14) in the C locale's short form.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$program" "$work/program"
folder="$work/program"
failures=0
export SOURCE_DATE_EPOCH=1773446400
export LC_ALL=C

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run NAME ARGS...: stdout to NAME.out, stderr to NAME.err, status to $status.
run() {
    name=$1
    shift
    "$cli" "$@" >"$work/$name.out" 2>"$work/$name.err"
    status=$?
}

expect_status() {
    [ "$status" -eq "$2" ] || fail "$1: exit status $status, expected $2; stderr: $(cat "$work/$1.err")"
}

same_as() {
    diff -u "$2" "$work/$1.out" >"$work/$1.diff" || fail "$1: output differs from $2: $(cat "$work/$1.diff")"
}
