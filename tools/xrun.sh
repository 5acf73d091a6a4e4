#!/bin/sh
# Runs a command under a private X server with a window manager (windows then open maximized,
# as on a desktop), and stops both afterwards. The server takes the first free display, so
# that several runs on one machine never meet; TARVELLO_DISPLAY=N asks for display :N.
#   tools/xrun.sh COMMAND [ARG...]
set -eu
tmp=$(mktemp -d)
xvfb=
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
if [ -n "${TARVELLO_DISPLAY:-}" ]; then
    Xvfb ":$TARVELLO_DISPLAY" -screen 0 "${TARVELLO_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    echo "$TARVELLO_DISPLAY" >"$tmp/display"
else
    Xvfb -displayfd 3 -screen 0 "${TARVELLO_SCREEN:-1280x800x24}" -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
    xvfb=$!
fi
n=
for i in $(seq 50); do
    # The file appears once the server has started, and holds the number once it listens.
    n=$(cat "$tmp/display" 2>/dev/null || true)
    [ -n "$n" ] && [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
done
if [ -z "$n" ]; then
    echo "xrun.sh: the X server did not start" >&2
    exit 1
fi
display=:$n
# Qt wants a folder of its own for run-time files.
mkdir -m 700 "$tmp/runtime"
export XDG_RUNTIME_DIR="$tmp/runtime"
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
