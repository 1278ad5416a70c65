#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# boxmill-cli end to end: a saved cabinet through the commands, a refused
# one, the readable form and scripted edits, usage errors. Arguments: the boxmill-cli to run, the program
# folder the build laid out, tests/data.
set -u
cli=$1
program=$2
data=$3

. "$(dirname "$0")/../support/cli-checks.sh"

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

# The construction views' data boxes: four tab-separated cells a row, no
# heading, the grid's padding left off (the doors of section 1 are none at
# all), and a part's sizes as the cut list viewer gives them.
while IFS='|' read -r key view rows part listed; do
    run "view$key" --program-folder "$folder" view $view "$data/Busy.cab"
    expect_status "view$key" 0
    lines=$(wc -l <"$work/view$key.out")
    [ "$lines" -eq "$rows" ] || fail "view $view: $lines rows, expected $rows"
    awk -F '\t' 'NF != 4 || $0 == "\t\t\t" { exit 1 }' "$work/view$key.out" || fail "view $view: a row is not four cells"
    [ -z "$part" ] && continue
    got=$(awk -F '\t' -v p="$part" '$1 == p { print $2 "\t" $3; exit }' "$work/view$key.out")
    [ -n "$got" ] && awk -F '\t' -v p="$listed" -v s="$got" '$2 == p && $3 "\t" $4 == s { found = 1 } END { exit !found }' \
        "$work/viewer.out" || fail "view $view: $part is '$got', not among the viewer's $listed"
done <<EOF
shell|shell|11|Nailers|Nailer(s)
side|side|5|Toekick|Toekick
top|top|9|Back|Back
face|face|6|Mullions|Mullion(s)
facecomplete|face --show complete|10|Pt Rail(s)|Pt Rail(s)
door|door|0||
door3|door --section 3|7|Mid Rail|Dr Mid Rail(s)
doorupper|door --section 2 --opening upper|14|L Stile|Dr Stile(s)
drawer|drawer|5|Sides|Dw Side(s)
drawer2|drawer --show section --drawer 2|14|Bottom|Dw Bottom(s)
EOF
head -n 1 "$work/viewshell.out" | grep -qx "$(printf 'Sides\t23 \t34 1/2\t3/4')" ||
    fail "view shell: first row $(head -n 1 "$work/viewshell.out")"

# Another panel style for one run: single panels take section 3's mid rail
# away; a panel file shorter than one style is refused by name.
head -c 26 /dev/zero >"$work/single.rpl"
run panelstyle --panel-style "$work/single.rpl" --program-folder "$folder" view door --section 3 "$data/Busy.cab"
expect_status panelstyle 0
grep -q '^Mid Rail' "$work/panelstyle.out" && fail "panel style: a mid rail of single panels"
grep -q '^Panel' "$work/panelstyle.out" || fail "panel style: no panels"
head -c 10 /dev/zero >"$work/short.rpl"
run panelshort --program-folder "$folder" view door --panel-style "$work/short.rpl" "$data/Busy.cab"
expect_status panelshort 1
grep -q '^error: .*short.rpl.*10 bytes' "$work/panelshort.err" || fail "panelshort: stderr $(cat "$work/panelshort.err")"

# Their drawings: each visible shape once under its own name, where the view
# draws it; a hidden shape (the second door of a single door, the face that
# the third drawer of section 1 lacks) is left out.
while IFS='|' read -r key view present absent; do
    run "draw$key" --program-folder "$folder" draw $view --svg "$work/view-$key.svg" "$data/Busy.cab"
    expect_status "draw$key" 0
    rects=$(grep -c '<rect ' "$work/view-$key.svg")
    ids=$(grep -o '<rect id="[^"]*"' "$work/view-$key.svg" | sort -u | wc -l)
    [ "$rects" -gt 0 ] && [ "$rects" -eq "$ids" ] || fail "draw $view: $rects rects, $ids names"
    for id in $present; do
        grep -q "<rect id=\"$id\" " "$work/view-$key.svg" || fail "draw $view: no $id"
    done
    [ -n "$absent" ] && grep -q "<rect id=\"$absent\" " "$work/view-$key.svg" && fail "draw $view: a hidden $absent"
