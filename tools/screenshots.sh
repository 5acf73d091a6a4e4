#!/bin/sh
# Screenshots of every window: starts a private X server and a window manager (so windows
# open maximized, as on a desktop), runs the screenshot tool, stops both.
#   tools/screenshots.sh BUILD_DIR OUTDIR
set -eu
build=${1:-build}
out=${2:-screenshots}
display=:${TARVELLO_DISPLAY:-77}
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tarvello-screenshots" "$out"
