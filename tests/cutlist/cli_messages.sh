#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# boxmill-cli's terminal text and messages: what a file or a command line
# holds reaches the terminal clean and in UTF-8, a failed standard output is
# told, long words are cut, and painting PDF prints nothing of Qt's.
# Arguments: the boxmill-cli to run, the program folder the build laid out,
# tests/data.
set -u
cli=$1
program=$2
data=$3

. "$(dirname "$0")/../support/cli-checks.sh"

# No escape, bell, carriage return or direction override in a file: only
# tabs and line breaks among the controls.
clean() {
    ! LC_ALL=C grep -q "$(printf '[\001-\010\013-\037\177]')" "$1" && ! grep -q "$(printf '\342\200\256')" "$1"
}

export LC_ALL=C
replacement=$(printf '\357\277\275')

# A wood name that would retitle the terminal, and a Latin-1 one.
escape=$(printf 'Oak\033]0;owned\007')
latin1=$(printf 'H\352tre')
run woods --program-folder "$folder" edit --new --out "$work/woods.cab" \
    wood Back "$escape*0.25*4.50" wood Bottom "$latin1*0.75*5.00"
expect_status woods 0
for command in "viewer complete" "listing all" "sheets"; do
    key=$(echo "$command" | cut -d' ' -f1)
    run "$key" --program-folder "$folder" $command "$work/woods.cab"
    clean "$work/$key.out" && clean "$work/$key.err" || fail "$command: a control character reached the terminal"
    grep -q "Oak$replacement]0;owned$replacement" "$work/$key.out" || fail "$command: the wood name is not shown cleaned"
    grep -q "$(printf 'H\303\252tre')" "$work/$key.out" || fail "$command: the Latin-1 wood name is not UTF-8"
done
# The file written for other programs keeps the bytes.
grep -q "$escape" "$folder/Cutlist.txt" || fail "Cutlist.txt: the wood name lost its bytes"

# A path with a right-to-left override, quoted by "Cannot access".
run override --program-folder "$folder" job "$work/$(printf 'gone\342\200\256boj.job')" viewer
expect_status override 1
clean "$work/override.err" && grep -q "gone${replacement}boj.job" "$work/override.err" ||
    fail "override: stderr $(cat "$work/override.err")"

# A full standard output fails the command and says so.
"$cli" --program-folder "$folder" listing all "$data/Busy.cab" >/dev/full 2>"$work/full.err"
status=$?
expect_status full 1
grep -qx "error: cannot write the output: No space left on device" "$work/full.err" ||
    fail "full: stderr $(cat "$work/full.err")"

# The sheets command's messages carry the kinds of every other command's.
printf 'sheet Oak | 0.75 | 96 by 48 | grain | 60\n' >"$work/Stock.txt"
run sheetswarn --program-folder "$folder" sheets --stock "$work/Stock.txt" "$data/Busy.cab"
expect_status sheetswarn 0
grep -q '^warning: .*Stock.txt' "$work/sheetswarn.err" && ! grep -q '^boxmill-cli:' "$work/sheetswarn.err" ||
    fail "sheets warning: stderr $(cat "$work/sheetswarn.err")"
run sheetserr --program-folder "$folder" sheets --stock "$work/missing.txt" "$data/Busy.cab"
expect_status sheetserr 1
grep -q '^error: .*missing.txt' "$work/sheetserr.err" || fail "sheets error: stderr $(cat "$work/sheetserr.err")"

# A word of 100 KB is quoted cut, wherever it is echoed.
long=$(head -c 100000 /dev/zero | tr '\0' 7)
for args in "drawers $long" "$long" "hours 1 nailers $long"; do
    run longword --program-folder "$folder" edit --new --out "$work/long.cab" $args
    [ "$(wc -c <"$work/longword.err")" -lt 1000 ] && grep -q "$(printf '\342\200\246')" "$work/longword.err" ||
        fail "long word: $(wc -c <"$work/longword.err") bytes of stderr for edit $(echo "$args" | cut -c 1-20)"
done
run longrefused --program-folder "$folder" edit --new --out "$work/long.cab" param "Cabinet Width" "$long"
expect_status longrefused 1
[ "$(wc -c <"$work/longrefused.err")" -lt 1000 ] || fail "long refused step: $(wc -c <"$work/longrefused.err") bytes"

# Painting PDF without a desktop session: no word from Qt, and the private
# runtime folder is gone afterwards.
mkdir "$work/tmp"
for command in "draw shell --pdf $work/shell.pdf" "print cutlist --pdf $work/cut.pdf"; do
    env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" "$cli" --program-folder "$folder" $command "$data/Busy.cab" \
        >"$work/pdf.out" 2>"$work/pdf.err"
    status=$?
    grep -q "built without the windows" "$work/pdf.err" && continue
    expect_status pdf 0
    [ -s "$work/pdf.err" ] && fail "$command: stderr $(cat "$work/pdf.err")"
    [ -z "$(ls -A "$work/tmp")" ] || fail "$command: left $(ls -A "$work/tmp")"
done

[ "$failures" -eq 0 ] || exit 1
echo "boxmill-cli messages: all passed"
