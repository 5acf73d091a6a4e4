#!/bin/sh
# Runs a command under a private X server with a window manager (windows then open maximized,
# as on a desktop), and stops both afterwards.
#   tools/xrun.sh COMMAND [ARG...]
# TARVELLO_DISPLAY picks the display number; without it the server takes one that no other
# server uses, so that tests can run side by side.
set -eu
ready=$(mktemp)
wm=
xvfb=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -f "$ready"' EXIT
# shellcheck disable=SC2086 # no display number: Xvfb picks one
Xvfb ${TARVELLO_DISPLAY:+":$TARVELLO_DISPLAY"} -displayfd 3 -screen 0 "${TARVELLO_SCREEN:-1280x800x24}" \
    -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
# The server writes its display number once it takes connections.
for i in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 $xvfb 2>/dev/null || { echo "xrun.sh: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$ready" ] || { echo "xrun.sh: Xvfb did not get ready" >&2; exit 1; }
display=:$(head -n 1 "$ready")
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