done <<EOF
shell|shell|LeftSide RightSide Back|
side|side|Side1 Side2 RightStile|
top|top|LeftSide CabinetTop|
face|face --section 2|LeftStile TopRail|
door|door --section 3|Panel1 LeftStile1|Panel2
door2|door --section 2 --show section|Panel1 Panel2|
drawer|drawer|Face DFace DLeftSide|
drawer3|drawer --drawer 3|DLeftSide|DFace
EOF
grep -q '<rect id="Face" x="295" y="54" ' "$work/view-drawer.svg" || fail "draw drawer: the face is not at the views' origin"
# The shop drawing, where this boxmill-cli paints PDF: one page, with the
# SVG beside it from the same run.
run pdf --program-folder "$folder" draw shell --svg "$work/both.svg" --pdf "$work/shell.pdf" "$data/Busy.cab"
if ! grep -q "built without the windows" "$work/pdf.err"; then
    expect_status pdf 0
    [ "$(head -c 4 "$work/shell.pdf")" = "%PDF" ] || fail "draw --pdf: not a PDF"
    [ -s "$work/both.svg" ] || fail "draw --pdf: the SVG beside it is missing"
    if command -v pdfinfo >/dev/null; then
        pdfinfo "$work/shell.pdf" | grep -q "^Pages: *1$" || fail "draw --pdf: not one page"
    fi
fi

# Printing to PDF: the whole listing in one document, page after page, and
# nothing at all without the print settings.
run printcut --program-folder "$folder" print cutlist --pdf "$work/cut.pdf" "$data/Busy.cab"
if ! grep -q "built without the windows" "$work/printcut.err" && command -v pdftotext >/dev/null; then
    expect_status printcut 0
    run listed --program-folder "$folder" listing all "$data/Busy.cab"
    # Each page is headed by the cabinet's name and its number of all.
    pdftotext -layout "$work/cut.pdf" - | tr -s ' \f' ' \n' | sed 's/ *$//' | grep -v '^$' >"$work/paged.txt"
    pages=$(pdfinfo "$work/cut.pdf" | awk '/^Pages:/ { print $2 }')
    [ "$(grep -c "^Busy.cab Page [0-9]* of $pages\$" "$work/paged.txt")" -eq "$pages" ] ||
        fail "print cutlist: a page without its header"
    grep -v "^Busy.cab Page [0-9]* of $pages\$" "$work/paged.txt" >"$work/printed.txt"
    tr -s ' ' <"$work/listed.out" | sed 's/ *$//' | grep -v '^$' | diff - "$work/printed.txt" >/dev/null ||
        fail "print cutlist: the PDF is not the listing"
    [ "$(pdfinfo "$work/cut.pdf" | awk '/^Pages:/ { print $2 }')" -gt 2 ] || fail "print cutlist: not several pages"
    run printviews --program-folder "$folder" print views --zoom 5 --gap 50 --pdf "$work/views.pdf" "$data/Busy.cab"
    expect_status printviews 0
    pdftotext "$work/views.pdf" - | grep -q "Finished Cabinet:" || fail "print views: no finished cabinet"
    # The opening sizes, then a page for each of the five shop drawings.
    [ "$(pdfinfo "$work/views.pdf" | awk '/^Pages:/ { print $2 }')" -eq 6 ] || fail "print views: not six pages"
    rm "$folder/Printopt.dat"
    run printnoopt --program-folder "$folder" print door --pdf "$work/none.pdf" "$data/Busy.cab"
    expect_status printnoopt 1
    grep -q "Printopt.dat" "$work/printnoopt.err" || fail "print: the missing Printopt.dat is not named"
    [ -e "$work/none.pdf" ] && fail "print: a PDF without Printopt.dat"
    cp "$program/Printopt.dat" "$folder/Printopt.dat"
fi

