#!/bin/sh
# Screenshots of every window, under a private X server, with a private print service whose
# queues the printer choice lists.
#   tools/screenshots.sh BUILD_DIR OUTDIR [SCALE] [LANGUAGE]
# SCALE 2 takes them as on a screen of twice the density (QT_SCALE_FACTOR=2); LANGUAGE (it, en, de, fr, sl)
# is the program's language, Italian unless told. TARVELLO_SCREEN (WIDTHxHEIGHTxDEPTH) gives
# another screen; on one of 1600x900 the exercise window is taken at 1362x700 too, as a
# 1366x768 laptop shows it maximized.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
out=${2:-screenshots}
scale=${3:-1}
lingua=${4:-it}
mkdir -p "$out"
out=$(cd "$out" && pwd)

cups=$(mktemp -d)
pg=$(mktemp -d)
trap '"$here/../tests/print/cups-sandbox.sh" stop "$cups" >/dev/null 2>&1; rm -rf "$cups";
      "$here/../tests/registro/pg-sandbox.sh" stop "$pg" >/dev/null 2>&1; rm -rf "$pg"' EXIT
server=$("$here/../tests/print/cups-sandbox.sh" start "$cups" Aula_3 PDF)
# The register window on the school's server, when PostgreSQL's server programs are there.
if "$here/../tests/registro/pg-sandbox.sh" start "$pg" >"$pg/env" 2>/dev/null; then
    while IFS= read -r riga; do export "$riga"; done <"$pg/env"
else
    echo "screenshots.sh: no PostgreSQL server programs: no picture of the school's register" >&2
fi
export CUPS_SERVER="${server#CUPS_SERVER=}" CUPS_SERVERROOT="$cups/etc" HOME="$cups/etc"
unset PRINTER LPDEST

export TARVELLO_SCREEN="${TARVELLO_SCREEN:-$((1024 * scale))x$((768 * scale))x24}" QT_SCALE_FACTOR="$scale"
"$here/xrun.sh" "$build/tarvello-screenshots" "$out" "$lingua"
