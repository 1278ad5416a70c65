#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Boxmill's start to its first shown main window against a bare Qt
# main window with a table, both in one run on the same machine, and prints
# the ratio of the medians. Uses the release build (scripts/start.sh makes
# it, or: cmake --preset release && cmake --build --preset release).
#   bench-startup.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-20}"
build="$root/build/release"
cmake --build "$build" --target boxmill startup_baseline program_folder >/dev/null

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp -r "$build/program/." "$folder"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" BOXMILL_QUIT_WHEN_SHOWN=1

# Milliseconds one start takes.
time_ms() {
    local start end
    start=$(date +%s%N)
    (cd "$folder" && "$@" >/dev/null 2>&1)
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}
median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m/1000}'; }

# The two take turns, so that a busy moment of the machine hits both alike.
base=() boxmill=()
for ((i = 0; i < runs; ++i)); do
    base+=("$(time_ms "$build/bench/startup_baseline")")
    boxmill+=("$(time_ms "$build/src/app/boxmill")")
done
b=$(printf '%s\n' "${base[@]}" | median)
x=$(printf '%s\n' "${boxmill[@]}" | median)
awk -v b="$b" -v x="$x" 'BEGIN {printf "bare window %s ms, Boxmill %s ms, ratio %.2f\n", b, x, x / b}'