# The readable form: Busy.cab exports as its golden text, and that text
# imports as Busy.cab again, byte for byte.
run export --program-folder "$folder" export "$data/Busy.cab"
expect_status export 0
same_as export "$data/Busy.export.txt"
run import --program-folder "$folder" import "$work/export.out" --out "$work/imported.cab"
expect_status import 0
cmp -s "$work/imported.cab" "$data/Busy.cab" || fail "import: not Busy.cab again"
# A file longer than its record keeps its tail through the text.
cat "$data/Busy.cab" "$data/Busy.layout.txt" >"$work/tail.cab"
run tailexport --program-folder "$folder" export "$work/tail.cab"
run tailimport --program-folder "$folder" import "$work/tailexport.out" --out "$work/tail2.cab"
expect_status tailimport 0
cmp -s "$work/tail.cab" "$work/tail2.cab" || fail "tail: not the same file again"
# A mistake is refused with its line, and nothing is written.
sed 's/^Cabinet Width = 46$/Cabinet Widht = 46/' "$work/export.out" >"$work/typo.txt"
line=$(grep -n '^Cabinet Widht' "$work/typo.txt" | cut -d: -f1)
run typo --program-folder "$folder" import "$work/typo.txt" --out "$work/typo.cab"
expect_status typo 1
grep -qx "error: \"typo.txt\": line $line: unknown key \"Cabinet Widht\" in \[Parameters\]" "$work/typo.err" ||
    fail "typo: stderr $(cat "$work/typo.err")"
[ -e "$work/typo.cab" ] && fail "typo: wrote a cabinet"

# The sink base of docs/CABINET-TEXT.md: three sections of 8, 13 and 8
# inches between the frame members.
run sink --program-folder "$folder" edit --new --out "$work/sink.cab" \
    param "Cabinet Width" 36 mullions 2 doors 1 \
    section 2 drawers 1 doors 2 enable Drawer1B off \
    section 3 drawers 1 doors 1 \
    param "Section A Width" 8 param "Section C Width" 8 mullion-offset section 1 mullion-offset
expect_status sink 0
[ -s "$work/sink.err" ] && fail "sink: unexpected messages: $(cat "$work/sink.err")"
run sinklayout --program-folder "$folder" layout "$work/sink.cab"
head -n 1 "$work/sinklayout.out" | grep -qx "$(printf 'Width\t8 \t13 \t8 ')" ||
    fail "sink: first line $(head -n 1 "$work/sinklayout.out")"
# A refused step shows its message, the later steps still run, and the
# cabinet is not written: here over a file that must stay as it was.
cp "$data/Busy.cab" "$work/kept.cab"
run refused --program-folder "$folder" edit "$data/Busy.cab" --out "$work/kept.cab" drawers 9 option TopDado off hours 9
expect_status refused 1
[ "$(grep -c '^error: ' "$work/refused.err")" -eq 3 ] || fail "refused: stderr $(cat "$work/refused.err")"
grep -q '^error: .*drawers. Up to 4 drawers are allowed.$' "$work/refused.err" || fail "refused: no drawer limit"
grep -qx "error: refused steps 1 (drawers 9), 2 (option TopDado off); $work/kept.cab was not written" \
    "$work/refused.err" || fail "refused: stderr $(cat "$work/refused.err")"
cmp -s "$work/kept.cab" "$data/Busy.cab" || fail "refused: the cabinet was written"
# Saved in place as "Save Cabinet" saves: the file keeps its tail.
run inplace --program-folder "$folder" edit "$work/tail.cab" --out "$work/tail.cab" hours 9
expect_status inplace 0
cmp -s -i 2564 "$work/tail.cab" "$work/tail2.cab" || fail "inplace: the tail was lost"

