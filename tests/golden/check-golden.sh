#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The example kitchen's outputs against the files kept beside them, so that
# a change in any output shows as a diff a reviewer can read.
#
# After an intended change of output, write the files anew and read the diff
# before committing it:
#   bm-build boxmill-cli && BOXMILL_UPDATE_GOLDEN=1 ctest --test-dir build/dev -R '^kitchen_golden$'
#
# Each line of cases.txt is "NAME ARGS...", run as boxmill-cli ARGS with
# @KITCHEN@ standing for examples/kitchen; its standard output (or the file
# it writes where the arguments say @OUT@) must equal NAME.txt, and its
# standard error must be empty: a warning about the example is a fault of
# the example.
#   check-golden.sh BOXMILL_CLI PROGRAM_FOLDER GOLDEN_FOLDER KITCHEN_FOLDER
set -u
cli=$1
program=$2
golden=$3
kitchen=$4

. "$(dirname "$0")/../support/cli-checks.sh"
update=${BOXMILL_UPDATE_GOLDEN:-0}
cases=0
# The arguments are split on blanks on purpose; a "*" in them stays a "*".
set -f

while read -r name args; do
    case "$name" in '' | '#'*) continue ;; esac
    cases=$((cases + 1))
    printf '%s\n' "$name" >>"$work/names"
    # shellcheck disable=SC2046 # the arguments are split on purpose
    set -- $(printf '%s\n' "$args" | sed "s|@KITCHEN@|$kitchen|g; s|@OUT@|$work/$name.file|g")
    "$cli" --program-folder "$folder" "$@" >"$work/$name.txt" 2>"$work/$name.err"
    status=$?
    [ -f "$work/$name.file" ] && mv "$work/$name.file" "$work/$name.txt"
    if [ "$status" -ne 0 ] || [ -s "$work/$name.err" ]; then
        echo "FAIL: $name: exit status $status: $(cat "$work/$name.err")"
        failures=$((failures + 1))
    elif [ "$update" = 1 ]; then
        cp "$work/$name.txt" "$golden/$name.txt"
    elif [ ! -f "$golden/$name.txt" ]; then
        echo "FAIL: $name: no $golden/$name.txt; write it with BOXMILL_UPDATE_GOLDEN=1"
        failures=$((failures + 1))
    elif ! diff -u "$golden/$name.txt" "$work/$name.txt"; then
        echo "FAIL: $name differs from $golden/$name.txt"
        failures=$((failures + 1))
    fi
done <"$golden/cases.txt"

# A golden file whose case is gone would rot unseen.
for file in "$golden"/*.txt; do
    [ -f "$file" ] || continue
    name=$(basename "$file" .txt)
    [ "$name" = cases ] && continue
    if ! grep -qxF "$name" "$work/names" 2>/dev/null; then
        if [ "$update" = 1 ]; then
            rm -f "$file"
        else
            echo "FAIL: $file has no line in cases.txt"
            failures=$((failures + 1))
        fi
    fi
done

echo "golden: $cases cases, $failures failures"
[ "$cases" -gt 0 ] && [ "$failures" -eq 0 ]
