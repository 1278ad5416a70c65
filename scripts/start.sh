#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds Boxmill, lays out a writable program folder
# (./run, made once from data/ and kept, so cabinets saved there stay) and
# starts Boxmill in it on the default cabinet.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$root/scripts/install-deps.sh"
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset programs -j"$(nproc)"

program_folder="${BOXMILL_PROGRAM_FOLDER:-$root/run}"
if [ ! -d "$program_folder" ]; then
    cp -r "$root/build/release/program" "$program_folder"
fi

cd "$program_folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # No screen: run on a virtual one so the program still starts.
    exec xvfb-run -a "$root/build/release/src/app/boxmill" "$@"
fi
exec "$root/build/release/src/app/boxmill" "$@"