# Usage errors: status 2, and the first line names the first mistake on
# the line, wherever the common options stand. --svg takes the next word
# whatever it is, so one that reads as an option is refused rather than
# written over (here the cabinet file).
cp "$data/Busy.cab" "$work/keep.cab"
while IFS='|' read -r why args; do
    eval "run usage $args"
    first=$(head -n 1 "$work/usage.err")
    # Built without the windows, print refuses before it reads its options.
    [ "$first" = "boxmill-cli: this boxmill-cli was built without the windows, which paint PDF" ] && continue
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
draw needs the drawing to make: designer, shell, side, top, face, door, drawer|draw --svg x.svg designer
draw shell needs --svg FILE or --pdf FILE|draw shell "$work/keep.cab"
view needs the view to show: shell, side, top, face, door, drawer|view sideways
--drawer does not apply to the side view|view side --drawer 2 "$work/keep.cab"
--section does not apply to the designer's drawing|draw designer --section 1 --svg "$work/x.svg" "$work/keep.cab"
--show does not apply to the top view|draw top --show section --svg "$work/x.svg"
--section: expected a section from 1 to 3, not 'x'|view face --section x
--opening: expected lower or upper, not 'sideways'|view door --opening sideways
--show: expected section or complete, not 'selected'|view face --show selected
--opening upper does not apply with --show section, which lists both openings|view door --show section --opening upper
--section 2: the cabinet has 1 section|--program-folder "$folder" view shell --section 2
--opening upper: section 1 has no partition|--program-folder "$folder" draw door --opening upper --svg "$work/x.svg" "$work/keep.cab"
--drawer 4: section 1 has 3 drawers|--program-folder "$folder" view drawer --drawer 4 "$work/keep.cab"
draw designer needs --svg FILE or --pdf FILE|draw designer "$work/keep.cab"
draw designer takes --svg FILE and at most a cabinet file|draw designer a.cab b.cab
draw designer takes --svg FILE and at most a cabinet file|draw designer --svg a.svg --svg b.svg
draw designer takes --svg FILE and at most a cabinet file|draw designer --svg --metric "$work/keep.cab" --program-folder "$folder"
export takes one cabinet file|export
print needs --pdf FILE|print cutlist "$work/keep.cab"
--zoom: expected one of 1.0, 1.5 ... 5.0, not '7'|print views --zoom 7 --pdf "$work/x.pdf"
export takes one cabinet file|export "$work/keep.cab" "$work/keep.cab"
import takes one text file and --out FILE.cab|import "$work/export.out"
edit needs --out FILE.cab|edit "$work/keep.cab" drawers 1
edit needs a cabinet file or --new|edit --out "$work/x.cab"
edit takes a cabinet file or --new, not both|edit --new "$work/keep.cab" --out "$work/x.cab"
edit step 2: 'drawer' is no step|edit --new --out "$work/x.cab" drawers 1 drawer 2
edit step 1: param takes NAME VALUE|edit --new --out "$work/x.cab" param Width
edit step 1: include: expected on or off, not 'yes'|edit --new --out "$work/x.cab" include Top yes
edit step 2: drawers: expected a count from 0 to 99, not 'x'|edit --new --out "$work/x.cab" section 1 drawers x
edit step 1: section: expected a section from 1 to 3, not '4'|edit --new --out "$work/x.cab" section 4
edit step 1: enable: 'Drawer5A' is no switch of the cabinet editing window: Drawer1A to Drawer4C, Face1A to Face4C, PanelsA to PanelsCP|edit --new --out "$work/x.cab" enable Drawer5A on
EOF
cmp -s "$work/keep.cab" "$data/Busy.cab" || fail "usage: a cabinet file was written over"
[ -e "$work/x.cab" ] && fail "usage: edit wrote a cabinet"
[ -e "$work/x.svg" ] && fail "usage: draw wrote an SVG"
run drawequals --program-folder "$folder" draw designer --svg="$work/equals.svg" "$data/Busy.cab"
expect_status drawequals 0
[ -s "$work/equals.svg" ] || fail "drawequals: no SVG"

# A job: Busy.cab twice under two labels. The combined rows carry their
# labels and twice the cabinet's counts; a missing cabinet refuses the whole
# job and nothing is written.
mkdir -p "$work/job"
cp "$data/Busy.cab" "$work/job/Busy.cab"
printf '# two of one\nBusy.cab | 2 | Left\nBusy.cab | 1 | Right\n' >"$work/job/K.job"
run jobviewer --program-folder "$folder" job "$work/job/K.job" viewer
expect_status jobviewer 0
head -n 1 "$work/jobviewer.out" | grep -qx "$(printf 'Left\t4\tStile(s)\t1 1/2\t30 ')" ||
    fail "jobviewer: first row $(head -n 1 "$work/jobviewer.out")"
