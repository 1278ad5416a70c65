#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `boxmill-cli sheets` on the largest job a job file allows (200
# lines of the example pantry, 100 of each) and on one pantry, in one run
# on the same machine, and prints the time and the most memory of each,
# their ratios and whether the large job kept within 10 s and 500 MB.
# Uses the release build (cmake --preset release makes it).
#   bench-largest-job.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-3}"
build="$root/build/release"
cmake --build "$build" --target boxmill-cli program_folder >/dev/null
cli="$build/src/cli/boxmill-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root/examples/kitchen/Pantry.cab" "$work/"
echo "Pantry.cab | 1 | Pantry" >"$work/One.job"
for ((i = 1; i <= 200; ++i)); do echo "Pantry.cab | 100 | Pantry $i"; done >"$work/Largest.job"

# "SECONDS KILOBYTES" of one run; the plan must be made, not refused.
measure() {
    /usr/bin/time -f '%e %M' -o "$work/time" "$cli" --program-folder "$build/program" sheets "$1" >/dev/null
    cat "$work/time"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2}'; }

# The two take turns, so that a busy moment of the machine hits both alike.
one=() largest=()
for ((i = 0; i < runs; ++i)); do
    one+=("$(measure "$work/One.job")")
    largest+=("$(measure "$work/Largest.job")")
done
column() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }
s1=$(column 1 "${one[@]}") m1=$(column 2 "${one[@]}")
s2=$(column 1 "${largest[@]}") m2=$(column 2 "${largest[@]}")
awk -v s1="$s1" -v m1="$m1" -v s2="$s2" -v m2="$m2" 'BEGIN {
    printf "one pantry:      %6.2f s %8.1f MB\n", s1, m1 / 1024
    printf "largest job:     %6.2f s %8.1f MB\n", s2, m2 / 1024
    printf "ratios:          %6.1f   %8.1f\n", s2 / (s1 > 0.01 ? s1 : 0.01), m2 / m1
    within = s2 < 10 && m2 < 500 * 1024
    printf "within 10 s and 500 MB: %s\n", within ? "yes" : "no"
    exit !within
}'
