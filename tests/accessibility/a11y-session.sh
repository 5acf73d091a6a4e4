#!/bin/sh
# Runs a command where a screen reader would find it: on a private session bus with its own
# accessibility bus, under a private X server with a window manager, with Qt's accessibility
# switched on without a screen reader having to ask for it.
#   a11y-session.sh COMMAND [ARG...]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TARVELLO_A11Y_BUS:-}" ]; then
    # The accessibility bus has its socket in the user's runtime folder, one path for every
    # bus of the user: sessions side by side each need a folder of their own.
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    status=0
    XDG_RUNTIME_DIR=$runtime TARVELLO_A11Y_BUS=1 dbus-run-session -- "$0" "$@" || status=$?
    exit $status
fi
# The accessibility bus starts when its address is first asked for. Asked now, it is there
# before the program looks for it.
timeout 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec "$here/../../tools/xrun.sh" "$@"
