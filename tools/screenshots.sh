#!/bin/sh
# Screenshots of every window, under a private X server.
#   tools/screenshots.sh BUILD_DIR OUTDIR
set -eu
here=$(dirname "$0")
exec "$here/xrun.sh" "${1:-build}/tarvello-screenshots" "${2:-screenshots}"
