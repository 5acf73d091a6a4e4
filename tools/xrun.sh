#!/bin/sh
# Runs a command under a private X server with a window manager (windows then open maximized,
# as on a desktop), and stops both afterwards.
#   tools/xrun.sh COMMAND [ARG...]
set -eu
display=:${TARVELLO_DISPLAY:-77}
Xvfb "$display" -screen 0 ${TARVELLO_SCREEN:-1280x800x24} -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
for i in 1 2 3 4 5 6 7 8 9 10; do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.2
done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
