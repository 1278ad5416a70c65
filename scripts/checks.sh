#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The slower checks, after scripts/test.sh has built build/test: every file
# reader fuzzed over its seed corpus, then clang-tidy over the plain C++
# layers. BOXMILL_FUZZ_SECONDS sets the fuzzing time shared by the readers.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh" --checks
"$root/scripts/fuzz.sh" "${BOXMILL_FUZZ_SECONDS:-60}"
"$root/scripts/check-style.sh" --tidy-only "$root/build/test"
