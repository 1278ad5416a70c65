#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, fuzzes the file readers over their seed corpus for
# a few seconds, then builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (the widget tests headless).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$root/scripts/install-deps.sh"
"$root/scripts/fuzz.sh" "${BOXMILL_FUZZ_SECONDS:-15}"

build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBOXMILL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir "$build" --output-on-failure --no-tests=error -j"$jobs"
