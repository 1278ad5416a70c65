#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, checks the formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test (the
# widget tests headless). The slower checks, the fuzzers over their seeds
# and clang-tidy, are scripts/checks.sh, which CI runs after this.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"
cd "$root"
# Formatting first: it fails in a second, before any build.
"$root/scripts/check-style.sh" --format-only

cmake --preset dev-asan >/dev/null
cmake --build --preset dev-asan -j"$jobs"
ctest --preset dev-asan -j"$jobs"
