#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, checks the formatting, fuzzes the file readers
# over their seed corpus for a few seconds, then builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs every test (the
# widget tests headless) and the static checks.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"
cd "$root"
# Formatting first: it fails in a second, before any build.
"$root/scripts/check-style.sh" --format-only
"$root/scripts/fuzz.sh" "${BOXMILL_FUZZ_SECONDS:-15}"

cmake --preset dev-asan >/dev/null
cmake --build --preset dev-asan -j"$jobs"
ctest --preset dev-asan -j"$jobs"
"$root/scripts/check-style.sh" --tidy-only "$root/build/test"
