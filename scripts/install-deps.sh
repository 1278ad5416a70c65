#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs from Debian's packages everything Boxmill needs to build, run and
# test; with --checks also clang for the fuzzers and clang-tidy, which only
# CI's slower checks use. Safe to run again: apt-get skips what is there.
#   install-deps.sh [--checks]
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev
    # The cutting diagrams as JSON.
    nlohmann-json3-dev
    clang-format locales
    xvfb xauth fonts-dejavu-core
    # Renders the exported shop drawings in the widget tests.
    poppler-utils
    # A real window manager for the widget tests of window activation.
    openbox x11-utils
    # Makes the manual and read-me RTF from docs/manual; unrtf reads them back in the tests.
    pandoc unrtf
)

if [ "${1:-}" = "--checks" ]; then
    packages+=(clang libclang-rt-dev clang-tidy)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