grep -q "^Right$(printf '\t')2$(printf '\t')Stile(s)" "$work/jobviewer.out" || fail "jobviewer: no Right rows"
grep -q '^Job Total: ' "$work/jobviewer.out" || fail "jobviewer: no job total"
run jobsheets --program-folder "$folder" sheets --json "$work/job.json" --svg "$work/job.svg" "$work/job/K.job"
expect_status jobsheets 0
grep -q '"cabinet": "Right"' "$work/job.json" || fail "jobsheets: no cabinet label in the JSON"
grep -q '<svg' "$work/job.svg" || fail "jobsheets: no SVG"
# The PDF says what the SVG says: a page a sheet and a page more for each
# cut sequence too long for its sheet's page, each cut step word for word
# in the order it is painted.
run jobpdf --program-folder "$folder" sheets --svg "$work/jobpdf.svg" --pdf "$work/job.pdf" "$work/job/K.job"
if ! grep -q "built without the windows" "$work/jobpdf.err" && command -v pdftotext >/dev/null; then
    expect_status jobpdf 0
    cmp -s "$work/job.svg" "$work/jobpdf.svg" || fail "jobpdf: the SVG differs from the one written with the JSON"
    continued=$(pdftotext "$work/job.pdf" - | grep -c ': sheet [0-9]* of [0-9]* (continued)$' || true)
    [ "$(pdfinfo "$work/job.pdf" | awk '/^Pages:/ { print $2 }')" -eq \
        $(($(grep -c ': sheet [0-9]* of ' "$work/job.svg") + continued)) ] ||
        fail "jobpdf: not a page a sheet and its continuations"
    steps='[0-9]+\. (Rip|Crosscut|Trim) at [^<]*'
    grep -oE ">$steps<" "$work/job.svg" | tr -d '<>' >"$work/svgsteps.txt"
    pdftotext -raw "$work/job.pdf" - | grep -xE "$steps" >"$work/pdfsteps.txt"
    [ -s "$work/svgsteps.txt" ] && cmp -s "$work/svgsteps.txt" "$work/pdfsteps.txt" ||
        fail "jobpdf: the cut steps differ: $(diff "$work/svgsteps.txt" "$work/pdfsteps.txt" | head -n 4)"
fi
printf 'Busy.cab | 1 | Sink\nGone.cab | 1 | Pantry\n' >"$work/job/Gone.job"
run jobgone --program-folder "$folder" sheets --json "$work/gone.json" --svg "$work/gone.svg" "$work/job/Gone.job"
expect_status jobgone 1
grep -q 'the cabinet "Pantry" ("Gone.cab") cannot be used' "$work/jobgone.err" ||
    fail "jobgone: stderr $(cat "$work/jobgone.err")"
[ -e "$work/gone.json" ] || [ -e "$work/gone.svg" ] && fail "jobgone: wrote diagrams of a refused job"
run jobcab --program-folder "$folder" job "$data/Busy.cab" cost
expect_status jobcab 2

# Four drawers leave the pair of doors under them no room: every list
# leaves the doors out and says which opening and which sizes.
run tight --program-folder "$folder" edit --new --out "$work/job/Tight.cab" param "Cabinet Height" 36.25 \
    section 1 drawers 4
expect_status tight 0
printf 'Tight.cab | 1 | Tight\n' >"$work/job/Tight.job"
for list in "viewer complete $work/job/Tight.cab" "listing all $work/job/Tight.cab" "sheets $work/job/Tight.cab" \
    "job $work/job/Tight.job viewer"; do
    # shellcheck disable=SC2086 # the command and its file, word by word
    run tightlist --program-folder "$folder" $list
    expect_status tightlist 0
    grep -q '^warning: \(Tight: \)\{0,1\}Section 1: the 2 doors would be 1" high' "$work/tightlist.err" ||
        fail "$list: stderr $(cat "$work/tightlist.err")"
    grep -q 'Dr \(Panel\|Stile\|Rails\)' "$work/tightlist.out" && fail "$list: lists the doors"
done

run help --help
expect_status help 0
grep -q '^usage: boxmill-cli' "$work/help.out" || fail "help: no usage text"

[ "$failures" -eq 0 ] || exit 1
echo "boxmill-cli end to end: all passed"
