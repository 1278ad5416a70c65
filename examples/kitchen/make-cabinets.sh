#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the example kitchen's cabinet files with boxmill-cli's edits.
# Usage: make-cabinets.sh BOXMILL-CLI PROGRAM-FOLDER
set -eu
cli=$1
program=$2
here=$(dirname "$0")

make() {
    out=$1
    shift
    "$cli" --program-folder "$program" edit --new --out "$here/$out" "$@"
}

wall() {
    out=$1
    shift
    make "$out" param "Cabinet Height" 30 param "Drawer Depth" 10 param "Cabinet Depth" 12 param "Toe Kick Height" 0 \
        include "Toe Kick/Sleepers" off "$@"
}

# Base cabinets: 34 1/2 high, 24 deep.
make Sink.cab param "Cabinet Width" 36 mullions 2 doors 1 \
    section 2 drawers 1 doors 2 enable Drawer1B off section 3 drawers 1 doors 1 \
    param "Section A Width" 8 param "Section C Width" 8 mullion-offset section 1 mullion-offset hours 6 rate 45
make DrawerBase.cab param "Cabinet Width" 18 drawers 4 doors 0 shelves 0 hours 7 rate 45
make Base24.cab param "Cabinet Width" 24 drawers 1 doors 1 shelves 1 hours 5 rate 45
make Base30.cab param "Cabinet Width" 30 drawers 1 doors 2 shelves 1 hours 5.5 rate 45
make Base15.cab param "Cabinet Width" 15 drawers 1 doors 1 shelves 1 hours 4 rate 45
make Range.cab param "Cabinet Width" 30 drawers 2 hours 4 rate 45
# Wall cabinets: 30 high, 12 deep, no toe kick.
wall Wall30.cab param "Cabinet Width" 30 doors 2 shelves 2 hours 4 rate 45
wall Wall36.cab param "Cabinet Width" 36 doors 2 shelves 2 hours 4.5 rate 45
wall Wall24.cab param "Cabinet Width" 24 doors 2 shelves 2 hours 3.5 rate 45
make Hood.cab param "Cabinet Height" 18 param "Cabinet Width" 30 param "Drawer Depth" 10 param "Cabinet Depth" 12 \
    param "Toe Kick Height" 0 include "Toe Kick/Sleepers" off doors 2 hours 3 rate 45
# A pantry: 84 high, 24 deep.
make Pantry.cab param "Cabinet Height" 84 param "Cabinet Width" 24 doors 2 shelves 4 hours 10 rate 45
