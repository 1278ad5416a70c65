#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each over its seed corpus
# for the given number of seconds (default 15). New inputs go to a scratch
# corpus, so the repository's seeds stay as they are.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-15}"

build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBOXMILL_FUZZ=ON \
    -DBOXMILL_BUILD_GUI=OFF -DBOXMILL_BUILD_TESTS=OFF -DBOXMILL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_cabinet_file

run_fuzzer() {
    local name="$1" seeds="$2"
    local scratch="$build/corpus-$name"
    mkdir -p "$scratch"
    echo "fuzzing $name for ${seconds}s"
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "$scratch" "$seeds" 2>&1 | tail -n 5
    return "${PIPESTATUS[0]}"
}

run_fuzzer cabinet_file "$root/fuzz/corpus/cabinet"
