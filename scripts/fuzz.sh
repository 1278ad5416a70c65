#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each over its seed corpus.
# The given number of seconds (default 15) is shared among the targets, so
# the test script's short run stays short and `scripts/fuzz.sh 600` fuzzes
# each reader for two minutes. New inputs go to a scratch corpus, so the
# repository's seeds stay as they are.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-15}"

# name, seed folder, longest input: a little above the largest file of the
# kind, so the fuzzer spends its time on inputs the program may meet.
targets=(
    "cabinet_file cabinet 4096"
    "cabinet_text cabinet-text 16384"
    "wood_file wood 4096"
    "list_files lists 4096"
    "standard_file standard 64"
    "start_up start-up 16384"
    "panel_file panel 256"
    "print_options print-options 64"
    "stock_file stock 4096"
    "job_file job 4096"
    "rtf rtf 16384"
)
each=$((seconds / ${#targets[@]}))
if ((each < 1)); then
    each=1
fi

build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBOXMILL_FUZZ=ON \
    -DBOXMILL_BUILD_GUI=OFF -DBOXMILL_BUILD_TESTS=OFF -DBOXMILL_BUILD_BENCHMARKS=OFF >/dev/null
names=()
for target in "${targets[@]}"; do
    read -r name _ _ <<<"$target"
    names+=("fuzz_$name")
done
cmake --build "$build" -j"$(nproc)" --target "${names[@]}"

# A target's whole output goes to a log beside its scratch corpus; the
# summary (coverage as cov/ft, executions) is shown, or the end of the log
# with the crash when a target fails. Every target runs either way.
run_fuzzer() {
    local name="$1" seeds="$2" max_len="$3"
    local scratch="$build/corpus-$name" log="$build/fuzz-$name.log"
    mkdir -p "$scratch"
    echo "fuzzing $name for ${each}s"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$each" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$build/" "$scratch" "$root/fuzz/corpus/$seeds" >"$log" 2>&1; then
        tail -n 40 "$log"
        return 1
    fi
    grep -E "DONE|^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$log"
}

status=0
for target in "${targets[@]}"; do
    # shellcheck disable=SC2086 # the fields are split on purpose
    run_fuzzer $target || status=1
done
exit "$status"
