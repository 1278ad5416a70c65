#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# boxmill-cli end to end: a saved cabinet through the three commands, a
# refused one, usage errors. Arguments: the boxmill-cli to run, the program
# folder the build laid out, tests/data.
set -u
cli=$1
program=$2
data=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private program folder: the listing rewrites its Cutlist.txt.
cp -R "$program" "$work/program"
folder="$work/program"
failures=0

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

# The listing's date is the day of SOURCE_DATE_EPOCH (2026-03-14) in the C
# locale's short form.
export SOURCE_DATE_EPOCH=1773446400
export LC_ALL=C

run listing --program-folder "$folder" listing all "$data/Busy.cab"
expect_status listing 0
same_as listing "$data/Busy.listing-all.txt"
[ -s "$work/listing.err" ] && fail "listing: unexpected messages: $(cat "$work/listing.err")"
# Cutlist.txt: one CR LF record per board line, naming the cabinet file.
records=$(grep -c "Busy.cab$(printf '\r')\$" "$folder/Cutlist.txt")
[ "$records" -eq 38 ] || fail "Cutlist.txt: $records records, expected 38"
head -n 1 "$folder/Cutlist.txt" | grep -qx "Stile(s),1 1/2,30 ,2,Red Oak-3/4,Busy.cab$(printf '\r')" ||
    fail "Cutlist.txt: first record $(head -n 1 "$folder/Cutlist.txt")"

run viewer --program-folder "$folder" viewer complete "$data/Busy.cab"
expect_status viewer 0
same_as viewer "$data/Busy.viewer-complete.txt"

run layout --program-folder "$folder" layout "$data/Busy.cab"
expect_status layout 0
same_as layout "$data/Busy.layout.txt"

# Millimetres for this run only; Standard.dat stays as it was.
cp "$folder/Standard.dat" "$work/Standard.before"
run metric layout "$data/Busy.cab" --metric --program-folder "$folder"
expect_status metric 0
head -n 1 "$work/metric.out" | grep -qx "$(printf 'Width\t330\t314\t346')" ||
    fail "metric: first line $(head -n 1 "$work/metric.out")"
cmp -s "$folder/Standard.dat" "$work/Standard.before" || fail "metric: Standard.dat was changed"

# A file shorter than a cabinet record is refused, and nothing is printed.
head -c 1000 "$data/Busy.cab" >"$work/short.cab"
run short --program-folder "$folder" listing all "$work/short.cab"
expect_status short 1
[ -s "$work/short.out" ] && fail "short: printed $(cat "$work/short.out")"
grep -q '^error: .*short.cab.*1000 bytes' "$work/short.err" || fail "short: stderr $(cat "$work/short.err")"

run missing --program-folder "$folder" viewer complete "$work/missing.cab"
expect_status missing 1

run nocommand --program-folder "$folder"
expect_status nocommand 2
grep -q '^usage: boxmill-cli' "$work/nocommand.err" || fail "nocommand: no usage text"

run badword --program-folder "$folder" viewer sideways
expect_status badword 2

# The designer's face as SVG: one rect per visible shape, named after the
# shape, at the window's coordinates (the drawing's origin is 292, 72).
run draw --program-folder "$folder" draw designer --svg "$work/face.svg" "$data/Busy.cab"
expect_status draw 0
grep -q '<rect id="LeftSide" x="292" y="72" ' "$work/face.svg" || fail "draw: no LeftSide at the origin"
grep -q '<rect id="Mullion2" .*<title>Mullion</title>' "$work/face.svg" || fail "draw: no second mullion"
grep -q '<title>Drawer Face</title>' "$work/face.svg" || fail "draw: no drawer face"
run drawshort --program-folder "$folder" draw designer --svg "$work/short.svg" "$work/short.cab"
expect_status drawshort 1
[ -e "$work/short.svg" ] && fail "drawshort: wrote an SVG for a refused cabinet"
run drawnosvg --program-folder "$folder" draw designer "$data/Busy.cab"
expect_status drawnosvg 2

# Usage errors: status 2, and the first line names the first mistake on
# the line, wherever the common options stand. --svg takes the next word
# whatever it is, so one that reads as an option is refused rather than
# written over (here the cabinet file).
cp "$data/Busy.cab" "$work/keep.cab"
while IFS='|' read -r why args; do
    eval "run usage $args"
    first=$(head -n 1 "$work/usage.err")
    [ "$status" -eq 2 ] && [ "$first" = "boxmill-cli: $why" ] && grep -q '^usage: boxmill-cli' "$work/usage.err" ||
        fail "usage $args: status $status, $first"
done <<EOF
no command given|--metric --program-folder "$folder"
unknown command 'bogus'|bogus listing all
unknown command '--bogus'|--bogus listing all
--inches and --metric exclude each other|--inches layout --metric
--program-folder needs a folder|layout --program-folder
listing needs one of all, cabinet, face, drawers, doors|listing all "$work/keep.cab" --bogus
viewer needs one of complete, cabinet, face, drawers, doors|viewer all
layout takes at most a cabinet file|layout a.cab b.cab
draw needs the drawing to make: designer|draw --svg x.svg designer
draw designer needs --svg FILE|draw designer "$work/keep.cab"
draw designer takes --svg FILE and at most a cabinet file|draw designer a.cab b.cab
draw designer takes --svg FILE and at most a cabinet file|draw designer --svg a.svg --svg b.svg
draw designer takes --svg FILE and at most a cabinet file|draw designer --svg --metric "$work/keep.cab" --program-folder "$folder"
EOF
cmp -s "$work/keep.cab" "$data/Busy.cab" || fail "usage: a cabinet file was written over"
run drawequals --program-folder "$folder" draw designer --svg="$work/equals.svg" "$data/Busy.cab"
expect_status drawequals 0
[ -s "$work/equals.svg" ] || fail "drawequals: no SVG"

run help --help
expect_status help 0
grep -q '^usage: boxmill-cli' "$work/help.out" || fail "help: no usage text"

[ "$failures" -eq 0 ] || exit 1
echo "boxmill-cli end to end: all passed"
