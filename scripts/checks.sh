#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The slower checks, after scripts/test.sh has built build/test: the
# benchmarks built, every file reader fuzzed over its seed corpus, then
# clang-tidy over the plain C++ layers. BOXMILL_FUZZ_SECONDS sets the
# fuzzing time shared by the readers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" --checks
# The benchmarks are left out of the test build to keep it short; they must
# still build.
cmake -S "$root" -B "$root/build/test" -DBOXMILL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$root/build/test" -j"$(nproc)" --target geometry_bench sheets_bench gui_latency startup_baseline
"$root/scripts/fuzz.sh" "${BOXMILL_FUZZ_SECONDS:-60}"
"$root/scripts/check-style.sh" --tidy-only "$root/build/test"
