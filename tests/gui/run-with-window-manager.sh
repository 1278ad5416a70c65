#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a widget test program on a virtual X screen of 1280x800 under the
# Openbox window manager, for the behaviour that only a real window manager
# shows: activations that arrive late, focus handed back when a window
# closes, window frames. Exits 77 (skipped) when Xvfb or Openbox is not
# installed.
#   run-with-window-manager.sh PROGRAM [ARGUMENTS...]
set -eu
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed" >&2; exit 77; }
done
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGUMENTS...]" >&2; exit 2; }

scratch="$(mktemp -d)"
xvfb=""
wm=""
finish() {
    [ -z "$wm" ] || kill "$wm" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap finish EXIT

# Xvfb picks a free display itself and names it once it takes connections,
# so that runs side by side never race for one.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
tries=0
until [ -s "$scratch/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$scratch/xvfb.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=":$(cat "$scratch/display")"
export DISPLAY

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm=$!
# Tests start once the window manager has taken the screen.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$wm" 2>/dev/null; then
        echo "Openbox did not start:" >&2
        cat "$scratch/openbox.log" >&2
        exit 1
    fi
    sleep 0.05
done

# The virtual screen has no session bus; saying so spares Qt's attempt to
# start one, and the memory libdbus keeps from that attempt.
DBUS_SESSION_BUS_ADDRESS=disabled:
export DBUS_SESSION_BUS_ADDRESS
status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
